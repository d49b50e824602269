#include "UConvertSessionObjectFactory.h"

#include "UConvertItem.h"
#include "UConvertSession.h"
#include "UException.h"
#include "UOutputer.h"
#include "USessionExecutor.h"

#include <QFileInfo>
#include <vector>

namespace {

std::vector<TConvertSessionObjectFactory::TRegistrationHook>& RegistrationHooks()
{
    static std::vector<TConvertSessionObjectFactory::TRegistrationHook> hooks;
    return hooks;
}

TConvertSessionObjectFactory::TConvertItemCreator& ConvertItemCreator()
{
    static TConvertSessionObjectFactory::TConvertItemCreator creator;
    return creator;
}

QString ExtensionOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
}

void RegisterClassIn(QMap<QString, TStringList>& registry, const QString& type, const QString& role,
                     const QString& className)
{
    TStringList& list = registry[role];
    const int at = list.IndexOfName(type);
    if (at >= 0)
        list.SetStrings(at, type + QLatin1Char('=') + className);
    else
        list.Add(type + QLatin1Char('=') + className);
}

QString LookUpClass(const QMap<QString, TStringList>& registry, const QString& type, const QString& role,
                    const char* operation, const char* kind)
{
    const auto it = registry.constFind(role);
    const QString what = QStringLiteral("%1/ClassType: %2/%3").arg(QLatin1String(kind), type, role);
    if (it == registry.constEnd())
        throw Exception(QStringLiteral("TConvertSessionObjectFactory.%1 TryGetValue False Error ")
                            .arg(QLatin1String(operation)) + what);
    QString lookUp = type;
    if (lookUp == QLatin1String("Csv") || lookUp == QLatin1String("Tsv"))
        lookUp = QStringLiteral("Txt");
    const QString className = it->Values(lookUp);
    if (className.isEmpty())
        throw Exception(QStringLiteral("TConvertSessionObjectFactory.%1 Result Empty Error ")
                            .arg(QLatin1String(operation)) + what);
    return className;
}

}  // namespace

TConvertSessionObjectFactory::TConvertSessionObjectFactory() = default;
TConvertSessionObjectFactory::~TConvertSessionObjectFactory() = default;

void TConvertSessionObjectFactory::Initialize()
{
    RegisterExtensions();
    RegisterSessionFileSettings();
    RegisterDialogs();
    RegisterClasses();
    for (const TRegistrationHook& hook : RegistrationHooks())
        hook(*this);
}

void TConvertSessionObjectFactory::AddRegistrationHook(TRegistrationHook hook)
{
    RegistrationHooks().push_back(std::move(hook));
}

void TConvertSessionObjectFactory::SetConvertItemCreator(TConvertItemCreator creator)
{
    ConvertItemCreator() = std::move(creator);
}

void TConvertSessionObjectFactory::RegisterExtension(const QString& extension, const QString& convertType)
{
    FExtensions.SetValue(extension, convertType);
}

void TConvertSessionObjectFactory::RegisterSessionFileSetting(const QString& convertType,
                                                              const TSessionFileSetting& setting)
{
    FSessionFileSettings.insert(convertType, setting);
}

void TConvertSessionObjectFactory::RegisterDialog(const QString& dialogName, const QString& className)
{
    FDialogClasses.SetValue(dialogName, className);
}

void TConvertSessionObjectFactory::RegisterSourceClass(const QString& sourceType, const QString& role,
                                                       const QString& className)
{
    RegisterClassIn(FSourceClasses, sourceType, role, className);
}

void TConvertSessionObjectFactory::RegisterDestClass(const QString& destType, const QString& role,
                                                     const QString& className)
{
    RegisterClassIn(FDestClasses, destType, role, className);
}

QString TConvertSessionObjectFactory::GetSourceTypeClass(const QString& sourceType, const QString& role) const
{
    return LookUpClass(FSourceClasses, sourceType, role, "GetSourceTypeClass", "SourceType");
}

QString TConvertSessionObjectFactory::GetDestTypeClass(const QString& destType, const QString& role) const
{
    return LookUpClass(FDestClasses, destType, role, "GetDestTypeClass", "DestType");
}

TSessionFileSetting TConvertSessionObjectFactory::GetSessionFileSetting(const QString& convertType) const
{
    return FSessionFileSettings.value(convertType);
}

