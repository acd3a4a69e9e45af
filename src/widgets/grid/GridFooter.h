#pragma once

#include <QHash>
#include <QWidget>

#include <functional>

class QHeaderView;

namespace vorpa {

struct GridLook;

/// The summary row under a grid: each column's summaries under it, unbound ones at the right.
/// Texts are asked for when the row is painted after a change, not at every change.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    struct Texts {
        QHash<int, QStringList> byColumn;
        QStringList unbound;
    };
    GridFooter(const GridLook *look, QHeaderView *header, std::function<Texts()> provider, QWidget *parent = nullptr);

    /// The rows changed: compute the texts again before the next paint.
    void invalidate();
    const Texts &texts() const;
    /// Lines of the row: the most summaries that share one place.
    void setLineCount(int lines);
    /// Left edge of the columns inside the footer (the row indicator's width).
    void setLeftOffset(int pixels);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const GridLook *m_look;
    QHeaderView *m_header;
    std::function<Texts()> m_provider;
    mutable Texts m_texts;
    mutable bool m_dirty = true;
    int m_leftOffset = 0;
    int m_lines = 1;
};

} // namespace vorpa
