#include "IconCellDelegate.h"

#include <QIcon>

namespace vorpa {

void IconCellDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index, const CellStyle &) const
{
    drawCenteredIcon(painter, rect, index.data(Qt::DecorationRole).value<QIcon>());
}

QSize IconCellDelegate::contentSize(const QModelIndex &, const CellStyle &) const
{
    return {36, 28};
}

} // namespace vorpa
