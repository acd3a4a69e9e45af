#pragma once

#include <QStringList>

namespace vorpa {

/// The DDL of the store, written once for SQLite and PostgreSQL alike: only the key and blob
/// column types differ between the two.
QStringList schemaStatements(bool sqlite);

/// SQLite only: the trigram index of the stock search text, its triggers and its filling from
/// the stock table (also run on a database made before the index existed).
QStringList searchIndexStatements();

/// The name of the trigram index table.
inline constexpr const char *kSearchIndexTable = "stok_arama";

} // namespace vorpa
