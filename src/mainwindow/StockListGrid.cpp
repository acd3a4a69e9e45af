#include "StockListGrid.h"

#include "DataGrid.h"
#include "PriceInfoCell.h"

namespace vorpa {

namespace {

GridColumn column(const QString &caption, const char *field, int weight, ColumnVisibility shown,
                  ColumnKind kind = ColumnKind::Text, ColumnOffer offered = Offered)
{
    GridColumn c;
    c.caption = caption;
    c.field = QString::fromLatin1(field);
    c.weight = weight;
    c.shown = shown;
    c.offered = offered;
    c.kind = kind;
    return c;
}

const char *const PriceColumns[] = {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"};

} // namespace

QList<GridColumn> StockListGrid::columns()
{
    using K = ColumnKind;
    QList<GridColumn> c;
    c << column(MainDepotName, "DURUM", 1, Shown, K::StatusIcon)
      << column(QStringLiteral("Depo"), "DEPO2", 1, Shown, K::TextIcon)
      << column(QStringLiteral("Oem1"), "OEM1", 2, Hidden)
      << column(QStringLiteral("Oem2"), "OEM2", 2, Hidden)
      << column(QStringLiteral("Oem3"), "OEM3", 2, Hidden)
      << column(QStringLiteral("Barkod"), "BARKOD", 2, Shown)
      << column(QStringLiteral("Açıklama"), "ADI", 3, Shown)
      << column(QStringLiteral("Oem4"), "OEM4", 2, Hidden)
      << column(QString(), "STOK_STOKNO", 1, Hidden, K::Text, NotOffered)
      << column(QStringLiteral("Finish Kod"), "FINISHKOD", 2, Hidden)
      << column(QStringLiteral("Üretici Kod"), "URETICIKODU", 2, Hidden)
      << column(QStringLiteral("Resim"), "RESIM", 1, Shown, K::PictureFlag)
      << column(QString(), "BARKOD_BARKODNO", 1, Hidden, K::Text, NotOffered)
      << column(QStringLiteral("Diğer Adı"), "DIGERADI", 3, Hidden)
      << column(QString(), "DPKOD", 2, Hidden, K::Text, NotOffered)
      << column(QStringLiteral("Oem No"), "OEMNO", 2, Hidden)
      << column(QStringLiteral("Birim"), "BIRIM", 1, Hidden)
      << column(QStringLiteral("Marka"), "MARKA", 2, Shown)
      << column(QStringLiteral("Model"), "MODEL", 2, Shown)
      << column(QStringLiteral("Ana Grup"), "ANAGRUP", 2, Hidden)
      << column(QStringLiteral("Özel Kod"), "OZELKOD", 2, Shown)
      << column(QString(), "KALAN", 1, Hidden, K::Number, NotOffered)
      << column(QString(), "PKOD", 1, Hidden, K::Text, NotOffered)
      << column(QString(), "KDV", 1, Hidden, K::Number)
      << column(QString(), "ALINANSIPARIS", 1, Hidden, K::Number, NotOffered)
      << column(QString(), "VERILENSIPARIS", 1, Hidden, K::Number, NotOffered)
      << column(QStringLiteral("Liste Fiyatı"), "LISTEFIYAT1", 2, Shown, K::Number)
      << column(QStringLiteral("Kampanyalı Fiyat"), "KAMPFIYAT", 2, Shown, K::Number)
      << column(QStringLiteral("Liste Fiyatı"), "FIYAT", 2, Hidden, K::Number)
      << column(QStringLiteral("Yeni"), "Y", 1, Shown, K::YesNo)
      << column(QStringLiteral("Kampanyalı"), "K", 1, Shown, K::YesOnly)
      << column(QStringLiteral("İndirim Oran"), "INDIRIMYAZI", 2, Shown, K::CenteredText)
      << column(QStringLiteral("Net Fiyatı"), "NETFIYAT", 2, Shown, K::Number)
      << column(QStringLiteral("KDV Dahil Fiyat"), "KDVDAHIL", 3, Shown, K::Number);
    GridColumn info = column(QStringLiteral("Fiyat Bilgisi"), "", 2, Hidden, K::Drawn);
    info.name = PriceInfoColumn;
    info.draw = DrawPriceInfoCell;
    info.text = [](const RowValues &row) {
        QString text = PriceInfoText(PriceInfo::fromRow(row));
        return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).trimmed();
    };
    c << info;
    return c;
}

void StockListGrid::setUp(DataGrid &grid)
{
    grid.setColumns(columns());
    grid.setSummaries({GridSummary{SummaryKind::Count, QStringLiteral("DURUM"), {}, {}},
                       GridSummary{SummaryKind::Count, QStringLiteral("OEM1"), {}, {}}});
    grid.setRowHeight(40);
    grid.setRowSelection(true);
}

void StockListGrid::layOut(DataGrid &grid, int windowWidth)
{
    const bool wide = windowWidth > WideWindowLimit;
    grid.beginUpdate();
    for (const char *field : PriceColumns)
        grid.setColumnVisible(QString::fromLatin1(field), wide);
    grid.setColumnVisible(PriceInfoColumn, !wide);
    grid.setRowHeight(wide ? 60 : 100);
    grid.layoutByWeight();
    if (!wide) {
        for (const char *oem : {"OEM1", "OEM2", "OEM3"})
            grid.setColumnWidth(QString::fromLatin1(oem), 80);
        grid.setColumnWidth(PriceInfoColumn, 150);
    }
    grid.endUpdate();
}

} // namespace vorpa
