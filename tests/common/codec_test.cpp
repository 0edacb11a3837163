#include "common/codec.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

TEST(Codec, EveryByteSurvivesDecodingAndEncoding)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = decodeText(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encodeText(text), all);
}

TEST(Codec, WindowsCharactersMapToTheirUnicodeLetters)
{
    struct Case
    {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {QByteArray("S\xE9verine"), QStringLiteral("S\u00e9verine")},
        {QByteArray("\x80 5"), QStringLiteral("\u20ac 5")},
        {QByteArray("\x93quoted\x94"), QStringLiteral("\u201cquoted\u201d")},
        {QByteArray("plain"), QStringLiteral("plain")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(decodeText(c.bytes), c.text);
        EXPECT_EQ(encodeText(c.text), c.bytes);
    }
}

TEST(Codec, CharactersOutsideTheSetBecomeQuestionMarks)
{
    EXPECT_EQ(encodeText(QStringLiteral("a\u4e2d\u03a9b")), QByteArray("a??b"));
}
