#include "UJsonSourceOptions.h"

#include "UException.h"
#include "UFileDownloader.h"
#include "UJsonReader.h"
#include "UPartColumnDataReader.h"
#include "UProgressMonitor.h"
#include "UTableStruct.h"

namespace {
const QString KeyDataItem = QStringLiteral("DataItem");
const QString KeySublevel = QStringLiteral("Sublevel");

bool IsRootItem(const QString& path)
{
    const QString p = path.trimmed();
    return p.isEmpty() || p == QLatin1String("{}") || p == QLatin1String("[]");
}
}  // namespace

TJsonSourceOptions::TJsonSourceOptions() : FColumnAdapter(std::make_unique<TPartColumnDataReaderAdapter>())
{
    CreateDataReader();
    CreateTableStruct();
}

TJsonSourceOptions::~TJsonSourceOptions() = default;

void TJsonSourceOptions::CreateDataReader()
{
    FReader = std::make_unique<TJsonReader>();
}

void TJsonSourceOptions::CreateTableStruct()
{
    FTableStruct = std::make_unique<TTableStruct>();
}

void TJsonSourceOptions::SaveToIni(TMyIniFile& ini, const QString& section)
{
    TFileSourceOptions::SaveToIni(ini, section);
    ini.WriteString(section, KeyDataItem, FDataItem);
    ini.WriteString(section, KeySublevel, QString::number(FSublevel));
}

void TJsonSourceOptions::LoadFromIni(const TMyIniFile& ini, const QString& section)
{
    TFileSourceOptions::LoadFromIni(ini, section);
    SetDataItem(ReadSessionString(ini, section, KeyDataItem));
    FSublevel = ReadSessionInteger(ini, section, KeySublevel, 1);
}

bool TJsonSourceOptions::IsEqual(const TDataConvertModel& other) const
{
    auto* o = dynamic_cast<const TJsonSourceOptions*>(&other);
    return o && FDataItem == o->FDataItem && FSublevel == o->FSublevel && TFileSourceOptions::IsEqual(other);
}

QString TJsonSourceOptions::ItemNameOfDataItem(const QString& path)
{
    QString name = path.mid(path.lastIndexOf(QLatin1Char('|')) + 1);
    const int caret = name.indexOf(QLatin1Char('^'));
    if (caret < 0)
        return name;
    name = name.left(caret);
    if (name.endsWith(QLatin1String("ies"), Qt::CaseInsensitive))
        return name.left(name.size() - 3).toLower() + QLatin1Char('y');
    if (name.endsWith(QLatin1Char('s'), Qt::CaseInsensitive))
        name.chop(1);
    return name;
}

void TJsonSourceOptions::FollowDataItem(const QString& path)
{
    // An empty name (a path ending in "|", or "^0" alone) or a root marker
    // would leave the item without a table name; keep the one it has.
    if (IsRootItem(path))
        return;
    const QString name = ItemNameOfDataItem(path);
    if (!IsRootItem(name))
        SetItemName(name);
}

void TJsonSourceOptions::SetDataItem(const QString& path)
{
    FDataItem = path;
    FollowDataItem(path);
}

void TJsonSourceOptions::ConfigureReader()
{
    FReader->SetFileNameAsColumn(FileNameAsColumn());
    FReader->SetFileNameWithoutExt(FileNameWithoutExt());
    FReader->OpenFile(SourceFile());
    FReader->SetSublevel(FSublevel);
    if (SetType() != SourceSetTypes::NToN) {
        FReader->SetDataItem(FDataItem);
    } else if (!FReader->TryDataItem(FDataItem)) {
        // Each file goes to its own table: a file without the configured node
        // is read from its own first top-level member.
        FReader->DefaultDataItem();
    }
    FollowDataItem(FReader->DataItem());
}

void TJsonSourceOptions::ReadSample(int maxRows, QStringList& columnNames, QList<QStringList>& rows)
{
    FReader->OpenFirst(maxRows);
    struct TCloser {
        TJsonReader& Reader;
        ~TCloser() { Reader.Close(); }
    } closer{*FReader};
    const int rowCount = FReader->RowCount();
    const int columnCount = FReader->ColumnCount();
    for (int c = 0; c < columnCount; ++c)
        columnNames.append(FReader->ColumnName(c));
    const int sampleCount = qMin(rowCount, maxRows);
    for (int r = 0; r < sampleCount; ++r) {
        if (r > 0)
            FReader->Next();
        QStringList values;
        values.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c)
            values.append(FReader->ColumnValue(c));
        rows.append(values);
    }
}

void TJsonSourceOptions::SetStructFieldNames(const QStringList& names)
{
    TFileSourceOptions::SetStructFieldNames(names);
    FTableStruct->SetFieldNames(TStringList(names));
}

void TJsonSourceOptions::SetStructSampleRows(const QList<QStringList>& rows)
{
    FTableStruct->ReadSourceSampleForFieldTypes(rows);
}

TDataReader* TJsonSourceOptions::DataReader()
{
    if (IsAllSelected())
        return FReader.get();
    FColumnIndexTexts.clear();
    for (int index : ReaderColumnIndexes())
        FColumnIndexTexts.append(QString::number(index));
    return FColumnAdapter->Wrap(FReader.get(), &FColumnIndexTexts);
}

void TJsonSourceOptions::DownloadSource(const QString& url, const QString& fileName)
{
    TMockProgressMonitor silent;
    TFileDownloader downloader;
    downloader.SetProgressMonitor(&silent);
    if (!downloader.Download(url, fileName))
        throw Exception(QStringLiteral("Download stopped."));
}
