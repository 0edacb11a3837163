#include "catalogue/catalogue_file.h"
#include "reports/collection_report.h"
#include "reports/line_printer.h"

#include "qt_printers.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray golden(const char *name)
{
    QFile file(QStringLiteral(ROSTERMERE_TEST_DATA "/reports/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Six units; the Spring collection counts rows 2 and 5.
UnitCatalogue springUnits()
{
    return parseCatalogue("1,Grub,Weak,C,F,1\n2,Hob,Standard,C,F,2\n"
                          "12345678,Bone Archer,Weak,C,F,3\n4,Nell,Tough,C,F,4\n"
                          "5,Gull,Weak,C,F,5\nabc,\"Mara, the Ember Saint\",Unique,R,F,6\n")
        .catalogue;
}

const QStringList springCounts = {u"0"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"3"_s};

// Writes down what a report asks of a printer: texts as they are, "[c]" for advancing to
// column c, a line end for each ended line and "<end>" for the end of the document.
class RecordingPrinter : public LinePrinter
{
public:
    void print(const QString &text) override { transcript += text; }
    void advanceTo(int column) override { transcript += u"[%1]"_s.arg(column); }
    void endLine() override { transcript += u'\n'; }
    bool endDocument() override
    {
        transcript += u"<end>"_s;
        return true;
    }
    QString transcript;
};

} // namespace

TEST(CollectionReport, ListsCountedUnitsInCatalogueOrder)
{
    const UnitCatalogue units = springUnits();
    const QStringList counts = {u"0"_s, u"1"_s,   QString(), u"-2"_s,
                                u"x"_s, u" 2 "_s, u"7"_s}; // the last row has no unit behind it
    const CollectionReport report = buildCollectionReport(u"S"_s, counts, units, std::nullopt);
    EXPECT_EQ(report.rows,
              (QList<ReportRow>{{u"2"_s, u"Hob (Standard)"_s, u"1"_s},
                                {u"abc"_s, u"Mara, the Ember Saint (Unique)"_s, u" 2 "_s}}));
    EXPECT_TRUE(buildCollectionReport(u"S"_s, {}, UnitCatalogue(), std::nullopt).rows.isEmpty());
}

TEST(CollectionReport, TextReportsMatchTheirGoldenFiles)
{
    const UnitCatalogue units = springUnits();
    EXPECT_EQ(textReport(buildCollectionReport(u"Spring"_s, springCounts, units, std::nullopt)),
              golden("spring.txt"));
    EXPECT_EQ(textReport(buildCollectionReport(u"Spring"_s, springCounts, units,
                                               ReportSummary{u"4"_s, u"95"_s, u"7.5"_s})),
              golden("spring_summary.txt"));

    // Ids of 3, 8 and 9 characters, labels of 20, 33 and 34, and a padded count text.
    const UnitCatalogue columns =
        parseCatalogue("abc,Thirteen Char,Weak,C,F,1\n"
                       "ABCDEFGH,Twenty-two characters!,Standard,C,F,1\n"
                       "ABCDEFGHI,Twenty-six characters long,Tough,C,F,1\n")
            .catalogue;
    const QStringList counts = {u"2"_s, u"10"_s, u"4"_s + QString(29, u' ')};
    EXPECT_EQ(
        textReport(buildCollectionReport(u"Columns & Stops"_s, counts, columns, std::nullopt)),
        golden("columns.txt"));
}

TEST(CollectionReport, EmptyCollectionHasTitleAndHeadingsOnly)
{
    const QByteArray text =
        textReport(buildCollectionReport(QString(), {u"0"_s}, springUnits(), std::nullopt));
    const QByteArray rule = QByteArray(66, '=') + "\r\n";
    EXPECT_EQ(text, rule + QByteArray(14, ' ') + "\r\n" + rule +
                        "Unit        Unit Name                Quantity \r\n"
                        " ID                                   \r\n");
}

TEST(CollectionReport, HtmlPagesMatchTheirGoldenFiles)
{
    EXPECT_EQ(htmlReport(buildCollectionReport(QString(), {}, UnitCatalogue(), std::nullopt)),
              golden("empty.htm"));

    const UnitCatalogue units =
        parseCatalogue(
            "1&2,Rock & Roll <Elite>,\"\"\"Weak\"\"\",C,F,1\nu2,S\xe9raphine,Unique,R,F,1\n")
            .catalogue;
    const QStringList counts = {u"2"_s, u"7"_s + QString(29, u' ')};
    EXPECT_EQ(
        htmlReport(buildCollectionReport(u"Rock & Roll <Elite>"_s, counts, units, std::nullopt)),
        golden("escaped.htm"));
    EXPECT_EQ(htmlReport(buildCollectionReport(u"Rock & Roll <Elite>"_s, counts, units,
                                               ReportSummary{u"9"_s, u"120"_s, u"1.25"_s})),
              golden("escaped_summary.htm"));
}

TEST(CollectionReport, HtmlWritesCharactersOutsideTheCharacterSetAsReferences)
{
    const QByteArray page = htmlReport(
        buildCollectionReport(u"\u4e2d\u03a9 \u20ac"_s, {}, UnitCatalogue(), std::nullopt));
    EXPECT_TRUE(page.contains("<strong>&#20013;&#937; \x80</strong>")) << page.toStdString();
}

TEST(CollectionReport, PrinterGetsHeadingsRowsAndColumnStops)
{
    const QString rule(66, u'=');
    RecordingPrinter printer;
    ASSERT_TRUE(printReport(
        buildCollectionReport(u"Spring"_s, springCounts, springUnits(), std::nullopt), printer));
    EXPECT_EQ(printer.transcript, rule + u"\n          Spring Collection\n"_s + rule +
                                      u"\nUnit[13]Unit Name[39]Quantity \n ID \n"
                                      u"12345678[9]Bone Archer (Weak)[42]1\n"
                                      u"abc[9]Mara, the Ember Saint (Unique)[42]3\n<end>"_s);

    RecordingPrinter summary;
    printReport(buildCollectionReport(u"S"_s, {}, UnitCatalogue(),
                                      ReportSummary{u"4"_s, u"95"_s, u"7.5"_s}),
                summary);
    EXPECT_TRUE(
        summary.transcript.endsWith(u" ID \n\n\n"
                                    u"Number of Pieces in Collection:           4\n"
                                    u"Total Point Value:                        95\n"
                                    u"Alleged Value:                            7.5\n<end>"_s))
        << summary.transcript.toStdString();
}

TEST(TextLinePrinter, ColumnStopsPadStayOrWrap)
{
    // Lines after printing a text, advancing to a column, printing "x" and ending.
    // clang-format off
    const std::tuple<QString, int, QStringList> cases[] = {
        {u"abc"_s, 9, {u"abc     x"_s}}, {u"abcdefgh"_s, 9, {u"abcdefghx"_s}},
        {u"abcdefghi"_s, 9, {u"abcdefghi"_s, u"        x"_s}}, {QString(), 1, {u"x"_s}}};
    // clang-format on
    for (const auto &[before, column, lines] : cases) {
        TextLinePrinter printer;
        printer.print(before);
        printer.advanceTo(column);
        printer.print(u"x"_s);
        printer.endDocument();
        EXPECT_EQ(printer.lines(), lines) << before.toStdString();
    }
}
