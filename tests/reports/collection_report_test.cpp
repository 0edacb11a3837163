// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "reports/collection_report.h"
#include "reports/line_printer.h"
#include "reports/page_line_printer.h"

#include "test_support.h"

#include <QFile>

namespace {

// Six units; the Spring collection lists rows 3 and 6.
const QByteArray springUnits =
    "1,Grub,Weak,C,F,1\n2,Hob,Standard,C,F,2\n12345678,Bone Archer,Weak,C,F,3\n"
    "4,Nell,Tough,C,F,4\n5,Gull,Weak,C,F,5\nabc,\"Mara, the Ember Saint\",Unique,R,F,6\n";
// Only counts that read above 0 are listed, as written; the last one has no unit behind it.
const QStringList springCounts = {u"0"_s, QString(), u"1"_s, u"-2"_s, u"x"_s, u" 3 "_s, u"7"_s};
const ReportSummary springSummary{u"4"_s, u"95"_s, u"7.5"_s};

CollectionReport report(const QString &name, const QStringList &counts, const QByteArray &units,
                        std::optional<ReportSummary> summary = {})
{
    return buildCollectionReport(name, counts, parseCatalogue(units).catalogue, summary);
}

// Writes down what a report asks of a printer: texts as they are, "[c]" for advancing to
// column c, a line end for each ended line and "<end>" for the end of the document.
class RecordingPrinter : public LinePrinter
{
public:
    void print(const QString &text) override { transcript += text; }
    void advanceTo(int column) override { transcript += u"[%1]"_s.arg(column); }
    void endLine() override { transcript += u'\n'; }
    bool endDocument() override { return (transcript += u"<end>"_s), true; }
    QString transcript;
};

} // namespace

// The army's text report is the collection's, but for its summary's first label.
TEST(CollectionReport, TextAndHtmlMatchTheirGoldenFiles)
{
    // Ids of 3, 8 and 9 characters, labels of 20, 33 and 34, and a padded count text; then
    // names and ids with markup and with characters the page's character set lacks.
    // clang-format off
    struct Case { const char *file; QString name; QByteArray units; QStringList counts;
                  std::optional<ReportSummary> summary; bool army = false; };
    const Case cases[] = {
        {"spring_summary.txt", u"Spring"_s, springUnits, springCounts, springSummary},
        {"army_summary.txt", u"Spring"_s, springUnits, springCounts, springSummary, true},
        {"empty_army.txt", QString(), springUnits, {}, {}, true},
        {"columns.txt", u"Columns & Stops"_s, "abc,Thirteen Char,Weak,C,F,1\n"
         "ABCDEFGH,Twenty-two characters!,Standard,C,F,1\n"
         "ABCDEFGHI,Twenty-six characters long,Tough,C,F,1\n",
         {u"2"_s, u"10"_s, u"4"_s + QString(29, u' ')}, {}},
        {"empty.htm", QString(), springUnits, {}, {}},
        {"escaped_summary.htm", u"Rock & Roll <Elite> \u4e2d\u03a9 \u20ac"_s,
         "1&2,Rock & Roll <Elite>,\"\"\"Weak\"\"\",C,F,1\nu2,S\xe9raphine,Unique,R,F,1\n",
         {u"2"_s, u"7"_s + QString(29, u' ')}, ReportSummary{u"9"_s, u"120"_s, u"1.25"_s}}};
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        QFile golden(QStringLiteral(ROSTERMERE_TEST_DATA "/reports/") + QLatin1String(c.file));
        ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
        CollectionReport r = report(c.name, c.counts, c.units, c.summary);
        r.army = c.army;
        EXPECT_EQ(QByteArray(c.file).endsWith(".htm") ? htmlReport(r) : textReport(r),
                  golden.readAll());
    }
    // Such a character is written as a reference in a text without markup too.
    EXPECT_TRUE(htmlReport(report(u"\u03a9"_s, {}, springUnits, {})).contains("<strong>&#937;<"));
    // Control characters are references, DEL among them.
    EXPECT_TRUE(htmlReport(report(u"a\x7f\x01"
                                  "b"_s,
                                  {}, springUnits, {}))
                    .contains("a&#127;&#1;b"));
    // A character beyond U+FFFF is one reference, and one '?' where the page has no byte for it.
    const CollectionReport castle = report(u"A\U0001F3F0B"_s, {}, springUnits, {});
    EXPECT_TRUE(htmlReport(castle).contains("A&#127984;B"));
    EXPECT_TRUE(textReport(castle).contains(" A?B\r\n"));
}

