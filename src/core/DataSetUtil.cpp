#include "DataSetUtil.h"

#include "NumberFormat.h"

void SetFloatDisplayFormat(vorpa::DataSet &dataSet)
{
    for (int c = 0; c < dataSet.fieldCount(); ++c)
        if (dataSet.field(c).type == vorpa::FieldType::Double)
            dataSet.setDisplayFormat(c, vorpa::AmountFormat);
}

bool HasRows(const vorpa::DataSet &dataSet) { return dataSet.isActive() && dataSet.recordCount() > 0; }

bool HasSelectedRows(vorpa::DataSet &dataSet)
{
    if (!HasRows(dataSet))
        return false;
    const int sec = dataSet.fieldIndexOrThrow(QStringLiteral("SEC"));
    for (dataSet.first(); !dataSet.eof(); dataSet.next())
        if (!dataSet.isNull(dataSet.recNo(), sec) && dataSet.intValue(dataSet.recNo(), sec) == 1)
            return true;
    return false;
}
