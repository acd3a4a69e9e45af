#include "app/ClientOptions.h"
#include "app/formistekyeniu.h"

#include <QTest>

class TestClientOptions : public QObject
{
    Q_OBJECT

private slots:
    void endpoint_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("webRoot");
        QTest::addColumn<bool>("valid");

        const auto defaults = vorpa::ServerEndpoint::compiledDefaults();
        QTest::newRow("compiled in") << QStringList{} << QStringList{} << defaults.host << defaults.port
                                     << defaults.webRoot << true;
        QTest::newRow("environment") << QStringList{}
                                     << QStringList{"VORPA_HOST=10.0.0.5", "VORPA_PORT=9191",
                                                    "VORPA_WEB_ROOT=http://10.0.0.5:81"}
                                     << "10.0.0.5" << 9191 << "http://10.0.0.5:81/" << true;
        QTest::newRow("options over environment")
            << QStringList{"--host", "sunucu", "--port=7000", "--web-root", "http://sunucu/b2b/"}
            << QStringList{"VORPA_HOST=10.0.0.5", "VORPA_PORT=9191"} << "sunucu" << 7000 << "http://sunucu/b2b/"
            << true;
        QTest::newRow("port not a number") << QStringList{"--port", "dokuz"} << QStringList{} << defaults.host
                                           << defaults.port << defaults.webRoot << false;
        QTest::newRow("port out of range") << QStringList{} << QStringList{"VORPA_PORT=70000"} << defaults.host
                                           << defaults.port << defaults.webRoot << false;
        QTest::newRow("unknown option") << QStringList{"--yok"} << QStringList{} << defaults.host << defaults.port
                                        << defaults.webRoot << false;
    }

    void endpoint()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, webRoot);
        QFETCH(bool, valid);
        QProcessEnvironment env;
        for (const QString &pair : environment)
            env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        const auto options = vorpa::ClientOptions::parse(QStringList{"vorpa-b2b"} + arguments, env);
        QCOMPARE(options.error.isEmpty(), valid);
        if (!valid)
            return;
        QCOMPARE(options.endpoint.host, host);
        QCOMPARE(options.endpoint.port, port);
        QCOMPARE(options.endpoint.webRoot, webRoot);
    }

    void oneShotActionsAndHelp()
    {
        const auto print = vorpa::ClientOptions::parse({"vorpa-b2b", "--print-workstation-id"}, {});
        QVERIFY(print.printWorkstationId);
        const auto help = vorpa::ClientOptions::parse({"vorpa-b2b", "--help"}, {});
        QVERIFY(help.showHelp);
        for (const char *option : {"--host", "--port", "--web-root", "--print-workstation-id", "--help"})
            QVERIFY2(help.helpText.contains(QLatin1String(option)), option);
    }

    void accessRequestAddress_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "WD-123ABC" << "http://s:8080/formmailgonder.aspx?carino=0&kullanici= &id=WD-123ABC";
        QTest::newRow("characters that would cut the address")
            << "A&B#1" << "http://s:8080/formmailgonder.aspx?carino=0&kullanici= &id=A%26B%231";
    }

    void accessRequestAddress()
    {
        QFETCH(QString, id);
        QFETCH(QString, expected);
        QCOMPARE(Tformistekyeni::AccessRequestAddress("http://s:8080/", id), expected);
    }
};

QTEST_MAIN(TestClientOptions)
#include "tst_clientoptions.moc"
