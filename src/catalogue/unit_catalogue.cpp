// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_catalogue.h"

#include <algorithm>

namespace {

// Only spaces: the key is built from the name as typed between its quotes.
QStringView trimSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

// The strength tag of the guide's key, or an empty one for a strength class that has none.
QStringView guideTag(QStringView strength, QStringView rarity)
{
    if (strength == u"Weak")
        return u"(W)";
    if (strength == u"Standard")
        return u"(S)";
    if (strength == u"Tough")
        return u"(T)";
    if (strength == u"Unique")
        return rarity == u"LE" ? u"(LE)" : u"(U)";
    return {};
}

} // namespace

void UnitCatalogue::reserve(int units, qsizetype characters)
{
    // Room for what a list may take of a file of `characters`, so that no list grows by
    // copying: room that stays unused is never touched and takes no memory.
    const qsizetype keys = characters + qsizetype(units) * 5;
    const std::pair<UnitTexts *, qsizetype> lists[] = {
        {&UnitId, characters / 2},      {&UnitName, characters},
        {&UnitStr, characters / 2},     {&UnitRarity, characters / 4},
        {&UnitFaction, characters / 2}, {&UnitPointValue, characters / 4},
        {&UnitGuideName, keys},         {&UnitPrice, units * 8}};
    for (const auto &[list, room] : lists)
        list->reserve(units, room);
}

void UnitCatalogue::completeLastUnit()
{
    Q_ASSERT(UnitCount < MaxUnits);
    const int row = UnitCount;
    // Built in place in the keys' text: the key is built for every unit of the catalogue.
    const QStringView tag = guideTag(UnitStr.at(row), UnitRarity.at(row));
    if (tag.isEmpty())
        UnitGuideName.append(QStringView());
    else
        UnitGuideName.appendJoined({trimSpaces(UnitName.at(row)), u" ", tag});
    UnitPrice.append(QStringView());
    ++UnitCount;
}
