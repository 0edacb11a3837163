// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "catalogue/field_reader.h"
#include "catalogue/price_guide.h"
#include "catalogue/ruleset_files.h"
#include "common/codec.h"
#include "common/output_file.h"
#include "reports/collection_report.h"

#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// Every field of `text` with the line it starts on: "a@1|b@2".
QString readAll(const QByteArray &text)
{
    FieldReader reader(text);
    QStringList fields;
    for (QByteArrayView field; reader.next(field);)
        fields.append(decodeText(field) + u'@' + QString::number(reader.fieldLine()));
    return fields.join(u'|');
}

// One unit a row: its six fields, guide key and price.
QStringList rowsOf(const UnitCatalogue &units)
{
    for (const UnitTexts *list :
         {&units.UnitId, &units.UnitName, &units.UnitStr, &units.UnitRarity, &units.UnitFaction,
          &units.UnitPointValue, &units.UnitGuideName, &units.UnitPrice})
        EXPECT_EQ(list->size(), units.size());
    QStringList rows;
    for (int i = 0; i < units.size(); ++i)
        rows.append(QStringList{units.UnitId.value(i), units.UnitName.value(i),
                                units.UnitStr.value(i), units.UnitRarity.value(i),
                                units.UnitFaction.value(i), units.UnitPointValue.value(i),
                                units.UnitGuideName.value(i), units.UnitPrice.value(i)}
                        .join(u'|'));
    return rows;
}

// Grub, Hob, Grub again (the same key), Boulder (no key), Nell.
UnitCatalogue pricedUnits(const QByteArray &guide)
{
    UnitCatalogue units = parseCatalogue("1,Grub,Weak,C,Mire,5\n2,Hob,Standard,U,Mire,20\n"
                                         "3,Grub,Weak,R,Mire,6\n4,Boulder,Giant,C,Stone,90\n"
                                         "5,Nell,Unique,LE,Mire,70\n")
                              .catalogue;
    applyPrices(units, parsePriceGuide(guide).prices);
    return units;
}

} // namespace

TEST(FieldReader, SplitsFieldsAsTheCatalogueWritesThemAndKnowsTheirLines)
{
    // clang-format off
    const std::pair<QByteArray, QString> cases[] = {
        {"a,b\r\nc\rd\ne", u"a@1|b@1|c@2|d@3|e@4"_s},
        {"\n\r\na\n\n   \t\nb\n\n", u"a@3|b@6"_s},       // empty and blank lines: no field
        {"  a b  ,\tc\t\n", u"a b@1|c@1"_s}, {"a\"b,c", u"a\"b@1|c@1"_s},
        {"  \" Old, \"\"Brack\"\" \" ,x", u" Old, \"Brack\" @1|x@1"_s},
        {"\"two\nlines\" junk,b", u"two\nlines@1|b@2"_s}, // text after the quote goes
        {"a\r\n\nb,\"x\r\ny\",\r\"p\rq\",c", u"a@1|b@3|x\r\ny@3|@4|p\rq@5|c@6"_s},
        {"\"\",,x", u"@1|@1|x@1"_s}, {"a,\nb,", u"a@1|@1|b@2|@2"_s},
        {"a\n\"open,\nstill", u"a@1|open,\nstill@2"_s}, {"\x93quoted\x94,\xe9", u"\u201cquoted\u201d@1|\u00e9@1"_s},
        {QByteArray(), QString()}, {"\r\n\r\n", QString()}};
    // clang-format on
    for (const auto &[text, fields] : cases)
        EXPECT_EQ(readAll(text), fields) << text.toStdString();
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const QChar c : text)
        bytes.append(char(bigEndian ? c.row() : c.cell()))
            .append(char(bigEndian ? c.cell() : c.row()));
    return bytes;
}

