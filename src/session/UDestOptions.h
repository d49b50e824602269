#pragma once
// TDestOptions: the destination side of one item: the field map (destination
// field names in order, each field's date format and NULL marker, the fields
// marked on the field-map page), the date-format matcher and the item flags a
// set session sets per item. The writer belongs to the concrete destination,
// which lives above this library.

#include "UDataConvertModel.h"
#include "UDateFormatMatcher.h"
#include "UStringList.h"

#include <QList>
#include <memory>

class TDataWriter;

// One entry of the "DestFields" value: name*type*date format*NULL marker.
struct TDestFieldEntry {
    QString Name;
    QString DBType;
    QString DateFormat;
    QString NullMarker;
    bool operator==(const TDestFieldEntry&) const = default;
};

// The "DestFields" text: entries joined by "|", parts by "*".
QString FormatDestFields(const QList<TDestFieldEntry>& entries);
// Reads it back. The part separator is "*" when the text holds one, otherwise
// the first of ",", "#", "*" it holds, otherwise "*". The text is trimmed
// once; parts are not. Three parts: name, type, NULL marker; four or more:
// name, type, date format, NULL marker. The type is not read back. An entry of
// fewer than three parts raises "TTableDestOptions.LoadFromFile, Parse Fields Error.".
QList<TDestFieldEntry> ParseDestFields(const QString& text);

class TDestOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TDestOptions)
public:
    TDestOptions();
    ~TDestOptions() override;

    // "DestFields"; a concrete destination writes its own keys first.
    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // "DestFields", or the legacy "Fields" when it is empty. The whole value is
    // parsed before the field map changes, so a parse error leaves it as it was.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    // Field names, date formats and NULL markers, as texts, case-sensitive.
    bool IsEqual(const TDataConvertModel& other) const override;

    // Slot 5.
    virtual void CreateWriters() {}
    // Slot 6.
    virtual void FreeWriters() {}
    // Slot 7: choose and prepare the writer.
    virtual void PrepareWriter() {}
    // Slot 8.
    virtual bool WritesData() const { return true; }
    // Slot 9.
    virtual QString GetSetDescription() const { return QString(); }
    // Slot 10.
    virtual QString GetDestName() const { return QString(); }
    // Slot 11.
    virtual void AddAllFieldsAutoDetect() {}
    // The writer to convert into; the base has none.
    virtual TDataWriter* DataWriter() { return nullptr; }
    // The database type text of a field for "DestFields"; the base knows none.
    virtual QString FieldDBTypeText(const QString& fieldName) const { return QString(); }

    // Refresh, then PrepareWriter.
    void PrepareConvert();

    // A field of the map. The checked form keeps the date format only when the
    // matcher takes the field as a date field.
    void AddField(const QString& name, const QString& dateFormat, const QString& nullMarker, bool marked = false);
    void AddFieldChecked(const QString& name, const QString& dateFormat, const QString& nullMarker, bool marked = false);
    int FieldCount() const { return FFieldNames.size(); }
    QString FieldName(int i) const { return FFieldNames[i]; }
    QString FieldDateFormat(int i) const { return FDateFormats.Values(FFieldNames[i]); }
    QString FieldNullMarker(int i) const { return FNullMarkers.Values(FFieldNames[i]); }
    bool FieldMarked(int i) const { return FMarkedFields.contains(FFieldNames[i], Qt::CaseInsensitive); }
    void ClearFields();

    const QStringList& FieldNames() const { return FFieldNames; }
    const TStringList& DateFormats() const { return FDateFormats; }
    const TStringList& NullMarkers() const { return FNullMarkers; }
    const QStringList& MarkedFields() const { return FMarkedFields; }

    // The field map as "DestFields" entries, types from FieldDBTypeText.
    QList<TDestFieldEntry> FieldEntries() const;

    TDateFormatMatcher& DateFormatMatcher() { return *FDateFormatMatcher; }
    const TDateFormatMatcher& DateFormatMatcher() const { return *FDateFormatMatcher; }
    void SetDateFormatMatcher(std::unique_ptr<TDateFormatMatcher> matcher);

    bool MultiItem() const { return FMultiItem; }
    bool FirstItem() const { return FFirstItem; }
    bool LastItem() const { return FLastItem; }
    void SetItemFlags(bool multiItem, bool firstItem, bool lastItem);

private:
    QStringList FFieldNames;
    TStringList FDateFormats;   // field name = date format
    TStringList FNullMarkers;   // field name = NULL marker
    QStringList FMarkedFields;
    std::unique_ptr<TDateFormatMatcher> FDateFormatMatcher;
    bool FMultiItem = false;
    bool FFirstItem = false;
    bool FLastItem = false;
};
