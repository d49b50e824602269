// Throughput of the raw line counter and of the block text reader on
// generated JSON-lines files in a temporary folder.

#include "UBlockTextReader.h"
#include "UTextCodec.h"
#include "UTxtFileLineCounter.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray Record(int i)
{
    return QByteArray(R"({"id":)") + QByteArray::number(i) + R"(,"name":"caf\u00e9 )" + QByteArray::number(i * 7)
           + R"(","price":)" + QByteArray::number(i * 0.25, 'f', 2) + R"(,"ok":true,"tags":["a","b"],"note":null})"
           + "\n";
}

// One folder for the whole run; each file is written once.
QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString EnsureFile(const QString& name, qint64 minSize, const QString& encoding)
{
    const QString path = Folder().filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return path;
    QByteArray chunk;
    qint64 written = 0;
    for (int i = 0; written < minSize; ++i) {
        chunk += Record(i);
        if (chunk.size() > (1 << 20) || written + chunk.size() >= minSize) {
            const QByteArray bytes = encoding == Encodings::Utf8 ? chunk : EncodeText(QString::fromUtf8(chunk), encoding, false);
            file.write(bytes);
            written += bytes.size();
            chunk.clear();
        }
    }
    return path;
}

void CountLines(benchmark::State& state, const QString& encoding)
{
    const QString path = EnsureFile(QStringLiteral("count-") + encoding + QStringLiteral(".json"), 512 << 20, encoding);
    const qint64 size = QFile(path).size();
    qint64 lines = 0;
    for (auto _ : state) {
        lines = TTxtFileLineCounter::CountLines(path);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["lines"] = double(lines);
}

void BM_CountLinesUtf8(benchmark::State& state) { CountLines(state, Encodings::Utf8); }
void BM_CountLinesUtf16(benchmark::State& state) { CountLines(state, Encodings::Unicode); }

// Every line of the file through ReadLine; range(0) is the file size in MiB
// (below 100 MiB from memory, above from disk).
void BM_BlockReadLines(benchmark::State& state)
{
    const qint64 size = state.range(0) << 20;
    const QString path = EnsureFile(QStringLiteral("read-%1.json").arg(state.range(0)), size, Encodings::Utf8);
    const qint64 bytes = QFile(path).size();
    qint64 lines = 0;
    bool inMemory = false;
    for (auto _ : state) {
        TBlockTextReader reader;
        reader.OpenTextFile(path);
        reader.SetEncodingName(Encodings::AutoDetect);
        reader.SetStartPosition(0);
        inMemory = reader.IsInMemory();
        qint64 chars = 0;
        while (reader.HasMoreLines()) {
            reader.ReadLine();
            chars += reader.CurrentLine().size();
        }
        benchmark::DoNotOptimize(chars);
        lines = reader.LineNumber();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["lines"] = double(lines);
    state.counters["in_memory"] = inMemory ? 1 : 0;
}

}  // namespace

BENCHMARK(BM_CountLinesUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountLinesUtf16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockReadLines)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
