#include "UPartRowDataReader.h"

#include <algorithm>
#include <limits>

namespace {

// Row numbers stay 32-bit; out-of-range sums are clamped rather than wrapped.
int ClampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

int TPartRowDataReader::RowIndex() const
{
    return ClampToInt(qint64(FInner->RowIndex()) - FFirstRow + 1);
}

void TPartRowDataReader::GotoIndex(int index)
{
    FInner->GotoIndex(ClampToInt(qint64(index) + FFirstRow - 1));
}

int TPartRowDataReader::RowCount() const
{
    qint64 count = qint64(FInner->RowCount()) + 1 - FFirstRow;
    count = std::min<qint64>(count, FMaxRows);
    return ClampToInt(std::max<qint64>(count, 0));
}

bool TPartRowDataReader::HasNext()
{
    const int index = RowIndex();
    return index >= 1 && index <= RowCount() && FInner->HasNext();
}
