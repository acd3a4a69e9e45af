#pragma once

#include <QString>
#include <QStringList>

namespace vorpa::text {

/// Upper-cases a text the way the client's search field does and maps the Turkish letters to
/// their plain Latin forms ("şöçğ" and "ŞÖÇĞ" both give "SOCG", "ı", "i" and "İ" give "I"), so
/// that stored texts and typed queries compare alike whatever the keyboard produced.
QString searchForm(const QString &text);

/// searchForm with everything but letters and digits removed: "04465-0K 090" gives "044650K090",
/// so that part numbers match however their separators were typed.
QString compactForm(const QString &text);

/// The pieces a search query must all match: the compact forms of its blank-separated words
/// (words that have no letter or digit are dropped).
QStringList searchTokens(const QString &query);

/// Escapes the LIKE wildcards of a token for a pattern written with ESCAPE '\'.
QString likeEscaped(const QString &token);

/// Two-decimal rounding of a money amount, a half away from zero, taken on the value's
/// 15-digit decimal form so that 1.005 rounds to 1.01.
double roundMoney(double value);

/// A money amount in Turkish form with grouped thousands and two decimals ("1.234,50").
QString formatMoney(double value);

/// A rate as the discount text shows it: no trailing zeros, Turkish decimal comma ("2,5", "10").
QString formatRate(double rate);

/// The display text of up to four cascaded discount rates: the positive ones joined by "+"
/// ("10+5+2,5"); empty when there is no discount.
QString discountText(double r1, double r2, double r3, double r4);

/// Escapes a text for HTML element content and attribute values.
QString htmlEscaped(const QString &text);

} // namespace vorpa::text
