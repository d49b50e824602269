#include "TestUtil.h"
#include "SessionTestClasses.h"
#include "UConvertSession.h"
#include "UException.h"
#include "UMarrowickSessionObjectFactory.h"
#include "ULoadType.h"
#include "URegistry.h"

#include <gtest/gtest.h>

namespace {


QStringList KeysOf(const QString& file, const QString& section = QStringLiteral("Load"))
{
    TMyIniFile ini(file);
    TStringList keys;
    ini.ReadSection(section, keys);
    return keys.List();
}

QString ValueOf(const QString& file, const QString& key)
{
    return TMyIniFile(file).ReadString(QStringLiteral("Load"), key, QStringLiteral("<missing>"));
}

class SessionFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSessionTestClasses();
        factory = std::make_unique<TMarrowickSessionObjectFactory>();
        dataFile = dir.File(QStringLiteral("people.json"));
        WriteFileText(dataFile, QStringLiteral("id,name,born\n1,Ann,1990\n2,Bob,1985\n"));
        TRegistry reg;
        reg.DeleteKey(QStringLiteral("\\Software\\Corvella\\Ambertide\\1To1SessionList"));
        reg.DeleteKey(QStringLiteral("\\Software\\Corvella\\Ambertide\\NTo1SessionList"));
    }

    std::unique_ptr<TConvertSession> NewSession(const QString& convertType)
    {
        return factory->NewSession(*TConvertTypeOptions::CreateFromConvertType(convertType));
    }

    static TTestJsonSourceOptions& Source(TConvertSession& s)
    {
        return dynamic_cast<TTestJsonSourceOptions&>(s.SourceSetOptions().SourceOptions());
    }
    static TTestTableDestOptions& Dest(TConvertSession& s)
    {
        return dynamic_cast<TTestTableDestOptions&>(s.DestSetOptions().DestOptions());
    }

    // Every option of a one-file session set to a value other than its default.
    std::unique_ptr<TConvertSession> FilledOneFileSession()
    {
        auto s = NewSession(ConvertTypes::JsonToTable);
        s->ConvertTypeOptions().SetSourceStoreType(QStringLiteral("File"));
        TTestJsonSourceOptions& src = Source(*s);
        src.SetFileName(dataFile);
        src.SetSelectedIndexes({2, 0});
        src.SetSelectedNames({"born", "id"});
        src.SetMapColumns(true);
        src.DataItem = QStringLiteral("people^");
        src.Sublevel = 2;
        TTestTableDestOptions& dst = Dest(*s);
        dst.Table = QStringLiteral("People");
        dst.LoadType = QStringLiteral("Upsert");
        dst.UpdateKey = QStringLiteral("id");
        dst.SqlFile = dir.File(QStringLiteral("out.sql"));
        dst.SqlEncoding = QStringLiteral("UTF-8");
        dst.AddField(QStringLiteral("born"), QStringLiteral("yyyy"), QStringLiteral("NA"));
        dst.AddField(QStringLiteral("id"), QString(), QString());
        s->RowsSelectOptions().SetLoadRowsType(QStringLiteral("Part"));
        s->RowsSelectOptions().SetLoadRows(100);
        s->RowsSelectOptions().SetSkipRows(3);
        s->MiscOptions().SetErrorsToAllow(7);
        s->MiscOptions().SetLogFile(dir.File(QStringLiteral("run.log")));
        return s;
    }

    TTestDir dir;
    std::unique_ptr<TMarrowickSessionObjectFactory> factory;
    QString dataFile;
};

