// What the conversion engine adds to the reader and the writer: a whole run of
// N JSON-lines rows of 10 columns into a new table, against reading every
// value through the JSON reader and writing the same rows through the Access
// writer separately.
//   engine_bench [--benchmark_filter=...]

#include "EngineTestClasses.h"
#include "JsonBenchData.h"
#include "UAccessEngine.h"
#include "UConvertSession.h"
#include "UConvertSessionExecutor.h"
#include "ULogConvertOutputer.h"
#include "UMarrowickSessionObjectFactory.h"
#include "UUniConnection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString Table = QStringLiteral("rows");

QString DataFile(int rows)
{
    const QString folder = QDir::temp().filePath(QStringLiteral("ambertide_engine_bench"));
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("rows_%1.jsonl").arg(rows));
    EnsureJsonLinesFile(path, rows);
    return path;
}

double ResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// A new database with the 10-column table of the generated records.
struct TDatabase {
    TDatabase()
    {
        RegisterEngineTestClasses();
        const QString file = Dir.filePath(QStringLiteral("bench.accdb"));
        AccessEngine::CreateDatabaseFile(file);
        Connection.SetProviderName(QStringLiteral("Access"));
        Connection.SetDatabase(file);
        Connection.Open();
        Dictionary.SetConnection(&Connection);
        Connection.ExecSQL(QStringLiteral("create table [rows] ([id] Integer, [price] Double, [name] Text(100), "
                                          "[active] Text(10), [deleted] Text(10), [note] Text(10), [qty] Integer, "
                                          "[ratio] Double, [path] Text(50), [address] Text(100))"));
    }
    QTemporaryDir Dir;
    TUniConnection Connection;
    TAccessDBDictionary Dictionary;
};

void BM_ReadAllValues(benchmark::State& state)
{
    const QString file = DataFile(int(state.range(0)));
    for (auto _ : state) {
        TJsonReader reader;
        reader.OpenFile(file);
        reader.Open();
        reader.GotoIndex(1);
        const int columns = reader.ColumnCount();
        while (reader.HasNext()) {
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(reader.FilteredValue(c));
            reader.Next();
        }
        reader.Close();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WriteAllRows(benchmark::State& state)
{
    const int rows = int(state.range(0));
    // The values of the first rows, read once and written round robin.
    QList<QStringList> sample;
    {
        TJsonReader reader;
        reader.OpenFile(DataFile(rows));
        reader.Open();
        reader.GotoIndex(1);
        while (reader.HasNext() && sample.size() < 1000) {
            QStringList row;
            for (int c = 0; c < reader.ColumnCount(); ++c)
                row.append(reader.FilteredValue(c));
            sample.append(row);
            reader.Next();
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<TDatabase>();
        TDBTableStruct ts;
        ts.SetSource(QStringLiteral("Access"), &db->Dictionary, &db->Connection);
        ts.TableName = Table;
        ts.LoadType = QStringLiteral("Append");
        ts.FillStruct();
        TAccessWriter writer;
        writer.SetConnection(&db->Connection);
        writer.SetTableStruct(&ts);
        state.ResumeTiming();
        writer.BeforeWork();
        for (int i = 0; i < rows; ++i) {
            const QStringList& row = sample[i % sample.size()];
            writer.NewRecord();
            for (int c = 0; c < row.size(); ++c)
                writer.SetValue(c, row[c]);
            writer.Write();
        }
        writer.AfterWork();
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_ConvertSession(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QString file = DataFile(rows);
    double growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<TDatabase>();
        TMarrowickSessionObjectFactory factory;
        auto session = factory.NewSession(*TConvertTypeOptions::CreateFromConvertType(ConvertTypes::JsonToTable));
        session->ConvertTypeOptions().SetSourceStoreType(QStringLiteral("File"));
        auto& source = dynamic_cast<TEngineJsonSourceOptions&>(session->SourceSetOptions().SourceOptions());
        source.SetFileName(file);
        source.Sublevel = 0;
        auto& dest = dynamic_cast<TEngineTableDestOptions&>(session->DestSetOptions().DestOptions());
        dest.Connection = &db->Connection;
        dest.Dictionary = &db->Dictionary;
        dest.Table = Table;
        TLogConvertOutputer outputer;
        TConvertSessionExecutor executor;
        executor.SetSession(session.get());
        executor.SetOutputer(&outputer);
        const double before = ResidentMegabytes();
        state.ResumeTiming();
        if (!executor.Execute() || executor.TotalRecords() != rows)
            state.SkipWithError("the run did not convert every row");
        state.PauseTiming();
        growth = ResidentMegabytes() - before;
        session.reset();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["rss_growth_MB"] = growth;
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_ReadAllValues)->Arg(10000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteAllRows)->Arg(10000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvertSession)->Arg(10000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
