#include "platform/UserRegistry.h"

#include <windows.h>

namespace platform {

namespace {

class Win32Key : public RegistryKey
{
public:
    explicit Win32Key(HKEY key)
        : m_key(key)
    {}
    ~Win32Key() override { RegCloseKey(m_key); }

    RegistryQuery query(const std::string &name, char *buffer, std::size_t size) override
    {
        DWORD type = REG_NONE;
        DWORD length = DWORD(size);
        const LONG status = RegQueryValueExA(m_key,
                                             name.c_str(),
                                             nullptr,
                                             &type,
                                             reinterpret_cast<LPBYTE>(buffer),
                                             &length);
        RegistryQuery result;
        result.ok = status == ERROR_SUCCESS;
        result.type = type == REG_SZ      ? RegistryType::String
                      : type == REG_DWORD ? RegistryType::Dword
                                          : RegistryType::Other;
        result.length = length;
        return result;
    }

    bool setString(const std::string &name, const char *data, std::size_t size) override
    {
        return RegSetValueExA(m_key,
                              name.c_str(),
                              0,
                              REG_SZ,
                              reinterpret_cast<const BYTE *>(data),
                              DWORD(size))
               == ERROR_SUCCESS;
    }

private:
    HKEY m_key;
};

class Win32Registry : public UserRegistry
{
public:
    std::unique_ptr<RegistryKey> createKey(const std::string &path) override
    {
        HKEY key = nullptr;
        const LONG status = RegCreateKeyExA(HKEY_CURRENT_USER,
                                            path.c_str(),
                                            0,
                                            nullptr,
                                            REG_OPTION_NON_VOLATILE,
                                            KEY_READ | KEY_WRITE | KEY_WOW64_64KEY,
                                            nullptr,
                                            &key,
                                            nullptr);
        if (status != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<Win32Key>(key);
    }

    std::unique_ptr<RegistryKey> openKey(const std::string &path) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<Win32Key>(key);
    }
};

} // namespace

std::unique_ptr<UserRegistry> UserRegistry::currentUser(const std::string &)
{
    return std::make_unique<Win32Registry>();
}

} // namespace platform
