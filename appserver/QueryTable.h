#pragma once

#include "DataSet.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

namespace vorpa {

/// Copies the rows of an executed query into a client dataset whose columns are declared by the
/// caller in the query's select order; stored date texts become date numbers.
DataSet queryToDataSet(QSqlQuery &query, const QList<FieldDef> &fields);

/// The same copy for a SQLite connection, run on the connection's own handle: the cells go
/// straight from the statement into the dataset, without a QVariant and a UTF-16 copy each, which
/// is most of the cost of a large result. values are bound by position as Store::bind does;
/// raises StoreError on failure.
DataSet sqliteQueryToDataSet(QSqlDatabase &db, const QString &sql, const QVariantList &values,
                             const QList<FieldDef> &fields);

/// Shorthands for column declarations.
inline FieldDef intField(const char *name) { return {QString::fromLatin1(name), FieldType::Int32}; }
inline FieldDef doubleField(const char *name) { return {QString::fromLatin1(name), FieldType::Double}; }
inline FieldDef textField(const char *name) { return {QString::fromLatin1(name), FieldType::String}; }
inline FieldDef dateField(const char *name) { return {QString::fromLatin1(name), FieldType::DateTime}; }

} // namespace vorpa
