#pragma once

#include <QString>

// Per-user folders.

// The folder holding ayar.ini: the user's configuration folder + "/vorpaoto", created (owner only)
// the first time it is needed.
QString SettingsFolder();
// The user's documents folder; empty when the system does not know one.
QString DocumentsFolder();

namespace vorpa {

// The per-user, machine-local data folder (downloads such as the setup program go there).
QString LocalAppDataFolder();

} // namespace vorpa
