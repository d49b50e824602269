#pragma once
// The session parts of the JSON-to-database family: ".jif" one-file sessions
// ("JsonToTable") and ".jin" folder sessions ("JsonSetToTable"), JSON sources
// and table destinations.
//
// The concrete classes named here live in higher libraries. They are created by
// name, so this factory only enters their names; each library registers its
// classes with TRttiUtil (and any user-interface roles) through
// TConvertSessionObjectFactory::AddRegistrationHook before the factory is made.

#include "UConvertSessionObjectFactory.h"

namespace ConvertTypes {
inline const QString JsonToTable = QStringLiteral("JsonToTable");
inline const QString JsonSetToTable = QStringLiteral("JsonSetToTable");
}  // namespace ConvertTypes

class TMarrowickSessionObjectFactory : public TConvertSessionObjectFactory {
    AMBERTIDE_CLASS(TMarrowickSessionObjectFactory)
public:
    TMarrowickSessionObjectFactory();

    void RegisterExtensions() override;
    void RegisterSessionFileSettings() override;
    void RegisterDialogs() override {}
    void RegisterClasses() override;
    // "Source"/"Json" and "SourceFirst"/"JsonSet": TOpenJsonDlg; "SourceSet"/"JsonSet":
    // TOpenFolderDlg with the mask "*.json;*.dat;*.*"; "Dest"/"Table": TSetTableDlg;
    // any other pair as the base decides.
    TWizardDialogChoice GetWizardDialogChoice(const QString& itemType, const QString& dialogName) const override;

    static TSessionFileSetting OneFileSetting();
    static TSessionFileSetting FolderSetting();
};