TEST_F(SessionFile, OneFileSessionWritesEveryKeyInOrderAndLoadsBackEqual)
{
    auto s = FilledOneFileSession();
    const QString file = dir.File(QStringLiteral("import.jif"));
    s->SaveToFile(file);

    EXPECT_EQ(KeysOf(file), (QStringList{"ConvertType", "SourceType", "DestType", "SourceStoreType", "Columns",
                                         "SelectedColumnNames", "MapColumns", "SourceFile", "SourceUrl", "DataItem",
                                         "Sublevel", "DestSchema", "DestTable", "LoadType", "UpdateKey",
                                         "SaveToSqlFile", "SqlToSqlEncoding", "DestFields", "LoadRowsType",
                                         "LoadRows", "SkipRows", "ErrorsToAllow", "LogFile"}));
    const struct {
        const char* key;
        QString value;
    } values[] = {
        {"ConvertType", "JsonToTable"}, {"SourceType", "Json"}, {"DestType", "Table"},
        {"SourceStoreType", "File"}, {"Columns", "3|1"}, {"SelectedColumnNames", "born|id"},
        {"MapColumns", "1"}, {"SourceFile", dataFile}, {"SourceUrl", ""}, {"DataItem", "people^"},
        {"Sublevel", "2"}, {"DestSchema", ""}, {"DestTable", "People"}, {"LoadType", "3"}, {"UpdateKey", "id"},
        {"SaveToSqlFile", dir.File(QStringLiteral("out.sql"))}, {"SqlToSqlEncoding", "UTF-8"},
        {"DestFields", "born*VARCHAR(255)*yyyy*NA|id*VARCHAR(255)**"}, {"LoadRowsType", "Part"},
        {"LoadRows", "100"}, {"SkipRows", "3"}, {"ErrorsToAllow", "7"},
        {"LogFile", dir.File(QStringLiteral("run.log"))},
    };
    for (const auto& v : values) {
        SCOPED_TRACE(v.key);
        EXPECT_EQ(ValueOf(file, QLatin1String(v.key)), v.value);
    }

    auto loaded = factory->CreateSessionFromFile(file);
    EXPECT_TRUE(loaded->IsEqual(*s));
    EXPECT_TRUE(s->IsEqual(*loaded));
    EXPECT_EQ(Source(*loaded).ColumnNames(), (QStringList{"id", "name", "born"}));   // refreshed on load
    EXPECT_EQ(loaded->FileName(), file);
    EXPECT_EQ(loaded->RowsSelectOptions().SkipRows(), 3);
    EXPECT_EQ(loaded->MiscOptions().LogFile(), dir.File(QStringLiteral("run.log")));
    EXPECT_FALSE(loaded->IsChanged());

    // Saving the loaded session again writes the same file.
    const QByteArray first = ReadFileBytes(file);
    loaded->SaveToFile(file);
    EXPECT_EQ(ReadFileBytes(file), first);
}

TEST_F(SessionFile, FolderSessionWritesTheChoiceKeysFirstAndLoadsBackEqual)
{
    const QString folder = dir.File(QStringLiteral("in"));
    QDir().mkpath(folder);
    for (const char* name : {"b.json", "a.json", "c.json"})
        WriteFileText(folder + QLatin1Char('/') + QLatin1String(name), QStringLiteral("id,v\n1,x\n"));

    auto s = NewSession(ConvertTypes::JsonSetToTable);
    auto& choice = dynamic_cast<TTestFolderChoiceOptions&>(
        dynamic_cast<TNItemSourceSetOptions&>(s->SourceSetOptions()).ChoiceOptions());
    choice.DataFolder = folder;
    choice.Recursive = true;
    choice.Filter = QStringLiteral("*.json");
    choice.MoveFiles = true;
    choice.MoveToFolder = dir.File(QStringLiteral("done"));
    Source(*s).SetSelectedNames({"v"});
    Source(*s).SetSelectedIndexes({1});
    Dest(*s).Table = QStringLiteral("T");
    s->MiscOptions().SetErrorsToAllow(1);
    const QString file = dir.File(QStringLiteral("folder.jin"));
    s->SaveToFile(file);

    EXPECT_EQ(KeysOf(file), (QStringList{"ConvertType", "SourceType", "DestType", "SourceStoreType", "DataFolder",
                                         "Recursive", "Filter", "MoveFiles", "MoveToFolder", "Columns",
                                         "SelectedColumnNames", "MapColumns", "SourceFile", "SourceUrl", "DataItem",
                                         "Sublevel", "DestSchema", "DestTable", "LoadType", "SaveToSqlFile",
                                         "SqlToSqlEncoding", "DestFields", "LoadRowsType", "LoadRows", "SkipRows",
                                         "ErrorsToAllow", "LogFile"}));
    EXPECT_EQ(ValueOf(file, QStringLiteral("ConvertType")), QStringLiteral("JsonSetToTable"));
    EXPECT_EQ(ValueOf(file, QStringLiteral("SourceType")), QStringLiteral("JsonSet"));
    EXPECT_EQ(ValueOf(file, QStringLiteral("Recursive")), QStringLiteral("1"));
    EXPECT_EQ(ValueOf(file, QStringLiteral("LoadType")), QStringLiteral("1"));   // no mode: Replace

    auto loaded = factory->CreateSessionFromFile(file);
    Dest(*s).LoadType = LoadTypes::Replace;   // the save set it
    EXPECT_TRUE(loaded->IsEqual(*s));
    EXPECT_EQ(loaded->GetItemCount(), 3);
    EXPECT_EQ(Source(*loaded).SourceFile(), folder + QStringLiteral("/a.json"));   // pointed at the first item
    EXPECT_EQ(Source(*loaded).SetType(), SourceSetTypes::NToOne);
}

