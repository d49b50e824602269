#include "UNumberText.h"

#include <gtest/gtest.h>

#include <QString>

// The fast road must read every text exactly as Qt does, and refuse what Qt refuses.
TEST(NumberText, AgreesWithQt)
{
    const char* texts[] = {"0", "-0", "303.459", "-34092.66", "+1.5", "1.", ".5", "1e5", "2.5E-3", "1e+308",
                           "1e400", "1e-400", "+-5", "-+5", "++1", "--1", "+", "-", ".", "e5", "1e", "1-2",
                           "1..2", "0x10", " 7", "7 ", "inf", "-nan", "1,5", "",
                           "123456789012345678901234567890123456789012345678901234567890123456789"};
    for (const char* t : texts) {
        const QString text = QString::fromLatin1(t);
        bool qtOk = false, ok = false;
        const double expected = text.toDouble(&qtOk);
        const double got = TextToDouble(text, &ok);
        EXPECT_EQ(ok, qtOk) << t;
        if (qtOk)
            EXPECT_EQ(got, expected) << t;
    }
}
