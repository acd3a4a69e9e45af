#include "GridFilterProxy.h"

#include "DataSetModel.h"

namespace vorpa {

GridFilterProxy::GridFilterProxy(DataSetModel *model, QObject *parent)
    : QSortFilterProxyModel(parent), m_model(model)
{
    setSourceModel(model);
    setDynamicSortFilter(true);
}

void GridFilterProxy::setColumnFilter(int column, const QSet<QString> &texts)
{
    m_filters[column].texts = texts;
    m_builtFor = ~quint64(0);
    refilter();
    emit filtersChanged();
}

void GridFilterProxy::clearColumnFilter(int column)
{
    if (m_filters.erase(column) == 0)
        return;
    refilter();
    emit filtersChanged();
}

void GridFilterProxy::clearFilters()
{
    if (m_filters.empty())
        return;
    m_filters.clear();
    refilter();
    emit filtersChanged();
}

void GridFilterProxy::refilter()
{
    // One layout change instead of invalidateFilter()'s removal signal per run of hidden rows:
    // with scattered rows those cost the view quadratic time.
    invalidate();
}

QSet<QString> GridFilterProxy::columnFilter(int column) const
{
    auto it = m_filters.find(column);
    return it == m_filters.end() ? QSet<QString>() : it->second.texts;
}

void GridFilterProxy::refreshAcceptedIds() const
{
    if (m_builtFor == m_model->generation())
        return;
    for (auto &[column, filter] : m_filters) {
        if (column >= m_model->columnCount()) {
            filter.acceptedIds.clear();
            continue;
        }
        const ColumnValueIndex &index = m_model->valueIndex(column);
        filter.acceptedIds.assign(size_t(index.idCount()), 0);
        for (int id = 0; id < index.idCount(); ++id)
            filter.acceptedIds[size_t(id)] = filter.texts.contains(index.texts.at(id)) ? 1 : 0;
    }
    m_builtFor = m_model->generation();
}

bool GridFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (m_filters.empty())
        return true;
    refreshAcceptedIds();
    for (const auto &[column, filter] : m_filters) {
        if (filter.acceptedIds.empty())
            return false;
        const int id = m_model->valueIndex(column).rowIds[size_t(sourceRow)];
        if (!filter.acceptedIds[size_t(id)])
            return false;
    }
    return true;
}

bool GridFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const ColumnValueIndex &index = m_model->valueIndex(left.column());
    const std::vector<int> &ranks = index.ranks();
    return ranks[size_t(index.rowIds[size_t(left.row())])] < ranks[size_t(index.rowIds[size_t(right.row())])];
}

std::vector<int> GridFilterProxy::sourceRows() const
{
    // While the dataset is being refilled the model has no rows but this proxy may still hold
    // the old mapping: such rows are never handed out.
    const int n = m_model->rowCount() == 0 ? 0 : rowCount();
    std::vector<int> rows;
    rows.reserve(size_t(n));
    for (int r = 0; r < n; ++r) {
        const int source = mapToSource(index(r, 0)).row();
        if (source >= 0 && source < m_model->rowCount())
            rows.push_back(source);
    }
    return rows;
}

} // namespace vorpa
