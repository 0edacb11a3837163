#include "common/codec.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
    // clang-format off
    const std::pair<QByteArray, QString> cases[] = {
        {"S\xE9verine", u"S\u00e9verine"_s}, {"\x80 5", u"\u20ac 5"_s},
        {"\x93quoted\x94", u"\u201cquoted\u201d"_s}, {"plain", u"plain"_s}};
    // clang-format on
    for (const auto &[bytes, text] : cases) {
        EXPECT_EQ(decodeText(bytes), text);
        EXPECT_EQ(encodeText(text), bytes);
    }
    EXPECT_EQ(encodeText(u"a\u4e2d\u03a9b"_s), QByteArray("a??b"));
    EXPECT_FALSE(canEncode(QChar(0x4e2d)));
}
