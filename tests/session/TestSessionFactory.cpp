#include "TestUtil.h"
#include "SessionTestClasses.h"
#include "UConvertSession.h"
#include "UException.h"
#include "UMarrowickSessionObjectFactory.h"
#include "UOutputer.h"
#include "USessionExecutor.h"

#include <gtest/gtest.h>

namespace {


class SessionFactory : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSessionTestClasses();
        factory = std::make_unique<TMarrowickSessionObjectFactory>();
    }
    TTestDir dir;
    std::unique_ptr<TMarrowickSessionObjectFactory> factory;
};

TEST_F(SessionFactory, LookUpErrors)
{
    const struct {
        const char* name;
        std::function<void()> call;
        const char* message;
    } rows[] = {
        {"source role unknown", [&] { factory->GetSourceTypeClass(QStringLiteral("Json"), QStringLiteral("Nope")); },
         "TConvertSessionObjectFactory.GetSourceTypeClass TryGetValue False Error SourceType/ClassType: Json/Nope"},
        {"source type unknown", [&] { factory->GetSourceTypeClass(QStringLiteral("Table"), QStringLiteral("SourceOptions")); },
         "TConvertSessionObjectFactory.GetSourceTypeClass Result Empty Error SourceType/ClassType: Table/SourceOptions"},
        {"Csv is looked up as Txt", [&] { factory->GetSourceTypeClass(QStringLiteral("Csv"), QStringLiteral("SourceOptions")); },
         "TConvertSessionObjectFactory.GetSourceTypeClass Result Empty Error SourceType/ClassType: Csv/SourceOptions"},
        {"dest role unknown", [&] { factory->GetDestTypeClass(QStringLiteral("Table"), QStringLiteral("FileExportOptions")); },
         "TConvertSessionObjectFactory.GetDestTypeClass TryGetValue False Error DestType/ClassType: Table/FileExportOptions"},
        {"dest type unknown", [&] { factory->NewDestOptions(QStringLiteral("Json")); },
         "TConvertSessionObjectFactory.GetDestTypeClass Result Empty Error DestType/ClassType: Json/DestOptions"},
        {"role is exact", [&] { factory->GetSourceTypeClass(QStringLiteral("Json"), QStringLiteral("sourceoptions")); },
         "TConvertSessionObjectFactory.GetSourceTypeClass TryGetValue False Error SourceType/ClassType: Json/sourceoptions"},
        {"no kind: source set",
         [&] { factory->NewSourceSetOptions(*TConvertTypeOptions::CreateFromConvertType(QString())); },
         "TConvertSessionObjectFactory.NewSourceSetOptions Error ConvertTypeOptions: ConvertType: , SourceType: , "
         "DestType: , SourceStoreType: "},
        {"no kind: dest set",
         [&] { factory->NewDestSetOptions(*TConvertTypeOptions::CreateFromConvertType(QStringLiteral("Json"))); },
         "TConvertSessionObjectFactory.NewDestSetOptions Error ConvertTypeOptions: ConvertType: Json, SourceType: , "
         "DestType: , SourceStoreType: "},
        {"no kind: item map",
         [&] { factory->NewItemMapOptions(*TConvertTypeOptions::CreateFromConvertType(QStringLiteral("x"))); },
         "TConvertSessionObjectFactory.NewItemMapOptions Error ConvertTypeOptions: ConvertType: x, SourceType: , "
         "DestType: , SourceStoreType: "},
        {"N-to-N has no contain options",
         [&] { factory->NewSession(*TConvertTypeOptions::CreateFromConvertType(QStringLiteral("JsonSetToTableSet"))); },
         "TConvertSessionObjectFactory.GetDestTypeClass TryGetValue False Error DestType/ClassType: "
         "Table/DestSetContainOptions"},
        {"executor not linked", [&] { factory->CreateExecutor(QString()); },
         "Can not find class type: UConvertSessionExecutor.TConvertSessionExecutor"},
        {"outputer not linked", [&] { factory->CreateOutputer(QString(), QString()); },
         "Can not find class type: ULogConvertOutputer.TLogConvertOutputer"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ErrorOf(row.call), QLatin1String(row.message));
    }
}

