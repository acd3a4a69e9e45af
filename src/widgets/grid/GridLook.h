#pragma once

#include <QColor>
#include <QFont>

namespace vorpa {

/// Colours, fonts and sizes of a grid; the defaults are the common look of the list grids.
struct GridLook {
    QColor evenRowColor{239, 239, 239}; // rows 0, 2, 4, ...
    QColor oddRowColor{255, 255, 255};
    QColor textColor{0, 0, 0};
    QColor backgroundColor{255, 255, 255}; // below the last row
    QColor selectedRowColor{210, 240, 249};
    QColor selectedTextColor{0, 0, 0};
    bool selectedTextBold = false;
    QColor headerColor{61, 65, 74};
    QColor headerTextColor{255, 255, 255};
    QColor indicatorColor{66, 66, 66};
    QColor gridLineColor{208, 208, 208};
    QColor searchHighlightColor{255, 214, 102};
    QColor groupRowColor{214, 219, 229};
    QColor footerColor{229, 232, 238};
    QFont font = defaultFont(QStringLiteral("Tahoma"), 13, false);
    QFont headerFont = defaultFont(QStringLiteral("Arial"), 13, true);
    int rowHeight = 40;
    int headerHeight = 40;
    int indicatorWidth = 12;
    bool indicatorVisible = true;
    bool headerVisible = true;
    bool gridLinesVisible = true;

    static QFont defaultFont(const QString &family, int pixelSize, bool bold)
    {
        QFont f(family);
        f.setPixelSize(pixelSize);
        f.setBold(bold);
        return f;
    }
    /// The header colours on the selected row (white bold text on the header colour).
    void useHeaderColorsForSelection()
    {
        selectedRowColor = headerColor;
        selectedTextColor = headerTextColor;
        selectedTextBold = true;
    }
};

} // namespace vorpa
