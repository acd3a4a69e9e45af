#pragma once

#include "GridCellDelegate.h"

namespace vorpa {

/// Plain text cells.
class TextCellDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    using GridCellDelegate::GridCellDelegate;

protected:
    void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                      const CellStyle &style) const override;
};

} // namespace vorpa
