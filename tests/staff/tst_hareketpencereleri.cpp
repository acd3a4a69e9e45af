#include "ConnectionRetry.h"
#include "DSConnection.h"
#include "DataGrid.h"
#include "Dispatcher.h"
#include "RemoteServer.h"
#include "baglantiu.h"
#include "staff/hareket_stoku.h"
#include "staff/tumsiparislerU.h"
#include "utils.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMutex>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using vorpa::DataSet;
using vorpa::FieldType;

namespace {

DataSet orderLines()
{
    DataSet rows({{QStringLiteral("VERILISTARIHI"), FieldType::DateTime},
                  {QStringLiteral("SIPARISNO"), FieldType::Int32},
                  {QStringLiteral("BARKOD"), FieldType::String},
                  {QStringLiteral("STOKADI"), FieldType::String},
                  {QStringLiteral("MIKTAR"), FieldType::Double},
                  {QStringLiteral("BIRIMFIYAT"), FieldType::Double},
                  {QStringLiteral("KALAN"), FieldType::Double},
                  {QStringLiteral("ELDEKI"), FieldType::Double},
                  {QStringLiteral("DURUM"), FieldType::Int32}});
    rows.appendRow({45000.0, 1, QStringLiteral("FRN-1"), QStringLiteral("Fren balatası"), 2.0, 100.0, 1.5, 10.0, 1});
    rows.appendRow({45001.0, 2, QStringLiteral("FLT-2"), QStringLiteral("Yağ filtresi"), 1000.0, 12.5, 250.25, 0.0, 0});
    rows.appendRow({45002.0, 3, QStringLiteral("BJ-3"), QStringLiteral("Buji"), 3.0, 7.0, 0.0, 4.0, 3});
    return rows;
}

DataSet movements()
{
    QList<vorpa::FieldDef> fields = {{QStringLiteral("BARKOD"), FieldType::String},
                                     {QStringLiteral("TARIH"), FieldType::DateTime},
                                     {QStringLiteral("TURU"), FieldType::String},
                                     {QStringLiteral("MIKTAR"), FieldType::Double},
                                     {QStringLiteral("NETBIRIMFIYAT"), FieldType::Double},
                                     {QStringLiteral("NETTLTUTAR"), FieldType::Double},
                                     {QStringLiteral("KDVDAHILBIRIMFIYAT"), FieldType::Double},
                                     {QStringLiteral("KDVDAHILTUTAR"), FieldType::Double}};
    DataSet rows(fields);
    rows.appendRow({QStringLiteral("FRN-1"), 45000.0, QStringLiteral("Satış"), 2.0, 10.0, 20.0, 12.0, 24.0});
    rows.appendRow({QStringLiteral("FRN-1"), 45010.0, QStringLiteral("Satış"), 1.0, 15.0, 15.0, 18.0, 18.0});
    rows.appendRow({QStringLiteral("FRN-1"), 45020.0, QStringLiteral("İade"), -1.0, 12.5, -12.5, 15.0, -15.0});
    rows.appendRow({QStringLiteral("FRN-1"), 45030.0, QStringLiteral("Satış"), 4.0, 12.5, 50.0, 15.0, 60.0});
    return rows;
}

// A loopback server for the two movement lists that records what it was asked.
class MovementServer {
public:
    MovementServer()
    {
        m_dispatcher.registerOperation(QStringLiteral("TumSiparislerVer"), [this](const vorpa::CallParams &p) {
            remember(p.integer(0), p.integer(1));
            if (m_fail)
                throw std::runtime_error("Sipariş hareketleri okunamadı");
            return vorpa::CallResult::reader(orderLines());
        });
        m_dispatcher.registerOperation(QStringLiteral("StokHareketVer"), [this](const vorpa::CallParams &p) {
            remember(p.integer(0), p.integer(1));
            if (m_fail)
                throw std::runtime_error("Stok hareketleri okunamadı");
            return vorpa::CallResult::packet(movements());
        });
        m_server = std::make_unique<vorpa::RemoteServer>(m_dispatcher);
        QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
        m_connection.setHostName(QStringLiteral("127.0.0.1"));
        m_connection.setPort(m_server->port());
    }
    ~MovementServer() { m_server->close(); }

