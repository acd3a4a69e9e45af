#include "QueryTable.h"

#include "DateText.h"

namespace vorpa {

DataSet queryToDataSet(QSqlQuery &query, const QList<FieldDef> &fields)
{
    DataSet data(fields);
    const int count = int(fields.size());
    while (query.next()) {
        const int row = data.appendRow();
        for (int c = 0; c < count; ++c) {
            const QVariant v = query.value(c);
            if (v.isNull()) {
                data.setNull(row, c);
                continue;
            }
            switch (fields.at(c).type) {
            case FieldType::Int32:
            case FieldType::Int64:
                data.setInt(row, c, v.toLongLong());
                break;
            case FieldType::Double:
                data.setDouble(row, c, v.toDouble());
                break;
            case FieldType::DateTime:
                data.setDouble(row, c, dates::toNumber(v.toString()));
                break;
            case FieldType::Boolean:
                data.setBool(row, c, v.toLongLong() != 0);
                break;
            case FieldType::Bytes:
                data.setBytes(row, c, v.toByteArray());
                break;
            case FieldType::String:
                data.setString(row, c, v.toString());
                break;
            }
        }
    }
    data.first();
    return data;
}

} // namespace vorpa