TEST_F(SessionFactory, RegistrationsOfTheProduct)
{
    EXPECT_EQ(factory->GetSourceTypeClass(QStringLiteral("Json"), SessionRoles::SourceOptions), QStringLiteral("JsonSourceOptions"));
    EXPECT_EQ(factory->GetSourceTypeClass(QStringLiteral("Json"), SessionRoles::SourceSetChoiceController),
              QStringLiteral("FolderChoiceController"));
    EXPECT_EQ(factory->GetDestTypeClass(QStringLiteral("Table"), SessionRoles::DestUIPackage), QStringLiteral("TableDestUIPackage"));
    EXPECT_EQ(TConvertSessionObjectFactory::QualifiedClassName(QStringLiteral("JsonSourceOptions")),
              QStringLiteral("UJsonSourceOptions.TJsonSourceOptions"));
    EXPECT_EQ(factory->GetConvertTypeOfExtension(QStringLiteral(".JIN")), ConvertTypes::JsonSetToTable);
    EXPECT_EQ(factory->GetConvertTypeOfExtension(QStringLiteral(".txt")), QString());
    const TSessionFileSetting one = factory->GetSessionFileSetting(ConvertTypes::JsonToTable);
    EXPECT_EQ(one.RecentListName, QStringLiteral("1To1SessionList"));
    EXPECT_EQ(one.Filter, QStringLiteral("1 To 1 Json Import Session (*.jif)|*.jif"));
    EXPECT_EQ(one.DefaultExt, QStringLiteral("jif"));
    EXPECT_EQ(one.Section, QStringLiteral("Load"));
    EXPECT_EQ(factory->GetSessionFileSetting(QStringLiteral("jsontotable")).Section, QString());   // exact
    EXPECT_TRUE(TConvertSessionObjectFactory::IsFileSourceType(QStringLiteral("Rdf")));
    EXPECT_FALSE(TConvertSessionObjectFactory::IsFileSourceType(QStringLiteral("Table")));

    factory->RegisterSourceClass(QStringLiteral("Json"), SessionRoles::SourceOptions, QStringLiteral("Other"));
    EXPECT_EQ(factory->GetSourceTypeClass(QStringLiteral("Json"), SessionRoles::SourceOptions), QStringLiteral("Other"));
}

TEST_F(SessionFactory, CreatedSessionsHaveTheirTreeAndFileSetting)
{
    auto one = factory->NewSession(*TConvertTypeOptions::CreateFromConvertType(ConvertTypes::JsonToTable));
    EXPECT_NE(dynamic_cast<T1ItemSourceSetOptions*>(&one->SourceSetOptions()), nullptr);
    EXPECT_NE(dynamic_cast<T1To1ItemMapOptions*>(&one->ItemMapOptions()), nullptr);
    EXPECT_NE(dynamic_cast<TTestJsonSourceOptions*>(&one->SourceSetOptions().SourceOptions()), nullptr);
    EXPECT_EQ(one->DefaultExt(), QStringLiteral("jif"));
    EXPECT_EQ(one->OptionCount(), 6);

    auto set = factory->NewSession(*TConvertTypeOptions::CreateFromConvertType(ConvertTypes::JsonSetToTable));
    auto* sourceSet = dynamic_cast<TNItemSourceSetOptions*>(&set->SourceSetOptions());
    ASSERT_NE(sourceSet, nullptr);
    EXPECT_EQ(sourceSet->SourceType(), QStringLiteral("Json"));
    EXPECT_EQ(sourceSet->SetType(), SourceSetTypes::NToOne);
    EXPECT_NE(dynamic_cast<TTestFolderChoiceOptions*>(&sourceSet->ChoiceOptions()), nullptr);
    EXPECT_NE(dynamic_cast<TNTo1ItemMapOptions*>(&set->ItemMapOptions()), nullptr);
    EXPECT_EQ(set->RecentList().ListName(), QStringLiteral("NTo1SessionList"));
}

