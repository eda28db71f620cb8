// Reading small files that anyone may have replaced: a FIFO, a device or a huge file.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

enum class FileRead { Read, Unreadable, NotRegular, TooLarge };

// Reads the whole file at path (UTF-8) into content when it is a regular file (through a link
// too) of at most maxBytes. Never blocks on a FIFO or device, never reads more than maxBytes + 1.
FileRead readRegularFile(const std::string &path, std::size_t maxBytes, std::string &content);

} // namespace platform
