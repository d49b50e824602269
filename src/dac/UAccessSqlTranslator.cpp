#include "UAccessSqlTranslator.h"

#include "UAccessDateText.h"
#include "UAccessValue.h"
#include "UException.h"

#include <QHash>
#include <QSet>
#include <optional>

namespace {

const QString KInvalidStatement = QStringLiteral(
    "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'.");

int IndexOfName(const QStringList& names, const QString& name)
{
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool IsWordStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

// Reads a quoted run that ends at close, where a doubled close stands for itself.
qsizetype ReadQuoted(const QString& s, qsizetype start, QChar close, bool doubling, QString& content, bool& closed)
{
    qsizetype i = start + 1;
    content.clear();
    closed = false;
    while (i < s.size()) {
        if (s[i] == close) {
            if (doubling && i + 1 < s.size() && s[i + 1] == close) {
                content += close;
                i += 2;
                continue;
            }
            closed = true;
            return i + 1;
        }
        content += s[i++];
    }
    return i;
}

}  // namespace

std::vector<TAccessToken> TokenizeAccessSql(const QString& s, bool tolerant)
{
    std::vector<TAccessToken> tokens;
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto add = [&](TAccessToken::TKind kind, qsizetype start, qsizetype end, QString value = QString()) {
        tokens.push_back({kind, s.mid(start, end - start), std::move(value)});
    };
    while (i < n) {
        const QChar c = s[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            while (i < n && s[i].isSpace())
                ++i;
            add(TAccessToken::Space, start, i);
        } else if (c == QLatin1Char('-') && i + 1 < n && s[i + 1] == QLatin1Char('-')) {
            while (i < n && s[i] != QLatin1Char('\n'))
                ++i;
            add(TAccessToken::Comment, start, i);
        } else if (c == QLatin1Char('/') && i + 1 < n && s[i + 1] == QLatin1Char('*')) {
            const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            add(TAccessToken::Comment, start, i);
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString content;
            bool closed = false;
            i = ReadQuoted(s, i, c, true, content, closed);
            if (!closed && !tolerant)
                throw Exception(QStringLiteral("Syntax error in string in query expression '%1'.").arg(s.mid(start)));
            add(TAccessToken::String, start, i, content);
        } else if (c == QLatin1Char('[') || c == QLatin1Char('`')) {
            QString content;
            bool closed = false;
            i = ReadQuoted(s, i, c == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('`'), false, content, closed);
            if (!closed && !tolerant)
                throw Exception(QStringLiteral("Invalid bracketing of name '%1'.").arg(s.mid(start)));
            add(TAccessToken::Name, start, i, content);
        } else if (c == QLatin1Char('#')) {
            QString content;
            bool closed = false;
            i = ReadQuoted(s, i, QLatin1Char('#'), false, content, closed);
            if (!closed && !tolerant)
                throw Exception(QStringLiteral("Syntax error in date in query expression '%1'.").arg(s.mid(start)));
            add(TAccessToken::Date, start, i, content);
        } else if (c == QLatin1Char(':') && i + 1 < n && IsWordChar(s[i + 1])) {
            ++i;
            while (i < n && IsWordChar(s[i]))
                ++i;
            add(TAccessToken::Param, start, i, s.mid(start + 1, i - start - 1));
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s[i + 1].isDigit())) {
            while (i < n && s[i].isDigit())
                ++i;
            if (i < n && s[i] == QLatin1Char('.')) {
                ++i;
                while (i < n && s[i].isDigit())
                    ++i;
            }
            if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
                qsizetype j = i + 1;
                if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
                    ++j;
                if (j < n && s[j].isDigit()) {
                    i = j;
                    while (i < n && s[i].isDigit())
                        ++i;
                }
            }
            add(TAccessToken::Number, start, i);
        } else if (IsWordStart(c)) {
            while (i < n && IsWordChar(s[i]))
                ++i;
            add(TAccessToken::Word, start, i);
        } else {
            static const char* KPairs[] = {"<>", "<=", ">=", "!=", "==", "||"};
            qsizetype len = 1;
            for (const char* p : KPairs)
                if (s.mid(i, 2) == QLatin1String(p))
                    len = 2;
            i += len;
            add(TAccessToken::Symbol, start, i);
        }
    }
    return tokens;
}

