#pragma once
// The SQL executor of a connection of the data-access layer. The statements
// run one by one; the first failing statement ends the script with its error,
// and the statements before it stay done.

#include "USqlExecutor.h"

#include <memory>

class TUniConnection;
class TUniScript;

class TUniSqlExecutor : public TSqlExecutor {
public:
    explicit TUniSqlExecutor(TUniConnection* connection);  // not owned
    ~TUniSqlExecutor() override;

    bool ExecSql(const QString& sql) override;
    TUniConnection* Connection() const { return FConnection; }

private:
    std::unique_ptr<TUniScript> FScript;
    TUniConnection* FConnection;
    bool FSuccess = true;
};
