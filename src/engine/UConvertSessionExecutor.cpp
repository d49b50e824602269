#include "UConvertSessionExecutor.h"

#include "UApp.h"
#include "UAppFolders.h"
#include "UBadFileCreator.h"
#include "UBatchOutputer.h"
#include "UConvertOutputer.h"
#include "UConvertSession.h"
#include "UConvertSessionObjectFactory.h"
#include "UDataConvertItem.h"
#include "UException.h"
#include "UErrorReport.h"
#include "UExceptionStat.h"
#include "ULog.h"
#include "UMemoryLogAppender.h"
#include "UTextCodec.h"

#include <QDir>
#include <QFile>

namespace {

QString MessageOf(const std::exception& e)
{
    if (auto* ex = dynamic_cast<const Exception*>(&e))
        return ex->Message();
    return QString::fromUtf8(e.what());
}

}  // namespace

TConvertSessionExecutor::TConvertSessionExecutor() = default;
TConvertSessionExecutor::~TConvertSessionExecutor() = default;

void TConvertSessionExecutor::SetSession(TConvertSession* session)
{
    TSessionExecutor::SetSession(session);
    FConvertSession = session;
    TDataConvertItem* item = nullptr;
    if (session) {
        item = dynamic_cast<TDataConvertItem*>(&session->ConvertItem());
        if (!item)
            throw Exception(QStringLiteral("Cast Error: the session's convert item is not a TDataConvertItem"));
    }
    FConverter.SetConvertItem(item);
}

void TConvertSessionExecutor::Report(const QString& text)
{
    if (Outputer())
        Outputer()->WriteLog(text);
    TLog::Global().Debug(text);
}

bool TConvertSessionExecutor::Execute()
{
    DumpSession();
    bool result = false;
    try {
        if (!FConvertSession)
            throw Exception(QStringLiteral("TConvertSessionExecutor.Execute, no session."));
        FItemCount = FConvertSession->GetItemCount();
        if (FBatchOutputer) {
            FBatchOutputer->Clear();
            FBatchOutputer->SetItemCount(FItemCount);
        }
        FConvertOutputer = dynamic_cast<TConvertOutputer*>(Outputer());
        if (!FConvertOutputer)
            throw Exception(QStringLiteral("Cast Error: ") + (Outputer() ? Outputer()->ClassName() : QStringLiteral("nil"))
                            + QStringLiteral(" is not a TConvertOutputer"));
        FConvertOutputer->Attach(&FConverter.Status());
        Convert();
        result = true;
    } catch (const std::exception& e) {
        const QString message = MessageOf(e);
        if (Outputer())
            Outputer()->WriteLog(message);
        TLog::Global().Error(QStringLiteral("In TConvertSessionExecutor.Execute, ") + message);
    }
    if (TExceptionStat::HasErrors()) {
        const QString captured = TExceptionStat::Appender() ? TExceptionStat::Appender()->GetText() : QString();
        ShowErrorReport(QStringLiteral("Convert Has Exception.") + QStringLiteral("\r\n") + captured);
        TExceptionStat::Clear();
    }
    return result;
}

void TConvertSessionExecutor::Stop()
{
    FStopRequested = true;
    FConverter.Stop();
    if (Outputer())
        Outputer()->WriteLog(QStringLiteral("Stopped"));
}

void TConvertSessionExecutor::DumpSession()
{
    if (!IsInteractive() || !FConvertSession)
        return;
    const TSessionFileSetting setting =
        FConvertSession->Factory().GetSessionFileSetting(FConvertSession->ConvertTypeOptions().ConvertType());
    QString ext = setting.DefaultExt.isEmpty() ? FConvertSession->DefaultExt() : setting.DefaultExt;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    // A folder that cannot be created ends the run here, before any item.
    const QString path = QDir(GetAppDataFolder(QStringLiteral("Ambertide"))).filePath(QStringLiteral("recent.") + ext);
    TLogger& log = TLog::Global();
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate) || probe.write("\r\n") != 2) {
        log.Debug(QStringLiteral("Cannot create template session file \"") + path + QStringLiteral("\": ")
                  + probe.errorString());
        return;
    }
    probe.close();
    try {
        FConvertSession->WriteSections(path);
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            log.Debug(DecodeText(file.readAll(), Encodings::Ansi));
    } catch (const std::exception& e) {
        log.Debug(QStringLiteral("Cannot dump session file: ") + MessageOf(e));
    }
}

QString TConvertSessionExecutor::ItemName(int index) const
{
    QString name = FConvertSession->SourceSetOptions().SourceOptions().GetDisplayName();
    if (name.isEmpty())
        name = QStringLiteral("Item on index: ") + QString::number(index);
    return name;
}

