// Universally unique identifiers from the system.
#pragma once

#include <cstdint>

namespace platform {

struct Uuid
{
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};

    bool isNull() const
    {
        if (data1 || data2 || data3)
            return false;
        for (std::uint8_t byte : data4) {
            if (byte)
                return false;
        }
        return true;
    }
};

// A new random identifier; all zero only when the system cannot make one.
Uuid createUuid();

} // namespace platform
