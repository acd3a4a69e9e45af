#include "LinuxSystemSources.h"
#include "SystemIdentity.h"
#include "SystemSources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A machine described by a few files under a temporary root.
class FakeMachine
{
public:
    FakeMachine() { QVERIFY(root.isValid()); }

    void write(const QString &relative, const QByteArray &content)
    {
        const QString path = root.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void mkdir(const QString &relative) { QVERIFY(QDir().mkpath(root.filePath(relative))); }
    void link(const QString &target, const QString &relative)
    {
        QDir().mkpath(QFileInfo(root.filePath(relative)).absolutePath());
        QVERIFY(QFile::link(target, root.filePath(relative)));
    }
    vorpa::LinuxSystemSources sources() const { return vorpa::LinuxSystemSources(root.path()); }

    QTemporaryDir root;
};

// Sources a test fills in by hand.
class StaticSources : public vorpa::SystemSources
{
public:
    QString disk, adapter, host, user;
    QString diskSerialNumber() const override { return disk; }
    QString adapterAddress() const override { return adapter; }
    QString hostName() const override { return host; }
    QString userName() const override { return user; }
};

} // namespace

class TestPlatformIdentity : public QObject
{
    Q_OBJECT

private slots:
    void diskSerialSkipsVirtualAndRemovableDisks()
    {
        FakeMachine machine;
        machine.mkdir("sys/block/loop0");
        machine.write("sys/block/loop0/serial", "LOOPSERIAL\n");
        machine.write("sys/block/sda/device/serial", "usbstick1\n");
        machine.write("sys/block/sda/removable", "1\n");
        machine.write("sys/block/sdb/device/serial", "  ws-123 abc \n");
        machine.write("sys/block/sdb/removable", "0\n");
        machine.write("sys/block/sdc/device/serial", "SECOND\n");
        const auto sources = machine.sources();
        QCOMPARE(sources.firstPhysicalDisk(), QStringLiteral("sdb"));
        // Upper-cased as the system reports it; the blanks are the identifier rule's business.
        QCOMPARE(sources.diskSerialNumber(), QStringLiteral("  WS-123 ABC "));
    }

    void diskSerialFromTheDiskItselfOrItsByIdName()
    {
        FakeMachine machine;
        machine.mkdir("sys/block/vda/device");
        machine.write("sys/block/vda/serial", "virt-9\n");
        QCOMPARE(machine.sources().diskSerialNumber(), QStringLiteral("VIRT-9"));

        FakeMachine byId;
        byId.mkdir("sys/block/nvme0n1/device");
        byId.link("../../nvme0n1p1", "dev/disk/by-id/nvme-Fast_Disk_s123x-part1");
        byId.link("../../nvme0n1", "dev/disk/by-id/nvme-eui.0025388b91b2c4a1");
        byId.link("../../nvme0n1", "dev/disk/by-id/nvme-Fast_Disk_s123x");
        QCOMPARE(byId.sources().diskSerialNumber(), QStringLiteral("S123X"));

        FakeMachine none;
        none.mkdir("sys/block/loop0");
        QCOMPARE(none.sources().diskSerialNumber(), QString());
    }

    void adapterAddressWalk_data()
    {
        QTest::addColumn<QStringList>("adapters"); // "name=address" in any order
        QTest::addColumn<QString>("expected");
        QTest::newRow("first non-zero") << QStringList{"eth0=02:fc:00:0a:bb:01", "lo=00:00:00:00:00:00"}
                                        << "02-FC-00-0A-BB-01";
        QTest::newRow("zeros skipped") << QStringList{"a0=00:00:00:00:00:00", "b1=be:89:45:97:8b:dc"}
                                       << "BE-89-45-97-8B-DC";
        QTest::newRow("all zeros") << QStringList{"lo=00:00:00:00:00:00", "z=00:00:00:00:00:00"}
                                   << "00-00-00-00-00-00";
        QTest::newRow("no hardware address skipped") << QStringList{"a=", "b=8a:50:85:8c:33:09"}
                                                     << "8A-50-85-8C-33-09";
        QTest::newRow("none") << QStringList{} << "";
    }

    void adapterAddressWalk()
    {
        QFETCH(QStringList, adapters);
        QFETCH(QString, expected);
        FakeMachine machine;
        machine.mkdir("sys/class/net");
        for (const QString &adapter : adapters) {
            const QStringList parts = adapter.split(u'=');
            machine.write("sys/class/net/" + parts[0] + "/address", parts[1].toLatin1() + "\n");
        }
        QCOMPARE(machine.sources().adapterAddress(), expected);
    }

    void workstationIdFromInstalledSources_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<QString>("adapter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("disk, blanks removed") << " WD-1 2 3 " << "AA-BB-CC-DD-EE-FF" << "WD-123";
        QTest::newRow("adapter when no disk") << "   " << "AA-BB-CC-DD-EE-FF" << "AA-BB-CC-DD-EE-FF";
        QTest::newRow("nothing known") << "" << "" << "";
    }

    void workstationIdFromInstalledSources()
    {
        QFETCH(QString, disk);
        QFETCH(QString, adapter);
        QFETCH(QString, expected);
        StaticSources sources;
        sources.disk = disk;
        sources.adapter = adapter;
        vorpa::setSystemSources(&sources);
        const QString id = WorkstationId();
        vorpa::setSystemSources(nullptr);
        QCOMPARE(id, expected);
    }

    void namesLongerThanFifteenAreEmpty_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short") << "mehmet" << "mehmet";
        QTest::newRow("15") << "abcdefghijklmno" << "abcdefghijklmno";
        QTest::newRow("16") << "abcdefghijklmnop" << "";
        QTest::newRow("empty") << "" << "";
    }

    void namesLongerThanFifteenAreEmpty()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        StaticSources sources;
        sources.host = name;
        sources.user = name;
        vorpa::setSystemSources(&sources);
        const QString computer = ComputerName();
        const QString user = WindowsUserName();
        vorpa::setSystemSources(nullptr);
        QCOMPARE(computer, expected);
        QCOMPARE(user, expected);
    }

    void localAddressIsDottedIpv4()
    {
        const QStringList parts = LocalIpAddress().split(u'.');
        QCOMPARE(parts.size(), 4);
        for (const QString &part : parts) {
            bool ok = false;
            const int value = part.toInt(&ok);
            QVERIFY(ok && value >= 0 && value <= 255);
        }
    }
};

QTEST_GUILESS_MAIN(TestPlatformIdentity)
#include "tst_platform_identity.moc"
