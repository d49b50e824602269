#include "UErrorReportDlg.h"

#include "UDebugHelper.h"

#include <QApplication>
#include <QMessageBox>

void TErrorReportDlg::Execute(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorReportDlg"));
    box.setDetailedText(TDebugHelper::GetLogText());
    box.exec();
}
