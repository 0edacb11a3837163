// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_names.h"

#include "test_support.h"

TEST(FileNames, PlainNamesOfAnyLengthTheFileSystemTakesAreFine)
{
    const QString longest = QString(251, u'n') + u".sav"_s; // 255 bytes, as most systems allow
    // clang-format off
    const std::tuple<QString, NameUse, const char *> cases[] = {
        {u"army 1.sav"_s, NameUse::Writing, ""}, {u".sav"_s, NameUse::Writing, ""},
        {longest, NameUse::Writing, ""}, {u"\u00e9"_s + longest.mid(2), NameUse::Writing, ""},
        {u"n"_s + longest, NameUse::Reading, "too long"},
        {u"\u00e9"_s + longest.mid(1), NameUse::Writing, "too long"}, // 2 bytes in UTF-8
        {u"a/b.sav"_s, NameUse::Reading, "folder part"},
        {u"../b.sav"_s, NameUse::Writing, "folder part"},
        {u"a\\b.sav"_s, NameUse::Writing, "folder part"}, {u"a\\b.sav"_s, NameUse::Reading, ""},
        {u"ab\0cd.sav"_s, NameUse::Writing, "control character U+0000 (NUL)"},
        {u"one.sav\0junk.sav"_s, NameUse::Reading, "U+0000 (NUL)"},
        {u"a\tb.sav"_s, NameUse::Reading, "U+0009 (TAB)"}, {u"\x1f.htm"_s, NameUse::Writing, "U+001F (US)"},
        {u"x\x7f.txt"_s, NameUse::Writing, "U+007F (DEL)"}, {u"x\x80 \u00a0.txt"_s, NameUse::Writing, ""}};
    // clang-format on
    for (const auto &[name, use, problem] : cases) {
        const QString found = fileNameProblem(name, use);
        EXPECT_EQ(found.isEmpty(), *problem == 0) << name.left(20).toStdString();
        EXPECT_TRUE(found.contains(QLatin1String(problem))) << found.toStdString();
    }

    EXPECT_EQ(shownName(QString(61, u'x')), QString(61, u'x'));
    EXPECT_EQ(shownName(u"a\0b\x1f\x7f"_s), u"a\u2400b\u241f\u2421"_s);
    EXPECT_EQ(shownName(QString(40, u'a') + QString(2, u'b') + QString(20, u'c')),
              QString(40, u'a') + u'\u2026' + QString(20, u'c'));
}
