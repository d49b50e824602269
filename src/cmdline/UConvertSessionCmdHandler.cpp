#include "UConvertSessionCmdHandler.h"

#include "UConvertSession.h"
#include "UOutputer.h"
#include "USessionExecutor.h"
#include "USessionObjectFactory.h"

TSessionExecutor::TRunResult TConvertSessionCmdHandler::RunSessionFile(const QString& sessionFile, const QString& logFile)
{
    std::unique_ptr<TConvertSession> session = FFactory->CreateSessionFromFile(sessionFile);
    std::unique_ptr<TOutputer> outputer = FFactory->CreateOutputer(sessionFile, logFile);
    std::unique_ptr<TSessionExecutor> executor = FFactory->CreateExecutor(sessionFile);
    executor->SetSession(session.get());
    executor->SetOutputer(outputer.get());
    executor->SetUnattended(true);
    const bool ran = executor->Execute();
    const TSessionExecutor::TRunResult result = ran ? executor->RunResult() : TSessionExecutor::TRunResult::Failed;
    // The executor and the outputer refer to the session: free them first.
    executor.reset();
    outputer.reset();
    return result;
}
