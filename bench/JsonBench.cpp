// Throughput of the JSON parser on JSON lines of 10-member records.
//   json_bench [--benchmark_filter=...]
// The jq comparison lives in bench/json_compare.sh.

#include "JsonBenchData.h"
#include "UJsonTree.h"

#include <QStringList>
#include <benchmark/benchmark.h>
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
    for (auto _ : state) {
        auto root = TJsonValue::ParseString(doc);
        benchmark::DoNotOptimize(root.get());
    }
    state.SetBytesProcessed(state.iterations() * lines.Bytes);
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

}  // namespace

BENCHMARK_MAIN();
