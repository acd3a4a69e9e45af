#include "DataSet.h"
#include "DataSetUtil.h"
#include "NumberFormat.h"

#include <QTest>

#include <memory>

using vorpa::DataSet;
using vorpa::DataSetError;
using vorpa::FieldDef;
using vorpa::FieldType;

namespace {

/// Records what a dataset tells its views, in order. Declare it before the dataset it watches:
/// the dataset tells its views when it dies.
class Recorder : public vorpa::DataSetListener {
public:
    QStringList events;
    bool detachOnReset = false;
    DataSet *dataSet = nullptr;

    void dataSetAboutToReset() override { events << "about"; }
    void dataSetReset() override
    {
        events << "reset";
        if (detachOnReset)
            dataSet->removeListener(this);
    }
    void dataSetRowChanged(int row) override { events << QStringLiteral("row %1").arg(row); }
    void dataSetDestroyed() override
    {
        events << "destroyed";
        if (detachOnReset)
            dataSet->removeListener(this); // a view may still detach while told
    }
};

DataSet stockList()
{
    DataSet ds({{"STOK_STOKNO", FieldType::Int32},
                {"KOD", FieldType::String},
                {"FIYAT", FieldType::Double},
                {"TARIH", FieldType::DateTime},
                {"SEC", FieldType::Int32}});
    ds.appendRow({101, "FR-100", 12.5, 45000.5, 0});
    ds.appendRow({102, "FR-200", 99.9, 45001.0, 1});
    ds.appendRow({103, "FR-300", QVariant(), 45002.0, 1});
    ds.first();
    return ds;
}

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const DataSetError &e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

} // namespace

class TestDataSet : public QObject {
    Q_OBJECT

private slots:
    void buildWhole();
    void buildRowByRow();
    void badRowIsNotAdded();
    void int32Range_data();
    void int32Range();
    void locate_data();
    void locate();
    void fieldByName();
    void editPostCancel();
    void movingWhileEditingPostsToTheEditedRow();
    void badPostKeepsRow();
    void listeners();
    void listenerMayDetachWhileTold();
    void deleteRows();
    void copiesDoNotShareViews();
    void destructionTellsViews();
    void movedFromDataSetTellsItsViews();
    void floatDisplayFormat();
    void hasRows();
    void hasSelectedRows_data();
    void hasSelectedRows();
};

void TestDataSet::buildWhole()
{
    DataSet ds = stockList();
    QVERIFY(ds.isActive());
    QCOMPARE(ds.recordCount(), 3);
    QCOMPARE(ds.fieldCount(), 5);
    QCOMPARE(ds.value(0, 0), QVariant(101));
    QCOMPARE(ds.stringValue(1, 1), "FR-200");
    QCOMPARE(ds.doubleValue(1, 2), 99.9);
    QVERIFY(ds.isNull(2, 2));
    QCOMPARE(ds.doubleValue(2, 2), 0.0);
    QCOMPARE(ds.value(2, 2), QVariant());
    QCOMPARE(ds.recNo(), 0);

    // Values are converted to the column's type on the way in.
    ds.appendRow({"104", 55, "7.25", 45003, true});
    QCOMPARE(ds.value(3, 0), QVariant(104));
    QCOMPARE(ds.stringValue(3, 1), "55");
    QCOMPARE(ds.doubleValue(3, 2), 7.25);
    QCOMPARE(ds.intValue(3, 4), 1);
    QCOMPARE(ds.recNo(), 3);
}

