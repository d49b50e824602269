#pragma once
// The Access dialect in SQLite terms. Works on tokens, so that nothing inside
// a string literal, a [name] or a comment is ever rewritten:
//   [name] -> "name"; "text" -> 'text'; #date# -> 'yyyy-mm-dd hh:nn:ss';
//   :name -> ?N (one number per distinct name); & -> ||; True/False -> -1/0;
//   select [distinct] top n ... -> select ... LIMIT n; LIKE patterns with * and ?;
//   create table: Access column types become the engine's declared types with
//   their CHECK constraints, a Counter becomes the autoincrement key;
//   create index ... with primary/disallow null/ignore null: the options are dropped;
//   drop index i on t -> drop index i; truncate table fails as in Access.
// Literals and parameters compared with or assigned to a column of the
// statement's table are converted for that column (UAccessValue).

#include "UAccessSchema.h"

#include <QString>
#include <QStringList>
#include <vector>

struct TAccessToken {
    enum TKind { Space, Comment, Word, Name, String, Number, Date, Param, Symbol };
    TKind Kind;
    QString Text;   // as written
    QString Value;  // Name: the bare name; String: the content; Param: the name
};

// tolerant: unterminated literals run to the end instead of raising.
std::vector<TAccessToken> TokenizeAccessSql(const QString& sql, bool tolerant = false);

enum class TAccessStatementKind { Select, Insert, Update, Delete, CreateTable, Ddl, Other };

struct TAccessParamTarget {
    bool Known = false;
    QString Column;
    TAccessColumnType Type;
};

struct TAccessTranslation {
    QStringList Statements;  // SQLite texts, run in order; only the first one takes parameters
    QStringList ParamNames;  // the names of ?1, ?2, ...
    std::vector<TAccessParamTarget> Targets;  // one per parameter
    TAccessStatementKind Kind = TAccessStatementKind::Other;
    bool ChangesSchema = false;
};

class TAccessSqlTranslator {
public:
    // schema may be nullptr: then no value is converted for its column.
    explicit TAccessSqlTranslator(TAccessSchemaSource* schema) : FSchema(schema) {}

    // Raises with the Access error text for statements the dialect refuses.
    TAccessTranslation Translate(const QString& sql);

    // The distinct parameter names of a statement in order of appearance.
    static QStringList ParamNames(const QString& sql);

private:
    TAccessSchemaSource* FSchema;
};
