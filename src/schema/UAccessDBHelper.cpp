#include "UAccessDBHelper.h"

QString TAccessDBHelper::QuoteName(const QString& name) const
{
    if (name.contains(QLatin1Char('[')))
        return name;
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString TAccessDBHelper::LimitRows(const QString& sql, int count) const
{
    const QString select = QStringLiteral("select");
    const int pos = sql.indexOf(select);
    const QString rest = pos < 0 ? QString() : sql.mid(pos + select.size());
    return QStringLiteral("select top ") + QString::number(count) + rest;
}
