#include "platform/Uuid.h"

#include <random>

namespace platform {

Uuid createUuid()
{
    Uuid uuid;
    try {
        std::random_device random; // the kernel's entropy source
        std::uniform_int_distribution<std::uint32_t> word;
        uuid.data1 = word(random);
        const std::uint32_t middle = word(random);
        uuid.data2 = std::uint16_t(middle >> 16);
        // Version 4 (random), as the system generators make them.
        uuid.data3 = std::uint16_t((middle & 0x0fff) | 0x4000);
        for (int half = 0; half < 2; ++half) {
            const std::uint32_t bits = word(random);
            for (int i = 0; i < 4; ++i)
                uuid.data4[half * 4 + i] = std::uint8_t(bits >> (8 * i));
        }
        uuid.data4[0] = std::uint8_t((uuid.data4[0] & 0x3f) | 0x80); // RFC 4122 variant
    } catch (const std::exception &) {
        return Uuid();
    }
    return uuid;
}

} // namespace platform
