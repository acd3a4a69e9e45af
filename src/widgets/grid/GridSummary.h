#pragma once

#include <QList>
#include <QString>

#include <vector>

namespace vorpa {

class DataSetModel;
struct GridColumn;

enum class SummaryKind { Count, Sum, Average };

/// One footer summary: what it computes and under which column it sits.
struct GridSummary {
    GridSummary() = default;
    GridSummary(SummaryKind kind, QString column, QString field = {}, QString format = {})
        : kind(kind), column(std::move(column)), field(std::move(field)), format(std::move(format))
    {
    }

    SummaryKind kind = SummaryKind::Count;
    /// Field (or column name) of the column it sits under; empty for a summary bound to no column.
    QString column;
    /// Field that is summed or averaged when it is not the column's own (needed when unbound).
    QString field;
    /// Display format; empty = the format of the summed column.
    QString format;
};

/// Column index of key among columns: by column name first, then by field (case-insensitive).
int findGridColumn(const QList<GridColumn> &columns, const QString &key);

/// Grid column a summary sits under, or -1 when it is bound to none.
int summaryPlacement(const DataSetModel &model, const GridSummary &summary);

/// The summary's text over the given dataset rows: a count, or a sum or average formatted like
/// its column. Sums and averages of no rows are empty; an unknown field gives an empty text.
QString summaryText(const DataSetModel &model, const GridSummary &summary, const std::vector<int> &rows);

} // namespace vorpa
