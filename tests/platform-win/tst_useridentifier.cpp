// The user identifier in the real registry: the registry backend, and the identifier's record
// kept under the product's class key through it.
#include "IdentifierRecord.h"
#include "TestHarness.h"
#include "UserRegistry.h"
#include "Uuid.h"

#include <cstring>
#include <string>
#include <windows.h>

using platform::RegistryType;

namespace {

const char valueName[] = "CEIPIdentifier";

/// A class key of its own, where the product's GUID key would be; deleted with the object.
class ScratchKey
{
public:
    ScratchKey()
        : m_path("Software\\Classes\\CLSID\\uninstall-test-" + std::to_string(GetCurrentProcessId())
                 + '-' + std::to_string(++s_count))
    {}
    ~ScratchKey() { RegDeleteKeyExA(HKEY_CURRENT_USER, m_path.c_str(), KEY_WOW64_64KEY, 0); }
    ScratchKey(const ScratchKey &) = delete;
    ScratchKey &operator=(const ScratchKey &) = delete;

    const std::string &path() const { return m_path; }

    // Both look in the 64-bit view of the registry.
    bool exists() const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key))
            return false;
        RegCloseKey(key);
        return true;
    }

    // The value's type and bytes as the system reports them; type REG_NONE when missing.
    std::pair<DWORD, std::string> value(const char *name) const
    {
        std::string data(256, '\0');
        DWORD type = REG_NONE;
        DWORD size = DWORD(data.size());
        if (RegGetValueA(HKEY_CURRENT_USER,
                         m_path.c_str(),
                         name,
                         RRF_RT_ANY | RRF_NOEXPAND | RRF_SUBKEY_WOW6464KEY,
                         &type,
                         data.data(),
                         &size))
            return {REG_NONE, {}};
        data.resize(size);
        return {type, data};
    }

    bool set(const char *name, DWORD type, const void *data, DWORD size) const
    {
        return RegSetKeyValueA(HKEY_CURRENT_USER, m_path.c_str(), name, type, data, size) == 0;
    }
    bool setString(const char *name, const std::string &text) const
    {
        return set(name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
    }

private:
    static inline int s_count = 0;
    std::string m_path;
};

/// The current user's registry, counting what is written through it.
class RecordingRegistry : public platform::UserRegistry
{
public:
    int writes = 0;

    std::unique_ptr<platform::RegistryKey> createKey(const std::string &path) override
    {
        return record(m_registry->createKey(path));
    }
    std::unique_ptr<platform::RegistryKey> openKey(const std::string &path) override
    {
        return record(m_registry->openKey(path));
    }

private:
    struct Key : platform::RegistryKey
    {
        Key(std::unique_ptr<platform::RegistryKey> key, int &writes)
            : key(std::move(key))
            , writes(writes)
        {}
        platform::RegistryQuery query(const std::string &name, char *buffer, size_t size) override
        {
            return key->query(name, buffer, size);
        }
        bool setString(const std::string &name, const char *data, size_t size) override
        {
            ++writes;
            return key->setString(name, data, size);
        }

        std::unique_ptr<platform::RegistryKey> key;
        int &writes;
    };

    std::unique_ptr<platform::RegistryKey> record(std::unique_ptr<platform::RegistryKey> key)
    {
        return key ? std::make_unique<Key>(std::move(key), writes) : nullptr;
    }

    std::unique_ptr<platform::UserRegistry> m_registry = platform::UserRegistry::currentUser({});
};

bool isBracedLowerCaseUuid(const std::string &text)
{
    const char pattern[] = "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
    if (text.size() != std::strlen(pattern))
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = std::strchr("0123456789abcdef", text[i]) && text[i] != '\0';
        if (pattern[i] == 'x' ? !digit : text[i] != pattern[i])
            return false;
    }
    return true;
}

platform::Uuid nullUuid()
{
    return {};
}

platform::Uuid fixedUuid()
{
    return {0x0f8fad5b, 0xd9cb, 0x469f, {0xa1, 0x65, 0x70, 0x86, 0x77, 0x28, 0x95, 0x0e}};
}

const std::string fixedText = "{0f8fad5b-d9cb-469f-a165-70867728950e}";

std::string withZero(const std::string &text)
{
    return text + '\0';
}

} // namespace

