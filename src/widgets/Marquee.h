#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace vorpa {

/// A strip that scrolls its items from right to left: simple-HTML texts rendered with Qt's rich
/// text, or owner-drawn items painted into a pixmap by a handler (the lower banner).
class Marquee : public QWidget {
    Q_OBJECT
public:
    /// Paints an owner-drawn item into its pixmap (already sized and cleared to transparent).
    using DrawHandler = std::function<void(QPixmap &target)>;

    explicit Marquee(QWidget *parent = nullptr);

    /// Adds one simple-HTML item; a text of blanks only adds nothing. Returns whether it was added.
    bool addHtmlItem(const QString &html);
    /// Adds one owner-drawn item of the given size; the handler fills its pixmap whenever the item
    /// is (re)drawn, see refreshDrawnItems().
    void addDrawnItem(const QSize &size, DrawHandler draw);
    /// Adds an owner-drawn item that shows a copy of the picture at its own size.
    void addPixmapItem(const QPixmap &picture);
    /// Asks every owner-drawn item to paint itself again (its source picture changed).
    void refreshDrawnItems();
    void clearItems();
    int itemCount() const { return int(m_items.size()); }

    /// Scrolling runs only while started, visible and holding something to show.
    void start();
    void stop();
    bool isStarted() const { return m_started; }
    /// True while the timer is actually ticking (for checks that an idle strip costs nothing).
    bool isTicking() const { return m_timer.isActive(); }

    /// Pixels between neighbouring items and between the last item and the first one again.
    void setItemSpacing(int pixels);
    int itemSpacing() const { return m_spacing; }
    /// Pixels moved per timer step and the step interval.
    void setStep(int pixels, int intervalMs);

    /// Left edge of the first item, in widget coordinates; starts at the strip's right edge.
    int scrollOffset() const { return m_offset; }
    /// Total width of all items with their spacing.
    int contentWidth() const;
    /// Height of the tallest item (0 when empty).
    int contentHeight() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Item {
        QString html;         // empty for owner-drawn items
        DrawHandler draw;     // empty for HTML items
        QSize drawnSize;
        QPixmap rendered;
    };

    void renderItem(Item &item) const;
    void advance();
    void updateTimer();

    std::vector<Item> m_items;
    QTimer m_timer;
    int m_offset = 0;
    int m_spacing = 5;
    int m_step = 2;
    bool m_started = false;
    bool m_offsetPlaced = false;
};

} // namespace vorpa