QStringList TAccessSqlTranslator::ParamNames(const QString& sql)
{
    QStringList names;
    for (const auto& t : TokenizeAccessSql(sql, true))
        if (t.Kind == TAccessToken::Param && !names.contains(t.Value, Qt::CaseInsensitive))
            names.append(t.Value);
    return names;
}

namespace {

// One translation in progress: the tokens, their output texts, and the
// positions of the significant tokens (no blanks, no comments).
class TTranslation {
public:
    TTranslation(const QString& sql, TAccessSchemaSource* schema)
        : FTokens(TokenizeAccessSql(sql)), FSchema(schema)
    {
        FOut.resize(FTokens.size());
        for (size_t i = 0; i < FTokens.size(); ++i) {
            if (FTokens[i].Kind != TAccessToken::Space && FTokens[i].Kind != TAccessToken::Comment)
                FSig.push_back(static_cast<int>(i));
        }
        // Trailing semicolons end the statement.
        while (!FSig.empty() && IsSymbol(static_cast<int>(FSig.size()) - 1, ";")) {
            FRemoved.insert(FSig.back());
            FSig.pop_back();
        }
        // Parameters are numbered in the order of their first appearance.
        for (const auto& t : FTokens) {
            if (t.Kind == TAccessToken::Param && !FParamNames.contains(t.Value, Qt::CaseInsensitive)) {
                FParamNames.append(t.Value);
                FTargets.emplace_back();
            }
        }
    }

