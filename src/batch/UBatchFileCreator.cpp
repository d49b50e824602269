#include "UBatchFileCreator.h"

#include "ULogonBatchOptions.h"

namespace {
TLogonBatchFileCreator::TDialogRunner& Runner()
{
    static TLogonBatchFileCreator::TDialogRunner runner;
    return runner;
}
}  // namespace

void TLogonBatchFileCreator::SetDialogRunner(TDialogRunner runner)
{
    Runner() = std::move(runner);
}

void TLogonBatchFileCreator::PrepareOptions(TLogonBatchOptions& options, const QString& sessionFile) const
{
    options.SourceLogonOption = SourceLogonOption;
    options.TargetLogonOption = TargetLogonOption;
    if (Mode.toLower() == QLatin1String("task"))
        options.SessionParamName = QStringLiteral("task");
    if (!sessionFile.isEmpty())
        options.PresetSessionFile(sessionFile);
}

bool TLogonBatchFileCreator::CreateDialog(const QString& sessionFile)
{
    if (!Runner())
        return false;
    TLogonBatchOptions options;
    PrepareOptions(options, sessionFile);
    return Runner()(options);
}
