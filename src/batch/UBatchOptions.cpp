#include "UBatchOptions.h"

#include "UException.h"
#include "UTextCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString ReplaceExtension(const QString& fileName, const QString& newExt)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return fileName + newExt;
    // The file's own extension, never a look-alike in a folder name.
    return fileName.left(fileName.size() - suffix.size() - 1) + newExt;
}

}  // namespace

bool TBatchOptions::Validate()
{
    Message.clear();
    if (SessionFile.isEmpty())
        Message = QStringLiteral("Please enter sessoin file name.");
    else if (LogFile.isEmpty())
        Message = QStringLiteral("Please enter log file name.");
    else if (BatchFile.isEmpty())
        Message = QStringLiteral("Please enter batch file name.");
    return Message.isEmpty();
}

QString TBatchOptions::ProgramPath() const
{
    return FProgramPath.isEmpty() ? QCoreApplication::applicationFilePath() : FProgramPath;
}

QString TBatchOptions::BatchLine() const
{
    return QLatin1Char('"') + ProgramPath() + QStringLiteral("\"  ") + SessionParamName + QStringLiteral("=\"")
        + SessionFile + QStringLiteral("\" logfile=\"") + LogFile + QLatin1Char('"');
}

void TBatchOptions::CreateBatchFile()
{
    QSaveFile f(BatchFile);
    const QByteArray bytes = EncodeText(BatchLine() + QStringLiteral("\r\n"), Encodings::Ansi, false);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw EInOutError(QStringLiteral("Unable to write to %1").arg(BatchFile));
    QFile::setPermissions(BatchFile, QFile::permissions(BatchFile) | QFileDevice::ExeOwner | QFileDevice::ExeUser
                                         | QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

void TBatchOptions::PresetSessionFile(const QString& sessionFile)
{
    SessionFile = sessionFile;
    LogFile = ReplaceExtension(sessionFile, QStringLiteral(".log"));
    BatchFile = ReplaceExtension(sessionFile, QStringLiteral(".bat"));
}

QString HidePassword(const QString& paramsText)
{
    const QString key = QStringLiteral("password=\"");
    const int start = paramsText.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0)
        return paramsText;
    const int valueStart = start + key.size();
    const int close = paramsText.indexOf(QLatin1Char('"'), valueStart);
    const QString rest = close < 0 ? QString() : paramsText.mid(close + 1);
    return paramsText.left(start) + paramsText.mid(start, key.size() - 2) + QStringLiteral("=\"******\"") + rest;
}
