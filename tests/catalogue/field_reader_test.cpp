#include "catalogue/field_reader.h"

#include <QStringList>

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList readAll(const QString &text)
{
    FieldReader reader(text);
    QStringList fields;
    QString field;
    while (reader.next(field))
        fields.append(field);
    return fields;
}

} // namespace

TEST(FieldReader, SplitsFieldsAsTheCatalogueWritesThem)
{
    const QString empty;
    // clang-format off
    const std::pair<QString, QStringList> cases[] = {
        {u"a,b\nc"_s, {u"a"_s, u"b"_s, u"c"_s}},      // commas and LF end fields
        {u"a,b\r\nc\r\n"_s, {u"a"_s, u"b"_s, u"c"_s}}, // CR LF
        {u"a\rb"_s, {u"a"_s, u"b"_s}},                 // a lone CR
        {u"\n\r\na\n\n   \t\nb\n\n"_s, {u"a"_s, u"b"_s}}, // empty and blank lines: no field
        {u"  a b  ,\tc\t\n"_s, {u"a b"_s, u"c"_s}},    // blanks around unquoted fields go
        {u"\"Mara, the Saint\",x"_s, {u"Mara, the Saint"_s, u"x"_s}},
        {u"  \"  Old Brack  \" ,x"_s, {u"  Old Brack  "_s, u"x"_s}},
        {u"\"say \"\"hi\"\"\",x"_s, {u"say \"hi\""_s, u"x"_s}},
        {u"\"two\nlines\",x"_s, {u"two\nlines"_s, u"x"_s}},
        {u"\"a\" junk,b"_s, {u"a"_s, u"b"_s}},          // text after a closing quote is dropped
        {u"a\"b,c"_s, {u"a\"b"_s, u"c"_s}},            // a quote inside an unquoted field
        {u"\"\",x"_s, {empty, u"x"_s}}, {u"a,,b"_s, {u"a"_s, empty, u"b"_s}},
        {u"a,\nb"_s, {u"a"_s, empty, u"b"_s}}, {u"a,"_s, {u"a"_s, empty}},
        {empty, {}}, {u"\r\n\r\n"_s, {}}};
    // clang-format on
    for (const auto &[text, fields] : cases)
        EXPECT_EQ(readAll(text), fields) << text.toStdString();
}

TEST(FieldReader, CountsLinesOfEveryLineEndKind)
{
    FieldReader reader(u"a\r\n\nb,\"x\ny\"\rc"_s);
    QString field;
    QList<int> lines;
    while (reader.next(field))
        lines.append(reader.fieldLine());
    EXPECT_EQ(lines, (QList<int>{1, 3, 3, 5}));
    EXPECT_EQ(reader.unclosedQuoteLine(), 0);
}

TEST(FieldReader, UnclosedQuoteRunsToTheEndAndIsReported)
{
    FieldReader reader(u"a\n\"open,\nstill open"_s);
    QString field;
    ASSERT_TRUE(reader.next(field));
    ASSERT_TRUE(reader.next(field));
    EXPECT_EQ(field, u"open,\nstill open"_s);
    EXPECT_FALSE(reader.next(field));
    EXPECT_EQ(reader.unclosedQuoteLine(), 2);
}