TEST_F(SessionFile, SetSessionSelectsItemsAndSetsTheDestinationFlags)
{
    const QString folder = dir.File(QStringLiteral("in"));
    QDir().mkpath(folder);
    for (const char* name : {"1.json", "2.json", "3.json"})
        WriteFileText(folder + QLatin1Char('/') + QLatin1String(name), QStringLiteral("id\n1\n"));
    WriteFileText(dir.File(QStringLiteral("s.jin")),
                  QStringLiteral("[Load]\r\nDataFolder=") + folder + QStringLiteral("\r\nFilter=*.json\r\n"));
    auto s = factory->CreateSessionFromFile(dir.File(QStringLiteral("s.jin")));
    EXPECT_EQ(s->ConvertTypeOptions().ConvertType(), ConvertTypes::JsonSetToTable);   // from the extension
    const struct {
        int item;
        bool first, last;
        const char* file;
    } rows[] = {{0, true, false, "1.json"}, {1, false, false, "2.json"}, {2, false, true, "3.json"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        s->ConfigOne(row.item);
        const TDestOptions& d = s->DestSetOptions().DestOptions();
        EXPECT_TRUE(d.MultiItem());
        EXPECT_EQ(d.FirstItem(), row.first);
        EXPECT_EQ(d.LastItem(), row.last);
        EXPECT_EQ(s->GetSourceShortName(), QLatin1String(row.file));
        EXPECT_TRUE(s->ConvertItem().MultiItem);
        EXPECT_EQ(s->ConvertItem().SourceOptions, &s->SourceSetOptions().SourceOptions());
    }
}

TEST_F(SessionFile, SaveKeepsUserKeysAndLogonSectionsAndOneCopyOfEachKey)
{
    const QString file = dir.File(QStringLiteral("import.jif"));
    WriteFileText(file, QStringLiteral("[SourceDB]\r\nDatabase=a.accdb\r\n[Load]\r\nMyNote=keep me\r\n"
                                       "DestTable=Old\r\n[TargetDB]\r\nUsername=admin\r\n"));
    auto s = FilledOneFileSession();
    s->SaveToFile(file);
    s->SaveToFile(file);
    const QString text = ReadFileText(file);
    EXPECT_EQ(text.count(QStringLiteral("DestTable=")), 1);
    EXPECT_EQ(text.count(QStringLiteral("ConvertType=")), 1);
    EXPECT_EQ(ValueOf(file, QStringLiteral("MyNote")), QStringLiteral("keep me"));
    EXPECT_EQ(ValueOf(file, QStringLiteral("DestTable")), QStringLiteral("People"));
    EXPECT_EQ(TMyIniFile(file).ReadString(QStringLiteral("SourceDB"), QStringLiteral("Database"), QString()),
              QStringLiteral("a.accdb"));
    EXPECT_EQ(TMyIniFile(file).ReadString(QStringLiteral("TargetDB"), QStringLiteral("Username"), QString()),
              QStringLiteral("admin"));
    EXPECT_TRUE(QDir(dir.Path()).entryList({QStringLiteral("*.tmp~")}).isEmpty());
}

TEST_F(SessionFile, SaveThroughALinkKeepsTheLink)
{
    const QString real = dir.File(QStringLiteral("real.jif"));
    const QString link = dir.File(QStringLiteral("link.jif"));
    WriteFileText(real, QStringLiteral("[Load]\r\nMine=1\r\n"));
    ASSERT_TRUE(QFile::link(real, link));
    FilledOneFileSession()->SaveToFile(link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ValueOf(real, QStringLiteral("DestTable")), QStringLiteral("People"));
    EXPECT_EQ(ValueOf(real, QStringLiteral("Mine")), QStringLiteral("1"));
}

TEST_F(SessionFile, LegacyKeysOfOlderVersions)
{
    const QString other = dir.File(QStringLiteral("other.json"));
    WriteFileText(other, QStringLiteral("x\n1\n"));
    const struct {
        const char* name;
        QString lines;
        const char* key;     // what is checked
        QString expected;
    } rows[] = {
        {"DataFile when SourceFile is missing", QStringLiteral("DataFile=") + other, "SourceFile", other},
        {"DataFile when SourceFile is empty", QStringLiteral("SourceFile=\r\nDataFile=") + other, "SourceFile", other},
        {"SourceFile wins", QStringLiteral("SourceFile=") + dataFile + QStringLiteral("\r\nDataFile=") + other,
         "SourceFile", dataFile},
        {"Fields", QStringLiteral("SourceFile=") + dataFile + QStringLiteral("\r\nFields=a*T*f*n"), "DestFields",
         QStringLiteral("a*VARCHAR(255)*f*n")},
        {"Schema and Table", QStringLiteral("SourceFile=") + dataFile + QStringLiteral("\r\nSchema=dbo\r\nTable=T1"),
         "DestTable", QStringLiteral("T1")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = dir.File(QStringLiteral("old.jif"));
        QFile::remove(file);
        WriteFileText(file, QStringLiteral("[Load]\r\n") + row.lines + QStringLiteral("\r\n"));
        auto s = factory->CreateSessionFromFile(file);
        const QString saved = dir.File(QStringLiteral("new.jif"));
        QFile::remove(saved);
        s->SaveToFile(saved);
        EXPECT_EQ(ValueOf(saved, QLatin1String(row.key)), row.expected);
    }

    const struct {
        const char* lines;
        const char* filter;
    } filters[] = {
        {"Filter=*.dat\r\nExt=json", "*.dat"}, {"Ext=json", "*.json"}, {"Ext=all", "*.*"},
        {"Ext=", "*.*"}, {"", "*.*"},
    };
    for (const auto& row : filters) {
        SCOPED_TRACE(row.lines);
        const QString file = dir.File(QStringLiteral("f.jin"));
        WriteFileText(file, QStringLiteral("[Load]\r\n") + QLatin1String(row.lines) + QStringLiteral("\r\n"));
        EXPECT_EQ(ReadFilterOrLegacyExt(TMyIniFile(file), QStringLiteral("Load")), QLatin1String(row.filter));
    }
}

TEST_F(SessionFile, SaveBacksUpThePreviousContentWithTheFullName)
{
    const QString file = dir.File(QStringLiteral("import.jif"));
    auto s = FilledOneFileSession();
    s->SaveToFile(file);
    EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral(".bak")));   // nothing to back up yet
    const QByteArray first = ReadFileBytes(file);
    Dest(*s).Table = QStringLiteral("Second");
    s->SaveToFile(file);
    EXPECT_EQ(ReadFileBytes(dir.File(QStringLiteral("import.jif.bak"))), first);
    const QByteArray second = ReadFileBytes(file);
    Dest(*s).Table = QStringLiteral("Third");
    s->SaveToFile(file);
    EXPECT_EQ(ReadFileBytes(file + QStringLiteral(".bak")), second);   // an older backup is replaced
}

