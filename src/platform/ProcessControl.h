// Ending the product's processes of the current user.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Processes that were told to end, held (by a pidfd, a process handle) so that their exit can be
// told from a new process that took their number.
class EndedProcesses
{
public:
    EndedProcesses() = default;
    ~EndedProcesses();
    EndedProcesses(EndedProcesses &&other) noexcept;
    EndedProcesses &operator=(EndedProcesses &&other) noexcept;

    std::size_t size() const { return m_handles.size(); }
    // True once every one of them has exited and let go of its files; never waits.
    bool haveExited() const;

private:
    friend EndedProcesses terminateProcessesNamed(const std::string &,
                                                  const std::string &,
                                                  std::int64_t);
    void close();
    std::vector<std::intptr_t> m_handles;
};

// Ends every process of the current user (on Windows: the same user and logon session) whose
// executable file name equals executableName without regard to case (on POSIX systems the case of
// ASCII letters) and whose executable lies inside installDirectory, except the process ownPid. A
// process elsewhere or of another user is never touched, even when it shares the name; processes
// that cannot be inspected or ended are passed over. The termination is only started: the result
// tells when the ended processes are gone.
EndedProcesses terminateProcessesNamed(const std::string &executableName,
                                       const std::string &installDirectory,
                                       std::int64_t ownPid);

} // namespace platform
