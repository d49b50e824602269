// A prepared insert of rows of 10 columns, committed every 1,000 rows: once
// through TUniQuery with named, typed parameters (the way the one-by-one
// writer binds), once through the raw SQLite C API into the same table of the
// same engine file (same declared types and checks). The difference is the
// cost of the layer: dialect translation, parameter lookup, value conversion
// and checks, binding.
//
// Run: dac_bench [--benchmark_filter=...]; the row count is the argument.

#include "UAccessEngine.h"
#include "UUniConnection.h"
#include "UUniQuery.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int KCommitInterval = 1000;
constexpr int KDistinctTexts = 1000;

const char* KCreate =
    "create table [bench] ([id] Long, [qty] Long, [code] Short, [name] Text(50), [city] Text(50), "
    "[note] Text(100), [price] Double, [weight] Double, [created] DateTime, [active] YesNo)";

// The same texts for both sides, made before the clock runs.
struct TTexts {
    std::vector<QString> Names, Cities, Notes, Dates;
    std::vector<QByteArray> Names8, Cities8, Notes8, Dates8;
    TTexts()
    {
        for (int i = 0; i < KDistinctTexts; ++i) {
            Names.push_back(QStringLiteral("Name %1").arg(i));
            Cities.push_back(QStringLiteral("City number %1").arg(i * 7));
            Notes.push_back(QStringLiteral("A note of some length for row kind %1, to fill the page").arg(i));
            Dates.push_back(QStringLiteral("2020-%1-%2 10:%3:00")
                                .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                                .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                                .arg(i % 60, 2, 10, QLatin1Char('0')));
            Names8.push_back(Names.back().toUtf8());
            Cities8.push_back(Cities.back().toUtf8());
            Notes8.push_back(Notes.back().toUtf8());
            Dates8.push_back(Dates.back().toUtf8());
        }
    }
};

const TTexts& Texts()
{
    static const TTexts texts;
    return texts;
}

QString NewDatabase(QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("bench.accdb"));
    AccessEngine::CreateDatabaseFile(path);
    TUniConnection c;
    c.SetProviderName(QStringLiteral("Access"));
    c.SetDatabase(path);
    c.Open();
    c.ExecSQL(QString::fromLatin1(KCreate));
    return path;
}

void BM_LayerInsert(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const TTexts& t = Texts();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = NewDatabase(dir);
        state.ResumeTiming();

        TUniConnection c;
        c.SetProviderName(QStringLiteral("Access"));
        c.SetDatabase(path);
        c.Open();
        TUniQuery q(&c);
        q.SetAutoPrepare(false);
        q.SetSQL(QStringLiteral("insert into [bench] ([id],[qty],[code],[name],[city],[note],[price],[weight],[created],[active]) \r\n"
                                "  values (:p_id_0,:p_qty_0,:p_code_0,:p_name_0,:p_city_0,:p_note_0,:p_price_0,:p_weight_0,"
                                ":p_created_0,:p_active_0) "));
        q.Prepare();
        std::vector<TUniParam*> p;
        for (const char* name : {"p_id_0", "p_qty_0", "p_code_0", "p_name_0", "p_city_0", "p_note_0", "p_price_0",
                                 "p_weight_0", "p_created_0", "p_active_0"})
            p.push_back(&q.ParamByName(QString::fromLatin1(name)));
        c.StartTransaction();
        for (int i = 0; i < rows; ++i) {
            const int k = i % KDistinctTexts;
            p[0]->SetAsInteger(i);
            p[1]->SetAsInteger(i % 5000);
            p[2]->SetAsInteger(i % 300);
            p[3]->SetAsString(t.Names[k]);
            p[4]->SetAsString(t.Cities[k]);
            p[5]->SetAsString(t.Notes[k]);
            p[6]->SetAsFloat(i * 0.25);
            p[7]->SetAsFloat(k * 1.5);
            p[8]->SetAsString(t.Dates[k]);
            p[9]->SetAsBoolean(i % 2 == 0);
            q.Execute();
            if ((i + 1) % KCommitInterval == 0) {
                c.Commit();
                c.StartTransaction();
            }
        }
        c.Commit();
        q.UnPrepare();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void Check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void BM_RawSqliteInsert(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const TTexts& t = Texts();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = NewDatabase(dir);
        state.ResumeTiming();

        sqlite3* db = nullptr;
        Check(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr), db);
        Check(sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr), db);
        sqlite3_stmt* stmt = nullptr;
        Check(sqlite3_prepare_v2(db, "insert into bench (id,qty,code,name,city,note,price,weight,created,active) "
                                     "values (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)", -1, &stmt, nullptr), db);
        Check(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), db);
        for (int i = 0; i < rows; ++i) {
            const int k = i % KDistinctTexts;
            sqlite3_bind_int64(stmt, 1, i);
            sqlite3_bind_int64(stmt, 2, i % 5000);
            sqlite3_bind_int64(stmt, 3, i % 300);
            sqlite3_bind_text(stmt, 4, t.Names8[k].constData(), static_cast<int>(t.Names8[k].size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt, 5, t.Cities8[k].constData(), static_cast<int>(t.Cities8[k].size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt, 6, t.Notes8[k].constData(), static_cast<int>(t.Notes8[k].size()), SQLITE_STATIC);
            sqlite3_bind_double(stmt, 7, i * 0.25);
            sqlite3_bind_double(stmt, 8, k * 1.5);
            sqlite3_bind_text(stmt, 9, t.Dates8[k].constData(), static_cast<int>(t.Dates8[k].size()), SQLITE_STATIC);
            sqlite3_bind_int64(stmt, 10, i % 2 == 0 ? -1 : 0);
            Check(sqlite3_step(stmt), db);
            sqlite3_reset(stmt);
            if ((i + 1) % KCommitInterval == 0) {
                Check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
                Check(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), db);
            }
        }
        Check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
        sqlite3_finalize(stmt);
        sqlite3_close_v2(db);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(BM_LayerInsert)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSqliteInsert)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
