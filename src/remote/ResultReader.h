#pragma once

#include "DataSet.h"

namespace vorpa {

/// A result reader: forward-only rows of typed columns, read by column ordinal. The proxy owns
/// it; copy what you need (toDataSet) before the proxy runs the operation again or dies.
class ResultReader {
public:
    explicit ResultReader(DataSet rows);

    int columnCount() const { return m_rows.fieldCount(); }
    QString columnName(int column) const { return m_rows.field(column).name; }
    FieldType columnType(int column) const { return m_rows.field(column).type; }
    /// Column ordinal by name (case-insensitive), -1 when absent.
    int columnIndex(const QString &name) const { return m_rows.fieldIndex(name); }

    /// Moves to the next row; false once past the last. The first call moves to the first row.
    bool next();
    /// Values of the current row; DataSetError when there is no current row.
    bool isNull(int column) const;
    QVariant value(int column) const;
    qint64 intValue(int column) const;
    double doubleValue(int column) const;
    QString stringValue(int column) const;
    bool boolValue(int column) const;
    QByteArray bytesValue(int column) const;

    /// The reader's columns and the rows next() has not reached yet, in order, as a dataset of
    /// the caller's; the reader is then at its end.
    DataSet toDataSet();

private:
    int current() const;

    DataSet m_rows;
    int m_row = -1;
};

/// Loads a reader into a new dataset: its columns, then one row per remaining reader row.
DataSet ReaderToDataSet(ResultReader &reader);

} // namespace vorpa