void TConvertSessionExecutor::ReportFailure(const QString& message, const QString& place)
{
    if (Outputer()) {
        Outputer()->WriteLog(QStringLiteral("Convert Failed"));
        Outputer()->WriteLog(QStringLiteral("ConvertSessionExecutor.Convert ") + place + QStringLiteral(" Exception"));
        Outputer()->WriteLog(message);
        if (message.trimmed() == QLatin1String("I/O error 32"))
            Outputer()->WriteLog(QStringLiteral("Please close data file if it is opened in other application."));
    }
    ReportItemResult(QStringLiteral("Failed"));
    TLog::Global().Error(QStringLiteral("In ") + place + QStringLiteral(", ") + message);
}

void TConvertSessionExecutor::ReportItemResult(const QString& status)
{
    if (status == QLatin1String("Failed"))
        FRunResult = TRunResult::Failed;
    else if (status == QLatin1String("Partly") && FRunResult == TRunResult::Success)
        FRunResult = TRunResult::Partly;
    if (!FBatchOutputer)
        return;
    FBatchOutputer->SetSource(FConvertSession->GetSourceShortName());
    FBatchOutputer->SetStatus(status);
    if (status != QLatin1String("Failed"))
        FBatchOutputer->SetRows(FConverter.Status().ConvertedRows);
    FBatchOutputer->SetTarget(FConvertSession->GetDestName());
}

void TConvertSessionExecutor::Convert()
{
    const QString unitWord =
        TConvertSessionObjectFactory::GetSetNoun(FConvertSession->ConvertTypeOptions().SourceType());
    FTotalRecords = 0;
    FRunResult = TRunResult::Success;
    QStringList failedItems;
    QStringList succeededItems;
    int attempted = 0;
    Report(QStringLiteral("Start Convert"));
    FConverter.StartSession();

    for (int i = 0; i < FItemCount && !FStopRequested; ++i) {
        ++attempted;
        try {
            FConvertSession->ConfigOne(i);
        } catch (const std::exception& e) {
            ReportFailure(MessageOf(e), QStringLiteral("ConvertSession.ConfigOne(") + QString::number(i) + QStringLiteral(")"));
            failedItems.append(ItemName(i));
            continue;
        }
        const QString name = ItemName(i);

        if (FConvertSession->ShouldConvertItem()) {
            try {
                FConverter.Execute();
            } catch (const std::exception& e) {
                const QString message = MessageOf(e);
                const QString reason = FConverter.CurrentStep().isEmpty() ? message : FConverter.CurrentStep();
                TLog::Global().Debug(QString::asprintf("MaybeExceptReason: %s , DataIndex: %d. ", qUtf8Printable(reason),
                                                       FConverter.DataIndex()));
                ReportFailure(message, QStringLiteral("GridDataConverter.Execute"));
                failedItems.append(name);
                continue;
            }
        }

        try {
            FConvertSession->AfterConvertOne(i);
        } catch (const std::exception& e) {
            TLog::Global().Debug(QStringLiteral("ConvertSession.AfterConvertOne(") + QString::number(i)
                                 + QStringLiteral("): ") + MessageOf(e));
        }
        FTotalRecords += FConverter.Status().ConvertedRows;
        QString status;
        if (FConverter.Stopped() || FConverter.Status().ErrorCount > 0) {
            status = QStringLiteral("Partly");
            failedItems.append(name);
        } else {
            status = QStringLiteral("Success");
            succeededItems.append(name);
        }
        ReportItemResult(status);
    }
    FStopRequested = false;
    // A shared writer left open by a failed or stopped later item still
    // commits what the earlier items wrote.
    FConverter.FinishSession();

    Report(QStringLiteral("Total Convert Records: ") + QString::number(FTotalRecords));
    Report(QStringLiteral("End Convert"));
    if (FItemCount > 1) {
        const QString n = QLatin1Char(' ') + unitWord;
        Report(QStringLiteral("Total ") + QString::number(FItemCount) + n);
        Report(QStringLiteral("Converted ") + QString::number(attempted) + n);
        Report(QStringLiteral("Succeeded ") + QString::number(attempted - failedItems.size()) + n);
        Report(QStringLiteral("Failed (partly) ") + QString::number(failedItems.size()) + n);
        if (!failedItems.isEmpty()) {
            Report(QStringLiteral("Failed (partly) ") + unitWord + QStringLiteral(":"));
            for (const QString& item : failedItems)
                Report(item);
        }
    }
    if (FBatchOutputer)
        FBatchOutputer->SetTotalRecords(FTotalRecords);
    FConvertSession->SourceSetOptions().FinishItems(succeededItems);
}
