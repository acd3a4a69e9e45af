#include "StockLineCalc.h"

#include "NumberFormat.h"

namespace vorpa {

StockLineAmounts calculateStockLine(const StockLineInput &input, const QLocale &locale)
{
    StockLineAmounts out;
    const double quantity = input.quantity;
    const double gross = input.unitPrice * quantity;
    double net = gross;
    for (double rate : input.rates) {
        if (rate > 0) // a zero or negative rate is skipped, not applied as a surcharge
            net -= net * rate / 100.0;
    }
    out.discount = gross - net;
    const double roundedNet = roundTwo(net, locale);
    out.netUnitPrice = input.quantity == 0 ? 0.0 : roundTwo(roundedNet / quantity, locale);
    out.vatInclusiveUnitPrice = roundTwo(out.netUnitPrice * (1.0 + input.vatRate / 100.0), locale);
    out.total = roundTwo(out.vatInclusiveUnitPrice * quantity, locale);
    return out;
}

bool discountLineVisible(const std::array<double, 4> &rates)
{
    return rates[0] + rates[1] + rates[2] + rates[3] > 1.0;
}

int quantityFromText(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const int value = locale.toInt(text.trimmed(), &ok);
    return ok ? value : 1;
}

} // namespace vorpa
