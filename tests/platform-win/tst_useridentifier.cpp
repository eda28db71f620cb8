// The user identifier's record in the real registry, in its 64-bit view.
#include "Harness.h"
#include "IdentifierRecord.h"

#include <cstring>

using platform::IdentifierRecord;

TEST_CASE(identifierRecordInTheRegistry)
{
    const auto registry = platform::UserRegistry::currentUser({});
    const std::string fixed = "{0f8fad5b-d9cb-469f-a165-70867728950e}", x38(38, 'x');
    const IdentifierRecord::UuidSource fixedUuid = [] {
        return platform::Uuid{0x0f8fad5b,
                              0xd9cb,
                              0x469f,
                              {0xa1, 0x65, 0x70, 0x86, 0x77, 0x28, 0x95, 0xe}};
    };
    const DWORD number = 0x7b;
    const struct
    {
        DWORD type;
        std::string stored;
        IdentifierRecord::UuidSource source;
        std::string expected;
        DWORD typeAfter;
    } rows[] = {{REG_NONE, {}, fixedUuid, fixed, REG_SZ},
                {REG_NONE,
                 {},
                 [] { return platform::Uuid(); },
                 "{00000000-0000-0000-0000-000000000000}",
                 REG_NONE},
                {REG_DWORD,
                 std::string(reinterpret_cast<const char *>(&number), 4),
                 fixedUuid,
                 fixed,
                 REG_SZ},
                {REG_SZ, std::string(50, 'x') + '\0', fixedUuid, fixed, REG_SZ},
                {REG_SZ, std::string(39, 'x') + '\0', fixedUuid, fixed, REG_SZ},
                {REG_SZ, {}, fixedUuid, fixed, REG_SZ},
                {REG_EXPAND_SZ, fixed + '\0', fixedUuid, fixed, REG_SZ},
                {REG_SZ, x38 + '\0', fixedUuid, x38, REG_SZ},
                {REG_SZ, std::string("{kept}\0", 7), fixedUuid, "{kept}", REG_SZ}};
    int row = 0;
    for (const auto &[type, stored, source, expected, typeAfter] : rows) {
        const std::string path = "Software\\Classes\\CLSID\\uninstall-test-"
                                 + std::to_string(GetCurrentProcessId()) + '-'
                                 + std::to_string(++row);
        if (type != REG_NONE)
            RegSetKeyValueA(HKEY_CURRENT_USER,
                            path.c_str(),
                            "CEIPIdentifier",
                            type,
                            stored.data(),
                            DWORD(stored.size()));
        const std::string result = IdentifierRecord::obtain(*registry, path, source);
        std::string after(64, '\0');
        DWORD foundType = REG_NONE, size = DWORD(after.size());
        RegGetValueA(HKEY_CURRENT_USER,
                     path.c_str(),
                     "CEIPIdentifier",
                     RRF_RT_ANY | RRF_NOEXPAND | RRF_SUBKEY_WOW6464KEY,
                     &foundType,
                     after.data(),
                     &size);
        after.resize(foundType == REG_NONE ? 0 : size);
        RegDeleteKeyExA(HKEY_CURRENT_USER, path.c_str(), KEY_WOW64_64KEY, 0);
        if (!CHECK(result == expected && foundType == typeAfter
                   && after == (typeAfter == REG_NONE ? "" : expected + '\0')))
            std::printf("  row %d: %s, stored %s\n", row, result.c_str(), after.c_str());
    }

    // The system's UUID in its fields: version 4, variant 1.
    const std::string path = "Software\\Classes\\CLSID\\uninstall-test-"
                             + std::to_string(GetCurrentProcessId());
    const std::string made = IdentifierRecord::obtain(*registry, path, platform::createUuid);
    CHECK(made.size() == 38 && made[15] == '4' && std::strchr("89ab", made[20]));
    CHECK(IdentifierRecord::obtain(*registry, path, fixedUuid) == made);
    RegDeleteKeyExA(HKEY_CURRENT_USER, path.c_str(), KEY_WOW64_64KEY, 0);
}
