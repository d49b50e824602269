#include "UDestOptions.h"

#include "UException.h"

namespace {
const QString KeyDestFields = QStringLiteral("DestFields");
const QString KeyFields = QStringLiteral("Fields");

QChar PartSeparatorOf(const QString& text)
{
    if (text.contains(QLatin1Char('*')))
        return QLatin1Char('*');
    for (QChar c : {QLatin1Char(','), QLatin1Char('#')})
        if (text.contains(c))
            return c;
    return QLatin1Char('*');
}
}  // namespace

QString FormatDestFields(const QList<TDestFieldEntry>& entries)
{
    QStringList items;
    for (const TDestFieldEntry& e : entries)
        items.append(QStringList{e.Name, e.DBType, e.DateFormat, e.NullMarker}.join(QLatin1Char('*')));
    return JoinBarList(items);
}

QList<TDestFieldEntry> ParseDestFields(const QString& text)
{
    QList<TDestFieldEntry> entries;
    const QString value = text.trimmed();
    if (value.isEmpty())
        return entries;
    const QChar separator = PartSeparatorOf(value);
    for (const QString& item : value.split(QLatin1Char('|'))) {
        const QStringList parts = item.split(separator);
        if (parts.size() < 3)
            throw Exception(QStringLiteral("TTableDestOptions.LoadFromFile, Parse Fields Error."));
        TDestFieldEntry e;
        e.Name = parts[0];
        e.DBType = parts[1];
        if (parts.size() == 3) {
            e.NullMarker = parts[2];
        } else {
            e.DateFormat = parts[2];
            e.NullMarker = parts[3];
        }
        entries.append(e);
    }
    return entries;
}

TDestOptions::TDestOptions() : FDateFormatMatcher(std::make_unique<TDateFormatMatcher>()) {}
TDestOptions::~TDestOptions() = default;

void TDestOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, KeyDestFields, FormatDestFields(FieldEntries()));
}

void TDestOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    const QList<TDestFieldEntry> entries =
        ParseDestFields(ReadSessionStringOrLegacy(ini, section, KeyDestFields, KeyFields));
    ClearFields();
    for (const TDestFieldEntry& e : entries)
        AddField(e.Name, e.DateFormat, e.NullMarker);
}

bool TDestOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TDestOptions*>(&other);
    return o && FFieldNames.join(QLatin1String("\r\n")) == o->FFieldNames.join(QLatin1String("\r\n"))
        && FDateFormats.Text() == o->FDateFormats.Text() && FNullMarkers.Text() == o->FNullMarkers.Text();
}

void TDestOptions::PrepareConvert()
{
    Refresh();
    PrepareWriter();
}

void TDestOptions::AddField(const QString& name, const QString& dateFormat, const QString& nullMarker, bool marked)
{
    FFieldNames.append(name);
    if (!dateFormat.isEmpty())
        FDateFormats.SetValue(name, dateFormat);
    if (!nullMarker.isEmpty())
        FNullMarkers.SetValue(name, nullMarker);
    if (marked)
        FMarkedFields.append(name);
}

void TDestOptions::AddFieldChecked(const QString& name, const QString& dateFormat, const QString& nullMarker,
                                   bool marked)
{
    AddField(name, FDateFormatMatcher->IsDateField(name) ? dateFormat : QString(), nullMarker, marked);
}

void TDestOptions::ClearFields()
{
    FFieldNames.clear();
    FDateFormats.Clear();
    FNullMarkers.Clear();
    FMarkedFields.clear();
}

QList<TDestFieldEntry> TDestOptions::FieldEntries() const
{
    QList<TDestFieldEntry> entries;
    for (int i = 0; i < FFieldNames.size(); ++i)
        entries.append({FFieldNames[i], FieldDBTypeText(FFieldNames[i]), FieldDateFormat(i), FieldNullMarker(i)});
    return entries;
}

void TDestOptions::SetDateFormatMatcher(std::unique_ptr<TDateFormatMatcher> matcher)
{
    FDateFormatMatcher = matcher ? std::move(matcher) : std::make_unique<TDateFormatMatcher>();
}

void TDestOptions::SetItemFlags(bool multiItem, bool firstItem, bool lastItem)
{
    FMultiItem = multiItem;
    FFirstItem = firstItem;
    FLastItem = lastItem;
}
