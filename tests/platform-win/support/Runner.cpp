// Runs the registered test cases (or those named on the command line) in registration order.
#include "Harness.h"

#include <algorithm>

int main(int argc, char **argv)
{
    const std::vector<std::string> selected(argv + 1, argv + argc);
    int passed = 0;
    for (const harness::Case &test : harness::cases()) {
        if (!selected.empty()
            && std::find(selected.begin(), selected.end(), test.name) == selected.end())
            continue;
        const int before = harness::failures;
        try {
            test.run();
        } catch (const harness::Abort &) {
        }
        passed += harness::failures == before;
        std::printf("%s %s\n", harness::failures == before ? "PASS" : "FAIL", test.name);
    }
    std::error_code ignored;
    std::filesystem::remove_all(harness::scratch(), ignored);
    std::printf("%d passed, %d failures\n", passed, harness::failures);
    return harness::failures == 0 && passed > 0 ? 0 : 1;
}
