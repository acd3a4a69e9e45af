// 16 clients on loopback against the reference server with the full 20,000-item catalogue:
// basket loads (SepetVer2) and a stock search that returns about 500 rows (VorpaStokAraGetir).
// Google Benchmark reports the calls per second; the latency percentiles over every call of a run
// are printed after it.

#include "AppServer.h"
#include "DSConnection.h"
#include "proxim.h"

#include <QGuiApplication>
#include <QMutex>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

quint16 serverPort = 0;
TSonucBilgisi dealer;
QMutex latencyLock;
std::map<std::string, std::vector<double>> latencies; // milliseconds per call, by benchmark

constexpr int kClients = 16;
constexpr int kCallsPerClient = 150;
const QString kSearch = QStringLiteral("BOSCH");

std::unique_ptr<vorpa::DSConnection> openConnection()
{
    auto connection = std::make_unique<vorpa::DSConnection>();
    connection->setHostName(QStringLiteral("127.0.0.1"));
    connection->setPort(serverPort);
    connection->Open();
    return connection;
}

template <typename Call>
void runClient(benchmark::State &state, const char *name, const Call &call)
{
    auto connection = openConnection();
    std::vector<double> mine;
    mine.reserve(kCallsPerClient);
    qint64 rows = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TServerMethods1Client proxy(*connection);
        rows += call(proxy);
        mine.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["calls/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["rows/call"] = benchmark::Counter(double(rows) / double(state.iterations()), benchmark::Counter::kAvgThreads);
    QMutexLocker lock(&latencyLock);
    auto &all = latencies[name];
    all.insert(all.end(), mine.begin(), mine.end());
}

void BasketLoad(benchmark::State &state)
{
    runClient(state, "BasketLoad (SepetVer2)", [](TServerMethods1Client &proxy) { return proxy.SepetVer2(dealer.CARINO()).recordCount(); });
}

void StockSearch(benchmark::State &state)
{
    runClient(state, "StockSearch (VorpaStokAraGetir)", [](TServerMethods1Client &proxy) { return proxy.VorpaStokAraGetir(kSearch, &dealer).recordCount(); });
}

BENCHMARK(BasketLoad)->Threads(kClients)->Iterations(kCallsPerClient)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StockSearch)->Threads(kClients)->Iterations(kCallsPerClient)->UseRealTime()->Unit(benchmark::kMillisecond);

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir dir;
    vorpa::AppServer::Options options;
    options.database = dir.filePath(QStringLiteral("bench.db"));
    options.address = QHostAddress::LocalHost;
    options.port = 0;
    options.webPort = 0;
    options.logCalls = false;
    vorpa::AppServer server(options);
    server.prepareStore();
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    serverPort = server.port();
    {
        auto connection = openConnection();
        TServerMethods1Client proxy(*connection);
        dealer.Kopyala(*proxy.BuyukGetir(QStringLiteral("VORPA-DEMO")));
    }

    benchmark::RunSpecifiedBenchmarks();
    for (const auto &[name, values] : latencies) {
        if (!values.empty())
            std::printf("%-45s calls=%zu p50=%.2f ms p99=%.2f ms\n", name.c_str(), values.size(), percentile(values, 0.50),
                        percentile(values, 0.99));
    }
    benchmark::Shutdown();
    server.stop();
    return 0;
}
