// The identifier of the user's installation that every feedback report carries.
#pragma once

#include "platform/IdentifierRecord.h"

#include <QString>

/// Reads the identifier from the product's class key in the user's registry, or makes a new
/// braced lower-case UUID and stores it there for later runs.
class UserIdentifier
{
public:
    using UuidSource = platform::IdentifierRecord::UuidSource;

    static QString forCurrentUser(const QString &productGuid);
    static QString obtain(platform::UserRegistry &registry,
                          const QString &productGuid,
                          const UuidSource &newUuid = platform::createUuid);

    static QString keyPath(const QString &productGuid);
    // The file that stands in for the user's registry on systems without one.
    static QString registryStorePath();
};
