#pragma once

#include <QLocale>
#include <QString>

class QPainter;
class QRect;

namespace vorpa {

class RowValues;
struct CellStyle;

/// The prices of one stock row that the "Fiyat Bilgisi" cell shows.
struct PriceInfo {
    double listeFiyat = 0; // LISTEFIYAT1
    double kampFiyat = 0;  // KAMPFIYAT; 0 or below: no campaign price
    double netFiyat = 0;   // NETFIYAT
    double kdvDahil = 0;   // KDVDAHIL

    static PriceInfo fromRow(const RowValues &row);
};

/// The cell's text: one "caption amount\r\n" line per price, the campaign line only for a
/// campaign price above 0; amounts in the amount display format of locale.
QString PriceInfoText(const PriceInfo &prices, const QLocale &locale = QLocale());

/// Paints the cell: the row's background (selection, or the odd or even row colour by record
/// index), then the text right-aligned and vertically centred, 10 pixels in from both sides.
void DrawPriceInfoCell(QPainter *painter, const QRect &cell, const RowValues &row, const CellStyle &style);

} // namespace vorpa
