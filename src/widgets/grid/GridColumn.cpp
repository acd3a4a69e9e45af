#include "GridColumn.h"

#include "DataSet.h"

namespace vorpa {

bool RowValues::hasField(const QString &field) const
{
    return m_dataSet && m_dataSet->fieldIndex(field) >= 0;
}

QVariant RowValues::value(const QString &field) const
{
    const int c = m_dataSet ? m_dataSet->fieldIndex(field) : -1;
    return c < 0 ? QVariant() : m_dataSet->value(m_row, c);
}

double RowValues::doubleValue(const QString &field) const
{
    const int c = m_dataSet ? m_dataSet->fieldIndex(field) : -1;
    return c < 0 ? 0.0 : m_dataSet->doubleValue(m_row, c);
}

qint64 RowValues::intValue(const QString &field) const
{
    const int c = m_dataSet ? m_dataSet->fieldIndex(field) : -1;
    return c < 0 ? 0 : m_dataSet->intValue(m_row, c);
}

QString RowValues::stringValue(const QString &field) const
{
    const int c = m_dataSet ? m_dataSet->fieldIndex(field) : -1;
    return c < 0 ? QString() : m_dataSet->stringValue(m_row, c);
}

} // namespace vorpa