TEST_F(SessionFile, FailedSaveLeavesThePreviousFileWhole)
{
    const QString file = dir.File(QStringLiteral("import.jif"));
    auto s = FilledOneFileSession();
    s->SaveToFile(file);
    const QByteArray before = ReadFileBytes(file);

    // Fails after the keys before it were written: none of them may reach the file.
    s->RowsSelectOptions().SetLoadRows(5);
    Source(*s).SetSelectedIndexes({0});
    Dest(*s).Table = QStringLiteral("Changed");
    Dest(*s).FailOnSave = true;
    EXPECT_EQ(ErrorOf([&] { s->WriteSections(file); }), QStringLiteral("disk full"));
    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_TRUE(QDir(dir.Path()).entryList({QStringLiteral("*.tmp~")}).isEmpty());

    const QString nowhere = dir.File(QStringLiteral("missing/folder/x.jif"));
    Dest(*s).FailOnSave = false;
    EXPECT_EQ(ErrorOf([&] { s->WriteSections(nowhere); }), QStringLiteral("Unable to write to ") + nowhere);
}

TEST_F(SessionFile, DamagedFileFailsWithTheMessageAndChangesNothing)
{
    const QString file = dir.File(QStringLiteral("bad.jif"));
    const struct {
        const char* name;
        QString line;
        QString message;
    } rows[] = {
        {"two-part DestFields entry", QStringLiteral("DestFields=a*T"), QStringLiteral("TTableDestOptions.LoadFromFile, Parse Fields Error.")},
        {"column index not a number", QStringLiteral("Columns=1|two"), QStringLiteral("'two' is not a valid integer value")},
        {"missing source file", QStringLiteral("SourceFile=") + dir.File(QStringLiteral("gone.json")),
         QStringLiteral("Cannot open ") + dir.File(QStringLiteral("gone.json"))},
        {"URL answers 404", QStringLiteral("SourceUrl=http://127.0.0.1/404"),
         QStringLiteral("Download exception: HTTP/1.1 404 Not Found")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QString text = QStringLiteral("[Load]\r\nConvertType=JsonToTable\r\nSourceType=Json\r\nDestType=Table\r\n");
        if (!row.line.startsWith(QLatin1String("SourceFile=")))
            text += QStringLiteral("SourceFile=") + dataFile + QStringLiteral("\r\n");
        text += row.line + QStringLiteral("\r\n");
        WriteFileText(file, text);
        const QByteArray before = ReadFileBytes(file);
        EXPECT_EQ(ErrorOf([&] { factory->CreateSessionFromFile(file); }), row.message);
        EXPECT_EQ(ReadFileBytes(file), before);
        EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral(".bak")));
        EXPECT_TRUE(TRecentFileList(QStringLiteral("1To1SessionList")).Items().isEmpty());
    }
    EXPECT_EQ(ErrorOf([&] { factory->CreateSessionFromFile(dir.File(QStringLiteral("none.jif"))); }),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(dir.File(QStringLiteral("none.jif"))));
}

