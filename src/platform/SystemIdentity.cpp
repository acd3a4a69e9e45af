#include "SystemIdentity.h"

#include "SystemSources.h"
#include "WorkstationIdRule.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

QString DiskSerialNumber()
{
    return vorpa::systemSources().diskSerialNumber();
}

QString NetbiosAdapterAddress()
{
    return vorpa::systemSources().adapterAddress();
}

QString WorkstationId()
{
    return WorkstationIdFrom([] { return DiskSerialNumber(); }, [] { return NetbiosAdapterAddress(); },
                             vorpa::WorkstationAliases());
}

QString ComputerName()
{
    return vorpa::NameWithinLimit(vorpa::systemSources().hostName());
}

QString WindowsUserName()
{
    return vorpa::NameWithinLimit(vorpa::systemSources().userName());
}

QString LocalIpAddress()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    // A host name that does not resolve still leaves the machine's own addresses to report.
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    }
    return QStringLiteral("127.0.0.1");
}

namespace vorpa {

QHash<QString, QString> WorkstationAliases()
{
    return {};
}

QString NameWithinLimit(const QString &name)
{
    return name.size() > 15 ? QString() : name;
}

} // namespace vorpa
