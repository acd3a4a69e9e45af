#include "GridCellDelegate.h"

#include "DataSetModel.h"
#include "GridPaintContext.h"

#include <QPainter>

namespace vorpa {

namespace {
constexpr int Padding = 4;
}

GridCellDelegate::GridCellDelegate(const GridPaintContext *context, QObject *parent)
    : QStyledItemDelegate(parent), m_context(context)
{
}

CellStyle GridCellDelegate::styleFor(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const GridLook &look = m_context->look;
    CellStyle style;
    style.selected = option.state.testFlag(QStyle::State_Selected);
    style.evenBackground = look.evenRowColor;
    style.oddBackground = look.oddRowColor;
    style.selectedBackground = look.selectedRowColor;
    style.selectedTextColor = look.selectedTextColor;
    style.background = style.selected ? look.selectedRowColor
                                      : (index.row() % 2 == 0 ? look.evenRowColor : look.oddRowColor);
    style.textColor = style.selected ? look.selectedTextColor : look.textColor;
    style.font = look.font;
    if (style.selected && look.selectedTextBold)
        style.font.setBold(true);
    return style;
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int kind = index.data(DataSetModel::RowKindRole).toInt();
    if (kind != DataSetModel::DataRow) {
        paintGroupRow(painter, option, index, kind == DataSetModel::GroupHeaderRow);
        return;
    }
    const CellStyle style = styleFor(option, index);
    painter->save();
    painter->fillRect(option.rect, style.background);
    painter->setFont(style.font);
    painter->setPen(style.textColor);
    painter->setClipRect(option.rect);
    paintContent(painter, option.rect, index, style);
    painter->restore();
}

void GridCellDelegate::paintGroupRow(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index, bool header) const
{
    const GridLook &look = m_context->look;
    painter->save();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect, selected ? look.selectedRowColor : (header ? look.groupRowColor : look.footerColor));
    QFont font = look.font;
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(selected ? look.selectedTextColor : look.textColor);
    const QString text = index.data(Qt::DisplayRole).toString();
    QRect r = option.rect.adjusted(Padding, 0, -Padding, 0);
    if (header) {
        // An expand/collapse box before the group's caption.
        const bool expanded = index.data(DataSetModel::ExpandedRole).toBool();
        const int box = 11;
        const QRect boxRect(r.left(), r.center().y() - box / 2, box, box);
        painter->setPen(look.textColor);
        painter->setBrush(Qt::white);
        painter->drawRect(boxRect);
        painter->drawLine(boxRect.left() + 3, boxRect.center().y(), boxRect.right() - 2, boxRect.center().y());
        if (!expanded)
            painter->drawLine(boxRect.center().x(), boxRect.top() + 3, boxRect.center().x(), boxRect.bottom() - 2);
        r.setLeft(boxRect.right() + 8);
        painter->drawText(r, int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine, text);
    } else {
        painter->drawText(r, int(alignmentOf(index, Qt::AlignRight | Qt::AlignVCenter)), text);
    }
    painter->restore();
}

void GridCellDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                                    const CellStyle &style) const
{
    drawText(painter, rect, index.data(Qt::DisplayRole).toString(), alignmentOf(index, Qt::AlignLeft | Qt::AlignVCenter),
             index, style);
}

QSize GridCellDelegate::contentSize(const QModelIndex &index, const CellStyle &style) const
{
    const QFontMetrics fm(style.font);
    return {fm.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 2 * Padding + 2, fm.height()};
}

QSize GridCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const CellStyle style = styleFor(option, index);
    if (index.data(DataSetModel::RowKindRole).toInt() != DataSetModel::DataRow) {
        QFont bold = style.font;
        bold.setBold(true);
        // Group captions span the row; only footers ask for room in their column.
        if (index.data(DataSetModel::RowKindRole).toInt() == DataSetModel::GroupHeaderRow)
            return {0, QFontMetrics(bold).height()};
        return {QFontMetrics(bold).horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 2 * Padding + 2,
                QFontMetrics(bold).height()};
    }
    return contentSize(index, style);
}

Qt::Alignment GridCellDelegate::alignmentOf(const QModelIndex &index, Qt::Alignment fallback) const
{
    const QVariant v = index.data(Qt::TextAlignmentRole);
    return v.isValid() ? Qt::Alignment(v.toInt()) : fallback;
}

void GridCellDelegate::drawText(QPainter *painter, const QRect &rect, const QString &text, Qt::Alignment alignment,
                                const QModelIndex &index, const CellStyle &style, bool wrap) const
{
    const QRect r = rect.adjusted(Padding, 0, -Padding, 0);
    const QFontMetrics fm(style.font);
    const bool searched = index.row() == m_context->searchRow && index.column() == m_context->searchColumn
        && m_context->searchLength > 0;
    if (wrap) {
        if (searched) {
            const QRect first = QStyle::alignedRect(Qt::LeftToRight, alignment,
                                                    fm.boundingRect(r, int(alignment) | Qt::TextWordWrap, text).size(), r);
            const QString prefix = text.left(m_context->searchLength).section(QLatin1Char('\n'), 0, 0);
            painter->fillRect(QRect(first.left(), first.top(), fm.horizontalAdvance(prefix), fm.height()),
                              m_context->look.searchHighlightColor);
        }
        painter->drawText(r, int(alignment) | Qt::TextWordWrap, text);
        return;
    }
    const QString shown = fm.elidedText(text, Qt::ElideRight, r.width());
    if (searched) {
        const QRect whole = QStyle::alignedRect(Qt::LeftToRight, alignment, QSize(fm.horizontalAdvance(shown), fm.height()), r);
        const int prefix = fm.horizontalAdvance(shown.left(m_context->searchLength));
        painter->fillRect(QRect(whole.left(), whole.top(), std::min(prefix, whole.width()), whole.height()),
                          m_context->look.searchHighlightColor);
    }
    painter->drawText(r, int(alignment) | Qt::TextSingleLine, shown);
}

void GridCellDelegate::drawCenteredIcon(QPainter *painter, const QRect &rect, const QIcon &icon) const
{
    if (icon.isNull())
        return;
    const int side = std::max(8, std::min({rect.width() - 4, rect.height() - 8, 24}));
    const QRect target(rect.center().x() - side / 2 + 1, rect.center().y() - side / 2 + 1, side, side);
    icon.paint(painter, target);
}

} // namespace vorpa
