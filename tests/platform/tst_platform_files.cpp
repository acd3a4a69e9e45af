#include "DesktopActions.h"
#include "Folders.h"
#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestPlatformFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void iniKeepsKeysLiterallyInUtf8()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ayar.ini");
        vorpa::IniFile ini(path);
        QVERIFY(!ini.exists());
        ini.writeString("kullanici", "isim", "MEHMET");
        ini.writeString("kullanici", "sifre", "ŞİFRE 1");
        ini.writeBool("kullanici", "hatırla", false);
        QVERIFY(ini.save());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains("[kullanici]\n"), qPrintable(text));
        QVERIFY2(text.contains("hatırla=0\n"), qPrintable(text));
        QVERIFY2(text.contains("sifre=ŞİFRE 1\n"), qPrintable(text));

        const vorpa::IniFile again(path);
        QVERIFY(again.exists());
        QCOMPARE(again.readString("kullanici", "sifre"), QStringLiteral("ŞİFRE 1"));
        QCOMPARE(again.readBool("kullanici", "hatırla", true), false);
        QCOMPARE(again.readBool("kullanici", "yok", true), true);
        QCOMPARE(again.readString("KULLANICI", "ISIM"), QStringLiteral("MEHMET"));
    }

    void valuesComeBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("trailing blank") << "ABC ";
        QTest::newRow("leading blank") << " ABC";
        QTest::newRow("quoted") << "\"ABC\"";
        QTest::newRow("equals sign") << "A=B";
        QTest::newRow("empty") << "";
    }

    void valuesComeBackExactly()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        vorpa::IniFile ini(dir.filePath("a.ini"));
        ini.writeString("s", "k", value);
        QVERIFY(ini.save());
        QCOMPARE(vorpa::IniFile(dir.filePath("a.ini")).readString("s", "k", "default"), value);
    }

    void handWrittenFileIsRead()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("h.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF; yorum\r\n[diger]\r\nx=1\r\n[kullanici]\r\n isim = ALI \r\nhatırla=5\r\nbozuk satir\r\n");
        file.close();
        vorpa::IniFile ini(dir.filePath("h.ini"));
        QCOMPARE(ini.readString("kullanici", "isim"), QStringLiteral("ALI"));
        QCOMPARE(ini.readBool("kullanici", "hatırla", false), true);
        // Writing keeps what was there.
        ini.writeString("kullanici", "isim", "VELI");
        QVERIFY(ini.save());
        const vorpa::IniFile again(dir.filePath("h.ini"));
        QCOMPARE(again.readString("diger", "x"), QStringLiteral("1"));
        QCOMPARE(again.readString("kullanici", "isim"), QStringLiteral("VELI"));
    }

    void savedFileIsOwnerOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ayar.ini");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                           | QFileDevice::ReadOther);
        old.close();
        vorpa::IniFile ini(path);
        ini.writeString("kullanici", "sifre", "GIZLI");
        QVERIFY(ini.save());
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void unwritableFileFailsWithoutDamage()
    {
        vorpa::IniFile ini("/proc/vorpa-yok/ayar.ini");
        ini.writeString("a", "b", "c");
        QVERIFY(!ini.save());
    }

    void settingsFolderIsCreatedOnceOwnerOnly()
    {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir(base + "/vorpaoto").removeRecursively();
        const QString first = SettingsFolder();
        QCOMPARE(first, base + "/vorpaoto");
        QVERIFY(QFileInfo(first).isDir());
        QCOMPARE(QFile::permissions(first) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
        QFile marker(first + "/marker");
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QCOMPARE(SettingsFolder(), first);
        QVERIFY(QFile::exists(first + "/marker"));
    }

    void desktopActionsGoThroughTheirHandlers()
    {
        QList<int> exits;
        QList<vorpa::BeepKind> beeps;
        QStringList opened;
        const auto oldExit = vorpa::setExitHandler([&](int code) { exits << code; });
        const auto oldBeep = vorpa::setBeepHandler([&](vorpa::BeepKind kind) { beeps << kind; });
        const auto oldOpen = vorpa::setShellOpenHandler([&](const QString &target, const QStringList &arguments) {
            opened << target + "|" + arguments.join(',');
            return true;
        });
        vorpa::EndProcess(0);
        vorpa::Beep(vorpa::BeepKind::Hand);
        QVERIFY(vorpa::ShellOpen("/tmp/VorpaSetup.exe", {"/silent"}));
        vorpa::setExitHandler(oldExit);
        vorpa::setBeepHandler(oldBeep);
        vorpa::setShellOpenHandler(oldOpen);
        QCOMPARE(exits, QList<int>{0});
        QCOMPARE(beeps, QList<vorpa::BeepKind>{vorpa::BeepKind::Hand});
        QCOMPARE(opened, QStringList{"/tmp/VorpaSetup.exe|/silent"});
    }
};

QTEST_GUILESS_MAIN(TestPlatformFiles)
#include "tst_platform_files.moc"
