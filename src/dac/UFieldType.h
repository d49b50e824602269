#pragma once
// Field kinds of result fields and parameters. The order and the names are
// those of the classic data-set field types, because session files and the
// table structures show them by name ("ftString", "ftInteger", ...).

#include <QString>

enum TFieldType {
    ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD,
    ftDate, ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic,
    ftFmtMemo, ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString,
    ftLargeint, ftADT, ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant,
    ftInterface, ftIDispatch, ftGuid, ftTimeStamp, ftFMTBcd, ftFixedWideChar, ftWideMemo,
    ftOraTimeStamp, ftOraInterval, ftLongWord, ftShortint, ftByte, ftExtended, ftConnection,
    ftParams, ftStream, ftTimeStampOffset, ftObject, ftSingle
};

// "ftString" for ftString; "" for a value outside the enumeration.
QString FieldTypeName(TFieldType type);
// Accepts the names FieldTypeName gives, in any letter case.
bool TryFieldTypeFromName(const QString& name, TFieldType& type);
