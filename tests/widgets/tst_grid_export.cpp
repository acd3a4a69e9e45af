#include "DataGrid.h"
#include "DataSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vorpa;

namespace {

struct Cell {
    QString type;  // the cell's t attribute: empty for numbers, "inlineStr"/"s"/"b" otherwise
    QString value; // number or text
    int style = 0;
};

// Reads the first worksheet back with python3's zipfile, as another program would.
QMap<QString, Cell> readSheet(const QString &path)
{
    QProcess python;
    python.start("python3", {"-c",
                             "import sys, zipfile\n"
                             "z = zipfile.ZipFile(sys.argv[1])\n"
                             "assert z.testzip() is None\n"
                             "sys.stdout.write(z.read('xl/worksheets/sheet1.xml').decode('utf-8'))\n",
                             path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return {};
    const QString xml = QString::fromUtf8(python.readAllStandardOutput());
    QMap<QString, Cell> cells;
    static const QRegularExpression cellRe(R"re(<c r="([A-Z]+[0-9]+)"([^>]*?)(?:/>|>(.*?)</c>))re");
    static const QRegularExpression typeRe(R"re(t="([^"]+)")re");
    static const QRegularExpression styleRe(R"re(s="([0-9]+)")re");
    static const QRegularExpression textRe(R"re(<(?:v|t)[^>]*>(.*?)</(?:v|t)>)re");
    for (auto it = cellRe.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        Cell cell;
        cell.type = typeRe.match(m.captured(2)).captured(1);
        cell.style = styleRe.match(m.captured(2)).captured(1).toInt();
        QString text = textRe.match(m.captured(3)).captured(1);
        text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
        cell.value = text;
        cells.insert(m.captured(1), cell);
    }
    return cells;
}

void fill(DataSet &ds)
{
    ds.setFields({{"BARKOD", FieldType::String},
                  {"DURUM", FieldType::Int32},
                  {"DEPO2", FieldType::String},
                  {"FIYAT", FieldType::Double},
                  {"TARIH", FieldType::DateTime},
                  {"STOKNO", FieldType::Int32},
                  {"RESIM", FieldType::Int32}});
    ds.appendRow({"A-1 & <x>", 1, "VAR", 1234.5, 45366.0, 1001, 1});
    ds.appendRow({"=SUM(A1)", 2, "YOK", -0.25, 45367.5, 1002, 0});
    ds.appendRow({"C-3", 0, "VAR", 99.99, QVariant(), 1003, 1});
    ds.setDisplayFormat(3, "#,###,##0.00");
}

QList<GridColumn> columns()
{
    return {{"Barkod", "BARKOD", 2, Shown, Offered, ColumnKind::Text},
            {"Durum", "DURUM", 1, Shown, Offered, ColumnKind::StatusIcon},
            {"Depo", "DEPO2", 1, Shown, Offered, ColumnKind::TextIcon},
            {"Fiyat", "FIYAT", 2, Shown, Offered, ColumnKind::Number},
            {"Tarih", "TARIH", 1, Shown, Offered, ColumnKind::Text},
            {"", "STOKNO", 1, Hidden, NotOffered, ColumnKind::Number},
            {"Resim", "RESIM", 1, Shown, Offered, ColumnKind::PictureFlag}};
}

QStringList leftovers(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class tst_GridExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void writesNumbersDatesAndIconTexts();
    void exportsFilteredRowsAndGroupsExpanded();
    void dialogAddsExtensionAndCancelWritesNothing();
    void unwritablePathGivesMessageAndNoFile();
    void replacesAnExistingFile();
    void yesOnlyFlagExportsNothingForNo();

private:
    QStringList m_messages;
    QString m_dialogAnswer;
    int m_dialogCalls = 0;
};

void tst_GridExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    DataGrid::setMessageHook([this](QWidget *, const QString &text) { m_messages << text; });
    DataGrid::setSaveDialogHook([this](QWidget *, const QString &caption, const QString &filter) {
        ++m_dialogCalls;
        [&] {
            QCOMPARE(caption, QString("Excel Kaydet"));
            QVERIFY(filter.contains("*.xls*"));
        }();
        return m_dialogAnswer;
    });
}

void tst_GridExport::init()
{
    m_messages.clear();
    m_dialogAnswer.clear();
    m_dialogCalls = 0;
}

void tst_GridExport::writesNumbersDatesAndIconTexts()
{
    QTemporaryDir dir;
    DataSet ds;
    fill(ds);
    DataGrid grid;
    grid.setColumns(columns());
    grid.setSummaries({{SummaryKind::Count, "BARKOD"}, {SummaryKind::Sum, "FIYAT"}});
    grid.setDataSet(&ds);
    const QString path = dir.filePath("liste.xlsx");
    QString error;
    QVERIFY2(grid.exportToExcel(path, &error), qPrintable(error));
    const QMap<QString, Cell> cells = readSheet(path);
    QVERIFY(!cells.isEmpty());

    // Captions of the shown columns, in order; the hidden column is left out.
    QCOMPARE(cells["A1"].value, QString("Barkod"));
    QCOMPARE(cells["E1"].value, QString("Tarih"));
    QCOMPARE(cells["F1"].value, QString("Resim"));
    QVERIFY(!cells.contains("G1"));
    // Texts stay texts, even when they look like a formula.
    QCOMPARE(cells["A2"].value, QString("A-1 & <x>"));
    QCOMPARE(cells["A3"].value, QString("=SUM(A1)"));
    QVERIFY(!cells["A3"].type.isEmpty());
    // Icons as their descriptions.
    QCOMPARE(cells["B2"].value, QString("Var"));
    QCOMPARE(cells["B3"].value, QString("Telefon Açınız"));
    QCOMPARE(cells["C3"].value, QString("Yok"));
    QCOMPARE(cells["F2"].value, QString("Var"));
    QCOMPARE(cells["F3"].value, QString("Yok"));
    // Numbers and dates as numbers (no type attribute), with a format.
    QCOMPARE(cells["D2"].type, QString());
    QCOMPARE(cells["D2"].value.toDouble(), 1234.5);
    QCOMPARE(cells["D3"].value.toDouble(), -0.25);
    QVERIFY(cells["D2"].style > 0);
    QCOMPARE(cells["E2"].type, QString());
    QCOMPARE(cells["E2"].value.toDouble(), 45366.0);
    QVERIFY(cells["E2"].style > 0);
    QVERIFY(!cells.contains("E4")); // a null date stays empty
    // The footer row after the data.
    QCOMPARE(cells["A5"].value, QString("3"));
    QCOMPARE(cells["D5"].value, QString("1.334,24"));
}

void tst_GridExport::exportsFilteredRowsAndGroupsExpanded()
{
    QTemporaryDir dir;
    DataSet ds;
    fill(ds);
    DataGrid grid;
    grid.setColumns(columns());
    grid.setSummaries({{SummaryKind::Sum, "FIYAT"}});
    grid.setDataSet(&ds);
    grid.setGroupBy("DEPO2");
    grid.collapseAll(); // export opens every group
    const QString path = dir.filePath("gruplu.xlsx");
    QString error;
    QVERIFY2(grid.exportToExcel(path, &error), qPrintable(error));
    QMap<QString, Cell> cells = readSheet(path);
    // Depo "Var" (rows 1 and 3), then "Yok" (row 2); each with its sum.
    QCOMPARE(cells["A2"].value, QString("Depo : Var"));
    QCOMPARE(cells["A3"].value, QString("A-1 & <x>"));
    QCOMPARE(cells["A4"].value, QString("C-3"));
    QCOMPARE(cells["D5"].value, QString("1.334,49"));
    QCOMPARE(cells["A6"].value, QString("Depo : Yok"));
    QCOMPARE(cells["A7"].value, QString("=SUM(A1)"));
    QCOMPARE(cells["D8"].value, QString("-0,25"));
    QCOMPARE(cells["D9"].value, QString("1.334,24")); // grand total

    grid.setGroupBy(QString());
    grid.setColumnFilter("DURUM", {"Yok"});
    QVERIFY2(grid.exportToExcel(path, &error), qPrintable(error));
    cells = readSheet(path);
    QCOMPARE(cells["A2"].value, QString("C-3"));
    QCOMPARE(cells["D3"].value, QString("99,99"));
    QVERIFY(!cells.contains("A4"));
}

void tst_GridExport::dialogAddsExtensionAndCancelWritesNothing()
{
    QTemporaryDir dir;
    DataSet ds;
    fill(ds);
    DataGrid grid;
    grid.setColumns(columns());
    grid.setDataSet(&ds);

    m_dialogAnswer.clear(); // cancelled
    grid.exportWithDialog(&grid);
    QCOMPARE(m_dialogCalls, 1);
    QVERIFY(leftovers(dir.path()).isEmpty());
    QVERIFY(m_messages.isEmpty());

    m_dialogAnswer = dir.filePath("sepet");
    grid.exportWithDialog(&grid);
    QVERIFY(QFileInfo::exists(dir.filePath("sepet.xlsx")));
    QCOMPARE(readSheet(dir.filePath("sepet.xlsx"))["A2"].value, QString("A-1 & <x>"));
    QCOMPARE(leftovers(dir.path()), QStringList({"sepet.xlsx"}));
    QVERIFY(m_messages.isEmpty());
}

void tst_GridExport::unwritablePathGivesMessageAndNoFile()
{
    QTemporaryDir dir;
    DataSet ds;
    fill(ds);
    DataGrid grid;
    grid.setColumns(columns());
    grid.setDataSet(&ds);

    // A folder that does not exist.
    m_dialogAnswer = dir.filePath("yok/liste.xlsx");
    grid.exportWithDialog(&grid);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith("Excel dosyası kaydedilemedi."));
    QVERIFY(!QFileInfo::exists(m_dialogAnswer));

    // A folder without write permission (root may write anywhere: then only the first case counts).
    const QString locked = dir.filePath("kilitli");
    QVERIFY(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool canWrite = QFile(locked + "/deneme").open(QIODevice::WriteOnly);
    if (!canWrite) {
        QString error;
        QVERIFY(!grid.exportToExcel(locked + "/liste.xlsx", &error));
        QVERIFY(error.contains("yazılamıyor"));
        QVERIFY(leftovers(locked).isEmpty());
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // A name that is a folder.
    QString error;
    QVERIFY(!grid.exportToExcel(dir.path(), &error));
    QVERIFY(!error.isEmpty());
}

void tst_GridExport::replacesAnExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("eski.xlsx");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("eski içerik");
    }
    DataSet ds;
    fill(ds);
    DataGrid grid;
    grid.setColumns(columns());
    grid.setDataSet(&ds);
    QString error;
    QVERIFY2(grid.exportToExcel(path, &error), qPrintable(error));
    QCOMPARE(readSheet(path)["A1"].value, QString("Barkod"));
    QCOMPARE(leftovers(dir.path()), QStringList({"eski.xlsx"}));
}

void tst_GridExport::yesOnlyFlagExportsNothingForNo()
{
    QTemporaryDir dir;
    DataSet ds({{"Y", FieldType::Int32}, {"K", FieldType::Int32}});
    ds.appendRow({1, 1});
    ds.appendRow({0, 0});
    DataGrid grid;
    grid.setColumns({{"Yeni", "Y", 1, Shown, Offered, ColumnKind::YesNo},
                     {"Kampanyalı", "K", 1, Shown, Offered, ColumnKind::YesOnly}});
    grid.setDataSet(&ds);
    const QString path = dir.filePath("bayrak.xlsx");
    QString error;
    QVERIFY2(grid.exportToExcel(path, &error), qPrintable(error));
    const QMap<QString, Cell> cells = readSheet(path);
    QCOMPARE(cells["A2"].value, QString("Evet"));
    QCOMPARE(cells["B2"].value, QString("Evet"));
    QCOMPARE(cells["A3"].value, QString("Hayır"));
    QVERIFY(cells["B3"].value.isEmpty());
}

QTEST_MAIN(tst_GridExport)
#include "tst_grid_export.moc"
