#include "GridIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>
#include <numbers>

namespace vorpa {
namespace {

// Icons are drawn once, at two sizes so that they stay sharp in 40 to 100 pixel rows.
QIcon drawnIcon(const std::function<void(QPainter &, qreal)> &paint)
{
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        paint(p, 32.0);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

void disc(QPainter &p, const QColor &fill)
{
    p.setPen(QPen(fill.darker(140), 1.5));
    p.setBrush(fill);
    p.drawEllipse(QRectF(2, 2, 28, 28));
}

QPen whitePen(qreal width)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void tick(QPainter &p)
{
    p.setPen(whitePen(3.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 10.5)}));
}

void cross(QPainter &p)
{
    p.setPen(whitePen(3.5));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

QIcon makeStatusIcon(int code)
{
    switch (code) {
    case 0: // none in stock: red with a cross
        return drawnIcon([](QPainter &p, qreal) { disc(p, QColor(214, 48, 49)); cross(p); });
    case 1: // in stock: green with a tick
        return drawnIcon([](QPainter &p, qreal) { disc(p, QColor(39, 174, 96)); tick(p); });
    case 2: // call us: orange with a handset
        return drawnIcon([](QPainter &p, qreal) {
            disc(p, QColor(243, 156, 18));
            QPainterPath handset;
            handset.moveTo(10, 9);
            handset.cubicTo(8, 15, 13, 22, 22, 23);
            p.setPen(whitePen(4.5));
            p.setBrush(Qt::NoBrush);
            p.drawPath(handset);
            p.setPen(whitePen(3));
            p.drawLine(QPointF(9, 8), QPointF(12.5, 11.5));
            p.drawLine(QPointF(20.5, 20.5), QPointF(24, 24));
        });
    case 3: // on the way: blue with a lorry
        return drawnIcon([](QPainter &p, qreal) {
            disc(p, QColor(41, 128, 185));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 11, 11, 9));
            p.drawPolygon(QPolygonF({QPointF(18, 13), QPointF(22, 13), QPointF(25, 16.5), QPointF(25, 20),
                                     QPointF(18, 20)}));
            p.setBrush(QColor(41, 128, 185));
            p.setPen(whitePen(1.5));
            p.drawEllipse(QPointF(11, 21.5), 2.2, 2.2);
            p.drawEllipse(QPointF(21.5, 21.5), 2.2, 2.2);
        });
    case 4: // special order: purple with a star
        return drawnIcon([](QPainter &p, qreal) {
            disc(p, QColor(142, 68, 173));
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const qreal r = (i % 2) ? 4.2 : 10.0;
                const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
                star << QPointF(16 + r * std::cos(a), 16.5 + r * std::sin(a));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPolygon(star);
        });
    case 5: // being supplied: teal with a clock
        return drawnIcon([](QPainter &p, qreal) {
            disc(p, QColor(22, 160, 133));
            p.setPen(whitePen(2.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(8, 8, 16, 16));
            p.drawLine(QPointF(16, 16), QPointF(16, 10.5));
            p.drawLine(QPointF(16, 16), QPointF(20, 18));
        });
    default:
        return {};
    }
}

} // namespace

QIcon StockStatusIcon(int code)
{
    static QHash<int, QIcon> cache;
    if (code < 0 || code > 5)
        return {};
    auto it = cache.find(code);
    if (it == cache.end())
        it = cache.insert(code, makeStatusIcon(code));
    return *it;
}

QString StockStatusText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("Yok");
    case 1: return QStringLiteral("Var");
    case 2: return QStringLiteral("Telefon Açınız");
    case 3: return QStringLiteral("Yolda");
    case 4: return QStringLiteral("Özel Sipariş");
    case 5: return QStringLiteral("Tedarik Sürecinde");
    default: return {};
    }
}

QIcon StockCriticalLevelIcon()
{
    static const QIcon icon = drawnIcon([](QPainter &p, qreal) {
        p.setPen(QPen(QColor(180, 140, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(241, 196, 15));
        p.drawPolygon(QPolygonF({QPointF(16, 3), QPointF(30, 28), QPointF(2, 28)}));
        p.setPen(QPen(QColor(60, 60, 60), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 11), QPointF(16, 19));
        p.drawPoint(QPointF(16, 24));
    });
    return icon;
}

QIcon YesIcon()
{
    static const QIcon icon = drawnIcon([](QPainter &p, qreal) { disc(p, QColor(39, 174, 96)); tick(p); });
    return icon;
}

QIcon NoIcon()
{
    static const QIcon icon = drawnIcon([](QPainter &p, qreal) { disc(p, QColor(149, 165, 166)); cross(p); });
    return icon;
}

QIcon PictureAvailableIcon()
{
    static const QIcon icon = drawnIcon([](QPainter &p, qreal) {
        p.setPen(QPen(QColor(52, 73, 94), 1.5));
        p.setBrush(QColor(52, 73, 94));
        p.drawRoundedRect(QRectF(3, 9, 26, 18), 3, 3);
        p.drawRect(QRectF(11, 6, 10, 4));
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(16, 18), 6, 6);
        p.setBrush(QColor(52, 152, 219));
        p.drawEllipse(QPointF(16, 18), 3.8, 3.8);
    });
    return icon;
}

} // namespace vorpa
