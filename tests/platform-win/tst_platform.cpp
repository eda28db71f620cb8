// The Windows backend across real processes, in the registry and on the file system, without Qt
// so that Wine runs it. Names carry the runner's id, so that nothing else on the machine matches.
#include "platform/IdentifierRecord.h"
#include "platform/NamedLock.h"
#include "platform/ProcessControl.h"
#include "platform/TreeRemover.h"
#include "platform/WideString_win.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>

namespace fs = std::filesystem;
using platform::NamedLock;
using Result = NamedLock::Result;

int g_failures = 0;
const std::string g_id = std::to_string(GetCurrentProcessId());
const fs::path g_scratch = fs::temp_directory_path() / ("uninstall-tests " + g_id);

void check(bool passed, int line, const char *condition)
{
    if (passed)
        return;
    std::printf("  line %d: %s\n", line, condition);
    ++g_failures;
}
#define CHECK(c) check((c), __LINE__, #c)

// A copy of this runner at path that takes the lock of key if given, prints it and waits.
struct Child
{
    explicit Child(const std::string &key, const fs::path &path)
    {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        if (fs::create_directories(path.parent_path()))
            fs::copy_file(self, path);
        SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
        HANDLE write = nullptr;
        CreatePipe(&output, &write, &inherited, 0);
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = write;
        std::wstring line = L"\"" + path.wstring() + L"\" child " + platform::toWide(key);
        CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE, 0, 0, 0, &si, &info);
        CloseHandle(write);
    }
    ~Child()
    {
        TerminateProcess(info.hProcess, 1);
        ended();
    }
    std::string line()
    {
        char word[16];
        DWORD read = 0;
        return ReadFile(output, word, sizeof(word), &read, nullptr) ? std::string(word, read) : "";
    }
    Result lockResult() { return Result(std::stoi(line())); } // throws when it said nothing
    bool ended(DWORD ms = 10000) { return WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0; }

    PROCESS_INFORMATION info = {};
    HANDLE output = nullptr;
};

// A mutex named by the key; names the system would refuse (a backslash, past MAX_PATH) are made
// into ones it takes; a killed owner frees the name; a name of another kind of object counts as held.
void lock()
{
    const std::string key = "D\xc3\xa9mo Suite \xe2\x84\xa2_uninstall_" + g_id;
    const std::string odd = "Demo\\" + g_id + std::string(1024, 'n');
    const std::wstring wide = platform::toWide(key);
    NamedLock lock(key);
    SetLastError(ERROR_ALREADY_EXISTS); // a fresh mutex is told by the call's own result
    CHECK(lock.tryAcquire() == Result::Acquired);
    CHECK(CloseHandle(OpenMutexW(SYNCHRONIZE, FALSE, wide.c_str())));
    lock.release(); // else the event could not take the name
    CHECK(CreateEventW(nullptr, FALSE, FALSE, wide.c_str()));
    CHECK(NamedLock(key).tryAcquire() == Result::Failed);
    auto holder = std::make_unique<Child>(odd, g_scratch / L"lock/1/a.exe");
    CHECK(holder->lockResult() == Result::Acquired);
    CHECK(Child(odd, g_scratch / L"lock/2/a.exe").lockResult() == Result::AlreadyExists);
    holder.reset();
    CHECK(NamedLock(odd).tryAcquire() == Result::Acquired);
}

// Spared: the caller, other names and another folder; names are matched ignoring case.
void processes()
{
    const std::wstring id = platform::toWide(g_id);
    const std::wstring name = L"D\u00e9mo Suite " + id + L".exe";
    const fs::path install = g_scratch / L"install";
    std::deque<Child> spared;
    std::deque<Child> doomed;
    const auto start = [&](std::deque<Child> &into, const fs::path &in, const std::wstring &file) {
        into.emplace_back("", in / std::to_wstring(spared.size() + doomed.size()) / file);
        CHECK(into.back().line() == "ready");
    };
    start(spared, install, name); // the caller
    start(spared, install, L"D\u00e9mo Suite " + id + L" Tool.exe");
    start(spared, install, L"Demo Suite " + id + L".exe");
    start(spared, g_scratch / L"install elsewhere", name);
    start(doomed, install, name);
    start(doomed, install, L"D\u00c9MO SUITE " + id + L".EXE");
    const platform::EndedProcesses ended
        = platform::terminateProcessesNamed(platform::toUtf8(name),
                                            platform::toUtf8(install.wstring()),
                                            spared.front().info.dwProcessId);
    CHECK(ended.size() == doomed.size());
    for (Child &child : doomed)
        CHECK(child.ended());
    CHECK(ended.haveExited());
    for (Child &child : spared)
        CHECK(!child.ended(0));
}

