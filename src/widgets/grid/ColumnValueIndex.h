#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vorpa {

/// The distinct shown texts of one grid column and, per dataset row, which of them it holds;
/// filters, sorting and incremental search work on these small integers instead of values.
class ColumnValueIndex {
public:
    /// Per dataset row: the id of its text.
    std::vector<int> rowIds;
    /// Per id: the text a person reads in the cell (for icon columns, the icon's description).
    QStringList texts;

    int idCount() const { return int(texts.size()); }
    /// Per id: its position when the column is sorted ascending (built on first use).
    const std::vector<int> &ranks() const;
    /// Per id: the text folded for case-insensitive Turkish comparison (built on first use).
    const QString &foldedText(int id) const;

    /// Per id, for columns ordered by number (numbers, dates, codes behind icons): the value.
    /// Empty for columns ordered by text, which follow the user's collation.
    std::vector<double> numberKeys;
    /// Ids in ascending order (built on first use).
    const std::vector<int> &orderedIds() const;

private:
    mutable std::vector<int> m_ordered;
    mutable std::vector<int> m_ranks;
    mutable QStringList m_folded;
};

/// Folds text for incremental search: upper case, with i/İ and ı/I matched the Turkish way.
QString foldTurkish(const QString &text);

} // namespace vorpa
