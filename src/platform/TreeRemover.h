// Removal of a directory tree through directory handles: every entry is reached from the handle
// of the directory that holds it, never by a path rebuilt from the root, so a folder swapped for
// a link while the removal runs is removed as the link and nothing behind it is reached.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct TreeEntry
{
    std::string relativePath; // from the root, "/" separated, UTF-8
    std::string name;
    bool directory = false;   // a directory (a link to one is not)
    bool otherDevice = false; // a directory on another device or mount: never entered
    bool hidden = false;      // a name starting with "." (POSIX) or the hidden attribute (Windows)
};

enum class EntryAction { Skip, Keep, Remove };
enum class EntryOutcome { Removed, Kept, Failed };

class TreeRemover
{
public:
    // Decides for each entry met; a skipped directory is not entered, a kept one is.
    using Filter = std::function<EntryAction(const TreeEntry &)>;
    // Called once per entry that the filter did not skip, after it was dealt with.
    using Visitor = std::function<void(const TreeEntry &, EntryOutcome)>;

    virtual ~TreeRemover() = default;

    // Entries below the root that the filter does not skip.
    virtual std::size_t count(const Filter &filter) = 0;
    // Removes what the filter lets go; a directory goes once it is empty. The root's entries
    // named in last are dealt with after every other entry, in that order. The root stays.
    virtual void remove(const Filter &filter,
                        const std::vector<std::string> &last,
                        const Visitor &visit)
        = 0;

    // Null when root (UTF-8) is missing or not a directory.
    static std::unique_ptr<TreeRemover> open(const std::string &root);

    // Tests only: called with an entry's relative path just before the removal enters it.
    static void setBeforeEnterHook(std::function<void(const std::string &)> hook);

protected:
    static void beforeEnter(const std::string &relativePath);
};

// Folders that are never an installation: the system's own (exact matches).
std::vector<std::string> systemFolders();
// Every account's home folder (or profile); neither it nor a folder above it is an installation.
std::vector<std::string> accountHomes();

} // namespace platform
