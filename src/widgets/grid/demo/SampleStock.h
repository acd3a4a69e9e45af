#pragma once

#include "DataGrid.h"
#include "DataSet.h"
#include "NumberFormat.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRandomGenerator>

namespace vorpa::sample {

/// Fills a stock-like dataset with generated rows (repeatable: a fixed seed).
inline void fillStock(DataSet &ds, int rows, bool pictures = false)
{
    static const char *brands[] = {"BOSCH", "VALEO", "MAHLE", "FEBI", "SACHS", "LEMFÖRDER", "İNA", "ŞAHİN"};
    static const char *models[] = {"FIAT DOBLO", "RENAULT CLIO", "FORD TRANSIT", "VW CADDY", "TOFAŞ ŞAHİN"};
    static const char *parts[] = {"Fren balatası", "Yağ filtresi", "Debriyaj seti", "Işık anahtarı", "İç ayna",
                                  "Amortisör", "Triger kayışı", "Radyatör hortumu", "Buji", "Ön cam silecek"};
    ds.disableControls();
    ds.setFields({{"DURUM", FieldType::Int32},      {"DEPO2", FieldType::String},     {"OEM1", FieldType::String},
                  {"BARKOD", FieldType::String},    {"ADI", FieldType::String},       {"STOK_STOKNO", FieldType::Int32},
                  {"RESIM", FieldType::Int32},      {"MARKA", FieldType::String},     {"MODEL", FieldType::String},
                  {"OZELKOD", FieldType::String},   {"KDV", FieldType::Double},       {"LISTEFIYAT1", FieldType::Double},
                  {"KAMPFIYAT", FieldType::Double}, {"Y", FieldType::Int32},          {"K", FieldType::Int32},
                  {"INDIRIMYAZI", FieldType::String}, {"NETFIYAT", FieldType::Double}, {"KDVDAHIL", FieldType::Double},
                  {"SEC", FieldType::Int32},        {"TARIH", FieldType::DateTime},   {"NOT", FieldType::String},
                  {"RESIMVERI", FieldType::Bytes}});
    ds.reserve(rows);
    QRandomGenerator rng(20240315);
    QByteArray png;
    if (pictures) {
        QImage image(120, 60, QImage::Format_RGB32);
        image.fill(QColor(41, 128, 185));
        QPainter p(&image);
        p.setPen(Qt::white);
        p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("KAMPANYA"));
        p.end();
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    for (int r = 0; r < rows; ++r) {
        const int row = ds.appendRow();
        const double list = 5 + rng.bounded(500000) / 100.0;
        const double d1 = double(rng.bounded(4) * 5);
        const double net = roundTwo(list * (1 - d1 / 100), QLocale::c());
        const bool campaign = rng.bounded(6) == 0;
        ds.setInt(row, 0, rng.bounded(6));
        ds.setString(row, 1, rng.bounded(3) ? QStringLiteral("VAR") : QStringLiteral("YOK"));
        ds.setString(row, 2, QStringLiteral("%1").arg(rng.bounded(1000000000), 10, 10, QLatin1Char('0')));
        ds.setString(row, 3, QStringLiteral("VRP-%1").arg(r + 1, 6, 10, QLatin1Char('0')));
        ds.setString(row, 4, QString::fromUtf8(parts[rng.bounded(10)]) + QStringLiteral(" ") + QString::number(r % 97));
        ds.setInt(row, 5, 100000 + r);
        ds.setInt(row, 6, rng.bounded(2));
        ds.setString(row, 7, QString::fromUtf8(brands[rng.bounded(8)]));
        ds.setString(row, 8, QString::fromUtf8(models[rng.bounded(5)]));
        ds.setString(row, 9, QStringLiteral("OK%1").arg(rng.bounded(20)));
        ds.setDouble(row, 10, 20);
        ds.setDouble(row, 11, list);
        ds.setDouble(row, 12, campaign ? roundTwo(net * 0.9, QLocale::c()) : 0.0);
        ds.setInt(row, 13, rng.bounded(5) == 0 ? 1 : 0);
        ds.setInt(row, 14, campaign ? 1 : 0);
        ds.setString(row, 15, d1 > 0 ? QStringLiteral("%%1").arg(d1) : QString());
        ds.setDouble(row, 16, net);
        ds.setDouble(row, 17, roundTwo(net * 1.2, QLocale::c()));
        ds.setInt(row, 18, rng.bounded(2));
        ds.setDouble(row, 19, 45292 + rng.bounded(365));
        ds.setString(row, 20, r % 7 == 0 ? QStringLiteral("Acil gönderilsin.\nKargo: Yurtiçi") : QString());
        if (pictures && r % 3 == 0)
            ds.setBytes(row, 21, png);
    }
    for (int c : {10, 11, 12, 16, 17})
        ds.setDisplayFormat(c, AmountFormat);
    ds.enableControls();
}

/// The price cell the stock list draws: its prices on several lines, right-aligned.
inline void drawPriceCell(QPainter *p, const QRect &rect, const RowValues &row, const CellStyle &style)
{
    const QLocale locale;
    QString text = QStringLiteral("Liste Fiyatı: ") + formatFloat(row.doubleValue("LISTEFIYAT1"), AmountFormat, locale)
        + QLatin1Char('\n');
    if (row.doubleValue("KAMPFIYAT") > 0)
        text += QStringLiteral("Kampanyalı Fiyat: ") + formatFloat(row.doubleValue("KAMPFIYAT"), AmountFormat, locale)
            + QLatin1Char('\n');
    text += QStringLiteral("NetFiyat: ") + formatFloat(row.doubleValue("NETFIYAT"), AmountFormat, locale) + QLatin1Char('\n');
    text += QStringLiteral("KDV li Fiyat: ") + formatFloat(row.doubleValue("KDVDAHIL"), AmountFormat, locale);
    p->fillRect(rect, style.background);
    p->setFont(style.font);
    p->setPen(style.textColor);
    p->drawText(rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter, text);
}

/// Every column kind over the generated stock rows.
inline QList<GridColumn> stockColumns()
{
    GridColumn price{"Fiyat Bilgisi", "", 2, Hidden, Offered, ColumnKind::Drawn, "FIYATBILGISI"};
    price.draw = drawPriceCell;
    return {
        {"İstanbul", "DURUM", 1, Shown, Offered, ColumnKind::StatusIcon},
        {"Depo", "DEPO2", 1, Shown, Offered, ColumnKind::TextIcon},
        {"Seç", "SEC", 1, Shown, NotOffered, ColumnKind::CheckBox},
        {"Oem1", "OEM1", 2, Hidden, Offered, ColumnKind::Text},
        {"Barkod", "BARKOD", 2, Shown, Offered, ColumnKind::Text},
        {"Açıklama", "ADI", 3, Shown, Offered, ColumnKind::Text},
        {"", "STOK_STOKNO", 1, Hidden, NotOffered, ColumnKind::Number},
        {"Resim", "RESIM", 1, Shown, Offered, ColumnKind::PictureFlag},
        {"Marka", "MARKA", 2, Shown, Offered, ColumnKind::Text},
        {"Model", "MODEL", 2, Shown, Offered, ColumnKind::Text},
        {"Özel Kod", "OZELKOD", 2, Hidden, Offered, ColumnKind::Text},
        {"Tarih", "TARIH", 2, Hidden, Offered, ColumnKind::Text},
        {"Liste Fiyatı", "LISTEFIYAT1", 2, Shown, Offered, ColumnKind::Number},
        {"Kampanyalı Fiyat", "KAMPFIYAT", 2, Shown, Offered, ColumnKind::Number},
        {"Yeni", "Y", 1, Shown, Offered, ColumnKind::YesNo},
        {"Kampanyalı", "K", 1, Shown, Offered, ColumnKind::YesOnly},
        {"İndirim Oran", "INDIRIMYAZI", 2, Shown, Offered, ColumnKind::CenteredText},
        {"Net Fiyatı", "NETFIYAT", 2, Shown, Offered, ColumnKind::Number},
        {"KDV Dahil Fiyat", "KDVDAHIL", 3, Shown, Offered, ColumnKind::Number},
        price,
        {"Not", "NOT", 2, Hidden, Offered, ColumnKind::MultiLineText},
        {"Görsel", "RESIMVERI", 2, Hidden, Offered, ColumnKind::Picture},
    };
}

inline QList<GridSummary> stockSummaries()
{
    return {{SummaryKind::Count, "DURUM"}, {SummaryKind::Sum, "NETFIYAT"}, {SummaryKind::Sum, "KDVDAHIL"}};
}

} // namespace vorpa::sample
