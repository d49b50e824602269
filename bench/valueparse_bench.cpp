// Date detection runs on every value of a "detect per record" column, and
// the date and number parsers on every value bound for a date or numeric
// column: these are the per-value costs of an import.

#include "UAccessDateFormatParser.h"
#include "UDateFormatDetector.h"
#include "UNumberFormatParser.h"
#include "UUserLocale.h"

#include <QRegularExpression>
#include <benchmark/benchmark.h>

namespace {

void DetectValue(benchmark::State& state, const char* value)
{
    const TDateFormatDetector detector;
    const QString text = QString::fromLatin1(value);
    for (auto _ : state)
        benchmark::DoNotOptimize(detector.Detect(text));
}

// Typical values: an ISO date-time (19th picture) and the ISO form with T and Z.
BENCHMARK_CAPTURE(DetectValue, IsoDateTime, "2020-01-31 10:15:00");
BENCHMARK_CAPTURE(DetectValue, IsoTZ, "2020-01-31T10:15:00Z");
BENCHMARK_CAPTURE(DetectValue, IsoDateOnly, "2020-01-31");
BENCHMARK_CAPTURE(DetectValue, SerialDate, "43861");
// Worst cases: nothing matches, every picture is tried.
BENCHMARK_CAPTURE(DetectValue, NoMatchWord, "not a date at all");
BENCHMARK_CAPTURE(DetectValue, NoMatchNearDate, "2020-01-31 10:15:00 XYZ");
BENCHMARK_CAPTURE(DetectValue, NoMatchMonth, "13/13/2020");
// Only digits and the separators of the ISO pictures: the signature skips least.
BENCHMARK_CAPTURE(DetectValue, NoMatchIsoShaped, "9999-99-99 99:99:99.999");
BENCHMARK_CAPTURE(DetectValue, NoMatchZoneShaped, "2020-01-31 10:15:61.1234567 +01:0099");

// For comparison: the pictures tried one by one, one match call each.
void DetectOneByOne(benchmark::State& state, const char* value)
{
    const TDateFormatDetector detector;
    QList<QRegularExpression> patterns;
    for (const TDateFormatEntry& entry : detector.Entries()) {
        patterns.append(QRegularExpression(entry.Pattern));
        patterns.back().optimize();
    }
    const QString text = QString::fromLatin1(value).trimmed().toUpper();
    for (auto _ : state) {
        int found = -1;
        for (int i = 0; i < patterns.size() && found < 0; ++i)
            if (patterns[i].match(text).hasMatch())
                found = i;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK_CAPTURE(DetectOneByOne, IsoDateTime, "2020-01-31 10:15:00");
BENCHMARK_CAPTURE(DetectOneByOne, NoMatchNearDate, "2020-01-31 10:15:00 XYZ");
BENCHMARK_CAPTURE(DetectOneByOne, NoMatchIsoShaped, "9999-99-99 99:99:99.999");

void ParseValue(benchmark::State& state, const char* format, const char* value)
{
    TUserLocale::Set(TUserLocaleData::English());
    TAccessDateFormatParser parser;
    const QString f = QString::fromLatin1(format);
    const QString text = QString::fromLatin1(value);
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Parse(text, f));
}
BENCHMARK_CAPTURE(ParseValue, FixedIsoDateTime, "yyyy-mm-dd hh:mi:ss", "2020-01-31 10:15:00");
BENCHMARK_CAPTURE(ParseValue, FixedIsoFractionZ, "yyyy-mm-ddThh:mi:ss.nnnZ", "2020-01-31T10:15:00.123Z");
BENCHMARK_CAPTURE(ParseValue, PerRecordIsoTZ, "detect per record", "2020-01-31T10:15:00Z");
BENCHMARK_CAPTURE(ParseValue, PerRecordRfc, "detect per record", "Fri, 31 Jan 2020 10:15:00 +0100");

void ConvertNumber(benchmark::State& state, const char* value)
{
    TUserLocale::Set(TUserLocaleData::English());
    const TNumberFormatParser parser;
    const QString text = QString::fromLatin1(value);
    const TNumberFormat format = parser.DetectNumberFormat(text);
    const QString mode = QStringLiteral("DB");
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.ConvertNumber(text, format, mode));
}
BENCHMARK_CAPTURE(ConvertNumber, Normal, "1234567.89");
BENCHMARK_CAPTURE(ConvertNumber, Nethedland, "1.234,50-");

void DetectNumber(benchmark::State& state, const char* value)
{
    TUserLocale::Set(TUserLocaleData::English());
    const TNumberFormatParser parser;
    const QString text = QString::fromLatin1(value);
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.DetectNumberFormat(text));
}
BENCHMARK_CAPTURE(DetectNumber, Normal, "1234567.89");
BENCHMARK_CAPTURE(DetectNumber, Exponent, "6E23");

}  // namespace

BENCHMARK_MAIN();