TEST_F(SessionFile, UnattendedLoadDownloadsTheUrlEvenWhenTheFileExists)
{
    const QString file = dir.File(QStringLiteral("url.jif"));
    WriteFileText(file, QStringLiteral("[Load]\r\nConvertType=JsonToTable\r\nSourceType=Json\r\nDestType=Table\r\n"
                                       "SourceFile=") + dataFile + QStringLiteral("\r\nSourceUrl=http://127.0.0.1/data\r\n"));
    const int before = TTestJsonSourceOptions::DownloadCount;
    auto s = factory->CreateSessionFromFile(file);
    EXPECT_EQ(TTestJsonSourceOptions::DownloadCount, before + 1);
    EXPECT_EQ(Source(*s).ColumnNames(), (QStringList{"a", "b"}));   // read from the downloaded file
    EXPECT_EQ(s->SourceSetOptions().GetDescription(), QStringLiteral("http://127.0.0.1/data"));
}

TEST_F(SessionFile, RecentListKeepsTenNewestFirstWithoutDuplicates)
{
    TRecentFileList list(QStringLiteral("1To1SessionList"));
    for (int i = 0; i < 12; ++i)
        list.Add(QStringLiteral("/s/%1.jif").arg(i));
    QStringList expected;
    for (int i = 11; i >= 2; --i)
        expected.append(QStringLiteral("/s/%1.jif").arg(i));
    EXPECT_EQ(list.Items(), expected);
    list.Add(QStringLiteral("/s/5.jif"));
    EXPECT_EQ(list.Items().first(), QStringLiteral("/s/5.jif"));
    EXPECT_EQ(list.Items().size(), 10);
    EXPECT_EQ(list.Items().count(QStringLiteral("/s/5.jif")), 1);

    // Saves and loads put their file at the top of their convert type's list.
    auto s = FilledOneFileSession();
    const QString a = dir.File(QStringLiteral("a.jif"));
    const QString b = dir.File(QStringLiteral("b.jif"));
    s->SaveToFile(a);
    s->SaveToFile(b);
    EXPECT_EQ(list.Items().mid(0, 2), (QStringList{b, a}));
    factory->CreateSessionFromFile(a);
    EXPECT_EQ(list.Items().mid(0, 2), (QStringList{a, b}));
    EXPECT_TRUE(TRecentFileList(QStringLiteral("NTo1SessionList")).Items().isEmpty());
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("\\Software\\Corvella\\Ambertide\\1To1SessionList")));
}

