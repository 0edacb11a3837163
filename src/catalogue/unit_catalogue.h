#pragma once

#include <QString>
#include <QStringList>

// The units of the game as the catalogue file lists them, in file order. Entry k of every
// list describes the unit at catalogue row k; all lists always have UnitCount entries.
struct UnitCatalogue
{
    // Row counts and tally files store the number of units in 16 bits.
    static constexpr int MaxUnits = 32767;

    QStringList UnitId;
    QStringList UnitName; // untrimmed, as read
    QStringList UnitStr;  // strength class
    QStringList UnitRarity;
    QStringList UnitFaction;
    QStringList UnitPointValue; // a number in text form, read only where it is summed
    QStringList UnitGuideName;  // price-guide key: trimmed name, a space and a strength tag
    QStringList UnitPrice;      // price text from the guide; empty when the guide has none
    qint16 UnitCount = 0;

    int size() const { return UnitCount; }

    // Makes room for `units` units, so that a long catalogue grows its lists once.
    void reserve(int units);

    // Appends one unit and builds its guide key; the price starts empty.
    void append(QString id, QString name, QString strength, QString rarity, QString faction,
                QString pointValue);
};

// The price-guide key of a unit, or an empty text for a strength class that has no tag.
// Comparisons are exact: "weak" is not "Weak".
QString guideNameFor(const QString &name, const QString &strength, const QString &rarity);
