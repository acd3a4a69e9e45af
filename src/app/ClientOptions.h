#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vorpa {

// Where the client finds its server: the application server's host and TCP port, and the web root
// of its web side (pictures, forms, the setup program).
struct ServerEndpoint
{
    QString host;
    int port = 0;
    QString webRoot; // always ends in "/"

    // The defaults compiled into the program.
    static ServerEndpoint compiledDefaults();
    // The endpoint the program uses; set once at start (tests point it at their own server).
    static const ServerEndpoint &current();
    static void setCurrent(const ServerEndpoint &endpoint);
};

// The client's command line: the endpoint (compiled defaults, then VORPA_HOST, VORPA_PORT,
// VORPA_WEB_ROOT from the environment, then --host, --port, --web-root) and the one-shot actions.
struct ClientOptions
{
    ServerEndpoint endpoint;
    bool printWorkstationId = false;
    bool showHelp = false;
    QString helpText;
    QString error; // non-empty: the command line could not be used

    static ClientOptions parse(const QStringList &arguments,
                               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
};

} // namespace vorpa
