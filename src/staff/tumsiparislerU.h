#pragma once

#include "DataSet.h"

#include <QDialog>

#include <memory>

class QPushButton;
class TSonucBilgisi;

namespace Ui {
class Ttumsiparisler;
}

namespace vorpa {
class DataGrid;
class DSConnection;
} // namespace vorpa

/// The "Sipariş Hareketleri" window: every order line of the session's customer, or only those
/// of one stock, read-only in a grid with a footer and an Excel export.
class Ttumsiparisler : public QDialog {
    Q_OBJECT
public:
    explicit Ttumsiparisler(QWidget *AOwner = nullptr);
    ~Ttumsiparisler() override;

    /// The whole opening sequence of the callers: sets the session record, the stock number
    /// (0 = all stocks) and a private copy of the connection, applies the role rule, loads and
    /// places the window. Returns nothing when the load failed (the failure was already shown);
    /// the caller shows the window modally and frees it.
    static std::unique_ptr<Ttumsiparisler> Ac(QWidget *AOwner, TSonucBilgisi &_bilgi, int _stokno,
                                              const vorpa::DSConnection &_bagc);

    /// Roles 1 and 2 see the column "Eldeki" (and may choose it); role 3 loses the column "Durum"
    /// for good. Applied before Getir.
    void RolKuraliUygula(int MusteriTipi);
    /// Loads the order lines over bagim (a plain open, no retries). A failure to connect or of
    /// the call is shown with its own text and gives false; the window should then not open.
    bool Getir();
    /// Left 50, top 50, the screen's width less 100 and its height less 150.
    void Goster();

    vorpa::DataSet bakiyesepet;
    std::unique_ptr<vorpa::DSConnection> bagim;
    TSonucBilgisi *bilgi = nullptr;
    int stokno = 0;

    vorpa::DataGrid *cxGrid1 = nullptr;
    QPushButton *Button1 = nullptr; // "Kapat"
    QPushButton *Button2 = nullptr; // "Excel Kaydet"

private:
    std::unique_ptr<Ui::Ttumsiparisler> ui;
};
