#pragma once
// TConvertSessionObjectFactory: the one place where type, role and convert-type
// names become classes. Five registries:
//   extensions            ".jif" = convert type (look-up ignores letter case)
//   file settings         convert type (exact) -> TSessionFileSetting
//   dialogs               dialog name = form class (widgets; filled by the user interface)
//   source classes        role (exact) -> type = class name without the leading "T"
//   destination classes   role (exact) -> type = class name without the leading "T"
// A registered class name N is created as "U" + N + ".T" + N through TRttiUtil,
// so the concrete classes, which live in higher libraries, plug in by name.
//
// A leaf factory calls Initialize() at the end of its constructor (virtual
// calls do not reach it from the base constructor).

#include "UConvertTypeOptions.h"
#include "UDestOptions.h"
#include "UDestSetOptions.h"
#include "UItemMapOptions.h"
#include "USessionFileSetting.h"
#include "USessionObjectFactory.h"
#include "USourceOptions.h"
#include "USourceSetChoiceOptions.h"
#include "USourceSetOptions.h"
#include "UStringList.h"
#include "URttiUtil.h"

#include <QMap>
#include <functional>
#include <memory>

class TConvertItem;
class TConvertSession;

// Which form a wizard opens for an item type and a dialog name; the user
// interface creates the form of that class.
struct TWizardDialogChoice {
    QString FormClass;
    QString FileMask;   // for folder dialogs
};

namespace SessionRoles {
inline const QString SourceOptions = QStringLiteral("SourceOptions");
inline const QString SourceUIPackage = QStringLiteral("SourceUIPackage");
inline const QString SourceController = QStringLiteral("SourceController");
inline const QString SourceSetChoiceOptions = QStringLiteral("SourceSetChoiceOptions");
inline const QString SourceSetChoiceUIPackage = QStringLiteral("SourceSetChoiceUIPackage");
inline const QString SourceSetChoiceController = QStringLiteral("SourceSetChoiceController");
inline const QString DestOptions = QStringLiteral("DestOptions");
inline const QString DestUIPackage = QStringLiteral("DestUIPackage");
inline const QString DestController = QStringLiteral("DestController");
inline const QString FileExportOptions = QStringLiteral("FileExportOptions");
inline const QString FileExportUIPackage = QStringLiteral("FileExportUIPackage");
inline const QString FileExportController = QStringLiteral("FileExportController");
inline const QString DestSetContainOptions = QStringLiteral("DestSetContainOptions");
inline const QString DestSetContainUIPackage = QStringLiteral("DestSetContainUIPackage");
inline const QString DestSetContainController = QStringLiteral("DestSetContainController");
}  // namespace SessionRoles

class TConvertSessionObjectFactory : public TSessionObjectFactory {
    AMBERTIDE_CLASS(TConvertSessionObjectFactory)
public:
    using TRegistrationHook = std::function<void(TConvertSessionObjectFactory&)>;
    using TConvertItemCreator = std::function<std::unique_ptr<TConvertItem>()>;

    TConvertSessionObjectFactory();
    ~TConvertSessionObjectFactory() override;

    // Slot 0: the extension (with dot) equals a registered one exactly.
    bool IsSessionFile(const QString& fileName) const override;
    // Slot 1: the convert type from the file's keys, else from its extension
    // (ignoring letter case); then a new session loads the file.
    std::unique_ptr<TConvertSession> CreateSessionFromFile(const QString& fileName) override;
    // Slot 2: the registered "UConvertSessionExecutor.TConvertSessionExecutor".
    std::unique_ptr<TSessionExecutor> CreateExecutor(const QString& fileName) override;
    // Slot 3: the registered "ULogConvertOutputer.TLogConvertOutputer", writing to the log file.
    std::unique_ptr<TOutputer> CreateOutputer(const QString& sessionFileName, const QString& logFileName) override;
    // Slots 4 to 7, called once by Initialize.
    virtual void RegisterExtensions() {}
    virtual void RegisterSessionFileSettings() {}
    virtual void RegisterDialogs() {}
    virtual void RegisterClasses() {}
    // Slot 8 without the widgets: the form for the pair. The base knows
    // "Summary" (TPreviewSummaryDlg for "Table", else TSimpleSummaryDlg) and
    // "Convert" (TOutputAllDlg when the item type contains "Set", else
    // TOutputDlg); anything else raises "Error ItemType/DlgType: " + item type
    // + "/" + dialog name.
    virtual TWizardDialogChoice GetWizardDialogChoice(const QString& itemType, const QString& dialogName) const;
    // Slot 18.
    virtual bool FieldMapFullView() const { return true; }

