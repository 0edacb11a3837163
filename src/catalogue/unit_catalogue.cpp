#include "unit_catalogue.h"

#include <algorithm>

using namespace Qt::StringLiterals;

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

} // namespace

QString guideNameFor(const QString &name, const QString &strength, const QString &rarity)
{
    QLatin1StringView tag;
    if (strength == "Weak"_L1)
        tag = "(W)"_L1;
    else if (strength == "Standard"_L1)
        tag = "(S)"_L1;
    else if (strength == "Tough"_L1)
        tag = "(T)"_L1;
    else if (strength == "Unique"_L1)
        tag = rarity == "LE"_L1 ? "(LE)"_L1 : "(U)"_L1;
    else
        return QString();
    const QStringView trimmed = trimSpaces(name);
    // Sized once and filled in place: the key is built for every unit of the catalogue.
    QString key(trimmed.size() + 1 + tag.size(), Qt::Uninitialized);
    QChar *out = std::copy(trimmed.begin(), trimmed.end(), key.data());
    *out++ = u' ';
    for (const char c : tag)
        *out++ = QLatin1Char(c);
    return key;
}

void UnitCatalogue::reserve(int units)
{
    for (QStringList *list : {&UnitId, &UnitName, &UnitStr, &UnitRarity, &UnitFaction,
                              &UnitPointValue, &UnitGuideName, &UnitPrice})
        list->reserve(units);
}

void UnitCatalogue::append(QString id, QString name, QString strength, QString rarity,
                           QString faction, QString pointValue)
{
    Q_ASSERT(UnitCount < MaxUnits);
    // Moved, not copied: a full catalogue is a quarter of a million strings, and each copy
    // costs an atomic count up and down again.
    UnitGuideName.append(guideNameFor(name, strength, rarity));
    UnitId.append(std::move(id));
    UnitName.append(std::move(name));
    UnitStr.append(std::move(strength));
    UnitRarity.append(std::move(rarity));
    UnitFaction.append(std::move(faction));
    UnitPointValue.append(std::move(pointValue));
    UnitPrice.append(QString());
    ++UnitCount;
}
