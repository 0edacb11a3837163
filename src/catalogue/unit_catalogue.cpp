#include "unit_catalogue.h"

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
    QStringView tag;
    if (strength == u"Weak")
        tag = u"(W)";
    else if (strength == u"Standard")
        tag = u"(S)";
    else if (strength == u"Tough")
        tag = u"(T)";
    else if (strength == u"Unique")
        tag = rarity == u"LE" ? QStringView(u"(LE)") : QStringView(u"(U)");
    else
        return QString();
    const QStringView trimmed = trimSpaces(name);
    QString key;
    key.reserve(trimmed.size() + 1 + tag.size());
    key.append(trimmed);
    key.append(u' ');
    key.append(tag);
    return key;
}

void UnitCatalogue::reserve(int units)
{
    for (QStringList *list : {&UnitId, &UnitName, &UnitStr, &UnitRarity, &UnitFaction,
                              &UnitPointValue, &UnitGuideName, &UnitPrice})
        list->reserve(units);
}

void UnitCatalogue::append(const QString &id, const QString &name, const QString &strength,
                           const QString &rarity, const QString &faction, const QString &pointValue)
{
    Q_ASSERT(UnitCount < MaxUnits);
    UnitId.append(id);
    UnitName.append(name);
    UnitStr.append(strength);
    UnitRarity.append(rarity);
    UnitFaction.append(faction);
    UnitPointValue.append(pointValue);
    UnitGuideName.append(guideNameFor(name, strength, rarity));
    UnitPrice.append(QString());
    ++UnitCount;
}
