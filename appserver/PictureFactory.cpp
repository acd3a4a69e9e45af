#include "PictureFactory.h"

#include "GifEncoder.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vorpa {

namespace {

QByteArray save(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QColor hueColour(int seed, int saturation, int value)
{
    return QColor::fromHsv((seed * 47) % 360, saturation, value);
}

} // namespace

QByteArray PictureFactory::stockPicture(int stockNo, const QString &brand, const QString &code, const QString &group)
{
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, 240);
    background.setColorAt(0, QColor(250, 250, 252));
    background.setColorAt(1, hueColour(stockNo, 30, 225));
    p.fillRect(image.rect(), background);

    // A part-like shape: a toothed wheel with a hub, coloured by stock number.
    const QPointF centre(160, 112);
    const int teeth = 8 + stockNo % 9;
    QPainterPath wheel;
    for (int i = 0; i <= teeth * 2; ++i) {
        const double angle = M_PI * i / teeth;
        const double radius = (i % 2 == 0) ? 78 : 64;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            wheel.moveTo(point);
        else
            wheel.lineTo(point);
    }
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(hueColour(stockNo, 140, 190));
    p.drawPath(wheel);
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(centre, 24, 24);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRect(0, 196, 320, 20), Qt::AlignCenter, brand + QStringLiteral(" · ") + code);
    font.setPixelSize(12);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(0, 216, 320, 20), Qt::AlignCenter, group);
    p.end();
    return save(image, "JPEG", 85);
}

QByteArray PictureFactory::announcementPicture(const QString &title, const QString &subtitle, int variant)
{
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 600, 400);
    background.setColorAt(0, hueColour(variant * 3 + 1, 200, 200));
    background.setColorAt(1, hueColour(variant * 3 + 2, 160, 90));
    p.fillRect(image.rect(), background);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(80 + i * 95, 330 - (i % 3) * 40), 60 + i * 6, 60 + i * 6);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(40);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(20, 90, 560, 120), Qt::AlignCenter | Qt::TextWordWrap, title);
    font.setPixelSize(22);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(20, 220, 560, 80), Qt::AlignCenter | Qt::TextWordWrap, subtitle);
    font.setPixelSize(16);
    p.setFont(font);
    p.drawText(QRect(20, 360, 560, 30), Qt::AlignRight, QStringLiteral("Vorpa Otomotiv"));
    p.end();
    return save(image, "JPEG", 88);
}

QByteArray PictureFactory::upperBannerGif()
{
    constexpr int width = 728;
    constexpr int height = 60;
    const QString text = QStringLiteral("Vorpa Otomotiv B2B — Kampanyalı ürünlerde büyük fırsatlar!");
    QList<QImage> frames;
    for (int f = 0; f < 8; ++f) {
        QImage frame(width, height, QImage::Format_RGB32);
        frame.fill(QColor(226, 10, 23));
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        for (int i = 0; i < 8; ++i)
            p.drawEllipse(QPointF(20 + i * 96, 30), (i == f) ? 9 : 4, (i == f) ? 9 : 4);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(20);
        p.setFont(font);
        p.setPen(f % 2 ? QColor(255, 255, 255) : QColor(255, 230, 0));
        p.drawText(frame.rect(), Qt::AlignCenter, text);
        p.end();
        frames << frame;
    }
    return GifEncoder::encode(frames, 40);
}

QByteArray PictureFactory::lowerBannerBmp()
{
    QImage image(1000, 60, QImage::Format_RGB32);
    QLinearGradient background(0, 0, 1000, 0);
    background.setColorAt(0, QColor(61, 65, 74));
    background.setColorAt(1, QColor(120, 130, 150));
    QPainter p(&image);
    p.fillRect(image.rect(), background);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(image.rect(), Qt::AlignCenter,
               QStringLiteral("Orijinal ve muadil yedek parçada güvenilir çözüm ortağınız — Vorpa Otomotiv"));
    p.end();
    return save(image, "BMP");
}

} // namespace vorpa
