#include "seccariu.h"

#include "DSConnection.h"
#include "DataGrid.h"
#include "DataSetModel.h"
#include "DataSetUtil.h"
#include "NumberFormat.h"
#include "ResultReader.h"
#include "baglantiu.h"
#include "proxim.h"
#include "utils.h"

#include "ui_seccariu.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QValidator>

namespace {

const QString AmountFormat = QStringLiteral("#,###,##0.00");

// The columns of the customer list, in order: shown ones first, then those the user may bring in.
QList<vorpa::GridColumn> customerColumns()
{
    using vorpa::ColumnKind;
    QList<vorpa::GridColumn> columns;
    const auto add = [&](const char *field, vorpa::ColumnVisibility shown, ColumnKind kind = ColumnKind::Text) {
        vorpa::GridColumn column;
        column.caption = QString::fromLatin1(field);
        column.field = column.caption;
        column.shown = shown;
        column.kind = kind;
        columns.append(column);
    };
    add("CARIKOD", vorpa::Shown);
    add("CARIADI", vorpa::Shown);
    add("SATICISI", vorpa::Shown);
    add("TLBAKIYE", vorpa::Shown, ColumnKind::Number);
    add("DURUM", vorpa::Shown);
    for (const char *count : {"SEPET", "ALINDI", "ONAYLANDI", "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI"})
        add(count, vorpa::Shown, ColumnKind::Number);
    for (const char *hidden : {"CARINO", "OZELKOD", "KOD1", "KOD2", "KOD3", "KOD4", "KOD5", "TEL1", "TEL2", "ILCE",
                               "IL", "GSM", "YETKILI"})
        add(hidden, vorpa::Hidden);
    add("INDIRIM", vorpa::Hidden, ColumnKind::Number);
    add("VADE", vorpa::Hidden, ColumnKind::Number);
    for (const char *hidden : {"VADEKONTROLGUN", "VADEKONTROLAY", "VERGIDAIRESI", "VERGINO", "ADRES1", "ADRES2",
                               "ANAGRUP", "ALTGRUP", "FAX1", "FAX2", "EMAIL"})
        add(hidden, vorpa::Hidden);
    return columns;
}

// A button icon: a symbol on a rounded tile in the button's colour.
QIcon tileIcon(const QString &symbol, const QColor &colour)
{
    QPixmap pixmap(80, 80);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(2, 2, 76, 76), 14, 14);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(46);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, symbol);
    return QIcon(pixmap);
}

QPixmap searchPicture()
{
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(67, 76, 88), 3));
    painter.drawEllipse(QRectF(4, 4, 14, 14));
    painter.drawLine(QPointF(16, 16), QPointF(24, 24));
    return pixmap;
}

// Letters turn to upper case as they are typed (Turkish rules).
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        input = QLocale(QLocale::Turkish, QLocale::Turkey).toUpper(input);
        return Acceptable;
    }
};

} // namespace

Tseccari::Tseccari(QWidget *AOwner)
    : QDialog(AOwner)
    , ui(std::make_unique<Ui::Tseccari>())
{
    ui->setupUi(this);
    cxGrid1 = ui->cxGrid1;
    SetUpButtons();
    SetUpGrid();
    ui->aramaResmi->setPixmap(searchPicture());
    ui->NEdit1->setValidator(new UpperCaseValidator(ui->NEdit1));
    ui->NEdit1->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &Tseccari::Sec);
    connect(ui->Button2, &QPushButton::clicked, this, &Tseccari::Button2Click);
    ui->CariBilgileri->hide();
    ui->ayirici->setStretchFactor(0, 3);
    ui->ayirici->setStretchFactor(1, 1);
    ui->NEdit1->setFocus();
}

Tseccari::~Tseccari()
{
    // The grid outlives this object's own parts; it must not call back into them while it goes.
    cxGrid1->disconnect(this);
    cxGrid1->model()->disconnect(this);
    cxGrid1->setDataSet(nullptr);
}

