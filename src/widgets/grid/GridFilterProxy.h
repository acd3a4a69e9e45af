#pragma once

#include <QSet>
#include <QSortFilterProxyModel>

#include <map>
#include <vector>

namespace vorpa {

class DataSetModel;

/// Header filters and sorting of a grid. A column filter keeps the rows whose shown text is one
/// of the chosen texts; filters of several columns combine. Rows are compared through the
/// model's per-column value indexes, so 100,000 rows filter and sort without building values.
class GridFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit GridFilterProxy(DataSetModel *model, QObject *parent = nullptr);

    /// Keeps only the rows whose text in column is one of texts (an empty set keeps none).
    void setColumnFilter(int column, const QSet<QString> &texts);
    void clearColumnFilter(int column);
    void clearFilters();
    bool hasColumnFilter(int column) const { return m_filters.count(column) > 0; }
    bool hasFilters() const { return !m_filters.empty(); }
    QSet<QString> columnFilter(int column) const;

    /// Dataset rows in the order the grid shows them (after filters and sorting).
    std::vector<int> sourceRows() const;

signals:
    void filtersChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    struct Filter {
        QSet<QString> texts;
        std::vector<char> acceptedIds; // per text id of the column's value index
    };
    void refreshAcceptedIds() const;
    void refilter();

    DataSetModel *m_model;
    mutable std::map<int, Filter> m_filters;
    mutable quint64 m_builtFor = ~quint64(0);
};

} // namespace vorpa
