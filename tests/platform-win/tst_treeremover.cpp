// Removal through handles on Windows: what stays, what goes and in which order.
#include "CopiedProgram.h"
#include "TestHarness.h"
#include "TreeRemover.h"
#include "platform/WideString_win.h"

#include <windows.h>

#include <string>
#include <vector>

TEST_CASE(treeRemovalKeepsWhatTheFilterKeeps)
{
    const std::wstring root = CopiedProgram::temporaryDirectory() + L"\\tree "
                              + std::to_wstring(GetCurrentProcessId());
    REQUIRE(CreateDirectoryW(root.c_str(), nullptr));
    REQUIRE(CreateDirectoryW((root + L"\\sub").c_str(), nullptr));
    for (const wchar_t *file :
         {L"\\product.ini", L"\\a.txt", L"\\keep.dll", L"\\hidden.txt", L"\\sub\\b.txt"}) {
        const HANDLE handle = CreateFileW((root + file).c_str(),
                                          GENERIC_WRITE,
                                          0,
                                          nullptr,
                                          CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL,
                                          nullptr);
        REQUIRE(handle != INVALID_HANDLE_VALUE);
        CloseHandle(handle);
    }
    REQUIRE(SetFileAttributesW((root + L"\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    const auto filter = [](const platform::TreeEntry &entry) {
        if (entry.hidden)
            return platform::EntryAction::Skip;
        return entry.name == "keep.dll" ? platform::EntryAction::Keep
                                        : platform::EntryAction::Remove;
    };

    auto remover = platform::TreeRemover::open(platform::toUtf8(root));
    REQUIRE(remover);
    CHECK_EQUAL(remover->count(filter), std::size_t(5));
    std::vector<std::string> order;
    remover->remove(filter,
                    {"product.ini"},
                    [&order](const platform::TreeEntry &entry, platform::EntryOutcome outcome) {
                        if (outcome == platform::EntryOutcome::Removed)
                            order.push_back(entry.relativePath);
                    });

    remover.reset();
    CHECK_EQUAL(order.size(), std::size_t(4));
    CHECK_EQUAL(order.empty() ? std::string() : order.back(), std::string("product.ini"));
    CHECK(GetFileAttributesW((root + L"\\sub").c_str()) == INVALID_FILE_ATTRIBUTES);
    CHECK(GetFileAttributesW((root + L"\\keep.dll").c_str()) != INVALID_FILE_ATTRIBUTES);
    CHECK(GetFileAttributesW((root + L"\\hidden.txt").c_str()) != INVALID_FILE_ATTRIBUTES);
    SetFileAttributesW((root + L"\\hidden.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW((root + L"\\hidden.txt").c_str());
    DeleteFileW((root + L"\\keep.dll").c_str());
    RemoveDirectoryW(root.c_str());
}
