#include "stokayarintiU.h"

#include "AmountEdit.h"
#include "ImageControl.h"
#include "asyncresimu.h"
#include "ui_stokayarintiU.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace {

QString &webRootStorage()
{
    static QString root = QStringLiteral(VORPA_DEFAULT_WEB_ROOT);
    return root;
}

bool isEnterKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

Tstokayarinti::Tstokayarinti(QWidget *AOwner, int _stokno)
    : QDialog(AOwner), stokno(_stokno), ui(std::make_unique<Ui::Tstokayarinti>())
{
    Q_INIT_RESOURCE(stokayarintiU);
    ui->setupUi(this);

    barkod = ui->barkod;
    adi = ui->adi;
    finishkod = ui->finishkod;
    marka = ui->marka;
    model = ui->model;
    Label2 = ui->Label2;
    indirimoran = ui->indirimoran;
    Image1 = ui->Image1;
    AsyncResim1 = ui->AsyncResim1;
    adet = ui->adet;
    birimfiyat = ui->birimfiyat;
    indtutar = ui->indtutar;
    kdvdahiltutar = ui->kdvdahiltutar;
    geneltutar = ui->geneltutar;
    edindirim1 = ui->edindirim1;
    edindirim2 = ui->edindirim2;
    edindirim3 = ui->edindirim3;
    edindirim4 = ui->edindirim4;
    GridPanel2 = ui->GridPanel2;
    ParcaliTus1 = ui->ParcaliTus1;
    ParcaliTus2 = ui->ParcaliTus2;

    // Captions in the slate colour, the quantity box on its light background, the amounts large.
    setStyleSheet(QStringLiteral("QLabel[caption=\"true\"] { color: rgb(67, 76, 88); }"
                                 "QSpinBox#adet { background-color: rgb(246, 249, 251); }"));
    QFont amountFont(QStringLiteral("Tahoma"));
    amountFont.setPixelSize(20);
    ui->GridPanel1->setFont(amountFont);
    GridPanel2->setFont(amountFont);

    Image1->setCenter(true);
    Image1->setProportional(true);
    Image1->setPicture(QPixmap(QStringLiteral(":/dialogs/stokayarintiU.png")));

    for (vorpa::AmountEdit *field : amountFields())
        field->installEventFilter(this);
    adet->installEventFilter(this);

    // Follow the editor's text, not only accepted values: a typed 0 shows zero amounts.
    if (auto *quantityEditor = adet->findChild<QLineEdit *>())
        connect(quantityEditor, &QLineEdit::textChanged, this, [this] { Hesapla(); });
    connect(adet, &QSpinBox::valueChanged, this, [this] { Hesapla(); });
    connect(ParcaliTus1, &QPushButton::clicked, this, &Tstokayarinti::confirm);
    connect(ParcaliTus2, &QPushButton::clicked, this, &Tstokayarinti::reject);
}

Tstokayarinti::~Tstokayarinti() = default;

std::unique_ptr<Tstokayarinti> Tstokayarinti::Ac(QWidget *AOwner, int _stokno)
{
    return std::make_unique<Tstokayarinti>(AOwner, _stokno);
}

void Tstokayarinti::setWebRoot(const QString &root)
{
    webRootStorage() = root;
}

QString Tstokayarinti::webRoot()
{
    return webRootStorage();
}

void Tstokayarinti::enableStaffEditing(bool showDiscountPanel)
{
    birimfiyat->setReadOnly(false);
    edindirim1->setReadOnly(false);
    edindirim2->setReadOnly(false);
    edindirim3->setReadOnly(false);
    edindirim4->setReadOnly(false);
    GridPanel2->setVisible(showDiscountPanel);
}

int Tstokayarinti::miktar() const
{
    const int quantity = vorpa::quantityFromText(adet->cleanText(), adet->locale());
    return std::clamp(quantity, adet->minimum(), adet->maximum());
}

double Tstokayarinti::fiyat() const
{
    return birimfiyat->value();
}

std::array<double, 4> Tstokayarinti::indirimler() const
{
    return {edindirim1->value(), edindirim2->value(), edindirim3->value(), edindirim4->value()};
}

vorpa::StockLineAmounts Tstokayarinti::tutarlar() const
{
    vorpa::StockLineInput input;
    input.unitPrice = birimfiyat->value();
    input.quantity = vorpa::quantityFromText(adet->cleanText(), adet->locale());
    input.rates = indirimler();
    input.vatRate = kdvoran;
    return vorpa::calculateStockLine(input, QLocale());
}

void Tstokayarinti::Hesapla()
{
    const vorpa::StockLineAmounts amounts = tutarlar();
    indtutar->setValue(amounts.discount);
    kdvdahiltutar->setValue(amounts.vatInclusiveUnitPrice);
    geneltutar->setValue(amounts.total);
}

void Tstokayarinti::reject()
{
    done(Vazgecildi);
}

void Tstokayarinti::confirm()
{
    // A quantity outside the box's range (0 typed, say) must never reach the basket.
    adet->setValue(miktar());
    done(Onaylandi);
}

void Tstokayarinti::focusQuantity()
{
    adet->setFocus(Qt::OtherFocusReason);
    adet->selectAll();
}

void Tstokayarinti::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const bool discountShown = vorpa::discountLineVisible(indirimler());
    indirimoran->setVisible(discountShown);
    indtutar->setVisible(discountShown);
    Hesapla();
    AsyncResim1->setUrl(webRoot() + QStringLiteral("resimgoster.ashx?id=") + QString::number(stokno));
    focusQuantity();
}

void Tstokayarinti::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        focusQuantity();
}

void Tstokayarinti::keyPressEvent(QKeyEvent *event)
{
    // Escape has no binding here: the dialog stays open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::array<vorpa::AmountEdit *, 8> Tstokayarinti::amountFields() const
{
    return {birimfiyat, indtutar, kdvdahiltutar, geneltutar, edindirim1, edindirim2, edindirim3, edindirim4};
}

bool Tstokayarinti::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);

    if (watched == adet) {
        if (press && isEnterKey(key)) {
            confirm();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }

    const auto fields = amountFields();
    if (std::find(fields.begin(), fields.end(), watched) == fields.end())
        return QDialog::eventFilter(watched, event);

    if (key->key() == Qt::Key_F4) {
        if (release && !key->isAutoRepeat()) {
            birimfiyat->setValue(birimfiyat->value() / 1.2);
            Hesapla();
        }
        return true;
    }
    if (press && watched == birimfiyat && isEnterKey(key))
        return true;
    if (release)
        Hesapla();
    return QDialog::eventFilter(watched, event);
}
