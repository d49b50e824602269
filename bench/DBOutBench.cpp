// Rows into an Access table: the engine's raw prepared insert with typed
// values against the Access writer, which gets every value as text and runs
// the SQL creator's number and date conversions before binding. Both commit
// every 1,000 rows. Upsert runs two literal statements per row.

#include "UAccessDBDictionary.h"
#include "UAccessEngine.h"
#include "UAccessWriter.h"
#include "UDBOutClasses.h"
#include "UTableStruct.h"
#include "UUniConnection.h"
#include "UUniQuery.h"
#include "UUserLocale.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int PoolSize = 1000;

const char* CreateSql =
    "create table [Bench] ([id] Integer, [qty] Integer, [price] Double, [amount] Currency, [name] Text(50), "
    "[city] Text(50), [code] Text(10), [created] DateTime, [flag] YesNo, [note] Text(100))";

struct TBenchRow {
    int Id;
    int Qty;
    double Price;
    double Amount;
    QString Name, City, Code, Created, Note;
    bool Flag;
    QStringList Texts;  // the same values as the writer receives them
};

std::vector<TBenchRow> MakePool()
{
    std::vector<TBenchRow> pool;
    pool.reserve(PoolSize);
    for (int i = 0; i < PoolSize; ++i) {
        TBenchRow r;
        r.Id = i;
        r.Qty = i % 97;
        r.Price = i * 1.25;
        r.Amount = i * 0.5;
        r.Name = QStringLiteral("Customer %1").arg(i);
        r.City = QStringLiteral("City %1").arg(i % 50);
        r.Code = QStringLiteral("C%1").arg(i, 5, 10, QLatin1Char('0'));
        r.Created = QStringLiteral("2020-%1-%2 10:15:00").arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        r.Flag = i % 2 == 0;
        r.Note = QStringLiteral("note number %1 for the benchmark").arg(i);
        r.Texts = {QString::number(r.Id), QString::number(r.Qty), QString::number(r.Price), QString::number(r.Amount),
                   r.Name, r.City, r.Code, r.Created, r.Flag ? QStringLiteral("-1") : QStringLiteral("0"), r.Note};
        pool.push_back(std::move(r));
    }
    return pool;
}

const std::vector<TBenchRow>& Pool()
{
    static const std::vector<TBenchRow> pool = MakePool();
    return pool;
}

class TBenchDatabase {
public:
    TBenchDatabase()
    {
        RegisterDBOutClasses();
        const QString file = FDir.filePath(QStringLiteral("bench.accdb"));
        AccessEngine::CreateDatabaseFile(file);
        Connection.SetProviderName(QStringLiteral("Access"));
        Connection.SetDatabase(file);
        Connection.Open();
        Connection.ExecSQL(QString::fromLatin1(CreateSql));
        Dictionary.SetConnection(&Connection);
    }

    QTemporaryDir FDir;
    TUniConnection Connection;
    TAccessDBDictionary Dictionary;
};

void RawPreparedInsert(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const auto& pool = Pool();
    for (auto _ : state) {
        state.PauseTiming();
        TBenchDatabase db;
        TUniQuery query(&db.Connection);
        query.SetSQL(QStringLiteral("insert into [Bench] ([id],[qty],[price],[amount],[name],[city],[code],[created],"
                                    "[flag],[note]) values (:id,:qty,:price,:amount,:name,:city,:code,:created,:flag,:note)"));
        state.ResumeTiming();
        query.Prepare();
        std::vector<TUniParam*> p;
        for (int c = 0; c < query.ParamCount(); ++c)
            p.push_back(&query.Params()[c]);
        db.Connection.StartTransaction();
        for (int i = 0; i < rows; ++i) {
            const TBenchRow& r = pool[i % PoolSize];
            p[0]->SetAsInteger(i);
            p[1]->SetAsInteger(r.Qty);
            p[2]->SetAsFloat(r.Price);
            p[3]->SetAsCurrency(r.Amount);
            p[4]->SetAsString(r.Name);
            p[5]->SetAsString(r.City);
            p[6]->SetAsString(r.Code);
            p[7]->SetAsString(r.Created);
            p[8]->SetAsBoolean(r.Flag);
            p[9]->SetAsString(r.Note);
            query.Execute();
            if ((i + 1) % 1000 == 0) {
                db.Connection.Commit();
                db.Connection.StartTransaction();
            }
        }
        db.Connection.Commit();
        query.UnPrepare();
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows) * state.iterations(), benchmark::Counter::kIsRate);
}

void WriterRun(benchmark::State& state, const QString& loadType)
{
    const int rows = static_cast<int>(state.range(0));
    const auto& pool = Pool();
    for (auto _ : state) {
        state.PauseTiming();
        TBenchDatabase db;
        if (loadType == QLatin1String("Upsert")) {
            // Half the rows find their key: the update hits, the other half inserts.
            db.Connection.StartTransaction();
            for (int i = 0; i < rows; i += 2)
                db.Connection.ExecSQL(QStringLiteral("insert into [Bench] ([id]) values (%1)").arg(i));
            db.Connection.Commit();
        }
        TDBTableStruct ts;
        ts.SetSource(QStringLiteral("Access"), &db.Dictionary, &db.Connection);
        ts.TableName = QStringLiteral("Bench");
        ts.LoadType = loadType;
        ts.UpdateKey = QStringLiteral("id");
        ts.FillStruct();
        ts.DateFormats.SetValue(QStringLiteral("created"), QStringLiteral("yyyy-mm-dd hh:mi:ss"));
        TAccessWriter writer;
        writer.SetConnection(&db.Connection);
        writer.SetTableStruct(&ts);
        state.ResumeTiming();
        writer.BeforeWork();
        for (int i = 0; i < rows; ++i) {
            const QStringList& texts = pool[i % PoolSize].Texts;
            writer.NewRecord();
            writer.SetValue(0, QString::number(i));
            for (int c = 1; c < texts.size(); ++c)
                writer.SetValue(c, texts[c]);
            writer.Write();
        }
        writer.AfterWork();
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows) * state.iterations(), benchmark::Counter::kIsRate);
}

void AccessWriterAppend(benchmark::State& state) { WriterRun(state, QStringLiteral("Append")); }
void AccessWriterUpsert(benchmark::State& state) { WriterRun(state, QStringLiteral("Upsert")); }

BENCHMARK(RawPreparedInsert)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AccessWriterAppend)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AccessWriterUpsert)->Arg(5000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    TUserLocale::Set(TUserLocaleData::English());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
