#include "tumsiparislerU.h"

#include "DSConnection.h"
#include "DataGrid.h"
#include "DataSetUtil.h"
#include "baglantiu.h"
#include "proxim.h"
#include "ui_tumsiparislerU.h"
#include "utils.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

using vorpa::ColumnKind;
using vorpa::GridColumn;
using vorpa::Hidden;
using vorpa::NotOffered;
using vorpa::Offered;
using vorpa::Shown;

namespace {

GridColumn column(const QString &caption, const QString &field, vorpa::ColumnVisibility shown,
                  vorpa::ColumnOffer offered, ColumnKind kind = ColumnKind::Text)
{
    GridColumn c;
    c.caption = caption.isEmpty() ? field : caption;
    c.field = field;
    c.shown = shown;
    c.offered = offered;
    c.kind = kind;
    return c;
}

GridColumn number(const QString &caption, const QString &field, vorpa::ColumnVisibility shown,
                  vorpa::ColumnOffer offered)
{
    return column(caption, field, shown, offered, ColumnKind::Number);
}

QList<GridColumn> orderLineColumns()
{
    GridColumn secondId = column({}, QStringLiteral("IDNO"), Hidden, NotOffered);
    secondId.name = QStringLiteral("IDNO2");
    GridColumn eldeki = number(QStringLiteral("Eldeki"), QStringLiteral("ELDEKI"), Hidden, NotOffered);
    eldeki.name = QStringLiteral("cxGridDBTableView1ELDEKI");
    GridColumn durum = column(QStringLiteral("Durum"), QStringLiteral("DURUM"), Shown, Offered, ColumnKind::StatusIcon);
    durum.name = QStringLiteral("cxGridDBTableView1DURUM");

    return {
        column(QStringLiteral("Sipariş Tarihi"), QStringLiteral("VERILISTARIHI"), Shown, Offered),
        column({}, QStringLiteral("SIRANO"), Hidden, NotOffered),
        column(QStringLiteral("Sipariş No"), QStringLiteral("SIPARISNO"), Hidden, NotOffered),
        column(QStringLiteral("Tarih"), QStringLiteral("TARIH"), Hidden, Offered),
        column({}, QStringLiteral("AKTAR"), Hidden, NotOffered),
        column({}, QStringLiteral("STOKNO"), Hidden, NotOffered),
        column(QStringLiteral("Barkod"), QStringLiteral("BARKOD"), Shown, Offered),
        column(QStringLiteral("FinishKod"), QStringLiteral("FINISHKOD"), Shown, Offered),
        column(QStringLiteral("OEMNo"), QStringLiteral("OEMNO"), Shown, Offered),
        column(QStringLiteral("Stok Açıklama"), QStringLiteral("STOKADI"), Shown, Offered),
        number(QStringLiteral("Miktar"), QStringLiteral("MIKTAR"), Shown, Offered),
        number(QStringLiteral("Birim Fiyat"), QStringLiteral("BIRIMFIYAT"), Shown, Offered),
        number(QStringLiteral("İlk Fiyat"), QStringLiteral("ILKFIYAT"), Hidden, NotOffered),
        number(QStringLiteral("Tutar"), QStringLiteral("TUTAR"), Shown, Offered),
        number(QStringLiteral("İn.Oranı%"), QStringLiteral("INDIRIMORANI1"), Shown, Offered),
        number({}, QStringLiteral("INDIRIMORANI2"), Hidden, NotOffered),
        number({}, QStringLiteral("INDIRIMORANI3"), Hidden, NotOffered),
        number(QStringLiteral("İndirim Tutar"), QStringLiteral("INDIRIMTUTAR"), Hidden, NotOffered),
        number(QStringLiteral("Net Fiyat"), QStringLiteral("NETBIRIMFIYAT"), Shown, Offered),
        number({}, QStringLiteral("KDV"), Shown, Offered),
        number(QStringLiteral("Vergi Tutarı"), QStringLiteral("VERGITUTARI"), Shown, Offered),
        number(QStringLiteral("Net Tutar"), QStringLiteral("NETTUTAR"), Shown, Offered),
        column(QStringLiteral("Kur"), QStringLiteral("KUR"), Hidden, Offered),
        number({}, QStringLiteral("KURTL"), Hidden, NotOffered),
        column({}, QStringLiteral("VERENIDNO"), Hidden, NotOffered),
        column(QStringLiteral("Saat"), QStringLiteral("SAAT"), Hidden, Offered),
        column({}, QStringLiteral("TESLIMID"), Hidden, NotOffered),
        column({}, QStringLiteral("KARGOID"), Hidden, NotOffered),
        column(QStringLiteral("Açıklama"), QStringLiteral("ACIKLAMA"), Hidden, Offered),
        column({}, QStringLiteral("IDNO"), Hidden, NotOffered),
        column({}, QStringLiteral("VERENSIRANO"), Hidden, NotOffered),
        column(QStringLiteral("Veren"), QStringLiteral("VEREN"), Shown, Offered),
        column(QStringLiteral("Cari Kod"), QStringLiteral("CARIKOD"), Hidden, NotOffered),
        column(QStringLiteral("Cari Adı"), QStringLiteral("CARIADI"), Hidden, NotOffered),
        column({}, QStringLiteral("OEM1"), Hidden, Offered),
        column({}, QStringLiteral("OEM3"), Hidden, Offered),
        column({}, QStringLiteral("OEM2"), Hidden, Offered),
        column({}, QStringLiteral("OEM4"), Hidden, Offered),
        column({}, QStringLiteral("STOK_STOKNO"), Hidden, NotOffered),
        column({}, QStringLiteral("URETICIKODU"), Hidden, NotOffered),
        column({}, QStringLiteral("DIGERADI"), Hidden, Offered),
        column({}, QStringLiteral("DPKOD"), Hidden, Offered),
        column(QStringLiteral("Marka"), QStringLiteral("MARKA"), Hidden, Offered),
        column(QStringLiteral("Model"), QStringLiteral("MODEL"), Hidden, Offered),
        column(QStringLiteral("Ana Grup"), QStringLiteral("ANAGRUP"), Hidden, Offered),
        column(QStringLiteral("Özel Kod"), QStringLiteral("OZELKOD"), Hidden, Offered),
        column({}, QStringLiteral("PKOD"), Hidden, Offered),
        column({}, QStringLiteral("TESLIM"), Hidden, NotOffered),
        column({}, QStringLiteral("KARGO"), Hidden, NotOffered),
        number(QStringLiteral("Teslim Edilen"), QStringLiteral("TESLIMEDILEN"), Shown, Offered),
        number(QStringLiteral("Kalan Bakiye"), QStringLiteral("KALAN"), Shown, Offered),
        secondId,
        column({}, QStringLiteral("STOKHAR_NO"), Hidden, NotOffered),
        eldeki,
        durum,
        column({}, QStringLiteral("ALINANSIPARIS"), Hidden, NotOffered),
        column({}, QStringLiteral("VERILENSIPARIS"), Hidden, NotOffered),
    };
}

} // namespace

