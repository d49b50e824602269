#include "UMainForm.h"

#include <QLabel>

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Ambertide"));
    auto* welcome = new QLabel(QStringLiteral("Ambertide: import JSON data into Access-style databases."), this);
    welcome->setObjectName(QStringLiteral("lblWelcome"));
    welcome->setAlignment(Qt::AlignCenter);
    setCentralWidget(welcome);
    resize(900, 600);
}