QString TConvertSessionObjectFactory::GetConvertTypeOfExtension(const QString& extension) const
{
    return FExtensions.Values(extension);
}

QString TConvertSessionObjectFactory::GetDialogClass(const QString& dialogName) const
{
    return FDialogClasses.Values(dialogName);
}

bool TConvertSessionObjectFactory::IsFileSourceType(const QString& type)
{
    static const QStringList types = {
        QStringLiteral("Txt"), QStringLiteral("Csv"), QStringLiteral("Tsv"), QStringLiteral("Ini"),
        QStringLiteral("Excel"), QStringLiteral("Xml"), QStringLiteral("Json"), QStringLiteral("Rdf"),
    };
    return types.contains(type);
}

QString TConvertSessionObjectFactory::GetSetNoun(const QString& setType)
{
    return TConvertTypeOptions::SetNoun(setType);
}

QString TConvertSessionObjectFactory::QualifiedClassName(const QString& registeredName)
{
    return QLatin1Char('U') + registeredName + QStringLiteral(".T") + registeredName;
}

bool TConvertSessionObjectFactory::IsSessionFile(const QString& fileName) const
{
    const QString ext = ExtensionOf(fileName);
    if (ext.isEmpty())
        return false;
    for (int i = 0; i < FExtensions.Count(); ++i)
        if (FExtensions.Names(i) == ext)
            return true;
    return false;
}

std::unique_ptr<TConvertSession> TConvertSessionObjectFactory::CreateSessionFromFile(const QString& fileName)
{
    std::unique_ptr<TConvertTypeOptions> options = TConvertTypeOptions::CreateFromSessionFile(fileName);
    if (!options)
        options = TConvertTypeOptions::CreateFromConvertType(GetConvertTypeOfExtension(ExtensionOf(fileName)));
    // Unload products of the family name their file type in the "Unload" section.
    const QString destType = options->DestType();
    if (destType == QLatin1String("SelectFile") || destType == QLatin1String("SelectFileSet")) {
        const TMyIniFile ini(fileName);
        QString fileType = ini.ReadString(QStringLiteral("Unload"), QStringLiteral("DestType"), QString());
        if (fileType.isEmpty() || fileType == QLatin1String("SelectFile"))
            fileType = ini.ReadString(QStringLiteral("Unload"), QStringLiteral("FileType"), QString());
        if (fileType.compare(QLatin1String("CSV"), Qt::CaseInsensitive) == 0)
            fileType = QStringLiteral("Txt");
        if (destType == QLatin1String("SelectFileSet"))
            fileType += QStringLiteral("Set");
        options->SetDestType(fileType);
    }
    std::unique_ptr<TConvertSession> session = NewSession(*options);
    session->LoadFromFile(fileName);
    return session;
}

std::unique_ptr<TSessionExecutor> TConvertSessionObjectFactory::CreateExecutor(const QString& fileName)
{
    return TRttiUtil::CreateObjectAs<TSessionExecutor>(QStringLiteral("UConvertSessionExecutor.TConvertSessionExecutor"));
}

std::unique_ptr<TOutputer> TConvertSessionObjectFactory::CreateOutputer(const QString& sessionFileName,
                                                                        const QString& logFileName)
{
    auto outputer = TRttiUtil::CreateObjectAs<TOutputer>(QStringLiteral("ULogConvertOutputer.TLogConvertOutputer"));
    outputer->SetLogFileName(logFileName);
    return outputer;
}

std::unique_ptr<TObject> TConvertSessionObjectFactory::CreateSourceObject(const QString& sourceType,
                                                                          const QString& role) const
{
    return TRttiUtil::CreateObject(QualifiedClassName(GetSourceTypeClass(sourceType, role)));
}

std::unique_ptr<TObject> TConvertSessionObjectFactory::CreateDestObject(const QString& destType,
                                                                        const QString& role) const
{
    return TRttiUtil::CreateObject(QualifiedClassName(GetDestTypeClass(destType, role)));
}

std::unique_ptr<TSourceOptions> TConvertSessionObjectFactory::NewSourceOptions(const QString& sourceType) const
{
    return CreateSourceObjectAs<TSourceOptions>(sourceType, SessionRoles::SourceOptions);
}

std::unique_ptr<TSourceSetChoiceOptions> TConvertSessionObjectFactory::NewSourceSetChoiceOptions(
    const QString& sourceType) const
{
    return CreateSourceObjectAs<TSourceSetChoiceOptions>(sourceType, SessionRoles::SourceSetChoiceOptions);
}

