// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "ui/csv_commands.h"

#include <QComboBox>

// Export writes what the lists show, with the figure the choice is about; an import replaces
// the chosen tally or adds to it as one step of the history, and a file with a bad row changes
// nothing.
TEST_F(GuiTest, CsvExportWritesWhatIsShownAndImportReplacesOrAddsAsOneStep)
{
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                              "3,Nell,Tough,C,Mire,30\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",1.25\r\n");
    start(true);
    for (const auto &[which, row] : {std::pair{WhichTally::Collection, 0},
                                     {WhichTally::Collection, 0},
                                     {WhichTally::Army, 0},
                                     {WhichTally::Army, 1},
                                     {WhichTally::Army, 1},
                                     {WhichTally::Army, 1}})
        main->document().countFigure(which, row, Step::Add);
    auto *csv = main->findChild<CsvCommands *>();
    Q_EMIT find<QComboBox>(main.get(), "cboShow")->activated(int(UnitChoice::LackingForArmy));
    const QString path = QDir::current().filePath(u"Lacking.csv"_s);
    ASSERT_TRUE(csv->exportTo(path));
    EXPECT_EQ(fileBytes(path),
              "\xEF\xBB\xBF"
              "ID,Name,Strength,Rarity,Faction,Points,Price,Collection,Army,"
              "Lacking\r\n\"2\",\"Hob\",\"Standard\",\"C\",\"Mire\",25,,0,3,3\r\n");
    EXPECT_EQ(main->statusLine(), u"Wrote 1 unit to \"%1\"."_s.arg(path));

    ASSERT_TRUE(csv->importFrom(path, WhichTally::Army, false));
    EXPECT_EQ(globals->army.counts, texts({"0", "3", "0"}));
    EXPECT_EQ(totals("Army"), texts({"3", "75", "0"}));
    EXPECT_EQ(main->statusLine(),
              u"Imported 3 figures of 1 unit from \"Lacking.csv\" into the army."_s);
    trigger("actUndo");
    EXPECT_EQ(globals->army.counts, texts({"1", "3", "0"}));
    ASSERT_TRUE(csv->importFrom(path, WhichTally::Army, true));
    EXPECT_EQ(globals->army.counts.at(1).trimmed(), u"6"_s);
    EXPECT_EQ(totals("Army"), texts({"7", "160", "1.25"}));
    trigger("actUndo");

    writeFile(u"bad.csv"_s, "ID,Army\r\n1,2\r\n9,1\r\n");
    EXPECT_FALSE(csv->importFrom(u"bad.csv"_s, WhichTally::Army, false));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front().text,
              u"Could not import \"bad.csv\": 1 row of the file can't be read, so nothing was "
              "imported:\nRow 3: this catalogue has no unit \"9\"."_s);
    EXPECT_EQ(globals->army.counts, texts({"1", "3", "0"}));
}
