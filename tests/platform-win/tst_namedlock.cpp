// The named lock on Windows: a mutex in the session's local namespace, owned by its creator.
#include "ChildProcess.h"
#include "NamedLock.h"
#include "TestHarness.h"

#include <windows.h>

using platform::NamedLock;
using Result = NamedLock::Result;

namespace {

// Keys carry the runner's id so that a run on a real desktop meets no lock of a real product.
std::string uniqueKey(const std::string &name)
{
    return name + "_" + std::to_string(GetCurrentProcessId());
}

std::wstring wide(const std::string &ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// Starts the lock holder helper for the key; it answers "locked", "busy" or "failed".
std::optional<std::string> startHolder(ChildProcess &holder, const std::string &key)
{
    if (!holder.start(ChildProcess::besideRunner(L"lockholder.exe"), {wide(key)}))
        return std::nullopt;
    return holder.readLine();
}

bool mutexExists(const std::wstring &name)
{
    HANDLE handle = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
    if (handle)
        CloseHandle(handle);
    return handle != nullptr;
}

} // namespace

TEST_CASE(firstOwnerInOneProcess)
{
    const std::string key = uniqueKey("Demo Suite_uninstall");
    NamedLock first(key), second(key), other(uniqueKey("Other Product_uninstall"));
    // A fresh mutex must be told apart by the call's own result, not by an older error.
    SetLastError(ERROR_ALREADY_EXISTS);
    CHECK_EQUAL(first.tryAcquire(), Result::Acquired);
    CHECK_EQUAL(first.tryAcquire(), Result::Acquired);
    CHECK_EQUAL(second.tryAcquire(), Result::AlreadyExists);
    CHECK(first.isHeld());
    CHECK(!second.isHeld());
    CHECK_EQUAL(other.tryAcquire(), Result::Acquired);

    first.release();
    CHECK(!first.isHeld());
    CHECK_EQUAL(second.tryAcquire(), Result::Acquired);
    {
        NamedLock scoped(uniqueKey("Scoped"));
        CHECK_EQUAL(scoped.tryAcquire(), Result::Acquired);
    }
    CHECK_EQUAL(NamedLock(uniqueKey("Scoped")).tryAcquire(), Result::Acquired);
}

// The key is UTF-8 and names the mutex in UTF-16, exactly and without a namespace prefix.
TEST_CASE(keyNamesTheMutex)
{
    const std::string key = "D\xc3\xa9mo Suite \xe2\x84\xa2_uninstall_"
                            + std::to_string(GetCurrentProcessId());
    const std::wstring name = L"D\u00e9mo Suite \u2122_uninstall_"
                              + std::to_wstring(GetCurrentProcessId());
    NamedLock lock(key);
    REQUIRE(lock.tryAcquire() == Result::Acquired);
    CHECK(mutexExists(name));
    lock.release();
    CHECK(!mutexExists(name));
}

TEST_CASE(ownerInAnotherProcess)
{
    const std::string key = uniqueKey("Demo Suite_uninstall");
    NamedLock lock(key);
    {
        ChildProcess holder, second;
        REQUIRE(startHolder(holder, key) == "locked");
        CHECK_EQUAL(lock.tryAcquire(), Result::AlreadyExists);
        CHECK_EQUAL(startHolder(second, key).value_or("(nothing)"), "busy");
        CHECK_EQUAL(second.waitForExit().value_or(STILL_ACTIVE), 1ul);
        holder.closeInput(); // the holder ends normally and its handle goes with it
        CHECK_EQUAL(holder.waitForExit().value_or(STILL_ACTIVE), 0ul);
    }
    CHECK_EQUAL(lock.tryAcquire(), Result::Acquired);

    ChildProcess refused;
    CHECK_EQUAL(startHolder(refused, key).value_or("(nothing)"), "busy");
    lock.release();
    ChildProcess killed;
    REQUIRE(startHolder(killed, key) == "locked");
    REQUIRE(killed.kill());
    // The system abandons the dead owner's mutex and, with its last handle gone, frees the name.
    CHECK_EQUAL(lock.tryAcquire(), Result::Acquired);
}

// Names the system would refuse (a backslash, past MAX_PATH) are made into ones it takes; a
// name taken by another kind of object is a refusal, which callers count as held.
TEST_CASE(unusualNamesAndSystemRefusal)
{
    NamedLock slashed(uniqueKey("Example\\Demo"));
    CHECK_EQUAL(slashed.tryAcquire(), Result::Acquired);
    NamedLock longName(uniqueKey(std::string(1024, 'n')));
    CHECK_EQUAL(longName.tryAcquire(), Result::Acquired);
    CHECK_EQUAL(NamedLock(longName.key()).tryAcquire(), Result::AlreadyExists);

    const std::string key = uniqueKey("Demo Suite_event");
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, wide(key).c_str());
    REQUIRE(event != nullptr);
    NamedLock taken(key);
    CHECK_EQUAL(taken.tryAcquire(), Result::Failed);
    CHECK(!taken.isHeld());
    CloseHandle(event);
}