// UTF-8 with or without its byte-order mark when it holds a multi-byte letter; Windows-1252 when
// it is not valid UTF-8 (a lone 0xE9) or the sequence is overlong; ASCII reads alike either way.
// UTF-16 as its mark says. A file of both kinds is read as most of it is, and says so.
TEST(Catalogue, ReadsUtf8FromModernEditorsAndWindows1252Otherwise)
{
    const QString seraphine = u"4|S\u00e9raphine|Unique|R|Ch|65|S\u00e9raphine (U)|7"_s;
    // clang-format off
    const std::tuple<QByteArray, QString, QString> cases[] = {
        {"\xEF\xBB\xBF" "4,S\xC3\xA9raphine \xE2\x82\xAC\xF0\x9F\x8F\xB0,Unique,R,Ch,65\n",
         u"4|S\u00e9raphine \u20ac\U0001F3F0|Unique|R|Ch|65|S\u00e9raphine \u20ac\U0001F3F0 (U)|7"_s, {}},
        {"4,S\xC3\xA9raphine,Unique,R,Ch,65\n", seraphine, {}},
        {"\xEF\xBB\xBF" "1,Grub,Weak,C,Mire,5\n", u"1|Grub|Weak|C|Mire|5|Grub (W)|2"_s, {}},
        {"4,S\xE9raphine,Unique,R,Ch,65\n", seraphine, {}},
        {"4,S\xC0\xA9,Unique,R,Ch,65\n", u"4|S\u00c0\u00a9|Unique|R|Ch|65|S\u00c0\u00a9 (U)|"_s, {}},
        {utf16(u"4,S\u00e9raphine,Unique,R,Ch,65\r\n"_s, false), seraphine, {}},
        {utf16(u"\n4,S\u00e9raphine,Unique,R,Ch,65"_s, true), seraphine, {}},
        {utf16(u"4,S\u00e9raphine,Unique,R,Ch,65\n"_s, false) + "\xD8", seraphine, u"line 0: the file is UTF-16"_s},
        {"4,S\xC3\xA9raphine,Unique,R,Ch,65\n\n5,Gr\xFC\xC3\xBC,Weak,C,Ch,1\n",
         seraphine + u"\n5|Gr\ufffd\u00fc|Weak|C|Ch|1|Gr\ufffd\u00fc (W)|"_s,
         u"line 3: the byte 0xfc is not UTF-8, in which the rest of the file is written; it shows "
         "as \"\ufffd\" (1 such byte(s) in the file)."_s},
        {"\xEF\xBB\xBF" "4,S\xE9raphine,Unique,R,Ch,65\n", u"4|S\ufffdraphine|Unique|R|Ch|65|S\ufffdraphine (U)|"_s,
         u"line 1: the byte 0xe9"_s},
        {"4,S\xE9raphine,Unique,R,Ch,65\r\n5,Gr\xC3\xBC\xFC,Weak,C,Ch,1\r\n\xE9",
         seraphine + u"\n5|Gr\u00c3\u00bc\u00fc|Weak|C|Ch|1|Gr\u00c3\u00bc\u00fc (W)|"_s,
         u"line 2: \"\u00fc\" is written in UTF-8, but most of the file is not, so the file was read "
         "as Windows-1252 and this shows as \"\u00c3\u00bc\"."_s}};
    // clang-format on
    const QByteArray guide =
        "\xEF\xBB\xBF\"Grub (W)\",2\n\"S\xC3\xA9raphine (U)\",7\n\"S\xC3\xA9raphine \xE2\x82\xAC"
        "\xF0\x9F\x8F\xB0 (U)\",7\n";
    for (const auto &[text, rows, problems] : cases) {
        const CatalogueLoad load = parseCatalogue(text);
        UnitCatalogue units = load.catalogue;
        applyPrices(units, parsePriceGuide(guide).prices);
        EXPECT_EQ(rowsOf(units).join(u'\n'), rows) << text.toStdString();
        QStringList said;
        for (const LoadProblem &problem : load.problems)
            said.append(u"line %1: "_s.arg(problem.line) + problem.text);
        EXPECT_TRUE(problems.isEmpty() ? said.isEmpty() : said.join(u'|').startsWith(problems))
            << said.join(u'|').toStdString();
    }
    // The guide is read by the same rules.
    EXPECT_EQ(
        parsePriceGuide(utf16(u"\"Caf\u00e9 (W)\",2"_s, false)).prices.value(u"Caf\u00e9 (W)"_s),
        u"2"_s);
    EXPECT_EQ(parsePriceGuide("\"\xC3\xA9\",1\n\"\xE9\xE9\",2\n").problems.size(), 1);
}

