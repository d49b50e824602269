#pragma once
// Runs free SQL text (one or more statements) on a database; true on success.
// The table creator and the database tools use it; errors are raised.

#include "UObject.h"

#include <QString>

class TSqlExecutor : public TObject {
    AMBERTIDE_CLASS(TSqlExecutor)
public:
    virtual bool ExecSql(const QString& sql) = 0;
};
