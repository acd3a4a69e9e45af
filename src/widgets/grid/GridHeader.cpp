#include "GridHeader.h"

#include "GridLook.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vorpa {

namespace {
constexpr int ButtonSize = 14;
constexpr int ButtonMargin = 3;
} // namespace

GridHeader::GridHeader(const GridLook *look, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_look(look)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionsMovable(false);
    setDefaultAlignment(Qt::AlignCenter);
    setMinimumSectionSize(0);
}

void GridHeader::setFilterQueries(std::function<bool(int)> filterable, std::function<bool(int)> filtered)
{
    m_filterable = std::move(filterable);
    m_filtered = std::move(filtered);
    viewport()->update();
}

QRect GridHeader::buttonRectIn(const QRect &section) const
{
    return QRect(section.right() - ButtonSize - ButtonMargin, section.center().y() - ButtonSize / 2, ButtonSize,
                 ButtonSize);
}

QRect GridHeader::filterButtonRect(int logicalIndex) const
{
    if (!m_filterable || !m_filterable(logicalIndex) || isSectionHidden(logicalIndex))
        return {};
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex), height());
    if (section.width() < ButtonSize * 2)
        return {};
    return buttonRectIn(section);
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    painter->fillRect(rect, m_look->headerColor);
    painter->setPen(m_look->headerColor.lighter(150));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->setFont(m_look->headerFont);
    painter->setPen(m_look->headerTextColor);

    const QRect button = filterButtonRect(logicalIndex).isValid() ? buttonRectIn(rect) : QRect();
    QRect textRect = rect.adjusted(4, 2, -4, -2);
    const QString caption = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    const QFontMetrics fm(m_look->headerFont);
    if (button.isValid()) {
        // Centred over the whole section when there is room beside the button, else left of it.
        const int room = ButtonSize + ButtonMargin;
        if (fm.horizontalAdvance(caption) <= textRect.width() - 2 * room)
            textRect.adjust(room, 0, -room, 0);
        else
            textRect.setRight(button.left() - 2);
    }
    const QRect needed = fm.boundingRect(textRect, Qt::AlignCenter | Qt::TextWordWrap, caption);
    const QString shown = (needed.height() > textRect.height() || needed.width() > textRect.width())
        ? fm.elidedText(caption, Qt::ElideRight, textRect.width())
        : caption;
    painter->drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, shown);

    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
        const int x = rect.center().x();
        const int y = rect.top() + 3;
        QPolygon arrow;
        if (sortIndicatorOrder() == Qt::AscendingOrder)
            arrow << QPoint(x - 4, y + 4) << QPoint(x + 4, y + 4) << QPoint(x, y);
        else
            arrow << QPoint(x - 4, y) << QPoint(x + 4, y) << QPoint(x, y + 4);
        painter->setBrush(m_look->headerTextColor);
        painter->setPen(Qt::NoPen);
        painter->drawPolygon(arrow);
    }
    if (button.isValid()) {
        const bool active = m_filtered && m_filtered(logicalIndex);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(active ? QColor(255, 196, 0) : m_look->headerColor.lighter(170));
        painter->drawRoundedRect(button, 2, 2);
        // A funnel.
        const QRectF b = QRectF(button).adjusted(3, 3, -3, -3);
        painter->setBrush(active ? m_look->headerColor : m_look->headerTextColor);
        painter->drawPolygon(QPolygonF({b.topLeft(), b.topRight(), QPointF(b.center().x() + 1, b.center().y()),
                                        QPointF(b.center().x() + 1, b.bottom()),
                                        QPointF(b.center().x() - 1, b.bottom() - 1),
                                        QPointF(b.center().x() - 1, b.center().y())}));
    }
    painter->restore();
}

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const
{
    const QString caption = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    const QFontMetrics fm(m_look->headerFont);
    int width = fm.horizontalAdvance(caption) + 12;
    if (m_filterable && m_filterable(logicalIndex))
        width += 2 * (ButtonSize + ButtonMargin);
    return {width, fm.height() + 8};
}

void GridHeader::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const int logical = logicalIndexAt(event->position().toPoint());
        if (logical >= 0 && filterButtonRect(logical).contains(event->position().toPoint())) {
            m_pressedButton = logical;
            event->accept();
            return;
        }
    }
    QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedButton >= 0) {
        const int logical = m_pressedButton;
        m_pressedButton = -1;
        event->accept();
        if (filterButtonRect(logical).contains(event->position().toPoint()))
            emit filterButtonClicked(logical);
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}

void GridHeader::contextMenuEvent(QContextMenuEvent *event)
{
    emit columnChooserRequested(event->globalPos());
    event->accept();
}

} // namespace vorpa
