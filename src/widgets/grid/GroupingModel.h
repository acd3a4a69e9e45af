#pragma once

#include "GridSummary.h"

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

namespace vorpa {

class DataSetModel;
class GridFilterProxy;

/// The rows of a grid grouped by one column: a caption row per group (sorted ascending), its
/// rows when the group is open, and a footer row with the group's summaries (always shown).
/// Follows the filtered and sorted rows of the proxy.
class GroupingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GroupingModel(DataSetModel *model, GridFilterProxy *proxy, QObject *parent = nullptr);

    /// Groups by a grid column; -1 ends grouping.
    void setGroupColumn(int column);
    int groupColumn() const { return m_groupColumn; }
    void setSummaries(const QList<GridSummary> &summaries);

    int groupCount() const { return int(m_groups.size()); }
    QString groupText(int group) const { return m_groups.at(size_t(group)).text; }
    const std::vector<int> &groupRows(int group) const { return m_groups.at(size_t(group)).sourceRows; }
    bool isExpanded(int group) const { return m_groups.at(size_t(group)).expanded; }
    void setExpanded(int group, bool expanded);
    void expandAll();
    void collapseAll();

    /// For a row of this model: its kind, its group, and its dataset row (-1 on group rows).
    int rowKind(int row) const;
    int groupOf(int row) const;
    int sourceRow(int row) const;
    /// The row showing a dataset row, or -1 when it is filtered out or its group is closed.
    int rowOfSourceRow(int sourceRow) const;
    /// The footer texts of a group under column, one per summary placed there.
    QString groupFooterText(int group, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// Sorting inside the groups is the proxy's.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Group {
        QString text;
        std::vector<int> sourceRows;
        bool expanded = true;
        QHash<int, QString> footer; // column -> summary texts
    };
    struct Entry {
        int kind;
        int group;
        int sourceRow;
    };
    void rebuild();
    void rebuildEntries();

    DataSetModel *m_model;
    GridFilterProxy *m_proxy;
    int m_groupColumn = -1;
    QList<GridSummary> m_summaries;
    std::vector<Group> m_groups;
    std::vector<Entry> m_entries;
    QHash<QString, bool> m_expandedByText;
    bool m_defaultExpanded = true;
};

} // namespace vorpa
