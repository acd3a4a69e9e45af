#pragma once

#include "DataSet.h"

#include <QList>
#include <QSqlQuery>

namespace vorpa {

/// Copies the rows of an executed query into a client dataset whose columns are declared by the
/// caller in the query's select order; stored date texts become date numbers.
DataSet queryToDataSet(QSqlQuery &query, const QList<FieldDef> &fields);

/// Shorthands for column declarations.
inline FieldDef intField(const char *name) { return {QString::fromLatin1(name), FieldType::Int32}; }
inline FieldDef doubleField(const char *name) { return {QString::fromLatin1(name), FieldType::Double}; }
inline FieldDef textField(const char *name) { return {QString::fromLatin1(name), FieldType::String}; }
inline FieldDef dateField(const char *name) { return {QString::fromLatin1(name), FieldType::DateTime}; }

} // namespace vorpa
