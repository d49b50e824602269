#include "UFieldTypes.h"

bool IsDateTimeType(TFieldType type)
{
    switch (type) {
    case ftDate: case ftTime: case ftDateTime: case ftTimeStamp: case ftTimeStampOffset:
        return true;
    default:
        return false;
    }
}

bool IsBinaryLobType(TFieldType type)
{
    switch (type) {
    case ftVarBytes: case ftBlob: case ftGraphic: case ftOraBlob:
        return true;
    default:
        return false;
    }
}

bool IsTextLobType(TFieldType type)
{
    switch (type) {
    case ftMemo: case ftFmtMemo: case ftOraClob: case ftWideMemo:
        return true;
    default:
        return false;
    }
}

bool IsNumericType(TFieldType type)
{
    switch (type) {
    case ftSmallint: case ftInteger: case ftWord: case ftFloat: case ftCurrency:
    case ftBCD: case ftAutoInc: case ftLargeint: case ftShortint:
        return true;
    default:
        return false;
    }
}
