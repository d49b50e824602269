#include "UGridDataConverter.h"

#include "UBadFileCreator.h"
#include "UDataConvertItem.h"
#include "UDataReader.h"
#include "UDataWriter.h"
#include "UException.h"
#include "ULog.h"
#include "UStringList.h"

namespace {

constexpr int MaxLoggedWriteErrors = 20;

QString MessageOf(const std::exception& e)
{
    if (auto* ex = dynamic_cast<const Exception*>(&e))
        return ex->Message();
    return QString::fromUtf8(e.what());
}

}  // namespace

void TGridDataConverter::StartSession()
{
    FOpenSharedWriter = nullptr;
    if (ConvertItem())
        ConvertItem()->StartSession();
}

void TGridDataConverter::FinishSession()
{
    if (!FOpenSharedWriter)
        return;
    TDataWriter* writer = FOpenSharedWriter;
    FOpenSharedWriter = nullptr;
    try {
        TLog::Global().Debug(QStringLiteral("TGridDataConverter.FinishSession DataWriter.AfterWork"));
        writer->AfterWork();
    } catch (const std::exception& e) {
        Status().ErrorMessage = MessageOf(e);
        Status().FireError();
        TLog::Global().Error(MessageOf(e));
    }
}

void TGridDataConverter::Init()
{
    TLogger& log = TLog::Global();
    TDataConvertItem* item = ConvertItem();
    // Nothing of the previous item is touched again if this one fails early.
    FDataReader = nullptr;
    FDataWriter = nullptr;
    FBadFileCreator = nullptr;
    if (!item)
        throw Exception(QStringLiteral("TGridDataConverter.Init, no convert item."));
    log.Debug(QStringLiteral("TGridDataConverter.Init ConvertItem.Prepare"));
    item->Prepare();
    log.Debug(QStringLiteral("TGridDataConverter.Init DataReader"));
    FDataReader = item->DataReader();
    log.Debug(QStringLiteral("TGridDataConverter.Init DataWriter"));
    FDataWriter = item->DataWriter();
    log.Debug(QStringLiteral("TGridDataConverter.Init BadFileCreator"));
    FBadFileCreator = &item->BadFileCreator();
    SetErrorsToAllow(item->ErrorsToAllow());

    Status().SourceDesc = FDataReader->SourceText();
    Status().TargetDesc = FDataWriter->GetDescription();

    FNeedDebugOnRecordLevel = true;
    log.Debug(QStringLiteral("TGridDataConverter.SetupNeedDebugOnRecordLevel: ") + BoolToStr(FNeedDebugOnRecordLevel));

    log.Debug(QStringLiteral("TGridDataConverter.Init DataReader.Open"));
    FDataReader->Open();
    log.Debug(QStringLiteral("TGridDataConverter.Init ConvertItem.DoAfterDataReaderOpen"));
    item->DoAfterDataReaderOpen();
    log.Debug(QStringLiteral("TGridDataConverter.Init BadFileCreator.StartCreate"));
    FBadFileCreator->StartCreate();
    FColumnCount = FDataReader->ColumnCount();
}

void TGridDataConverter::CalcTotalRows()
{
    Status().TotalRows = FDataReader->RowCount();
    TLog::Global().Debug(QStringLiteral("CalcTotalRows: ") + QString::number(Status().TotalRows));
}

bool TGridDataConverter::StartsWriter() const
{
    const TDataConvertItem* item = ConvertItem();
    // A shared writer is started once per session run, by the first item that gets this far.
    return !item->SharedWriter() || FOpenSharedWriter != FDataWriter;
}

bool TGridDataConverter::FinishesWriter() const
{
    const TDataConvertItem* item = ConvertItem();
    return !item->SharedWriter() || item->LastItem();
}

void TGridDataConverter::StartConvert()
{
    TIterativeConverter::StartConvert();
    TLogger& log = TLog::Global();
    try {
        if (StartsWriter()) {
            log.Debug(QStringLiteral("TGridDataConverter.StartConvert DataWriter.BeforeWork"));
            FDataWriter->BeforeWork();
            if (ConvertItem()->SharedWriter())
                FOpenSharedWriter = FDataWriter;
        }
        log.Debug(QStringLiteral("TGridDataConverter.StartConvert DataReader.GotoIndex"));
        if (!FDataReader->RowCountUnknown() && FDataReader->RowCount() > 0)
            FDataReader->GotoIndex(1);
        log.Debug(QStringLiteral("TGridDataConverter.StartConvert Done"));
    } catch (const std::exception& e) {
        const QString message = MessageOf(e);
        ReportException(message);
        throw Exception(message);
    }
}

