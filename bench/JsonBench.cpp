// Throughput of the JSON parser on JSON lines of 10-member records, and of the
// JSON reader over a generated file of 1,000,000 of them.
//   json_bench [--benchmark_filter=...]
//   AMBERTIDE_BENCH_LARGE=1 json_bench --benchmark_filter=10000000   (about 2 GB)
// The jq comparison lives in bench/json_compare.sh.

#include "JsonBenchData.h"
#include "UJsonNodeCache.h"
#include "UJsonReader.h"
#include "UJsonTree.h"

#include <QDir>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <vector>

namespace {

struct TLines {
    std::vector<QByteArray> Utf8;
    std::vector<QString> Text;
    qint64 Bytes = 0;
};

const TLines& SampleLines()
{
    static TLines lines = [] {
        TLines l;
        for (int i = 0; i < 20000; ++i) {
            QByteArray r = JsonLinesRecord(i);
            l.Bytes += r.size() + 1;
            l.Text.push_back(QString::fromUtf8(r));
            l.Utf8.push_back(std::move(r));
        }
        return l;
    }();
    return lines;
}

// Parsing alone: the lines are already decoded, as the block reader hands them over.
void BM_ParseLines(benchmark::State& state)
{
    const TLines& lines = SampleLines();
    for (auto _ : state) {
        for (const QString& line : lines.Text) {
            auto root = TJsonValue::ParseString(line);
            benchmark::DoNotOptimize(root.get());
        }
    }
    state.SetBytesProcessed(state.iterations() * lines.Bytes);
    state.SetItemsProcessed(state.iterations() * qint64(lines.Text.size()));
}
BENCHMARK(BM_ParseLines)->Unit(benchmark::kMillisecond);

// Decoding from UTF-8 and parsing.
void BM_DecodeAndParseLines(benchmark::State& state)
{
    const TLines& lines = SampleLines();
    for (auto _ : state) {
        for (const QByteArray& line : lines.Utf8) {
            auto root = TJsonValue::ParseString(QString::fromUtf8(line));
            benchmark::DoNotOptimize(root.get());
        }
    }
    state.SetBytesProcessed(state.iterations() * lines.Bytes);
    state.SetItemsProcessed(state.iterations() * qint64(lines.Utf8.size()));
}
BENCHMARK(BM_DecodeAndParseLines)->Unit(benchmark::kMillisecond);

// One whole document: an array of the same records.
void BM_ParseDocument(benchmark::State& state)
{
    const TLines& lines = SampleLines();
    QString doc = QStringLiteral("[");
    for (const QString& line : lines.Text)
        doc += line + QStringLiteral(",\n");
    doc += QStringLiteral("{}]");
    size_t treeBytes = 0;
    for (auto _ : state) {
        auto root = TJsonValue::ParseString(doc);
        treeBytes = static_cast<const TJsonRoot<TJsonSharedArray>*>(root.get())->Arena().BytesReserved();
        benchmark::DoNotOptimize(root.get());
    }
    state.SetBytesProcessed(state.iterations() * lines.Bytes);
    // Memory of the tree per byte of UTF-8 input.
    state.counters["tree_per_byte"] = double(treeBytes) / double(lines.Bytes);
}
BENCHMARK(BM_ParseDocument)->Unit(benchmark::kMillisecond);

void BM_WriteCompact(benchmark::State& state)
{
    const TLines& lines = SampleLines();
    std::vector<std::unique_ptr<TJsonValue>> roots;
    for (int i = 0; i < 2000; ++i)
        roots.push_back(TJsonValue::ParseString(lines.Text[size_t(i)]));
    qint64 bytes = 0;
    for (int i = 0; i < 2000; ++i)
        bytes += lines.Utf8[size_t(i)].size();
    for (auto _ : state) {
        for (const auto& root : roots) {
            QString text = root->ToString();
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_WriteCompact)->Unit(benchmark::kMillisecond);

QString BenchFolder()
{
    QString dir = qEnvironmentVariable("AMBERTIDE_BENCH_DIR");
    if (dir.isEmpty())
        dir = QDir::tempPath() + QStringLiteral("/ambertide-bench");
    QDir().mkpath(dir);
    return dir;
}

double PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Every column of every row of a JSON-lines file through the JSON reader, as
// the converter reads it: open, GotoIndex(1), values and Next to the end.
void BM_JsonReaderRows(benchmark::State& state)
{
    const int count = int(state.range(0));
    const QString path = BenchFolder() + QStringLiteral("/lines-%1.json").arg(count);
    const qint64 bytes = EnsureJsonLinesFile(path, count);
    qint64 rows = 0;
    qint64 chars = 0;
    for (auto _ : state) {
        TJsonNodeCache::Instance().Clear();
        TJsonReader reader;
        reader.OpenFile(path);
        reader.SetDataItem(QStringLiteral("[]"));
        reader.SetSublevel(1);
        reader.Open();
        const int columns = reader.ColumnCount();
        reader.GotoIndex(1);
        while (reader.HasNext() && reader.RowIndex() <= reader.RowCount()) {
            for (int i = 0; i < columns; ++i)
                chars += reader.FilteredValue(i).size();
            reader.Next();
            ++rows;
        }
        reader.Close();
    }
    benchmark::DoNotOptimize(chars);
    state.SetItemsProcessed(rows);
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["peak_rss_MiB"] = PeakResidentMiB();
}
BENCHMARK(BM_JsonReaderRows)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    // The 2 GB streaming run (10,000,000 lines) only on request: it writes the file first.
    if (qEnvironmentVariableIsSet("AMBERTIDE_BENCH_LARGE"))
        benchmark::RegisterBenchmark("BM_JsonReaderRows", BM_JsonReaderRows)
            ->Arg(10000000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
