// SPDX-License-Identifier: GPL-3.0-or-later
#include "units_csv.h"

#include "common/csv.h"
#include "common/numbers.h"

#include <algorithm>

namespace {

// A number as the catalogue or guide gives it, read as a total reads it; nothing for none. Plain
// whole numbers, nearly every count and point value, are written as they stand.
void appendNumber(QString &out, QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return;
    const bool plain =
        (text.size() == 1 || text.front() != u'0') &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    out.append(plain ? text.toString() : doubleText(readNumber(text)));
}

} // namespace

QByteArray unitsCsv(const QList<int> &rows, const UnitCatalogue &catalogue,
                    const QStringList &collection, const QStringList &army,
                    const std::optional<CsvFigure> &figure)
{
    using namespace CsvColumns;
    QStringList header{
        QString::fromUtf16(Id),   QString::fromUtf16(Name),       QString::fromUtf16(Strength),
        QStringLiteral("Rarity"), QStringLiteral("Faction"),      QStringLiteral("Points"),
        QStringLiteral("Price"),  QString::fromUtf16(Collection), QString::fromUtf16(Army)};
    if (figure)
        header.append(figure->heading);
    QString text = header.join(u',') + QStringLiteral("\r\n");
    text.reserve(text.size() + rows.size() * 96);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int row = rows.at(i);
        if (row < 0 || row >= catalogue.size())
            continue;
        for (const UnitTexts *field : {&catalogue.UnitId, &catalogue.UnitName, &catalogue.UnitStr,
                                       &catalogue.UnitRarity, &catalogue.UnitFaction}) {
            Csv::appendTextField(text, field->at(row));
            text += u',';
        }
        appendNumber(text, catalogue.UnitPointValue.at(row));
        text += u',';
        appendNumber(text, catalogue.UnitPrice.at(row));
        text += u',';
        appendNumber(text, collection.value(row));
        text += u',';
        appendNumber(text, army.value(row));
        if (figure)
            text += u',' + doubleText(figure->values.value(i));
        text += QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}
