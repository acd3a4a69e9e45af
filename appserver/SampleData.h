#pragma once

#include <QString>

namespace vorpa {

class Store;

/// Fills a fresh store with a deterministic sample business: catalogue, dealers and their users,
/// staff, baskets, orders in every state, account statements with invoices and collections, card
/// receipts, delivery and cargo choices, announcements, banners and the scrolling text.
class SampleData {
public:
    struct Options {
        quint32 seed = 1;
        int catalogueSize = 20000;
    };

    /// Writes everything in one transaction; the store must have its schema and no data.
    static void generate(Store &store, const Options &options);

    /// Texts of the demo accounts, for the demo script and the tests.
    static constexpr const char *DemoDealerUser = "DEMO";
    static constexpr const char *DemoDealerPassword = "1234";
    static constexpr const char *DemoStaffUser = "SATIS";
    static constexpr const char *DemoStaffPassword = "4321";
    static constexpr const char *DemoWorkstation = "VORPA-DEMO";
};

} // namespace vorpa
