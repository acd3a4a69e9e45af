#pragma once

#include "GridCellDelegate.h"

namespace vorpa {

/// Cells that show only an icon, centred; the model supplies the icon of the value.
class IconCellDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    using GridCellDelegate::GridCellDelegate;

protected:
    void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                      const CellStyle &style) const override;
    QSize contentSize(const QModelIndex &index, const CellStyle &style) const override;
};

} // namespace vorpa
