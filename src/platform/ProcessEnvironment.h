// Facts about the running process that are needed before any Qt application object exists.
#pragma once

#include <string>

namespace platform {

// Directory of the host executable, UTF-8, without a trailing separator.
std::string executableDirectory();

// Whether a graphical session can be reached; false means a GUI application would abort.
bool hasDisplay();

// What the system appends to the name of a program file: ".exe" on Windows, nothing elsewhere.
std::string executableSuffix();

} // namespace platform
