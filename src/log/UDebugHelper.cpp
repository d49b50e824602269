#include "UDebugHelper.h"

#include "ULog.h"
#include "UMemoryLogAppender.h"

#include <QSet>
#include <memory>

namespace {

std::unique_ptr<TMemoryLogAppender>& DebugAppender()
{
    static std::unique_ptr<TMemoryLogAppender> appender;
    return appender;
}

QSet<QString>& DescribedFiles()
{
    static QSet<QString> files;
    return files;
}

}  // namespace

void TDebugHelper::Initialize()
{
    auto& appender = DebugAppender();
    if (appender)
        return;
    appender = std::make_unique<TMemoryLogAppender>(Capacity);
    appender->SetDebugLevel();
    TLog::Global().AddAppender(appender.get());
}

void TDebugHelper::Finalize()
{
    DebugAppender().reset();
    DescribedFiles().clear();
}

TMemoryLogAppender* TDebugHelper::Appender()
{
    return DebugAppender().get();
}

QString TDebugHelper::GetLogText()
{
    return DebugAppender() ? DebugAppender()->GetText() : QString();
}

void TDebugHelper::AddDescribedFile(const QString& fileName)
{
    DescribedFiles().insert(fileName.toLower());
}

bool TDebugHelper::IsFileDescribed(const QString& fileName)
{
    return DescribedFiles().contains(fileName.toLower());
}

void TDebugHelper::Clear()
{
    if (DebugAppender())
        DebugAppender()->Clear();
    DescribedFiles().clear();
}
