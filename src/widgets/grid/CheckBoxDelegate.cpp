#include "CheckBoxDelegate.h"

#include <QPainter>

namespace vorpa {

QString CheckBoxDelegate::textFor(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("Hayır");
    return value.toInt() == 1 ? QStringLiteral("Evet") : QStringLiteral("Hayır");
}

void CheckBoxDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index, const CellStyle &) const
{
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    const int side = 16;
    const QRectF box(rect.center().x() - side / 2.0 + 0.5, rect.center().y() - side / 2.0 + 0.5, side, side);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(90, 98, 112), 1.2));
    painter->setBrush(Qt::white);
    painter->drawRoundedRect(box, 2, 2);
    if (checked) {
        painter->setPen(QPen(QColor(39, 128, 70), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPolyline(QPolygonF({box.topLeft() + QPointF(3.5, 8.5), box.topLeft() + QPointF(7, 12),
                                         box.topLeft() + QPointF(12.5, 4.5)}));
    }
}

QSize CheckBoxDelegate::contentSize(const QModelIndex &, const CellStyle &) const
{
    return {30, 20};
}

} // namespace vorpa
