#include "LineAmounts.h"

#include "TextRules.h"

namespace vorpa {

LineAmounts LineAmounts::compute(double quantity, double unitPrice, const std::array<double, 4> &rates,
                                 double vatRate)
{
    LineAmounts a;
    a.tutar = text::roundMoney(quantity * unitPrice);
    double net = a.tutar;
    for (const double r : rates) {
        if (r > 0)
            net -= net * r / 100.0;
    }
    a.netTutar = text::roundMoney(net);
    a.indirimTutar = text::roundMoney(a.tutar - a.netTutar);
    a.netBirimFiyat = quantity != 0 ? text::roundMoney(a.netTutar / quantity) : 0.0;
    a.vergiTutari = text::roundMoney(a.netTutar * vatRate / 100.0);
    return a;
}

} // namespace vorpa
