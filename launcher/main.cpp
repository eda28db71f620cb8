// Loads the wizard library from its own directory, calls main_entry once and reports the result.
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <dlfcn.h>
#include <unistd.h>
#endif

using MainEntry = int (*)(void *, int, char **);

namespace {

#ifdef _WIN32
MainEntry loadEntry()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    directory.resize(directory.find_last_of(L"\\/") + 1);
    HMODULE library = LoadLibraryW((directory + L"uninstall.dll").c_str());
    if (!library) {
        std::fprintf(stderr, "cannot load uninstall.dll (error %lu)\n", GetLastError());
        return nullptr;
    }
    // Through a function type without parameters, which converts to any other without warning.
    const auto entry = reinterpret_cast<void (*)()>(GetProcAddress(library, "main_entry"));
    return reinterpret_cast<MainEntry>(entry);
}
#else
MainEntry loadEntry()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string directory = length > 0 ? std::string(path, size_t(length)) : std::string("./x");
    directory.resize(directory.rfind('/') + 1);
    void *library = dlopen((directory + "libuninstall.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "cannot load libuninstall.so: %s\n", dlerror());
        return nullptr;
    }
    return reinterpret_cast<MainEntry>(dlsym(library, "main_entry"));
}
#endif

} // namespace

int main(int argc, char **argv)
{
    const MainEntry entry = loadEntry();
    if (!entry) {
        std::printf("result=-1\n");
        return 1;
    }
    const int result = entry(nullptr, argc, argv);
    std::printf("result=%d\n", result);
    std::fflush(stdout);
    return result == 512 ? 0 : 1;
}
