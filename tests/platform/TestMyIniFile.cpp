#include "TestUtil.h"
#include "UException.h"
#include "UMyIniFile.h"

#include <gtest/gtest.h>

namespace {

struct TIniWriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

// Writes keep every other line, update in place, and append at the end of the section.
const TIniWriteCase WriteCases[] = {
    {"update in place", "[Load]\r\nA=1\r\nB=2\r\n", "Load", "A", "9", "[Load]\r\nA=9\r\nB=2\r\n"},
    {"name without letter case", "[Load]\r\nDataFile=x\r\n", "LOAD", "datafile", "y", "[Load]\r\nDataFile=y\r\n"},
    {"comments stay", "; top\r\n[Load]\r\n; note\r\nA=1\r\n", "Load", "A", "2",
     "; top\r\n[Load]\r\n; note\r\nA=2\r\n"},
    {"new key at end of its section", "[Load]\r\nA=1\r\n\r\n[TargetDB]\r\nX=1\r\n", "Load", "B", "2",
     "[Load]\r\nA=1\r\nB=2\r\n\r\n[TargetDB]\r\nX=1\r\n"},
    {"new section at end", "[Load]\r\nA=1\r\n", "TargetDB", "Database", "/tmp/a.accdb",
     "[Load]\r\nA=1\r\n[TargetDB]\r\nDatabase=/tmp/a.accdb\r\n"},
    {"LF files stay LF", "[Load]\nA=1\n", "Load", "A", "2", "[Load]\nA=2\n"},
    {"keys of other sections untouched", "[S1]\r\nA=1\r\n[S2]\r\nA=1\r\n", "S2", "A", "5",
     "[S1]\r\nA=1\r\n[S2]\r\nA=5\r\n"},
};

class IniWrite : public ::testing::TestWithParam<TIniWriteCase> {};

TEST_P(IniWrite, KeepsTheRestOfTheFile)
{
    const auto& c = GetParam();
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("s.jif"));
    WriteFileBytes(file, QByteArray(c.before));
    TMyIniFile ini(file);
    ini.WriteString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QString::fromUtf8(c.value));
    EXPECT_EQ(ReadFileBytes(file).toStdString(), std::string(c.after));
}

INSTANTIATE_TEST_SUITE_P(Cases, IniWrite, ::testing::ValuesIn(WriteCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

struct TIniReadCase {
    const char* name;
    const char* content;
    const char* key;
    const char* expected;
};

const TIniReadCase ReadCases[] = {
    {"double quotes dropped", "[S]\r\nK=\"a b\"\r\n", "K", "a b"},
    {"single quotes dropped", "[S]\r\nK='a b'\r\n", "K", "a b"},
    {"unbalanced quote kept", "[S]\r\nK=\"a b\r\n", "K", "\"a b"},
    {"blanks around trimmed", "[S]\r\n  K =  v  \r\n", "K", "v"},
    {"equal sign in value", "[S]\r\nK=a=b\r\n", "K", "a=b"},
    {"missing key gives default", "[S]\r\nA=1\r\n", "K", "dflt"},
    {"comment line is no key", "[S]\r\n;K=1\r\n", "K", "dflt"},
    {"first of duplicates", "[S]\r\nK=1\r\nK=2\r\n", "K", "1"},
};

class IniRead : public ::testing::TestWithParam<TIniReadCase> {};

TEST_P(IniRead, ReadsLikeTheWindowsFunctions)
{
    const auto& c = GetParam();
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("s.ini"));
    WriteFileBytes(file, QByteArray(c.content));
    TMyIniFile ini(file);
    EXPECT_EQ(ini.ReadString(QStringLiteral("s"), QString::fromUtf8(c.key), QStringLiteral("dflt")).toStdString(),
              std::string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRead, ::testing::ValuesIn(ReadCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(IniFile, LongValuesOnlyThroughTheLongReader)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("long.ini"));
    const QString big(300000, QLatin1Char('x'));
    const QString tooBig(310000, QLatin1Char('y'));
    {
        TMyIniFile ini(file);
        ini.WriteString(QStringLiteral("Load"), QStringLiteral("Fields"), big);
        ini.WriteString(QStringLiteral("Load"), QStringLiteral("Huge"), tooBig);
    }
    TMyIniFile longReader(file);
    TIniFile ordinary(file);
    EXPECT_EQ(longReader.ReadString(QStringLiteral("Load"), QStringLiteral("Fields"), QString()), big);
    EXPECT_EQ(longReader.ReadString(QStringLiteral("Load"), QStringLiteral("Huge"), QString()).size(), 307200);
    EXPECT_EQ(ordinary.ReadString(QStringLiteral("Load"), QStringLiteral("Fields"), QString()).size(), 2047);
}

TEST(IniFile, SeesChangesOfAnotherWriter)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("shared.ini"));
    TMyIniFile reader(file);
    EXPECT_EQ(reader.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("none")), QStringLiteral("none"));
    TMyIniFile writer(file);
    writer.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    EXPECT_EQ(reader.ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()), QStringLiteral("v"));
}

TEST(IniFile, BatchedWritesReachTheDiskOnceAtTheEnd)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("batch.ini"));
    TMyIniFile ini(file);
    ini.BeginUpdate();
    ini.WriteString(QStringLiteral("Load"), QStringLiteral("A"), QStringLiteral("1"));
    ini.WriteInteger(QStringLiteral("Load"), QStringLiteral("B"), 2);
    EXPECT_FALSE(QFile::exists(file));
    ini.EndUpdate();
    EXPECT_EQ(ReadFileBytes(file), QByteArray("[Load]\r\nA=1\r\nB=2\r\n"));
}

TEST(IniFile, SectionOperations)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("ops.ini"));
    WriteFileBytes(file, "[Load]\r\nA=1\r\nB=\"two\"\r\n[TargetDB]\r\nX=1\r\n");
    TMyIniFile ini(file);
    TStringList keys;
    ini.ReadSection(QStringLiteral("load"), keys);
    EXPECT_EQ(keys.List(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    TStringList values;
    ini.ReadSectionValues(QStringLiteral("Load"), values);
    EXPECT_EQ(values.Values(QStringLiteral("b")), QStringLiteral("two"));
    ini.EraseSection(QStringLiteral("Load"));
    EXPECT_EQ(ReadFileBytes(file), QByteArray("[TargetDB]\r\nX=1\r\n"));
    ini.DeleteKey(QStringLiteral("TargetDB"), QStringLiteral("x"));
    EXPECT_EQ(ReadFileBytes(file), QByteArray("[TargetDB]\r\n"));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("targetdb")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("TargetDB"), QStringLiteral("X")));
}

TEST(IniFile, KeepsTheByteOrderMarkOfAUtf8File)
{
    TTestDir dir;
    const QString file = dir.File(QStringLiteral("bom.ini"));
    WriteFileBytes(file, "\xEF\xBB\xBF[S]\r\nK=\xC3\xA9\r\n");
    TMyIniFile ini(file);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()), QString::fromUtf8("\xC3\xA9"));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("L"), QStringLiteral("1"));
    EXPECT_EQ(ReadFileBytes(file), QByteArray("\xEF\xBB\xBF[S]\r\nK=\xC3\xA9\r\nL=1\r\n"));
}

TEST(IniFile, UnwritableFolderRaisesAClearError)
{
    TMyIniFile ini(QStringLiteral("/nonexistent-folder-ambertide/x.ini"));
    try {
        ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unable to write to /nonexistent-folder-ambertide/x.ini"));
    }
}

}  // namespace
