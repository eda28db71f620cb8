// The Windows backend across real processes, in the registry and on the file system, without Qt
// so that Wine runs it. Arguments name the cases to run (default: all). Names carry the runner's
// id, so that nothing else on the machine matches.
#include "IdentifierRecord.h"
#include "NamedLock.h"
#include "ProcessControl.h"
#include "TreeRemover.h"
#include "WideString_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;
using platform::NamedLock;
using Result = NamedLock::Result;

namespace {

int g_failures = 0;
const std::string g_id = std::to_string(GetCurrentProcessId());
const fs::path g_scratch = fs::temp_directory_path() / ("uninstall-tests " + g_id);

bool check(bool ok, int line, const char *condition)
{
    if (!ok && ++g_failures)
        std::printf("  line %d: %s\n", line, condition);
    return ok;
}
#define CHECK(condition) check(bool(condition), __LINE__, #condition)

// The helper program, copied to path unless empty, with its output on a pipe; killed with this.
struct Child
{
    explicit Child(const std::wstring &arguments, fs::path path = {})
    {
        wchar_t runner[MAX_PATH];
        GetModuleFileNameW(nullptr, runner, MAX_PATH);
        const fs::path helper = fs::path(runner).replace_filename(L"helper.exe");
        if (path.empty())
            path = helper;
        else if (fs::create_directories(path.parent_path()))
            fs::copy_file(helper, path);
        SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
        HANDLE write = nullptr;
        CreatePipe(&output, &write, &inherited, 0);
        SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = write;
        std::wstring line = L"\"" + path.wstring() + L"\" " + arguments;
        CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE, 0, 0, 0, &si, &info);
        CloseHandle(info.hThread);
        CloseHandle(write);
    }
    ~Child()
    {
        TerminateProcess(info.hProcess, 1);
        ended();
        CloseHandle(info.hProcess);
        CloseHandle(output);
    }
    std::string line() // the next line of output, empty once it ended
    {
        std::string text;
        char c = 0;
        DWORD read = 0;
        while (ReadFile(output, &c, 1, &read, nullptr) && read == 1 && c != '\n')
            text.append(c != '\r', c);
        return text;
    }
    bool ended(DWORD milliseconds = 10000)
    {
        return WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0;
    }

    PROCESS_INFORMATION info = {};
    HANDLE output = nullptr;
};

void lockIsAMutexNamedByTheKey()
{
    const std::string key = "D\xc3\xa9mo Suite \xe2\x84\xa2_uninstall_" + g_id,
                      odd = "Demo\\" + g_id;
    const auto exists = [&key] {
        const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, platform::toWide(key).c_str());
        return mutex && CloseHandle(mutex);
    };
    NamedLock lock(key), longKey(std::string(1024, 'n') + g_id);
    SetLastError(ERROR_ALREADY_EXISTS); // a fresh mutex is told by the call's own result
    CHECK(lock.tryAcquire() == Result::Acquired && exists());
    CHECK(NamedLock(key).tryAcquire() == Result::AlreadyExists);
    lock.release();
    CHECK(!exists());
    // Names the system would refuse (a backslash, past MAX_PATH) are made into ones it takes.
    CHECK(longKey.tryAcquire() == Result::Acquired);
    CHECK(NamedLock(longKey.key()).tryAcquire() == Result::AlreadyExists);
    auto holder = std::make_unique<Child>(L"lock " + platform::toWide(odd));
    CHECK(holder->line() == "locked" && Child(L"lock " + platform::toWide(odd)).line() == "busy");
    CHECK(NamedLock(odd).tryAcquire() == Result::AlreadyExists);
    holder.reset(); // killed: the system abandons its mutex and frees the name
    CHECK(NamedLock(odd).tryAcquire() == Result::Acquired);
    // A name taken by another kind of object is a refusal, which callers count as held.
    const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, platform::toWide(key).c_str());
    CHECK(NamedLock(key).tryAcquire() == Result::Failed);
    CloseHandle(event);
}

void endsTheProductsProcessesInsideTheInstallationOnly()
{
    const std::wstring id = platform::toWide(g_id), name = L"D\u00e9mo Suite " + id + L".exe";
    int count = 0;
    const auto start = [&](const std::wstring &file, const wchar_t *folder = L"install") {
        auto child = std::make_unique<Child>(L"",
                                             g_scratch / folder / std::to_wstring(++count) / file);
        CHECK(child->line() == "ready");
        return child;
    };
    const std::unique_ptr<Child> spared[] = {start(name), // the caller
                                             start(L"D\u00e9mo Suite " + id + L" Tool.exe"),
                                             start(L"Demo Suite " + id + L".exe"),
                                             start(name + L".bak"),
                                             start(name, L"install elsewhere")};
    const std::unique_ptr<Child> doomed[] = {start(name),
                                             start(L"D\u00c9MO SUITE " + id + L".EXE"),
                                             start(L"d\u00e9mo suite " + id + L".exe")};
    const std::string install = platform::toUtf8((g_scratch / L"install").wstring());
    platform::terminateProcessesNamed(platform::toUtf8(name), install, spared[0]->info.dwProcessId);
    for (const auto &child : doomed)
        CHECK(child->ended());
    for (const auto &child : spared)
        CHECK(!child->ended(0));
}

