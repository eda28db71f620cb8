#pragma once

#include <QString>

/// The installed tree of the removal benchmarks: equal small files spread over equal folders.
class FileTree
{
public:
    static constexpr int folders = 100;
    static constexpr int files = 20000;
    static constexpr int entries = folders + files;

    // Writes the tree under root, with fileCount files spread over the folders.
    static bool create(const QString &root, int fileCount = files);
    static int countEntries(const QString &root);
};