TEST(Catalogue, LoadsRecordsInFileOrderWithFieldsAsWrittenAndExactGuideKeys)
{
    const CatalogueLoad load =
        LoadCatalogue(QStringLiteral(ROSTERMERE_TEST_DATA "/catalogue/crlf.txt"));
    EXPECT_TRUE(load.error.isEmpty() && load.problems.isEmpty());
    EXPECT_EQ(rowsOf(load.catalogue),
              (QStringList{u"1|Grub|Weak|C|Mire Folk|5|Grub (W)|"_s,
                           u"2|Hob, the Elder|Standard|U|Mire Folk|20|Hob, the Elder (S)|"_s,
                           u"3|  Old Nell  |Unique|LE|Mire Folk|70|Old Nell (LE)|"_s,
                           u"4|S\u00e9raphine|Unique|R|Choir|65|S\u00e9raphine (U)|"_s,
                           u"5|Boulder|Giant|C|Stone|90||"_s, u"6|Gob|Tough|LE|Stone|8|Gob (T)|"_s,
                           u"7|Gob|Unique|le|Stone|8|Gob (U)|"_s, u"8|Gob|weak|C|Stone|8||"_s,
                           u"9|Gob|Weak |C|Stone|8||"_s, u"10|Gob||C|Stone|8||"_s}));
    // A last record one field short is dropped from every list.
    const CatalogueLoad cut = parseCatalogue("1,Grub,Weak,C,Mire,5\n2,Hob,Weak,C,Mire\n");
    EXPECT_EQ(rowsOf(cut.catalogue), QStringList{u"1|Grub|Weak|C|Mire|5|Grub (W)|"_s});
    EXPECT_EQ(cut.problems.size(), 1);
}

TEST(PriceGuide, MatchesByKeyWithoutShiftingThePairs)
{
    // the prices of Grub, Hob, Grub, Boulder and Nell after reading the guide
    // clang-format off
    const std::tuple<const char *, QByteArray, QString> cases[] = {
        {"every unit with a key priced", "\"Grub (W)\",1.25\n\"Hob (S)\",3\n\"Nell (LE)\",40.50\n",
         u"1.25|3|1.25||40.50"_s},
        {"a later entry wins; one that matches nothing changes nothing after it",
         "\"Hob (S)\",3\n\"Nobody (T)\",9\n\"Hob (S)\",4.5\n", u"|4.5|||"_s},
        {"a later entry wins also when the guide holds far more entries than lines",
         "\"Grub (W)\",3,\"Hob (S)\",1," + QByteArray("\"Other\",2,").repeated(5) +
         QByteArray("\"Hob (T)\",4,\"Hob (U)\",5,").repeated(40) + "\"Hob (S)\",6", u"3|6|3||"_s},
        {"matching is case-sensitive and needs the whole key",
         "\"hob (S)\",1\n\"Hob\",2\n\"Hob (s)\",3\n\"Hob  (S)\",4\n", u"||||"_s},
        {"pairs may span lines", "\"Hob (S)\"\n3,\"Nell (LE)\"\n\n40\n", u"|3|||40"_s},
        {"prices are kept as written", "\"Hob (S)\",\"  $3,00 \"\n", u"|  $3,00 |||"_s},
        {"a name without a price is ignored", "\"Hob (S)\",3\n\"Grub (W)\"\n", u"|3|||"_s},
        {"a unit of no known strength takes the price of the empty name",
         "\"\",7\n\"Hob (S)\",3\n", u"|3||7|"_s},
        {"names without quotes, blanks around them dropped, among other shapes",
         "Grub (W) , 1\r\n\n Hob (S),2,Nell (LE)\n4\nHob (S),-1\n", u"1|-1|1||4"_s},
        {"empty guide", "", u"||||"_s}};
    // clang-format on
    for (const auto &[what, guide, prices] : cases)
        EXPECT_EQ(pricedUnits(guide).UnitPrice.toList().join(u'|'), prices) << what;
    EXPECT_EQ(parsePriceGuide("\"Hob (S)\",3\n\"Grub (W)\"\n").problems,
              (QList<LoadProblem>{{2, u"the entry \"Grub (W)\" has no price; it was ignored."_s}}));
    EXPECT_EQ(parsePriceGuide("\n\nHob (S),-1\n").problems,
              (QList<LoadProblem>{{3, u"the price \"-1\" of \"Hob (S)\" is negative; the totals "
                                      "count it as it reads."_s}}));
    // A name and its price that both hold doubled quotes keep their own texts.
    EXPECT_EQ(parsePriceGuide("\"A \"\"B\"\" (S)\",\"1\"\"2\"\n").prices.toHash(),
              (QHash<QString, QString>{{u"A \"B\" (S)"_s, u"1\"2"_s}}));
}

