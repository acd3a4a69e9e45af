#pragma once

#include "GridCellDelegate.h"

#include <QCache>
#include <QPixmap>

namespace vorpa {

/// A picture held as image bytes in the row (any format Qt reads), scaled into the cell.
class PictureCellDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    using GridCellDelegate::GridCellDelegate;

    /// Drops decoded pictures, e.g. after the rows were replaced.
    void clearCache() { m_cache.clear(); }

protected:
    void paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index,
                      const CellStyle &style) const override;
    QSize contentSize(const QModelIndex &index, const CellStyle &style) const override;

private:
    const QPixmap *pixmapFor(const QModelIndex &index) const;
    mutable QCache<QByteArray, QPixmap> m_cache{64 * 1024}; // keyed by the bytes' hash, cost in KB
};

} // namespace vorpa
