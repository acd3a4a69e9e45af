#pragma once

#include "GridCellDelegate.h"

namespace vorpa {

/// A cell the window paints itself: the hook gets the painter, the cell, the row's values and
/// the colours the grid would use; the grid draws nothing else in it.
class DrawnCellDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    DrawnCellDelegate(const GridPaintContext *context, DrawCellFunction draw, QObject *parent = nullptr);

protected:
    void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                      const CellStyle &style) const override;

private:
    DrawCellFunction m_draw;
};

} // namespace vorpa
