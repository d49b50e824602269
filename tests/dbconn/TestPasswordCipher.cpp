#include "TestUtil.h"
#include "UException.h"
#include "UPasswordCipher.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {


TEST(PasswordCipher, RoundTripsWholeBlocksOfLowerCaseHex)
{
    struct TRow { const char* name; QString password; int hexLength; };
    const TRow rows[] = {
        {"one char", QStringLiteral("a"), 16},
        {"exactly one block", QStringLiteral("12345678"), 16},
        {"one past a block", QStringLiteral("123456789"), 32},
        {"blanks and quotes", QStringLiteral(" p'a\"ss "), 16},
        {"non-ASCII", QStringLiteral("p\u00e4ssw\u00f6rd\u4e2d"), 32},
        {"inner NUL", QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"), 16},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        const QString hex = EncryptPassword(row.password);
        EXPECT_EQ(hex.size(), row.hexLength);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]+$")).match(hex).hasMatch()) << hex.toStdString();
        EXPECT_NE(hex, QString::fromLatin1(row.password.toUtf8().toHex()));
        EXPECT_EQ(DecryptPassword(hex), row.password);
    }
    EXPECT_EQ(EncryptPassword(QString()), QString());
    EXPECT_EQ(DecryptPassword(QString()), QString());
}

TEST(PasswordCipher, UpperCaseHexReadsBack)
{
    EXPECT_EQ(DecryptPassword(EncryptPassword(QStringLiteral("secret")).toUpper()), QStringLiteral("secret"));
}

TEST(PasswordCipher, DamagedValuesAreNotHex)
{
    const QString good = EncryptPassword(QStringLiteral("secret"));
    const QString rows[] = {
        QStringLiteral("secret"),                  // a clear-text password
        good.left(good.size() - 1) + QLatin1Char('g'),
        good.left(good.size() - 1),                // odd length
        good.left(good.size() - 2),                // not whole blocks
    };
    for (const QString& row : rows) {
        SCOPED_TRACE(row.toStdString());
        EXPECT_EQ(ErrorOf([&] { DecryptPassword(row); }), QStringLiteral("Error: not a Hex String"));
    }
}

TEST(PasswordCipher, RefusesPasswordEndingInNul)
{
    EXPECT_EQ(ErrorOf([] { EncryptPassword(QStringLiteral("abc") + QChar(0)); }),
              QStringLiteral("Error: the last char is NULL char."));
}

}  // namespace
