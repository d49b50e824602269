#pragma once
// A fresh Access database file per test, with the dictionary on its connection.

#include "TestDatabase.h"
#include "TestUtil.h"
#include "UAccessDBDictionary.h"
#include "UAccessEngine.h"
#include "UDBOutClasses.h"
#include "UException.h"
#include "UTableStruct.h"
#include "UUniConnection.h"
#include "UUniQuery.h"

#include <gtest/gtest.h>
#include <functional>

class TDBOutFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterDBOutClasses();
        const QString file = FDir.File(QStringLiteral("out.accdb"));
        AccessEngine::CreateDatabaseFile(file);
        FConnection.SetProviderName(QStringLiteral("Access"));
        FConnection.SetDatabase(file);
        FConnection.Open();
        FDictionary.SetConnection(&FConnection);
    }

    void Exec(const QString& sql) { FConnection.ExecSQL(sql); }

    // Each row's values joined by "|", NULL shown as "<null>".
    QStringList Rows(const QString& sql) { return QueryRows(FConnection, sql); }

    int Count(const QString& table)
    {
        return Rows(QStringLiteral("select count(*) from [") + table + QStringLiteral("]")).value(0).toInt();
    }

    // The destination structure as the destination options prepare it.
    void Bind(TDBTableStruct& ts, const QString& table, const QString& loadType = QStringLiteral("Append"),
              const QString& updateKey = QString())
    {
        ts.Clear();
        ts.SetSource(QStringLiteral("Access"), &FDictionary, &FConnection);
        ts.TableName = table;
        ts.LoadType = loadType;
        ts.UpdateKey = updateKey;
        ts.FillStruct();
    }


    TTestDir FDir;
    TUniConnection FConnection;
    TAccessDBDictionary FDictionary;
};
