// The current user's part of the system registry: keys by path, typed values.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

enum class RegistryType { String, Dword, Other };

struct RegistryQuery
{
    bool ok = false; // the value exists and fitted the buffer
    RegistryType type = RegistryType::Other;
    std::size_t length = 0; // bytes of the value, a string's terminating zero included
};

/// An open key; closed when destroyed.
class RegistryKey
{
public:
    virtual ~RegistryKey() = default;

    // Copies the value into buffer; fails when it is missing or longer than size bytes.
    virtual RegistryQuery query(const std::string &name, char *buffer, std::size_t size) = 0;
    // Stores size bytes of data as a string value.
    virtual bool setString(const std::string &name, const char *data, std::size_t size) = 0;
};

class UserRegistry
{
public:
    virtual ~UserRegistry() = default;

    // Read and write access, in the 64-bit view on Windows; the key is created when missing.
    // Null when the key cannot be created or may not be written.
    virtual std::unique_ptr<RegistryKey> createKey(const std::string &path) = 0;
    // Read access only; null when the key is missing or cannot be read.
    virtual std::unique_ptr<RegistryKey> openKey(const std::string &path) = 0;

    // The current user's registry (HKEY_CURRENT_USER). Systems without a registry keep it in the
    // file storePath (UTF-8), which Windows ignores.
    static std::unique_ptr<UserRegistry> currentUser(const std::string &storePath);
};

} // namespace platform