    TAccessTranslation Run();

private:
    // Significant token k.
    const TAccessToken& Tok(int k) const { return FTokens[FSig[k]]; }
    int SigCount() const { return static_cast<int>(FSig.size()); }
    bool IsWord(int k, const char* word) const
    {
        return k >= 0 && k < SigCount() && Tok(k).Kind == TAccessToken::Word
               && Tok(k).Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool IsSymbol(int k, const char* symbol) const
    {
        return k >= 0 && k < SigCount() && Tok(k).Kind == TAccessToken::Symbol && Tok(k).Text == QLatin1String(symbol);
    }
    bool IsIdentifier(int k) const
    {
        return k >= 0 && k < SigCount() && (Tok(k).Kind == TAccessToken::Name || Tok(k).Kind == TAccessToken::Word);
    }
    QString IdentifierOf(int k) const { return Tok(k).Kind == TAccessToken::Name ? Tok(k).Value : Tok(k).Text; }
    void Replace(int k, const QString& text) { FOut[FSig[k]] = text; FReplaced.insert(FSig[k]); }
    // Takes the blank after the token along.
    void Remove(int k)
    {
        FRemoved.insert(FSig[k]);
        const size_t next = static_cast<size_t>(FSig[k]) + 1;
        if (next < FTokens.size() && FTokens[next].Kind == TAccessToken::Space)
            FRemoved.insert(static_cast<int>(next));
    }
    // The significant index of the ")" that closes the "(" at k, or -1.
    int Closing(int k) const;
    // Items between open+1 and close-1, split at commas of depth 0: [first, last] pairs.
    std::vector<std::pair<int, int>> Items(int open, int close) const;

    // The rest of a type written over several tokens: taken with the blanks before them.
    void RemoveTypeToken(int k)
    {
        FRemoved.insert(FSig[k]);
        for (int i = FSig[k] - 1; i > FSig[k - 1]; --i)
            FRemoved.insert(i);
    }
    QString DefaultText(const TAccessToken& t);
    void TranslateTop();
    void TranslateLike();
    void TranslateCreateTable();
    QString ColumnDefinition(int first, int last, QStringList& pkColumns, bool& isCounter,
                             QString& columnName, int& typeFirst, int& typeLast, TAccessColumnType& type);
    void TranslateAddColumn(int at);
    void TranslateCreateIndex();
    void TranslateDropIndex();
    void Target(const QString& table, int k, const QString& column);
    void TargetInsert(int tableAt);
    void TargetSetList(int tableAt);
    void TargetComparisons(const QString& table);
    const TAccessTableInfo* FindTable(const QString& name) const { return FSchema ? FSchema->FindTable(name) : nullptr; }
    std::optional<QVariant> LiteralValue(int k, int& used) const;
    QString Assemble();

    std::vector<TAccessToken> FTokens;
    TAccessSchemaSource* FSchema;
    std::vector<QString> FOut;
    QSet<int> FReplaced;
    QSet<int> FRemoved;
    QHash<int, QString> FAppend;  // text after token i
    std::vector<int> FSig;
    QStringList FParamNames;
    std::vector<TAccessParamTarget> FTargets;
    QStringList FExtraStatements;
    TAccessTranslation FResult;
};

int TTranslation::Closing(int k) const
{
    int depth = 0;
    for (int i = k; i < SigCount(); ++i) {
        if (IsSymbol(i, "("))
            ++depth;
        else if (IsSymbol(i, ")") && --depth == 0)
            return i;
    }
    return -1;
}

std::vector<std::pair<int, int>> TTranslation::Items(int open, int close) const
{
    std::vector<std::pair<int, int>> items;
    int depth = 0;
    int first = open + 1;
    for (int i = open + 1; i < close; ++i) {
        if (IsSymbol(i, "("))
            ++depth;
        else if (IsSymbol(i, ")"))
            --depth;
        else if (depth == 0 && IsSymbol(i, ",")) {
            items.emplace_back(first, i - 1);
            first = i + 1;
        }
    }
    if (first <= close - 1)
        items.emplace_back(first, close - 1);
    return items;
}

QString TTranslation::DefaultText(const TAccessToken& t)
{
    switch (t.Kind) {
    case TAccessToken::Name:
        return SqliteQuote(t.Value);
    case TAccessToken::String:
        return AccessValueLiteral(t.Value);
    case TAccessToken::Date: {
        QString stored;
        if (!TryParseAccessDateText(t.Value, stored))
            throw Exception(QStringLiteral("Syntax error in date in query expression '%1'.").arg(t.Text));
        return AccessValueLiteral(stored);
    }
    case TAccessToken::Param:
        return QLatin1Char('?') + QString::number(IndexOfName(FParamNames, t.Value) + 1);
    case TAccessToken::Word:
        if (t.Text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("-1");
        if (t.Text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("0");
        return t.Text;
    case TAccessToken::Symbol:
        if (t.Text == QLatin1String("&"))
            return QStringLiteral("||");
        return t.Text;
    default:
        return t.Text;
    }
}

void TTranslation::TranslateTop()
{
    for (int k = 0; k < SigCount(); ++k) {
        if (!IsWord(k, "select"))
            continue;
        int t = k + 1;
        if (IsWord(t, "distinct") || IsWord(t, "distinctrow") || IsWord(t, "all"))
            ++t;
        if (IsWord(t, "distinctrow"))
            Replace(t, QStringLiteral("DISTINCT"));
        if (!IsWord(t, "top") || t + 1 >= SigCount() || Tok(t + 1).Kind != TAccessToken::Number)
            continue;
        const QString count = Tok(t + 1).Text;
        if (IsWord(t + 2, "percent"))
            throw Exception(QStringLiteral("TOP %1 PERCENT is not supported by this database engine.").arg(count));
        Remove(t);
        Remove(t + 1);
        // The select ends at the ")" that closes its parenthesis, or at the end.
        int depth = 0;
        int end = SigCount() - 1;
        for (int i = t + 2; i < SigCount(); ++i) {
            if (IsSymbol(i, "("))
                ++depth;
            else if (IsSymbol(i, ")") && --depth < 0) {
                end = i - 1;
                break;
            }
        }
        FAppend[FSig[end]] += QStringLiteral(" LIMIT ") + count;
    }
}

void TTranslation::TranslateLike()
{
    for (int k = 0; k + 1 < SigCount(); ++k) {
        if (IsWord(k, "like") && Tok(k + 1).Kind == TAccessToken::String) {
            QString pattern = Tok(k + 1).Value;
            pattern.replace(QLatin1Char('*'), QLatin1Char('%')).replace(QLatin1Char('?'), QLatin1Char('_'));
            Replace(k + 1, AccessValueLiteral(pattern));
        }
    }
}

bool IsColumnConstraintWord(const QString& w)
{
    static const QStringList KWords = {QStringLiteral("not"), QStringLiteral("null"), QStringLiteral("primary"),
                                       QStringLiteral("unique"), QStringLiteral("default"), QStringLiteral("constraint"),
                                       QStringLiteral("check"), QStringLiteral("references"), QStringLiteral("collate"),
                                       QStringLiteral("generated"), QStringLiteral("as")};
    return KWords.contains(w, Qt::CaseInsensitive);
}

QString TTranslation::ColumnDefinition(int first, int last, QStringList& pkColumns,
                                       bool& isCounter, QString& columnName, int& typeFirst, int& typeLast,
                                       TAccessColumnType& type)
{
    if (!IsIdentifier(first))
        throw Exception(QStringLiteral("Syntax error in field definition."));
    columnName = IdentifierOf(first);
    typeFirst = first + 1;
    typeLast = first;
    QString typeText;
    for (int k = first + 1; k <= last; ++k) {
        if (Tok(k).Kind == TAccessToken::Word && IsColumnConstraintWord(Tok(k).Text))
            break;
        typeText += (Tok(k).Kind == TAccessToken::Word && !typeText.isEmpty() && typeText.back().isLetterOrNumber()
                         ? QStringLiteral(" ")
                         : QString())
                    + Tok(k).Text;
        typeLast = k;
    }
    if (!TAccessColumnType::TryParse(typeText, type))
        throw Exception(QStringLiteral("Syntax error in field definition. Unknown type \"%1\" of field \"%2\".")
                            .arg(typeText, columnName));
    isCounter = type.Kind == TAccessKind::Counter;
    for (int k = typeLast + 1; k + 1 <= last; ++k)
        if (IsWord(k, "primary") && IsWord(k + 1, "key"))
            pkColumns.append(columnName);
    return columnName;
}

void TTranslation::TranslateCreateTable()
{
    FResult.Kind = TAccessStatementKind::CreateTable;
    FResult.ChangesSchema = true;
    int k = 2;
    if (IsWord(k, "if") && IsWord(k + 1, "not") && IsWord(k + 2, "exists"))
        k += 3;
    if (!IsIdentifier(k) || !IsSymbol(k + 1, "("))
        return;  // create table ... as select: left to the engine
    const QString table = IdentifierOf(k);
    const int open = k + 1;
    const int close = Closing(open);
    if (close < 0)
        throw Exception(QStringLiteral("Syntax error in CREATE TABLE statement."));

    struct TColumn {
        QString Name;
        int First, Last, TypeFirst, TypeLast;
        TAccessColumnType Type;
        bool Counter;
    };
    std::vector<TColumn> columns;
    QStringList pkColumns;
    int pkItemFirst = -1, pkItemLast = -1;
    QString pkName;
    for (const auto& [first, last] : Items(open, close)) {
        if (IsWord(first, "constraint") || IsWord(first, "primary") || IsWord(first, "unique")
            || IsWord(first, "foreign") || IsWord(first, "check")) {
            int p = first;
            QString name;
            if (IsWord(p, "constraint") && IsIdentifier(p + 1)) {
                name = IdentifierOf(p + 1);
                p += 2;
            }
            if (IsWord(p, "primary") && IsWord(p + 1, "key") && IsSymbol(p + 2, "(")) {
                const int c = Closing(p + 2);
                for (const auto& [a, b] : Items(p + 2, c))
                    if (a == b && IsIdentifier(a))
                        pkColumns.append(IdentifierOf(a));
                pkItemFirst = first;
                pkItemLast = last;
                pkName = name;
            }
            continue;
        }
        TColumn col;
        bool counter = false;
        col.First = first;
        col.Last = last;
        ColumnDefinition(first, last, pkColumns, counter, col.Name, col.TypeFirst, col.TypeLast, col.Type);
        col.Counter = counter;
        columns.push_back(col);
    }

    int counters = 0;
    for (const auto& c : columns)
        counters += c.Counter ? 1 : 0;
    for (const auto& c : columns) {
        for (int t = c.TypeFirst + 1; t <= c.TypeLast; ++t)
            RemoveTypeToken(t);
        const bool keyCounter = c.Counter && counters == 1
                                && (pkColumns.isEmpty()
                                    || (pkColumns.size() == 1 && pkColumns[0].compare(c.Name, Qt::CaseInsensitive) == 0));
        if (keyCounter) {
            // The autoincrement key of SQLite numbers rows from 1 and never reuses a number.
            QString text = QStringLiteral("INTEGER");
            bool inlineKey = false;
            for (int t = c.TypeLast + 1; t < c.Last; ++t)
                inlineKey = inlineKey || (IsWord(t, "primary") && IsWord(t + 1, "key"));
            if (!inlineKey) {
                if (!pkName.isEmpty())
                    text += QStringLiteral(" CONSTRAINT ") + SqliteQuote(pkName);
                text += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
            }
            Replace(c.TypeFirst, text);
            if (inlineKey) {
                for (int t = c.TypeLast + 1; t < c.Last; ++t)
                    if (IsWord(t, "primary") && IsWord(t + 1, "key"))
                        FAppend[FSig[t + 1]] += QStringLiteral(" AUTOINCREMENT");
            }
            if (pkItemFirst >= 0) {
                for (int t = pkItemFirst; t <= pkItemLast; ++t)
                    Remove(t);
                if (IsSymbol(pkItemFirst - 1, ","))
                    Remove(pkItemFirst - 1);
                else if (IsSymbol(pkItemLast + 1, ","))
                    Remove(pkItemLast + 1);
            }
            continue;
        }
        Replace(c.TypeFirst, c.Type.Kind == TAccessKind::Counter ? QStringLiteral("COUNTER") : c.Type.DeclaredType());
        // SQLite lets a key column hold NULL; Access does not.
        bool notNull = false;
        for (int t = c.TypeLast + 1; t < c.Last; ++t)
            notNull = notNull || (IsWord(t, "not") && IsWord(t + 1, "null"));
        if (!notNull && pkColumns.contains(c.Name, Qt::CaseInsensitive))
            FAppend[FSig[c.Last]] += QStringLiteral(" NOT NULL");
        FAppend[FSig[c.Last]] += c.Type.CheckClauses(c.Name);
        if (c.Counter) {
            // A counter beside another key: numbered after the insert.
            const QString t = SqliteQuote(table), col = SqliteQuote(c.Name);
            FExtraStatements.append(
                QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2 FOR EACH ROW WHEN NEW.%3 IS NULL BEGIN "
                               "UPDATE %2 SET %3=(SELECT ifnull(max(%3),0)+1 FROM %2) WHERE rowid=NEW.rowid; END")
                    .arg(SqliteQuote(table + QStringLiteral("$counter$") + c.Name), t, col));
        }
    }
}

void TTranslation::TranslateAddColumn(int at)
{
    FResult.Kind = TAccessStatementKind::Ddl;
    FResult.ChangesSchema = true;
    QStringList pk;
    bool counter = false;
    QString name;
    int typeFirst = 0, typeLast = 0;
    TAccessColumnType type;
    ColumnDefinition(at, SigCount() - 1, pk, counter, name, typeFirst, typeLast, type);
    for (int t = typeFirst + 1; t <= typeLast; ++t)
        RemoveTypeToken(t);
    Replace(typeFirst, counter ? QStringLiteral("COUNTER") : type.DeclaredType());
    FAppend[FSig[SigCount() - 1]] += type.CheckClauses(name);
}

void TTranslation::TranslateCreateIndex()
{
    FResult.Kind = TAccessStatementKind::Ddl;
    FResult.ChangesSchema = true;
    // Options after the column list: "with primary", "with disallow null", "with ignore null".
    for (int k = 0; k < SigCount(); ++k) {
        if (IsWord(k, "with") && k > 0 && IsSymbol(k - 1, ")")) {
            for (int t = k; t < SigCount(); ++t)
                Remove(t);
            break;
        }
    }
}

void TTranslation::TranslateDropIndex()
{
    FResult.Kind = TAccessStatementKind::Ddl;
    FResult.ChangesSchema = true;
    // drop index i on t: SQLite index names are unique in the file.
    if (IsWord(3, "on"))
        for (int t = 3; t < SigCount(); ++t)
            Remove(t);
}

std::optional<QVariant> TTranslation::LiteralValue(int k, int& used) const
{
    used = 1;
    if (k < 0 || k >= SigCount())
        return std::nullopt;
    const TAccessToken& t = Tok(k);
    int sign = 1;
    const TAccessToken* number = nullptr;
    if (t.Kind == TAccessToken::Symbol && (t.Text == QLatin1String("-") || t.Text == QLatin1String("+"))
        && k + 1 < SigCount() && Tok(k + 1).Kind == TAccessToken::Number) {
        sign = t.Text == QLatin1String("-") ? -1 : 1;
        number = &Tok(k + 1);
        used = 2;
    } else if (t.Kind == TAccessToken::Number) {
        number = &t;
    }
    if (number) {
        bool ok = false;
        const qint64 n = number->Text.toLongLong(&ok);
        if (ok)
            return QVariant(sign * n);
        return QVariant(sign * number->Text.toDouble());
    }
    if (t.Kind == TAccessToken::String)
        return QVariant(t.Value);
    if (t.Kind == TAccessToken::Date) {
        QString stored;
        if (!TryParseAccessDateText(t.Value, stored))
            return std::nullopt;
        return QVariant(stored);
    }
    if (IsWord(k, "true"))
        return QVariant(true);
    if (IsWord(k, "false"))
        return QVariant(false);
    return std::nullopt;
}

// Converts the parameter or literal at k for column of table.
void TTranslation::Target(const QString& table, int k, const QString& column)
{
    const TAccessTableInfo* info = FindTable(table);
    const TAccessColumnInfo* col = info ? info->FindColumn(column) : nullptr;
    if (!col)
        return;
    if (Tok(k).Kind == TAccessToken::Param) {
        const int index = static_cast<int>(IndexOfName(FParamNames, Tok(k).Value));
        if (index >= 0 && !FTargets[index].Known) {
            FTargets[index].Known = true;
            FTargets[index].Column = col->Name;
            FTargets[index].Type = col->Type;
        }
        return;
    }
    int used = 1;
    const auto value = LiteralValue(k, used);
    if (!value)
        return;
    const QVariant converted = ConvertAccessValue(*value, col->Type, col->Name);
    if (used == 2)
        Remove(k);
    Replace(k + used - 1, AccessValueLiteral(converted));
}

void TTranslation::TargetInsert(int tableAt)
{
    const QString table = IdentifierOf(tableAt);
    QStringList columns;
    int k = tableAt + 1;
    if (IsSymbol(k, "(")) {
        const int close = Closing(k);
        if (close < 0)
            return;
        for (const auto& [a, b] : Items(k, close))
            columns.append(a == b && IsIdentifier(a) ? IdentifierOf(a) : QString());
        k = close + 1;
    } else if (const TAccessTableInfo* info = FindTable(table)) {
        for (const auto& c : info->Columns)
            columns.append(c.Name);
    }
    if (!IsWord(k, "values"))
        return;
    ++k;
    while (IsSymbol(k, "(")) {
        const int close = Closing(k);
        if (close < 0)
            return;
        const auto items = Items(k, close);
        for (size_t i = 0; i < items.size() && i < static_cast<size_t>(columns.size()); ++i) {
            const auto [a, b] = items[i];
            int used = 1;
            const bool single = (a == b && Tok(a).Kind == TAccessToken::Param) || (LiteralValue(a, used) && a + used - 1 == b);
            if (single && !columns[static_cast<int>(i)].isEmpty())
                Target(table, a, columns[static_cast<int>(i)]);
        }
        k = close + 1;
        if (!IsSymbol(k, ","))
            break;
        ++k;
    }
}

void TTranslation::TargetSetList(int tableAt)
{
    const QString table = IdentifierOf(tableAt);
    int k = tableAt + 1;
    if (!IsWord(k, "set"))
        return;
    int end = k + 1;
    while (end < SigCount() && !IsWord(end, "where"))
        ++end;
    int depth = 0, first = k + 1;
    for (int i = k + 1; i <= end; ++i) {
        const bool atEnd = i == end;
        if (!atEnd && IsSymbol(i, "("))
            ++depth;
        else if (!atEnd && IsSymbol(i, ")"))
            --depth;
        if (atEnd || (depth == 0 && IsSymbol(i, ","))) {
            // item first .. i-1: column = value
            int used = 1;
            if (IsIdentifier(first) && IsSymbol(first + 1, "=")) {
                const int v = first + 2;
                const bool single = (v == i - 1 && v < SigCount() && Tok(v).Kind == TAccessToken::Param)
                                    || (LiteralValue(v, used) && v + used - 1 == i - 1);
                if (single)
                    Target(table, v, IdentifierOf(first));
            }
            first = i + 1;
        }
    }
}

void TTranslation::TargetComparisons(const QString& table)
{
    static const QStringList KOps = {QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"),
                                     QStringLiteral(">"), QStringLiteral("<="), QStringLiteral(">="),
                                     QStringLiteral("!=")};
    const TAccessTableInfo* info = FindTable(table);
    if (!info)
        return;
    // Only a bare column compared with a bare value: "a + b = 5" or "d = 5 + x" stay as written.
    auto arithmetic = [&](int k) {
        return IsSymbol(k, "+") || IsSymbol(k, "-") || IsSymbol(k, "*") || IsSymbol(k, "/") || IsSymbol(k, "||")
               || IsSymbol(k, "&") || IsSymbol(k, ".");
    };
    auto columnAt = [&](int k, int outward) -> const TAccessColumnInfo* {
        if (!IsIdentifier(k))
            return nullptr;
        // A qualified name t.c counts as its column; look past the qualifier.
        int beyond = k + outward;
        if (outward < 0 && IsSymbol(beyond, ".") && IsIdentifier(beyond - 1))
            beyond -= 2;
        // After a name, "(" makes it a function.
        if (arithmetic(beyond) || (outward > 0 && IsSymbol(beyond, "(")))
            return nullptr;
        return info->FindColumn(IdentifierOf(k));
    };
    // Comparisons inside a subquery belong to another table.
    std::vector<bool> subquery;
    int inSubquery = 0;
    for (int k = 1; k + 1 < SigCount(); ++k) {
        if (IsSymbol(k, "(")) {
            subquery.push_back(IsWord(k + 1, "select"));
            inSubquery += subquery.back() ? 1 : 0;
            continue;
        }
        if (IsSymbol(k, ")") && !subquery.empty()) {
            inSubquery -= subquery.back() ? 1 : 0;
            subquery.pop_back();
            continue;
        }
        if (inSubquery > 0 || Tok(k).Kind != TAccessToken::Symbol || !KOps.contains(Tok(k).Text))
            continue;
        int used = 1;
        // column op value
        if (const TAccessColumnInfo* c = columnAt(k - 1, -1)) {
            const int v = k + 1;
            const bool value = Tok(v).Kind == TAccessToken::Param || LiteralValue(v, used).has_value();
            if (value && !arithmetic(v + used)) {
                Target(table, v, c->Name);
                continue;
            }
        }
        // value op column
        if (const TAccessColumnInfo* c = columnAt(k + 1, +1)) {
            const int v = k - 1;
            const bool value = Tok(v).Kind == TAccessToken::Param || (LiteralValue(v, used).has_value() && used == 1);
            if (value && !arithmetic(v - 1))
                Target(table, v, c->Name);
        }
    }
}

QString TTranslation::Assemble()
{
    QString out;
    for (size_t i = 0; i < FTokens.size(); ++i) {
        const int idx = static_cast<int>(i);
        if (!FRemoved.contains(idx))
            out += FReplaced.contains(idx) ? FOut[i] : DefaultText(FTokens[i]);
        if (FAppend.contains(idx))
            out += FAppend[idx];
    }
    return out.trimmed();
}

TAccessTranslation TTranslation::Run()
{
    if (SigCount() == 0)
        throw Exception(KInvalidStatement);
    const QString first = Tok(0).Text.toLower();
    if (first == QLatin1String("truncate"))
        throw Exception(KInvalidStatement);

    if (first == QLatin1String("create") && IsWord(1, "table")) {
        TranslateCreateTable();
    } else if (first == QLatin1String("create") && (IsWord(1, "index") || (IsWord(1, "unique") && IsWord(2, "index")))) {
        TranslateCreateIndex();
    } else if (first == QLatin1String("drop") && IsWord(1, "index")) {
        TranslateDropIndex();
    } else if (first == QLatin1String("alter") && IsWord(1, "table") && IsWord(3, "add")) {
        TranslateAddColumn(IsWord(4, "column") ? 5 : 4);
    } else if (first == QLatin1String("create") || first == QLatin1String("drop") || first == QLatin1String("alter")) {
        FResult.Kind = TAccessStatementKind::Ddl;
        FResult.ChangesSchema = true;
    } else if (first == QLatin1String("select") || first == QLatin1String("with") || first == QLatin1String("(")) {
        FResult.Kind = TAccessStatementKind::Select;
    }

    TranslateTop();
    TranslateLike();
    // Left( and Right( are functions in Access, join words in SQLite.
    for (int k = 0; k + 1 < SigCount(); ++k)
        if ((IsWord(k, "left") || IsWord(k, "right")) && IsSymbol(k + 1, "("))
            Replace(k, SqliteQuote(Tok(k).Text));

    if (first == QLatin1String("insert") && IsWord(1, "into") && IsIdentifier(2)) {
        FResult.Kind = TAccessStatementKind::Insert;
        TargetInsert(2);
    } else if (first == QLatin1String("update") && IsIdentifier(1)) {
        FResult.Kind = TAccessStatementKind::Update;
        TargetSetList(1);
        TargetComparisons(IdentifierOf(1));
    } else if (first == QLatin1String("delete")) {
        FResult.Kind = TAccessStatementKind::Delete;
        int k = 1;
        if (IsSymbol(k, "*"))
            Remove(k++);  // Access writes "delete * from t"
        if (IsWord(k, "from") && IsIdentifier(k + 1))
            TargetComparisons(IdentifierOf(k + 1));
    } else if (FResult.Kind == TAccessStatementKind::Select) {
        int depth = 0;
        for (int k = 0; k < SigCount(); ++k) {
            if (IsSymbol(k, "("))
                ++depth;
            else if (IsSymbol(k, ")"))
                --depth;
            else if (depth == 0 && IsWord(k, "from") && IsIdentifier(k + 1)) {
                const bool single = !IsSymbol(k + 2, ",") && !IsWord(k + 2, "join") && !IsWord(k + 2, "inner")
                                    && !IsWord(k + 2, "left") && !IsWord(k + 2, "right") && !IsSymbol(k + 2, ".");
                if (single)
                    TargetComparisons(IdentifierOf(k + 1));
                break;
            }
        }
    }

    FResult.Statements.append(Assemble());
    FResult.Statements.append(FExtraStatements);
    FResult.ParamNames = FParamNames;
    FResult.Targets = FTargets;
    return FResult;
}

}  // namespace

TAccessTranslation TAccessSqlTranslator::Translate(const QString& sql)
{
    TTranslation t(sql, FSchema);
    return t.Run();
}
