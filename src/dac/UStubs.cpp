// Placeholder bodies until the engine lands.
#include "UAccessEngine.h"
#include "UUniConnection.h"
#include "UUniMetaData.h"
#include "UUniQuery.h"
#include "UUniScript.h"

class TAccessDatabase {};
class TAccessStatement {};

namespace {
[[noreturn]] void NotYet() { throw Exception(QStringLiteral("The Access engine is not built yet")); }
}

TUniConnection::TUniConnection() = default;
TUniConnection::~TUniConnection() = default;
bool TUniConnection::UseUnicode() const { return StrToBoolDef(SpecificOption(QStringLiteral("UseUnicode")), false); }
void TUniConnection::Open() { NotYet(); }
void TUniConnection::Close() { FEngine.reset(); }
bool TUniConnection::Connected() const { return FEngine != nullptr; }
QString TUniConnection::ServerVersion() const { return AccessEngine::EngineVersion(); }
QString TUniConnection::ClientVersion() const { return AccessEngine::EngineVersion(); }
void TUniConnection::StartTransaction() { NotYet(); }
void TUniConnection::Commit() { NotYet(); }
void TUniConnection::Rollback() { NotYet(); }
bool TUniConnection::InTransaction() const { return false; }
int TUniConnection::ExecSQL(const QString&) { NotYet(); }

TUniQuery::TUniQuery(TUniConnection* connection) : FConnection(connection) {}
TUniQuery::~TUniQuery() = default;
void TUniQuery::SetConnection(TUniConnection* connection) { FConnection = connection; }
void TUniQuery::SetSQL(const QString& sql) { FSQL = sql; }
void TUniQuery::Prepare() { NotYet(); }
void TUniQuery::UnPrepare() {}
bool TUniQuery::Prepared() const { return false; }
void TUniQuery::Execute() { NotYet(); }
void TUniQuery::Open() { NotYet(); }
void TUniQuery::Close() { TUniDataSet::Close(); }
bool TUniQuery::IsQuery() const { return false; }
int TUniQuery::RecordCount() const { return 0; }
QVariant TUniQuery::FieldValue(int) const { return QVariant(); }
bool TUniQuery::FetchNext() { return false; }

QStringList TUniMetaData::MetaDataKinds()
{
    return {QStringLiteral("Tables"), QStringLiteral("Columns"), QStringLiteral("Indexes"),
            QStringLiteral("IndexColumns"), QStringLiteral("SpecialColumns")};
}
void TUniMetaData::Open() { NotYet(); }
void TUniMetaData::Close() { TUniDataSet::Close(); }
QVariant TUniMetaData::FieldValue(int) const { return QVariant(); }
bool TUniMetaData::FetchNext() { return false; }

TUniScript::TUniScript(TUniConnection* connection) : FConnection(connection) {}
TUniScript::~TUniScript() = default;
void TUniScript::SetSQL(const QString& sql) { FSQL = sql; }
TUniMacro* TUniScript::FindMacro(const QString&) { return nullptr; }
TUniMacro& TUniScript::MacroByName(const QString& name) { throw Exception(QStringLiteral("Macro '%1' not found").arg(name)); }
void TUniScript::Execute() { NotYet(); }
QStringList TUniScript::SplitStatements(const QString&) { return {}; }
QStringList TUniScript::FindMacroNames(const QString&) { return {}; }
QString TUniScript::ExpandMacros(const QString& text, const std::vector<TUniMacro>&) { return text; }

namespace AccessEngine {
void CreateDatabaseFile(const QString&, const QString&) { NotYet(); }
QStringList DriverNames() { return {QStringLiteral("Access Engine Driver (*.mdb, *.accdb)")}; }
QString EngineVersion() { return QStringLiteral("Access Engine 0"); }
bool IsEngineFile(const QString&) { return false; }
}
