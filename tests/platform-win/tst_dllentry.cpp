// The library's entry point: on loading it only declines thread notifications.
#include "ChildProcess.h"
#include "TestHarness.h"

#include <thread>
#include <windows.h>

TEST_CASE(entryPointDeclinesThreadNotifications)
{
    HMODULE library = LoadLibraryW(ChildProcess::besideRunner(L"entryprobe.dll").c_str());
    REQUIRE(library != nullptr);
    const auto count = reinterpret_cast<int (*)()>(
        reinterpret_cast<void *>(GetProcAddress(library, "disableThreadLibraryCallsCount")));
    const auto module = reinterpret_cast<HMODULE (*)()>(
        reinterpret_cast<void *>(GetProcAddress(library, "disableThreadLibraryCallsModule")));
    REQUIRE(count && module);
    CHECK_EQUAL(count(), 1);
    CHECK(module() == library);

    std::thread([] {}).join();
    HMODULE again = LoadLibraryW(ChildProcess::besideRunner(L"entryprobe.dll").c_str());
    CHECK(again == library);
    CHECK_EQUAL(count(), 1);
    FreeLibrary(again);
    FreeLibrary(library);
}
