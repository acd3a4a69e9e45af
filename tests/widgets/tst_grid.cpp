#include "DataGrid.h"
#include "DataSet.h"
#include "DataSetModel.h"
#include "FilterPopup.h"
#include "GridIcons.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace vorpa;

namespace {

QList<FieldDef> stockFields()
{
    return {{"STOKNO", FieldType::Int32}, {"ADI", FieldType::String},  {"MARKA", FieldType::String},
            {"DURUM", FieldType::Int32},  {"FIYAT", FieldType::Double}, {"MIKTAR", FieldType::Int32}};
}

// Small stock list: row order is the server's.
void fillStock(DataSet &ds)
{
    ds.setFields(stockFields());
    ds.disableControls();
    ds.appendRow({1, "ışık anahtarı", "BOSCH", 1, 1234.5, 2});
    ds.appendRow({2, "İç ayna", "VALEO", 0, 10.0, 1});
    ds.appendRow({3, "ısıtıcı fişi", "BOSCH", 2, 99.99, 5});
    ds.appendRow({4, "Iskarpela", "MAHLE", 1, 0.5, 10});
    ds.appendRow({5, "içten yanmalı", "VALEO", 3, 1000.0, 3});
    ds.enableControls();
    ds.setDisplayFormat(4, QStringLiteral("#,###,##0.00"));
}

QList<GridColumn> stockColumns()
{
    return {{"No", "STOKNO", 1, Shown, NotOffered, ColumnKind::Number},
            {"Açıklama", "ADI", 3, Shown, Offered, ColumnKind::Text},
            {"Marka", "MARKA", 2, Shown, Offered, ColumnKind::Text},
            {"Durum", "DURUM", 1, Shown, Offered, ColumnKind::StatusIcon},
            {"Fiyat", "FIYAT", 2, Shown, Offered, ColumnKind::Number},
            {"Miktar", "MIKTAR", 1, Hidden, Offered, ColumnKind::Number},
            {"Gizli", "STOKNO", 1, Hidden, NotOffered, ColumnKind::Text, "STOKNO2"}};
}

std::vector<int> rowsOf(const DataGrid &grid) { return grid.shownRows(); }

} // namespace

class tst_Grid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void displayTexts_data();
    void displayTexts();
    void iconsAreDistinct();

    void filtersCombineAndClear();
    void filterPopupAppliesCheckedValues();
    void footerFollowsFilter();
    void footerOfNoRows();

    void incrementalSearch_data();
    void incrementalSearch();
    void typedSearchStartsAtFocusedRow();

    void sortsByValueAndCanBeSwitchedOff();
    void groupingWithGroupSums();

    void reloadWhileAttachedLeavesNoStaleRows();
    void refillWhileDetached();
    void destroyedDataSetLeavesGridEmpty_data();
    void destroyedDataSetLeavesGridEmpty();
    void columnStateSurvivesReload();
    void columnChooserListsOfferedColumns();
    void weightLayoutOnTheGrid();
    void drawnCellGetsRowValues();
};