TEST(CollectionReport, PrinterGetsHeadingsRowsColumnStopsAndTheSummary)
{
    const QString rule(66, u'=');
    RecordingPrinter printer;
    ASSERT_TRUE(
        printReport(report(u"Spring"_s, springCounts, springUnits, springSummary), printer));
    EXPECT_EQ(printer.transcript, rule + u"\n          Spring Collection\n"_s + rule +
                                      u"\nUnit[13]Unit Name[39]Quantity \n ID \n"
                                      u"12345678[9]Bone Archer (Weak)[42]1\n"
                                      u"abc[9]Mara, the Ember Saint (Unique)[42] 3 \n\n\n"
                                      u"Number of Pieces in Collection:           4\n"
                                      u"Total Point Value:                        95\n"
                                      u"Alleged Value:                            7.5\n<end>"_s);
}

TEST(TextLinePrinter, ColumnOneAndBelowAreTheLineStart)
{
    for (int column : {1, 0, -3}) {
        TextLinePrinter printer;
        printer.advanceTo(column);
        printer.print(u"x"_s);
        printer.endDocument();
        EXPECT_EQ(printer.bytes(), "x\r\n") << column;
    }
    // A character beyond U+FFFF takes one column, as it takes one byte of the report.
    TextLinePrinter printer;
    printer.print(u"\U0001F3F0"_s);
    printer.advanceTo(3);
    printer.print(u"x"_s);
    printer.endDocument();
    EXPECT_EQ(printer.bytes(), "? x\r\n");
}

namespace {

// A page three lines high whose characters are all one column wide; writes down each text it
// is given to draw as "page:x,y:text".
class RecordingPage : public PageLinePrinter
{
public:
    bool endDocument() override { return ready(); }
    QStringList drawn;

protected:
    bool begin(Metrics &metrics) override
    {
        metrics = {10, 10, 8, 35};
        return true;
    }
    bool newPage() override { return ++m_page, true; }
    qreal drawText(QPointF at, const QString &text) override
    {
        drawn.append(u"%1:%2,%3:%4"_s.arg(m_page).arg(at.x()).arg(at.y()).arg(text));
        return 10.0 * text.size();
    }

private:
    int m_page = 1;
};

} // namespace

TEST(PageLinePrinter, TextsStartAtTheirColumnsAndLinesFillPagesInTurn)
{
    RecordingPage page;
    ASSERT_TRUE(printReport(report(u"Spring"_s, springCounts, springUnits, springSummary), page));
    const QString rule(66, u'=');
    EXPECT_EQ(page.drawn,
              (QStringList{u"1:0,8:"_s + rule, u"1:0,18:          Spring Collection"_s,
                           u"1:0,28:"_s + rule, u"2:0,8:Unit"_s, u"2:120,8:Unit Name"_s,
                           u"2:380,8:Quantity "_s, u"2:0,18: ID "_s, u"2:0,28:12345678"_s,
                           u"2:80,28:Bone Archer (Weak)"_s, u"2:410,28:1"_s, u"3:0,8:abc"_s,
                           u"3:80,8:Mara, the Ember Saint (Unique)"_s, u"3:410,8: 3 "_s,
                           u"4:0,8:Number of Pieces in Collection:           4"_s,
                           u"4:0,18:Total Point Value:                        95"_s,
                           u"4:0,28:Alleged Value:                            7.5"_s}));

    // A text past its stop pushes the next one to that stop on the next line; one that ends
    // on it does not. Once the check says stop, nothing more is drawn and nothing is sent.
    RecordingPage stopped;
    stopped.setLineCheck([](int lines) { return lines < 2; });
    stopped.print(u"abcd"_s);
    stopped.advanceTo(3);
    stopped.print(u"ef"_s);
    stopped.advanceTo(5);
    stopped.print(u"g"_s);
    stopped.endLine();
    stopped.print(u"never"_s);
    EXPECT_FALSE(stopped.endDocument());
    EXPECT_TRUE(stopped.abandoned());
    EXPECT_EQ(stopped.drawn, (QStringList{u"1:0,8:abcd"_s, u"1:20,18:ef"_s, u"1:40,18:g"_s}));
    // Column one and below are the line's start, on the page as in the text report.
    for (const int column : {1, 0, -3}) {
        RecordingPage start;
        start.print(u"ab"_s);
        start.advanceTo(column);
        start.print(u"c"_s);
        EXPECT_EQ(start.drawn, (QStringList{u"1:0,8:ab"_s, u"1:0,18:c"_s})) << column;
    }
}
