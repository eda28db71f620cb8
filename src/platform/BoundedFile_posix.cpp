#include "platform/BoundedFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

FileRead readOpened(int fd, std::size_t maxBytes, std::string &content)
{
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return FileRead::Unreadable;
    if (!S_ISREG(status.st_mode))
        return FileRead::NotRegular;
    if (status.st_size < 0 || std::size_t(status.st_size) > maxBytes)
        return FileRead::TooLarge;
    // One byte more than allowed tells a file that grew since fstat.
    content.resize(std::min<std::size_t>(std::size_t(status.st_size), maxBytes) + 1);
    std::size_t length = 0;
    while (length < content.size()) {
        const ssize_t got = ::read(fd, &content[length], content.size() - length);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileRead::Unreadable;
        if (got == 0)
            break;
        length += std::size_t(got);
        if (length == content.size() && length <= maxBytes)
            content.resize(std::min(content.size() * 2, maxBytes + 1));
    }
    content.resize(length);
    return length > maxBytes ? FileRead::TooLarge : FileRead::Read;
}

} // namespace

FileRead readRegularFile(const std::string &path, std::size_t maxBytes, std::string &content)
{
    content.clear();
    // O_NONBLOCK: opening a FIFO without a writer would wait for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FileRead::Unreadable;
    const FileRead result = readOpened(fd, maxBytes, content);
    ::close(fd);
    if (result != FileRead::Read)
        content.clear();
    return result;
}

} // namespace platform
