#include "GridSummary.h"

#include "DataSetModel.h"
#include "NumberFormat.h"

#include <QLocale>

namespace vorpa {

int findGridColumn(const QList<GridColumn> &columns, const QString &key)
{
    if (key.isEmpty())
        return -1;
    for (qsizetype c = 0; c < columns.size(); ++c)
        if (!columns.at(c).name.isEmpty() && columns.at(c).name.compare(key, Qt::CaseInsensitive) == 0)
            return int(c);
    for (qsizetype c = 0; c < columns.size(); ++c)
        if (columns.at(c).field.compare(key, Qt::CaseInsensitive) == 0)
            return int(c);
    return -1;
}

int summaryPlacement(const DataSetModel &model, const GridSummary &summary)
{
    return findGridColumn(model.columns(), summary.column);
}

QString summaryText(const DataSetModel &model, const GridSummary &summary, const std::vector<int> &rows)
{
    if (summary.kind == SummaryKind::Count)
        return QString::number(rows.size());
    const DataSet *data = model.dataSet();
    const QString fieldName = summary.field.isEmpty() ? summary.column : summary.field;
    const int gridColumn = findGridColumn(model.columns(), fieldName);
    int field = gridColumn >= 0 ? model.fieldOf(gridColumn) : -1;
    if (field < 0 && data)
        field = data->fieldIndex(fieldName);
    if (!data || field < 0 || rows.empty())
        return {};
    const FieldType type = data->field(field).type;
    if (type != FieldType::Int32 && type != FieldType::Int64 && type != FieldType::Double)
        return {};
    double total = 0;
    for (int r : rows)
        total += data->doubleValue(r, field);
    const double value = summary.kind == SummaryKind::Average ? total / double(rows.size()) : total;
    QString format = summary.format;
    if (format.isEmpty())
        format = gridColumn >= 0 ? model.displayFormat(gridColumn) : data->displayFormat(field);
    const QLocale locale;
    return format.isEmpty() ? formatGeneral(value, locale) : formatFloat(value, format, locale);
}

} // namespace vorpa
