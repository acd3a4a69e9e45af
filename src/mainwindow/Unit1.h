#pragma once

#include "BasketLines.h"
#include "DSConnection.h"
#include "DataSet.h"
#include "baglantiu.h"

#include <QMainWindow>

#include <memory>

class QMenu;
class QTabWidget;

namespace Ui {
class TForm1;
}

namespace vorpa {
class ImageControl;
class StartupFeeds;
class StockListTab;
} // namespace vorpa

// The program's main window: owns the session record, the server connection and the lists for
// the program's life, runs the login at creation and then frames everything the user does.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The creation steps: titles, the session record's workstation part, the connection, the
    // general menu, the login with the role rules, the start-up feeds. False when the login did
    // not let the program go on (the process has then been ended).
    bool FormCreate();

    // Shows the login modally; ends the process unless it succeeded; applies the role rules.
    bool LoginAndApplyRole();

    TSonucBilgisi &sbilgi() { return *FSbilgi; }
    vorpa::DSConnection &bagc() { return *FBagc; }
    int _acilisadet = 0;

    // One dataset per list.
    vorpa::DataSet stok;
    vorpa::DataSet sepet;
    vorpa::DataSet ONCEKILER;
    vorpa::DataSet EKSTRE;
    vorpa::DataSet YENILER;
    vorpa::DataSet kampstok;

    // The application title the program runs under once the main window exists.
    static QString applicationTitle();
    static QString windowCaption();

    // Adapts the window's controls to the session's role code.
    void ApplyRoleRules();
    // Starts the start-up feeds; the opening advertisement follows when they are done.
    void StartFeeds();
    // The header labels from the session record.
    void AnaBilgiAl();
    // The opening advertisement, when the server announced any, and where its click leads.
    void AcilisReklaminiGoster();
    // "Başka Cari Seç": another customer, then the header, the basket and the stock list anew.
    void musteritusClick();

    // Basket line operations shared by the lists.
    bool SepetiYenile();
    void SatirEkle(vorpa::DataSet &source, double miktar, double fiyat, double ind1, double ind2, double ind3,
                   double ind4);
    void SatirGuncelle(int sirano, double miktar, double fiyat);
    void SepetSatiriAc(int sirano);
    void StokResmiAl(int stokno, vorpa::ImageControl *picture);
    // The new-line flow for a stock of the stock list.
    void StokSatiriAc(int stokno);

    vorpa::StockListTab &stockList() { return *FStockList; }
    vorpa::StartupFeeds &feeds() { return *FFeeds; }
    QTabWidget *sPageControl1() const;
    QMenu *generalMenu() const { return FGeneralMenu; }

protected:
    // Every request to close asks first; "Evet" ends the process at once.
    void closeEvent(QCloseEvent *event) override;

private:
    void SetTitles();
    void FillWorkstationPart();
    void PointConnectionAtServer();
    void BuildGeneralMenu();
    void BuildControls();
    void BuildLegend();

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<TSonucBilgisi> FSbilgi;
    std::unique_ptr<vorpa::DSConnection> FBagc;
    std::unique_ptr<vorpa::BasketLines> FBasket;
    vorpa::StockListTab *FStockList = nullptr;
    vorpa::StartupFeeds *FFeeds = nullptr;
    QMenu *FGeneralMenu = nullptr;
};
