#pragma once

#include <QString>

/// Starts the downloaded updater program on its own, outliving the wizard.
namespace UpdaterLauncher {

// False when the program could not be started (for instance, it was never downloaded).
bool startDetached(const QString &path);

} // namespace UpdaterLauncher
