#include "CenteredTextDelegate.h"

namespace vorpa {

void CenteredTextDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index, const CellStyle &style) const
{
    drawText(painter, rect, index.data(Qt::DisplayRole).toString(), alignmentOf(index, Qt::AlignCenter), index, style);
}

} // namespace vorpa
