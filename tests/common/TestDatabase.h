#pragma once
// Reading an engine database back in tests; for test programs that link dac.

#include "UUniConnection.h"
#include "UUniQuery.h"

#include <QStringList>

// Each row of the query's result, its values joined by "|", NULL shown as "<null>".
inline QStringList QueryRows(TUniConnection& connection, const QString& sql)
{
    TUniQuery query(&connection);
    query.SetSQL(sql);
    query.Open();
    QStringList rows;
    while (!query.Eof()) {
        QStringList values;
        for (int i = 0; i < query.FieldCount(); ++i)
            values.append(query.Fields(i).IsNull() ? QStringLiteral("<null>") : query.Fields(i).AsString());
        rows.append(values.join(QLatin1Char('|')));
        query.Next();
    }
    return rows;
}
