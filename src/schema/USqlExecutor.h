#pragma once
// Runs free SQL (scripts of one or more statements) on a database.

#include <QString>

class TSqlExecutor {
public:
    virtual ~TSqlExecutor() = default;
    // True when the whole text ran; an error of a statement is raised.
    virtual bool ExecSql(const QString& sql) = 0;
};
