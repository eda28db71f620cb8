#include "ProcessControl.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace platform {

namespace {

std::string baseName(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file name of the process's executable; from its command line when the executable link
// cannot be read (another user's process), empty for kernel threads and zombies.
std::string executableNameOf(const std::string &procDirectory)
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink((procDirectory + "/exe").c_str(), target, sizeof(target));
    if (length > 0) {
        std::string path(target, size_t(length));
        const std::string deleted = " (deleted)";
        if (path.size() > deleted.size()
            && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
            path.resize(path.size() - deleted.size());
        return baseName(path);
    }
    std::ifstream commandLine(procDirectory + "/cmdline", std::ios::binary);
    std::string program;
    std::getline(commandLine, program, '\0');
    return baseName(program);
}

bool equalIgnoringCase(const std::string &left, const std::string &right)
{
    return left.size() == right.size()
           && std::equal(left.begin(), left.end(), right.begin(), [](char a, char b) {
                  return std::tolower(static_cast<unsigned char>(a))
                         == std::tolower(static_cast<unsigned char>(b));
              });
}

std::int64_t processId(const char *entryName)
{
    char *end = nullptr;
    const long long pid = std::strtoll(entryName, &end, 10);
    return end != entryName && *end == '\0' && pid > 0 ? pid : 0;
}

struct CloseDirectory
{
    void operator()(DIR *directory) const { ::closedir(directory); }
};

} // namespace

void terminateProcessesNamed(const std::string &executableName, std::int64_t ownPid)
{
    const std::unique_ptr<DIR, CloseDirectory> proc(::opendir("/proc"));
    if (!proc || executableName.empty())
        return;
    while (const dirent *entry = ::readdir(proc.get())) {
        const std::int64_t pid = processId(entry->d_name);
        if (pid == 0 || pid == ownPid)
            continue;
        const std::string name = executableNameOf(std::string("/proc/") + entry->d_name);
        if (equalIgnoringCase(name, executableName))
            ::kill(pid_t(pid), SIGKILL);
    }
}

} // namespace platform
