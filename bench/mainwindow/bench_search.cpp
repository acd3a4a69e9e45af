// A search answered with 20,000 stock rows, from Enter to the grid showing them, and the longest
// time the user-interface thread could not run its event loop meanwhile (a 1 ms timer's largest
// gap), with the gap that holds attaching the result reported on its own.

#include "ConnectionRetry.h"
#include "DataGrid.h"
#include "ReferenceServer.h"
#include "StockListHarness.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr int CatalogueSize = 20000;

// The reference server over a 20,000-item catalogue whose search answers every item: its own
// search stops at 2,000 rows, so the search is answered by the same stock query without a limit.
ReferenceServer &server()
{
    static ReferenceServer instance(
        [](vorpa::Dispatcher &d, ServerMethods1 &m) {
            d.registerOperation(QStringLiteral("VorpaStokAraGetir"), [&m](const vorpa::CallParams &p) {
                return vorpa::CallResult::packet(m.YenilerVer2(p.record<TSonucBilgisi>(1)->CARINO()));
            });
        },
        CatalogueSize);
    static const bool allNew = [] {
        instance.store().run(QStringLiteral("UPDATE stok SET Y = 1"));
        return true;
    }();
    Q_UNUSED(allNew);
    return instance;
}

void BM_SearchToGrid(benchmark::State &state)
{
    ReferenceServer &reference = server();
    StockListHarness h(reference.session());
    reference.pointAt(h.bagc);
    h.window.show();
    QApplication::processEvents();

    double worstGap = 0;
    double worstAttach = 0;
    for (auto _ : state) {
        std::vector<qint64> ticks;
        ticks.reserve(20000);
        QElapsedTimer clock;
        clock.start();
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        probe.setInterval(1);
        QObject::connect(&probe, &QTimer::timeout, [&] { ticks.push_back(clock.nsecsElapsed()); });
        QEventLoop loop;
        qint64 finishedAt = 0;
        const auto connection = QObject::connect(h.tab.get(), &vorpa::StockListTab::searchFinished, [&](bool ok) {
            finishedAt = clock.nsecsElapsed();
            if (!ok)
                state.SkipWithError("search failed");
            loop.quit();
        });
        probe.start();
        ticks.push_back(clock.nsecsElapsed());
        h.tab->Ara();
        loop.exec();
        h.tab->cxGrid1()->view()->viewport()->repaint();
        ticks.push_back(clock.nsecsElapsed());
        probe.stop();
        QObject::disconnect(connection);
        if (h.tab->cxGrid1()->rowCount() != CatalogueSize)
            state.SkipWithError("the grid does not show every row");

        // The gap in which the search finished is the one that attached the result.
        for (size_t i = 1; i < ticks.size(); ++i) {
            const double gap = double(ticks[i] - ticks[i - 1]) / 1e6;
            if (ticks[i - 1] <= finishedAt && finishedAt <= ticks[i])
                worstAttach = std::max(worstAttach, gap);
            else
                worstGap = std::max(worstGap, gap);
        }
    }
    state.counters["rows"] = CatalogueSize;
    state.counters["ui_max_gap_ms"] = worstGap;
    state.counters["ui_attach_gap_ms"] = worstAttach;
}
BENCHMARK(BM_SearchToGrid)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    vorpa::setRetryDelay(std::chrono::milliseconds(0));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
