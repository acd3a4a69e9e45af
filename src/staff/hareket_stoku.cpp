#include "hareket_stoku.h"

#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "DataGrid.h"
#include "proxim.h"
#include "ui_hareket_stoku.h"
#include "utils.h"

#include <QPushButton>

using vorpa::ColumnKind;
using vorpa::GridColumn;

namespace {

// Every column is headed by its own name; no display format is given to the numbers.
GridColumn column(const QString &field, bool shown, ColumnKind kind = ColumnKind::Text)
{
    GridColumn c;
    c.caption = field;
    c.field = field;
    c.shown = shown ? vorpa::Shown : vorpa::Hidden;
    c.offered = vorpa::Offered;
    c.kind = kind;
    return c;
}

GridColumn number(const QString &field, bool shown = true)
{
    return column(field, shown, ColumnKind::Number);
}

QList<GridColumn> movementColumns()
{
    QList<GridColumn> columns = {
        column(QStringLiteral("BARKOD"), false),
        column(QStringLiteral("TARIH"), true),
        column(QStringLiteral("TURU"), true),
        column(QStringLiteral("EVRAKSERI"), true),
        column(QStringLiteral("EVRAKSIRA"), true),
        number(QStringLiteral("MIKTAR")),
        number(QStringLiteral("TLBIRIMFIYAT")),
        number(QStringLiteral("TLVERGI")),
        number(QStringLiteral("TLTUTAR")),
    };
    for (int i = 1; i <= 8; ++i)
        columns.append(number(QStringLiteral("INDIRIM%1").arg(i), false));
    columns += {
        number(QStringLiteral("TOPLAMINDIRIM")),
        number(QStringLiteral("MASRAF1")),
        number(QStringLiteral("MASRAF2")),
        number(QStringLiteral("TOPLAMMASRAF"), false),
        number(QStringLiteral("NETBIRIMFIYAT")),
        number(QStringLiteral("NETTLTUTAR")),
        column(QStringLiteral("VADE"), false),
        column(QStringLiteral("STOKCARIKOD"), false),
        number(QStringLiteral("KDVDAHILBIRIMFIYAT")),
        number(QStringLiteral("KDVDAHILTUTAR")),
        column(QStringLiteral("SATICI"), false),
    };
    return columns;
}

} // namespace

Thareket_stok::Thareket_stok(QWidget *AOwner, const vorpa::DataSet &_data)
    : QDialog(AOwner), ui(std::make_unique<Ui::Thareket_stok>())
{
    ui->setupUi(this);
    cxGrid1 = ui->cxGrid1;
    Button1 = ui->Button1;

    vorpa::GridLook look = cxGrid1->look();
    look.font = vorpa::GridLook::defaultFont(QStringLiteral("Arial"), 13, false);
    look.headerFont = vorpa::GridLook::defaultFont(QStringLiteral("Arial"), 13, true);
    look.rowHeight = 40;
    look.headerHeight = 40;
    look.gridLineColor = Qt::white;
    look.indicatorWidth = 5;
    look.backgroundColor = QColor(239, 239, 239);
    look.evenRowColor = QColor(239, 239, 239);
    look.oddRowColor = Qt::white;
    look.headerColor = QColor(61, 65, 74);
    look.headerTextColor = Qt::white;
    look.selectedRowColor = QColor(210, 240, 249);
    look.selectedTextColor = Qt::black;
    cxGrid1->setLook(look);
    cxGrid1->setRowSelection(true);
    cxGrid1->setFilterButtonsVisible(true);
    cxGrid1->setColumns(movementColumns());
    cxGrid1->setSummaries({
        {vorpa::SummaryKind::Count, QStringLiteral("MIKTAR"), {}, {}},
        {vorpa::SummaryKind::Average, QStringLiteral("NETBIRIMFIYAT"), {}, {}},
        {vorpa::SummaryKind::Average, QStringLiteral("NETTLTUTAR"), {}, {}},
        {vorpa::SummaryKind::Average, QStringLiteral("KDVDAHILBIRIMFIYAT"), {}, {}},
        {vorpa::SummaryKind::Average, QStringLiteral("KDVDAHILTUTAR"), {}, {}},
    });

    cxGrid1->beginUpdate();
    har = _data;
    cxGrid1->setDataSet(&har);
    cxGrid1->endUpdate();

    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

Thareket_stok::~Thareket_stok()
{
    cxGrid1->setDataSet(nullptr);
}

std::unique_ptr<Thareket_stok> Thareket_stok::Ac(QWidget *AOwner, const vorpa::DataSet &_data)
{
    return std::make_unique<Thareket_stok>(AOwner, _data);
}

std::optional<vorpa::DataSet> Thareket_stok::HareketleriGetir(const vorpa::DSConnection &_bagc, int carino, int stokno)
{
    std::unique_ptr<vorpa::DSConnection> connection = _bagc.CloneConnection();
    if (!OpenConnectionWithRetry(*connection, 0))
        return std::nullopt;
    try {
        TServerMethods1Client proxy(*connection);
        vorpa::DataSet movements = proxy.StokHareketVer(carino, stokno);
        connection->Close();
        return movements;
    } catch (const std::exception &error) {
        connection->Close();
        vorpa::ShowApplicationError(QString::fromUtf8(error.what()));
        return std::nullopt;
    }
}