void tst_Grid::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void tst_Grid::displayTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");    // what a person reads (also filters and exports)
    QTest::addColumn<QString>("display"); // DisplayRole

    const int num = int(ColumnKind::Number);
    QTest::newRow("amount") << int(FieldType::Double) << QVariant(1234.5) << "#,###,##0.00" << num << "1.234,50" << "1.234,50";
    QTest::newRow("negative amount") << int(FieldType::Double) << QVariant(-1234567.891) << "#,###,##0.00" << num
                                     << "-1.234.567,89" << "-1.234.567,89";
    QTest::newRow("general double") << int(FieldType::Double) << QVariant(2.5) << "" << num << "2,5" << "2,5";
    QTest::newRow("integer not grouped") << int(FieldType::Int32) << QVariant(12345) << "" << num << "12345" << "12345";
    QTest::newRow("null") << int(FieldType::Double) << QVariant() << "#,###,##0.00" << num << "" << "";
    QTest::newRow("date") << int(FieldType::DateTime) << QVariant(45366.0) << "" << int(ColumnKind::Text)
                          << QLocale().toString(QDate(2024, 3, 15), QLocale::ShortFormat)
                          << QLocale().toString(QDate(2024, 3, 15), QLocale::ShortFormat);
    QTest::newRow("status") << int(FieldType::Int32) << QVariant(2) << "" << int(ColumnKind::StatusIcon)
                            << "Telefon Açınız" << "";
    QTest::newRow("status unknown") << int(FieldType::Int32) << QVariant(9) << "" << int(ColumnKind::StatusIcon) << ""
                                    << "";
    QTest::newRow("depot VAR") << int(FieldType::String) << QVariant("VAR") << "" << int(ColumnKind::TextIcon) << "Var"
                               << "";
    QTest::newRow("depot YOK") << int(FieldType::String) << QVariant("YOK") << "" << int(ColumnKind::TextIcon) << "Yok"
                               << "";
    QTest::newRow("picture flag") << int(FieldType::Int32) << QVariant(1) << "" << int(ColumnKind::PictureFlag) << "Var"
                                  << "";
    QTest::newRow("yes") << int(FieldType::Int32) << QVariant(1) << "" << int(ColumnKind::YesNo) << "Evet" << "";
    QTest::newRow("no") << int(FieldType::Int32) << QVariant(0) << "" << int(ColumnKind::YesNo) << "Hayır" << "";
    QTest::newRow("yes-only flag set") << int(FieldType::Int32) << QVariant(1) << "" << int(ColumnKind::YesOnly)
                                       << "Evet" << "";
    // Unlike a yes/no flag, a clear yes-only flag shows neither an icon nor a description.
    QTest::newRow("yes-only flag clear") << int(FieldType::Int32) << QVariant(0) << "" << int(ColumnKind::YesOnly)
                                         << "" << "";
    QTest::newRow("check box") << int(FieldType::Int32) << QVariant(1) << "" << int(ColumnKind::CheckBox) << "Evet" << "";
    QTest::newRow("centred") << int(FieldType::String) << QVariant("%10+%5") << "" << int(ColumnKind::CenteredText)
                             << "%10+%5" << "%10+%5";
}

void tst_Grid::displayTexts()
{
    QFETCH(int, type);
    QFETCH(QVariant, value);
    QFETCH(QString, format);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, display);

    DataSet ds({{"V", FieldType(type)}});
    ds.appendRow({value});
    ds.setDisplayFormat(0, format);
    DataSetModel model;
    GridColumn column{"V", "V", 1, Shown, Offered, ColumnKind(kind)};
    model.setColumns({column, {"Yok", "MISSING", 1}});
    model.setDataSet(&ds);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.cellText(0, 0), text);
    QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole).toString(), display);
    QCOMPARE(model.data(model.index(0, 0), DataSetModel::CellTextRole).toString(), text);
    // A column whose field the data lacks stays empty.
    QCOMPARE(model.cellText(0, 1), QString());

    const ColumnKind k = ColumnKind(kind);
    const bool icon = !value.isNull() && !text.isEmpty()
        && (k == ColumnKind::StatusIcon || k == ColumnKind::TextIcon || k == ColumnKind::PictureFlag || k == ColumnKind::YesNo
            || k == ColumnKind::YesOnly);
    QCOMPARE(!model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>().isNull(), icon);
    if (k == ColumnKind::CheckBox)
        QCOMPARE(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    if (k == ColumnKind::Number)
        QVERIFY(Qt::Alignment(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt()) & Qt::AlignRight);
}

