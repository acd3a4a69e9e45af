#include "WorkstationIdRule.h"

namespace {

QString trimmedOrEmpty(const std::function<QString()> &source)
{
    if (!source)
        return {};
    try {
        return source().trimmed();
    } catch (...) {
        // An identity source that fails only means this source gives nothing.
        return {};
    }
}

QString formatAddress(const QByteArray &status)
{
    QStringList parts;
    for (int i = 0; i < 6; ++i) {
        const quint8 byte = i < status.size() ? quint8(status.at(i)) : 0;
        parts.append(QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper());
    }
    return parts.join(QLatin1Char('-'));
}

} // namespace

QString WorkstationIdFrom(const std::function<QString()> &diskSerial,
                          const std::function<QString()> &adapterAddress,
                          const QHash<QString, QString> &aliases)
{
    QString id = trimmedOrEmpty(diskSerial);
    if (id.isEmpty())
        id = trimmedOrEmpty(adapterAddress);
    id.remove(QLatin1Char(' '));
    return aliases.value(id, id);
}

QString FirstNonZeroAdapterAddress(const QList<std::optional<QByteArray>> &adapterStatuses)
{
    static const QString zeros = QStringLiteral("00-00-00-00-00-00");
    QString text;
    for (const std::optional<QByteArray> &status : adapterStatuses) {
        if (status)
            text = formatAddress(*status);
        if (text != zeros)
            break;
    }
    return text;
}
