#include "app/ClientOptions.h"
#include "MorvaneStyle.h"
#include "mainwindow/Unit1.h"
#include "utils.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    vorpa::ClientOptions options;
    {
        // The one-shot actions must work without a display.
        const QCoreApplication probe(argc, argv);
        options = vorpa::ClientOptions::parse(QCoreApplication::arguments());
        if (!options.error.isEmpty()) {
            std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(options.error), qUtf8Printable(options.helpText));
            return 2;
        }
        if (options.showHelp) {
            std::fputs(qUtf8Printable(options.helpText), stdout);
            return 0;
        }
        if (options.printWorkstationId) {
            std::printf("%s\n", qUtf8Printable(WorkstationId()));
            return 0;
        }
    }

    QApplication app(argc, argv);
    vorpa::ServerEndpoint::setCurrent(options.endpoint);
    vorpa::InstallDesktopHandlers();
    QString styleError;
    if (!vorpa::ApplyNamedStyle(app, QStringLiteral("morvane"), &styleError))
        vorpa::ShowPlatformMessage(styleError, vorpa::MessageKind::Error);

    TForm1 form;
    if (!form.FormCreate())
        return 0;
    form.showMaximized();
    return app.exec();
}
