#include "TestUtil.h"
#include "SessionTestClasses.h"
#include "UAppFolders.h"
#include "UConvertSession.h"
#include "UMarrowickSessionObjectFactory.h"
#include "URegistry.h"
#include "USessionManager.h"
#include "USessionSaver.h"
#include "UConvertSessionSaveLoadAgent.h"
#include "UException.h"

#include <gtest/gtest.h>

namespace {

class TScriptedPrompter : public TSessionPrompter {
public:
    bool Confirm(const QString& text) override
    {
        Questions.append(text);
        return Answer;
    }
    bool ChooseSaveFile(TConvertSession&, QString& fileName, bool& makeBatchFile) override
    {
        fileName = FileName;
        makeBatchFile = MakeBatch;
        return !FileName.isEmpty();
    }
    bool Answer = true;
    QString FileName;
    bool MakeBatch = false;
    QStringList Questions;
};

class SessionManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSessionTestClasses();
        factory = std::make_unique<TMarrowickSessionObjectFactory>();
        session = factory->NewSession(*TConvertTypeOptions::CreateFromConvertType(ConvertTypes::JsonToTable));
        manager.SetPrompter(&prompter);
        TRegistry().DeleteKey(QStringLiteral("\\Software\\Corvella\\Ambertide\\1To1SessionList"));
    }
    TTestDir dir;
    std::unique_ptr<TMarrowickSessionObjectFactory> factory;
    std::unique_ptr<TConvertSession> session;
    TScriptedPrompter prompter;
    TSessionManager manager;
};

