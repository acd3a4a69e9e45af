// A stock list as the client holds it: build it, find stock numbers in it, format its amounts.

#include "DataSet.h"
#include "NumberFormat.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QRandomGenerator>

using vorpa::DataSet;
using vorpa::FieldDef;
using vorpa::FieldType;

namespace {

constexpr int Rows = 20000;

QList<FieldDef> stockColumns()
{
    QList<FieldDef> f;
    const char *ints[] = {"STOK_STOKNO", "DURUM", "K", "YENI", "RESIMVAR", "ANAGRUPNO", "MARKANO",
                          "BIRIMNO", "DEPO1", "DEPO3", "SIRA", "KAMPANYA"};
    const char *doubles[] = {"KDV", "LISTEFIYAT", "NETFIYAT", "KDVLIFIYAT", "KAMPANYAFIYAT",
                             "ISK1", "ISK2", "ISK3", "ISK4", "MIKTAR"};
    const char *strings[] = {"KOD", "ADI", "BARKOD", "MARKA", "MODEL", "OEMNO", "URETICIKOD",
                             "BIRIM", "ANAGRUP", "DEPO2", "ISKONTOMETNI", "ACIKLAMA", "DOVIZ"};
    for (const char *n : ints)
        f.append({n, FieldType::Int32});
    for (const char *n : doubles)
        f.append({n, FieldType::Double});
    for (const char *n : strings)
        f.append({n, FieldType::String});
    return f;
}

/// Rows as they come off the wire: one variant per cell.
const std::vector<QVariantList> &sourceRows()
{
    static const std::vector<QVariantList> rows = [] {
        std::vector<QVariantList> out;
        out.reserve(Rows);
        QRandomGenerator rng(42);
        const QList<FieldDef> cols = stockColumns();
        for (int r = 0; r < Rows; ++r) {
            QVariantList row;
            row.reserve(cols.size());
            for (int c = 0; c < cols.size(); ++c) {
                switch (cols[c].type) {
                case FieldType::Int32: row.append(c == 0 ? 100000 + r : int(rng.bounded(6))); break;
                case FieldType::Double: row.append(rng.bounded(100000.0)); break;
                default: row.append(QStringLiteral("FREN BALATASI %1-%2").arg(r).arg(c)); break;
                }
            }
            out.push_back(std::move(row));
        }
        return out;
    }();
    return rows;
}

DataSet buildFromRows()
{
    DataSet ds(stockColumns());
    ds.reserve(Rows);
    ds.disableControls();
    for (const QVariantList &row : sourceRows())
        ds.appendRow(row);
    ds.enableControls();
    return ds;
}

/// CPU time per item, shown in seconds with an SI prefix ("776n" is 776 ns).
benchmark::Counter timePer(double items)
{
    return benchmark::Counter(items, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void perRow(benchmark::State &state, double rows) { state.counters["per_row"] = timePer(rows); }

void BM_BuildFromVariantRows(benchmark::State &state)
{
    sourceRows();
    for (auto _ : state) {
        DataSet ds = buildFromRows();
        benchmark::DoNotOptimize(ds.recordCount());
    }
    perRow(state, Rows);
}
BENCHMARK(BM_BuildFromVariantRows)->Unit(benchmark::kMillisecond);

void BM_BuildTyped(benchmark::State &state)
{
    const std::vector<QVariantList> &rows = sourceRows();
    const QList<FieldDef> cols = stockColumns();
    for (auto _ : state) {
        DataSet ds(cols);
        ds.reserve(Rows);
        ds.disableControls();
        for (const QVariantList &row : rows) {
            const int r = ds.appendRow();
            for (int c = 0; c < cols.size(); ++c) {
                const QVariant &v = row[c];
                switch (cols[c].type) {
                case FieldType::Int32: ds.setInt(r, c, v.toInt()); break;
                case FieldType::Double: ds.setDouble(r, c, v.toDouble()); break;
                default: ds.setString(r, c, v.toString()); break;
                }
            }
        }
        ds.enableControls();
        benchmark::DoNotOptimize(ds.recordCount());
    }
    perRow(state, Rows);
}
BENCHMARK(BM_BuildTyped)->Unit(benchmark::kMillisecond);

void BM_Locate1000(benchmark::State &state)
{
    DataSet ds = buildFromRows();
    QRandomGenerator rng(7);
    QList<int> wanted;
    for (int i = 0; i < 1000; ++i)
        wanted.append(100000 + int(rng.bounded(Rows)));
    for (auto _ : state) {
        int found = 0;
        for (int stokNo : wanted)
            found += ds.locate(QStringLiteral("STOK_STOKNO"), stokNo);
        benchmark::DoNotOptimize(found);
    }
    perRow(state, Rows);
    state.counters["per_locate"] = timePer(1000);
}
BENCHMARK(BM_Locate1000)->Unit(benchmark::kMillisecond);

void BM_FormatDoubles(benchmark::State &state)
{
    const DataSet ds = buildFromRows();
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    QList<int> doubleColumns;
    for (int c = 0; c < ds.fieldCount(); ++c)
        if (ds.field(c).type == FieldType::Double)
            doubleColumns.append(c);
    for (auto _ : state) {
        qsizetype chars = 0;
        for (int r = 0; r < ds.recordCount(); ++r)
            for (int c : doubleColumns)
                chars += vorpa::formatFloat(ds.doubleValue(r, c), vorpa::AmountFormat, turkish).size();
        benchmark::DoNotOptimize(chars);
    }
    perRow(state, Rows);
    state.counters["per_cell"] = timePer(double(Rows) * doubleColumns.size());
}
BENCHMARK(BM_FormatDoubles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
