#include "UOneByOneExecutor.h"

#include "UDBHelper.h"
#include "UDBTypeNames.h"
#include "UException.h"
#include "UFieldTypes.h"
#include "UNumberText.h"
#include "ULog.h"
#include "USqlCreator.h"
#include "UTableStruct.h"
#include "UUniConnection.h"
#include "UUniQuery.h"
#include "UUserLocale.h"

namespace {
const QString CRLF = QStringLiteral("\r\n");

bool IsEmptyNumber(const QString& v)
{
    return v.isEmpty() || v == QLatin1String("-") || v == QLatin1String("--")
           || v.compare(QLatin1String("N/A"), Qt::CaseInsensitive) == 0;
}

QString BetweenBrackets(const QString& v)
{
    const qsizetype open = v.indexOf(QLatin1Char('('));
    const qsizetype close = v.indexOf(QLatin1Char(')'), open + 1);
    return close < 0 ? v.mid(open + 1) : v.mid(open + 1, close - open - 1);
}

int ToInteger(const QString& x)
{
    bool ok = false;
    const int n = x.trimmed().toInt(&ok);
    if (!ok)
        throw Exception(QLatin1Char('\'') + x + QStringLiteral("' is not a valid integer value"));
    return n;
}

// The user's notation first; the database form of the number parser ('.')
// is accepted too, since that is what it produces on every locale.
double ToFloat(const QString& x)
{
    const QString t = x.trimmed();
    bool ok = false;
    if (IsLocaleFloat(t)) {
        QString c = t;
        c.replace(TUserLocale::DecimalSeparator(), QLatin1Char('.'));
        const double d = TextToDouble(c, &ok);
        if (ok)
            return d;
    }
    if (IsDotDecimalNumber(t)) {
        const double d = TextToDouble(t, &ok);
        if (ok)
            return d;
    }
    throw Exception(QLatin1Char('\'') + x + QStringLiteral("' is not a valid floating point value"));
}

bool IsIntegerKind(TFieldType t)
{
    return t == ftSmallint || t == ftInteger || t == ftWord || t == ftAutoInc;
}

bool IsFloatKind(TFieldType t)
{
    return t == ftFloat || t == ftCurrency || t == ftBCD || t == ftLargeint;
}
}  // namespace

TOneByOneExecutor::TOneByOneExecutor() = default;
TOneByOneExecutor::~TOneByOneExecutor() = default;

void TOneByOneExecutor::SetDataSet(TUniQuery* query)
{
    FQuery = query;
    FDBHelper = CreateDBObject<TDBHelper>(NormalizeDBType(query->Connection()->ProviderName()), DBRoles::DBHelper);
}

void TOneByOneExecutor::Prepare()
{
    TUniConnection* connection = FQuery->Connection();
    FDateText.clear();
    FProviderName = connection->ProviderName().toLower();
    FInterval = FDBHelper->CommitInterval();
    FUseUnicode = connection->UseUnicode();

    // A run that ended in an error may have left its transaction open.
    if (FDBHelper->UsesTransactions() && connection->TransactionCount() == 1 && connection->InTransaction())
        connection->Rollback();
    if (FQuery->Prepared())
        FQuery->UnPrepare();

    FQuery->SetAutoPrepare(false);
    FQuery->SetSQL(FSqlCreator->GetWriteSql());
    try {
        if (!FSqlCreator->HasLobColumns())
            FQuery->Prepare();
        if (FDBHelper->UsesTransactions())
            connection->StartTransaction();
        const int count = FFieldNames->Count();
        FParams.assign(count, nullptr);
        FFieldTypes.assign(count, ftUnknown);
        for (int c = 0; c < count; ++c) {
            FParams[c] = &FQuery->ParamByName(FSqlCreator->GetParamName(c));
            FFieldTypes[c] = FSqlCreator->GetFieldType(c);
        }
    } catch (const Exception& e) {
        throw Exception(FQuery->SQL() + CRLF + e.Message());
    }
}

void TOneByOneExecutor::SetValue(int row, int column, const QString& value)
{
    // The date text only ever reaches the log for the first rows.
    FKeepDateText = row <= MaxLoggedDateRow;
    try {
        BindValue(column, value);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("TOneByOneExecutor.SetValue ") + (*FFieldNames)[column] + CRLF + e.Message());
    }
}

