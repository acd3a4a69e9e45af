#include "TextRules.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace vorpa::text {

QString searchForm(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'ş': case u'Ş': out += u'S'; break;
        case u'ğ': case u'Ğ': out += u'G'; break;
        case u'ü': case u'Ü': out += u'U'; break;
        case u'ö': case u'Ö': out += u'O'; break;
        case u'ç': case u'Ç': out += u'C'; break;
        case u'ı': case u'İ': case u'i': out += u'I'; break;
        default: out += c.toUpper(); break;
        }
    }
    return out;
}

QString compactForm(const QString &text)
{
    const QString upper = searchForm(text);
    QString out;
    out.reserve(upper.size());
    for (const QChar c : upper) {
        if (c.isLetterOrNumber())
            out += c;
    }
    return out;
}

QStringList searchTokens(const QString &query)
{
    QStringList tokens;
    const QStringList words = query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const QString token = compactForm(word);
        if (!token.isEmpty() && !tokens.contains(token))
            tokens << token;
    }
    return tokens;
}

QString likeEscaped(const QString &token)
{
    QString out;
    out.reserve(token.size() + 4);
    for (const QChar c : token) {
        if (c == u'%' || c == u'_' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out;
}

double roundMoney(double value)
{
    if (!std::isfinite(value))
        return 0.0;
    const double normalised = QString::number(value, 'g', 15).toDouble();
    const double scaled = normalised * 100.0;
    // The 15-digit form of the scaled value settles cases like 1.005 * 100 = 100.49999...
    const double settled = QString::number(scaled, 'g', 15).toDouble();
    return std::round(settled) / 100.0;
}

QString formatMoney(double value)
{
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toString(roundMoney(value), 'f', 2);
}

QString formatRate(double rate)
{
    QString s = QString::number(roundMoney(rate), 'f', 2);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    s.replace(u'.', u',');
    return s;
}

QString discountText(double r1, double r2, double r3, double r4)
{
    QStringList parts;
    for (const double r : {r1, r2, r3, r4}) {
        if (r > 0)
            parts << formatRate(r);
    }
    return parts.join(u'+');
}

QString htmlEscaped(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\'', QStringLiteral("&#39;"));
}

} // namespace vorpa::text