std::unique_ptr<TDestOptions> TConvertSessionObjectFactory::NewDestOptions(const QString& destType) const
{
    return CreateDestObjectAs<TDestOptions>(destType, SessionRoles::DestOptions);
}

std::unique_ptr<TDataConvertModel> TConvertSessionObjectFactory::NewFileExportOptions(const QString& destType) const
{
    return CreateDestObjectAs<TDataConvertModel>(destType, SessionRoles::FileExportOptions);
}

std::unique_ptr<TDestSetContainOptions> TConvertSessionObjectFactory::NewDestSetContainOptions(
    const QString& destType) const
{
    return CreateDestObjectAs<TDestSetContainOptions>(destType, SessionRoles::DestSetContainOptions);
}

void TConvertSessionObjectFactory::RaiseConvertTypeError(const QString& operation, const TConvertTypeOptions& options)
{
    throw Exception(QStringLiteral("TConvertSessionObjectFactory.") + operation
                    + QStringLiteral(" Error ConvertTypeOptions: ") + options.GetDescription());
}

std::unique_ptr<TSourceSetOptions> TConvertSessionObjectFactory::NewSourceSetOptions(const TConvertTypeOptions& options)
{
    const QString sourceType = options.SourceType();
    if (options.IsOneToOne())
        return std::make_unique<T1ItemSourceSetOptions>(*this, sourceType);
    const QString base = TConvertTypeOptions::BaseTypeOfSet(sourceType);
    if (options.IsNToOne())
        return std::make_unique<TNItemSourceSetOptions>(*this, base, SourceSetTypes::NToOne);
    if (options.IsNToN())
        return std::make_unique<TNItemSourceSetOptions>(*this, base, SourceSetTypes::NToN);
    RaiseConvertTypeError(QStringLiteral("NewSourceSetOptions"), options);
}

std::unique_ptr<TDestSetOptions> TConvertSessionObjectFactory::NewDestSetOptions(const TConvertTypeOptions& options)
{
    if (options.IsOneToOne() || options.IsNToOne())
        return std::make_unique<T1ItemDestSetOptions>(*this, options.DestType());
    if (options.IsNToN())
        return std::make_unique<TNItemDestSetOptions>(*this, TConvertTypeOptions::BaseTypeOfSet(options.DestType()));
    RaiseConvertTypeError(QStringLiteral("NewDestSetOptions"), options);
}

std::unique_ptr<TItemMapOptions> TConvertSessionObjectFactory::NewItemMapOptions(const TConvertTypeOptions& options)
{
    if (options.IsOneToOne())
        return std::make_unique<T1To1ItemMapOptions>();
    if (options.IsNToOne())
        return std::make_unique<TNTo1ItemMapOptions>();
    if (options.IsNToN())
        return std::make_unique<TNToNItemMapOptions>();
    RaiseConvertTypeError(QStringLiteral("NewItemMapOptions"), options);
}

std::unique_ptr<TConvertSession> TConvertSessionObjectFactory::NewSession(const TConvertTypeOptions& options)
{
    auto session = std::make_unique<TConvertSession>(*this, TConvertTypeOptions::CreateCopy(options));
    session->ApplyFileSetting(GetSessionFileSetting(options.ConvertType()));
    return session;
}

std::unique_ptr<TConvertItem> TConvertSessionObjectFactory::NewConvertItem() const
{
    if (ConvertItemCreator())
        return ConvertItemCreator()();
    return std::make_unique<TConvertItem>();
}

TWizardDialogChoice TConvertSessionObjectFactory::GetWizardDialogChoice(const QString& itemType,
                                                                       const QString& dialogName) const
{
    if (dialogName == QLatin1String("Summary"))
        return {itemType == QLatin1String("Table") ? QStringLiteral("TPreviewSummaryDlg")
                                                   : QStringLiteral("TSimpleSummaryDlg"),
                QString()};
    if (dialogName == QLatin1String("Convert"))
        return {itemType.contains(QLatin1String("Set")) ? QStringLiteral("TOutputAllDlg") : QStringLiteral("TOutputDlg"),
                QString()};
    throw Exception(QStringLiteral("Error ItemType/DlgType: ") + itemType + QLatin1Char('/') + dialogName);
}
