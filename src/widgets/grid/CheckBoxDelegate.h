#pragma once

#include "GridCellDelegate.h"

namespace vorpa {

/// The selection column: a check box ticked for 1 and empty otherwise; read-only here, the
/// window changes the value itself.
class CheckBoxDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    using GridCellDelegate::GridCellDelegate;

    static QString textFor(const QVariant &value);

protected:
    void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                      const CellStyle &style) const override;
    QSize contentSize(const QModelIndex &index, const CellStyle &style) const override;
};

} // namespace vorpa
