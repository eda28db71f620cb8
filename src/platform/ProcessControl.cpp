#include "platform/ProcessControl.h"

#include <utility>

namespace platform {

EndedProcesses::~EndedProcesses()
{
    close();
}

EndedProcesses::EndedProcesses(EndedProcesses &&other) noexcept
    : m_handles(std::move(other.m_handles))
{
    other.m_handles.clear();
}

EndedProcesses &EndedProcesses::operator=(EndedProcesses &&other) noexcept
{
    if (this != &other) {
        close();
        m_handles = std::move(other.m_handles);
        other.m_handles.clear();
    }
    return *this;
}

} // namespace platform
