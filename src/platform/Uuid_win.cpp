#include "platform/Uuid.h"

#include <rpc.h>
#include <windows.h>

namespace platform {

Uuid createUuid()
{
    UUID system{};
    UuidCreate(&system);
    Uuid uuid;
    uuid.data1 = system.Data1;
    uuid.data2 = system.Data2;
    uuid.data3 = system.Data3;
    for (int i = 0; i < 8; ++i)
        uuid.data4[i] = system.Data4[i];
    return uuid;
}

} // namespace platform
