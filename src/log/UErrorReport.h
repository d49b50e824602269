#pragma once
// The error report of the support services: shows a message with the in-memory
// log. The user interface installs the dialog; without one a report only logs.

#include <QString>
#include <functional>

using TErrorReportHandler = std::function<void(const QString& message)>;
void SetErrorReportHandler(TErrorReportHandler handler);
void ShowErrorReport(const QString& message);
