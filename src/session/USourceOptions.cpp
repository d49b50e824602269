#include "USourceOptions.h"

#include "UException.h"

#include <QFileInfo>

namespace {
const QString KeyColumns = QStringLiteral("Columns");
const QString KeySelectedColumnNames = QStringLiteral("SelectedColumnNames");
const QString KeyMapColumns = QStringLiteral("MapColumns");

QStringList IndexTexts(const QList<int>& indexes, int offset)
{
    QStringList texts;
    for (int i : indexes)
        texts.append(QString::number(i + offset));
    return texts;
}
}  // namespace

TSourceOptions::TSourceOptions() = default;
TSourceOptions::~TSourceOptions() = default;

void TSourceOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, KeyColumns, JoinBarList(IndexTexts(FSelectedIndexes, 1)));
    ini.WriteString(section, KeySelectedColumnNames, JoinBarList(FSelectedNames));
    WriteSessionBool(ini, section, KeyMapColumns, FMapColumns);
}

void TSourceOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    QList<int> indexes;
    for (const QString& text : SplitBarList(ReadSessionString(ini, section, KeyColumns).trimmed())) {
        bool ok = false;
        const int column = text.trimmed().toInt(&ok);
        if (!ok)
            throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
        indexes.append(column - 1);
    }
    FSelectedIndexes = indexes;
    FSelectedNames = SplitBarList(ReadSessionString(ini, section, KeySelectedColumnNames));
    FMapColumns = ReadSessionBool(ini, section, KeyMapColumns, false);
}

bool TSourceOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TSourceOptions*>(&other);
    return o && FSelectedIndexes == o->FSelectedIndexes && FSelectedNames == o->FSelectedNames
        && FMapColumns == o->FMapColumns;
}

void TSourceOptions::Refresh()
{
    FColumnNames.clear();
    FSampleRows.clear();
    SetStructFieldNames({});
    PrepareReader();
    QStringList columns;
    QList<QStringList> rows;
    ReadSample(MaxSampleRows, columns, rows);
    SetColumns(columns, rows);
}

void TSourceOptions::SetColumns(const QStringList& columnNames, const QList<QStringList>& rows)
{
    FColumnNames = columnNames;
    FSampleRows = rows.mid(0, MaxSampleRows);
}

void TSourceOptions::UpdateTableStruct()
{
    SetStructFieldNames(FSelectedNames);
}

void TSourceOptions::ValidateSelection()
{
    for (int i : FSelectedIndexes)
        if (i > OriginColumnCount() - 1) {
            FSelectedIndexes.clear();
            return;
        }
}

int TSourceOptions::IndexOfColumn(const QString& name) const
{
    for (int i = 0; i < FColumnNames.size(); ++i)
        if (FColumnNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TSourceOptions::PrepareConvert()
{
    BeforePrepare();
    Refresh();
    ValidateSelection();
    if (FSelectedIndexes.isEmpty())
        SelectAll();
    UpdateTableStruct();
    ConfigureReader();
}

bool TSourceOptions::IsAllSelected() const
{
    if (SelectsByName() && !FSelectedNames.isEmpty())
        return FSelectedNames.join(QLatin1Char('\n')).trimmed() == FColumnNames.join(QLatin1Char('\n')).trimmed();
    return FSelectedIndexes.size() == FColumnNames.size();
}

QList<int> TSourceOptions::ReaderColumnIndexes()
{
    if (!FSelectedNames.isEmpty()) {
        QList<int> indexes;
        for (const QString& name : FSelectedNames)
            indexes.append(IndexOfColumn(name));
        FSelectedIndexes = indexes;
    }
    return FSelectedIndexes;
}

void TSourceOptions::SelectAll()
{
    FSelectedIndexes.clear();
    for (int i = 0; i < FColumnNames.size(); ++i)
        FSelectedIndexes.append(i);
    FSelectedNames = FColumnNames;
}

void TSourceOptions::ClearSelection()
{
    FSelectedIndexes.clear();
    FSelectedNames.clear();
}

bool TSourceOptions::IsColumnSelected(int column) const
{
    return FSelectedIndexes.contains(column);
}

int TSourceOptions::SelectionPosition(int column) const
{
    return FSelectedIndexes.indexOf(column);
}

void TSourceOptions::AddSelectedColumn(int column, const QString& name)
{
    FSelectedIndexes.append(column);
    FSelectedNames.append(name);
}

QStringList TSourceOptions::SelectedNamesFromIndexes() const
{
    QStringList names;
    for (int i : FSelectedIndexes)
        names.append(i >= 0 && i < FColumnNames.size() ? FColumnNames[i] : QString());
    return names;
}

QString TSourceOptions::SourceNameOfFile(const QString& path)
{
    const QFileInfo info(path);
    QString name = info.fileName();
    const QString suffix = info.suffix();
    if (!suffix.isEmpty()) {
        const QString ext = QLatin1Char('.') + suffix;
        const int at = name.indexOf(ext);
        if (at >= 0)
            name.remove(at, ext.size());
    }
    return name;
}