void tst_Grid::iconsAreDistinct()
{
    QList<QImage> images;
    for (int code = 0; code <= 5; ++code) {
        const QIcon icon = StockStatusIcon(code);
        QVERIFY2(!icon.isNull(), qPrintable(QString::number(code)));
        QVERIFY(!StockStatusText(code).isEmpty());
        const QImage image = icon.pixmap(32, 32).toImage();
        for (const QImage &other : images)
            QVERIFY(image != other);
        images.append(image);
    }
    QVERIFY(StockStatusIcon(6).isNull());
    QVERIFY(StockStatusIcon(-1).isNull());
    QVERIFY(!StockCriticalLevelIcon().isNull());
}

void tst_Grid::filtersCombineAndClear()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setDataSet(&ds);
    QCOMPARE(grid.filterValues("MARKA"), QStringList({"BOSCH", "MAHLE", "VALEO"}));
    // Icon columns filter on their descriptions, ordered by code.
    QCOMPARE(grid.filterValues("DURUM"), QStringList({"Yok", "Var", "Telefon Açınız", "Yolda"}));

    grid.setColumnFilter("MARKA", {"BOSCH", "VALEO"});
    QCOMPARE(rowsOf(grid), std::vector<int>({0, 1, 2, 4}));
    grid.setFocusedRow(4);
    grid.setColumnFilter("DURUM", {"Var", "Yolda"});
    QCOMPARE(rowsOf(grid), std::vector<int>({0, 4}));
    QCOMPARE(grid.view()->verticalHeader()->count(), 2); // the view follows, not just the proxy
    QCOMPARE(grid.focusedRow(), 4);                      // and keeps the focused row
    QVERIFY(grid.hasFilters());
    QCOMPARE(grid.columnFilter("MARKA"), QStringList({"BOSCH", "VALEO"}));

    // A filter survives a reload and applies to the new rows.
    ds.disableControls();
    ds.appendRow({6, "yeni", "BOSCH", 3, 1.0, 1});
    ds.enableControls();
    QCOMPARE(rowsOf(grid), std::vector<int>({0, 4, 5}));

    grid.clearFilters();
    QVERIFY(!grid.hasFilters());
    QCOMPARE(grid.rowCount(), 6);
}

void tst_Grid::filterPopupAppliesCheckedValues()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setDataSet(&ds);
    grid.resize(800, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const int marka = grid.columnIndex("MARKA");
    grid.showFilterPopup(marka);
    FilterPopup *popup = grid.filterPopup();
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->values(), QStringList({"BOSCH", "MAHLE", "VALEO"}));
    QCOMPARE(popup->checkedValues().size(), 3);
    // Narrowing the list and clearing what is shown leaves the rest ticked.
    popup->setSearchText("al");
    popup->setAllShownChecked(false);
    popup->setSearchText("");
    QCOMPARE(popup->checkedValues(), QSet<QString>({"BOSCH", "MAHLE"}));
    popup->accept();
    QVERIFY(!popup->isVisible());
    QCOMPARE(rowsOf(grid), std::vector<int>({0, 2, 3}));

    // Reopened, it shows the column's filter; ticking everything removes it.
    grid.showFilterPopup(marka);
    QCOMPARE(popup->checkedValues(), QSet<QString>({"BOSCH", "MAHLE"}));
    popup->setChecked("VALEO", true);
    popup->accept();
    QVERIFY(!grid.hasFilters());
    QCOMPARE(grid.rowCount(), 5);
}

void tst_Grid::footerFollowsFilter()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setSummaries({{SummaryKind::Count, "STOKNO"},
                       {SummaryKind::Sum, "FIYAT"},
                       {SummaryKind::Sum, "MIKTAR"},
                       {SummaryKind::Average, "FIYAT"},
                       {SummaryKind::Count, ""}});
    grid.setDataSet(&ds);
    QCOMPARE(grid.summaryText(0), "5");
    QCOMPARE(grid.summaryText(1), "2.344,99"); // formatted like its column
    QCOMPARE(grid.summaryText(2), "21");       // integer column without a format
    QCOMPARE(grid.summaryText(3), "469,00");
    QCOMPARE(grid.summaryText(4), "5");

    grid.setColumnFilter("MARKA", {"BOSCH"});
    QCOMPARE(grid.summaryText(0), "2");
    QCOMPARE(grid.summaryText(1), "1.334,49");
    QCOMPARE(grid.summaryText(2), "7");
    QCOMPARE(grid.summaryText(3), "667,25");
}

