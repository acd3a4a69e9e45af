#pragma once

#include <QString>

class QApplication;

namespace vorpa {

// Selects one of the program's built-in looks by name ("morvane"): its palette and style sheet.
// Returns false with a Turkish reason when the look cannot be loaded; the current look stays.
bool ApplyNamedStyle(QApplication &app, const QString &name, QString *error = nullptr);

} // namespace vorpa
