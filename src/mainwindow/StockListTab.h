#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QLineEdit;
class QMenu;
class QTabWidget;
class QWidget;
class TSonucBilgisi;

namespace vorpa {

class BasketLines;
class DataGrid;
class DataSet;
class DSConnection;

/// The "Stok Listesi" tab: the search started from the search field in the background, the
/// grid of results with its layout rule, clearing, putting an item into the basket and the
/// grid's pop-up menu. The window hands it its controls; the grid is created on the tab's page.
class StockListTab : public QObject {
    Q_OBJECT
public:
    /// The window's controls the tab works with; all outlive it.
    struct Controls {
        QWidget *window = nullptr;        // its width decides the grid's layout
        QTabWidget *tabs = nullptr;
        QWidget *page = nullptr;          // sstoklistesi
        QLineEdit *araedit = nullptr;
        QWidget *gifstokara = nullptr;
        QAbstractButton *ara = nullptr;    // SpeedButton2
        QAbstractButton *temizle = nullptr; // SpeedButton1
    };

    static inline const QString Caption = QStringLiteral("Stok Listesi");

    StockListTab(const Controls &controls, DSConnection &bagc, TSonucBilgisi &sbilgi, DataSet &stok,
                 BasketLines &basket, QObject *parent = nullptr);

    DataGrid *cxGrid1() const { return m_grid; }
    QMenu *popstok() const { return m_menu; }
    bool isSearching() const { return m_searching; }

    /// Starts a search for the search field's text, as Enter does; nothing while one runs.
    void Ara();
    /// Puts text into the search field and searches for it (advertisement, announcements).
    void AraMetin(const QString &text);
    /// Empties the list and the search field ("Temizle"); nothing while a search runs.
    void Temizle();
    /// After a customer change: the list emptied, the caption "0=Stok Listesi", the tab active,
    /// the search text selected and focused.
    void CariDegisti();
    /// Double-click and "Sepete Ekle": the focused item into the basket.
    void SepeteEkle();
    /// "Siparişleri Göster": the order lines of the focused item.
    void SiparisleriGoster();
    /// "Stok Hareketleri": the movements of the focused item.
    void StokHareketleri();
    /// The grid's layout for the window's width (only while the search field is enabled).
    void Yerlestir();

signals:
    /// A search has ended and its result (or failure) is shown.
    void searchFinished(bool succeeded);

private:
    int focusedStockNo() const;
    void setCaption(const QString &caption);
    void makeActive();
    void buildMenu();

    Controls m_controls;
    DSConnection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    DataSet &m_stok;
    BasketLines &m_basket;
    DataGrid *m_grid = nullptr;
    QMenu *m_menu = nullptr;
    bool m_searching = false;
};

} // namespace vorpa