void tst_Grid::footerOfNoRows()
{
    DataSet ds(stockFields());
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setSummaries({{SummaryKind::Count, "STOKNO"}, {SummaryKind::Sum, "FIYAT"}, {SummaryKind::Average, "FIYAT"}});
    grid.setDataSet(&ds);
    QCOMPARE(grid.summaryText(0), "0");
    QCOMPARE(grid.summaryText(1), QString()); // an empty sum, not 0,00
    QCOMPARE(grid.summaryText(2), QString()); // and no division by zero
}

void tst_Grid::incrementalSearch_data()
{
    QTest::addColumn<int>("startRow");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found"); // dataset row, -1 = no match (focus stays)

    // Rows: "ışık anahtarı", "İç ayna", "ısıtıcı fişi", "Iskarpela", "içten yanmalı"
    QTest::newRow("dotted i finds İ") << 0 << "iç" << 1;
    QTest::newRow("capital İ finds i") << 2 << "İÇ" << 4;
    QTest::newRow("dotless ı finds I") << 1 << "ıs" << 2;
    QTest::newRow("capital I finds ı") << 0 << "IŞ" << 0;
    QTest::newRow("from focused on") << 3 << "ı" << 3;
    QTest::newRow("wraps to the top") << 4 << "ışı" << 0;
    QTest::newRow("dotted does not find dotless") << 0 << "is" << -1;
    QTest::newRow("no match") << 0 << "xyz" << -1;
}

void tst_Grid::incrementalSearch()
{
    QFETCH(int, startRow);
    QFETCH(QString, typed);
    QFETCH(int, found);
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setDataSet(&ds);
    grid.setFocusedRow(startRow);
    grid.setFocusedColumn("ADI");
    QCOMPARE(grid.focusedRow(), startRow);
    QCOMPARE(grid.incrementalSearch(typed), found >= 0);
    QCOMPARE(grid.focusedRow(), found >= 0 ? found : startRow);
    QCOMPARE(grid.searchText(), found >= 0 ? typed : QString());
}

void tst_Grid::typedSearchStartsAtFocusedRow()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setDataSet(&ds);
    grid.resize(800, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.sortBy("STOKNO", Qt::DescendingOrder); // rows shown 5,4,3,2,1
    grid.setFocusedRow(3);
    grid.setFocusedColumn("MARKA");
    grid.view()->setFocus();

    QTest::keyClicks(grid.view(), "b");
    QCOMPARE(grid.focusedRow(), 2); // the first BOSCH below the focused row in the shown order
    QTest::keyClicks(grid.view(), "oz"); // "boz" matches nothing: the z is dropped
    QCOMPARE(grid.searchText(), QString("bo"));
    QCOMPARE(grid.focusedRow(), 2);
    QTest::keyClick(grid.view(), Qt::Key_Backspace);
    QCOMPARE(grid.searchText(), QString("b"));
    QTest::keyClick(grid.view(), Qt::Key_Escape);
    QCOMPARE(grid.searchText(), QString());
    // Moving by hand ends the search.
    QTest::keyClicks(grid.view(), "m");
    QCOMPARE(grid.focusedRow(), 3);
    QTest::keyClick(grid.view(), Qt::Key_Down);
    QCOMPARE(grid.searchText(), QString());
}

