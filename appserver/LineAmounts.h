#pragma once

#include <array>

namespace vorpa {

/// The money of one basket or order line, computed the one way the whole server uses: gross
/// amount, cascaded discounts, net amount, net unit price and VAT, each rounded to two decimals.
struct LineAmounts {
    double tutar = 0;          // quantity x unit price
    double indirimTutar = 0;   // what the cascaded discounts take off
    double netTutar = 0;       // tutar - indirimTutar
    double netBirimFiyat = 0;  // netTutar / quantity
    double vergiTutari = 0;    // VAT on netTutar

    static LineAmounts compute(double quantity, double unitPrice, const std::array<double, 4> &rates,
                               double vatRate);
};

} // namespace vorpa
