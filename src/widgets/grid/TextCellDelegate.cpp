#include "TextCellDelegate.h"

namespace vorpa {

void TextCellDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index, const CellStyle &style) const
{
    drawText(painter, rect, index.data(Qt::DisplayRole).toString(), alignmentOf(index, Qt::AlignLeft | Qt::AlignVCenter), index, style);
}

} // namespace vorpa
