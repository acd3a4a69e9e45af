#include "Marquee.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QtMath>

#include <algorithm>

namespace vorpa {

namespace {
constexpr int kDefaultIntervalMs = 30;
}

Marquee::Marquee(QWidget *parent) : QWidget(parent)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(24);
    setFont(font);
    m_timer.setInterval(kDefaultIntervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Marquee::advance);
}

bool Marquee::addHtmlItem(const QString &html)
{
    if (html.trimmed().isEmpty())
        return false;
    Item item;
    item.html = html;
    renderItem(item);
    m_items.push_back(std::move(item));
    updateGeometry();
    updateTimer();
    update();
    return true;
}

void Marquee::addDrawnItem(const QSize &size, DrawHandler draw)
{
    Item item;
    item.draw = std::move(draw);
    item.drawnSize = size.expandedTo(QSize(0, 0));
    renderItem(item);
    m_items.push_back(std::move(item));
    updateGeometry();
    updateTimer();
    update();
}

void Marquee::addPixmapItem(const QPixmap &picture)
{
    addDrawnItem(picture.deviceIndependentSize().toSize(), [picture](QPixmap &target) {
        QPainter painter(&target);
        painter.drawPixmap(QPoint(0, 0), picture);
    });
}

void Marquee::refreshDrawnItems()
{
    for (Item &item : m_items) {
        if (item.draw)
            renderItem(item);
    }
    update();
}

void Marquee::clearItems()
{
    m_items.clear();
    m_offsetPlaced = false;
    updateGeometry();
    updateTimer();
    update();
}

void Marquee::start()
{
    m_started = true;
    updateTimer();
}

void Marquee::stop()
{
    m_started = false;
    updateTimer();
}

void Marquee::setItemSpacing(int pixels)
{
    m_spacing = std::max(0, pixels);
    update();
}

void Marquee::setStep(int pixels, int intervalMs)
{
    m_step = std::max(1, pixels);
    m_timer.setInterval(std::max(1, intervalMs));
}

int Marquee::contentWidth() const
{
    int width = 0;
    for (const Item &item : m_items)
        width += int(item.rendered.deviceIndependentSize().width()) + m_spacing;
    return width;
}

int Marquee::contentHeight() const
{
    int height = 0;
    for (const Item &item : m_items)
        height = std::max(height, int(item.rendered.deviceIndependentSize().height()));
    return height;
}

QSize Marquee::sizeHint() const
{
    return QSize(200, std::max(contentHeight(), fontMetrics().height()));
}

QSize Marquee::minimumSizeHint() const
{
    return QSize(0, 0);
}

void Marquee::renderItem(Item &item) const
{
    const qreal ratio = devicePixelRatioF();
    if (item.draw) {
        QPixmap pixmap(item.drawnSize.isEmpty() ? QSize(1, 1) : item.drawnSize * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        if (!item.drawnSize.isEmpty())
            item.draw(pixmap);
        item.rendered = item.drawnSize.isEmpty() ? QPixmap() : pixmap;
        return;
    }

    QTextDocument document;
    document.setDefaultFont(font());
    document.setDocumentMargin(0);
    document.setHtml(item.html);
    document.setTextWidth(-1); // one line: the item is as wide as its text
    const QSizeF size = document.size();
    const QSize pixelSize(qMax(1, qCeil(size.width())), qMax(1, qCeil(size.height())));
    QPixmap pixmap(pixelSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    document.documentLayout()->draw(&painter, context);
    item.rendered = pixmap;
}

void Marquee::advance()
{
    const int total = contentWidth();
    if (total <= 0) {
        updateTimer();
        return;
    }
    if (!m_offsetPlaced) {
        m_offset = width();
        m_offsetPlaced = true;
    }
    m_offset -= m_step;
    if (m_offset + total <= 0)
        m_offset = width(); // everything has left at the left: enter again from the right
    update();
}

void Marquee::updateTimer()
{
    const bool shouldTick = m_started && isVisible() && contentWidth() > 0 && width() > 0;
    if (shouldTick && !m_timer.isActive()) {
        if (!m_offsetPlaced) {
            m_offset = width();
            m_offsetPlaced = true;
        }
        m_timer.start();
    } else if (!shouldTick && m_timer.isActive()) {
        m_timer.stop();
    }
}

void Marquee::paintEvent(QPaintEvent *)
{
    if (m_items.empty())
        return;
    QPainter painter(this);
    int x = m_offset;
    for (const Item &item : m_items) {
        const QSizeF size = item.rendered.deviceIndependentSize();
        if (x + size.width() > 0 && x < width()) {
            const int y = (height() - int(size.height())) / 2;
            painter.drawPixmap(QPoint(x, y), item.rendered);
        }
        x += int(size.width()) + m_spacing;
        if (x >= width())
            break;
    }
}

void Marquee::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateTimer();
}

void Marquee::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    updateTimer();
}

void Marquee::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateTimer();
}

void Marquee::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        for (Item &item : m_items) {
            if (!item.draw)
                renderItem(item);
        }
        updateGeometry();
        update();
    }
}

} // namespace vorpa
