#include "UErrorReport.h"

#include <cstdio>

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
    // Without a window (the command line) the report goes to standard error.
    if (Handler())
        Handler()(message);
    else
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
