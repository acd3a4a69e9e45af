// Decoding a 20,000-row, 35-column stock packet from received bytes into the client dataset,
// against Qt's JSON parser reading the same table as JSON (parse only, nothing copied out).
// The run ends with the ratio decode / JSON parse; the aim is a ratio of at most 1.

#include "FrameCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

using namespace vorpa;

namespace {

constexpr int Rows = 20000;

QList<FieldDef> stockColumns()
{
    const char *strings[] = {"STOKKODU", "ADI",     "MARKA",    "MODEL",    "OEMNO",    "URETICIKODU",
                             "BIRIM",    "ANAGRUP", "ALTGRUP",  "DEPO2",    "INDIRIMMETNI", "BARKOD"};
    const char *doubles[] = {"LISTEFIYAT", "NETFIYAT", "KDVLIFIYAT", "KAMPANYAFIYAT", "IND1",      "IND2",
                             "IND3",       "IND4",     "KDV",        "BAKIYE",        "SONALIS",   "SONSATIS"};
    const char *ints[] = {"STOK_STOKNO", "DURUM", "K", "YENI", "MIKTAR", "MINSIPARIS", "PAKET", "RESIMVAR"};
    QList<FieldDef> f;
    for (const char *n : strings)
        f.append({QString::fromLatin1(n), FieldType::String});
    for (const char *n : doubles)
        f.append({QString::fromLatin1(n), FieldType::Double});
    for (const char *n : ints)
        f.append({QString::fromLatin1(n), FieldType::Int32});
    f.append({QStringLiteral("KAYITTARIHI"), FieldType::DateTime});
    f.append({QStringLiteral("SATISTA"), FieldType::Boolean});
    f.append({QStringLiteral("GUNCELLEME"), FieldType::Int64});
    return f; // 35 columns
}

QString stringCell(int column, int row)
{
    static const QStringList names = {QStringLiteral("ÖN FREN BALATASI"), QStringLiteral("YAĞ FİLTRESİ"),
                                      QStringLiteral("DEBRİYAJ SETİ"), QStringLiteral("AMORTİSÖR ARKA SAĞ")};
    static const QStringList brands = {QStringLiteral("RENAULT"), QStringLiteral("FİAT"), QStringLiteral("FORD"),
                                       QStringLiteral("VOLKSWAGEN")};
    switch (column) {
    case 0: return QStringLiteral("VRP-%1").arg(row, 6, 10, QLatin1Char('0'));
    case 1: return names[row % 4] + QLatin1Char(' ') + brands[row % 4] + QStringLiteral(" CLIO III 1.5 DCI");
    case 2: return brands[row % 4];
    case 3: return QStringLiteral("MODEL %1").arg(row % 97);
    case 4: return QStringLiteral("77 01 %1 %2").arg(row % 1000, 3, 10, QLatin1Char('0')).arg(row % 777);
    case 9: return row % 3 ? QStringLiteral("VAR") : QStringLiteral("YOK");
    case 10: return QStringLiteral("%%1 + %%2 + %%3").arg(row % 40).arg(row % 10).arg(row % 5);
    default: return QStringLiteral("K%1-%2").arg(column).arg(row % 500);
    }
}

DataSet stockTable()
{
    DataSet t(stockColumns());
    t.reserve(Rows);
    for (int r = 0; r < Rows; ++r) {
        const int row = t.appendRow();
        for (int c = 0; c < t.fieldCount(); ++c) {
            switch (t.field(c).type) {
            case FieldType::String: t.setString(row, c, stringCell(c, r)); break;
            case FieldType::Double:
            case FieldType::DateTime: t.setDouble(row, c, r * 1.25 + c / 7.0); break;
            case FieldType::Int32:
            case FieldType::Int64: t.setInt(row, c, r * 3 + c); break;
            case FieldType::Boolean: t.setBool(row, c, r % 2); break;
            case FieldType::Bytes: break;
            }
        }
    }
    return t;
}

/// The same table as JSON: column definitions, then one array of values per row.
QByteArray stockJson(const DataSet &t)
{
    QJsonArray columns;
    for (int c = 0; c < t.fieldCount(); ++c)
        columns.append(QJsonObject{{"name", t.field(c).name}, {"type", int(t.field(c).type)}});
    QJsonArray rows;
    for (int r = 0; r < t.recordCount(); ++r) {
        QJsonArray row;
        for (int c = 0; c < t.fieldCount(); ++c) {
            switch (t.field(c).type) {
            case FieldType::String: row.append(t.stringValue(r, c)); break;
            case FieldType::Boolean: row.append(t.boolValue(r, c)); break;
            case FieldType::Int32:
            case FieldType::Int64: row.append(qint64(t.intValue(r, c))); break;
            default: row.append(t.doubleValue(r, c)); break;
            }
        }
        rows.append(row);
    }
    return QJsonDocument(QJsonObject{{"columns", columns}, {"rows", rows}}).toJson(QJsonDocument::Compact);
}

struct Fixture {
    Fixture()
    {
        const DataSet t = stockTable();
        body = FrameCodec::encode(ReplyMessage{1, {}, WireValue::packet(t)}).mid(FrameCodec::HeaderSize);
        json = stockJson(t);
    }
    QByteArray body;
    QByteArray json;
};

const Fixture &fixture()
{
    static const Fixture f;
    return f;
}

void BM_DecodePacketIntoDataSet(benchmark::State &state)
{
    const QByteArray &body = fixture().body;
    for (auto _ : state) {
        Message m = FrameCodec::decode(body);
        DataSet rows = std::get<ReplyMessage>(m).result.takeTable();
        benchmark::DoNotOptimize(rows.recordCount());
    }
    state.SetBytesProcessed(state.iterations() * body.size());
    state.counters["rows"] = Rows;
}
BENCHMARK(BM_DecodePacketIntoDataSet)->Unit(benchmark::kMillisecond);

void BM_QJsonParseOnly(benchmark::State &state)
{
    const QByteArray &json = fixture().json;
    for (auto _ : state) {
        QJsonDocument doc = QJsonDocument::fromJson(json);
        benchmark::DoNotOptimize(doc.isObject());
    }
    state.SetBytesProcessed(state.iterations() * json.size());
}
BENCHMARK(BM_QJsonParseOnly)->Unit(benchmark::kMillisecond);

/// Prints as usual and remembers each benchmark's time per iteration for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("packet %lld bytes, JSON %lld bytes\n", qlonglong(fixture().body.size()),
                qlonglong(fixture().json.size()));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto decode = reporter.times.find("BM_DecodePacketIntoDataSet");
    const auto json = reporter.times.find("BM_QJsonParseOnly");
    if (decode != reporter.times.end() && json != reporter.times.end() && json->second > 0)
        std::printf("ratio decode-into-dataset / QJsonDocument::fromJson = %.2f\n", decode->second / json->second);
    benchmark::Shutdown();
    return 0;
}
