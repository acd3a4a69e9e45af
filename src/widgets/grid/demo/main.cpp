// A window with one data grid over generated stock rows, for looking at the grid and for
// measuring it: --rows N, --group FIELD, --export FILE (write and exit), --screenshot FILE,
// --filter FIELD (open that column's filter drop-down), --narrow (price cell instead of columns).
#include "DataGrid.h"
#include "FilterPopup.h"
#include "SampleStock.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPainter>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption rowsOption("rows", "Number of rows.", "N", "200");
    const QCommandLineOption groupOption("group", "Group by this field.", "FIELD");
    const QCommandLineOption exportOption("export", "Write the grid to this Excel file and exit.", "FILE");
    const QCommandLineOption shotOption("screenshot", "Save a picture of the window and exit.", "FILE");
    const QCommandLineOption filterOption("filter", "Open the filter drop-down of this field.", "FIELD");
    const QCommandLineOption narrowOption("narrow", "Show the drawn price cell instead of the price columns.");
    const QCommandLineOption picturesOption("pictures", "Show the picture column.");
    parser.addOptions({rowsOption, groupOption, exportOption, shotOption, filterOption, narrowOption, picturesOption});
    parser.process(app);

    vorpa::DataSet stock;
    const bool pictures = parser.isSet(picturesOption);
    vorpa::sample::fillStock(stock, parser.value(rowsOption).toInt(), pictures);

    vorpa::DataGrid grid;
    grid.setWindowTitle(QStringLiteral("Vorpa tablo örneği"));
    grid.setColumns(vorpa::sample::stockColumns());
    grid.setSummaries(vorpa::sample::stockSummaries());
    grid.setDataSet(&stock);
    grid.setRowHeight(pictures ? 70 : 40);
    if (pictures)
        grid.setColumnVisible("RESIMVERI", true);
    if (parser.isSet(narrowOption)) {
        for (const char *field : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"})
            grid.setColumnVisible(field, false);
        grid.setColumnVisible("FIYATBILGISI", true);
        grid.setRowHeight(100);
    }
    if (parser.isSet(groupOption)) {
        grid.setGroupBy(parser.value(groupOption));
        grid.setColumnVisible(parser.value(groupOption), false);
        grid.setSummaries({{vorpa::SummaryKind::Count, "BARKOD"}, {vorpa::SummaryKind::Sum, "NETFIYAT"},
                           {vorpa::SummaryKind::Sum, "KDVDAHIL"}});
    }

    if (parser.isSet(exportOption)) {
        QString error;
        if (!grid.exportToExcel(parser.value(exportOption), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }

    grid.resize(1360, 760);
    grid.setLayoutMode(vorpa::DataGrid::LayoutMode::ByWeight);
    grid.show();
    if (parser.isSet(groupOption)) {
        grid.collapseAll();
        grid.setGroupExpanded(0, true);
    }
    grid.setFocusedRow(grid.shownRows().empty() ? -1 : grid.shownRows().at(std::min<size_t>(2, grid.shownRows().size() - 1)));
    if (parser.isSet(filterOption))
        grid.showFilterPopup(grid.columnIndex(parser.value(filterOption)));

    if (parser.isSet(shotOption)) {
        QTimer::singleShot(300, &app, [&] {
            // The drop-down is a window of its own: paint it onto the grid's picture.
            QPixmap shot = grid.grab();
            if (grid.filterPopup()->isVisible()) {
                QPainter p(&shot);
                p.drawPixmap(grid.mapFromGlobal(grid.filterPopup()->pos()), grid.filterPopup()->grab());
            }
            shot.save(parser.value(shotOption));
            app.quit();
        });
    }
    return app.exec();
}