void Tseccari::SetUpButtons()
{
    ui->sBitBtn2->setToolTip(QStringLiteral("Tüm Carileri Listeler"));
    ui->sepettus->setToolTip(QStringLiteral("Sipariş sepetinde \r\nstok olan carileri listeler."));
    ui->alinditus->setToolTip(QStringLiteral("Yeni Alınan \r\nSiparişleri Listeler"));
    ui->onaylanditus->setToolTip(QStringLiteral("Onaylanan Siparişler"));
    ui->goruldutus->setToolTip(QStringLiteral("Görülen Siparişler"));
    ui->parcalihazirlandi->setToolTip(QStringLiteral("Eksik Hazırlanan siparişler"));
    ui->hazirlanditus->setToolTip(QStringLiteral("Hazırlanan Siparişler"));
    ui->sevktus->setToolTip(QStringLiteral("Sevk Edilen Siparişler"));
    ui->sBitBtn2->setIcon(tileIcon(QStringLiteral("☰"), QColor(61, 65, 74)));
    ui->sepettus->setIcon(tileIcon(QStringLiteral("✚"), QColor(226, 10, 23)));
    ui->alinditus->setIcon(tileIcon(QStringLiteral("✉"), QColor(40, 120, 200)));
    ui->onaylanditus->setIcon(tileIcon(QStringLiteral("✔"), QColor(40, 150, 80)));
    ui->goruldutus->setIcon(tileIcon(QStringLiteral("◉"), QColor(120, 90, 170)));
    ui->parcalihazirlandi->setIcon(tileIcon(QStringLiteral("◐"), QColor(220, 140, 20)));
    ui->hazirlanditus->setIcon(tileIcon(QStringLiteral("▣"), QColor(30, 140, 140)));
    ui->sevktus->setIcon(tileIcon(QStringLiteral("➤"), QColor(90, 100, 115)));

    connect(ui->sBitBtn2, &QToolButton::clicked, this, [this] {
        ui->NEdit1->clear();
        CariAra();
    });
    connect(ui->sepettus, &QToolButton::clicked, this, [this] {
        CariSepetVer(1);
        ui->NEdit1->selectAll();
        ui->NEdit1->setFocus();
    });
    const std::pair<QToolButton *, int> statusButtons[] = {{ui->alinditus, 2},         {ui->onaylanditus, 3},
                                                           {ui->goruldutus, 4},        {ui->parcalihazirlandi, 5},
                                                           {ui->hazirlanditus, 6},     {ui->sevktus, 7}};
    for (const auto &[button, code] : statusButtons)
        connect(button, &QToolButton::clicked, this, [this, code = code] { CariSepetVer(code); });
}

void Tseccari::SetUpGrid()
{
    vorpa::GridLook look = cxGrid1->look();
    look.gridLineColor = QColor(143, 170, 220);
    look.rowHeight = 28;
    look.headerHeight = 32;
    cxGrid1->setLook(look);
    cxGrid1->setColumns(customerColumns());
    cxGrid1->setSummaries({{vorpa::SummaryKind::Count, QStringLiteral("CARIKOD")}});
    connect(cxGrid1, &vorpa::DataGrid::rowDoubleClicked, this, &Tseccari::Sec);
    connect(cxGrid1, &vorpa::DataGrid::focusedRowChanged, this, &Tseccari::ShowDetails);
    connect(cxGrid1->model(), &QAbstractItemModel::modelReset, this, &Tseccari::ShowDetails);
}

QString Tseccari::AramaMetni(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("ı"), QStringLiteral("i"));
    return result.trimmed();
}

bool Tseccari::CallServer(const std::function<void(TServerMethods1Client &, const TSonucBilgisi &)> &call)
{
    try {
        bag->Open();
        TSonucBilgisi session;
        session.Kopyala(*bilgim);
        {
            TServerMethods1Client proxy(bag);
            call(proxy, session);
        }
        bag->Close();
        return true;
    } catch (const std::exception &e) {
        bag->Close();
        vorpa::ShowApplicationError(QString::fromUtf8(e.what()));
        return false;
    }
}

void Tseccari::SepetSayisiYaz()
{
    int count = 0;
    if (CallServer([&](TServerMethods1Client &proxy, const TSonucBilgisi &session) {
            count = proxy.SepetSayisi(&session);
        }))
        ui->sepettus->setText(count < 1 ? QString() : QString::number(count));
}

void Tseccari::TusSonuclari()
{
    TTusSonuclari counters;
    bool received = false;
    if (!CallServer([&](TServerMethods1Client &proxy, const TSonucBilgisi &session) {
            if (const TTusSonuclari *answer = proxy.TusSonuclariVer(&session)) {
                counters.Kopyala(*answer);
                received = true;
            }
        })
        || !received)
        return;
    ui->alinditus->setText(QString::number(counters.Alindi()));
    ui->onaylanditus->setText(QString::number(counters.Onaylandi()));
    ui->goruldutus->setText(QString::number(counters.Goruldu()));
    ui->parcalihazirlandi->setText(QString::number(counters.ParcaliHazirlandi()));
    ui->hazirlanditus->setText(QString::number(counters.Hazirlandi()));
    ui->sevktus->setText(QString::number(counters.SevkEdildi()));
}

