#pragma once

#include <QString>

class QWidget;
class TSonucBilgisi;
class Tstokayarinti;

namespace vorpa {

class DataSet;
class DSConnection;
class ImageControl;

/// The main window's operations on single basket lines, shared by the item lists and the basket:
/// reloading the basket copy, adding and changing a line through the stock line dialog, and
/// loading a stock's picture for that dialog. Every change is one server call and a reload.
class BasketLines {
public:
    /// All four belong to the main window and outlive this object.
    BasketLines(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, DataSet &sepet);

    /// Reloads the basket copy on a private connection copy (opened with retries and the closing
    /// message). False, and the copy unchanged, when the connection cannot be opened; a failing
    /// call raises its error. Safe on a worker thread while no view shows the basket.
    bool SepetiYenile();

    /// Adds a line for the current row of source ("STOK_STOKNO", "BARKOD", "ADI", "KDV", "K")
    /// with SepetEkle2; reloads the basket only when the server answers 1.
    void SatirEkle(DataSet &source, double miktar, double fiyat, double ind1, double ind2, double ind3,
                   double ind4);
    /// Changes basket line sirano with SepetGuncelle2 (the line's own discount rates are sent);
    /// reloads only when the server answers 1. Nothing when the line is not in the basket copy.
    void SatirGuncelle(int sirano, double miktar, double fiyat);
    /// Opens basket line sirano in the stock line dialog and, when confirmed, changes it.
    void SepetSatiriAc(int sirano);
    /// Loads the stock's JPEG picture into the control over the main connection. A picture that
    /// arrives incomplete or cannot be decoded leaves the control as it was; an error is shown
    /// in a plain box as its class name, ": " and its text.
    void StokResmiAl(int stokno, ImageControl *picture);

    /// Opens the stock line dialog for a new line from the current row of source and, when
    /// confirmed, adds it. Staff may edit the price and rates; showDiscountPanel also shows them.
    void YeniSatirAc(DataSet &source, bool showDiscountPanel);
    /// Puts the item on row of source into the basket (the row becomes current): the basket copy
    /// is loaded if needed; an item already in it opens its line, any other item a new line.
    void SepeteEkle(DataSet &source, int row, bool showDiscountPanel = true);

private:
    bool isStaff() const;

    QWidget *m_owner;
    DSConnection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    DataSet &m_sepet;
};

} // namespace vorpa
