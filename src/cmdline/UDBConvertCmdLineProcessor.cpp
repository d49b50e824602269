#include "UDBConvertCmdLineProcessor.h"

#include "UConvertSessionCmdHandler.h"
#include "UDBLogon.h"
#include "UDBObjectFactory.h"
#include "UException.h"
#include "ULog.h"
#include "UMyIniFile.h"
#include "USessionObjectFactory.h"
#include "USqlExecutor.h"
#include "UTextCodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

TLogger& CmdLog()
{
    return TLog::CmdLine();
}

QString ReadTextFile(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    return DecodeText(f.readAll(), Encodings::AutoDetect);
}

}  // namespace

bool TDBConvertCmdLineProcessor::Execute()
{
    FSessionFileName = Param(QStringLiteral("session"));
    if (!Logon())
        return false;
    FWorkspaceFileName = Param(QStringLiteral("workspace"));
    if (!FWorkspaceFileName.isEmpty()) {
        RunWorkspace();
    } else if (!FSessionFileName.isEmpty()) {
        RunSession();
    } else {
        const struct {
            const char* param;
            const char* mode;
        } sqlParams[] = {{"source_sql", "source"}, {"dest_sql", "dest"}, {"sql", "check"}};
        for (const auto& p : sqlParams) {
            const QString file = Param(QString::fromLatin1(p.param));
            if (!file.isEmpty()) {
                FSqlFileName = file;
                FSqlMode = QString::fromLatin1(p.mode);
                RunSqlFile(FSqlFileName, FSqlMode);
                break;
            }
        }
    }
    return true;
}

bool TDBConvertCmdLineProcessor::SessionHasSection(const QString& section) const
{
    if (FSessionFileName.isEmpty() || !QFileInfo::exists(FSessionFileName))
        return false;
    TMyIniFile ini(FSessionFileName);
    TStringList sections;
    ini.ReadSections(sections);
    return sections.IndexOf(section) >= 0;
}

bool TDBConvertCmdLineProcessor::LogonOne(TDBObjectFactory* factory, bool fromParams, const QString& section,
                                          const QString& failure)
{
    try {
        if (fromParams)
            return factory->GetLogon().LogonFromParams(Params());
        if (!section.isEmpty())
            return factory->GetLogon().LogonFromIni(FSessionFileName, section);
        CmdLog().Error(failure);
        return false;
    } catch (const std::exception& e) {
        CmdLog().Error(ExceptionMessage(e));
        return false;
    }
}

bool TDBConvertCmdLineProcessor::Logon()
{
    if (!FSourceFactory && !FTargetFactory)
        return true;
    bool fromParams = false;
    for (int i = 0; i < Params().Count(); ++i) {
        const QString name = Params().Names(i).toLower();
        if (name.contains(QLatin1String("database")) || name.contains(QLatin1String("server")))
            fromParams = true;
    }
    bool result = true;
    if (FSourceFactory) {
        QString section;
        if (SessionHasSection(QStringLiteral("SourceDB")))
            section = QStringLiteral("SourceDB");
        else if (FTargetFactory == FSourceFactory && SessionHasSection(QStringLiteral("TargetDB")))
            section = QStringLiteral("TargetDB");
        result = LogonOne(FSourceFactory, fromParams, section,
                          QStringLiteral("Can not logon Source DB, no cmd params, no ini values."));
        if (!result)
            return false;
    }
    if (FTargetFactory && FTargetFactory != FSourceFactory) {
        const QString section = SessionHasSection(QStringLiteral("TargetDB")) ? QStringLiteral("TargetDB") : QString();
        result = LogonOne(FTargetFactory, fromParams, section,
                          QStringLiteral("Can not logon Target DB, no cmd params, no ini values."));
    }
    return result;
}

void TDBConvertCmdLineProcessor::RunWorkspace()
{
    if (!QFileInfo::exists(FWorkspaceFileName)) {
        CmdLog().Error(QStringLiteral("workspace file: ") + FWorkspaceFileName + QStringLiteral(" not exists."));
        ReportOutcome(TCmdLineOutcome::Failed);
        return;
    }
    CmdLog().Info(FWorkspaceFileName);
    TStringList lines;
    lines.SetText(ReadTextFile(FWorkspaceFileName));
    for (const QString& line : lines) {
        FSessionFileName = line;
        RunSession();
    }
}

void TDBConvertCmdLineProcessor::RunSession()
{
    if (!QFileInfo::exists(FSessionFileName)) {
        CmdLog().Error(QStringLiteral("session file: ") + FSessionFileName + QStringLiteral(" not exists."));
        ReportOutcome(TCmdLineOutcome::Failed);
        return;
    }
    CmdLog().Info(FSessionFileName);
    if (!SessionObjectFactory()->IsSessionFile(FSessionFileName)) {
        CmdLog().Error(QStringLiteral("invalid session file: ") + FSessionFileName);
        ReportOutcome(TCmdLineOutcome::Failed);
        return;
    }
    TConvertSessionCmdHandler handler(SessionObjectFactory());
    try {
        switch (handler.RunSessionFile(FSessionFileName, LogFileName())) {
        case TSessionExecutor::TRunResult::Success: break;
        case TSessionExecutor::TRunResult::Partly: ReportOutcome(TCmdLineOutcome::RowsRejected); break;
        case TSessionExecutor::TRunResult::Failed: ReportOutcome(TCmdLineOutcome::Failed); break;
        }
    } catch (...) {
        // A session that cannot be loaded ends the run (a workspace stops here).
        ReportOutcome(TCmdLineOutcome::Failed);
        throw;
    }
}

void TDBConvertCmdLineProcessor::RunSqlFile(const QString& fileName, const QString& mode)
{
    TDBObjectFactory* factory = nullptr;
    if (mode == QLatin1String("source"))
        factory = FSourceFactory;
    else if (mode == QLatin1String("dest"))
        factory = FTargetFactory;
    else
        factory = FSourceFactory ? FSourceFactory : FTargetFactory;
    if (!factory) {
        CmdLog().Error(QStringLiteral("can not execute sql file, check your parameter sql/source_sql/dest_sql."));
        ReportOutcome(TCmdLineOutcome::Failed);
        return;
    }
    CmdLog().Info(QStringLiteral("start execute sql."));
    try {
        const QString text = ReadTextFile(fileName);
        CmdLog().Info(text);
        factory->GetSqlExecutor().ExecSql(text);
    } catch (const std::exception& e) {
        CmdLog().Error(QStringLiteral("exception: ") + ExceptionMessage(e));
        ReportOutcome(TCmdLineOutcome::Failed);
    }
    CmdLog().Info(QStringLiteral("end execute sql."));
}
