#include "AdminCommands.h"
#include "AppServer.h"
#include "ShutdownSignals.h"
#include "Store.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

/// Reads a port option; -1 when it is not a number from 0 to 65535.
int portOption(const QCommandLineParser &parser, const QString &name)
{
    bool ok = false;
    const int port = parser.value(name).toInt(&ok);
    return ok && port >= 0 && port <= 65535 ? port : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Pictures and PDF documents are drawn with fonts, which need a GUI application; a server
    // has no screen, so it draws off-screen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("vorpa-appserver"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Vorpa B2B uygulama sunucusu.\n\nKomutlar (--database ile):\n"
        "  register-workstation --workstation ID --user AD\n"
        "  add-user --name AD --password ŞİFRE --role N --customer CARINO\n"
        "  list-users | outbox | access-requests"));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("TCP portu (0: boş bir port)."), QStringLiteral("port"), QStringLiteral("9090")},
        {QStringLiteral("web-port"), QStringLiteral("Web portu (0: boş bir port)."), QStringLiteral("port"), QStringLiteral("8080")},
        {QStringLiteral("database"), QStringLiteral("Veritabanı dosyası; yoksa örnek verilerle oluşturulur."),
         QStringLiteral("file"), QStringLiteral("vorpa-appserver.db")},
        {QStringLiteral("setup-file"), QStringLiteral("/exe/VorpaSetup.exe adresinin sunacağı dosya."), QStringLiteral("file")},
        {QStringLiteral("seed"), QStringLiteral("Örnek veri üretecinin tohumu."), QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("catalogue-size"), QStringLiteral("Örnek katalogdaki stok sayısı."), QStringLiteral("n"),
         QStringLiteral("20000")},
        {QStringLiteral("listen"), QStringLiteral("Dinlenecek adres."), QStringLiteral("address"), QStringLiteral("0.0.0.0")},
        {QStringLiteral("quiet"), QStringLiteral("Çağrıları günlüğe yazma.")},
        {QStringLiteral("workstation"), QStringLiteral("Bilgisayar kimliği."), QStringLiteral("id")},
        {QStringLiteral("user"), QStringLiteral("Kullanıcı adı."), QStringLiteral("name")},
        {QStringLiteral("name"), QStringLiteral("Yeni kullanıcının adı."), QStringLiteral("name")},
        {QStringLiteral("password"), QStringLiteral("Yeni kullanıcının şifresi."), QStringLiteral("password")},
        {QStringLiteral("role"), QStringLiteral("Rol: 1, 2 satış personeli; 0, 3, 4 bayi."), QStringLiteral("n")},
        {QStringLiteral("customer"), QStringLiteral("Bayi kullanıcısının cari numarası."), QStringLiteral("carino")},
    });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("Yönetim komutu (isteğe bağlı)."));
    parser.process(app);

    bool ok = false;
    vorpa::AppServer::Options options;
    options.database = parser.value(QStringLiteral("database"));
    options.setupFile = parser.value(QStringLiteral("setup-file"));
    options.seed = parser.value(QStringLiteral("seed")).toUInt(&ok);
    if (!ok) {
        err << "--seed bir sayı olmalıdır." << Qt::endl;
        return 2;
    }
    options.catalogueSize = parser.value(QStringLiteral("catalogue-size")).toInt(&ok);
    if (!ok || options.catalogueSize < 50 || options.catalogueSize > 1000000) {
        err << "--catalogue-size 50 ile 1000000 arasında olmalıdır." << Qt::endl;
        return 2;
    }
    const int port = portOption(parser, QStringLiteral("port"));
    const int webPort = portOption(parser, QStringLiteral("web-port"));
    if (port < 0 || webPort < 0) {
        err << "Port 0 ile 65535 arasında olmalıdır." << Qt::endl;
        return 2;
    }
    options.port = quint16(port);
    options.webPort = quint16(webPort);
    if (!options.address.setAddress(parser.value(QStringLiteral("listen")))) {
        err << "--listen geçerli bir adres olmalıdır." << Qt::endl;
        return 2;
    }
    options.logCalls = !parser.isSet(QStringLiteral("quiet"));

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1 || (positional.size() == 1 && !vorpa::AdminCommands::isCommand(positional.first()))) {
        err << "Bilinmeyen komut: " << positional.join(u' ') << Qt::endl;
        return 2;
    }

    vorpa::AppServer server(options);
    try {
        if (server.prepareStore())
            err << "Örnek verilerle yeni veritabanı oluşturuldu: " << options.database << Qt::endl;
    } catch (const std::exception &e) {
        err << "Veritabanı hazırlanamadı: " << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }

    if (positional.size() == 1) {
        const vorpa::AdminCommands::Arguments args{
            parser.value(QStringLiteral("workstation")), parser.value(QStringLiteral("user")),
            parser.value(QStringLiteral("name")), parser.value(QStringLiteral("password")),
            parser.value(QStringLiteral("role")), parser.value(QStringLiteral("customer"))};
        return vorpa::AdminCommands::run(positional.first(), args, server.store(), out, err);
    }

    QString error;
    if (!server.start(&error)) {
        err << error << Qt::endl;
        return 1;
    }
    out << "listening tcp=" << server.port() << " web=" << server.webPort() << Qt::endl;

    vorpa::ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &vorpa::ShutdownSignals::shutdownRequested, &app, &QCoreApplication::quit);
    const int code = app.exec();
    server.stop();
    err << "Sunucu durduruldu." << Qt::endl;
    return code;
}
