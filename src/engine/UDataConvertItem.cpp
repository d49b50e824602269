#include "UDataConvertItem.h"

#include "UConvertMiscOptions.h"
#include "UConvertRowsSelectOptions.h"
#include "UDataReader.h"
#include "UDataWriter.h"
#include "UDestOptions.h"
#include "UException.h"
#include "ULog.h"
#include "UPartRowDataReader.h"
#include "USourceOptions.h"

TDataConvertItem::TDataConvertItem() = default;
TDataConvertItem::~TDataConvertItem() = default;

bool TDataConvertItem::ShouldConvertItem() const
{
    return !DestOptions || DestOptions->WritesData();
}

int TDataConvertItem::ErrorsToAllow() const
{
    return MiscOptions ? MiscOptions->ErrorsToAllow() : 0;
}

bool TDataConvertItem::SharedWriter() const
{
    return DestOptions && DestOptions->MultiItem();
}

bool TDataConvertItem::FirstItem() const
{
    return !DestOptions || DestOptions->FirstItem();
}

bool TDataConvertItem::LastItem() const
{
    return !DestOptions || DestOptions->LastItem();
}

void TDataConvertItem::Prepare()
{
    TLogger& log = TLog::Global();
    if (!SourceOptions || !DestOptions)
        throw Exception(QStringLiteral("TConvertItem.Prepare, the item is not configured."));

    log.Debug(QStringLiteral("SourceOptions.PrepareConvert"));
    TLog::CmdLine().Info(QStringLiteral("SourceOptions.PrepareConvert"));
    SourceOptions->PrepareConvert();

    log.Debug(QStringLiteral("SourceOptions.DataReader"));
    FPartRowReader.reset();
    FDataReader = SourceOptions->DataReader();
    if (!FDataReader)
        throw Exception(QStringLiteral("TConvertItem.Prepare, the source has no data reader."));

    // A later item of a shared-writer session keeps the first item's writer;
    // it is prepared here too when no earlier item got that far.
    if (!SharedWriter() || FirstItem() || !FDataWriter) {
        log.Debug(QStringLiteral("DestOptions.PrepareConvert"));
        DestOptions->PrepareConvert();
        log.Debug(QStringLiteral("DestOptions.DataWriter"));
        FDataWriter = DestOptions->DataWriter();
    }
    if (!FDataWriter)
        throw Exception(QStringLiteral("TConvertItem.Prepare, the destination has no data writer."));

    log.Debug(QStringLiteral("ConfigDataReaderWithConvertRowsSelectOptions"));
    ConfigDataReaderWithConvertRowsSelectOptions();

    if (FDataWriter->NeedInitBySourceTableStruct()) {
        log.Debug(QStringLiteral("FDataWriter.InitBySourceTableStruct"));
        FDataWriter->InitBySourceTableStruct(SourceOptions->TableStruct());
    }
    if (MultiItem && FDataWriter->NeedReadSourceSample()) {
        log.Debug(QStringLiteral("FDataWriter.ReadSourceSample"));
        FDataWriter->ReadSourceSample(SourceOptions->SampleRows());
    }

    log.Debug(SourceOptions->GetDescription());
    log.Debug(DestOptions->GetDescription());
    log.Debug(FDataReader->DebugText());
    log.Debug(FDataWriter->LogText());
}

void TDataConvertItem::CheckSkipRows(int rowCount) const
{
    const int skipRows = RowsSelectOptions->SkipRows();
    if (rowCount > 0 && rowCount < skipRows + 1)
        throw Exception(QStringLiteral("Error: Skip rows (") + QString::number(skipRows) + QStringLiteral(") >= Total rows (")
                        + QString::number(rowCount) + QStringLiteral(")"));
}

void TDataConvertItem::ConfigDataReaderWithConvertRowsSelectOptions()
{
    if (!RowsSelectOptions || RowsSelectOptions->LoadRowsType().toLower() != QLatin1String("part"))
        return;
    CheckSkipRows(FDataReader->RowCount());
    FPartRowReader = std::make_unique<TPartRowDataReader>(FDataReader, RowsSelectOptions->SkipRows() + 1,
                                                          RowsSelectOptions->LoadRows());
    FDataReader = FPartRowReader.get();
}

void TDataConvertItem::DoAfterDataReaderOpen()
{
    FBadFileCreator.Setup(FDataReader);
    // A reader counts its rows only when opened; the skip count is checked
    // again against the real count.
    if (FPartRowReader)
        CheckSkipRows(FPartRowReader->Inner()->RowCount());

    const int readColumns = FDataReader->ColumnCount();
    const int writeColumns = FDataWriter->ColumnCount();
    if (writeColumns >= readColumns)
        return;
    throw Exception(QString::asprintf("ReadColumnCount: %d > WriteColumnCount: %d, SourceOptions.SelectedColumnCount: %d, "
                                      "SourceOptions.OriginColumnCount: %d. ",
                                      readColumns, writeColumns, SourceOptions->SelectedColumnCount(),
                                      SourceOptions->OriginColumnCount()));
}
