#include "UTableCreateHelper.h"

#include "UDBHelper.h"
#include "UDBTypeNames.h"
#include "ULog.h"

void TTableCreateHelper::BuildFieldTypes(const TStringList& kindList, const QString& dbKind)
{
    TLogger& log = TLog::Global();
    FTypeMap.SetDBType(dbKind);
    log.Debug(QStringLiteral("Source DB Type: Query"));
    log.Debug(kindList.Text());
    // Entries are appended, not set by name: source columns that differ only
    // in letter case must both reach the proposal.
    FieldDBTypes.Clear();
    for (int i = 0; i < kindList.Count(); ++i)
        FieldDBTypes.Add(kindList.Names(i) + QLatin1Char('=') + FTypeMap.MapType(kindList.ValueFromIndex(i)));
    CreateDBObject<TDBHelper>(NormalizeDBType(dbKind), DBRoles::DBHelper)->AdjustFieldTypes(FieldDBTypes);
    log.Debug(QStringLiteral("Dest DB Type: ") + dbKind);
    log.Debug(FieldDBTypes.Text());
}
