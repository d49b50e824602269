#pragma once
// Shows an error with the in-memory debug log as its details.

#include <QString>

class TErrorReportDlg {
public:
    static void Execute(const QString& message);
};