TEST_CASE(registryKeysAndValues)
{
    const ScratchKey scratch;
    const auto registry = platform::UserRegistry::currentUser({});
    CHECK(!registry->openKey(scratch.path()));

    const auto key = registry->createKey(scratch.path());
    REQUIRE(key);
    CHECK(scratch.exists());
    CHECK(key->setString("Text", "abc", 4));
    CHECK(scratch.value("Text") == std::make_pair(DWORD(REG_SZ), withZero("abc")));

    char buffer[8] = {};
    platform::RegistryQuery query = key->query("TEXT", buffer, 4);
    CHECK(query.ok);
    CHECK_EQUAL(query.type, RegistryType::String);
    CHECK_EQUAL(query.length, 4u);
    CHECK_EQUAL(std::string(buffer), "abc");
    CHECK(!key->query("Text", buffer, 3).ok);
    CHECK(!key->query("Missing", buffer, sizeof(buffer)).ok);

    const DWORD number = 42;
    REQUIRE(scratch.set("Number", REG_DWORD, &number, sizeof(number)));
    query = key->query("Number", buffer, sizeof(buffer));
    CHECK(query.ok);
    CHECK_EQUAL(query.type, RegistryType::Dword);
    CHECK_EQUAL(query.length, 4u);
    REQUIRE(scratch.set("Binary", REG_BINARY, "\1\2", 2));
    CHECK_EQUAL(key->query("Binary", buffer, sizeof(buffer)).type, RegistryType::Other);

    const auto readOnly = registry->openKey(scratch.path());
    REQUIRE(readOnly);
    CHECK(readOnly->query("Text", buffer, sizeof(buffer)).ok);
    CHECK(!readOnly->setString("Text", "xyz", 4));
    CHECK(scratch.value("Text").second == withZero("abc"));
}

TEST_CASE(identifierStoredOnceThenRead)
{
    const ScratchKey scratch;
    RecordingRegistry registry;
    const std::string first = platform::IdentifierRecord::obtain(registry,
                                                                 scratch.path(),
                                                                 platform::createUuid);
    CHECK(isBracedLowerCaseUuid(first));
    CHECK_EQUAL(registry.writes, 1);
    // Kept in the 64-bit view of the registry, as REG_SZ of 38 characters and the zero.
    CHECK(scratch.value(valueName) == std::make_pair(DWORD(REG_SZ), withZero(first)));

    CHECK_EQUAL(platform::IdentifierRecord::obtain(registry, scratch.path(), fixedUuid), first);
    CHECK_EQUAL(registry.writes, 1);
    CHECK(scratch.value(valueName).second == withZero(first));
}

TEST_CASE(unusableValuesAreReplaced)
{
    const DWORD number = 0x7b;
    const std::string fifty(50, 'x');
    const std::string thirtyNine(39, 'x');
    const struct
    {
        DWORD type;
        std::string data;
    } unusable[] = {{REG_DWORD, std::string(reinterpret_cast<const char *>(&number), 4)},
                    {REG_SZ, withZero(fifty)},
                    {REG_SZ, withZero(thirtyNine)},
                    {REG_SZ, {}},
                    {REG_EXPAND_SZ, withZero(fixedText)}};
    for (const auto &stored : unusable) {
        const ScratchKey scratch;
        REQUIRE(scratch.set(valueName, stored.type, stored.data.data(), DWORD(stored.data.size())));
        RecordingRegistry registry;
        CHECK_EQUAL(platform::IdentifierRecord::obtain(registry, scratch.path(), fixedUuid),
                    fixedText);
        CHECK_EQUAL(registry.writes, 1);
        CHECK(scratch.value(valueName) == std::make_pair(DWORD(REG_SZ), withZero(fixedText)));
    }

    // Present and not empty: used as it is, whatever its form.
    const std::string kept[] = {std::string(38, 'x'), "{kept}", ""};
    for (const std::string &text : kept) {
        const ScratchKey scratch;
        REQUIRE(scratch.setString(valueName, text));
        RecordingRegistry registry;
        CHECK_EQUAL(platform::IdentifierRecord::obtain(registry, scratch.path(), fixedUuid), text);
        CHECK_EQUAL(registry.writes, 0);
    }
}

TEST_CASE(nullIdentifierIsNeverStored)
{
    const ScratchKey scratch;
    RecordingRegistry registry;
    CHECK_EQUAL(platform::IdentifierRecord::obtain(registry, scratch.path(), nullUuid),
                "{00000000-0000-0000-0000-000000000000}");
    CHECK_EQUAL(registry.writes, 0);
    CHECK(scratch.exists());
    CHECK_EQUAL(scratch.value(valueName).first, DWORD(REG_NONE));

    CHECK_EQUAL(platform::IdentifierRecord::obtain(registry, scratch.path(), fixedUuid), fixedText);
    CHECK(scratch.value(valueName).second == withZero(fixedText));
}

TEST_CASE(systemUuidsAreRandom)
{
    const platform::Uuid first = platform::createUuid();
    const platform::Uuid second = platform::createUuid();
    CHECK(!first.isNull());
    CHECK(std::memcmp(&first, &second, sizeof(first)) != 0);
    // Version 4, variant 1: proof that the fields were copied in their places.
    CHECK_EQUAL(first.data3 >> 12, 4);
    CHECK_EQUAL(first.data4[0] >> 6, 2);
}