    const vorpa::DSConnection &connection() const { return m_connection; }
    void failCalls() { m_fail = true; }
    QList<QPair<int, int>> asked()
    {
        QMutexLocker lock(&m_mutex);
        return m_asked;
    }

private:
    void remember(int carino, int stokno)
    {
        QMutexLocker lock(&m_mutex);
        m_asked.append({carino, stokno});
    }

    vorpa::Dispatcher m_dispatcher;
    std::unique_ptr<vorpa::RemoteServer> m_server;
    vorpa::DSConnection m_connection;
    QMutex m_mutex;
    QList<QPair<int, int>> m_asked;
    std::atomic<bool> m_fail{false};
};

TSonucBilgisi session(int role)
{
    TSonucBilgisi s;
    s.setCARINO(42);
    s.setMusteriTipi(role);
    return s;
}

quint16 deadPort()
{
    vorpa::Dispatcher dispatcher;
    vorpa::RemoteServer probe(dispatcher);
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 1;
    const quint16 port = probe.port();
    probe.close();
    return port;
}

} // namespace

class HareketPencereleriTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void orderLinesLoadWithFooter();
    void roleRule_data();
    void roleRule();
    void declaredColumns();
    void failuresKeepTheWindowClosed_data();
    void failuresKeepTheWindowClosed();
    void placedByTheScreen();
    void excelExportFollowsTheDialog();
    void stockMovementsShowFooterAverages();
    void stockMovementsFetch();

private:
    QStringList m_messages;
    QString m_saveAnswer;
    int m_saveDialogs = 0;
};

void HareketPencereleriTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    vorpa::setMessageHandler([this](const vorpa::MessageRequest &request) {
        m_messages.append(request.text);
        return vorpa::ModalResult::Ok;
    });
    vorpa::setRetryDelay(std::chrono::milliseconds(0));
    vorpa::setRetryMessageSink([](const QString &, bool) {});
    vorpa::DataGrid::setSaveDialogHook([this](QWidget *, const QString &, const QString &filter) {
        ++m_saveDialogs;
        [&] { QVERIFY(filter.contains(QStringLiteral("*.xls*"))); }();
        return m_saveAnswer;
    });
    vorpa::DataGrid::setMessageHook([this](QWidget *, const QString &text) { m_messages.append(text); });
}

void HareketPencereleriTest::cleanup()
{
    m_messages.clear();
    m_saveDialogs = 0;
}

void HareketPencereleriTest::orderLinesLoadWithFooter()
{
    MovementServer server;
    TSonucBilgisi bilgi = session(5);
    std::unique_ptr<Ttumsiparisler> window = Ttumsiparisler::Ac(nullptr, bilgi, 7, server.connection());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Sipariş Hareketleri"));
    QCOMPARE(server.asked(), (QList<QPair<int, int>>{{42, 7}}));
    QVERIFY(!window->bagim->Connected()); // closed after the load
    QCOMPARE(window->bakiyesepet.recordCount(), 3);
    QCOMPARE(window->cxGrid1->rowCount(), 3);
    // Count under "Sipariş Tarihi", sums of "Miktar" and "Kalan Bakiye" in the amount format.
    QCOMPARE(window->cxGrid1->summaryText(0), QStringLiteral("3"));
    QCOMPARE(window->cxGrid1->summaryText(1), QStringLiteral("1.005,00"));
    QCOMPARE(window->cxGrid1->summaryText(2), QStringLiteral("251,75"));
    QCOMPARE(window->Button2->text(), QStringLiteral("Excel Kaydet"));
    QCOMPARE(window->Button1->text(), QStringLiteral("Kapat"));

    // "Tüm Siparişler" asks for every stock with 0.
    std::unique_ptr<Ttumsiparisler> all = Ttumsiparisler::Ac(nullptr, bilgi, 0, server.connection());
    QVERIFY(all);
    QCOMPARE(server.asked().last(), (QPair<int, int>{42, 0}));
}

