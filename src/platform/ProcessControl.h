// Ending other processes of the same user.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Ends at once every process whose executable file name equals executableName without regard
// to case (on POSIX systems the case of ASCII letters), except the process ownPid. Processes
// that cannot be inspected or ended are passed over silently; nothing waits for them to end.
void terminateProcessesNamed(const std::string &executableName, std::int64_t ownPid);

} // namespace platform
