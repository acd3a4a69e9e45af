#include "NumberCellDelegate.h"

namespace vorpa {

void NumberCellDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index, const CellStyle &style) const
{
    drawText(painter, rect, index.data(Qt::DisplayRole).toString(), alignmentOf(index, Qt::AlignRight | Qt::AlignVCenter), index, style);
}

} // namespace vorpa
