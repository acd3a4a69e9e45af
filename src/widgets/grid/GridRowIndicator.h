#pragma once

#include <QHeaderView>

namespace vorpa {

struct GridLook;

/// The narrow row indicator at the left of a grid; it marks the focused row.
class GridRowIndicator : public QHeaderView {
    Q_OBJECT
public:
    GridRowIndicator(const GridLook *look, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    const GridLook *m_look;
};

} // namespace vorpa
