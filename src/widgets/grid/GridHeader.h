#pragma once

#include <QHeaderView>

#include <functional>

namespace vorpa {

struct GridLook;

/// The column headers of a grid: the grid's header colours, centred captions, a sort mark and a
/// filter button in each filterable column (highlighted while the column is filtered).
class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    GridHeader(const GridLook *look, QWidget *parent = nullptr);

    /// Which columns show a filter button and which are filtered now.
    void setFilterQueries(std::function<bool(int)> filterable, std::function<bool(int)> filtered);
    /// The filter button's rectangle of a column, in header coordinates.
    QRect filterButtonRect(int logicalIndex) const;

signals:
    void filterButtonClicked(int logicalIndex);
    void columnChooserRequested(const QPoint &globalPos);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QRect buttonRectIn(const QRect &section) const;

    const GridLook *m_look;
    std::function<bool(int)> m_filterable;
    std::function<bool(int)> m_filtered;
    int m_pressedButton = -1;
};

} // namespace vorpa
