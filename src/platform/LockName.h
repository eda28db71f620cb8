// The name under which a lock key is known to the system.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

// Keys become file or object names, which the system limits in length (255 bytes on most file
// systems, MAX_PATH for kernel objects); a long key is replaced by a fixed-length digest of it.
inline std::string lockName(const std::string &key)
{
    constexpr std::size_t longestKept = 120;
    std::string name;
    name.reserve(key.size());
    for (const char c : key)
        name.push_back(c == '/' || c == '\\' ? '_' : c);
    if (name.size() <= longestKept)
        return name;
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : key) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char digest[17];
    std::snprintf(digest, sizeof(digest), "%016llx", static_cast<unsigned long long>(hash));
    return std::string("long-") + digest;
}

} // namespace platform