TEST_F(SessionFactory, SessionFromFileByKeysOrByExtension)
{
    const QString data = dir.File(QStringLiteral("d.json"));
    WriteFileText(data, QStringLiteral("a\n1\n"));
    const struct {
        const char* name;
        const char* fileName;
        QString text;
        const char* convertType;   // "" when the file cannot be opened
        const char* message;
    } rows[] = {
        {"extension in capitals, no keys", "s.JIF", QStringLiteral("[Load]\r\nSourceFile=") + data, "JsonToTable", ""},
        {"keys win over the extension", "s.txt",
         QStringLiteral("[Load]\r\nConvertType=JsonToTable\r\nSourceType=Json\r\nDestType=Table\r\nSourceFile=") + data,
         "JsonToTable", ""},
        {"set by extension", "s.jin", QStringLiteral("[Load]\r\n"), "JsonSetToTable", ""},
        {"unknown extension without keys", "s.txt", QStringLiteral("[Load]\r\nSourceFile=") + data, "",
         "TConvertSessionObjectFactory.NewSourceSetOptions Error ConvertTypeOptions: ConvertType: , SourceType: , "
         "DestType: , SourceStoreType: "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = dir.File(QLatin1String(row.fileName));
        WriteFileText(file, row.text + QStringLiteral("\r\n"));
        if (*row.convertType == 0) {
            EXPECT_EQ(ErrorOf([&] { factory->CreateSessionFromFile(file); }), QLatin1String(row.message));
            continue;
        }
        auto s = factory->CreateSessionFromFile(file);
        EXPECT_EQ(s->ConvertTypeOptions().ConvertType(), QLatin1String(row.convertType));
        EXPECT_EQ(s->Section(), QStringLiteral("Load"));
    }
    EXPECT_TRUE(factory->IsSessionFile(QStringLiteral("/x/s.jif")));
    EXPECT_FALSE(factory->IsSessionFile(QStringLiteral("/x/s.JIF")));
    EXPECT_FALSE(factory->IsSessionFile(QStringLiteral("/x/jif")));
}

class TCountingExecutor : public TSessionExecutor {
    AMBERTIDE_CLASS(TCountingExecutor)
public:
    bool Execute() override { return true; }
    void Stop() override {}
};

class TMemoryOutputer : public TOutputer {
    AMBERTIDE_CLASS(TMemoryOutputer)
public:
    void Attach(TConvertStatus*) override {}
};

TEST_F(SessionFactory, HooksPlugInClassesByName)
{
    static int calls = 0;
    TConvertSessionObjectFactory::AddRegistrationHook([](TConvertSessionObjectFactory& f) {
        ++calls;
        TRttiUtil::RegisterClass<TCountingExecutor>(QStringLiteral("UConvertSessionExecutor"));
        TRttiUtil::RegisterClass(QStringLiteral("ULogConvertOutputer.TLogConvertOutputer"),
                                 [] { return std::unique_ptr<TObject>(new TMemoryOutputer()); });
        f.RegisterDestClass(QStringLiteral("Table"), QStringLiteral("DestController"), QStringLiteral("MyController"));
    });
    TMarrowickSessionObjectFactory hooked;
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(hooked.GetDestTypeClass(QStringLiteral("Table"), QStringLiteral("DestController")), QStringLiteral("MyController"));
    EXPECT_EQ(hooked.CreateOutputer(QStringLiteral("s.jif"), QStringLiteral("run.log"))->LogFileName(), QStringLiteral("run.log"));
    // Named executor class that is no executor: the cast check.
    TRttiUtil::RegisterClass(QStringLiteral("UBad.TBad"), [] { return std::unique_ptr<TObject>(new TMemoryOutputer()); });
    hooked.RegisterSourceClass(QStringLiteral("Json"), SessionRoles::SourceOptions, QStringLiteral("Bad"));
    EXPECT_EQ(ErrorOf([&] { hooked.NewSourceOptions(QStringLiteral("Json")); }),
              QStringLiteral("Cast Error: TObject to TSourceOptions, Real type: TMemoryOutputer"));
}

}  // namespace

namespace {

TEST(SessionFactoryDialogs, WizardDialogChoice)
{
    TMarrowickSessionObjectFactory factory;
    const struct {
        const char* item;
        const char* dialog;
        const char* form;   // "" when it raises
        const char* mask;
    } rows[] = {
        {"Json", "Source", "TOpenJsonDlg", ""},
        {"JsonSet", "SourceFirst", "TOpenJsonDlg", ""},
        {"JsonSet", "SourceSet", "TOpenFolderDlg", "*.json;*.dat;*.*"},
        {"Table", "Dest", "TSetTableDlg", ""},
        {"Table", "Summary", "TPreviewSummaryDlg", ""},
        {"Json", "Summary", "TSimpleSummaryDlg", ""},
        {"JsonSet", "Convert", "TOutputAllDlg", ""},
        {"Json", "Convert", "TOutputDlg", ""},
        {"Json", "Dest", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.item) + "/" + row.dialog);
        if (*row.form == 0) {
            EXPECT_EQ(ErrorOf([&] { factory.GetWizardDialogChoice(QLatin1String(row.item), QLatin1String(row.dialog)); }),
                      QStringLiteral("Error ItemType/DlgType: ") + QLatin1String(row.item) + QLatin1Char('/')
                          + QLatin1String(row.dialog));
            continue;
        }
        const TWizardDialogChoice c = factory.GetWizardDialogChoice(QLatin1String(row.item), QLatin1String(row.dialog));
        EXPECT_EQ(c.FormClass, QLatin1String(row.form));
        EXPECT_EQ(c.FileMask, QLatin1String(row.mask));
    }
}

}  // namespace
