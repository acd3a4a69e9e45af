#pragma once

#include "DataSet.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QToolButton;
class TSonucBilgisi;
class TServerMethods1Client;

namespace vorpa {
class DSConnection;
class DataGrid;
} // namespace vorpa

namespace Ui {
class Tseccari;
}

// The customer selection of the sales staff: counters of baskets and orders by status, the
// customer list by search or by status, the chosen customer's details; choosing writes the
// customer into the session record and returns 1.
class Tseccari : public QDialog
{
    Q_OBJECT

public:
    explicit Tseccari(QWidget *AOwner = nullptr);
    ~Tseccari() override;

    // Set by the opener before anything else.
    vorpa::DSConnection *bag = nullptr;
    TSonucBilgisi *bilgim = nullptr;

    // The customer list shown.
    vorpa::DataSet CARILER;

    // The counters, read once when the window is opened.
    void SepetSayisiYaz();
    void TusSonuclari();

    // Lists the customers matching the search field's text.
    void CariAra();
    // Lists the customers in a status: 1 basket lines, 2 received, 3 approved, 4 seen,
    // 5 partly prepared, 6 prepared, 7 shipped.
    void CariSepetVer(int durum);
    // Chooses the focused customer (nothing without one or with a number not above 0).
    void Sec();

    // The text sent for a search: "ı" read as "i", blanks at both ends dropped.
    static QString AramaMetni(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Button2Click();
    // One server call on bag: opened with one attempt, closed afterwards; an error reaches the
    // application's error report and the list or counter keeps what it showed.
    bool CallServer(const std::function<void(TServerMethods1Client &proxy, const TSonucBilgisi &session)> &call);
    void ShowList(vorpa::DataSet rows);
    void ShowDetails();
    void SetUpButtons();
    void SetUpGrid();

    std::unique_ptr<Ui::Tseccari> ui;
    vorpa::DataGrid *cxGrid1 = nullptr;
};
