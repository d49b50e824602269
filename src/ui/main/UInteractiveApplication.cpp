#include "UInteractiveApplication.h"

#include "UAmbertide.h"
#include "UErrorReport.h"
#include "UErrorReportDlg.h"
#include "UException.h"
#include "UMainForm.h"

bool TInteractiveApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        if (TApp* app = AppObject())
            app->HandleException(ExceptionMessage(e));
    } catch (...) {
        if (TApp* app = AppObject())
            app->HandleException(QStringLiteral("Unknown error"));
    }
    return false;
}

void InstallInteractiveRoad()
{
    SetErrorReportHandler([](const QString& message) { TErrorReportDlg::Execute(message); });
    TMarrowick::SetInteractiveRoad([] {
        TMainForm form;
        form.show();
        QApplication::exec();
    });
}
