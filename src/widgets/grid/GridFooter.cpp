#include "GridFooter.h"

#include <algorithm>

#include "GridLook.h"

#include <QHeaderView>
#include <QPainter>

namespace vorpa {

namespace {
constexpr int LineHeight = 22;
}

GridFooter::GridFooter(const GridLook *look, QHeaderView *header, std::function<Texts()> provider, QWidget *parent)
    : QWidget(parent), m_look(look), m_header(header), m_provider(std::move(provider))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(header, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionCountChanged, this, qOverload<>(&QWidget::update));
}

void GridFooter::invalidate()
{
    m_dirty = true;
    update();
}

void GridFooter::setLineCount(int lines)
{
    m_lines = std::max(1, lines);
    updateGeometry();
}

const GridFooter::Texts &GridFooter::texts() const
{
    if (m_dirty) {
        m_texts = m_provider ? m_provider() : Texts{};
        m_dirty = false;
    }
    return m_texts;
}

void GridFooter::setLeftOffset(int pixels)
{
    m_leftOffset = pixels;
    update();
}

QSize GridFooter::sizeHint() const
{
    return {100, m_lines * LineHeight + 8};
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_look->footerColor);
    p.setPen(m_look->footerColor.darker(125));
    p.drawLine(rect().topLeft(), rect().topRight());
    QFont font = m_look->font;
    font.setBold(true);
    p.setFont(font);
    const Texts &t = texts();
    const int top = 4;
    // A summary wider than its narrow column (a count under an icon column) spreads to the right
    // over columns without a summary of their own, rather than being cut.
    QList<int> starts;
    for (auto it = t.byColumn.begin(); it != t.byColumn.end(); ++it)
        if (it.key() >= 0 && it.key() < m_header->count() && !m_header->isSectionHidden(it.key()))
            starts.append(m_leftOffset + m_header->sectionViewportPosition(it.key()));
    std::sort(starts.begin(), starts.end());
    for (auto it = t.byColumn.begin(); it != t.byColumn.end(); ++it) {
        const int column = it.key();
        if (column < 0 || column >= m_header->count() || m_header->isSectionHidden(column))
            continue;
        const int x = m_leftOffset + m_header->sectionViewportPosition(column);
        const auto next = std::upper_bound(starts.begin(), starts.end(), x);
        const int room = (next == starts.end() ? width() : *next) - x;
        int widest = 0;
        for (const QString &text : *it)
            widest = std::max(widest, p.fontMetrics().horizontalAdvance(text));
        const int w = std::max(m_header->sectionSize(column), std::min(widest + 16, room));
        if (w <= 8)
            continue;
        for (int line = 0; line < it->size(); ++line) {
            const QRect cell(x + 2, top + line * LineHeight, w - 4, LineHeight - 2);
            p.setPen(m_look->footerColor.darker(140));
            p.setBrush(Qt::white);
            p.drawRect(cell.adjusted(0, 0, -1, -1));
            p.setPen(m_look->textColor);
            p.drawText(cell.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                       p.fontMetrics().elidedText(it->at(line), Qt::ElideLeft, cell.width() - 8));
        }
    }
    if (!t.unbound.isEmpty()) {
        p.setPen(m_look->textColor);
        for (int line = 0; line < t.unbound.size(); ++line)
            p.drawText(QRect(0, top + line * LineHeight, width() - 8, LineHeight - 2), Qt::AlignRight | Qt::AlignVCenter,
                       t.unbound.at(line));
    }
}

} // namespace vorpa
