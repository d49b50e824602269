#include "UAccessTableCreator.h"

#include "UAccessDBHelper.h"

TAccessTableCreator::TAccessTableCreator() { Initialize(); }

std::unique_ptr<TDBHelper> TAccessTableCreator::CreateDBHelper()
{
    return std::make_unique<TAccessDBHelper>();
}

QString TAccessTableCreator::TranslateType(const QString& type)
{
    // The dialog offers the names Access users know; the engine wants its own.
    if (type == QLatin1String("Date/Time"))
        return QStringLiteral("DateTime");
    if (type == QLatin1String("AutoNumber"))
        return QStringLiteral("Counter");
    if (type == QLatin1String("Yes/No"))
        return QStringLiteral("YESNO");
    if (type == QLatin1String("OLE Object"))
        return QStringLiteral("LONGBINARY");
    return type;
}

void TAccessTableCreator::FillFieldTypeList()
{
    FFieldTypeList = TStringList(QStringList{
        QStringLiteral("Text(255)"), QStringLiteral("Memo"), QStringLiteral("Number"), QStringLiteral("Integer"),
        QStringLiteral("DateTime"), QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("TimeStamp"),
        QStringLiteral("Currency"), QStringLiteral("AutoNumber"), QStringLiteral("YesNo"),
        QStringLiteral("OLE Object")});
    FDefaultFieldType = QStringLiteral("Text(255)");
}

void TAccessTableCreator::FillNonKeyTypes()
{
    FNonKeyTypes = TStringList(QStringList{QStringLiteral("OLE Object"), QStringLiteral("Memo")});
}
