#include "BasketLines.h"

#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "DataSet.h"
#include "DataSetUtil.h"
#include "ImageControl.h"
#include "StreamRead.h"
#include "baglantiu.h"
#include "dialogs/AmountEdit.h"
#include "dialogs/stokayarintiU.h"
#include "proxim.h"
#include "utils.h"

#include <QImage>
#include <QLabel>
#include <QSpinBox>

#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace vorpa {

namespace {

// A picture that arrived whole but is not a readable JPEG.
class PictureDecodeError : public std::runtime_error {
public:
    PictureDecodeError() : std::runtime_error("Resim okunamadı (JPEG bekleniyordu).") {}
};

// The error's own class name without its namespace, as the picture loader reports it.
QString className(const std::exception &error)
{
    const char *mangled = typeid(error).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                      std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    const qsizetype colons = name.lastIndexOf(QStringLiteral("::"));
    return colons >= 0 ? name.mid(colons + 2) : name;
}

QString text(DataSet &rows, const char *field)
{
    return rows.fieldByName(QString::fromLatin1(field)).toString();
}

double number(DataSet &rows, const char *field)
{
    return rows.fieldByName(QString::fromLatin1(field)).toDouble();
}

int whole(DataSet &rows, const char *field)
{
    return qRound(number(rows, field));
}

// Closes the main connection when the work on it is over, however it ends.
struct CloseAfterwards {
    DSConnection &connection;
    ~CloseAfterwards() { connection.Close(); }
};

} // namespace

BasketLines::BasketLines(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, DataSet &sepet)
    : m_owner(owner), m_bagc(bagc), m_sbilgi(sbilgi), m_sepet(sepet)
{
}

bool BasketLines::isStaff() const
{
    return m_sbilgi.MusteriTipi() == 1 || m_sbilgi.MusteriTipi() == 2;
}

bool BasketLines::SepetiYenile()
{
    const std::unique_ptr<DSConnection> copy = m_bagc.CloneConnection();
    if (!OpenConnectionWithRetry(*copy, 1))
        return false;
    DataSet basket;
    {
        TServerMethods1Client proxy(*copy);
        basket = proxy.SepetVer2(m_sbilgi.CARINO());
    }
    copy->Close();
    SetFloatDisplayFormat(basket);
    m_sepet = std::move(basket);
    return true;
}

void BasketLines::SatirEkle(DataSet &source, double miktar, double fiyat, double ind1, double ind2, double ind3,
                            double ind4)
{
    TSonucBilgisi copy;
    copy.Kopyala(m_sbilgi);
    if (!OpenConnectionWithRetry(m_bagc, 1))
        return;
    CloseAfterwards closing{m_bagc};
    int answer = 0;
    {
        TServerMethods1Client proxy(m_bagc);
        answer = proxy.SepetEkle2(&copy, m_sbilgi.CARINO(), whole(source, "STOK_STOKNO"), text(source, "BARKOD"),
                                  text(source, "ADI"), miktar, whole(source, "KDV"), fiyat, ind1, m_sbilgi.Sirano(),
                                  whole(source, "K"), ind2, ind3, ind4);
    }
    if (answer == 1)
        SepetiYenile();
}

void BasketLines::SatirGuncelle(int sirano, double miktar, double fiyat)
{
    if (!m_sepet.locate(QStringLiteral("SIRANO"), sirano))
        return;
    TSonucBilgisi copy;
    copy.Kopyala(m_sbilgi);
    if (!OpenConnectionWithRetry(m_bagc, 1))
        return;
    CloseAfterwards closing{m_bagc};
    int answer = 0;
    {
        TServerMethods1Client proxy(m_bagc);
        answer = proxy.SepetGuncelle2(&copy, m_sbilgi.CARINO(), 0, text(m_sepet, "BARKOD"), text(m_sepet, "STOKADI"),
                                      miktar, whole(m_sepet, "KDV"), fiyat, number(m_sepet, "INDIRIMORANI1"),
                                      m_sbilgi.Sirano(), sirano, number(m_sepet, "INDIRIMORANI2"),
                                      number(m_sepet, "INDIRIMORANI3"), number(m_sepet, "INDIRIMORANI4"));
    }
    if (answer == 1)
        SepetiYenile();
}