// At full size every field of every unit reads as written, every other unit is priced, and the
// text report lists each unit on its line, as it does for a few.
TEST(Catalogue, AFullCatalogueKeepsEveryFieldAndReportsEveryUnit)
{
    const char *const strengths[] = {"Weak", "Standard", "Tough", "Unique"};
    const char *const tags[] = {" (W)", " (S)", " (T)", " (U)"};
    QByteArray file, guide;
    QStringList expected, lines;
    for (int row = 0; row < UnitCatalogue::MaxUnits; ++row) {
        const QByteArray n = QByteArray::number(row),
                         name = "Unit " + n + (row % 3 ? ", the Bold" : ", S\xe9r");
        const QByteArray points = QByteArray::number(row % 50) + ".5", price = n + ".25";
        file += "id" + n + ",\"" + name + "\"," + strengths[row % 4] + ",C,F" + n.right(1) + "," +
                points + "\r\n";
        if (row % 2 == 0)
            guide += "\"" + name + tags[row % 4] + "\"," + price + "\n";
        const QByteArray key = name + tags[row % 4];
        expected.append(QString::fromLatin1("id" + n + "|" + name + "|" + strengths[row % 4] +
                                            "|C|F" + n.right(1) + "|" + points + "|" + key + "|" +
                                            (row % 2 ? QByteArray() : price)));
        lines.append(
            QString::fromLatin1(("id" + n).leftJustified(8) +
                                (name + " (" + strengths[row % 4] + ")").leftJustified(33) + "1"));
    }
    UnitCatalogue units = parseCatalogue(file).catalogue;
    applyPrices(units, parsePriceGuide(guide).prices);
    EXPECT_EQ(rowsOf(units), expected);
    const QStringList report =
        QString::fromLatin1(textReport(buildCollectionReport(
                                u"Full"_s, QStringList(units.size(), u"1"_s), units, {})))
            .split(u"\r\n"_s);
    EXPECT_EQ(report.mid(5, units.size()), lines);
}

TEST(UnitTexts, RowsCutOffLeaveNoTextBehindForTheNextRow)
{
    UnitTexts texts(QStringList{u"ab"_s, u"c"_s, u"de"_s});
    texts.truncate(1);
    texts.append(u"f");
    EXPECT_EQ(texts.toList(), (QStringList{u"ab"_s, u"f"_s}));
}

TEST(PriceGuide, ANewGuideReplacesEarlierPricesAndAMissingOneClearsThem)
{
    UnitCatalogue units = pricedUnits("\"Hob (S)\",3\n\"Grub (W)\",1\n");
    applyPrices(units, parsePriceGuide("\"Hob (S)\",5\n").prices);
    EXPECT_EQ(units.UnitPrice, (QStringList{QString(), u"5"_s, QString(), QString(), QString()}));
    QTemporaryDir dir;
    const PriceGuideLoad missing = LoadPriceGuide(dir.filePath(u"none.txt"_s));
    EXPECT_FALSE(missing.error.isEmpty());
    applyPrices(units, missing.prices);
    EXPECT_EQ(units.UnitPrice, QStringList(5));
}

