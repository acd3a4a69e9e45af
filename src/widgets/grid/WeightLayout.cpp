#include "WeightLayout.h"

#include <algorithm>

namespace vorpa {

QList<int> weightedColumnWidths(int gridWidth, const QList<int> &weights, const QList<bool> &visible)
{
    const qsizetype n = std::min(weights.size(), visible.size());
    QList<int> widths(weights.size(), -1);
    qint64 sum = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (visible.at(i))
            sum += std::max(0, weights.at(i));
    if (sum <= 0)
        return widths;
    const qint64 unit = std::max<qint64>(0, (qint64(gridWidth) - 30) / sum); // C++ division truncates
    for (qsizetype i = 0; i < n; ++i)
        if (visible.at(i))
            widths[i] = int(std::max(0, weights.at(i)) * unit);
    return widths;
}

} // namespace vorpa
