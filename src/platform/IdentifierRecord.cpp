#include "platform/IdentifierRecord.h"

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

const char valueName[] = "CEIPIdentifier";
constexpr std::size_t bufferSize = 39; // a braced UUID and its terminating zero

bool isString(const RegistryQuery &query)
{
    return query.ok && query.type == RegistryType::String;
}

// The length of the stored value, 0 when there is none that can be used.
std::size_t readStored(UserRegistry &registry,
                       RegistryKey &key,
                       const std::string &path,
                       char *buffer)
{
    RegistryQuery query = key.query(valueName, buffer, bufferSize);
    if (!isString(query)) {
        // A 32-bit process may still find it in its own view of the registry.
        const std::unique_ptr<RegistryKey> readOnly = registry.openKey(path);
        if (!readOnly)
            return 0;
        query = readOnly->query(valueName, buffer, bufferSize);
        if (!isString(query))
            return 0;
    }
    return query.length;
}

void format(const Uuid &uuid, char *buffer)
{
    std::snprintf(buffer,
                  bufferSize,
                  "{%08lx-%04hx-%04hx-%02hhx%02hhx-%02hhx%02hhx%02hhx%02hhx%02hhx%02hhx}",
                  static_cast<unsigned long>(uuid.data1),
                  uuid.data2,
                  uuid.data3,
                  uuid.data4[0],
                  uuid.data4[1],
                  uuid.data4[2],
                  uuid.data4[3],
                  uuid.data4[4],
                  uuid.data4[5],
                  uuid.data4[6],
                  uuid.data4[7]);
}

// A null UUID serves this run but is never kept, so a later run gets a real one.
std::size_t makeNew(RegistryKey &key, const IdentifierRecord::UuidSource &newUuid, char *buffer)
{
    const Uuid uuid = newUuid();
    format(uuid, buffer);
    if (!uuid.isNull())
        key.setString(valueName, buffer, bufferSize);
    return bufferSize;
}

} // namespace

std::string IdentifierRecord::obtain(UserRegistry &registry,
                                     const std::string &keyPath,
                                     const UuidSource &newUuid)
{
    char buffer[bufferSize] = {};
    std::size_t length = 0;
    if (const std::unique_ptr<RegistryKey> key = registry.createKey(keyPath)) {
        length = readStored(registry, *key, keyPath, buffer);
        if (length == 0)
            length = makeNew(*key, newUuid, buffer);
    } else {
        // Nothing can be kept: an identifier for this run only.
        format(newUuid(), buffer);
        length = bufferSize;
    }
    return std::string(buffer, strnlen(buffer, length));
}

} // namespace platform
