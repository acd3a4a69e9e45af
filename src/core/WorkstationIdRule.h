#pragma once

// How a workstation's identifier is derived from its hardware, kept free of the hardware itself.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

/// The disk serial trimmed, or else the adapter address trimmed (a source that throws counts as
/// empty), with every blank removed, then looked up in the alias table (empty table: no aliases).
QString WorkstationIdFrom(const std::function<QString()> &diskSerial,
                          const std::function<QString()> &adapterAddress,
                          const QHash<QString, QString> &aliases);

/// The address text of the adapters, asked in order: each successful status (nullopt = the query
/// failed) gives the first six bytes as "XX-XX-XX-XX-XX-XX"; the walk goes on only while the text
/// is "00-00-00-00-00-00". Empty when the first query fails.
QString FirstNonZeroAdapterAddress(const QList<std::optional<QByteArray>> &adapterStatuses);
