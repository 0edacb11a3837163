#include "catalogue/catalogue_file.h"

#include "qt_printers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(ROSTERMERE_TEST_DATA "/catalogue/") + QLatin1String(name);
}

QByteArray records(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "u" + QByteArray::number(i) + ",Unit " + QByteArray::number(i) + ",Weak,C,F,1\r\n";
    return text;
}

} // namespace

TEST(GuideName, TagFollowsStrengthAndOnlyUniquesLookAtRarity)
{
    // name, strength, rarity -> key
    // clang-format off
    const std::tuple<const char *, const char *, const char *, const char *> cases[] = {
        {"Grub", "Weak", "C", "Grub (W)"}, {"Grub", "Standard", "C", "Grub (S)"},
        {"Grub", "Tough", "R", "Grub (T)"}, {"Grub", "Unique", "R", "Grub (U)"},
        {"Grub", "Unique", "LE", "Grub (LE)"}, {"Grub", "Weak", "LE", "Grub (W)"},
        {"Grub", "Unique", "le", "Grub (U)"}, {"  Old Nell  ", "Unique", "LE", "Old Nell (LE)"},
        {"Grub", "weak", "C", ""}, {"Grub", "UNIQUE", "LE", ""}, {"Grub", "Weak ", "C", ""},
        {"Grub", "Giant", "C", ""}, {"Grub", "", "C", ""}};
    // clang-format on
    for (const auto &[name, strength, rarity, key] : cases)
        EXPECT_EQ(guideNameFor(QLatin1String(name), QLatin1String(strength), QLatin1String(rarity)),
                  QLatin1String(key))
            << name << " / " << strength;
}

TEST(Catalogue, RecordsLoadInFileOrderWithFieldsAsWritten)
{
    const CatalogueLoad load = LoadCatalogue(fixture("crlf.txt"));
    ASSERT_TRUE(load.error.isEmpty());
    EXPECT_TRUE(load.problems.isEmpty());
    const UnitCatalogue &units = load.catalogue;
    ASSERT_EQ(units.UnitCount, 5);
    EXPECT_EQ(units.UnitId, (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
    EXPECT_EQ(units.UnitName, (QStringList{u"Grub"_s, u"Hob, the Elder"_s, u"  Old Nell  "_s,
                                           u"S\u00e9raphine"_s, u"Boulder"_s}));
    EXPECT_EQ(units.UnitStr,
              (QStringList{u"Weak"_s, u"Standard"_s, u"Unique"_s, u"Unique"_s, u"Giant"_s}));
    EXPECT_EQ(units.UnitRarity, (QStringList{u"C"_s, u"U"_s, u"LE"_s, u"R"_s, u"C"_s}));
    EXPECT_EQ(units.UnitFaction.at(3), u"Choir"_s);
    EXPECT_EQ(units.UnitPointValue, (QStringList{u"5"_s, u"20"_s, u"70"_s, u"65"_s, u"90"_s}));
    EXPECT_EQ(units.UnitGuideName, (QStringList{u"Grub (W)"_s,
                                                u"Hob, the Elder (S)"_s,
                                                u"Old Nell (LE)"_s,
                                                u"S\u00e9raphine (U)"_s,
                                                {}}));
    EXPECT_EQ(units.UnitPrice, QStringList(5));
}

TEST(Catalogue, WholeAndBrokenFiles)
{
    struct Case
    {
        const char *file;
        int units;
        int problemLine; // 0: no problem
    };
    const Case cases[] = {{"empty.txt", 0, 0},
                          {"trailing_blank_lines.txt", 2, 0},
                          {"no_final_line_end.txt", 1, 0},
                          {"truncated.txt", 2, 4}};
    for (const Case &c : cases) {
        const CatalogueLoad load = LoadCatalogue(fixture(c.file));
        EXPECT_TRUE(load.error.isEmpty()) << c.file;
        EXPECT_EQ(load.catalogue.size(), c.units) << c.file;
        EXPECT_EQ(load.catalogue.UnitGuideName.size(), c.units) << c.file;
        EXPECT_EQ(load.problems.isEmpty() ? 0 : load.problems.front().line, c.problemLine)
            << c.file;
    }
    const LoadProblem cut = LoadCatalogue(fixture("truncated.txt")).problems.front();
    EXPECT_EQ(describe(cut), u"line 4: the file ends inside a record (3 of its 6 fields); the "
                             u"rest of the file was ignored."_s);

    const CatalogueLoad unclosed = parseCatalogue("1,\"Grub,Weak,C,F,1\n2,Hob,Weak,C,F,1\n");
    EXPECT_EQ(unclosed.catalogue.size(), 0);
    ASSERT_EQ(unclosed.problems.size(), 2);
    EXPECT_EQ(unclosed.problems.back().line, 1);
}

TEST(Catalogue, UnitLimitIsThe16BitRowCount)
{
    const CatalogueLoad atLimit = parseCatalogue(records(UnitCatalogue::MaxUnits));
    EXPECT_EQ(atLimit.catalogue.size(), UnitCatalogue::MaxUnits);
    EXPECT_TRUE(atLimit.problems.isEmpty());

    const CatalogueLoad over = parseCatalogue(records(UnitCatalogue::MaxUnits + 5));
    EXPECT_EQ(over.catalogue.UnitId.size(), UnitCatalogue::MaxUnits);
    EXPECT_EQ(over.catalogue.UnitId.back(), u"u32766"_s);
    ASSERT_EQ(over.problems.size(), 1);
    EXPECT_EQ(over.problems.front().line, UnitCatalogue::MaxUnits + 1);
}

TEST(Catalogue, UnreadableFileGivesAReasonAndNoUnits)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"rfarm.txt"_s));
    for (const QString &path : {dir.filePath(u"missing.txt"_s), dir.filePath(u"rfarm.txt"_s)}) {
        const CatalogueLoad load = LoadCatalogue(path);
        EXPECT_FALSE(load.error.isEmpty()) << path.toStdString();
        EXPECT_EQ(load.catalogue.size(), 0);
    }
}
