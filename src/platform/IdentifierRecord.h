// The identifier's record in the user's registry, without Qt so that the Windows tests can run
// it against the real registry.
#pragma once

#include "platform/UserRegistry.h"
#include "platform/Uuid.h"

#include <functional>
#include <string>

namespace platform {

class IdentifierRecord
{
public:
    using UuidSource = std::function<Uuid()>;

    // Reads the identifier stored under keyPath, or makes a new braced lower-case UUID and
    // stores it there for later runs.
    static std::string obtain(UserRegistry &registry,
                              const std::string &keyPath,
                              const UuidSource &newUuid);
};

} // namespace platform
