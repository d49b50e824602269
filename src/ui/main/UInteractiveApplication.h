#pragma once
// The application of the interactive road. Every error that escapes an event
// handler reaches the application object's exception hook instead of ending
// the program.

#include <QApplication>

class TInteractiveApplication : public QApplication {
    Q_OBJECT
public:
    TInteractiveApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

// Points the interactive road of the application object at the main window and
// the error report at its dialog.
void InstallInteractiveRoad();
