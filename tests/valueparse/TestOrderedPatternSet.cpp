#include "TestUtil.h"

#include "UException.h"
#include "UOrderedPatternSet.h"

#include <gtest/gtest.h>

namespace {

// The character prefilter may only skip patterns that cannot match: every
// pattern alone must answer exactly as the matcher does, on every text.
TEST(OrderedPatternSetTest, PrefilterNeverHidesAMatch)
{
    const QStringList patterns = {
        QStringLiteral(R"(^a-b$)"),         QStringLiteral(R"(^a-?b$)"),       QStringLiteral(R"(^a-*b$)"),
        QStringLiteral(R"(^a-{0,2}b$)"),    QStringLiteral(R"(^a-{1,2}b$)"),   QStringLiteral(R"(^a|^b-c$)"),
        QStringLiteral(R"(^(x|y)-z$)"),     QStringLiteral(R"(^[]x]$)"),       QStringLiteral(R"(^[^]x]$)"),
        QStringLiteral(R"(^[a-c]\.[+|-]$)"), QStringLiteral(R"(^\w{3}\s+\d$)"), QStringLiteral(R"(^\bx$)"),
        QStringLiteral(R"(^x.y$)"),         QStringLiteral(R"(^ab)"),          QStringLiteral(R"(^a\$)"),
        QStringLiteral(R"(^(?:a)b$)"),      QStringLiteral(R"(^(?i)ab$)"),     QStringLiteral(R"(^\d+$)"),
        QStringLiteral(R"(^[\d\s]+$)"),     QStringLiteral(R"(^é$)"),          QStringLiteral(R"(^\\$)"),
    };
    const QStringList texts = {
        QString(),           QStringLiteral("a-b"), QStringLiteral("ab"),   QStringLiteral("a--b"),
        QStringLiteral("a"), QStringLiteral("b-c"), QStringLiteral("x-z"),  QStringLiteral("]"),
        QStringLiteral("y"), QStringLiteral("b.|"), QStringLiteral("Ab_ 7"), QStringLiteral("x"),
        QStringLiteral("x%y"), QStringLiteral("abc"), QStringLiteral("a$"),  QStringLiteral("AB"),
        QStringLiteral("12\n"), QStringLiteral("1 2\t3"), QStringLiteral("é"), QStringLiteral("\\"),
        QStringLiteral("ÿ"),   QStringLiteral("a\nb"),
    };
    for (const QString& pattern : patterns) {
        const TOrderedPatternSet set({pattern});
        const QRegularExpression plain(pattern);
        for (const QString& text : texts) {
            SCOPED_TRACE((pattern + QStringLiteral("  <-  ") + text).toStdString());
            EXPECT_EQ(set.FirstMatch(text), plain.match(text).hasMatch() ? 0 : -1);
        }
    }
}

TEST(OrderedPatternSetTest, FirstMatchingPatternWins)
{
    const TOrderedPatternSet set({QStringLiteral("^a+$"), QStringLiteral("^\\w+$"), QStringLiteral("^a$")});
    EXPECT_EQ(set.FirstMatch(QStringLiteral("a")), 0);
    EXPECT_EQ(set.FirstMatch(QStringLiteral("ab")), 1);
    EXPECT_EQ(set.FirstMatch(QStringLiteral("-")), -1);
}

TEST(OrderedPatternSetTest, InvalidPatternIsRefused)
{
    EXPECT_THROW(TOrderedPatternSet({QStringLiteral("^(a$")}), Exception);
}

}  // namespace
