// Speed of the data grid on 20,000 and 100,000 stock rows: attaching a filled dataset, a header
// filter, incremental search to the last row, best fit and Excel export.
#include "DataGrid.h"
#include "SampleStock.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace vorpa;

namespace {

// One filled dataset per size, built once: filling is the dataset's cost, not the grid's.
DataSet &stockOf(int rows)
{
    static std::map<int, std::unique_ptr<DataSet>> cache;
    auto &slot = cache[rows];
    if (!slot) {
        slot = std::make_unique<DataSet>();
        sample::fillStock(*slot, rows);
    }
    return *slot;
}

std::unique_ptr<DataGrid> makeGrid(bool show)
{
    auto grid = std::make_unique<DataGrid>();
    grid->setColumns(sample::stockColumns());
    grid->setSummaries(sample::stockSummaries());
    grid->resize(1360, 760);
    if (show)
        grid->show();
    return grid;
}

void BM_Attach(benchmark::State &state)
{
    DataSet &ds = stockOf(int(state.range(0)));
    auto grid = makeGrid(true);
    for (auto _ : state) {
        state.PauseTiming();
        grid->setDataSet(nullptr);
        QApplication::processEvents();
        state.ResumeTiming();
        grid->setDataSet(&ds);
        QApplication::processEvents(); // the view takes the new rows and repaints
        benchmark::DoNotOptimize(grid->rowCount());
    }
}

void BM_HeaderFilter(benchmark::State &state)
{
    DataSet &ds = stockOf(int(state.range(0)));
    auto grid = makeGrid(true);
    for (auto _ : state) {
        state.PauseTiming();
        grid->setDataSet(nullptr);
        grid->setDataSet(&ds); // a fresh attach: the column's value index is built inside the timing
        QApplication::processEvents();
        state.ResumeTiming();
        grid->setColumnFilter("MARKA", {"BOSCH", "VALEO"});
        benchmark::DoNotOptimize(grid->summaryText(1)); // the footer follows
        QApplication::processEvents();
        state.PauseTiming();
        grid->clearFilters();
        state.ResumeTiming();
    }
}

void BM_SearchToLastRow(benchmark::State &state)
{
    const int rows = int(state.range(0));
    DataSet &ds = stockOf(rows);
    auto grid = makeGrid(true);
    const QString last = ds.stringValue(rows - 1, ds.fieldIndex("BARKOD"));
    for (auto _ : state) {
        state.PauseTiming();
        grid->setDataSet(nullptr);
        grid->setDataSet(&ds);
        grid->setFocusedRow(0);
        grid->setFocusedColumn("BARKOD");
        QApplication::processEvents();
        state.ResumeTiming();
        if (!grid->incrementalSearch(last) || grid->focusedRow() != rows - 1)
            state.SkipWithError("search did not reach the last row");
        QApplication::processEvents();
    }
}

void BM_BestFit(benchmark::State &state)
{
    DataSet &ds = stockOf(int(state.range(0)));
    auto grid = makeGrid(true);
    grid->setDataSet(&ds);
    QApplication::processEvents();
    for (auto _ : state) {
        grid->bestFitColumns();
        QApplication::processEvents();
    }
}

void BM_Export(benchmark::State &state)
{
    DataSet &ds = stockOf(int(state.range(0)));
    auto grid = makeGrid(false);
    grid->setDataSet(&ds);
    QTemporaryDir dir;
    const QString path = dir.filePath("liste.xlsx");
    for (auto _ : state) {
        QString error;
        if (!grid->exportToExcel(path, &error))
            state.SkipWithError(error.toStdString().c_str());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_Attach)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderFilter)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchToLastRow)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestFit)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