void HareketPencereleriTest::roleRule_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("eldekiShown");
    QTest::addColumn<bool>("eldekiOffered");
    QTest::addColumn<bool>("durumShown");
    QTest::addColumn<bool>("durumOffered");
    QTest::newRow("staff 1") << 1 << true << true << true << true;
    QTest::newRow("staff 2") << 2 << true << true << true << true;
    QTest::newRow("customer 3") << 3 << false << false << false << false;
    QTest::newRow("customer 4") << 4 << false << false << true << true;
    QTest::newRow("other") << 0 << false << false << true << true;
}

void HareketPencereleriTest::roleRule()
{
    QFETCH(int, role);
    MovementServer server;
    TSonucBilgisi bilgi = session(role);
    std::unique_ptr<Ttumsiparisler> window = Ttumsiparisler::Ac(nullptr, bilgi, 0, server.connection());
    QVERIFY(window);
    vorpa::DataGrid *grid = window->cxGrid1;
    QTEST(grid->isColumnVisible(QStringLiteral("ELDEKI")), "eldekiShown");
    QTEST(grid->isColumnOffered(QStringLiteral("ELDEKI")), "eldekiOffered");
    QTEST(grid->isColumnVisible(QStringLiteral("DURUM")), "durumShown");
    QTEST(grid->isColumnOffered(QStringLiteral("DURUM")), "durumOffered");
}

void HareketPencereleriTest::declaredColumns()
{
    Ttumsiparisler window;
    vorpa::DataGrid *grid = window.cxGrid1;
    const QList<vorpa::GridColumn> &columns = grid->columns();
    QCOMPARE(columns.first().field, QStringLiteral("VERILISTARIHI"));
    QCOMPARE(columns.first().caption, QStringLiteral("Sipariş Tarihi"));
    QCOMPARE(columns.last().field, QStringLiteral("VERILENSIPARIS"));

    struct Expect {
        const char *field;
        const char *caption;
        bool shown;
        bool offered;
    };
    const Expect expected[] = {
        {"SIPARISNO", "Sipariş No", false, false}, {"TARIH", "Tarih", false, true},
        {"STOKADI", "Stok Açıklama", true, true},  {"INDIRIMORANI1", "İn.Oranı%", true, true},
        {"KDV", "KDV", true, true},                {"OEM3", "OEM3", false, true},
        {"CARIADI", "Cari Adı", false, false},     {"KALAN", "Kalan Bakiye", true, true},
        {"ILKFIYAT", "İlk Fiyat", false, false},   {"OZELKOD", "Özel Kod", false, true},
    };
    for (const Expect &e : expected) {
        const QString field = QString::fromUtf8(e.field);
        const int index = grid->columnIndex(field);
        QVERIFY2(index >= 0, e.field);
        QCOMPARE(columns.at(index).caption, QString::fromUtf8(e.caption));
        QCOMPARE(grid->isColumnVisible(field), e.shown);
        QCOMPARE(grid->isColumnOffered(field), e.offered);
    }
    QCOMPARE(columns.at(grid->columnIndex(QStringLiteral("DURUM"))).kind, vorpa::ColumnKind::StatusIcon);
    // The second column on IDNO stays out of sight and out of the chooser.
    QVERIFY(grid->columnIndex(QStringLiteral("IDNO2")) >= 0);
    QVERIFY(!grid->isColumnOffered(QStringLiteral("IDNO2")));
}

void HareketPencereleriTest::failuresKeepTheWindowClosed_data()
{
    QTest::addColumn<bool>("serverRunning");
    QTest::addColumn<QString>("message");
    QTest::newRow("call fails") << true << QStringLiteral("Sipariş hareketleri okunamadı");
    QTest::newRow("no connection") << false << QString();
}

void HareketPencereleriTest::failuresKeepTheWindowClosed()
{
    QFETCH(bool, serverRunning);
    QFETCH(QString, message);
    MovementServer server;
    server.failCalls();
    vorpa::DSConnection dead;
    dead.setHostName(QStringLiteral("127.0.0.1"));
    dead.setPort(deadPort());
    TSonucBilgisi bilgi = session(1);
    std::unique_ptr<Ttumsiparisler> window =
        Ttumsiparisler::Ac(nullptr, bilgi, 3, serverRunning ? server.connection() : dead);
    QVERIFY(!window);
    QCOMPARE(m_messages.size(), 1); // one box with the failure's own text, no retries
    if (!message.isEmpty())
        QCOMPARE(m_messages.first(), message);
}

