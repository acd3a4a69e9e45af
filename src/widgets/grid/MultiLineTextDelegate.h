#pragma once

#include "GridCellDelegate.h"

namespace vorpa {

/// Notes and descriptions wrapped over several lines inside the row.
class MultiLineTextDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    using GridCellDelegate::GridCellDelegate;

protected:
    void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                      const CellStyle &style) const override;
    QSize contentSize(const QModelIndex &index, const CellStyle &style) const override;
};

} // namespace vorpa
