#include "UFieldType.h"

#include <array>

namespace {
constexpr std::array<const char*, ftSingle + 1> KFieldTypeNames = {
    "ftUnknown", "ftString", "ftSmallint", "ftInteger", "ftWord", "ftBoolean", "ftFloat",
    "ftCurrency", "ftBCD", "ftDate", "ftTime", "ftDateTime", "ftBytes", "ftVarBytes", "ftAutoInc",
    "ftBlob", "ftMemo", "ftGraphic", "ftFmtMemo", "ftParadoxOle", "ftDBaseOle", "ftTypedBinary",
    "ftCursor", "ftFixedChar", "ftWideString", "ftLargeint", "ftADT", "ftArray", "ftReference",
    "ftDataSet", "ftOraBlob", "ftOraClob", "ftVariant", "ftInterface", "ftIDispatch", "ftGuid",
    "ftTimeStamp", "ftFMTBcd", "ftFixedWideChar", "ftWideMemo", "ftOraTimeStamp", "ftOraInterval",
    "ftLongWord", "ftShortint", "ftByte", "ftExtended", "ftConnection", "ftParams", "ftStream",
    "ftTimeStampOffset", "ftObject", "ftSingle"};
}

QString FieldTypeName(TFieldType type)
{
    if (type < ftUnknown || type > ftSingle)
        return QString();
    return QString::fromLatin1(KFieldTypeNames[type]);
}

bool TryFieldTypeFromName(const QString& name, TFieldType& type)
{
    for (int i = 0; i <= ftSingle; ++i) {
        if (name.compare(QLatin1String(KFieldTypeNames[i]), Qt::CaseInsensitive) == 0) {
            type = static_cast<TFieldType>(i);
            return true;
        }
    }
    return false;
}