Ttumsiparisler::Ttumsiparisler(QWidget *AOwner)
    : QDialog(AOwner), ui(std::make_unique<Ui::Ttumsiparisler>())
{
    ui->setupUi(this);
    cxGrid1 = ui->cxGrid1;
    Button1 = ui->Button1;
    Button2 = ui->Button2;

    vorpa::GridLook look = cxGrid1->look();
    look.font = vorpa::GridLook::defaultFont(QStringLiteral("Tahoma"), 13, false);
    look.rowHeight = 40;
    look.headerHeight = 40;
    cxGrid1->setLook(look);
    cxGrid1->setColumns(orderLineColumns());
    cxGrid1->setSummaries({
        {vorpa::SummaryKind::Count, QStringLiteral("VERILISTARIHI"), {}, {}},
        {vorpa::SummaryKind::Sum, QStringLiteral("MIKTAR"), {}, {}},
        {vorpa::SummaryKind::Sum, QStringLiteral("KALAN"), {}, {}},
    });
    cxGrid1->setFilterButtonsVisible(true);
    cxGrid1->setLayoutMode(vorpa::DataGrid::LayoutMode::FitToWidth);
    cxGrid1->view()->setFocusPolicy(Qt::StrongFocus);
    cxGrid1->setDataSet(&bakiyesepet);

    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button2, &QPushButton::clicked, this, [this] { cxGrid1->exportWithDialog(this); });
}

Ttumsiparisler::~Ttumsiparisler()
{
    cxGrid1->setDataSet(nullptr);
}

std::unique_ptr<Ttumsiparisler> Ttumsiparisler::Ac(QWidget *AOwner, TSonucBilgisi &_bilgi, int _stokno,
                                                   const vorpa::DSConnection &_bagc)
{
    auto window = std::make_unique<Ttumsiparisler>(AOwner);
    window->bilgi = &_bilgi;
    window->stokno = _stokno;
    window->bagim = _bagc.CloneConnection();
    window->RolKuraliUygula(_bilgi.MusteriTipi());
    if (!window->Getir())
        return nullptr;
    window->Goster();
    return window;
}

void Ttumsiparisler::RolKuraliUygula(int MusteriTipi)
{
    const QString eldeki = QStringLiteral("cxGridDBTableView1ELDEKI");
    const QString durum = QStringLiteral("cxGridDBTableView1DURUM");
    if (MusteriTipi == 1 || MusteriTipi == 2) {
        cxGrid1->setColumnVisible(eldeki, true);
        cxGrid1->setColumnOffered(eldeki, true);
    } else if (MusteriTipi == 3) {
        cxGrid1->setColumnVisible(durum, false);
        cxGrid1->setColumnOffered(durum, false);
    }
}

bool Ttumsiparisler::Getir()
{
    if (!bagim || !bilgi)
        return false;
    try {
        bagim->Open();
        TServerMethods1Client proxy(*bagim);
        vorpa::ResultReader *reader = proxy.TumSiparislerVer(bilgi->CARINO(), stokno);
        bakiyesepet.disableControls();
        bakiyesepet = reader ? reader->toDataSet() : vorpa::DataSet();
        SetFloatDisplayFormat(bakiyesepet);
        bakiyesepet.enableControls();
    } catch (const std::exception &error) {
        if (bakiyesepet.controlsDisabled())
            bakiyesepet.enableControls();
        bagim->Close();
        vorpa::ShowApplicationError(QString::fromUtf8(error.what()));
        return false;
    }
    bagim->Close();
    return true;
}

void Ttumsiparisler::Goster()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area.left() + 50, area.top() + 50, area.width() - 100, area.height() - 150);
}