    // Fills the registries: the four Register operations, then every
    // registration hook, in the order they were added.
    void Initialize();
    // Lets a higher library add its classes to every factory created afterwards
    // (the concrete option classes register themselves with TRttiUtil and may
    // add role entries).
    static void AddRegistrationHook(TRegistrationHook hook);
    // The class of the session's convert item; the base TConvertItem when none is set.
    static void SetConvertItemCreator(TConvertItemCreator creator);

    void RegisterExtension(const QString& extension, const QString& convertType);
    void RegisterSessionFileSetting(const QString& convertType, const TSessionFileSetting& setting);
    void RegisterDialog(const QString& dialogName, const QString& className);
    // A second registration of the same type and role replaces the first.
    void RegisterSourceClass(const QString& sourceType, const QString& role, const QString& className);
    void RegisterDestClass(const QString& destType, const QString& role, const QString& className);

    // Look-ups; they raise "TConvertSessionObjectFactory.GetSourceTypeClass
    // TryGetValue False Error SourceType/ClassType: " + type + "/" + role for an
    // unknown role and "... Result Empty Error ..." for an unknown type ("Csv"
    // and "Tsv" are looked up as "Txt"); the same with GetDestTypeClass and "DestType/".
    QString GetSourceTypeClass(const QString& sourceType, const QString& role) const;
    QString GetDestTypeClass(const QString& destType, const QString& role) const;
    // An empty setting when none is registered.
    TSessionFileSetting GetSessionFileSetting(const QString& convertType) const;
    // "" when none is registered.
    QString GetConvertTypeOfExtension(const QString& extension) const;
    QString GetDialogClass(const QString& dialogName) const;
    static bool IsFileSourceType(const QString& type);
    static QString GetSetNoun(const QString& setType);
    // "U" + N + ".T" + N.
    static QString QualifiedClassName(const QString& registeredName);

    // Creation by role: any registered class (user-interface roles included),
    // checked against the expected base class ("Cast Error: ...").
    std::unique_ptr<TObject> CreateSourceObject(const QString& sourceType, const QString& role) const;
    std::unique_ptr<TObject> CreateDestObject(const QString& destType, const QString& role) const;
    template <class T>
    std::unique_ptr<T> CreateSourceObjectAs(const QString& sourceType, const QString& role) const;
    template <class T>
    std::unique_ptr<T> CreateDestObjectAs(const QString& destType, const QString& role) const;

    std::unique_ptr<TSourceOptions> NewSourceOptions(const QString& sourceType) const;
    std::unique_ptr<TSourceSetChoiceOptions> NewSourceSetChoiceOptions(const QString& sourceType) const;
    std::unique_ptr<TDestOptions> NewDestOptions(const QString& destType) const;
    std::unique_ptr<TDataConvertModel> NewFileExportOptions(const QString& destType) const;
    std::unique_ptr<TDestSetContainOptions> NewDestSetContainOptions(const QString& destType) const;

    // Creation by convert type; for a type of no kind each raises
    // "TConvertSessionObjectFactory." + operation + " Error ConvertTypeOptions: "
    // + the convert-type description.
    std::unique_ptr<TSourceSetOptions> NewSourceSetOptions(const TConvertTypeOptions& options);
    std::unique_ptr<TDestSetOptions> NewDestSetOptions(const TConvertTypeOptions& options);
    std::unique_ptr<TItemMapOptions> NewItemMapOptions(const TConvertTypeOptions& options);
    // A session of the convert type with its file setting applied.
    std::unique_ptr<TConvertSession> NewSession(const TConvertTypeOptions& options);
    std::unique_ptr<TConvertItem> NewConvertItem() const;

private:
    [[noreturn]] static void RaiseConvertTypeError(const QString& operation, const TConvertTypeOptions& options);

    TStringList FExtensions;
    QMap<QString, TSessionFileSetting> FSessionFileSettings;
    TStringList FDialogClasses;
    QMap<QString, TStringList> FSourceClasses;
    QMap<QString, TStringList> FDestClasses;
};

template <class T>
std::unique_ptr<T> TConvertSessionObjectFactory::CreateSourceObjectAs(const QString& sourceType,
                                                                      const QString& role) const
{
    return TRttiUtil::CreateObjectAs<T>(QualifiedClassName(GetSourceTypeClass(sourceType, role)));
}

template <class T>
std::unique_ptr<T> TConvertSessionObjectFactory::CreateDestObjectAs(const QString& destType,
                                                                    const QString& role) const
{
    return TRttiUtil::CreateObjectAs<T>(QualifiedClassName(GetDestTypeClass(destType, role)));
}
