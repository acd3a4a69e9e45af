#include "PictureCellDelegate.h"

#include "DataSetModel.h"

#include <QCryptographicHash>
#include <QPainter>

namespace vorpa {

const QPixmap *PictureCellDelegate::pixmapFor(const QModelIndex &index) const
{
    const QByteArray bytes = index.data(DataSetModel::BytesRole).toByteArray();
    if (bytes.isEmpty())
        return nullptr;
    const QByteArray key = QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
    if (QPixmap *cached = m_cache.object(key))
        return cached;
    auto *pm = new QPixmap;
    if (!pm->loadFromData(bytes)) {
        delete pm;
        return nullptr;
    }
    const qsizetype cost = std::max<qsizetype>(1, qsizetype(pm->width()) * pm->height() * 4 / 1024);
    m_cache.insert(key, pm, cost);
    return m_cache.object(key);
}

void PictureCellDelegate::paintContent(QPainter *painter, const QRect &rect, const QModelIndex &index, const CellStyle &) const
{
    const QPixmap *pm = pixmapFor(index);
    if (!pm || pm->isNull())
        return;
    const QRect area = rect.adjusted(2, 2, -2, -2);
    const QSize size = pm->size().scaled(area.size(), Qt::KeepAspectRatio).boundedTo(pm->size().expandedTo(area.size()));
    const QRect target = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(target, *pm);
}

QSize PictureCellDelegate::contentSize(const QModelIndex &index, const CellStyle &) const
{
    const QPixmap *pm = pixmapFor(index);
    return pm ? pm->size() : QSize(40, 20);
}

} // namespace vorpa