void tst_Grid::sortsByValueAndCanBeSwitchedOff()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setDataSet(&ds);
    QCOMPARE(rowsOf(grid), std::vector<int>({0, 1, 2, 3, 4})); // the dataset's order until asked
    grid.sortBy("FIYAT");
    QCOMPARE(rowsOf(grid), std::vector<int>({3, 1, 2, 4, 0})); // 0,5 10 99,99 1000 1234,5: by value
    grid.sortBy("ADI");
    // Turkish collation: ı < i, I < İ; case ignored.
    QCOMPARE(rowsOf(grid), std::vector<int>({2, 3, 0, 1, 4}));

    DataGrid fixed;
    fixed.setColumns(stockColumns());
    fixed.setSortingEnabled(false);
    fixed.setDataSet(&ds);
    fixed.resize(600, 300);
    fixed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixed));
    const int fiyat = fixed.columnIndex("FIYAT");
    const QHeaderView *header = fixed.view()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(fiyat) + 10, header->height() / 2));
    QCOMPARE(rowsOf(fixed), std::vector<int>({0, 1, 2, 3, 4}));
}

void tst_Grid::groupingWithGroupSums()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setSummaries({{SummaryKind::Sum, "FIYAT"}, {SummaryKind::Count, "ADI"}});
    grid.setDataSet(&ds);
    grid.setColumnWidth("ADI", 222);
    grid.setGroupBy("MARKA");
    QCOMPARE(grid.groupCount(), 3);
    QCOMPARE(grid.columnWidth("ADI"), 222); // widths survive the switch
    QVERIFY(!grid.isColumnVisible("MIKTAR"));

    QAbstractItemModel *m = grid.view()->model();
    // Per group: caption, rows, footer; groups ascending.
    QStringList kinds;
    for (int r = 0; r < m->rowCount(); ++r)
        kinds << QString::number(m->index(r, 0).data(DataSetModel::RowKindRole).toInt());
    QCOMPARE(kinds.join(""), QString("1002" "102" "1002"));
    QCOMPARE(m->index(0, 0).data().toString(), QString("Marka : BOSCH"));
    const int fiyat = grid.columnIndex("FIYAT");
    const int adi = grid.columnIndex("ADI");
    QCOMPARE(m->index(3, fiyat).data().toString(), QString("1.334,49"));
    QCOMPARE(m->index(3, adi).data().toString(), QString("2"));
    QCOMPARE(m->index(6, fiyat).data().toString(), QString("0,50"));
    QCOMPARE(m->index(10, fiyat).data().toString(), QString("1.010,00"));

    grid.collapseAll();
    QCOMPARE(m->rowCount(), 6); // caption and footer of each group stay
    QCOMPARE(m->index(1, fiyat).data().toString(), QString("1.334,49"));
    grid.expandAll();
    QCOMPARE(m->rowCount(), 11);

    // Groups follow the filters; the grand total does too.
    grid.setColumnFilter("DURUM", {"Var"});
    QCOMPARE(grid.groupCount(), 2);
    QCOMPARE(grid.summaryText(0), "1.235,00");
    QCOMPARE(grid.shownRows(), std::vector<int>({0, 3}));

    grid.setGroupBy(QString());
    QCOMPARE(grid.view()->model()->rowCount(), 2);
    QCOMPARE(grid.columnWidth("ADI"), 222);
}

void tst_Grid::reloadWhileAttachedLeavesNoStaleRows()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setSummaries({{SummaryKind::Count, "ADI"}});
    grid.setDataSet(&ds);
    grid.resize(800, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setFocusedRow(4);
    QCOMPARE(grid.filterValues("MARKA").size(), 3);

    // Refill in place: the grid hears one reset and shows only the new rows.
    ds.disableControls();
    ds.clearRows();
    ds.appendRow({9, "tek satır", "FEBI", 5, 7.0, 1});
    QCOMPARE(grid.rowCount(), 0); // not read while the dataset is being filled
    ds.enableControls();
    QCOMPARE(grid.rowCount(), 1);
    QCOMPARE(grid.model()->cellText(0, grid.columnIndex("ADI")), QString("tek satır"));
    QCOMPARE(grid.filterValues("MARKA"), QStringList({"FEBI"}));
    QCOMPARE(grid.summaryText(0), "1");
    QVERIFY(grid.focusedRow() < 1);

    // New columns: a field the result lacks shows empty cells.
    ds.setFields({{"ADI", FieldType::String}});
    ds.appendRow({"yalnız ad"});
    QCOMPARE(grid.rowCount(), 1);
    QCOMPARE(grid.model()->cellText(0, grid.columnIndex("MARKA")), QString());
    QCOMPARE(grid.model()->cellText(0, grid.columnIndex("ADI")), QString("yalnız ad"));
    grid.repaint(); // painting after the change must not touch old rows

    // Replacing the dataset wholesale (assignment) also resets.
    DataSet other;
    fillStock(other);
    ds = other;
    QCOMPARE(grid.rowCount(), 5);
    QCOMPARE(grid.model()->cellText(4, grid.columnIndex("ADI")), QString("içten yanmalı"));
}

