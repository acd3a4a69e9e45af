#pragma once

#include "GridColumn.h"

#include <QStyledItemDelegate>

namespace vorpa {

struct GridPaintContext;

/// Base of the cell delegates: paints the row background (alternating, selected), group rows,
/// and text with the incremental-search highlight; subclasses paint the content of their kind.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridCellDelegate(const GridPaintContext *context, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return nullptr; // grids are read-only
    }

protected:
    /// Paints a data cell whose background is already filled.
    virtual void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                              const CellStyle &style) const;
    /// Width and height the content needs, for best fit.
    virtual QSize contentSize(const QModelIndex &index, const CellStyle &style) const;

    /// Draws text inside rect (4 pixels padding), highlighting the matched prefix of a search.
    void drawText(QPainter *painter, const QRect &rect, const QString &text, Qt::Alignment alignment,
                  const QModelIndex &index, const CellStyle &style, bool wrap = false) const;
    void drawCenteredIcon(QPainter *painter, const QRect &rect, const QIcon &icon) const;
    Qt::Alignment alignmentOf(const QModelIndex &index, Qt::Alignment fallback) const;

    const GridPaintContext *m_context;

private:
    CellStyle styleFor(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void paintGroupRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                       bool header) const;
};

} // namespace vorpa
