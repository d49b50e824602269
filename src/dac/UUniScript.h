#pragma once
// A script: SQL text split into statements at semicolons outside quotes and
// comments, run one by one on a connection. "&name" outside quotes is a macro
// replaced by its value before the script runs. Lines that start with "DEFINE"
// are definitions of the calling window and are not run.

#include "UStringList.h"
#include "UException.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TUniConnection;
class TUniQuery;

// What happens after a failed statement: eaAbort stops silently, eaFail and
// eaException stop and raise the error, eaContinue goes on with the next statement.
enum TErrorAction { eaAbort, eaFail, eaException, eaContinue };

struct TUniMacro {
    QString Name;
    QString Value;
};

class TUniScript {
public:
    // The handler may change the action or raise an exception of its own.
    using TErrorHandler = std::function<void(const Exception& error, const QString& sql, TErrorAction& action)>;
    // After every statement that ran: its text, affected rows, whether it gave rows.
    using TAfterExecuteHandler = std::function<void(const QString& sql, int rowsAffected, bool hasRows)>;

    explicit TUniScript(TUniConnection* connection = nullptr);
    ~TUniScript();

    TUniConnection* Connection() const { return FConnection; }
    void SetConnection(TUniConnection* connection) { FConnection = connection; }  // not owned
    // A statement that returns rows is opened in this query when set (not owned).
    TUniQuery* DataSet() const { return FDataSet; }
    void SetDataSet(TUniQuery* query) { FDataSet = query; }

    const QString& SQL() const { return FSQL; }
    // Finds the macros of the text; values of macros that stay are kept.
    void SetSQL(const QString& sql);

    std::vector<TUniMacro>& Macros() { return FMacros; }
    TUniMacro* FindMacro(const QString& name);
    // Raises "Macro '<name>' not found" when absent.
    TUniMacro& MacroByName(const QString& name);

    void SetOnError(TErrorHandler handler) { FOnError = std::move(handler); }
    void SetAfterExecute(TAfterExecuteHandler handler) { FAfterExecute = std::move(handler); }

    // Runs the statements in order. Statements before a failing one stay done.
    void Execute();

    // The statements of a text, trimmed, without empty ones and DEFINE lines.
    static QStringList SplitStatements(const QString& text);
    // The macro names of a text in order of first appearance.
    static QStringList FindMacroNames(const QString& text);
    // The text with every macro replaced by its value (names without letter case).
    static QString ExpandMacros(const QString& text, const std::vector<TUniMacro>& macros);

private:
    TUniConnection* FConnection;
    TUniQuery* FDataSet = nullptr;
    QString FSQL;
    std::vector<TUniMacro> FMacros;
    TErrorHandler FOnError;
    TAfterExecuteHandler FAfterExecute;
};
