#include "ClientOptions.h"

#include <QCommandLineParser>

namespace vorpa {

namespace {

ServerEndpoint &currentEndpoint()
{
    static ServerEndpoint endpoint = ServerEndpoint::compiledDefaults();
    return endpoint;
}

QString withTrailingSlash(QString url)
{
    if (!url.endsWith(u'/'))
        url += u'/';
    return url;
}

bool applyPort(const QString &text, ServerEndpoint &endpoint, QString &error, const QString &source)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535) {
        error = QStringLiteral("Geçersiz port (%1): %2").arg(source, text);
        return false;
    }
    endpoint.port = port;
    return true;
}

} // namespace

ServerEndpoint ServerEndpoint::compiledDefaults()
{
    return {QStringLiteral(VORPA_DEFAULT_HOST), VORPA_DEFAULT_PORT,
            withTrailingSlash(QStringLiteral(VORPA_DEFAULT_WEB_ROOT))};
}

const ServerEndpoint &ServerEndpoint::current()
{
    return currentEndpoint();
}

void ServerEndpoint::setCurrent(const ServerEndpoint &endpoint)
{
    currentEndpoint() = endpoint;
    currentEndpoint().webRoot = withTrailingSlash(endpoint.webRoot);
}

ClientOptions ClientOptions::parse(const QStringList &arguments, const QProcessEnvironment &environment)
{
    ClientOptions options;
    options.endpoint = ServerEndpoint::compiledDefaults();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vorpa Otomotiv B2B sipariş programı"));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Bu yardımı gösterir."));
    const QCommandLineOption hostOption(QStringLiteral("host"),
                                        QStringLiteral("Uygulama sunucusunun adresi (VORPA_HOST; varsayılan %1).")
                                            .arg(options.endpoint.host),
                                        QStringLiteral("adres"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Uygulama sunucusunun TCP portu (VORPA_PORT; varsayılan %1).")
                                            .arg(options.endpoint.port),
                                        QStringLiteral("port"));
    const QCommandLineOption webRootOption(
        QStringLiteral("web-root"),
        QStringLiteral("Sunucunun web kökü: resimler, formlar, kurulum dosyası (VORPA_WEB_ROOT; varsayılan %1).")
            .arg(options.endpoint.webRoot),
        QStringLiteral("URL"));
    const QCommandLineOption printIdOption(QStringLiteral("print-workstation-id"),
                                           QStringLiteral("Bu bilgisayarın kimliğini yazar ve çıkar."));
    parser.addOption(helpOption);
    parser.addOption(hostOption);
    parser.addOption(portOption);
    parser.addOption(webRootOption);
    parser.addOption(printIdOption);
    options.helpText = parser.helpText();

    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.showHelp = parser.isSet(helpOption);
    options.printWorkstationId = parser.isSet(printIdOption);

    if (const QString host = environment.value(QStringLiteral("VORPA_HOST")); !host.isEmpty())
        options.endpoint.host = host;
    if (const QString port = environment.value(QStringLiteral("VORPA_PORT")); !port.isEmpty()
        && !applyPort(port, options.endpoint, options.error, QStringLiteral("VORPA_PORT")))
        return options;
    if (const QString root = environment.value(QStringLiteral("VORPA_WEB_ROOT")); !root.isEmpty())
        options.endpoint.webRoot = withTrailingSlash(root);

    if (parser.isSet(hostOption))
        options.endpoint.host = parser.value(hostOption);
    if (parser.isSet(portOption)
        && !applyPort(parser.value(portOption), options.endpoint, options.error, QStringLiteral("--port")))
        return options;
    if (parser.isSet(webRootOption))
        options.endpoint.webRoot = withTrailingSlash(parser.value(webRootOption));
    if (!parser.positionalArguments().isEmpty())
        options.error = QStringLiteral("Beklenmeyen bağımsız değişken: %1").arg(parser.positionalArguments().join(u' '));
    return options;
}

} // namespace vorpa
