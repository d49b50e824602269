#include "UJsonReader.h"

#include "UJsonFormatDetector.h"
#include "UJsonNodeCache.h"
#include "UJsonStreamedArray.h"
#include "ULog.h"

#include <QSet>

namespace {

constexpr int ColumnSampleElements = 11;

bool IsRootSegment(QStringView s) { return s == u"{}" || s == u"[]"; }

int IndexOfSegment(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

bool IsArrayOfObjects(const TJsonValue* value)
{
    return KindOf(value) == TJsonValueKind::Array && KindOf(value->GetElement(0)) == TJsonValueKind::Object;
}

QString JoinName(const QString& prefix, QStringView name)
{
    if (prefix.isEmpty())
        return name.toString();
    QString c;
    c.reserve(prefix.size() + 1 + name.size());
    c += prefix;
    c += u'.';
    c += name;
    return c;
}

}  // namespace

TJsonReader::TJsonReader() { FHasColumnNames = true; }

TJsonReader::~TJsonReader() = default;

QString TJsonReader::ValueText(const TJsonValue* value)
{
    switch (KindOf(value)) {
    case TJsonValueKind::Undefined: return QStringLiteral("Undefined");
    case TJsonValueKind::Object:
    case TJsonValueKind::Array: return value->ToString();
    default: return value->AsText();
    }
}

bool TJsonReader::IsObjectStream() const
{
    const QString item = TrimBlanks(FDataItem);
    return item.isEmpty() || item == u"[]";
}

void TJsonReader::Open()
{
    LogFileInfo();
    FCurrentRow = 0;
    FRowCount = 0;
    FColumnNames.clear();
    FTopItemNames.clear();
    FColumnSlot.clear();
    FSlotOfName.clear();
    FSlotValues.clear();
    FDataValue = nullptr;
    FParsedValue.reset();

    FObjectReader = TJsonNodeCache::Instance().GetObjectReader(FFileName);
    FObjectReader->GotoObject(0);
    LocateDataItem();
    CountRows();
    if (FRowCount <= 0)
        return;
    BuildColumns();
    BuildTopItemNames();
    LoadRowValues();
}

void TJsonReader::ParseCurrentObject()
{
    FParsedValue = TJsonValue::ParseString(FObjectReader->ObjectText(), TJsonDuplicates::DropDuplicates);
    FDataValue = FParsedValue.get();
}

void TJsonReader::LocateDataItem()
{
    try {
        FDataValue = FObjectReader->FirstValue();
        FHeldElement.reset();
        FDataItemName.clear();
        FValueNodeText.clear();
        const QString item = TrimBlanks(FDataItem);
        if (item.isEmpty())
            return;
        const QStringList segments = item.split(u'|');
        for (qsizetype i = 0; i < segments.size(); ++i) {
            const QString& s = segments.at(i);
            FDataItemName = s;
            FValueNodeText = s;
            if (IsRootSegment(s))
                continue;
            std::vector<int> indexes;
            const qsizetype caret = s.indexOf(u'^');
            if (caret >= 0) {
                FDataItemName = s.left(caret);
                for (const QString& part : s.mid(caret + 1).split(u'^'))
                    indexes.push_back(IndexOfSegment(part));
            }
            // In the first segment the first index also picks the file's object.
            if (i == 0 && !indexes.empty() && FObjectReader->CanPosition()) {
                FObjectReader->GotoObject(indexes.front());
                ParseCurrentObject();
            }
            if (!IsRootSegment(FDataItemName))
                StepInto(ItemOf(FDataValue, FDataItemName));
            for (int index : indexes)
                if (KindOf(FDataValue) == TJsonValueKind::Array)
                    StepInto(FDataValue->GetElement(index));
        }
    } catch (const std::exception& e) {
        const QString message = ExceptionMessage(e);
        TLog::Global().Debug(QStringLiteral("JsonReader.LocateDataItem: ") + message);
        throw Exception(message);
    }
}

void TJsonReader::StepInto(TJsonValue* next)
{
    if (const auto* streamed = dynamic_cast<const TJsonStreamedArray*>(FDataValue))
        FHeldElement = streamed->Share(next);
    FDataValue = next;
}

void TJsonReader::CountRows()
{
    if (IsArrayOfObjects(FDataValue))
        FRowCount = FDataValue->ElementCount();
    else if (IsObjectStream())
        FRowCount = FObjectReader->ObjectCount();
    else
        FRowCount = 1;
}

void TJsonReader::WalkNames(const TJsonValue* value, const QString& prefix, int budget, QStringList& names) const
{
    switch (KindOf(value)) {
    case TJsonValueKind::Undefined: return;
    case TJsonValueKind::Array: {
        if (KindOf(value->GetElement(0)) != TJsonValueKind::Object) {
            names << OwnName(prefix).toString();
            return;
        }
        // Columns come from a sample of the first elements, merged in order of
        // first appearance without regard to letter case.
        QSet<QString> seen;
        const int sample = std::min(value->ElementCount(), ColumnSampleElements);
        for (int k = 0; k < sample; ++k) {
            QStringList part;
            WalkNames(value->GetElement(k), prefix, budget, part);
            for (QString& name : part) {
                const QString folded = name.toCaseFolded();
                if (!seen.contains(folded)) {
                    seen.insert(folded);
                    names << std::move(name);
                }
            }
        }
        return;
    }
    case TJsonValueKind::Object: {
        const auto* object = static_cast<const TJsonObject*>(value);
        for (int m = 0, n = object->ElementCount(); m < n; ++m) {
            const TJsonValue* member = object->GetElement(m);
            const TJsonValueKind kind = member->ValueKind();
            QString c = JoinName(prefix, object->NameView(m));
            if (budget < 2 || (kind != TJsonValueKind::Object && kind != TJsonValueKind::Array))
                names << std::move(c);
            else
                WalkNames(member, c, budget - 1, names);
        }
        return;
    }
    default: names << OwnName(prefix).toString(); return;
    }
}

void TJsonReader::WalkValues(const TJsonValue* value, const QString& prefix, int budget)
{
    switch (KindOf(value)) {
    case TJsonValueKind::Undefined: return;
    case TJsonValueKind::Array: {
        if (KindOf(value->GetElement(0)) == TJsonValueKind::Object) {
            // The top array gives the current row; deeper arrays their element 0.
            const TJsonValue* element = value->GetElement(budget == FSublevel ? FCurrentRow : 0);
            if (KindOf(element) == TJsonValueKind::Object) {
                WalkValues(element, prefix, budget);
                return;
            }
        }
        StoreValue(OwnName(prefix), value->ToString());
        return;
    }
    case TJsonValueKind::Object: {
        const auto* object = static_cast<const TJsonObject*>(value);
        for (int m = 0, n = object->ElementCount(); m < n; ++m) {
            const TJsonValue* member = object->GetElement(m);
            const TJsonValueKind kind = member->ValueKind();
            if (budget < 2 || (kind != TJsonValueKind::Object && kind != TJsonValueKind::Array)) {
                if (prefix.isEmpty())
                    StoreValue(object->NameView(m), ValueText(member));
                else
                    StoreValue(JoinName(prefix, object->NameView(m)), ValueText(member));
            } else {
                WalkValues(member, JoinName(prefix, object->NameView(m)), budget - 1);
            }
        }
        return;
    }
    default: StoreValue(OwnName(prefix), ValueText(value)); return;
    }
}

void TJsonReader::BuildColumns()
{
    WalkNames(FDataValue, QString(), FSublevel, FColumnNames);
    FColumnSlot.reserve(size_t(FColumnNames.size()));
    for (const QString& name : FColumnNames) {
        const QString folded = name.toCaseFolded();
        auto it = FSlotOfName.constFind(folded);
        int slot;
        if (it == FSlotOfName.cend()) {
            slot = int(FSlotValues.size());
            FSlotOfName.insert(folded, slot);
            FSlotValues.emplace_back();
        } else {
            slot = *it;
        }
        FColumnSlot.push_back(slot);
    }
}

void TJsonReader::BuildTopItemNames()
{
    if (IsObjectStream()) {
        FTopItemNames << QStringLiteral("{}");
    } else if (KindOf(FDataValue) == TJsonValueKind::Object) {
        for (int i = 0, n = FDataValue->ElementCount(); i < n; ++i)
            FTopItemNames << FDataValue->GetName(i);
    } else if (IsArrayOfObjects(FDataValue)) {
        FTopItemNames << QStringLiteral("{}");
    }
}

void TJsonReader::StoreValue(QStringView name, QString text)
{
    // Rows usually repeat the column order of the sample: check the column at
    // this position first, and look the name up only when it differs.
    int slot = -1;
    if (FStoreIndex < FColumnNames.size() && FColumnNames.at(FStoreIndex).compare(name, Qt::CaseInsensitive) == 0) {
        slot = FColumnSlot[size_t(FStoreIndex)];
    } else {
        auto it = FSlotOfName.constFind(name.toString().toCaseFolded());
        if (it != FSlotOfName.cend())
            slot = *it;
    }
    ++FStoreIndex;
    if (slot >= 0)
        FSlotValues[size_t(slot)] = std::move(text);
}

void TJsonReader::LoadRowValues()
{
    for (QString& value : FSlotValues)
        value.clear();
    FStoreIndex = 0;
    WalkValues(FDataValue, QString(), FSublevel);
}

void TJsonReader::GotoIndex(int index)
{
    FCurrentRow = index - 1;
    if (IsObjectStream()) {
        FObjectReader->GotoObject(index - 1);
        if (FObjectReader->CanPosition())
            ParseCurrentObject();
    }
    LoadRowValues();
}

void TJsonReader::Next()
{
    ++FCurrentRow;
    if (IsObjectStream() && FObjectReader->HasMoreObjects()) {
        FObjectReader->ReadNextObject();
        try {
            ParseCurrentObject();
        } catch (const std::exception& e) {
            const QString message = ExceptionMessage(e) + QStringLiteral("\r\nCan not parse JSON on line ")
                                    + QString::number(FObjectReader->CurrentLineNumber());
            TLog::Global().Debug(QStringLiteral("TJsonReader.Next, ") + message);
            TLog::Global().Debug(QStringLiteral("Text: ") + FObjectReader->ObjectText());
            FDataValue = nullptr;
            throw Exception(message);
        }
    }
    if (FCurrentRow < FRowCount) {
        LoadRowValues();
    } else {
        for (QString& value : FSlotValues)
            value.clear();
    }
}

QString TJsonReader::ColumnValueNoFileName(int index) const
{
    if (FCurrentRow > FRowCount - 1)
        throw Exception(QStringLiteral("TJsonReader.ColumnValueNoFileName row index %1 out of range, should little than %2")
                            .arg(FCurrentRow)
                            .arg(FRowCount));
    if (index < 0 || size_t(index) >= FColumnSlot.size())
        RaiseColumnIndexError(index);
    return FSlotValues[size_t(FColumnSlot[size_t(index)])];
}

bool TJsonReader::TryDataItem(const QString& path)
{
    FDataItem = path;
    Open();
    const bool any = !FColumnNames.isEmpty();
    Close();
    return any;
}

QString TJsonReader::DefaultDataItem()
{
    FDataItem = QStringLiteral("{}");
    Open();
    if (FTopItemNames.isEmpty())
        throw Exception(QStringLiteral("List index out of bounds (0)"));
    const QString name = FTopItemNames.first();
    Close();
    FDataItem = name;
    return name;
}
