#pragma once

#include "platform/ProcessControl.h"

#include <QString>

/// Ends the running product's processes; a test hands in its own to see what would be ended.
class ProcessEnder
{
public:
    virtual ~ProcessEnder() = default;
    // Ends the current user's processes running `program` from inside `installRoot`; what
    // was ended, to wait on.
    virtual platform::EndedProcesses endProduct(const QString &program, const QString &installRoot)
        = 0;
};

/// Ends them for real, never the wizard's own process.
class SystemProcessEnder : public ProcessEnder
{
public:
    platform::EndedProcesses endProduct(const QString &program, const QString &installRoot) override;
};