void TestDataSet::buildRowByRow()
{
    DataSet ds;
    QVERIFY(!ds.isActive());
    QVERIFY(!errorOf([&] { ds.appendRow(); }).isEmpty());
    ds.setFields({{"A", FieldType::Int64}, {"B", FieldType::Boolean}, {"C", FieldType::Bytes}, {"D", FieldType::String}});
    ds.reserve(10);
    for (int i = 0; i < 10; ++i) {
        const int r = ds.appendRow();
        QVERIFY(ds.isNull(r, 0));
        ds.setInt(r, 0, qint64(1) << 40 | i);
        ds.setBool(r, 1, i % 2);
        ds.setBytes(r, 2, QByteArray(i, 'x'));
        if (i != 5)
            ds.setString(r, 3, QStringLiteral("satır %1").arg(i));
    }
    QCOMPARE(ds.recordCount(), 10);
    QCOMPARE(ds.intValue(7, 0), (qint64(1) << 40) | 7);
    QCOMPARE(ds.boolValue(7, 1), true);
    QCOMPARE(ds.bytesValue(7, 2).size(), 7);
    QCOMPARE(ds.stringValue(9, 3), "satır 9");
    QVERIFY(ds.isNull(5, 3));
    QVERIFY(!errorOf([&] { ds.setInt(10, 0, 1); }).isEmpty());
    QVERIFY(!errorOf([&] { ds.value(0, 4); }).isEmpty());
}

void TestDataSet::badRowIsNotAdded()
{
    Recorder views;
    DataSet ds = stockList();
    ds.addListener(&views);
    ds.setRecNo(1);
    const QString error = errorOf([&] { ds.appendRow({105, "FR-500", "on iki"}); });
    QVERIFY2(error.contains("'on iki' is not a valid floating point value"), qPrintable(error));
    QCOMPARE(ds.recordCount(), 3);
    QCOMPARE(ds.recNo(), 1);
    // The views were given their rows back, and later changes still reach them.
    QVERIFY(!ds.controlsDisabled());
    QCOMPARE(views.events, QStringList({"about", "reset"}));
    ds.appendRow({105, "FR-500", 1.0});
    QCOMPARE(ds.recordCount(), 4);
    QCOMPARE(ds.stringValue(3, 1), "FR-500");
}

void TestDataSet::int32Range_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("stored");

    QTest::newRow("largest") << QVariant(qint64(2147483647)) << true << 2147483647;
    QTest::newRow("smallest") << QVariant(qint64(-2147483648LL)) << true << int(-2147483648LL);
    QTest::newRow("one past") << QVariant(qint64(2147483648LL)) << false << 0;
    QTest::newRow("double rounds") << QVariant(2.5) << true << 3;
    QTest::newRow("negative double rounds away") << QVariant(-2.5) << true << -3;
    QTest::newRow("huge double") << QVariant(1e12) << false << 0;
    QTest::newRow("text") << QVariant("17") << true << 17;
    QTest::newRow("not a number") << QVariant("on yedi") << false << 0;
}

void TestDataSet::int32Range()
{
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(int, stored);
    DataSet ds({{"N", FieldType::Int32}});
    ds.appendRow({5});
    const QString error = errorOf([&] { ds.setValue(0, 0, value); });
    QCOMPARE(error.isEmpty(), accepted);
    QCOMPARE(ds.intValue(0, 0), accepted ? stored : 5);
}

void TestDataSet::locate_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("wanted");
    QTest::addColumn<int>("found"); // -1: not found

    QTest::newRow("integer") << "STOK_STOKNO" << QVariant(102) << 1;
    QTest::newRow("integer given as text") << "STOK_STOKNO" << QVariant("103") << 2;
    QTest::newRow("integer given as double") << "stok_stokno" << QVariant(101.0) << 0;
    QTest::newRow("text exact") << "KOD" << QVariant("FR-300") << 2;
    QTest::newRow("text is case sensitive") << "KOD" << QVariant("fr-300") << -1;
    QTest::newRow("double") << "FIYAT" << QVariant(99.9) << 1;
    QTest::newRow("null cells never match") << "FIYAT" << QVariant(0.0) << -1;
    QTest::newRow("first of several") << "SEC" << QVariant(1) << 1;
    QTest::newRow("missing") << "STOK_STOKNO" << QVariant(999) << -1;
    QTest::newRow("not a number for a number column") << "STOK_STOKNO" << QVariant("yok") << -1;
}

