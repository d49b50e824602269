#pragma once
// A fresh engine database in a temporary folder, open on a connection.

#include "TestUtil.h"

#include "UAccessEngine.h"
#include "UException.h"
#include "UUniConnection.h"
#include "UUniQuery.h"

#include <gtest/gtest.h>

class AccessDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AccessEngine::CreateDatabaseFile(Path);
        Connection.SetProviderName(QStringLiteral("Access"));
        Connection.SetDatabase(Path);
        Connection.Open();
    }

    int Exec(const QString& sql) { return Connection.ExecSQL(sql); }

    // Every row of a select, values as text joined by "|".
    QStringList Rows(const QString& sql)
    {
        TUniQuery q(&Connection);
        q.SetSQL(sql);
        q.Open();
        QStringList rows;
        for (; !q.Eof(); q.Next()) {
            QStringList values;
            for (int i = 0; i < q.FieldCount(); ++i)
                values.append(q.Fields(i).IsNull() ? QStringLiteral("<null>") : q.Fields(i).AsString());
            rows.append(values.join(QLatin1Char('|')));
        }
        return rows;
    }

    QString Scalar(const QString& sql)
    {
        const QStringList r = Rows(sql);
        return r.isEmpty() ? QStringLiteral("<none>") : r.first();
    }

    TTestDir Dir;
    QString Path = Dir.File(QStringLiteral("data.accdb"));
    TUniConnection Connection;
};

// The message of the exception fn raises, "" when it raises none.
template <typename F>
QString ErrorOf(F&& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        return ExceptionMessage(e);
    }
    return QString();
}