void HareketPencereleriTest::placedByTheScreen()
{
    Ttumsiparisler window;
    window.Goster();
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.geometry().topLeft(), screen.topLeft() + QPoint(50, 50));
    QCOMPARE(window.width(), screen.width() - 100);
    QCOMPARE(window.height(), screen.height() - 150);
}

void HareketPencereleriTest::excelExportFollowsTheDialog()
{
    MovementServer server;
    TSonucBilgisi bilgi = session(1);
    std::unique_ptr<Ttumsiparisler> window = Ttumsiparisler::Ac(nullptr, bilgi, 0, server.connection());
    QVERIFY(window);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    m_saveAnswer.clear(); // cancelled
    QTest::mouseClick(window->Button2, Qt::LeftButton);
    QCOMPARE(m_saveDialogs, 1);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    m_saveAnswer = dir.filePath(QStringLiteral("siparisler"));
    QTest::mouseClick(window->Button2, Qt::LeftButton);
    QCOMPARE(m_saveDialogs, 2);
    const QStringList written = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(written.size(), 1);
    QVERIFY(QFileInfo(dir.filePath(written.first())).size() > 0);
    QVERIFY(m_messages.isEmpty()); // nothing is shown afterwards
}

void HareketPencereleriTest::stockMovementsShowFooterAverages()
{
    const DataSet data = movements();
    std::unique_ptr<Thareket_stok> window = Thareket_stok::Ac(nullptr, data);
    QCOMPARE(window->windowTitle(), QStringLiteral("Stok Hareketleri"));
    QCOMPARE(window->har.recordCount(), 4);
    vorpa::DataGrid *grid = window->cxGrid1;
    QCOMPARE(grid->rowCount(), 4);
    QVERIFY(!grid->isColumnVisible(QStringLiteral("BARKOD")));
    QVERIFY(!grid->isColumnVisible(QStringLiteral("INDIRIM5")));
    QVERIFY(grid->isColumnVisible(QStringLiteral("NETTLTUTAR")));
    for (const vorpa::GridColumn &column : grid->columns())
        QCOMPARE(column.caption, column.field);
    // Count under MIKTAR, then averages, with no amount format applied.
    QCOMPARE(grid->summaryText(0), QStringLiteral("4"));
    QCOMPARE(grid->summaryText(1), QStringLiteral("12,5"));
    QCOMPARE(grid->summaryText(2), QStringLiteral("18,125"));
    QCOMPARE(grid->look().indicatorWidth, 5);
    QCOMPARE(grid->look().headerColor, QColor(61, 65, 74));
    // The packet was copied: the caller's dataset is its own.
    QCOMPARE(data.recordCount(), 4);
    QCOMPARE(window->Button1->text(), QStringLiteral("Kapat"));
}

void HareketPencereleriTest::stockMovementsFetch()
{
    MovementServer server;
    std::optional<DataSet> fetched = Thareket_stok::HareketleriGetir(server.connection(), 42, 815);
    QVERIFY(fetched);
    QCOMPARE(fetched->recordCount(), 4);
    QCOMPARE(server.asked(), (QList<QPair<int, int>>{{42, 815}}));

    vorpa::DSConnection dead;
    dead.setHostName(QStringLiteral("127.0.0.1"));
    dead.setPort(deadPort());
    QVERIFY(!Thareket_stok::HareketleriGetir(dead, 42, 815));
    QVERIFY(m_messages.isEmpty()); // no closing message for this open

    server.failCalls();
    QVERIFY(!Thareket_stok::HareketleriGetir(server.connection(), 42, 815));
    QCOMPARE(m_messages, QStringList{QStringLiteral("Stok hareketleri okunamadı")});
}

QTEST_MAIN(HareketPencereleriTest)
#include "tst_hareketpencereleri.moc"
