#include "ImageControl.h"

#include <QPainter>

namespace vorpa {

ImageControl::ImageControl(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void ImageControl::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
    emit pictureChanged();
}

void ImageControl::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void ImageControl::setProportional(bool on)
{
    m_proportional = on;
    update();
}

void ImageControl::setCenter(bool on)
{
    m_center = on;
    update();
}

void ImageControl::setTransparent(bool on)
{
    m_transparent = on;
    // A transparent control lets whatever lies beneath it show through its empty parts.
    setAutoFillBackground(!on);
    update();
}

QRect ImageControl::pictureRect() const
{
    if (m_picture.isNull())
        return {};
    QSize size = m_picture.deviceIndependentSize().toSize();
    if (m_stretch) {
        size = m_proportional ? size.scaled(this->size(), Qt::KeepAspectRatio) : this->size();
    } else if (m_proportional && (size.width() > width() || size.height() > height())) {
        size = size.scaled(this->size(), Qt::KeepAspectRatio);
    }
    QPoint topLeft(0, 0);
    if (m_center)
        topLeft = QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
    return QRect(topLeft, size);
}

QSize ImageControl::sizeHint() const
{
    return m_picture.isNull() ? QSize(105, 105) : m_picture.deviceIndependentSize().toSize();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(pictureRect(), m_picture);
}

} // namespace vorpa
