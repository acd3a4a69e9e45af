#include "ResultReader.h"

namespace vorpa {

ResultReader::ResultReader(DataSet rows)
    : m_rows(std::move(rows))
{
}

bool ResultReader::next()
{
    if (m_row < m_rows.recordCount())
        ++m_row;
    return m_row < m_rows.recordCount();
}

int ResultReader::current() const
{
    if (m_row < 0 || m_row >= m_rows.recordCount())
        throw DataSetError("Okuyucuda geçerli satır yok");
    return m_row;
}

bool ResultReader::isNull(int column) const { return m_rows.isNull(current(), column); }
QVariant ResultReader::value(int column) const { return m_rows.value(current(), column); }
qint64 ResultReader::intValue(int column) const { return m_rows.intValue(current(), column); }
double ResultReader::doubleValue(int column) const { return m_rows.doubleValue(current(), column); }
QString ResultReader::stringValue(int column) const { return m_rows.stringValue(current(), column); }
bool ResultReader::boolValue(int column) const { return m_rows.boolValue(current(), column); }
QByteArray ResultReader::bytesValue(int column) const { return m_rows.bytesValue(current(), column); }

DataSet ResultReader::toDataSet()
{
    const int count = m_rows.recordCount();
    const int from = m_row + 1;
    m_row = count;
    if (from <= 0) {
        DataSet all = m_rows;
        all.first();
        return all;
    }
    DataSet rest(m_rows.fields());
    rest.disableControls();
    rest.reserve(count - from);
    const int columns = m_rows.fieldCount();
    for (int r = from; r < count; ++r) {
        const int row = rest.appendRow();
        for (int c = 0; c < columns; ++c) {
            if (!m_rows.isNull(r, c))
                rest.setValue(row, c, m_rows.value(r, c));
        }
    }
    rest.enableControls();
    rest.first();
    return rest;
}

DataSet ReaderToDataSet(ResultReader &reader) { return reader.toDataSet(); }

} // namespace vorpa
