// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

TEST_F(GuiTest, ReportsAreNamedAfterTheCollectionAndEndWithTheTotalsAsShown)
{
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                              "3,Nell,Tough,C,Mire,30\r\n4,Gull,Weak,C,Coast,5\r\n"
                              "5,Mara,Unique,LE,Coast,70\r\n6,Wisp,Weak,C,Coast,1\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Hob (S)\",1.25\r\n\"Mara (LE)\",12\r\n");
    start(true);
    const auto lines = [this](const QString &file) {
        const QByteArray bytes = fileBytes(file);
        EXPECT_TRUE(bytes.endsWith("\r\n")) << file.toStdString();
        return QString::fromLatin1(bytes.chopped(2)).split(u"\r\n"_s);
    };
    trigger("mnuPrintCollectionHtml");
    EXPECT_EQ(lines(u".htm"_s).size(), 14);

    for (const int row : {4, 1, 4})
        doubleClickRow(list("lstUnits"), row);
    find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"Rock & Roll"_s);
    trigger("mnuIncludeSummary");
    trigger("mnuPrintCollectionToFile");
    const QStringList text = lines(u"Rock & Roll.txt"_s);
    ASSERT_EQ(text.size(), 12);
    EXPECT_EQ(text[1], u"              Rock & Roll"_s);
    EXPECT_EQ(text.mid(5), (QStringList{u"2       Hob (Standard)                   1"_s,
                                        u"5       Mara (Unique)                    2"_s,
                                        {},
                                        {},
                                        u"Number of Pieces in Collection:           3"_s,
                                        u"Total Point Value:                        165"_s,
                                        u"Alleged Value:                            25.25"_s}));
    expectAligned(4); // the place is kept
    EXPECT_EQ(main->statusLine(), u"Wrote the collection to \"Rock & Roll.txt\": 2 units."_s);
    trigger("mnuPrintCollectionHtml");
    EXPECT_EQ(lines(u"Rock & Roll.htm"_s)[3], u"              <strong>Rock &amp; Roll</strong>"_s);

    // "Print Army To File" writes the army as the text report, its summary from the army's
    // labels; "Exit" ends at once without a question or a file.
    QTest::mouseClick(find<QRadioButton>(main.get(), "optArmy"), Qt::LeftButton);
    doubleClickRow(list("lstUnits"), 2);
    doubleClickRow(list("lstUnits"), 2);
    main->selectRow(0);
    find<QLineEdit>(main.get(), "txtArmyName")->setText(u"Raid"_s);
    trigger("mnuPrintArmyToTextFile");
    EXPECT_EQ(lines(u"Raid.txt"_s).mid(1),
              (QStringList{u"              Raid"_s,
                           QString(66, u'='),
                           text[3],
                           text[4],
                           u"3       Nell (Tough)                     2"_s,
                           {},
                           {},
                           u"Number of Pieces in Army:                 2"_s,
                           u"Total Point Value:                        60"_s,
                           u"Alleged Value:                            0"_s}));
    EXPECT_EQ(main->statusLine(), u"Wrote the army to \"Raid.txt\": 1 unit."_s);
    // Written off the window's thread, the file holds the army as it was when chosen.
    const QByteArray raid = fileBytes(u"Raid.txt"_s);
    ASSERT_TRUE(QFile::remove(u"Raid.txt"_s));
    find<QAction>(main.get(), "mnuPrintArmyToTextFile")->trigger();
    main->document().countFigure(WhichTally::Army, 0, Step::Add);
    ReportCommands::finishWriting();
    EXPECT_EQ(fileBytes(u"Raid.txt"_s), raid);
    trigger("actUndo");
    EXPECT_EQ(main->statusLine(), u"Wrote the army to \"Raid.txt\": 1 unit."_s);
    EXPECT_EQ(main->selectedRow(), 0);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(execWith([this] { trigger("mnuExit"); }), 0);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), before);
}
