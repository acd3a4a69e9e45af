#include "ColumnValueIndex.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace vorpa {

const std::vector<int> &ColumnValueIndex::orderedIds() const
{
    const size_t n = size_t(texts.size());
    if (m_ordered.size() == n)
        return m_ordered;
    m_ordered.resize(n);
    std::iota(m_ordered.begin(), m_ordered.end(), 0);
    if (numberKeys.size() == n) {
        std::stable_sort(m_ordered.begin(), m_ordered.end(),
                         [this](int a, int b) { return numberKeys[size_t(a)] < numberKeys[size_t(b)]; });
    } else {
        // Sort keys once per distinct text: comparing them is far cheaper than collating pairs.
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(true);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(n);
        for (const QString &t : texts)
            keys.push_back(collator.sortKey(t));
        std::stable_sort(m_ordered.begin(), m_ordered.end(),
                         [&keys](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    }
    return m_ordered;
}

const std::vector<int> &ColumnValueIndex::ranks() const
{
    const std::vector<int> &ordered = orderedIds();
    if (m_ranks.size() != ordered.size()) {
        m_ranks.assign(ordered.size(), 0);
        for (size_t pos = 0; pos < ordered.size(); ++pos)
            m_ranks[size_t(ordered[pos])] = int(pos);
    }
    return m_ranks;
}

const QString &ColumnValueIndex::foldedText(int id) const
{
    if (m_folded.size() != texts.size()) {
        m_folded.clear();
        m_folded.reserve(texts.size());
        for (const QString &t : texts)
            m_folded.append(foldTurkish(t));
    }
    return m_folded.at(id);
}

QString foldTurkish(const QString &text)
{
    QString s = text;
    for (QChar &c : s) {
        if (c == QChar(u'i'))
            c = QChar(u'İ');
        else if (c == QChar(u'ı'))
            c = QChar(u'I');
    }
    return s.toUpper();
}

} // namespace vorpa
