#include "UTableCreator.h"

#include "UAppSettings.h"
#include "UDBHelper.h"
#include "UFieldInfo.h"
#include "USqlExecutor.h"
#include "UTableInfo.h"

#include <QRandomGenerator>

namespace {
const QString CRLF = QStringLiteral("\r\n");

bool IsMarked(const TStringList& flags, const QString& name)
{
    return StrToBoolDef(flags.Values(name), false);
}
}  // namespace

TTableCreator::TTableCreator() : FFieldInfo(std::make_unique<TFieldInfo>()) {}

TTableCreator::~TTableCreator() = default;

void TTableCreator::Initialize()
{
    FillFieldTypeList();
    FillNonKeyTypes();
    FQuoteChars = TStringList(QStringList{QStringLiteral("\""), QStringLiteral("["), QStringLiteral("]")});
    FRemovedChars = TStringList(QStringList{QStringLiteral("("), QStringLiteral(")"), QStringLiteral("'"),
                                            QStringLiteral("#"), QStringLiteral("$")});
    FReplacedChars = TStringList(QStringList{
        QStringLiteral(" "), QStringLiteral("\t"), QStringLiteral("|"), QStringLiteral("/"), QStringLiteral("."),
        QStringLiteral(","), QStringLiteral(";"), QStringLiteral(":"), QStringLiteral("-"), QStringLiteral("+"),
        QStringLiteral("<br/>"), QStringLiteral("<br>")});
    FWideChars = TStringList(QStringList{QString(QChar(0xFF08)), QString(QChar(0xFF09))});
    FDBHelper = CreateDBHelper();
    FPlainTextTypes.Clear();
    FPlainTextTypes.Add(FDefaultFieldType.toLower());
    FPlainTextTypes.Add(FDBHelper->LongTextTypeName().toLower());
    const QString userDefault = GetDefaultFieldType();
    if (!userDefault.isEmpty())
        FDefaultFieldType = userDefault;
}

QString TTableCreator::GetQualifiedTableName()
{
    return FDBHelper->QualifiedName(FTableInfo->Schema, FTableInfo->TableName);
}

QString TTableCreator::CleanName(const QString& name, int maxLength)
{
    QString s = name.trimmed();
    for (const QString& c : FQuoteChars)
        s.remove(c);
    for (const QString& c : FRemovedChars)
        s.remove(c);
    for (const QString& c : FReplacedChars)
        s.replace(c, QStringLiteral("_"));
    for (const QString& c : FWideChars)
        s.replace(c, QStringLiteral("_"));
    return AdjustName(s.left(maxLength));
}

QString TTableCreator::CleanTableName(const QString& name) { return CleanName(name, MaxTableNameLength()); }
QString TTableCreator::CleanFieldName(const QString& name) { return CleanName(name, MaxFieldNameLength()); }

QString TTableCreator::CheckName(const QString& name, int maxLength, const QString& what)
{
    if (name.size() > maxLength)
        return what + QStringLiteral(" length can not > ") + QString::number(maxLength) + QStringLiteral(".");
    QString found;
    for (const QString& c : FRemovedChars)
        if (name.contains(c))
            found += c + QLatin1Char(' ');
    for (const QString& c : FReplacedChars)
        if (name.contains(c))
            found += c + QLatin1Char(' ');
    if (found.isEmpty())
        return QString();
    return what + QStringLiteral(" can not contain char \" ") + found + QStringLiteral(" \".");
}

QString TTableCreator::CheckTableName(const QString& name)
{
    return CheckName(name, MaxTableNameLength(), QStringLiteral("Table Name"));
}

QString TTableCreator::CheckFieldName(const QString& name)
{
    return CheckName(name, MaxFieldNameLength(), QStringLiteral("Field Name"));
}

QString TTableCreator::CheckIndexName(const QString& name)
{
    return CheckName(name, MaxFieldNameLength(), QStringLiteral("Index Name"));
}

void TTableCreator::LoadFieldInfo(const QString& name)
{
    TTableInfo& info = *FTableInfo;
    FFieldInfo->Name = name;
    FFieldInfo->DataType = info.FieldTypes.Values(name);
    if (FFieldInfo->DataType.isEmpty())
        FFieldInfo->DataType = FDefaultFieldType;
    FFieldInfo->NotNull = IsMarked(info.NotNulls, name);
    FFieldInfo->PrimaryKey = IsMarked(info.PrimaryKeys, name);
    FFieldInfo->AutoIncrement = IsMarked(info.AutoIncrements, name);
    FFieldInfo->DefaultValue = info.DefaultValues.Values(name).trimmed();
}

