#include "UUniScript.h"

#include "UAccessDatabase.h"
#include "UAccessSqlTranslator.h"
#include "UUniConnection.h"
#include "UUniParam.h"
#include "UUniQuery.h"

#include <QRegularExpression>

namespace {

// The text without its DEFINE lines (the calling window's own definitions).
QString WithoutDefines(const QString& text)
{
    static const QRegularExpression KDefine(QStringLiteral("^[ \\t]*DEFINE(?:[ \\t][^\\r\\n]*)?$"),
                                            QRegularExpression::MultilineOption);
    QString s = text;
    return s.replace(KDefine, QString());
}

bool IsMacroAt(const std::vector<TAccessToken>& tokens, size_t i)
{
    return tokens[i].Kind == TAccessToken::Symbol && tokens[i].Text == QLatin1String("&") && i + 1 < tokens.size()
           && tokens[i + 1].Kind == TAccessToken::Word;
}

}  // namespace

TUniScript::TUniScript(TUniConnection* connection) : FConnection(connection) {}

TUniScript::~TUniScript() = default;

void TUniScript::SetSQL(const QString& sql)
{
    FSQL = sql;
    std::vector<TUniMacro> macros;
    for (const QString& name : FindMacroNames(sql)) {
        TUniMacro m{name, QString()};
        if (const TUniMacro* old = FindMacro(name))
            m.Value = old->Value;
        macros.push_back(m);
    }
    FMacros = std::move(macros);
}

TUniMacro* TUniScript::FindMacro(const QString& name)
{
    for (auto& m : FMacros)
        if (m.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &m;
    return nullptr;
}

TUniMacro& TUniScript::MacroByName(const QString& name)
{
    if (TUniMacro* m = FindMacro(name))
        return *m;
    throw Exception(QStringLiteral("Macro '%1' not found").arg(name));
}

QStringList TUniScript::FindMacroNames(const QString& text)
{
    QStringList names;
    const auto tokens = TokenizeAccessSql(text, true);
    for (size_t i = 0; i < tokens.size(); ++i)
        if (IsMacroAt(tokens, i) && !names.contains(tokens[i + 1].Text, Qt::CaseInsensitive))
            names.append(tokens[i + 1].Text);
    return names;
}

QString TUniScript::ExpandMacros(const QString& text, const std::vector<TUniMacro>& macros)
{
    const auto tokens = TokenizeAccessSql(text, true);
    QString out;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (IsMacroAt(tokens, i)) {
            const QString& name = tokens[i + 1].Text;
            for (const auto& m : macros)
                if (m.Name.compare(name, Qt::CaseInsensitive) == 0)
                    out += m.Value;
            ++i;
            continue;
        }
        out += tokens[i].Text;
    }
    return out;
}

QStringList TUniScript::SplitStatements(const QString& text)
{
    QStringList statements;
    QString current;
    bool hasCode = false;
    auto flush = [&]() {
        if (hasCode)
            statements.append(current.trimmed());
        current.clear();
        hasCode = false;
    };
    for (const auto& t : TokenizeAccessSql(WithoutDefines(text), true)) {
        if (t.Kind == TAccessToken::Symbol && t.Text == QLatin1String(";")) {
            flush();
            continue;
        }
        if (t.Kind != TAccessToken::Space && t.Kind != TAccessToken::Comment)
            hasCode = true;
        current += t.Text;
    }
    flush();
    return statements;
}

void TUniScript::Execute()
{
    if (!FConnection)
        throw Exception(QStringLiteral("Connection is not defined"));
    const QStringList statements = SplitStatements(ExpandMacros(FSQL, FMacros));
    for (const QString& sql : statements) {
        try {
            if (!FConnection->Connected())
                FConnection->Open();
            TAccessStatement statement(*FConnection->Engine(), sql);
            if (statement.ReturnsRows() && FDataSet) {
                FDataSet->SetConnection(FConnection);
                FDataSet->SetSQL(sql);
                FDataSet->Open();
                if (FAfterExecute)
                    FAfterExecute(sql, 0, true);
                continue;
            }
            const TUniParams none;
            statement.Execute(none);
            if (FAfterExecute)
                FAfterExecute(sql, statement.Changes(), statement.ReturnsRows());
        } catch (const Exception& e) {
            TErrorAction action = eaException;
            if (FOnError)
                FOnError(e, sql, action);
            if (action == eaContinue)
                continue;
            if (action == eaAbort)
                return;
            throw;
        }
    }
}