void TestDataSet::locate()
{
    QFETCH(QString, field);
    QFETCH(QVariant, wanted);
    QFETCH(int, found);
    DataSet ds = stockList();
    ds.setRecNo(2);
    QCOMPARE(ds.locate(field, wanted), found >= 0);
    QCOMPARE(ds.recNo(), found >= 0 ? found : 2);
}

void TestDataSet::fieldByName()
{
    DataSet ds = stockList();
    ds.next();
    QCOMPARE(ds.fieldByName("KOD"), QVariant("FR-200"));
    QCOMPARE(ds.fieldByName("kod"), QVariant("FR-200"));
    QCOMPARE(errorOf([&] { ds.fieldByName("BARKOD"); }), "Field 'BARKOD' not found");
    QCOMPARE(errorOf([&] { ds.locate("BARKOD", 1); }), "Field 'BARKOD' not found");
    QCOMPARE(ds.fieldIndex("BARKOD"), -1);
    ds.next();
    ds.next();
    QVERIFY(ds.eof());
    QVERIFY(errorOf([&] { ds.fieldByName("KOD"); }).contains("no current record"));

    // A later column of the same name never shadows the first.
    DataSet twice({{"AD", FieldType::String}, {"ad", FieldType::String}});
    QCOMPARE(twice.fieldIndex("Ad"), 0);
}

void TestDataSet::editPostCancel()
{
    Recorder views;
    DataSet ds = stockList();
    ds.addListener(&views);
    ds.setRecNo(1);
    QVERIFY(!errorOf([&] { ds.setFieldValue("SEC", 0); }).isEmpty());

    ds.edit();
    QVERIFY(ds.isEditing());
    ds.setFieldValue("SEC", 0);
    ds.setFieldValue("FIYAT", "12.75");
    QCOMPARE(ds.fieldByName("SEC"), QVariant(0));
    QCOMPARE(ds.intValue(1, 4), 1); // not stored before post
    ds.post();
    QVERIFY(!ds.isEditing());
    QCOMPARE(ds.intValue(1, 4), 0);
    QCOMPARE(ds.doubleValue(1, 2), 12.75);
    QCOMPARE(views.events, QStringList({"row 1"}));

    ds.edit();
    ds.setFieldValue("KOD", "DEĞİŞTİ");
    ds.cancel();
    QCOMPARE(ds.stringValue(1, 1), "FR-200");
    QCOMPARE(ds.fieldByName("KOD"), QVariant("FR-200"));

    // Posting a cleared value makes the cell null.
    ds.edit();
    ds.setFieldValue("KOD", QVariant());
    ds.post();
    QVERIFY(ds.isNull(1, 1));
}

void TestDataSet::movingWhileEditingPostsToTheEditedRow()
{
    DataSet ds = stockList();
    ds.edit();
    ds.setFieldValue("KOD", "YENİ");
    ds.next();
    QVERIFY(!ds.isEditing());
    QCOMPARE(ds.stringValue(0, 1), "YENİ");
    QCOMPARE(ds.stringValue(1, 1), "FR-200");

    ds.edit();
    ds.setFieldValue("SEC", 7);
    QVERIFY(ds.locate("KOD", "FR-300"));
    QCOMPARE(ds.intValue(1, 4), 7);
    QCOMPARE(ds.intValue(2, 4), 1);
}

void TestDataSet::badPostKeepsRow()
{
    DataSet ds = stockList();
    ds.edit();
    ds.setFieldValue("KOD", "X");
    ds.setFieldValue("STOK_STOKNO", "yüz bir");
    QVERIFY(errorOf([&] { ds.post(); }).contains("'yüz bir' is not a valid integer value"));
    QVERIFY(ds.isEditing());
    QCOMPARE(ds.stringValue(0, 1), "FR-100");
    ds.cancel();
    QCOMPARE(ds.intValue(0, 0), 101);
}