// Read or made in the 64-bit view; unusable values are replaced, a null identifier never kept.
void identifierRecordInTheRegistry()
{
    const auto registry = platform::UserRegistry::currentUser({});
    const std::string fixed = "{0f8fad5b-d9cb-469f-a165-70867728950e}", x38(38, 'x');
    const platform::Uuid fixedUuid{0x0f8fad5b,
                                   0xd9cb,
                                   0x469f,
                                   {0xa1, 0x65, 0x70, 0x86, 0x77, 0x28, 0x95, 0xe}};
    const std::string path = "Software\\Classes\\CLSID\\uninstall-test-" + g_id;
    const HKEY user = HKEY_CURRENT_USER;
    const char *const key = path.c_str(), *const name = "CEIPIdentifier";
    const DWORD number = 0x7b, flags = RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY;
    const struct
    {
        DWORD type;
        std::string stored, expected;
        bool nullUuid;
    } rows[] = {{REG_NONE, {}, fixed, false},
                {REG_NONE, {}, "{00000000-0000-0000-0000-000000000000}", true},
                {REG_DWORD, std::string(reinterpret_cast<const char *>(&number), 4), fixed, false},
                {REG_SZ, std::string(39, 'x') + '\0', fixed, false},
                {REG_EXPAND_SZ, fixed + '\0', fixed, false},
                {REG_SZ, x38 + '\0', x38, false}};
    for (const auto &[type, stored, expected, nullUuid] : rows) {
        RegSetKeyValueA(user, key, name, type, stored.data(), DWORD(stored.size()));
        const std::string result = platform::IdentifierRecord::obtain(*registry, path, [&] {
            return nullUuid ? platform::Uuid() : fixedUuid;
        });
        std::string after(64, '\0');
        DWORD size = DWORD(after.size());
        const bool found = !RegGetValueA(user, key, name, flags, nullptr, after.data(), &size);
        CHECK(result == expected && found != nullUuid
              && (nullUuid || after.substr(0, size) == expected + '\0'));
        RegDeleteKeyExA(user, key, KEY_WOW64_64KEY, 0);
    }
    // The system's UUIDs in their fields: version 4, variant 1.
    const std::string made = platform::IdentifierRecord::obtain(*registry,
                                                                path,
                                                                platform::createUuid);
    RegDeleteKeyExA(user, key, KEY_WOW64_64KEY, 0);
    CHECK(made.size() == 38 && made[15] == '4' && std::strchr("89ab", made[20]));
}

// A link inside the installation, or a folder swapped for one while the removal runs, goes as
// itself: nothing behind it is reached.
void linksAreRemovedNeverFollowed()
{
    const fs::path root = g_scratch / L"tree", outside = g_scratch / L"outside";
    fs::create_directories(root / L"swapped");
    fs::create_directories(outside);
    std::ofstream(outside / L"precious.txt") << "x";
    const auto link = [&outside](const fs::path &at) {
        return CreateSymbolicLinkW(at.c_str(), outside.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2);
    };
    CHECK(link(root / L"link"));
    platform::TreeRemover::setBeforeEnterHook([&](const std::string &relativePath) {
        if (relativePath == "swapped" && RemoveDirectoryW((root / L"swapped").c_str()))
            link(root / L"swapped");
    });
    platform::TreeRemover::open(platform::toUtf8(root.wstring()))
        ->remove([](const platform::TreeEntry &) { return platform::EntryAction::Remove; },
                 {},
                 [](const platform::TreeEntry &, platform::EntryOutcome) {});
    platform::TreeRemover::setBeforeEnterHook({});
    CHECK(fs::exists(outside / L"precious.txt") && fs::is_empty(root));
}

} // namespace

int main(int argc, char **argv)
{
    const std::pair<const char *, void (*)()> cases[]
        = {{"lockIsAMutexNamedByTheKey", lockIsAMutexNamedByTheKey},
           {"endsTheProductsProcessesInsideTheInstallationOnly",
            endsTheProductsProcessesInsideTheInstallationOnly},
           {"identifierRecordInTheRegistry", identifierRecordInTheRegistry},
           {"linksAreRemovedNeverFollowed", linksAreRemovedNeverFollowed}};
    int passed = 0;
    for (const auto &[name, run] : cases) {
        if (argc > 1 && std::find(argv + 1, argv + argc, std::string(name)) == argv + argc)
            continue;
        const int failures = g_failures;
        run();
        passed += g_failures == failures;
        std::printf("%s %s\n", g_failures == failures ? "PASS" : "FAIL", name);
    }
    std::error_code ignored;
    fs::remove_all(g_scratch, ignored);
    std::printf("%d passed, %d failures\n", passed, g_failures);
    return g_failures == 0 && passed > 0 ? 0 : 1;
}