void tst_Grid::refillWhileDetached()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setDataSet(&ds);
    grid.beginUpdate();
    grid.setDataSet(nullptr);
    QCOMPARE(grid.rowCount(), 0);
    ds.clearRows(); // no listener now: nothing reaches the grid
    ds.appendRow({7, "a", "B", 1, 1.0, 1});
    ds.appendRow({8, "b", "C", 1, 2.0, 1});
    grid.setDataSet(&ds);
    grid.endUpdate();
    QCOMPARE(grid.rowCount(), 2);
    QCOMPARE(grid.model()->cellText(1, grid.columnIndex("STOKNO")), QString("8"));
}

void tst_Grid::destroyedDataSetLeavesGridEmpty_data()
{
    QTest::addColumn<bool>("midRefill"); // destroyed between disableControls and enableControls
    QTest::addColumn<QString>("groupBy");

    QTest::newRow("shown") << false << QString();
    QTest::newRow("grouped") << false << QString("MARKA");
    QTest::newRow("during a refill") << true << QString();
}

void tst_Grid::destroyedDataSetLeavesGridEmpty()
{
    QFETCH(bool, midRefill);
    QFETCH(QString, groupBy);

    auto ds = std::make_unique<DataSet>();
    fillStock(*ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setSummaries({{SummaryKind::Count, "ADI"}, {SummaryKind::Sum, "FIYAT"}});
    grid.setDataSet(ds.get());
    grid.setGroupBy(groupBy);
    grid.resize(800, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setFocusedRow(2);
    grid.setFocusedColumn("ADI");
    QVERIFY(grid.incrementalSearch("ı"));
    if (midRefill) {
        ds->disableControls();
        ds->clearRows();
    }

    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
    ds.reset();
    QCOMPARE(resets.size(), 1); // a reset begun by the refill is ended, not left open
    QCOMPARE(grid.dataSet(), nullptr);
    QCOMPARE(grid.model()->dataSet(), nullptr);
    QCOMPARE(grid.rowCount(), 0);
    QCOMPARE(grid.view()->model()->rowCount(), 0);
    QCOMPARE(grid.focusedRow(), -1);
    QCOMPARE(grid.searchText(), QString());
    QCOMPARE(grid.summaryText(0), "0");
    QCOMPARE(grid.summaryText(1), QString());
    QVERIFY(grid.filterValues("MARKA").isEmpty());
    QCOMPARE(grid.model()->cellText(0, grid.columnIndex("ADI")), QString());
    grid.repaint(); // painting must not reach the freed rows
    QTest::keyClicks(grid.view(), "b");

    // The grid is usable again with another dataset, and detaching later touches nothing freed.
    DataSet next;
    fillStock(next);
    grid.setDataSet(&next);
    QCOMPARE(grid.rowCount(), 5);
    QCOMPARE(grid.summaryText(0), "5");
    grid.setDataSet(nullptr);
}

void tst_Grid::columnStateSurvivesReload()
{
    DataSet ds;
    fillStock(ds);
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setDataSet(&ds);
    grid.setColumnWidth("ADI", 321);
    grid.setColumnVisible("MARKA", false);
    grid.setColumnVisible("MIKTAR", true);
    ds.clearRows();
    fillStock(ds);
    QCOMPARE(grid.columnWidth("ADI"), 321);
    QVERIFY(!grid.isColumnVisible("MARKA"));
    QVERIFY(grid.isColumnVisible("MIKTAR"));
    QVERIFY(!grid.isColumnVisible("STOKNO2"));
}

void tst_Grid::columnChooserListsOfferedColumns()
{
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setColumnOffered("ADI", false); // a role rule withdraws it
    std::unique_ptr<QMenu> menu = grid.createColumnChooser();
    QStringList captions;
    for (QAction *a : menu->actions())
        captions << a->text() + (a->isChecked() ? "+" : "-");
    QCOMPARE(captions, QStringList({"Marka+", "Durum+", "Fiyat+", "Miktar-"}));

    QSignalSpy changed(&grid, &DataGrid::columnsChanged);
    menu->actions().last()->toggle();
    QVERIFY(grid.isColumnVisible("MIKTAR"));
    QCOMPARE(changed.count(), 1);
}

void tst_Grid::weightLayoutOnTheGrid()
{
    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.resize(930, 300);
    grid.setColumnWidth("MIKTAR", 77);
    grid.layoutByWeight();
    // Visible weights 1+3+2+1+2 = 9, unit = (930-30)/9 = 100.
    QCOMPARE(grid.columnWidth("STOKNO"), 100);
    QCOMPARE(grid.columnWidth("ADI"), 300);
    QCOMPARE(grid.columnWidth("FIYAT"), 200);
    grid.setColumnVisible("MIKTAR", true);
    QCOMPARE(grid.columnWidth("MIKTAR"), 77); // it was hidden: untouched
    grid.setColumnVisible("MIKTAR", false);

    // The grid can redo it by itself on every resize.
    grid.setLayoutMode(DataGrid::LayoutMode::ByWeight);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.resize(480, 300);
    QTRY_COMPARE(grid.columnWidth("ADI"), 150);

    // With every weighted column hidden nothing is sized.
    for (const char *f : {"STOKNO", "ADI", "MARKA", "DURUM", "FIYAT"})
        grid.setColumnVisible(f, false);
    QSignalSpy resized(&grid, &DataGrid::resized);
    grid.resize(700, 300);
    QTRY_COMPARE(resized.count(), 1);
    grid.setColumnVisible("ADI", true);
    QCOMPARE(grid.columnWidth("ADI"), 150);
}

void tst_Grid::drawnCellGetsRowValues()
{
    DataSet ds;
    fillStock(ds);
    QStringList seen;
    QList<GridColumn> columns = stockColumns();
    GridColumn price{"Fiyat Bilgisi", "", 2, Shown, Offered, ColumnKind::Drawn, "FIYATBILGISI"};
    price.draw = [&seen](QPainter *p, const QRect &r, const RowValues &row, const CellStyle &style) {
        p->fillRect(r, style.background);
        seen << row.stringValue("ADI") + "=" + QString::number(row.doubleValue("FIYAT"));
    };
    price.text = [](const RowValues &row) { return QString::number(row.doubleValue("FIYAT")); };
    columns.prepend(price);
    DataGrid grid;
    grid.setColumns(columns);
    grid.setDataSet(&ds);
    grid.sortBy("STOKNO", Qt::DescendingOrder);
    grid.resize(900, 600);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.grab();
    QVERIFY(seen.contains("Iskarpela=0.5"));
    QVERIFY(seen.contains("ışık anahtarı=1234.5"));
    // Its text serves filters.
    const QStringList values = grid.filterValues("FIYATBILGISI");
    QCOMPARE(values.size(), 5);
    QVERIFY(values.contains("0.5"));
    grid.setColumnFilter("FIYATBILGISI", {"0.5"});
    QCOMPARE(rowsOf(grid), std::vector<int>({3}));
}

QTEST_MAIN(tst_Grid)
#include "tst_grid.moc"