void BasketLines::SepetSatiriAc(int sirano)
{
    if (!m_sepet.locate(QStringLiteral("SIRANO"), sirano))
        return;
    const int stokno = whole(m_sepet, "STOKNO");
    const std::unique_ptr<Tstokayarinti> dialog = Tstokayarinti::Ac(m_owner, stokno);
    StokResmiAl(stokno, dialog->Image1);
    // The picture load may have shown a message; the basket row is read again to be sure.
    m_sepet.locate(QStringLiteral("SIRANO"), sirano);
    dialog->barkod->setText(text(m_sepet, "BARKOD"));
    dialog->adi->setText(text(m_sepet, "STOKADI"));
    dialog->marka->setText(text(m_sepet, "MARKA"));
    dialog->finishkod->setText(text(m_sepet, "FINISHKOD"));
    dialog->model->setText(text(m_sepet, "MODEL"));
    dialog->kdvoran = number(m_sepet, "KDV");
    dialog->edindirim1->setValue(number(m_sepet, "INDIRIMORANI1"));
    dialog->edindirim2->setValue(number(m_sepet, "INDIRIMORANI2"));
    dialog->edindirim3->setValue(number(m_sepet, "INDIRIMORANI3"));
    dialog->edindirim4->setValue(number(m_sepet, "INDIRIMORANI4"));
    if (isStaff())
        dialog->enableStaffEditing(true);
    dialog->birimfiyat->setValue(number(m_sepet, "BIRIMFIYAT"));
    dialog->adet->setValue(whole(m_sepet, "MIKTAR"));
    if (dialog->exec() != Tstokayarinti::Onaylandi)
        return;
    SatirGuncelle(sirano, dialog->miktar(), dialog->fiyat());
    SepetiYenile();
}

void BasketLines::StokResmiAl(int stokno, ImageControl *picture)
{
    if (!OpenConnectionWithRetry(m_bagc, 1))
        return;
    CloseAfterwards closing{m_bagc};
    try {
        TServerMethods1Client proxy(m_bagc);
        qint64 boy = 0;
        QIODevice *stream = proxy.ResimVer5(stokno, boy);
        if (boy == 0)
            return;
        const std::optional<QByteArray> bytes = ReadStreamExactly(stream, boy);
        if (!bytes)
            return;
        QImage image;
        if (!image.loadFromData(*bytes, "JPEG"))
            throw PictureDecodeError();
        if (picture)
            picture->setPicture(QPixmap::fromImage(image));
    } catch (const std::exception &error) {
        ShowPlainMessage(className(error) + QStringLiteral(": ") + QString::fromUtf8(error.what()));
    }
}

void BasketLines::YeniSatirAc(DataSet &source, bool showDiscountPanel)
{
    const int stokno = whole(source, "STOK_STOKNO");
    const std::unique_ptr<Tstokayarinti> dialog = Tstokayarinti::Ac(m_owner, stokno);
    StokResmiAl(stokno, dialog->Image1);
    dialog->kdvoran = number(source, "KDV");
    dialog->barkod->setText(text(source, "BARKOD"));
    dialog->adi->setText(text(source, "ADI"));
    dialog->marka->setText(text(source, "MARKA"));
    dialog->finishkod->setText(text(source, "FINISHKOD"));
    dialog->model->setText(text(source, "MODEL"));
    if (isStaff())
        dialog->enableStaffEditing(showDiscountPanel);
    // A negative campaign flag is read as an ordinary item: the dialog's own defaults would
    // otherwise offer the line at a price of 0.
    const int k = whole(source, "K");
    dialog->birimfiyat->setValue(number(source, "FIYAT"));
    dialog->edindirim1->setValue(number(source, "IND1"));
    dialog->edindirim2->setValue(number(source, "IND2"));
    dialog->edindirim3->setValue(number(source, "IND3"));
    dialog->edindirim4->setValue(number(source, "IND4"));
    if (k > 0) {
        dialog->Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
        dialog->indirimoran->setText(QStringLiteral("Kampanyalı ") + text(source, "INDIRIMYAZI"));
    } else {
        dialog->indirimoran->setText(QStringLiteral("İndirim: %") + text(source, "INDIRIMYAZI"));
    }
    if (dialog->exec() != Tstokayarinti::Onaylandi)
        return;
    const std::array<double, 4> rates = dialog->indirimler();
    SatirEkle(source, dialog->miktar(), dialog->fiyat(), rates[0], rates[1], rates[2], rates[3]);
}

void BasketLines::SepeteEkle(DataSet &source, int row, bool showDiscountPanel)
{
    if (row < 0 || row >= source.recordCount())
        return;
    source.setRecNo(row);
    const int stokno = whole(source, "STOK_STOKNO");
    if (!m_sepet.isActive())
        SepetiYenile();
    if (m_sepet.isActive() && m_sepet.locate(QStringLiteral("STOKNO"), stokno)) {
        SepetSatiriAc(int(m_sepet.fieldByName(QStringLiteral("SIRANO")).toLongLong()));
        return;
    }
    YeniSatirAc(source, showDiscountPanel);
}

} // namespace vorpa
