#pragma once

#include "GridCellDelegate.h"

namespace vorpa {

/// Number cells: the formatted value, right-aligned.
class NumberCellDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    using GridCellDelegate::GridCellDelegate;

protected:
    void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                      const CellStyle &style) const override;
};

} // namespace vorpa
