#include "UAccessFunctions.h"

#include "UAccessDateText.h"

#include <QDateTime>
#include <QString>
#include <sqlite3.h>

namespace {

QString TextArg(sqlite3_value* v)
{
    const void* p = sqlite3_value_text16(v);
    return QString(reinterpret_cast<const QChar*>(p), sqlite3_value_bytes16(v) / 2);
}

void ResultText(sqlite3_context* ctx, const QString& s)
{
    sqlite3_result_text16(ctx, s.utf16(), static_cast<int>(s.size() * 2), SQLITE_TRANSIENT);
}

bool AnyNull(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

void Now(sqlite3_context* ctx, int, sqlite3_value**)
{
    ResultText(ctx, FormatAccessDate(QDateTime::currentDateTime()));
}

void UCase(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (AnyNull(argc, argv))
        return sqlite3_result_null(ctx);
    ResultText(ctx, TextArg(argv[0]).toUpper());
}

void LCase(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (AnyNull(argc, argv))
        return sqlite3_result_null(ctx);
    ResultText(ctx, TextArg(argv[0]).toLower());
}

void Len(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (AnyNull(argc, argv))
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, TextArg(argv[0]).size());
}

void Mid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (AnyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const QString s = TextArg(argv[0]);
    const qint64 start = sqlite3_value_int64(argv[1]);
    if (start < 1)
        return sqlite3_result_error(ctx, "Invalid procedure call or argument", -1);
    const qint64 len = argc > 2 ? sqlite3_value_int64(argv[2]) : s.size();
    ResultText(ctx, s.mid(start - 1, len < 0 ? 0 : len));
}

void Left(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (AnyNull(argc, argv))
        return sqlite3_result_null(ctx);
    ResultText(ctx, TextArg(argv[0]).left(qMax<qint64>(0, sqlite3_value_int64(argv[1]))));
}

void Right(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (AnyNull(argc, argv))
        return sqlite3_result_null(ctx);
    ResultText(ctx, TextArg(argv[0]).right(qMax<qint64>(0, sqlite3_value_int64(argv[1]))));
}

void IIf(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const bool condition = sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(ctx, condition ? argv[1] : argv[2]);
}

void Nz(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL)
        return sqlite3_result_value(ctx, argv[0]);
    if (argc > 1)
        return sqlite3_result_value(ctx, argv[1]);
    sqlite3_result_int(ctx, 0);
}

template <int Part>
void DatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (AnyNull(argc, argv))
        return sqlite3_result_null(ctx);
    QString stored;
    if (!TryParseAccessDateText(TextArg(argv[0]), stored))
        return sqlite3_result_error(ctx, "Data type mismatch in criteria expression.", -1);
    const QDate d = QDate::fromString(stored.left(10), QStringLiteral("yyyy-MM-dd"));
    sqlite3_result_int(ctx, Part == 0 ? d.year() : Part == 1 ? d.month() : d.day());
}

}  // namespace

void RegisterAccessFunctions(sqlite3* db)
{
    const int flags = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    sqlite3_create_function16(db, u"Now", 0, SQLITE_UTF16, nullptr, Now, nullptr, nullptr);
    sqlite3_create_function16(db, u"UCase", 1, flags, nullptr, UCase, nullptr, nullptr);
    sqlite3_create_function16(db, u"LCase", 1, flags, nullptr, LCase, nullptr, nullptr);
    sqlite3_create_function16(db, u"Len", 1, flags, nullptr, Len, nullptr, nullptr);
    sqlite3_create_function16(db, u"Mid", 2, flags, nullptr, Mid, nullptr, nullptr);
    sqlite3_create_function16(db, u"Mid", 3, flags, nullptr, Mid, nullptr, nullptr);
    sqlite3_create_function16(db, u"Left", 2, flags, nullptr, Left, nullptr, nullptr);
    sqlite3_create_function16(db, u"Right", 2, flags, nullptr, Right, nullptr, nullptr);
    sqlite3_create_function16(db, u"IIf", 3, flags, nullptr, IIf, nullptr, nullptr);
    sqlite3_create_function16(db, u"Nz", 1, flags, nullptr, Nz, nullptr, nullptr);
    sqlite3_create_function16(db, u"Nz", 2, flags, nullptr, Nz, nullptr, nullptr);
    sqlite3_create_function16(db, u"Year", 1, flags, nullptr, DatePart<0>, nullptr, nullptr);
    sqlite3_create_function16(db, u"Month", 1, flags, nullptr, DatePart<1>, nullptr, nullptr);
    sqlite3_create_function16(db, u"Day", 1, flags, nullptr, DatePart<2>, nullptr, nullptr);
}
