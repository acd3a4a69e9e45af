#pragma once

#include <QDateTime>
#include <QString>

namespace vorpa::dates {

/// Dates are stored as ISO texts ("2024-05-17 14:03:00"), which sort and compare as texts on
/// every SQL backend; on the wire they are date numbers (days since 1899-12-30).
QString toText(const QDateTime &moment);
QString toText(const QDate &day);
QString nowText();

/// Date number of a stored text; 0 for an empty or unreadable text.
double toNumber(const QString &text);
/// Stored text of a date number; raises StoreError for numbers outside years 1900 to 9999.
QString fromNumber(double number);
QDateTime momentFromNumber(double number);

} // namespace vorpa::dates
