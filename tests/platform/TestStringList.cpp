#include "TestUtil.h"
#include "UStringList.h"

#include <gtest/gtest.h>

namespace {

TEST(StringList, NameValueEntries)
{
    TStringList list;
    list.SetValue(QStringLiteral("Session"), QStringLiteral("a.jif"));
    list.SetValue(QStringLiteral("LogFile"), QStringLiteral("a=b.log"));
    EXPECT_EQ(list.Values(QStringLiteral("session")), QStringLiteral("a.jif"));
    EXPECT_EQ(list.Values(QStringLiteral("LOGFILE")), QStringLiteral("a=b.log"));
    list.SetValue(QStringLiteral("SESSION"), QStringLiteral("b.jif"));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], QStringLiteral("SESSION=b.jif"));
    list.SetValue(QStringLiteral("session"), QString());
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Names(0), QStringLiteral("LogFile"));
    EXPECT_EQ(list.IndexOf(QStringLiteral("logfile=A=B.LOG")), 0);
}

TEST(StringList, TextSplitsAtAnyLineBreak)
{
    TStringList list;
    list.SetText(QStringLiteral("a\r\nb\nc\rd\r\n"));
    EXPECT_EQ(list.List(), QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(list.Text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
    list.SetText(QStringLiteral("x\r\n\r\ny"));
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, DelimitedTextQuotesWhatNeedsIt)
{
    TStringList list({QStringLiteral("a"), QStringLiteral("b c"), QStringLiteral("d,e"), QStringLiteral("say \"x\"")});
    const QString text = list.DelimitedText();
    EXPECT_EQ(text, QStringLiteral("a,\"b c\",\"d,e\",\"say \"\"x\"\"\""));
    TStringList back;
    back.SetDelimitedText(text);
    EXPECT_EQ(back, list);
}

TEST(StringList, Booleans)
{
    struct {
        const char* text;
        bool ok;
        bool value;
    } const rows[] = {{"-1", true, true}, {"0", true, false}, {"5", true, true}, {"TRUE", true, true},
                      {"false", true, false}, {"yes", false, false}, {"", false, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        bool value = false;
        EXPECT_EQ(TryStrToBool(QString::fromUtf8(r.text), value), r.ok);
        if (r.ok) {
            EXPECT_EQ(value, r.value);
        }
    }
    EXPECT_EQ(BoolToStr(true), QStringLiteral("-1"));
    EXPECT_EQ(BoolToStr(false), QStringLiteral("0"));
}

}  // namespace
