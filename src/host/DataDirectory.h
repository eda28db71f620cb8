#pragma once

#include <QString>

/// The layout of the product's data directory: the one place that names its files.
class DataDirectory
{
public:
    static QString path();
    static QString logFile();
    static QString usageFile();
    // Downloaded pictures and icons, with a trailing "/".
    static QString cacheDirectory();
    // The downloaded updater program that the upgrade offer starts.
    static QString updaterFile();
};