// The files read while the window is built are read again when either changed after the read
// began, even to a text of the same length and age; taken as read when neither did. Later reads
// read again only a file changed since what is shown was read from it, and keep its problems.
TEST(RulesetFileReader, ReadsAgainOnlyWhatChangedSinceTheUnitsShownWereRead)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const auto said = [](const RulesetFiles &files) {
        return QStringLiteral("%1 units%2, price %3%4, %5 problem(s)")
            .arg(files.units.catalogue.size())
            .arg(files.unitsAsShown ? u" as shown" : u"")
            .arg(files.guide.prices.value(u"Hob (W)"_s))
            .arg(files.guideAsShown ? u"as shown" : u"")
            .arg(files.units.problems.size() + files.guide.problems.size());
    };
    for (const bool change : {false, true}) {
        ASSERT_EQ(writeWholeFile(CatalogueFileName, "1,Hob,Weak,C,M,-1\n"), QString());
        ASSERT_EQ(writeWholeFile(PriceGuideFileName, "\"Hob (W)\",2\n"), QString());
        RulesetFileReader reader;
        reader.startAhead();
        reader.waitAhead();
        // Written anew, the file is another one to the system, whatever its time and size.
        if (change) {
            ASSERT_EQ(writeWholeFile(PriceGuideFileName, "\"Hob (W)\",3\n"), QString());
        }
        const RulesetFiles first = reader.read();
        EXPECT_EQ(said(first), change ? u"1 units, price 3, 1 problem(s)"_s
                                      : u"1 units, price 2, 1 problem(s)"_s);
        // Until what was read is shown, every read reads both files.
        EXPECT_EQ(said(reader.read()), said(first));
        reader.shown(RulesetFileReader::stateOf(first));
        EXPECT_EQ(said(reader.read()), u"0 units as shown, price as shown, 1 problem(s)"_s);
        ASSERT_EQ(writeWholeFile(PriceGuideFileName, "\"Hob (W)\",4,\n"), QString());
        EXPECT_EQ(said(reader.read()), u"0 units as shown, price 4, 2 problem(s)"_s);
        ASSERT_EQ(writeWholeFile(CatalogueFileName, "1,Hob,Weak,C,M,1\n"), QString());
        EXPECT_EQ(said(reader.read()), u"1 units, price 4, 1 problem(s)"_s);
        // A guide that could not be read is read again, as is a catalogue without units.
        QFile::remove(PriceGuideFileName);
        ASSERT_EQ(writeWholeFile(CatalogueFileName, "\n"), QString());
        reader.shown(RulesetFileReader::stateOf(reader.read()));
        EXPECT_FALSE(reader.read().unitsAsShown || reader.read().guideAsShown);
    }
    QDir::setCurrent(previous);
}

// A record usually fills one line of plain fields; any other shape (two records on a line, one
// over two lines, a trailing comma, quotes, lone CRs, blank lines between) is read by the
// same rules, with the lines of its problems, before and after plain lines.
TEST(Catalogue, RecordsOfEveryShapeReadAlikeAmongPlainLines)
{
    // clang-format off
    const std::pair<QByteArray, QString> cases[] = {
        {"1,A,Weak,C,F,5\n2,B,Tough,R,F,6", u"1|A|Weak|C|F|5;2|B|Tough|R|F|6"_s},
        {" 1 ,\tA  ,Weak,C,F,5 \r\n\r\n2,B,Tough,R,F,-2\r\n", u"1|A|Weak|C|F|5;2|B|Tough|R|F|-2 @3"_s},
        {"1,A,Weak,C,F,5,2,B,Tough,R,F,6\n3,C,Weak,C,F,-2\n", u"1|A|Weak|C|F|5;2|B|Tough|R|F|6;3|C|Weak|C|F|-2 @2"_s},
        {"1,A,Weak\nC,F,5\n2,B,Tough,R,F,-2\n", u"1|A|Weak|C|F|5;2|B|Tough|R|F|-2 @3"_s},
        {"1,A,Weak,C,F,5,\n2,B,Tough,R,F,6\n", u"1|A|Weak|C|F|5;|2|B|Tough|R|F @2"_s},
        {"1,A,Weak,C,F,5\r2,B,Tough,R,F,-2\r", u"1|A|Weak|C|F|5;2|B|Tough|R|F|-2 @2"_s},
        {"\n\n1,A,Weak,C,F,5\n \t\n2,\"B, the Bold\",Tough,R,F,6\n3,C\",Weak,C,F,-2\n",
         u"1|A|Weak|C|F|5;2|B, the Bold|Tough|R|F|6;3|C\"|Weak|C|F|-2 @6"_s},
        {"1,A,Weak,C,F,5\n2,B,Tough,R,F\n", u"1|A|Weak|C|F|5 @2"_s},
        {"1,\"A \"\"x\"\"\",Weak,C,F,5\n2, \"B\" junk\" ,Tough,R,F,-2\n3,\"C\nD\",Weak,C,F,-2\n4,E,Weak,C,F,-2",
         u"1|A \"x\"|Weak|C|F|5;2|B|Tough|R|F|-2;3|C\nD|Weak|C|F|-2;4|E|Weak|C|F|-2 @2 @3 @5 @3"_s}};
    // clang-format on
    for (const auto &[text, expected] : cases) {
        const CatalogueLoad load = parseCatalogue(text);
        QStringList rows = rowsOf(load.catalogue);
        for (QString &row : rows)
            row = row.section(u'|', 0, 5);
        QString said = rows.join(u';');
        for (const LoadProblem &problem : load.problems)
            said += u" @"_s + QString::number(problem.line);
        EXPECT_EQ(said, expected) << text.toStdString();
    }
}
