#pragma once

#include "DataSet.h"

#include <QDialog>

#include <memory>
#include <optional>

class QPushButton;
class TSonucBilgisi;

namespace Ui {
class Thareket_stok;
}

namespace vorpa {
class DataGrid;
class DSConnection;
} // namespace vorpa

/// The "Stok Hareketleri" window: the movements of one stock for the session's customer, as
/// fetched by its opener, read-only in a grid with a count and averages in its footer.
class Thareket_stok : public QDialog {
    Q_OBJECT
public:
    /// Builds the window over the movements packet; the opener shows it modally and frees it.
    Thareket_stok(QWidget *AOwner, const vorpa::DataSet &_data);
    ~Thareket_stok() override;

    static std::unique_ptr<Thareket_stok> Ac(QWidget *AOwner, const vorpa::DataSet &_data);

    /// Fetches the movements of a stock on a private copy of _bagc (opened with retries, without
    /// the closing message). Nothing when the connection cannot be opened; a failing call is
    /// shown with its own text and also gives nothing.
    static std::optional<vorpa::DataSet> HareketleriGetir(const vorpa::DSConnection &_bagc, int carino, int stokno);

    vorpa::DataSet har;
    vorpa::DataGrid *cxGrid1 = nullptr;
    QPushButton *Button1 = nullptr; // "Kapat"

private:
    std::unique_ptr<Ui::Thareket_stok> ui;
};
