// Runs the registered test cases (or those named on the command line) in registration order.
#include "TestHarness.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

namespace harness {

namespace {

struct TestCase
{
    const char *name;
    TestFunction function;
};

std::vector<TestCase> &registry()
{
    static std::vector<TestCase> tests;
    return tests;
}

int g_failures = 0;

bool runOne(const TestCase &test)
{
    const int failuresBefore = g_failures;
    try {
        test.function();
    } catch (const Abort &) {
    } catch (const std::exception &exception) {
        fail(test.name, 0, std::string("unexpected exception: ") + exception.what());
    }
    const bool passed = g_failures == failuresBefore;
    std::printf("%s %s\n", passed ? "PASS" : "FAIL", test.name);
    std::fflush(stdout);
    return passed;
}

} // namespace

bool registerTest(const char *name, TestFunction function)
{
    registry().push_back({name, function});
    return true;
}

void fail(const char *file, int line, const std::string &message)
{
    ++g_failures;
    std::printf("  %s:%d: %s\n", file, line, message.c_str());
    std::fflush(stdout);
}

} // namespace harness

int main(int argc, char **argv)
{
    const std::vector<std::string> selected(argv + 1, argv + argc);
    int passed = 0;
    int failed = 0;
    for (const harness::TestCase &test : harness::registry()) {
        if (!selected.empty()
            && std::find(selected.begin(), selected.end(), test.name) == selected.end())
            continue;
        ++(harness::runOne(test) ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
