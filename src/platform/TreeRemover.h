// Removal of a directory tree through directory handles. The root is reached from the filesystem
// root one component at a time without following links, and every entry from the handle of the
// directory that holds it, never by a path rebuilt from the root: a folder swapped for a link
// while the removal runs is removed as the link and nothing behind it is reached.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct TreeEntry
{
    std::string name;
    std::string relativePath; // from the root, "/" separated, UTF-8; set only for Failed
    bool directory = false;   // a directory (a link to one is not)
    bool otherDevice = false; // a directory on another device or mount: never entered
    bool hidden = false;      // a name starting with "." (POSIX) or the hidden attribute (Windows)
};

enum class EntryAction { Skip, Keep, Remove };
enum class EntryOutcome { Removed, Kept, Failed };

class TreeRemover
{
public:
    enum class OpenFailure { None, Missing, ThroughLink };

    // Decides for each entry met; a skipped directory is not entered, a kept one is.
    using Filter = std::function<EntryAction(const TreeEntry &)>;
    // Called once per entry that the filter did not skip, after it was dealt with.
    using Visitor = std::function<void(const TreeEntry &, EntryOutcome)>;

    virtual ~TreeRemover() = default;

    // The root as it was reached: absolute, native separators, no link in it.
    virtual const std::string &path() const = 0;
    // Whether path (links followed) names the root folder itself.
    virtual bool isSameFolder(const std::string &path) const = 0;

    // Entries below the root that the filter does not skip.
    virtual std::size_t count(const Filter &filter) = 0;
    // Removes what the filter lets go; a directory goes once it is empty. The root's entries
    // named in last are dealt with after every other entry, in that order. The root stays.
    // A directory that cannot be opened or listed is never taken for empty: it is Failed.
    virtual void remove(const Filter &filter,
                        const std::vector<std::string> &last,
                        const Visitor &visit)
        = 0;

    // Null when root (absolute, UTF-8) is missing, not a directory or reached through a link.
    static std::unique_ptr<TreeRemover> open(const std::string &root,
                                             OpenFailure *failure = nullptr);

    // Tests only: called with an entry's relative path just before the removal enters it, and
    // with "" just before the root is opened.
    static void setBeforeEnterHook(std::function<void(const std::string &)> hook);

protected:
    static bool hasBeforeEnterHook();
    static void beforeEnter(const std::string &relativePath);
};

// Folders that are never an installation: the filesystem root, the system's own folders and
// what lies inside them, but for folders inside ownHome. path as TreeRemover::path() gives it.
bool isSystemFolder(const std::string &path, const std::string &ownHome);
// Every account's home folder (or profile); neither it nor a folder above it is an installation.
std::vector<std::string> accountHomes();

} // namespace platform
