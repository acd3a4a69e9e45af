#pragma once

#include <QLocale>
#include <QString>

namespace vorpa {

/// Display format of every amount: grouped, two decimals.
inline const QString AmountFormat = QStringLiteral("#,###,##0.00");
/// Like AmountFormat but with at least two digits before the decimal separator.
inline const QString TwoDigitAmountFormat = QStringLiteral("#,###,##00.00");
/// The format behind two-decimal rounding: two decimals, no leading zero.
inline const QString RoundingFormat = QStringLiteral("#,###,##.00");

/// Formats value with a picture format: '0' a required digit, '#' an optional digit, '.' the
/// decimal separator, ',' anywhere before it turns on grouping of three, text in single or
/// double quotes and other characters are copied; up to three sections "positive;negative;zero".
/// The value's decimal form at 15 significant digits is rounded half away from zero.
/// Separators and sign come from locale. An empty format gives formatGeneral.
QString formatFloat(double value, const QString &format, const QLocale &locale);

/// The shortest text of value with up to 15 significant digits ("2", "2,5" under Turkish);
/// scientific ("1E20", "1E-6") only for very large or very small values.
QString formatGeneral(double value, const QLocale &locale);

/// Rounds to two decimals the way amounts are rounded everywhere: formatted with RoundingFormat,
/// group separators removed, parsed back. Non-finite values come back unchanged.
double roundTwo(double value, const QLocale &locale);

} // namespace vorpa