void TestDataSet::listeners()
{
    Recorder views;
    DataSet ds = stockList();
    ds.addListener(&views);
    ds.addListener(&views); // attached once only

    ds.setValue(0, 1, "A");
    QCOMPARE(views.events, QStringList({"row 0"}));

    // Refilling behind disabled controls is told once, and nested calls balance.
    views.events.clear();
    ds.disableControls();
    ds.disableControls();
    ds.clearRows();
    ds.appendRow({1, "x", 1.0, 0.0, 0});
    ds.setValue(0, 1, "y");
    ds.enableControls();
    QCOMPARE(views.events, QStringList({"about"}));
    ds.enableControls();
    QCOMPARE(views.events, QStringList({"about", "reset"}));
    ds.enableControls(); // one too many is harmless
    QVERIFY(!ds.controlsDisabled());

    views.events.clear();
    ds.appendRow();
    QCOMPARE(views.events, QStringList({"about", "reset"}));

    views.events.clear();
    ds.removeListener(&views);
    ds.setValue(0, 1, "z");
    QVERIFY(views.events.isEmpty());
}

void TestDataSet::listenerMayDetachWhileTold()
{
    Recorder first;
    Recorder second;
    DataSet ds = stockList();
    first.dataSet = &ds;
    first.detachOnReset = true;
    ds.addListener(&first);
    ds.addListener(&second);
    ds.appendRow();
    QCOMPARE(first.events, QStringList({"about", "reset"}));
    QCOMPARE(second.events, QStringList({"about", "reset"}));
    ds.appendRow();
    QCOMPARE(first.events.size(), 2);
    QCOMPARE(second.events.size(), 4);
}

void TestDataSet::deleteRows()
{
    DataSet ds = stockList();
    ds.setRecNo(2);
    ds.deleteRow(0);
    QCOMPARE(ds.recordCount(), 2);
    QCOMPARE(ds.intValue(0, 0), 102);
    QCOMPARE(ds.recNo(), 2);
    QVERIFY(ds.eof());

    // Deleting a row before the one being edited keeps the edit on its row.
    ds.setRecNo(1);
    ds.edit();
    ds.setFieldValue("KOD", "SON");
    ds.deleteRow(0);
    ds.post();
    QCOMPARE(ds.recordCount(), 1);
    QCOMPARE(ds.stringValue(0, 1), "SON");

    // Deleting the edited row drops the edit.
    ds.first();
    ds.edit();
    ds.deleteRow(0);
    QVERIFY(!ds.isEditing());
    QVERIFY(!errorOf([&] { ds.deleteRow(0); }).isEmpty());
}

void TestDataSet::copiesDoNotShareViews()
{
    Recorder views;
    DataSet ds = stockList();
    ds.addListener(&views);
    DataSet copy(ds);
    copy.setValue(0, 1, "KOPYA");
    QVERIFY(views.events.isEmpty());
    QCOMPARE(ds.stringValue(0, 1), "FR-100");
    QCOMPARE(copy.fieldIndex("kod"), 1);

    // Assigning new contents to a shown dataset resets its views.
    ds = copy;
    QCOMPARE(views.events, QStringList({"about", "reset"}));
    QCOMPARE(ds.stringValue(0, 1), "KOPYA");
    DataSet moved(std::move(copy));
    QCOMPARE(moved.fieldIndex("KOD"), 1);
    QCOMPARE(moved.recordCount(), 3);
}

