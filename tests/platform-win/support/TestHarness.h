// A minimal test harness for the Windows tests, which cannot use Qt: test cases register
// themselves, the runner runs them in one process and ends with "N passed, N failed".
#pragma once

#include <sstream>
#include <string>
#include <type_traits>

namespace harness {

using TestFunction = void (*)();

bool registerTest(const char *name, TestFunction function);
void fail(const char *file, int line, const std::string &message);

// Thrown by REQUIRE to leave the running test case; the runner catches it.
struct Abort
{};

template<typename T>
std::string describe(const T &value)
{
    std::ostringstream stream;
    if constexpr (std::is_enum_v<T>)
        stream << static_cast<std::underlying_type_t<T>>(value);
    else
        stream << value;
    return stream.str();
}

} // namespace harness

#define TEST_CASE(name) \
    static void name(); \
    static const bool name##Registered = harness::registerTest(#name, name); \
    static void name()

#define CHECK(condition) \
    do { \
        if (!(condition)) \
            harness::fail(__FILE__, __LINE__, #condition); \
    } while (false)

// A check whose failure names what it was about.
#define CHECK_ABOUT(condition, subject) \
    do { \
        if (!(condition)) \
            harness::fail(__FILE__, __LINE__, std::string(#condition " for ") + (subject)); \
    } while (false)

#define CHECK_EQUAL(actual, expected) \
    do { \
        const auto &actualValue = (actual); \
        const auto &expectedValue = (expected); \
        if (!(actualValue == expectedValue)) \
            harness::fail(__FILE__, \
                          __LINE__, \
                          #actual " is " + harness::describe(actualValue) + ", expected " \
                              + harness::describe(expectedValue)); \
    } while (false)

// For a condition without which the rest of the test case makes no sense.
#define REQUIRE(condition) \
    do { \
        if (!(condition)) { \
            harness::fail(__FILE__, __LINE__, #condition); \
            throw harness::Abort(); \
        } \
    } while (false)