void TOneByOneExecutor::BindNumber(TUniParam& param, int column, TFieldType type, const QString& value, bool integral)
{
    QString v = value.trimmed();
    if (IsEmptyNumber(v)) {
        param.SetNull(type);
        return;
    }
    if (v.contains(QLatin1Char('(')))
        v = BetweenBrackets(v);
    const QString x = FSqlCreator->ParseNumber(column, v, QStringLiteral("DB"));
    if (integral) {
        // Longer texts may not fit 32 bits; the engine converts them itself.
        if (x.size() > 9)
            param.SetAsString(x);
        else
            param.SetAsInteger(ToInteger(x));
        return;
    }
    if (type == ftLargeint) {
        // A double would silently round integers above 2^53.
        bool ok = false;
        const qint64 n = x.trimmed().toLongLong(&ok);
        if (ok) {
            param.SetAsLargeInt(n);
            return;
        }
    }
    param.SetAsFloat(ToFloat(x));
}

void TOneByOneExecutor::BindValue(int column, const QString& value)
{
    TUniParam& param = *FParams[column];
    const TFieldType type = FFieldTypes[column];
    param.Clear();
    if (value == QLatin1String("null") || value == QLatin1String("(null)") || FSqlCreator->IsNullValueAt(column, value)) {
        param.SetNull(type);
        if (IsLobType(type))
            param.SetParamType(ptInput);
        return;
    }
    if (IsTextLobType(type)) {
        if (FUseUnicode)
            param.SetAsWideMemo(value);
        else
            param.SetAsMemo(value);
        if (type != ftOraClob)
            param.SetDataType(type);
        param.SetParamType(ptInput);
    } else if (type == ftVarBytes) {
        param.SetAsString(value);
    } else if (IsBinaryLobType(type)) {
        // The system's ANSI code page is UTF-8 here.
        param.SetAsBytes(value.toUtf8(), type);
        param.SetParamType(ptInput);
    } else if (IsIntegerKind(type)) {
        BindNumber(param, column, type, value, true);
    } else if (IsFloatKind(type)) {
        BindNumber(param, column, type, value, false);
    } else if (type == ftBoolean) {
        if (value.isEmpty() || value.compare(QLatin1String("N/A"), Qt::CaseInsensitive) == 0) {
            param.SetNull(type);
            return;
        }
        param.SetAsBoolean(StrToBoolDef(value, false));
    } else if (IsDateTimeType(type)) {
        const QString v = value.trimmed();
        if (FKeepDateText)
            FDateText += (*FFieldNames)[column] + QStringLiteral("=>\"") + v + QStringLiteral("\"    ");
        if (TSqlCreator::IsNullDate(v))
            param.SetNull(type);
        else
            param.SetAsString(FSqlCreator->FormatDateAt(column, v));
    } else if (FUseUnicode) {
        param.SetAsWideString(value);
    } else {
        param.SetAsString(value);
    }
}

void TOneByOneExecutor::PostRow(int row)
{
    FCurrentRow = row;
    TUniConnection* connection = FQuery->Connection();
    QString failure;
    try {
        FQuery->Execute();
    } catch (const Exception& e) {
        failure = FQuery->SQL() + CRLF + e.Message();
        if (row <= MaxLoggedDateRow && !FDateText.isEmpty())
            TLog::Global().Error(QStringLiteral("In TUniDBWriter.Write, All Date: ") + FDateText);
    }
    FDateText.clear();
    // A rejected row still counts towards the interval, so the commits fall on
    // the same source rows whatever fails in between.
    if (FDBHelper->UsesTransactions() && (row + 1) % FInterval == 0) {
        connection->Commit();
        connection->StartTransaction();
    }
    if (!failure.isEmpty())
        throw Exception(failure);
}

void TOneByOneExecutor::Finish()
{
    TUniConnection* connection = FQuery->Connection();
    if (FDBHelper->UsesTransactions() && connection->InTransaction())
        connection->Commit();
    if (!FSqlCreator->HasLobColumns())
        FQuery->UnPrepare();
    FDateText.clear();
}
