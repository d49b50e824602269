#include "UMarrowickSessionObjectFactory.h"

TMarrowickSessionObjectFactory::TMarrowickSessionObjectFactory()
{
    Initialize();
}

TSessionFileSetting TMarrowickSessionObjectFactory::OneFileSetting()
{
    return {QStringLiteral("1To1SessionList"), QStringLiteral("1 To 1 Json Import Session (*.jif)|*.jif"),
            QStringLiteral("jif"), QStringLiteral("Load")};
}

TSessionFileSetting TMarrowickSessionObjectFactory::FolderSetting()
{
    return {QStringLiteral("NTo1SessionList"), QStringLiteral("N To 1 Json Import Session (*.jin)|*.jin"),
            QStringLiteral("jin"), QStringLiteral("Load")};
}

void TMarrowickSessionObjectFactory::RegisterExtensions()
{
    RegisterExtension(QStringLiteral(".jif"), ConvertTypes::JsonToTable);
    RegisterExtension(QStringLiteral(".jin"), ConvertTypes::JsonSetToTable);
}

void TMarrowickSessionObjectFactory::RegisterSessionFileSettings()
{
    RegisterSessionFileSetting(ConvertTypes::JsonToTable, OneFileSetting());
    RegisterSessionFileSetting(ConvertTypes::JsonSetToTable, FolderSetting());
}

void TMarrowickSessionObjectFactory::RegisterClasses()
{
    const QString json = QStringLiteral("Json");
    const QString table = QStringLiteral("Table");
    RegisterSourceClass(json, SessionRoles::SourceUIPackage, QStringLiteral("JsonSourceUIPackage"));
    RegisterSourceClass(json, SessionRoles::SourceOptions, QStringLiteral("JsonSourceOptions"));
    RegisterSourceClass(json, SessionRoles::SourceController, QStringLiteral("JsonSourceController"));
    RegisterDestClass(table, SessionRoles::DestUIPackage, QStringLiteral("TableDestUIPackage"));
    RegisterDestClass(table, SessionRoles::DestOptions, QStringLiteral("TableDestOptions"));
    RegisterDestClass(table, SessionRoles::DestController, QStringLiteral("TableDestController"));
    RegisterSourceClass(json, SessionRoles::SourceSetChoiceUIPackage, QStringLiteral("FolderChoiceUIPackage"));
    RegisterSourceClass(json, SessionRoles::SourceSetChoiceOptions, QStringLiteral("FolderChoiceOptions"));
    RegisterSourceClass(json, SessionRoles::SourceSetChoiceController, QStringLiteral("FolderChoiceController"));
}

TWizardDialogChoice TMarrowickSessionObjectFactory::GetWizardDialogChoice(const QString& itemType,
                                                                         const QString& dialogName) const
{
    const struct {
        const char* dialog;
        const char* item;
        const char* form;
        const char* mask;
    } choices[] = {
        {"Source", "Json", "TOpenJsonDlg", ""},
        {"SourceFirst", "JsonSet", "TOpenJsonDlg", ""},
        {"SourceSet", "JsonSet", "TOpenFolderDlg", "*.json;*.dat;*.*"},
        {"Dest", "Table", "TSetTableDlg", ""},
    };
    for (const auto& c : choices)
        if (dialogName == QLatin1String(c.dialog) && itemType == QLatin1String(c.item))
            return {QLatin1String(c.form), QLatin1String(c.mask)};
    return TConvertSessionObjectFactory::GetWizardDialogChoice(itemType, dialogName);
}
