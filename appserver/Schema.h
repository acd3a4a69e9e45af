#pragma once

#include <QStringList>

namespace vorpa {

/// The DDL of the store, written once for SQLite and PostgreSQL alike: only the key and blob
/// column types differ between the two.
QStringList schemaStatements(bool sqlite);

} // namespace vorpa
