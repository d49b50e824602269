#include "UErrorReport.h"

namespace {
TErrorReportHandler& Handler()
{
    static TErrorReportHandler handler;
    return handler;
}
}  // namespace

void SetErrorReportHandler(TErrorReportHandler handler)
{
    Handler() = std::move(handler);
}

void ShowErrorReport(const QString& message)
{
    if (Handler())
        Handler()(message);
}
