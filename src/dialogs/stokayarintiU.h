#pragma once

#include "StockLineCalc.h"

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QSpinBox;
class TAsyncResim;

namespace Ui {
class Tstokayarinti;
}

namespace vorpa {
class AmountEdit;
class ImageControl;
} // namespace vorpa

/// The modal "Sepete Ekle" dialog in which one basket line is settled before its caller sends
/// it: the quantity and, for sales staff, the unit price and four cascaded discount rates.
/// The caller fills it, shows it, and after a confirmed close (result 1) reads the values back.
class Tstokayarinti : public QDialog {
    Q_OBJECT
public:
    static constexpr int Onaylandi = 1;  // "Sipariş ekle" or Enter in the quantity box
    static constexpr int Vazgecildi = 2; // "Vazgeç" or the window closed

    Tstokayarinti(QWidget *AOwner, int _stokno);
    ~Tstokayarinti() override;

    /// Creates the dialog owned by AOwner for the stock _stokno; the caller shows and frees it.
    static std::unique_ptr<Tstokayarinti> Ac(QWidget *AOwner, int _stokno);

    /// Where pictures are fetched from ("resimgoster.ashx?id=" and the stock number follow).
    static void setWebRoot(const QString &root);
    static QString webRoot();

    /// For sales staff: the unit price and the four rates become editable; the discount panel is
    /// shown unless the item is a campaign item.
    void enableStaffEditing(bool showDiscountPanel);

    /// The quantity as confirmed: a whole number between 1 and 10000 (a text that is not a
    /// number counts as 1; 0 or anything beyond the box's range is brought back into it).
    int miktar() const;
    double fiyat() const;
    std::array<double, 4> indirimler() const;

    /// Recomputes the discount, the VAT-inclusive unit price and the total from the fields.
    void Hesapla();
    /// The amounts the fields show now, computed from what they hold.
    vorpa::StockLineAmounts tutarlar() const;

    int stokno = 0;
    double kdvoran = 0; // VAT rate in percent

    // Controls the caller fills or reads.
    QLabel *barkod = nullptr;
    QLabel *adi = nullptr;
    QLabel *finishkod = nullptr;
    QLabel *marka = nullptr;
    QLabel *model = nullptr;
    QLabel *Label2 = nullptr;      // caption of the unit price
    QLabel *indirimoran = nullptr; // caption of the discount amount
    vorpa::ImageControl *Image1 = nullptr;
    TAsyncResim *AsyncResim1 = nullptr;
    QSpinBox *adet = nullptr;
    vorpa::AmountEdit *birimfiyat = nullptr;
    vorpa::AmountEdit *indtutar = nullptr;
    vorpa::AmountEdit *kdvdahiltutar = nullptr;
    vorpa::AmountEdit *geneltutar = nullptr;
    vorpa::AmountEdit *edindirim1 = nullptr;
    vorpa::AmountEdit *edindirim2 = nullptr;
    vorpa::AmountEdit *edindirim3 = nullptr;
    vorpa::AmountEdit *edindirim4 = nullptr;
    QWidget *GridPanel2 = nullptr;
    QPushButton *ParcaliTus1 = nullptr;
    QPushButton *ParcaliTus2 = nullptr;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<vorpa::AmountEdit *, 8> amountFields() const;
    void confirm();
    void focusQuantity();

    std::unique_ptr<Ui::Tstokayarinti> ui;
};
