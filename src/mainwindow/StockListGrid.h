#pragma once

#include "GridColumn.h"

#include <QList>
#include <QString>

namespace vorpa {

class DataGrid;

/// The stock list grid's columns, footer and its layout rule for wide and narrow windows.
class StockListGrid {
public:
    /// Windows wider than this show the four price columns; others the drawn price information.
    static constexpr int WideWindowLimit = 1152;
    static inline const QString PriceInfoColumn = QStringLiteral("FiyatBilgisi");
    /// The caption of the first column: the wholesaler's main depot.
    static inline const QString MainDepotName = QStringLiteral("İstanbul");

    static QList<GridColumn> columns();
    /// Declares the columns, the footer counts and the row height the grid has before its first layout.
    static void setUp(DataGrid &grid);
    /// Price columns or price information by the window's width, rows 60 or 100 pixels high,
    /// widths by weight (and fixed widths for the narrow form), as one update of the grid.
    static void layOut(DataGrid &grid, int windowWidth);
};

} // namespace vorpa
