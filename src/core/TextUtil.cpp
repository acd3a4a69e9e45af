#include "TextUtil.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

bool needsQuotes(const QString &line)
{
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if (u <= u' ' || u == 0x7F || u == u',' || u == u'"')
            return true;
    }
    return false;
}

} // namespace

QString CommaText(const QStringList &lines)
{
    // One empty line must stay distinguishable from no lines at all.
    if (lines.size() == 1 && lines.first().isEmpty())
        return QStringLiteral("\"\"");
    QString out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        const QString &line = lines.at(i);
        if (needsQuotes(line)) {
            out += QLatin1Char('"');
            out += QString(line).replace(QLatin1Char('"'), QStringLiteral("\"\""));
            out += QLatin1Char('"');
        } else {
            out += line;
        }
    }
    return out;
}

QString UrlEncode(const QString &url)
{
    // Scheme and authority stay as written; QUrl would lower-case or punycode the host.
    static const QRegularExpression head(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://[^/?#]*"));
    const QRegularExpressionMatch m = head.match(url);
    const qsizetype split = m.hasMatch() ? m.capturedLength() : 0;
    const QString rest = url.mid(split);
    if (rest.isEmpty())
        return url;
    QUrl tail;
    if (split > 0) {
        // Parse the rest as a path so that a colon in it is never taken for a scheme.
        tail = QUrl(QStringLiteral("x://h") + rest, QUrl::TolerantMode);
        QString encoded = tail.toString(QUrl::FullyEncoded | QUrl::RemoveScheme | QUrl::RemoveAuthority);
        return url.left(split) + encoded;
    }
    tail = QUrl(rest, QUrl::TolerantMode);
    return tail.toString(QUrl::FullyEncoded);
}