void TGridDataConverter::EndConvert()
{
    TLogger& log = TLog::Global();
    try {
        if (FinishesWriter()) {
            log.Debug(QStringLiteral("TGridDataConverter.EndConvert DataWriter.AfterWork"));
            if (FOpenSharedWriter == FDataWriter)
                FOpenSharedWriter = nullptr;
            FDataWriter->AfterWork();
        }
        log.Debug(QStringLiteral("TGridDataConverter.EndConvert Done"));
        if (FBadFileCreator->HasBadRecords())
            ReportException(QStringLiteral("Please see the Bad File: ") + FBadFileCreator->Path() + QStringLiteral("."));
        else if (!FBadFileCreator->OpenError().isEmpty())
            // The rejected records are in no file: the log is the only place left to say so.
            ReportException(QStringLiteral("The rejected records could not be kept in a Bad File: ")
                            + FBadFileCreator->OpenError());
    } catch (const std::exception& e) {
        ReportException(MessageOf(e));
        return;
    }
    TIterativeConverter::EndConvert();
}

void TGridDataConverter::Cleanup()
{
    if (FBadFileCreator)
        FBadFileCreator->Finish();
    if (FDataReader)
        FDataReader->Close();
}

bool TGridDataConverter::HasNext()
{
    return FDataReader->HasNext();
}

void TGridDataConverter::Next()
{
    FDataReader->Next();
}

int TGridDataConverter::RecNo()
{
    return FDataReader ? FDataReader->RowIndex() : 0;
}

bool TGridDataConverter::IsTotalRowsUnknown()
{
    return FDataReader->RowCountUnknown();
}

void TGridDataConverter::ConvertOneRecord()
{
    FDataWriter->NewRecord();
    for (int c = 0; c < FColumnCount; ++c) {
        QString value;
        try {
            value = FDataReader->FilteredValue(c);
        } catch (const std::exception& e) {
            TLog::Global().Debug(QStringLiteral("TGridDataConverter.ConvertOneRecord DataReader.FilteredValue(")
                                 + QString::number(c) + QStringLiteral(")"));
            ReadError(c, MessageOf(e));
            return;
        }
        try {
            FDataWriter->SetValue(c, value);
        } catch (const std::exception& e) {
            TLog::Global().Debug(QStringLiteral("TGridDataConverter.ConvertOneRecord DataWriter.SetValue(")
                                 + QString::number(c) + QStringLiteral(")"));
            SetValueError(c, value, MessageOf(e));
            return;
        }
    }
    try {
        FDataWriter->Write();
    } catch (const std::exception& e) {
        const QString message = MessageOf(e);
        const int errors = Status().ErrorCount;
        if (errors < MaxLoggedWriteErrors)
            TLog::Global().Debug(QStringLiteral("TGridDataConverter.ConvertOneRecord DataWriter.Write ")
                                 + FDataReader->PositionText() + QStringLiteral(": ") + message);
        else if (errors == MaxLoggedWriteErrors)
            TLog::Global().Debug(QStringLiteral("TGridDataConverter.ConvertOneRecord DataWriter.Write Error Count>20"));
        WriteError(message);
    }
}

void TGridDataConverter::ReadError(int column, const QString& message)
{
    ++Status().ErrorCount;
    ReportRecordError(QStringLiteral("Read Data Error, at: ") + FDataReader->PositionText(), message);
}

void TGridDataConverter::SetValueError(int column, const QString& value, const QString& message)
{
    ++Status().ErrorCount;
    const QString text = QStringLiteral("Set Value Error, at ") + FDataReader->PositionText() + QStringLiteral(", Col: ")
        + QString::number(column) + QStringLiteral(" [") + FDataReader->ColumnName(column) + QStringLiteral("]")
        + QStringLiteral(", Value: ") + value;
    FBadFileCreator->WriteRecord();
    ReportRecordError(text, message);
}

void TGridDataConverter::WriteError(const QString& message)
{
    ++Status().ErrorCount;
    QString text = QStringLiteral("Write Data Error, at: ") + FDataReader->PositionText() + QStringLiteral("\r\n");
    for (int c = 0; c < FColumnCount; ++c) {
        const QString value = FDataReader->ColumnValue(c).trimmed();
        text += QStringLiteral("Col: ") + QString::number(c) + QStringLiteral("  Value: ") + value
            + QStringLiteral("  Length: ") + QString::number(value.size()) + QStringLiteral("\r\n");
    }
    FBadFileCreator->WriteRecord();
    ReportRecordError(text, message);
}
