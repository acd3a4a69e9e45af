#include "MultiLineTextDelegate.h"

#include <QFontMetrics>

namespace vorpa {

void MultiLineTextDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index, const CellStyle &style) const
{
    drawText(painter, rect, index.data(Qt::DisplayRole).toString(), alignmentOf(index, Qt::AlignLeft | Qt::AlignVCenter), index, style, true);
}

QSize MultiLineTextDelegate::contentSize(const QModelIndex &index, const CellStyle &style) const
{
    // Best fit of a note: its longest line, but never wider than a readable column.
    const QFontMetrics fm(style.font);
    int widest = 0;
    const QStringList lines = index.data(Qt::DisplayRole).toString().split(QLatin1Char('\n'));
    for (const QString &line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    return {std::min(widest, 320) + 10, fm.height() * int(lines.size())};
}

} // namespace vorpa
