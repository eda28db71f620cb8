// Removal through handles on Windows: a link inside the installation, or a folder swapped for
// one while the removal runs, goes as itself and nothing behind it is reached.
#include "Harness.h"
#include "TreeRemover.h"
#include "WideString_win.h"

#include <fstream>

TEST_CASE(linksAreRemovedNeverFollowed)
{
    namespace fs = std::filesystem;
    const fs::path root = harness::scratch() / L"tree", outside = harness::scratch() / L"outside";
    for (const fs::path &folder : {root / L"sub", root / L"swapped", outside})
        fs::create_directories(folder);
    for (const fs::path &file : {root / L"sub" / L"a.txt", outside / L"precious.txt"})
        std::ofstream(file) << "x";
    const auto link = [&outside](const fs::path &at) {
        return CreateSymbolicLinkW(at.c_str(),
                                   outside.c_str(),
                                   SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2 /* unprivileged */);
    };
    REQUIRE(link(root / L"link"));
    platform::TreeRemover::setBeforeEnterHook([&](const std::string &relativePath) {
        std::error_code ignored;
        if (relativePath == "swapped" && fs::remove(root / L"swapped", ignored))
            link(root / L"swapped");
    });
    const auto remover = platform::TreeRemover::open(platform::toUtf8(root.wstring()));
    REQUIRE(remover);
    remover->remove([](const platform::TreeEntry &) { return platform::EntryAction::Remove; },
                    {},
                    [](const platform::TreeEntry &, platform::EntryOutcome) {});
    platform::TreeRemover::setBeforeEnterHook({});

    CHECK(fs::exists(outside / L"precious.txt"));
    CHECK(!fs::exists(root / L"sub") && !fs::exists(root / L"link"));
}
