#include "SessionTestClasses.h"

#include "ULoadType.h"
#include "URttiUtil.h"
#include "UException.h"

#include <QDir>
#include <QFile>

int TTestJsonSourceOptions::DownloadCount = 0;

void TTestJsonSourceOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    TFileSourceOptions::SaveToIni(ini, section);
    ini.WriteString(section, QStringLiteral("DataItem"), DataItem);
    ini.WriteInteger(section, QStringLiteral("Sublevel"), Sublevel);
}

void TTestJsonSourceOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    TFileSourceOptions::LoadFromIni(ini, section);
    DataItem = ReadSessionString(ini, section, QStringLiteral("DataItem"));
    Sublevel = ReadSessionInteger(ini, section, QStringLiteral("Sublevel"), 1);
}

bool TTestJsonSourceOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TTestJsonSourceOptions*>(&other);
    return o && DataItem == o->DataItem && Sublevel == o->Sublevel && TFileSourceOptions::IsEqual(other);
}

void TTestJsonSourceOptions::ReadSample(int maxRows, QStringList& columnNames, QList<QStringList>& rows)
{
    QFile f(SourceFile());
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open ") + SourceFile());
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return;
    columnNames = lines.takeFirst().split(QLatin1Char(','));
    for (int i = 0; i < lines.size() && i < maxRows; ++i)
        rows.append(lines[i].split(QLatin1Char(',')));
}

void TTestJsonSourceOptions::DownloadSource(const QString& url, const QString& fileName)
{
    ++DownloadCount;
    if (url.contains(QLatin1String("404")))
        throw Exception(QStringLiteral("HTTP/1.1 404 Not Found"));
    QFile f(fileName);
    if (f.open(QIODevice::WriteOnly))
        f.write("a,b\n1,2\n");
}

void TTestFolderChoiceOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    ini.WriteString(section, QStringLiteral("DataFolder"), DataFolder);
    WriteSessionBool(ini, section, QStringLiteral("Recursive"), Recursive);
    ini.WriteString(section, QStringLiteral("Filter"), Filter);
    WriteSessionBool(ini, section, QStringLiteral("MoveFiles"), MoveFiles);
    ini.WriteString(section, QStringLiteral("MoveToFolder"), MoveToFolder);
}

void TTestFolderChoiceOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    DataFolder = ReadSessionString(ini, section, QStringLiteral("DataFolder"));
    Recursive = ReadSessionBool(ini, section, QStringLiteral("Recursive"), false);
    Filter = ReadFilterOrLegacyExt(ini, section);
    MoveFiles = ReadSessionBool(ini, section, QStringLiteral("MoveFiles"), false);
    MoveToFolder = ReadSessionString(ini, section, QStringLiteral("MoveToFolder"));
    Refresh();
}

bool TTestFolderChoiceOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TTestFolderChoiceOptions*>(&other);
    return o && DataFolder == o->DataFolder && Filter == o->Filter && Recursive == o->Recursive;
}

void TTestFolderChoiceOptions::Refresh()
{
    FFiles.clear();
    if (DataFolder.isEmpty())
        return;
    const QDir dir(DataFolder);
    for (const QString& name : dir.entryList(QStringList{Filter}, QDir::Files, QDir::Name))
        FFiles.append(dir.filePath(name));
}

void TTestTableDestOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    if (FailOnSave)
        throw Exception(QStringLiteral("disk full"));
    ini.WriteString(section, QStringLiteral("DestSchema"), Schema);
    ini.WriteString(section, QStringLiteral("DestTable"), Table);
    ini.WriteInteger(section, QStringLiteral("LoadType"), LoadTypeForSave(LoadType));
    if (LoadTypeUsesKey(LoadType))
        ini.WriteString(section, QStringLiteral("UpdateKey"), UpdateKey);
    ini.WriteString(section, QStringLiteral("SaveToSqlFile"), SqlFile);
    ini.WriteString(section, QStringLiteral("SqlToSqlEncoding"), SqlEncoding);
    TDestOptions::SaveToIni(ini, section);
}

void TTestTableDestOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    Schema = ReadSessionStringOrLegacy(ini, section, QStringLiteral("DestSchema"), QStringLiteral("Schema"));
    Table = ReadSessionStringOrLegacy(ini, section, QStringLiteral("DestTable"), QStringLiteral("Table"));
    LoadType = LoadTypeFromKey(ReadSessionInteger(ini, section, QStringLiteral("LoadType"), 0), LoadType);
    UpdateKey = ReadSessionString(ini, section, QStringLiteral("UpdateKey"));
    SqlFile = ReadSessionString(ini, section, QStringLiteral("SaveToSqlFile"));
    SqlEncoding = ReadSessionString(ini, section, QStringLiteral("SqlToSqlEncoding"));
    TDestOptions::LoadFromIni(ini, section);
}

bool TTestTableDestOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TTestTableDestOptions*>(&other);
    return o && Schema == o->Schema && Table == o->Table && LoadType == o->LoadType && UpdateKey == o->UpdateKey
        && SqlFile == o->SqlFile && SqlEncoding == o->SqlEncoding && TDestOptions::IsEqual(other);
}

QString TTestTableDestOptions::GetSetDescription() const
{
    return QStringLiteral("DB: test.accdb, Table: ") + Table;
}

void RegisterSessionTestClasses()
{
    TRttiUtil::RegisterClass(QStringLiteral("UJsonSourceOptions.TJsonSourceOptions"),
                             [] { return std::unique_ptr<TObject>(new TTestJsonSourceOptions()); });
    TRttiUtil::RegisterClass(QStringLiteral("UFolderChoiceOptions.TFolderChoiceOptions"),
                             [] { return std::unique_ptr<TObject>(new TTestFolderChoiceOptions()); });
    TRttiUtil::RegisterClass(QStringLiteral("UTableDestOptions.TTableDestOptions"),
                             [] { return std::unique_ptr<TObject>(new TTestTableDestOptions()); });
}