TEST_F(SessionManager, ResolvesTheFileNameOfTheSaveDialog)
{
    const QString docs = GetDocumentsFolder();
    const QString missing = dir.File(QStringLiteral("no/such/folder/x.jif"));
    const struct {
        const char* name;
        QString text;
        QString fileName;
        QString error;
    } rows[] = {
        {"empty", QStringLiteral("   "), QString(), QStringLiteral("Please choose/enter Sessoin file.")},
        {"bare name goes to the documents folder", QStringLiteral("my session.jif"), docs + QStringLiteral("my_session.jif"), QString()},
        {"bare name without extension", QStringLiteral("nightly"), docs + QStringLiteral("nightly.jif"), QString()},
        {"path without extension", dir.File(QStringLiteral("a b")), dir.File(QStringLiteral("a b.jif")), QString()},
        {"folder that does not exist", missing, QString(),
         QStringLiteral("Can not create Session file \"%1\": ").arg(missing)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QString fileName, error;
        const bool ok = TSessionSaver::ResolveFileName(row.text, QStringLiteral("jif"), fileName, error);
        EXPECT_EQ(ok, !row.fileName.isEmpty());
        if (ok) {
            EXPECT_EQ(fileName, row.fileName);
            EXPECT_EQ(ReadFileBytes(fileName), QByteArray("\r\n"));
        } else if (row.error.endsWith(QLatin1String(": "))) {
            EXPECT_TRUE(error.startsWith(row.error)) << error.toStdString();
            EXPECT_TRUE(error.endsWith(QLatin1String(", please select another file."))) << error.toStdString();
        } else {
            EXPECT_EQ(error, row.error);
        }
    }
    // An existing file is kept as it is.
    const QString existing = dir.File(QStringLiteral("e.jif"));
    WriteFileText(existing, QStringLiteral("[Load]\r\nX=1\r\n"));
    QString fileName, error;
    EXPECT_TRUE(TSessionSaver::ResolveFileName(existing, QStringLiteral("jif"), fileName, error));
    EXPECT_EQ(ReadFileText(existing), QStringLiteral("[Load]\r\nX=1\r\n"));
}

TEST_F(SessionManager, AsksOnlyForChangedSessionsThatAreNotEmpty)
{
    auto folder = factory->NewSession(*TConvertTypeOptions::CreateFromConvertType(ConvertTypes::JsonSetToTable));
    EXPECT_FALSE(manager.AskSaveIfChanged(*folder));   // empty: no item
    EXPECT_TRUE(prompter.Questions.isEmpty());

    EXPECT_TRUE(manager.AskSaveIfChanged(*session));
    ASSERT_EQ(prompter.Questions.size(), 1);
    EXPECT_EQ(prompter.Questions[0],
              QStringLiteral("Save changed session now?\r\nFrom : \r\nTo : DB: test.accdb, Table: "));
    prompter.Answer = false;
    EXPECT_FALSE(manager.AskSaveIfChanged(*session));

    const QString data = dir.File(QStringLiteral("d.json"));
    WriteFileText(data, QStringLiteral("a\n1\n"));
    dynamic_cast<TFileSourceOptions&>(session->SourceSetOptions().SourceOptions()).SetFileName(data);
    const QString file = dir.File(QStringLiteral("s.jif"));
    session->SaveToFile(file);
    prompter.Answer = true;
    EXPECT_FALSE(manager.AskSaveIfChanged(*session));   // saved, unchanged
    EXPECT_EQ(prompter.Questions.size(), 2);
}

TEST_F(SessionManager, SaveAsSavesAndOpensTheBatchDialogWhenAsked)
{
    QStringList batchFiles;
    manager.SetBatchFileDialog([&](const QString& f) { batchFiles.append(f); });
    EXPECT_FALSE(manager.SaveAs(*session));   // cancelled
    prompter.FileName = dir.File(QStringLiteral("s.jif"));
    EXPECT_TRUE(manager.SaveAs(*session));
    EXPECT_TRUE(batchFiles.isEmpty());
    prompter.MakeBatch = true;
    EXPECT_TRUE(manager.SaveAs(*session));
    EXPECT_EQ(batchFiles, QStringList{prompter.FileName});
    EXPECT_EQ(session->FileName(), prompter.FileName);
    TSessionSaver saver(*session);
    EXPECT_EQ(saver.DialogLabel(), QStringLiteral("Save Session (") + prompter.FileName + QLatin1Char(')'));
}

TEST_F(SessionManager, TemplateCopyWritesTheSessionWithoutTouchingItsFileOrList)
{
    const QString data = dir.File(QStringLiteral("d.json"));
    WriteFileText(data, QStringLiteral("a\n1\n"));
    dynamic_cast<TFileSourceOptions&>(session->SourceSetOptions().SourceOptions()).SetFileName(data);
    const QString copy = TSessionManager::WriteTemplateCopy(*session);
    EXPECT_EQ(copy, GetAmbertideDataFolder() + QStringLiteral("recent.jif"));
    EXPECT_EQ(TMyIniFile(copy).ReadString(QStringLiteral("Load"), QStringLiteral("SourceFile"), QString()), data);
    EXPECT_EQ(session->FileName(), QString());
    EXPECT_TRUE(session->RecentList().Items().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(copy + QStringLiteral(".bak")));

    // Written afresh each time: a key of an older copy does not survive.
    WriteFileText(copy, QStringLiteral("[Load]\r\nStale=1\r\n"));
    TSessionManager::WriteTemplateCopy(*session);
    EXPECT_FALSE(TMyIniFile(copy).ValueExists(QStringLiteral("Load"), QStringLiteral("Stale")));
    // And the copy opens like any session file.
    auto reopened = factory->CreateSessionFromFile(copy);
    EXPECT_TRUE(reopened->IsEqual(*session));
}

class TScriptedMapper : public TSessionFormMapper {
public:
    void PagesToOptions() override
    {
        Calls.append(QStringLiteral("PagesToOptions"));
        if (Throw)
            throw Exception(QStringLiteral("page error"));
    }
    void OptionsToPages() override { Calls.append(QStringLiteral("OptionsToPages")); }
    bool ValidatePages() override
    {
        Calls.append(QStringLiteral("ValidatePages"));
        return Valid;
    }
    bool Valid = true;
    bool Throw = false;
    QStringList Calls;
};

TEST_F(SessionManager, SaveLoadAgentOfTheWizards)
{
    TScriptedMapper mapper;
    TConvertSessionSaveLoadAgent agent(*session, mapper, manager);
    prompter.Answer = false;
    EXPECT_TRUE(agent.SaveOnClose());   // the user does not want to save: go on closing
    EXPECT_EQ(mapper.Calls, QStringList{QStringLiteral("PagesToOptions")});

    mapper.Calls.clear();
    prompter.Answer = true;
    mapper.Valid = false;
    EXPECT_FALSE(agent.SaveOnClose());  // invalid pages keep the wizard open
    EXPECT_FALSE(agent.Save());
    EXPECT_EQ(mapper.Calls, (QStringList{"PagesToOptions", "ValidatePages", "ValidatePages"}));

    mapper.Throw = true;
    EXPECT_TRUE(agent.SaveOnClose());   // an error never blocks closing
}

}  // namespace
