#include "GroupingModel.h"

#include "DataSetModel.h"
#include "GridFilterProxy.h"

#include <algorithm>

namespace vorpa {

GroupingModel::GroupingModel(DataSetModel *model, GridFilterProxy *proxy, QObject *parent)
    : QAbstractTableModel(parent), m_model(model), m_proxy(proxy)
{
    const auto follow = [this] {
        if (m_groupColumn >= 0)
            rebuild();
    };
    connect(proxy, &QAbstractItemModel::modelReset, this, follow);
    connect(proxy, &QAbstractItemModel::layoutChanged, this, follow);
    connect(proxy, &QAbstractItemModel::rowsInserted, this, follow);
    connect(proxy, &QAbstractItemModel::rowsRemoved, this, follow);
    connect(proxy, &QAbstractItemModel::dataChanged, this, follow);
}

void GroupingModel::setGroupColumn(int column)
{
    m_groupColumn = column;
    m_expandedByText.clear();
    m_defaultExpanded = true;
    rebuild();
}

void GroupingModel::setSummaries(const QList<GridSummary> &summaries)
{
    m_summaries = summaries;
    if (m_groupColumn >= 0)
        rebuild();
}

void GroupingModel::rebuild()
{
    beginResetModel();
    m_groups.clear();
    if (m_groupColumn >= 0 && m_groupColumn < m_model->columnCount()) {
        const ColumnValueIndex &index = m_model->valueIndex(m_groupColumn);
        const std::vector<int> &ranks = index.ranks();
        std::vector<int> groupOfId(size_t(index.idCount()), -1);
        std::vector<int> idOfGroup;
        const std::vector<int> rows = m_proxy->sourceRows();
        for (int r : rows) {
            const int id = index.rowIds[size_t(r)];
            int &g = groupOfId[size_t(id)];
            if (g < 0) {
                g = int(m_groups.size());
                Group group;
                group.text = index.texts.at(id);
                group.expanded = m_expandedByText.value(group.text, m_defaultExpanded);
                m_groups.push_back(std::move(group));
                idOfGroup.push_back(id);
            }
            m_groups[size_t(g)].sourceRows.push_back(r);
        }
        // Groups in ascending order of their value.
        std::vector<size_t> order(m_groups.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return ranks[size_t(idOfGroup[a])] < ranks[size_t(idOfGroup[b])];
        });
        std::vector<Group> sorted;
        sorted.reserve(m_groups.size());
        for (size_t i : order)
            sorted.push_back(std::move(m_groups[i]));
        m_groups = std::move(sorted);
        for (Group &group : m_groups)
            for (const GridSummary &s : m_summaries) {
                const int column = summaryPlacement(*m_model, s);
                if (column < 0)
                    continue;
                QString &text = group.footer[column];
                const QString value = summaryText(*m_model, s, group.sourceRows);
                text = text.isEmpty() ? value : text + QLatin1Char('\n') + value;
            }
    }
    rebuildEntries();
    endResetModel();
}

void GroupingModel::rebuildEntries()
{
    m_entries.clear();
    const bool footers = std::any_of(m_summaries.begin(), m_summaries.end(),
                                     [this](const GridSummary &s) { return summaryPlacement(*m_model, s) >= 0; });
    for (size_t g = 0; g < m_groups.size(); ++g) {
        const Group &group = m_groups[g];
        m_entries.push_back({DataSetModel::GroupHeaderRow, int(g), -1});
        if (group.expanded)
            for (int r : group.sourceRows)
                m_entries.push_back({DataSetModel::DataRow, int(g), r});
        if (footers)
            m_entries.push_back({DataSetModel::GroupFooterRow, int(g), -1});
    }
}

void GroupingModel::setExpanded(int group, bool expanded)
{
    if (group < 0 || group >= groupCount() || m_groups[size_t(group)].expanded == expanded)
        return;
    beginResetModel();
    m_groups[size_t(group)].expanded = expanded;
    m_expandedByText.insert(m_groups[size_t(group)].text, expanded);
    rebuildEntries();
    endResetModel();
}

void GroupingModel::expandAll()
{
    beginResetModel();
    m_defaultExpanded = true;
    m_expandedByText.clear();
    for (Group &g : m_groups)
        g.expanded = true;
    rebuildEntries();
    endResetModel();
}

void GroupingModel::collapseAll()
{
    beginResetModel();
    m_defaultExpanded = false;
    m_expandedByText.clear();
    for (Group &g : m_groups)
        g.expanded = false;
    rebuildEntries();
    endResetModel();
}

int GroupingModel::rowKind(int row) const { return m_entries.at(size_t(row)).kind; }
int GroupingModel::groupOf(int row) const { return m_entries.at(size_t(row)).group; }
int GroupingModel::sourceRow(int row) const { return m_entries.at(size_t(row)).sourceRow; }

int GroupingModel::rowOfSourceRow(int sourceRow) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].sourceRow == sourceRow)
            return int(i);
    return -1;
}

QString GroupingModel::groupFooterText(int group, int column) const
{
    return m_groups.at(size_t(group)).footer.value(column);
}

int GroupingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int GroupingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_model->columnCount();
}

QVariant GroupingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Entry &e = m_entries[size_t(index.row())];
    if (e.kind == DataSetModel::DataRow)
        return m_model->data(m_model->index(e.sourceRow, index.column()), role);
    const Group &group = m_groups[size_t(e.group)];
    switch (role) {
    case DataSetModel::RowKindRole: return e.kind;
    case DataSetModel::SourceRowRole: return -1;
    case DataSetModel::ExpandedRole: return group.expanded;
    case Qt::DisplayRole:
    case DataSetModel::CellTextRole:
        if (e.kind == DataSetModel::GroupHeaderRow) {
            const GridColumn &col = m_model->column(m_groupColumn);
            const QString caption = col.caption.isEmpty() ? col.field : col.caption;
            return caption + QStringLiteral(" : ") + group.text;
        }
        return group.footer.value(index.column());
    case Qt::TextAlignmentRole:
        // Summaries are numbers: right-aligned like the grid's footer.
        return int(e.kind == DataSetModel::GroupFooterRow ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant GroupingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return m_model->headerData(section, orientation, role);
}

Qt::ItemFlags GroupingModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags;
}

} // namespace vorpa

namespace vorpa {

void GroupingModel::sort(int column, Qt::SortOrder order)
{
    m_proxy->sort(column, order);
}

} // namespace vorpa
