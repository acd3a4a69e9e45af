#pragma once

#include <QHash>
#include <QString>

// The workstation's identity as stored in the session record. Every function here is safe to call
// from pool threads and never throws.

// Serial number of the first physical disk, upper-cased; empty when unknown.
QString DiskSerialNumber();
// First adapter with a non-zero hardware address, six upper-case hex pairs joined by "-".
QString NetbiosAdapterAddress();
// The identifier the server knows this workstation by: the disk serial, else the adapter address,
// blanks removed, then the alias table applied.
QString WorkstationId();
// Host and user names, empty when longer than 15 characters (the server's columns hold 15).
QString ComputerName();
QString WindowsUserName();
// First IPv4 address the local host name resolves to; "127.0.0.1" when there is none.
QString LocalIpAddress();

namespace vorpa {

// Serial numbers that several machines share, mapped to the one identifier they are known by.
// This deployment has none.
QHash<QString, QString> WorkstationAliases();

// The 15-character rule of ComputerName and WindowsUserName.
QString NameWithinLimit(const QString &name);

} // namespace vorpa
