#include "TestUtil.h"
#include "UAmbertide.h"
#include "UErrorReport.h"
#include "UException.h"
#include "UInteractiveApplication.h"
#include "UMainForm.h"

#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

QCoreApplication* CreateTestApplication(int& argc, char** argv)
{
    return new TInteractiveApplication(argc, argv);
}

namespace {

class TThrowingObject : public QObject {
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw Exception(QStringLiteral("handler failed"));
        return QObject::event(e);
    }
};

TEST(MainForm, OpensWithItsComponentNames)
{
    TMainForm form;
    form.show();
    EXPECT_EQ(form.objectName(), QStringLiteral("MainForm"));
    EXPECT_NE(form.findChild<QLabel*>(QStringLiteral("lblWelcome")), nullptr);
}

TEST(InteractiveApplication, EscapingErrorsReachTheHook)
{
    QStringList reported;
    TAmbertide* app = TAmbertide::Instance();
    SetErrorReportHandler([&](const QString& m) { reported.append(m); });
    TMarrowick::SetInteractiveRoad([] {
        TThrowingObject target;
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
    });
    TApp::SetCommandLine({});
    app->Run();
    EXPECT_EQ(reported, QStringList({QStringLiteral("handler failed")}));
    SetErrorReportHandler(nullptr);
    TAmbertide::FreeInstance();
}

}  // namespace