TEST_F(SessionFile, IsChangedAndIsEmpty)
{
    auto fresh = NewSession(ConvertTypes::JsonToTable);
    EXPECT_TRUE(fresh->IsChanged());    // no file name, nothing edited
    EXPECT_FALSE(fresh->IsEmpty());     // one item and a destination description
    EXPECT_EQ(fresh->GetNameOrDescription(), QStringLiteral("From : \r\nTo : DB: test.accdb, Table: "));

    auto folderSession = NewSession(ConvertTypes::JsonSetToTable);
    EXPECT_TRUE(folderSession->IsEmpty());   // no item to convert

    const QString file = dir.File(QStringLiteral("c.jif"));
    auto s = FilledOneFileSession();
    s->SaveToFile(file);
    EXPECT_FALSE(s->IsChanged());
    EXPECT_EQ(s->GetNameOrDescription(), file);

    const struct {
        const char* name;
        std::function<void(TConvertSession&)> edit;
    } edits[] = {
        {"column order", [](TConvertSession& x) { Source(x).SetSelectedNames({"id", "born"}); }},
        {"source file", [&](TConvertSession& x) { Source(x).SetFileName(dir.File(QStringLiteral("o.json"))); }},
        {"table", [](TConvertSession& x) { Dest(x).Table = QStringLiteral("Other"); }},
        {"field date format", [](TConvertSession& x) {
             auto& d = Dest(x);
             d.ClearFields();
             d.AddField(QStringLiteral("born"), QStringLiteral("yy"), QStringLiteral("NA"));
             d.AddField(QStringLiteral("id"), QString(), QString());
         }},
        {"skip rows", [](TConvertSession& x) { x.RowsSelectOptions().SetSkipRows(4); }},
        {"log file", [](TConvertSession& x) { x.MiscOptions().SetLogFile(QStringLiteral("/tmp/o.log")); }},
        {"store type", [](TConvertSession& x) { x.ConvertTypeOptions().SetSourceStoreType(QStringLiteral("Url")); }},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.name);
        auto edited = factory->CreateSessionFromFile(file);
        EXPECT_FALSE(edited->IsChanged());
        e.edit(*edited);
        EXPECT_TRUE(edited->IsChanged());
        EXPECT_FALSE(edited->IsEmpty());
    }
}

TEST_F(SessionFile, ConfigOneRefusesALogFileThatIsTheSource)
{
    enum TLogChoice { SourceFile, SourceFileUpper, Other, Empty, Url };
    const struct {
        const char* name;
        TLogChoice log;
        bool withUrl;
        bool fails;
    } rows[] = {
        {"log file is the source file", SourceFile, false, true},
        {"another log file", Other, false, false},
        {"no log file", Empty, false, false},
        {"differs in letter case only", SourceFileUpper, false, false},
        {"with a URL the URL counts", Url, true, true},
        {"with a URL the file no longer counts", SourceFile, true, false},
    };
    const QString url = QStringLiteral("http://h/data");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto s = FilledOneFileSession();
        const QString logFiles[] = {dataFile, dataFile.toUpper(), QStringLiteral("/tmp/run.log"), QString(), url};
        s->MiscOptions().SetLogFile(logFiles[row.log]);
        Source(*s).SetSourceUrl(row.withUrl ? url : QString());
        const QString message = ErrorOf([&] { s->ConfigOne(0); });
        EXPECT_EQ(message, row.fails ? QStringLiteral("Log File can not set to Source Data File.") : QString());
        EXPECT_FALSE(s->ConvertItem().MultiItem);
        EXPECT_EQ(s->ConvertItem().SourceOptions, &s->SourceSetOptions().SourceOptions());
        EXPECT_EQ(s->ConvertItem().DestOptions, &s->DestSetOptions().DestOptions());
        EXPECT_EQ(s->ConvertItem().RowsSelectOptions, &s->RowsSelectOptions());
        EXPECT_EQ(s->ConvertItem().MiscOptions, &s->MiscOptions());
    }
}

}  // namespace
