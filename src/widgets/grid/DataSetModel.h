#pragma once

#include "ColumnValueIndex.h"
#include "DataSet.h"
#include "GridColumn.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace vorpa {

/// Table model that shows a client dataset through a grid's declared columns, without copying
/// it: texts through the column's display format and the user's locale, icons for icon columns,
/// the check state for the selection column. It follows the dataset's resets (detach, refill,
/// attach) and serves per-column value indexes for fast filtering, sorting and search.
class DataSetModel : public QAbstractTableModel, public DataSetListener {
    Q_OBJECT
public:
    enum Role {
        CellTextRole = Qt::UserRole + 1, // what a person reads: the text, or an icon's description
        RawValueRole,                    // the dataset's value
        SourceRowRole,                   // the dataset row; -1 on group rows
        RowKindRole,                     // RowKind
        BytesRole,                       // picture bytes
        ExpandedRole,                    // group header rows: whether the group is open
    };
    enum RowKind { DataRow = 0, GroupHeaderRow = 1, GroupFooterRow = 2 };

    explicit DataSetModel(QObject *parent = nullptr);
    ~DataSetModel() override;

    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    const GridColumn &column(int column) const { return m_columns.at(column); }

    /// Shows dataSet (nullptr detaches: no rows, and the dataset is not touched again, so it may
    /// be refilled elsewhere). A dataset whose controls are disabled shows no rows until it is
    /// enabled again. Notifications must arrive on the thread that owns this model.
    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const { return m_dataSet; }

    /// The dataset column of a grid column, or -1 (drawn column, or a field the data lacks).
    int fieldOf(int column) const { return m_fieldOf.at(size_t(column)); }
    /// Whether the column's values are numbers that can be added up.
    bool isNumeric(int column) const;
    bool isDate(int column) const;
    /// How the column aligns its content (its own alignment, or its kind's).
    Qt::Alignment alignment(int column) const;
    /// The column's display format (its own, or else the dataset's).
    QString displayFormat(int column) const;

    /// The text a person reads in the cell: formatted value, or the icon's description.
    QString cellText(int row, int column) const;
    double numberValue(int row, int column) const;
    bool isNull(int row, int column) const;
    /// Distinct texts of a column and each row's text id; built on first use, dropped on change.
    const ColumnValueIndex &valueIndex(int column) const;
    /// Changes whenever rows, values or columns change; caches compare it to stay current.
    quint64 generation() const { return m_generation; }

    /// Formats a number the way the column shows it (also used for footers).
    QString formatNumber(double value, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void dataSetAboutToReset() override;
    void dataSetReset() override;
    void dataSetRowChanged(int row) override;
    void dataSetDestroyed() override;

signals:
    /// The shown dataset was destroyed; the model now shows no rows and holds no dataset.
    void dataSetLost();

private:
    void resolveFields();
    void invalidate();
    QString formatCell(int row, int column, const QLocale &locale) const;
    QVariant rawValue(int row, int column) const;
    void buildIndex(int column, ColumnValueIndex &index) const;

    QList<GridColumn> m_columns;
    std::vector<int> m_fieldOf;
    DataSet *m_dataSet = nullptr;
    int m_rows = 0;
    bool m_inReset = false;
    quint64 m_generation = 0;
    mutable std::vector<std::unique_ptr<ColumnValueIndex>> m_indexes;
};

/// Turns a dataset date (days since 30 December 1899, fraction = time of day) into a date-time.
QDateTime dateTimeFromDays(double days);

} // namespace vorpa
