#include "USessionManager.h"

#include "UAppFolders.h"
#include "UConvertSession.h"
#include "UException.h"
#include "ULog.h"
#include "USessionSaver.h"

#include <QFile>
#include <QFileInfo>

bool TSessionManager::AskSaveIfChanged(TConvertSession& session)
{
    if (session.IsEmpty() || !session.IsChanged() || !FPrompter)
        return false;
    return FPrompter->Confirm(QStringLiteral("Save changed session now?\r\n") + session.GetNameOrDescription());
}

bool TSessionManager::SaveAs(TConvertSession& session)
{
    if (!FPrompter)
        return false;
    QString fileName;
    bool makeBatchFile = false;
    if (FPrompter->ChooseSaveFile(session, fileName, makeBatchFile)) {
        TSessionSaver saver(session);
        saver.Save(fileName, makeBatchFile);
        if (saver.MakeBatchFile() && QFileInfo::exists(fileName) && FBatchFileDialog)
            FBatchFileDialog(fileName);
    }
    return !session.FileName().isEmpty() && QFileInfo::exists(session.FileName());
}

QString TSessionManager::TemplateFileName(const TConvertSession& session)
{
    return GetAmbertideDataFolder() + QStringLiteral("recent.") + session.DefaultExt();
}

QString TSessionManager::WriteTemplateCopy(TConvertSession& session)
{
    TLogger& log = TLog::Global();
    QString fileName;
    try {
        fileName = TemplateFileName(session);
    } catch (const std::exception& e) {
        log.Debug(QStringLiteral("Cannot create template session file: ") + ExceptionMessage(e));
        return QString();
    }
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        log.Debug(QStringLiteral("Cannot create template session file \"%1\": %2").arg(fileName, f.errorString()));
        return QString();
    }
    f.close();
    try {
        session.WriteSections(fileName);
        log.Debug(ReadSessionFileText(fileName));
    } catch (const std::exception& e) {
        log.Debug(QStringLiteral("Cannot dump session file: ") + ExceptionMessage(e));
    }
    return fileName;
}
