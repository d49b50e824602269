#include "UAccessDBDictionary.h"

#include "ULog.h"
#include "UTableInfo.h"
#include "UUniMetaData.h"

void TAccessDBDictionary::GetConstraints(const QString& schema, const QString& table, TTableInfo& info)
{
    const QString prefix = QStringLiteral("TAccessDBDictionary.GetConstraints: ");
    TLog::Global().Info(prefix + schema + QLatin1Char('.') + table);
    const int id = info.FieldNames.IndexOf(QStringLiteral("id"));
    if (id >= 0) {
        info.PrimaryKeys.SetValue(info.FieldNames[id], BoolToStr(true));
        TLog::Global().Info(prefix + QStringLiteral("guess pk is id column."));
        return;
    }
    TUniMetaData meta(&RequireConnection());
    meta.SetMetaDataKind(QStringLiteral("SpecialColumns"));
    meta.Restrictions().SetValue(QStringLiteral("TABLE_SCHEMA"), schema);
    meta.Restrictions().SetValue(QStringLiteral("TABLE_NAME"), table);
    meta.Open();
    bool first = true;
    qint64 smallest = 0;
    for (; !meta.Eof(); meta.Next()) {
        const qint64 position = meta.FieldByName(QStringLiteral("COLUMN_POSITION")).AsLargeInt();
        if (first || position < smallest) {
            info.PrimaryKeys.SetValue(meta.FieldByName(QStringLiteral("COLUMN_NAME")).AsString(), BoolToStr(true));
            smallest = position;
            first = false;
        }
    }
}
