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
        {u"a\\b.sav"_s, NameUse::Writing, "folder part"}, {u"a\\b.sav"_s, NameUse::Reading, ""}};
    // clang-format on
    for (const auto &[name, use, problem] : cases) {
        const QString found = fileNameProblem(name, use);
        EXPECT_EQ(found.isEmpty(), *problem == 0) << name.left(20).toStdString();
        EXPECT_TRUE(found.contains(QLatin1String(problem))) << found.toStdString();
    }

    EXPECT_EQ(shownName(QString(61, u'x')), QString(61, u'x'));
    EXPECT_EQ(shownName(QString(40, u'a') + QString(2, u'b') + QString(20, u'c')),
              QString(40, u'a') + u'\u2026' + QString(20, u'c'));
}