void TTableCreator::BuildStatements()
{
    TTableInfo& info = *FTableInfo;
    const int maxName = MaxFieldNameLength();

    // Key columns and single-column unique indexes cannot hold NULL.
    for (const QString& name : info.FieldNames)
        if (IsMarked(info.PrimaryKeys, name))
            info.NotNulls.SetValue(name, BoolToStr(true));
    for (int i = 0; i < info.IndexColumns.Count(); ++i) {
        const QString indexName = info.IndexColumns.Names(i);
        const QString columns = info.IndexColumns.ValueFromIndex(i);
        if (info.IndexTypes.Values(indexName) == QLatin1String("UNIQUE") && !columns.contains(QLatin1Char(',')))
            info.NotNulls.SetValue(columns, BoolToStr(true));
    }

    FUniqueFieldNames.Clear();
    for (const QString& fieldName : info.FieldNames) {
        QString name = fieldName.left(maxName);
        if (FUniqueFieldNames.IndexOf(name) >= 0) {
            if (name.size() == maxName)
                name = name.left(maxName - 2);
            for (int n = 2;; ++n) {
                const QString candidate = name + QLatin1Char('_') + QString::number(n);
                if (FUniqueFieldNames.IndexOf(candidate) < 0) {
                    name = candidate;
                    break;
                }
            }
        }
        FUniqueFieldNames.Add(name);
    }

    const QString qualified = GetQualifiedTableName();
    QString sql = QStringLiteral("create table ") + qualified + QStringLiteral(" (") + CRLF;
    QString keys;
    for (const QString& name : FUniqueFieldNames) {
        LoadFieldInfo(name);
        sql += FDBHelper->QuoteName(name) + QLatin1Char(' ') + TranslateType(FFieldInfo->DataType);
        if (!FFieldInfo->DefaultValue.isEmpty())
            sql += DefaultClause();
        if (FFieldInfo->NotNull)
            sql += QStringLiteral(" not null ");
        if (FFieldInfo->AutoIncrement)
            sql += AutoIncrementClause();
        sql += QLatin1Char(',') + CRLF;
        if (FFieldInfo->PrimaryKey)
            keys += FDBHelper->QuoteName(name) + QLatin1Char(',');
    }

    if (!keys.isEmpty() && !sql.toUpper().contains(QLatin1String("PRIMARY KEY"))) {
        keys.chop(1);
        QString constraint = QStringLiteral("pk_") + info.TableName;
        constraint.remove(QLatin1Char(' '));
        constraint.replace(QLatin1Char('-'), QLatin1Char('_'));
        constraint = constraint.left(maxName);
        sql += QStringLiteral("CONSTRAINT ") + constraint + QStringLiteral(" PRIMARY KEY(") + keys + QLatin1Char(')');
    } else {
        sql = sql.trimmed();
        if (sql.endsWith(QLatin1Char(',')))
            sql.chop(1);
    }
    sql += CRLF + QLatin1Char(')') + TableOptions();
    FSQL = sql;

    FExtraStatements.Clear();
    TStringList usedNames;
    for (int i = 0; i < info.IndexColumns.Count(); ++i) {
        const QString indexName = info.IndexColumns.Names(i);
        const QStringList columns = info.IndexColumns.ValueFromIndex(i).split(QLatin1Char(','));
        bool onKey = false;
        for (const QString& column : columns)
            onKey = onKey || IsMarked(info.PrimaryKeys, column);
        if (onKey)
            continue;

        QString name = indexName;
        if (!KeepIndexNames() && !name.endsWith(info.TableName, Qt::CaseInsensitive))
            name += QLatin1Char('_') + info.TableName;
        name.remove(QLatin1Char(' '));
        name = name.left(maxName);
        name.replace(QLatin1Char('.'), QLatin1Char('_'));
        if (name.size() > 3)
            while (usedNames.IndexOf(name) >= 0)
                name = name.left(name.size() - 3) + QLatin1Char('_')
                       + QString::number(QRandomGenerator::global()->bounded(100));
        usedNames.Add(name);

        QStringList quoted;
        for (const QString& column : columns)
            quoted.append(FDBHelper->QuoteName(column));
        const bool unique = info.IndexTypes.Values(indexName) == QLatin1String("UNIQUE");
        FExtraStatements.Add(QStringLiteral("create ") + (unique ? QStringLiteral("unique ") : QString())
                             + QStringLiteral("index ") + name + QStringLiteral(" on ") + qualified
                             + QStringLiteral(" (") + quoted.join(QLatin1Char(',')) + QLatin1Char(')'));
    }
}

QString TTableCreator::GetStatementsText() const
{
    QString text = FSQL + CRLF;
    for (const QString& line : FExtraStatements)
        text += line + CRLF;
    return text;
}

bool TTableCreator::Execute()
{
    BuildStatements();
    BeforeExecute();
    const bool created = FExecutor->ExecSql(FSQL);
    if (created)
        for (const QString& line : FExtraStatements)
            FExecutor->ExecSql(line);
    AfterExecute();
    return created;
}
