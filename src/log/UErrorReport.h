#pragma once
// The error report of the support services: shows a message with the in-memory
// log. The user interface installs the dialog; without one the message goes
// to standard error.

#include <QString>
#include <functional>

using TErrorReportHandler = std::function<void(const QString& message)>;
void SetErrorReportHandler(TErrorReportHandler handler);
void ShowErrorReport(const QString& message);
