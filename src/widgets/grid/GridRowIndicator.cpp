#include "GridRowIndicator.h"

#include "GridLook.h"

#include <QPainter>

namespace vorpa {

GridRowIndicator::GridRowIndicator(const GridLook *look, QWidget *parent)
    : QHeaderView(Qt::Vertical, parent), m_look(look)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
}

QSize GridRowIndicator::sizeHint() const
{
    return {m_look->indicatorWidth, QHeaderView::sizeHint().height()};
}

void GridRowIndicator::paintEvent(QPaintEvent *event)
{
    // Below the last row the indicator keeps its colour.
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), m_look->indicatorColor);
    painter.end();
    QHeaderView::paintEvent(event);
}

void GridRowIndicator::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, m_look->indicatorColor);
    painter->setPen(m_look->indicatorColor.lighter(130));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const QModelIndex current = selectionModel() ? selectionModel()->currentIndex() : QModelIndex();
    if (current.isValid() && current.row() == logicalIndex && rect.width() >= 7) {
        const int h = std::min(rect.width() - 3, 10);
        const int x = rect.left() + (rect.width() - h / 2) / 2;
        const int y = rect.center().y();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::white);
        painter->drawPolygon(QPolygon({QPoint(x, y - h / 2), QPoint(x + h / 2, y), QPoint(x, y + h / 2)}));
    }
    painter->restore();
}

} // namespace vorpa
