#pragma once

#include <QIcon>
#include <QString>

namespace vorpa {

/// Icon of a stock status code 0-5 ("Yok", "Var", "Telefon Açınız", "Yolda", "Özel Sipariş",
/// "Tedarik Sürecinde"); a null icon for any other code. Shared by the grids and the status legend.
QIcon StockStatusIcon(int code);
/// Description of a stock status code; empty for an unknown code.
QString StockStatusText(int code);
/// Icon of the legend entry " Kritik Seviye ", which no status code carries.
QIcon StockCriticalLevelIcon();

/// Icons of the flag columns: a tick for yes, a cross for no, a camera for "has a picture".
QIcon YesIcon();
QIcon NoIcon();
QIcon PictureAvailableIcon();

} // namespace vorpa