void TestDataSet::destructionTellsViews()
{
    Recorder told;
    Recorder detaching;
    Recorder removed;
    {
        auto ds = std::make_unique<DataSet>(stockList());
        detaching.dataSet = ds.get();
        detaching.detachOnReset = true;
        ds->addListener(&told);
        ds->addListener(&detaching);
        ds->addListener(&removed);
        ds->removeListener(&removed);
        ds->disableControls(); // dying in the middle of a refill still tells the views
        ds.reset();
    }
    QCOMPARE(told.events, QStringList({"about", "destroyed"}));
    QCOMPARE(detaching.events, QStringList({"about", "destroyed"}));
    QVERIFY(removed.events.isEmpty());
}

void TestDataSet::movedFromDataSetTellsItsViews()
{
    Recorder sourceViews;
    DataSet source = stockList();
    source.addListener(&sourceViews);
    source.setRecNo(1);
    source.edit();

    DataSet moved(std::move(source));
    QCOMPARE(sourceViews.events, QStringList({"about", "reset"}));
    QCOMPARE(source.recordCount(), 0);
    QVERIFY(!source.isActive());
    QVERIFY(!source.isEditing()); // no edit left on a row that went away
    QCOMPARE(moved.recordCount(), 3);

    // Assigning by move resets the views of both sides; the target keeps its own views.
    Recorder targetViews;
    DataSet target;
    target.addListener(&targetViews);
    sourceViews.events.clear();
    source = std::move(moved);
    QCOMPARE(sourceViews.events, QStringList({"about", "reset"}));
    QCOMPARE(source.recordCount(), 3);
    target = std::move(source);
    QCOMPARE(targetViews.events, QStringList({"about", "reset"}));
    QCOMPARE(sourceViews.events, QStringList({"about", "reset", "about", "reset"}));
    QCOMPARE(target.recordCount(), 3);
    QCOMPARE(source.recordCount(), 0);

    // The views went with neither move: each side still tells only its own.
    targetViews.events.clear();
    sourceViews.events.clear();
    target.setValue(0, 1, "X");
    QCOMPARE(targetViews.events, QStringList({"row 0"}));
    QVERIFY(sourceViews.events.isEmpty());
}

void TestDataSet::floatDisplayFormat()
{
    DataSet ds = stockList();
    SetFloatDisplayFormat(ds);
    QCOMPARE(ds.displayFormat(2), vorpa::AmountFormat);
    QCOMPARE(ds.displayFormat(2), "#,###,##0.00");
    for (int c : {0, 1, 3, 4})
        QCOMPARE(ds.displayFormat(c), QString());
}

void TestDataSet::hasRows()
{
    DataSet closed;
    QVERIFY(!HasRows(closed));
    DataSet empty({{"SEC", FieldType::Int32}});
    QVERIFY(!HasRows(empty));
    QVERIFY(!HasSelectedRows(empty));
    QVERIFY(HasRows(stockList()));
    DataSet ds = stockList();
    ds.close();
    QVERIFY(!HasRows(ds));
}

void TestDataSet::hasSelectedRows_data()
{
    QTest::addColumn<QVariantList>("sec");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("cursor");

    QTest::newRow("first selected") << QVariantList{1, 0, 1} << true << 0;
    QTest::newRow("later selected") << QVariantList{0, 0, 1, 1} << true << 2;
    QTest::newRow("none selected: at the end") << QVariantList{0, 0, 0} << false << 3;
    QTest::newRow("null is not selected") << QVariantList{QVariant(), 1} << true << 1;
    QTest::newRow("other values are not selected") << QVariantList{2, -1} << false << 2;
}

void TestDataSet::hasSelectedRows()
{
    QFETCH(QVariantList, sec);
    QFETCH(bool, expected);
    QFETCH(int, cursor);
    DataSet basket({{"SIRANO", FieldType::Int32}, {"SEC", FieldType::Int32}});
    for (int i = 0; i < sec.size(); ++i)
        basket.appendRow({i + 1, sec.at(i)});
    QCOMPARE(HasSelectedRows(basket), expected);
    QCOMPARE(basket.recNo(), cursor);
    QCOMPARE(basket.eof(), !expected);
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
