#include "WorkstationIdRule.h"

#include <QTest>

#include <stdexcept>

namespace {

std::function<QString()> gives(const QString &value)
{
    return [value] { return value; };
}

std::function<QString()> fails()
{
    return []() -> QString { throw std::runtime_error("query failed"); };
}

std::optional<QByteArray> status(const char *sixBytes) { return QByteArray(sixBytes, 6); }

const QHash<QString, QString> aliases = {
    {QStringLiteral("WD-WCC6Y1234567"), QStringLiteral("100000000001")},
    {QStringLiteral("S3Z9NB0K123456A"), QStringLiteral("100000000001")},
};

} // namespace

class TestWorkstationId : public QObject {
    Q_OBJECT

private slots:
    void identifier_data();
    void identifier();
    void adapterWalk_data();
    void adapterWalk();
};

void TestWorkstationId::identifier_data()
{
    QTest::addColumn<std::function<QString()>>("disk");
    QTest::addColumn<std::function<QString()>>("adapter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("disk serial") << gives("WD-ABC123") << gives("00-11-22-33-44-55") << "WD-ABC123";
    QTest::newRow("blanks around and inside") << gives("  WD A B C 1  ") << gives("x") << "WDABC1";
    QTest::newRow("empty disk uses adapter") << gives("") << gives("00-11-22-33-44-55") << "00-11-22-33-44-55";
    QTest::newRow("blank-only disk uses adapter") << gives("   ") << gives(" 0A-0B-0C-0D-0E-0F ") << "0A-0B-0C-0D-0E-0F";
    QTest::newRow("failing disk uses adapter") << fails() << gives("00-11-22-33-44-55") << "00-11-22-33-44-55";
    QTest::newRow("both fail") << fails() << fails() << "";
    QTest::newRow("no sources") << std::function<QString()>() << std::function<QString()>() << "";
    QTest::newRow("alias one") << gives("WD-WCC6Y1234567") << gives("x") << "100000000001";
    QTest::newRow("alias two, after removing blanks") << gives(" S3Z9NB0K 123456A") << gives("x") << "100000000001";
    QTest::newRow("not an alias") << gives("WD-WCC6Y1234568") << gives("x") << "WD-WCC6Y1234568";
}

void TestWorkstationId::identifier()
{
    QFETCH(std::function<QString()>, disk);
    QFETCH(std::function<QString()>, adapter);
    QFETCH(QString, expected);
    QCOMPARE(WorkstationIdFrom(disk, adapter, aliases), expected);
    // Without aliases an aliased serial is its own identifier.
    if (expected != "100000000001")
        QCOMPARE(WorkstationIdFrom(disk, adapter, {}), expected);
}

void TestWorkstationId::adapterWalk_data()
{
    QTest::addColumn<QList<std::optional<QByteArray>>>("statuses");
    QTest::addColumn<QString>("expected");

    const auto zero = status("\0\0\0\0\0\0");
    const auto first = status("\x00\x1a\x2b\x3c\x4d\x5e");
    const auto second = status("\xde\xad\xbe\xef\x00\x01");
    const std::optional<QByteArray> failed;

    QTest::newRow("no adapters") << QList<std::optional<QByteArray>>{} << "";
    QTest::newRow("first decides") << QList{first, second} << "00-1A-2B-3C-4D-5E";
    QTest::newRow("zeros go on to the next") << QList{zero, second} << "DE-AD-BE-EF-00-01";
    QTest::newRow("all zeros") << QList{zero, zero, zero} << "00-00-00-00-00-00";
    QTest::newRow("first query fails: stop") << QList{failed, first} << "";
    QTest::newRow("failed after zeros keeps walking") << QList{zero, failed, first} << "00-1A-2B-3C-4D-5E";
    QTest::newRow("only six bytes count") << QList<std::optional<QByteArray>>{QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8)}
                                          << "01-02-03-04-05-06";
}

void TestWorkstationId::adapterWalk()
{
    QFETCH(QList<std::optional<QByteArray>>, statuses);
    QFETCH(QString, expected);
    QCOMPARE(FirstNonZeroAdapterAddress(statuses), expected);
}

QTEST_GUILESS_MAIN(TestWorkstationId)
#include "tst_workstationid.moc"
