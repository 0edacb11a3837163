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
    struct Case
    {
        const char *what;
        QString text;
        QStringList fields;
    };
    const Case cases[] = {
        {"commas", QStringLiteral("a,b,c"), {u"a"_s, u"b"_s, u"c"_s}},
        {"LF ends a field", QStringLiteral("a,b\nc"), {u"a"_s, u"b"_s, u"c"_s}},
        {"CR LF ends a field", QStringLiteral("a,b\r\nc\r\n"), {u"a"_s, u"b"_s, u"c"_s}},
        {"lone CR ends a field", QStringLiteral("a\rb"), {u"a"_s, u"b"_s}},
        {"no line end at the end", QStringLiteral("a\r\nb"), {u"a"_s, u"b"_s}},
        {"empty lines carry no field", QStringLiteral("\n\r\na\n\n\r\nb\n\n"), {u"a"_s, u"b"_s}},
        {"blank line carries no field", QStringLiteral("a\n   \t\nb"), {u"a"_s, u"b"_s}},
        {"blanks around unquoted fields go", QStringLiteral("  a b  ,\tc\t\n"),
         {u"a b"_s, u"c"_s}},
        {"quotes keep commas", QStringLiteral("\"Mara, the Saint\",x"),
         {u"Mara, the Saint"_s, u"x"_s}},
        {"quotes keep blanks", QStringLiteral("  \"  Old Brack  \" ,x"),
         {u"  Old Brack  "_s, u"x"_s}},
        {"doubled quote is one quote", QStringLiteral("\"say \"\"hi\"\"\",x"),
         {u"say \"hi\""_s, u"x"_s}},
        {"quotes keep line ends", QStringLiteral("\"two\nlines\",x"), {u"two\nlines"_s, u"x"_s}},
        {"text after a closing quote is dropped", QStringLiteral("\"a\" junk,b"), {u"a"_s, u"b"_s}},
        {"quote inside an unquoted field is text", QStringLiteral("a\"b,c"), {u"a\"b"_s, u"c"_s}},
        {"empty quoted field", QStringLiteral("\"\",x"), {QString(), u"x"_s}},
        {"two commas leave an empty field", QStringLiteral("a,,b"), {u"a"_s, QString(), u"b"_s}},
        {"comma before a line end", QStringLiteral("a,\nb"), {u"a"_s, QString(), u"b"_s}},
        {"comma at the very end", QStringLiteral("a,"), {u"a"_s, QString()}},
        {"empty text", QString(), {}},
        {"only line ends", QStringLiteral("\r\n\r\n"), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readAll(c.text), c.fields) << c.what;
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