// Read or made in the 64-bit view; unusable values replaced, null ones never kept; UUIDs of v4.
void identifierRecord()
{
    using platform::IdentifierRecord;
    const auto registry = platform::UserRegistry::currentUser({});
    const std::string path = "Software\\Classes\\CLSID\\uninstall-test-" + g_id;
    const HKEY user = HKEY_CURRENT_USER;
    const char *const key = path.c_str();
    const char *const name = "CEIPIdentifier";
    const DWORD number = 0x7b;
    const std::string made = "{00000001-0000-0000-0000-000000000000}";
    const std::string x38(38, 'x');
    struct Case
    {
        DWORD storedType;
        std::string stored;
        platform::Uuid newUuid;
        std::string result;
        bool kept;
    };
    const Case cases[]
        = {{REG_NONE, {}, {}, "{00000000-0000-0000-0000-000000000000}", false},
           {REG_DWORD, std::string(reinterpret_cast<const char *>(&number), 4), {1}, made, true},
           {REG_SZ, std::string(39, 'x') + '\0', {1}, made, true},
           {REG_SZ, x38 + '\0', {1}, x38, true}};
    for (const Case &c : cases) {
        RegSetKeyValueA(user, key, name, c.storedType, c.stored.data(), c.stored.size());
        const auto newUuid = [&c] { return c.newUuid; };
        const std::string result = IdentifierRecord::obtain(*registry, path, newUuid);
        std::string after(64, '\0');
        DWORD size = DWORD(after.size());
        const DWORD flags = RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY;
        const bool found = !RegGetValueA(user, key, name, flags, nullptr, after.data(), &size);
        CHECK(result == c.result);
        CHECK(found == c.kept);
        CHECK(!found || after.substr(0, size) == result + '\0');
    }
    RegDeleteKeyExA(user, key, KEY_WOW64_64KEY, 0);
    const std::regex version4(
        "\\{[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}\\}");
    CHECK(std::regex_match(IdentifierRecord::obtain(*registry, path, platform::createUuid),
                           version4));
}

// Links, and a folder swapped for one during the removal, go as themselves: nothing behind them.
void links()
{
    const fs::path root = g_scratch / L"tree", outside = g_scratch / L"outside";
    fs::create_directories(root / L"swapped");
    fs::create_directories(outside);
    std::ofstream(outside / L"precious.txt") << "x";
    const auto link = [&outside](const fs::path &at) {
        return CreateSymbolicLinkW(at.c_str(), outside.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2);
    };
    CHECK(link(root / L"link"));
    CHECK(!platform::TreeRemover::open(platform::toUtf8((root / L"link").wstring())));
    platform::TreeRemover::setBeforeEnterHook([&](const std::string &relativePath) {
        if (relativePath == "swapped" && RemoveDirectoryW((root / L"swapped").c_str()))
            link(root / L"swapped");
    });
    platform::TreeRemover::open(platform::toUtf8(root.wstring()))
        ->remove([](const platform::TreeEntry &) { return platform::EntryAction::Remove; },
                 {},
                 [](const platform::TreeEntry &, platform::EntryOutcome) {});
    platform::TreeRemover::setBeforeEnterHook({});
    CHECK(fs::exists(outside / L"precious.txt"));
    CHECK(fs::is_empty(root));
}

// The Windows folder and everything in it, the roots of programs and profiles themselves.
void systemFolders()
{
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string programs = std::getenv("ProgramFiles");
    CHECK(platform::isSystemFolder(platform::toUtf8(windows) + "\\System32\\drivers", ""));
    CHECK(platform::isSystemFolder(programs, ""));
    CHECK(platform::isSystemFolder("C:\\", ""));
    CHECK(!platform::isSystemFolder(programs + "\\D\xc3\xa9mo Suite", ""));
}

int main(int argc, char **argv)
{
    if (argc > 1 && !std::strcmp(argv[1], "child")) {
        static NamedLock held(argc > 2 ? argv[2] : "");
        std::printf("%s", argc > 2 ? std::to_string(int(held.tryAcquire())).c_str() : "ready");
        std::fflush(stdout);
        Sleep(INFINITE);
    }
    for (void (*test)() : {lock, processes, identifierRecord, links, systemFolders})
        test();
    std::printf("%d failures\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
