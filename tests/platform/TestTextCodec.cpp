#include "TestUtil.h"
#include "UTextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, RoundTripsEveryEncodingWithItsMark)
{
    const QString text = QString::fromUtf8("Zo\xC3\xAB \xE2\x82\xAC 1");
    const struct {
        QString encoding;
        QByteArray bom;
    } rows[] = {{Encodings::Utf8, QByteArray("\xEF\xBB\xBF")},
                {Encodings::Unicode, QByteArray("\xFF\xFE")},
                {Encodings::UnicodeBigEndian, QByteArray("\xFE\xFF")},
                {Encodings::Ansi, QByteArray()}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.encoding.toStdString());
        const QByteArray bytes = EncodeText(text, r.encoding, true);
        EXPECT_TRUE(bytes.startsWith(r.bom));
        EXPECT_EQ(DecodeText(bytes, r.encoding), text);
        EXPECT_EQ(DecodeText(bytes, Encodings::AutoDetect), text);
        if (!r.bom.isEmpty()) {
            EXPECT_EQ(EncodingFromBom(bytes), r.encoding);
        }
    }
}

TEST(TextCodec, InvalidBytesNeverFail)
{
    const QString decoded = DecodeText(QByteArray("a\xFF" "b"), Encodings::Ansi);
    EXPECT_EQ(decoded, QString(QStringLiteral("a")) + QChar(0xFFFD) + QStringLiteral("b"));
}

}  // namespace
