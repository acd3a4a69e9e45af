#pragma once

#include <QLocale>
#include <QString>

#include <array>

namespace vorpa {

/// What the stock line dialog computes from: values as its fields hold them (two decimals).
struct StockLineInput {
    double unitPrice = 0;             // P, before discounts
    int quantity = 1;                 // Q
    std::array<double, 4> rates{};    // r1..r4 in percent, applied in this order
    double vatRate = 0;               // V in percent
};

/// What the stock line dialog shows for one line.
struct StockLineAmounts {
    double discount = 0;              // G - N, not rounded (the field keeps two decimals)
    double netUnitPrice = 0;          // U: N rounded, divided by Q, rounded
    double vatInclusiveUnitPrice = 0; // U * (1 + V/100), rounded
    double total = 0;                 // rounded VAT-inclusive unit price * Q, rounded
};

/// Cascaded discounts and VAT for one basket line; every rounding is the two-decimal rounding
/// under the given number settings. A quantity of 0 gives zero prices instead of a division.
StockLineAmounts calculateStockLine(const StockLineInput &input, const QLocale &locale);

/// The discount line is shown only when the four rates add up to more than 1.
bool discountLineVisible(const std::array<double, 4> &rates);

/// The quantity box's text as a quantity: a text that is not a whole number counts as 1.
int quantityFromText(const QString &text, const QLocale &locale);

} // namespace vorpa
