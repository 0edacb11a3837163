// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "reports/units_csv.h"
#include "tally_files/counts_csv.h"

#include "test_support.h"

#include <QMap>

namespace {

// Units whose texts a spreadsheet could take apart or for a formula; the last two share an ID,
// so that they are found by name and strength.
UnitCatalogue awkwardUnits()
{
    UnitCatalogue units = parseCatalogue("1,\"Grub, the Elder\",Weak,C,Mire,10\n"
                                         "2,\"Hob \"\"Big\"\" Hob\",Standard,C,Mire,25\n"
                                         "=1+1,\"  Nell  \",Tough,R,Mire,30\n"
                                         "'4,\xc3\x89lodie,Weak,U,C\xc3\xb4te,2.5\n"
                                         "-5,@Sum,Weak,C,Mire,5\n"
                                         "7,Twin,Weak,C,Mire,1\n"
                                         "7,Twin,Tough,C,Mire,1\n")
                              .catalogue;
    units.UnitName = QStringList{u"Grub, the Elder"_s,
                                 u"Hob \"Big\" Hob"_s,
                                 u"  Nell  "_s,
                                 u"\u00c9lodie\nof the break"_s,
                                 u"@Sum"_s,
                                 u"Twin"_s,
                                 u"Twin"_s};
    units.UnitPrice =
        QStringList{u"1.5"_s, QString(), u"2.50"_s, u"1"_s, QString(), QString(), QString()};
    return units;
}

QMap<int, QString> asMap(const CountsCsv &read)
{
    QMap<int, QString> map;
    for (const auto &[row, count] : read.rows)
        map.insert(row, count);
    return map;
}

} // namespace

// What the export writes, the import reads back onto the same units, whatever their texts;
// formula-looking texts are written after an apostrophe, and numbers as plain decimals.
TEST(Csv, ExportedUnitsReadBackOntoTheirUnits)
{
    const UnitCatalogue units = awkwardUnits();
    const QStringList collection{u"3"_s, u"0"_s, u"12 "_s, u"1"_s, u"0"_s, u"2"_s, u"5"_s};
    const QStringList army{u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"4"_s, u"0"_s, u"0"_s};
    const QByteArray bytes = unitsCsv({0, 1, 2, 3, 4, 5, 6}, units, collection, army,
                                      CsvFigure{u"Lacking"_s, {0, 1, 0, 0, 4, 0, 0.5}});
    const QString text = QString::fromUtf8(bytes);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"
                                 "ID,Name,Strength,Rarity,Faction,Points,Price,"
                                 "Collection,Army,Lacking\r\n"));
    EXPECT_TRUE(
        text.contains(u"\"'=1+1\",\"  Nell  \",\"Tough\",\"R\",\"Mire\",30,2.5,12,0,0\r\n"_s))
        << text.toStdString();
    EXPECT_TRUE(text.contains(u"\"2\",\"Hob \"\"Big\"\" Hob\","_s));
    EXPECT_TRUE(text.contains(u"\"''4\",\"Élodie\nof the break\",\"Weak\",\"U\",\"Côte\",2.5,1,"_s));
    EXPECT_TRUE(text.contains(u"\"'-5\",\"'@Sum\",\"Weak\",\"C\",\"Mire\",5,,0,4,4\r\n"_s));
    EXPECT_TRUE(text.endsWith(u",5,0,0.5\r\n"_s)) << text.toStdString();
    for (const bool intoArmy : {false, true}) {
        const CountsCsv read = readCountsCsv(bytes, units, intoArmy);
        ASSERT_EQ(read.error, QString());
        const QStringList &expected = intoArmy ? army : collection;
        QMap<int, QString> wanted;
        for (int row = 0; row < 7; ++row)
            wanted.insert(row, QString::number(expected.at(row).trimmed().toInt()));
        EXPECT_EQ(asMap(read), wanted);
    }
}

// A file with any bad row is refused whole, its first faults named by their spreadsheet rows;
// files of other regions and encodings are read.
TEST(Csv, ImportIsStrictAndReadsTheRegionsSpreadsheets)
{
    const UnitCatalogue units = awkwardUnits();
    struct Case
    {
        QByteArray file;
        QString error;           // the lines after the first, or the whole error
        QMap<int, QString> rows = {}; // when read
    };
    const Case cases[] = {
        {"ID,Name\r\n1,x\r\n", u"The first row must name the columns: \"ID\" (or \"Name\" and "
                               "\"Strength\") and \"Count\" (or \"Collection\")."_s},
        {"", u"The file holds no rows."_s},
        {"ID,Count\r\n9,1\r\n", u"Row 2: this catalogue has no unit \"9\"."_s},
        {"Count,ID\r\n1.5,1\r\n-1,2\r\n40000,=1+1\r\ntwo,'4\r\n",
         u"Row 2: the count \"1.5\" is not a whole number from 0 to 32767.\n"
         "Row 3: the count \"-1\" is not a whole number from 0 to 32767.\n"
         "Row 4: the count \"40000\" is not a whole number from 0 to 32767.\n"
         "Row 5: the count \"two\" is not a whole number from 0 to 32767."_s},
        {"ID,Count\r\n1,1\r\n\"1\",2\r\n", u"Row 3: the unit \"1\" is listed on row 2 too."_s},
        {"ID,Count\r\n1,\"2\r\n", u"A quote that opens a field on row 2 is never closed."_s},
        {"ID,Count\n9,1\n9,1\n9,1\n9,1\n9,1\n9,1\n9,1\n", u"Row 2: this catalogue has no unit "
                                                          "\"9\".\nRow 3: this catalogue has no "
                                                          "unit \"9\".\nRow 4: this catalogue "
                                                          "has no unit \"9\".\nRow 5: this "
                                                          "catalogue has no unit \"9\".\nRow 6: "
                                                          "this catalogue has no unit \"9\".\n"_s},
        // Semicolons and decimal commas, Windows-1252, names and strengths for a shared ID.
        {"Name;Strength;Army;Count\r\nTwin;Tough;3,0;1\r\n\"\xc9lodie\nof the break\";Weak;1;0\r\n",
         {},
         {{3, u"1"_s}, {6, u"3"_s}}},
        // A byte-order mark, tabs, blank lines, a quoted line break and a row the first
        // header names.
        {"\xEF\xBB\xBF"
         "Collection\tID\r\n\r\n7\t\"=1+1\"\r\n0\t'-5\r\n",
         {},
         {{2, u"7"_s}, {4, u"0"_s}}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.file.toStdString());
        const CountsCsv read = readCountsCsv(test.file, units, test.file.contains("Army"));
        const QString error =
            read.error.contains(u'\n') ? read.error.section(u'\n', 1) + u'\n' : read.error;
        if (test.error.endsWith(u'\n') && read.error.count(u'\n') > 5)
            EXPECT_EQ(error.section(u'\n', 0, 4) + u'\n', test.error);
        else
            EXPECT_EQ(error.trimmed(), test.error.trimmed());
        EXPECT_EQ(asMap(read), test.rows);
    }
}
