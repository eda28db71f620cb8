#include "platform/ProcessControl.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

std::string baseName(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The executable's path, empty when it cannot be read (another user's process, kernel threads).
std::string executablePathOf(const std::string &procDirectory)
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink((procDirectory + "/exe").c_str(), target, sizeof(target));
    if (length <= 0)
        return {};
    std::string path(target, size_t(length));
    const std::string deleted = " (deleted)";
    if (path.size() > deleted.size()
        && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.resize(path.size() - deleted.size());
    return path;
}

bool isOwnedByCurrentUser(const std::string &procDirectory)
{
    struct stat info = {};
    return ::stat(procDirectory.c_str(), &info) == 0 && info.st_uid == ::getuid();
}

std::string canonicalDirectory(const std::string &path)
{
    char resolved[PATH_MAX];
    if (path.empty() || !::realpath(path.c_str(), resolved))
        return {};
    std::string directory(resolved);
    if (directory.back() != '/')
        directory += '/';
    return directory;
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

void EndedProcesses::close()
{
    for (const std::intptr_t pidfd : m_handles)
        ::close(int(pidfd));
    m_handles.clear();
}

bool EndedProcesses::haveExited() const
{
    // A pidfd becomes readable once its process has exited, after its files were closed.
    for (const std::intptr_t pidfd : m_handles) {
        pollfd exited = {int(pidfd), POLLIN, 0};
        if (::poll(&exited, 1, 0) == 0)
            return false;
    }
    return true;
}

EndedProcesses terminateProcessesNamed(const std::string &executableName,
                                       const std::string &installDirectory,
                                       std::int64_t ownPid)
{
    EndedProcesses ended;
    const std::string inside = canonicalDirectory(installDirectory);
    const std::unique_ptr<DIR, CloseDirectory> proc(::opendir("/proc"));
    if (!proc || executableName.empty() || inside.empty())
        return ended;
    while (const dirent *entry = ::readdir(proc.get())) {
        const std::int64_t pid = processId(entry->d_name);
        if (pid == 0 || pid == ownPid)
            continue;
        // Taken before the checks: should the number pass to a new process meanwhile, the pidfd
        // still names the old one and the signal goes nowhere.
        const int pidfd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
        const std::string directory = std::string("/proc/") + entry->d_name;
        const std::string path = isOwnedByCurrentUser(directory) ? executablePathOf(directory)
                                                                 : std::string();
        if (!path.empty() && path.compare(0, inside.size(), inside) == 0
            && equalIgnoringCase(baseName(path), executableName)) {
            if (pidfd < 0) // a system without pidfds: ended, not awaited
                ::kill(pid_t(pid), SIGKILL);
            else if (::syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0) == 0) {
                ended.m_handles.push_back(pidfd);
                continue;
            }
        }
        if (pidfd >= 0)
            ::close(pidfd);
    }
    return ended;
}

} // namespace platform
