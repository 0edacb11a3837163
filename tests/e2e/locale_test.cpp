// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gui_fixture.h"

#include <clocale>
#include <iostream>

// Under each locale, as the C library and Qt take it from the environment: prices read the
// same, labels use the regional separator, and count texts are the same everywhere.
TEST_F(GuiTest, PricesReadTheSameAndLabelsUseTheRegionalSeparator)
{
    writeFile(u"rfarm.txt"_s, "1,Grub,Weak,C,Mire,45\r\n2,Hob,Standard,C,Mire,10\r\n");
    writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",3.5\r\n\"Hob (S)\",0.25\r\n");
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const std::pair<const char *, QString> cases[] = {
        {"C", u"."_s}, {"en_US.UTF-8", u"."_s}, {"de_DE.UTF-8", u","_s}, {"fr_FR.UTF-8", u","_s}};
    for (const auto &[locale, separator] : cases) {
        SCOPED_TRACE(locale);
        // Locale tests only prove their point where the C library writes decimal commas too.
        if (std::setlocale(LC_ALL, locale) == nullptr) {
            if (qEnvironmentVariable("CI") == u"true"_s)
                ADD_FAILURE() << "the C library does not have this locale (./test installs it)";
            std::cout << "[ NOTE ] the C library lacks " << locale << '\n';
        }
        QLocale::setDefault(QLocale(QString::fromLatin1(locale).section(u'.', 0, 0)));
        start(true);
        find<QRadioButton>(main.get(), "optArmy")->setChecked(true);
        doubleClickRow(list("lstUnits"), 0);
        EXPECT_EQ(text("lblArmyPrice"), u"3"_s + separator + u"5"_s);
        doubleClickRow(list("lstUnits"), 1);
        EXPECT_EQ(shown("Army"), u"1 1 | 2 55 3"_s + separator + u"75"_s);
        EXPECT_TRUE(messages.isEmpty());
    }
    std::setlocale(LC_ALL, previous.c_str());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
