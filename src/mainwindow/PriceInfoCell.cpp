#include "PriceInfoCell.h"

#include "NumberFormat.h"
#include "GridColumn.h"

#include <QPainter>

namespace vorpa {

PriceInfo PriceInfo::fromRow(const RowValues &row)
{
    PriceInfo p;
    p.listeFiyat = row.doubleValue(QStringLiteral("LISTEFIYAT1"));
    p.kampFiyat = row.doubleValue(QStringLiteral("KAMPFIYAT"));
    p.netFiyat = row.doubleValue(QStringLiteral("NETFIYAT"));
    p.kdvDahil = row.doubleValue(QStringLiteral("KDVDAHIL"));
    return p;
}

QString PriceInfoText(const PriceInfo &prices, const QLocale &locale)
{
    const auto line = [&locale](const QString &caption, double value) {
        return caption + formatFloat(value, AmountFormat, locale) + QStringLiteral("\r\n");
    };
    QString text = line(QStringLiteral("Liste Fiyatı: "), prices.listeFiyat);
    if (prices.kampFiyat > 0)
        text += line(QStringLiteral("Kampanyalı Fiyat: "), prices.kampFiyat);
    text += line(QStringLiteral("NetFiyat: "), prices.netFiyat);
    text += line(QStringLiteral("KDV li Fiyat: "), prices.kdvDahil);
    return text;
}

void DrawPriceInfoCell(QPainter *painter, const QRect &cell, const RowValues &row, const CellStyle &style)
{
    QColor background = style.evenBackground;
    if (style.selected)
        background = style.selectedBackground;
    else if (row.row() % 2 != 0)
        background = style.oddBackground;
    painter->save();
    painter->fillRect(cell, background);
    painter->setFont(style.font);
    painter->setPen(style.selected ? style.selectedTextColor : style.textColor);
    // The painter breaks lines at '\n' only; the carriage returns would otherwise show as boxes.
    QString text = PriceInfoText(PriceInfo::fromRow(row));
    text.remove(u'\r');
    if (text.endsWith(u'\n'))
        text.chop(1);
    painter->drawText(cell.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    painter->restore();
}

} // namespace vorpa
