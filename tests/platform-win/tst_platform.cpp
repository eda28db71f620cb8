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

namespace fs = std::filesystem;
using platform::NamedLock;
using Result = NamedLock::Result;

int g_failures = 0;
const std::string g_id = std::to_string(GetCurrentProcessId());
const fs::path g_scratch = fs::temp_directory_path() / ("uninstall-tests " + g_id);
const auto said = [](Result result) { return std::to_string(int(result)); };
#define CHECK(c) ((c) || (std::printf("  line %d: %s\n", __LINE__, #c), ++g_failures, false))

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
        si.cb = sizeof(si), si.dwFlags = STARTF_USESTDHANDLES, si.hStdOutput = write;
        std::wstring line = L"\"" + path.wstring() + L"\" child " + platform::toWide(key);
        CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE, 0, 0, 0, &si, &info);
        CloseHandle(write);
    }
    ~Child() { TerminateProcess(info.hProcess, 1), ended(); }
    std::string line()
    {
        char word[16];
        DWORD read = 0;
        return ReadFile(output, word, sizeof(word), &read, nullptr) ? std::string(word, read) : "";
    }
    bool ended(DWORD ms = 10000) { return WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0; }

    PROCESS_INFORMATION info = {};
    HANDLE output = nullptr;
};

// A mutex named by the key; names the system would refuse (a backslash, past MAX_PATH) are made
// into ones it takes; a killed owner frees the name; a name of another kind of object counts as held.
void lock()
{
    const std::string key = "D\xc3\xa9mo Suite \xe2\x84\xa2_uninstall_" + g_id,
                      odd = "Demo\\" + g_id + std::string(1024, 'n');
    const std::wstring wide = platform::toWide(key);
    NamedLock lock(key);
    SetLastError(ERROR_ALREADY_EXISTS); // a fresh mutex is told by the call's own result
    CHECK(lock.tryAcquire() == Result::Acquired);
    CHECK(CloseHandle(OpenMutexW(SYNCHRONIZE, FALSE, wide.c_str())));
    lock.release(); // else the event could not take the name
    CHECK(CreateEventW(nullptr, FALSE, FALSE, wide.c_str())
          && NamedLock(key).tryAcquire() == Result::Failed);
    auto *holder = new Child(odd, g_scratch / L"lock/1/a.exe");
    CHECK(holder->line() == said(Result::Acquired)
          && Child(odd, g_scratch / L"lock/2/a.exe").line() == said(Result::AlreadyExists));
    delete holder;
    CHECK(NamedLock(odd).tryAcquire() == Result::Acquired);
}

void processes()
{
    const std::wstring id = platform::toWide(g_id), name = L"D\u00e9mo Suite " + id + L".exe";
    std::deque<Child> children; // spared: the caller first; then the doomed
    for (const auto &[folder, file] : {std::pair(L"install", name),
                                       {L"install", L"D\u00e9mo Suite " + id + L" Tool.exe"},
                                       {L"install", L"Demo Suite " + id + L".exe"},
                                       {L"install elsewhere", name},
                                       {L"install", name},
                                       {L"install", L"D\u00c9MO SUITE " + id + L".EXE"}}) {
        children.emplace_back("", g_scratch / folder / std::to_wstring(children.size()) / file);
        CHECK(children.back().line() == "ready");
    }
    const std::string install = platform::toUtf8((g_scratch / L"install").wstring());
    const platform::EndedProcesses ended
        = platform::terminateProcessesNamed(platform::toUtf8(name),
                                            install,
                                            children[0].info.dwProcessId);
    CHECK(ended.size() == 2);
    for (std::size_t i = 0; i < children.size(); ++i)
        CHECK(children[i].ended(i < 4 ? 0 : 10000) == (i >= 4));
    CHECK(ended.haveExited());
}

// Read or made in the 64-bit view; unusable values replaced, null ones never kept; UUIDs of v4.
void identifierRecord()
{
    using platform::IdentifierRecord;
    const auto registry = platform::UserRegistry::currentUser({});
    const std::string fixed = "{00000001-0000-0000-0000-000000000000}", x38(38, 'x');
    const std::string path = "Software\\Classes\\CLSID\\uninstall-test-" + g_id;
    const HKEY user = HKEY_CURRENT_USER;
    const char *const key = path.c_str(), *const name = "CEIPIdentifier";
    const DWORD number = 0x7b, flags = RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY;
    const std::pair<DWORD, std::string> rows[][2] // stored, expected (a null one: nothing kept)
        = {{{REG_NONE, {}}, {REG_NONE, "{00000000-0000-0000-0000-000000000000}"}},
           {{REG_DWORD, std::string(reinterpret_cast<const char *>(&number), 4)}, {REG_SZ, fixed}},
           {{REG_SZ, std::string(39, 'x') + '\0'}, {REG_SZ, fixed}},
           {{REG_SZ, x38 + '\0'}, {REG_SZ, x38}}};
    for (const auto &[stored, expected] : rows) {
        RegSetKeyValueA(user, key, name, stored.first, stored.second.data(), stored.second.size());
        const platform::Uuid uuid{expected.first != REG_NONE, 0, 0, {}};
        const std::string result = IdentifierRecord::obtain(*registry, path, [&] { return uuid; });
        std::string after(64, '\0');
        DWORD size = DWORD(after.size());
        const bool found = !RegGetValueA(user, key, name, flags, nullptr, after.data(), &size);
        CHECK(result == expected.second && found == bool(uuid.data1)
              && (!found || after.substr(0, size) == result + '\0'));
    }
    RegDeleteKeyExA(user, key, KEY_WOW64_64KEY, 0);
    const std::string made = IdentifierRecord::obtain(*registry, path, platform::createUuid);
    CHECK(made.size() == 38 && made[15] == '4' && std::strchr("89ab", made[20]));
}

// Links, and a folder swapped for one during the removal, go as themselves: nothing behind them.
void links()
{
    const fs::path root = g_scratch / L"tree", outside = g_scratch / L"outside";
    fs::create_directories(root / L"swapped"), fs::create_directories(outside);
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
    CHECK(fs::exists(outside / L"precious.txt") && fs::is_empty(root));
}

// The Windows folder and everything in it, the roots of programs and profiles themselves.
void systemFolders()
{
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string programs = std::getenv("ProgramFiles");
    CHECK(platform::isSystemFolder(platform::toUtf8(windows) + "\\System32\\drivers", ""));
    CHECK(platform::isSystemFolder(programs, "") && platform::isSystemFolder("C:\\", ""));
    CHECK(!platform::isSystemFolder(programs + "\\D\xc3\xa9mo Suite", ""));
}

int main(int argc, char **argv)
{
    if (argc > 1 && !std::strcmp(argv[1], "child")) {
        static NamedLock held(argc > 2 ? argv[2] : "");
        std::printf("%s", argc > 2 ? said(held.tryAcquire()).c_str() : "ready");
        std::fflush(stdout);
        Sleep(INFINITE);
    }
    lock(), processes(), identifierRecord(), links(), systemFolders();
    std::printf("%d failures\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
