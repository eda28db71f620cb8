// Ending the product's processes of the current user.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Ends at once every process of the current user (on Windows: the same user and logon session)
// whose executable file name equals executableName without regard to case (on POSIX systems the
// case of ASCII letters) and whose executable lies inside installDirectory, except the process
// ownPid. A process elsewhere or of another user is never touched, even when it shares the name;
// processes that cannot be inspected or ended are passed over; nothing waits for them to end.
void terminateProcessesNamed(const std::string &executableName,
                             const std::string &installDirectory,
                             std::int64_t ownPid);

} // namespace platform
