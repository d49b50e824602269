#include "UDBHelper.h"

#include "UException.h"

QString TDBHelper::EscapeText(const QString& text) const
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString TDBHelper::UpsertStatement(const QString&, const QStringList&, const QStringList&, const QString&) const
{
    throw Exception(QStringLiteral("Abstract Error"));
}

QString TDBHelper::ParameterExpression(const QString& name, const QString&) const
{
    return QLatin1Char(':') + name;
}

QString TDBHelper::LobParameterExpression(const QString& name, const QString&) const
{
    return QLatin1Char(':') + name;
}

bool TDBHelper::NeedsStringToDateFunction() const
{
    throw Exception(QStringLiteral("Abstract Error"));
}

QString TDBHelper::GetStringToDateFunction(const QString&, const QString&) const
{
    if (NeedsStringToDateFunction())
        throw Exception(QStringLiteral("Class: ") + ClassName() + QStringLiteral(" Should implement GetStringToDateFunction"));
    return QString();
}

QString TDBHelper::QualifiedName(const QString& schema, const QString& table) const
{
    const QString s = schema.trimmed();
    const QString quotedTable = QuoteName(table.trimmed());
    return s.isEmpty() ? quotedTable : QuoteName(s) + QLatin1Char('.') + quotedTable;
}

QString TDBHelper::QuoteNameList(const QStringList& names) const
{
    QStringList quoted;
    quoted.reserve(names.size());
    for (const QString& name : names)
        quoted.append(QuoteName(name));
    return quoted.join(QLatin1Char(','));
}