void Tseccari::CariAra()
{
    const QString text = AramaMetni(ui->NEdit1->text());
    vorpa::DataSet rows;
    if (CallServer([&](TServerMethods1Client &proxy, const TSonucBilgisi &session) {
            rows = vorpa::ReaderToDataSet(*proxy.CariAra(&session, text));
        }))
        ShowList(std::move(rows));
    ui->NEdit1->selectAll();
    ui->NEdit1->setFocus();
}

void Tseccari::CariSepetVer(int durum)
{
    vorpa::DataSet rows;
    if (CallServer([&](TServerMethods1Client &proxy, const TSonucBilgisi &session) {
            rows = vorpa::ReaderToDataSet(*proxy.CariSepetVer(&session, durum));
        }))
        ShowList(std::move(rows));
}

void Tseccari::ShowList(vorpa::DataSet rows)
{
    cxGrid1->beginUpdate();
    cxGrid1->setDataSet(nullptr);
    // Header filters chose among the previous list's values: a new list starts unfiltered.
    cxGrid1->clearFilters();
    CARILER = std::move(rows);
    SetFloatDisplayFormat(CARILER);
    cxGrid1->setDataSet(&CARILER);
    cxGrid1->bestFitColumns();
    const std::vector<int> shown = cxGrid1->shownRows();
    if (!shown.empty())
        cxGrid1->setFocusedRow(shown.front());
    cxGrid1->endUpdate();
    ShowDetails();
}

void Tseccari::ShowDetails()
{
    const int row = cxGrid1->focusedRow();
    if (row < 0 || cxGrid1->dataSet() != &CARILER || row >= CARILER.recordCount()) {
        ui->CariBilgileri->hide();
        return;
    }
    const QLocale locale;
    const auto text = [&](const char *field) -> QString {
        const int column = CARILER.fieldIndex(QString::fromLatin1(field));
        if (column < 0 || CARILER.isNull(row, column))
            return {};
        if (CARILER.field(column).type == vorpa::FieldType::Double)
            return vorpa::formatGeneral(CARILER.doubleValue(row, column), locale);
        return CARILER.value(row, column).toString();
    };
    ui->carikod->setText(text("CARIKOD"));
    ui->cariadi->setText(text("CARIADI"));
    ui->yetkili->setText(text("YETKILI"));
    ui->ozelkod->setText(text("OZELKOD"));
    ui->anagrup->setText(text("ANAGRUP"));
    ui->altgrup->setText(text("ALTGRUP"));
    ui->adres1->setText(text("ADRES1"));
    ui->adres2->setText(text("ADRES2"));
    ui->ilce->setText(text("ILCE") + u'/' + text("IL"));
    ui->vergi->setText(text("VERGIDAIRESI") + u'/' + text("VERGINO"));
    ui->telefon1->setText(text("TEL1"));
    ui->telefon2->setText(text("TEL2"));
    ui->fax1->setText(text("FAX1"));
    ui->fax2->setText(text("FAX2"));
    ui->gsm->setText(text("GSM"));
    ui->email->setText(text("EMAIL"));
    const int balance = CARILER.fieldIndex(QStringLiteral("TLBAKIYE"));
    const double amount = balance >= 0 && !CARILER.isNull(row, balance) ? CARILER.doubleValue(row, balance) : 0.0;
    ui->bakiye->setText(vorpa::formatFloat(amount, AmountFormat, locale) + u' ' + text("DURUM"));
    ui->vade->setText(text("VADE"));
    ui->indirim->setText(text("INDIRIM"));
    ui->CariBilgileri->show();
}

void Tseccari::Sec()
{
    const int row = cxGrid1->focusedRow();
    if (row < 0 || cxGrid1->dataSet() != &CARILER || row >= CARILER.recordCount())
        return;
    const int numberColumn = CARILER.fieldIndex(QStringLiteral("CARINO"));
    if (numberColumn < 0)
        return;
    const qint64 carino = CARILER.intValue(row, numberColumn);
    if (carino <= 0)
        return;
    const int codeColumn = CARILER.fieldIndex(QStringLiteral("CARIKOD"));
    const int nameColumn = CARILER.fieldIndex(QStringLiteral("CARIADI"));
    bilgim->setCARINO(int(carino));
    bilgim->setcarikod(codeColumn >= 0 ? CARILER.stringValue(row, codeColumn) : QString());
    bilgim->setCariAdi(nameColumn >= 0 ? CARILER.stringValue(row, nameColumn) : QString());
    done(vorpa::ModalResult::Ok);
}

void Tseccari::Button2Click()
{
    vorpa::EndProcess(0);
    done(QDialog::Rejected);
}

bool Tseccari::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->NEdit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CariAra();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tseccari::showEvent(QShowEvent *event)
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        setGeometry(area.x() + 50, area.y() + 50, area.width() - 100, area.height() - 100);
    }
    QDialog::showEvent(event);
}
