// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_data.h"

#include "common/output_file.h"
#include "tally_files/tally_file.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>

#include <cctype>
#include <random>

namespace {

const char *const Syllables[] = {"ash",  "bel", "cor", "dun", "el",  "fen", "gar", "hal",
                                 "ir",   "jor", "kel", "lor", "mar", "nor", "or",  "pel",
                                 "quin", "ros", "sel", "tor", "ul",  "var", "wen", "yr"};
const char *const Titles[] = {"Acolyte", "Knight", "Warden",   "Drake",  "Archer", "Witch",
                              "Lancer",  "Golem",  "Sentinel", "Reaver", "Seer",   "Hound"};
const char *const Rarities[] = {"C", "U", "R"};
const char *const Factions[] = {"Ashen Covenant", "Tidebound",        "Iron Synod",
                                "Verdant Court",  "The Hollow Choir", "Sunspear Host"};

} // namespace

bool writeBenchData(const QString &folder, int units, unsigned seed)
{
    std::mt19937 random(seed);
    const auto pick = [&random](int count) {
        return int(std::uniform_int_distribution<int>(0, count - 1)(random));
    };
    QByteArray catalogue;
    QByteArray guide;
    QStringList army;
    QStringList collection;
    int armyPoints = 0;
    int collectionPoints = 0;
    for (int row = 0; row < units; ++row) {
        QByteArray name = Syllables[pick(24)];
        name[0] = char(std::toupper(name[0]));
        name += QByteArray(Syllables[pick(24)]) + Syllables[pick(24)] + " " + Titles[pick(12)];
        const bool quoted = row % 9 == 0;
        if (quoted)
            name += ", the " + QByteArray(Titles[pick(12)]);
        const int kind = pick(100);
        const char *strength = kind < 35   ? "Weak"
                               : kind < 65 ? "Standard"
                               : kind < 85 ? "Tough"
                               : kind < 98 ? "Unique"
                                           : "Colossal";
        const bool limited = kind >= 85 && kind < 98 && pick(4) == 0;
        const int points = 1 + pick(40);
        catalogue += QByteArray::number(100000 + row) + ',' + (quoted ? '"' + name + '"' : name) +
                     ',' + strength + ',' + (limited ? "LE" : Rarities[pick(3)]) + ',' +
                     Factions[pick(6)] + ',' + QByteArray::number(points) + "\r\n";
        static const char *const tags[] = {"(W)", "(S)", "(T)", "(U)", "(LE)"};
        const int tag = kind < 35 ? 0 : kind < 65 ? 1 : kind < 85 ? 2 : limited ? 4 : 3;
        if (kind < 98 && pick(50) != 0)
            guide += '"' + name + ' ' + tags[tag] + "\"," + QByteArray::number(pick(2000) / 100.0) +
                     "\r\n";
        if (row % 500 == 0)
            guide += "\"Unlisted Proxy " + QByteArray::number(row) + " (W)\",0.25\r\n";
        // Sparse counts, kept within the 16-bit point totals even once the army is added.
        const int armyCount = pick(60) == 0 && armyPoints < 12000 ? 1 + pick(2) : 0;
        const int owned = pick(40) == 0 && collectionPoints < 12000 ? 1 + pick(3) : 0;
        armyPoints += armyCount * points;
        collectionPoints += owned * points;
        army.append(QString::number(armyCount));
        collection.append(QString::number(owned));
    }
    const QDir dir(folder);
    return writeWholeFile(dir.filePath(QStringLiteral("rfarm.txt")), catalogue).isEmpty() &&
           writeWholeFile(dir.filePath(QStringLiteral("current-runeforge.txt")), guide).isEmpty() &&
           TallyFile::save(dir.filePath(QStringLiteral("army.sav")), army).isEmpty() &&
           TallyFile::save(dir.filePath(QStringLiteral("collection.sav")), collection).isEmpty();
}
