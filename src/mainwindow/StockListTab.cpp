#include "StockListTab.h"

#include "BasketLines.h"
#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "DataGrid.h"
#include "DataSet.h"
#include "DataSetUtil.h"
#include "ReportErrors.h"
#include "StockListGrid.h"
#include "baglantiu.h"
#include "beklesinu.h"
#include "proxim.h"
#include "staff/hareket_stoku.h"
#include "staff/tumsiparislerU.h"
#include "utils.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace vorpa {

namespace {

// What one search carries from the user-interface thread to the worker and back.
struct SearchJob {
    QString text;
    TSonucBilgisi session;
    std::unique_ptr<DSConnection> connection;
    DataSet previous; // the last result, freed by the worker rather than the user-interface thread
    DataSet result;
    bool failed = true;
};

} // namespace

StockListTab::StockListTab(const Controls &controls, DSConnection &bagc, TSonucBilgisi &sbilgi, DataSet &stok,
                           BasketLines &basket, QObject *parent)
    : QObject(parent), m_controls(controls), m_bagc(bagc), m_sbilgi(sbilgi), m_stok(stok), m_basket(basket)
{
    m_grid = new DataGrid(controls.page);
    m_grid->setObjectName(QStringLiteral("cxGrid1"));
    auto *layout = qobject_cast<QVBoxLayout *>(controls.page->layout());
    if (!layout) {
        layout = new QVBoxLayout(controls.page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(m_grid);
    StockListGrid::setUp(*m_grid);
    m_grid->setDataSet(&m_stok);
    buildMenu();

    connect(m_grid, &DataGrid::resized, this, [this] {
        if (m_controls.araedit->isEnabled())
            Yerlestir();
    });
    connect(m_grid, &DataGrid::rowDoubleClicked, this, [this] { SepeteEkle(); });
    connect(m_controls.araedit, &QLineEdit::returnPressed, this, &StockListTab::Ara);
    if (m_controls.ara)
        connect(m_controls.ara, &QAbstractButton::clicked, this, [this] {
            if (m_controls.araedit->isEnabled())
                Ara();
        });
    if (m_controls.temizle)
        connect(m_controls.temizle, &QAbstractButton::clicked, this, &StockListTab::Temizle);
}

void StockListTab::buildMenu()
{
    m_menu = new QMenu(m_grid);
    m_menu->setObjectName(QStringLiteral("popstok"));
    connect(m_menu->addAction(QStringLiteral("Sepete Ekle")), &QAction::triggered, this, &StockListTab::SepeteEkle);
    m_menu->addSeparator();
    // Kept in the menu for its place; it has nothing to show from here.
    m_menu->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("Siparişleri Göster")), &QAction::triggered, this,
            &StockListTab::SiparisleriGoster);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("Stok Hareketleri")), &QAction::triggered, this,
            &StockListTab::StokHareketleri);
    m_grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid->view(), &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        m_menu->popup(m_grid->view()->viewport()->mapToGlobal(at));
    });
}

void StockListTab::setCaption(const QString &caption)
{
    m_controls.tabs->setTabText(m_controls.tabs->indexOf(m_controls.page), caption);
}

void StockListTab::makeActive()
{
    m_controls.tabs->setCurrentWidget(m_controls.page);
}

void StockListTab::Ara()
{
    if (m_searching || !m_controls.araedit->isEnabled())
        return;
    m_searching = true;
    makeActive();
    m_controls.araedit->setEnabled(false);
    m_controls.gifstokara->show();
    m_grid->setDataSet(nullptr);
    m_grid->beginUpdate();
    m_grid->clearFilters();

    auto job = std::make_shared<SearchJob>();
    job->text = m_controls.araedit->text();
    job->session.Kopyala(m_sbilgi);
    job->connection = m_bagc.CloneConnection();
    job->previous = std::move(m_stok);
    StartAsync([job] {
        job->previous = DataSet();
        try {
            if (!OpenConnectionWithRetry(*job->connection, 0))
                return;
            {
                TServerMethods1Client proxy(*job->connection);
                job->result = proxy.VorpaStokAraGetir(job->text, &job->session);
            }
            job->connection->Close();
            // A packet without the discount rates is not a stock list.
            if (job->result.fieldIndex(QStringLiteral("IND1")) < 0)
                return;
            SetFloatDisplayFormat(job->result);
            job->failed = false;
        } catch (const std::exception &) {
            job->failed = true;
        }
        // Its socket belongs to this thread, so it must not outlive the job here.
        job->connection.reset();
    })->Await(
        [this, job] {
            if (!job->failed) {
                m_stok = std::move(job->result);
                setCaption(QString::number(m_stok.recordCount()) + QLatin1Char('=') + Caption);
            }
            m_controls.araedit->setEnabled(true);
            m_grid->setDataSet(&m_stok);
            m_grid->endUpdate();
            m_controls.araedit->selectAll();
            m_controls.araedit->setFocus();
            m_controls.gifstokara->hide();
            m_searching = false;
            if (job->failed) {
                if (m_stok.isActive())
                    m_stok.clearRows();
                ShowTurkishMessage(ConnectionFailedText, MessageKind::Error, OkButton, MessageButton::Ok);
                setCaption(Caption);
            }
            emit searchFinished(!job->failed);
        },
        this);
}

void StockListTab::AraMetin(const QString &text)
{
    m_controls.araedit->setText(text);
    if (m_controls.araedit->isEnabled())
        Ara();
}

void StockListTab::Temizle()
{
    if (!m_controls.araedit->isEnabled())
        return;
    if (m_stok.isActive()) {
        m_stok.clearRows();
        setCaption(Caption);
    }
    makeActive();
    m_grid->clearFilters();
    m_controls.araedit->clear();
    m_controls.araedit->selectAll();
    m_controls.araedit->setFocus();
}

void StockListTab::CariDegisti()
{
    if (m_stok.isActive())
        m_stok.clearRows();
    setCaption(QStringLiteral("0=") + Caption);
    makeActive();
    m_controls.araedit->selectAll();
    m_controls.araedit->setFocus();
}

int StockListTab::focusedStockNo() const
{
    const QVariant value = m_grid->focusedValue(QStringLiteral("STOK_STOKNO"));
    return value.isNull() ? -1 : value.toInt();
}

void StockListTab::SepeteEkle()
{
    const int row = m_grid->focusedRow();
    if (row < 0)
        return;
    ReportErrors([this, row] { m_basket.SepeteEkle(m_stok, row, true); });
}

void StockListTab::SiparisleriGoster()
{
    const int stokno = focusedStockNo();
    if (stokno < 0)
        return;
    ReportErrors([this, stokno] {
        const std::unique_ptr<Ttumsiparisler> window = Ttumsiparisler::Ac(m_controls.window, m_sbilgi, stokno, m_bagc);
        if (window)
            window->exec();
    });
}

void StockListTab::StokHareketleri()
{
    const int stokno = focusedStockNo();
    if (stokno < 0)
        return;
    ReportErrors([this, stokno] {
        const std::optional<DataSet> movements = Thareket_stok::HareketleriGetir(m_bagc, m_sbilgi.CARINO(), stokno);
        if (!movements)
            return;
        const std::unique_ptr<Thareket_stok> window = Thareket_stok::Ac(m_controls.window, *movements);
        window->exec();
    });
}

void StockListTab::Yerlestir()
{
    StockListGrid::layOut(*m_grid, m_controls.window->width());
}

} // namespace vorpa
