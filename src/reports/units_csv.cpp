// SPDX-License-Identifier: GPL-3.0-or-later
#include "units_csv.h"

#include "common/csv.h"
#include "common/numbers.h"

namespace {

// A number as the catalogue or guide gives it, read as a total reads it; empty for none.
QString number(QStringView text)
{
    return text.trimmed().isEmpty() ? QString() : doubleText(readNumber(text));
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
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int row = rows.at(i);
        if (row < 0 || row >= catalogue.size())
            continue;
        QStringList fields{Csv::textField(catalogue.UnitId.at(row)),
                           Csv::textField(catalogue.UnitName.at(row)),
                           Csv::textField(catalogue.UnitStr.at(row)),
                           Csv::textField(catalogue.UnitRarity.at(row)),
                           Csv::textField(catalogue.UnitFaction.at(row)),
                           number(catalogue.UnitPointValue.at(row)),
                           number(catalogue.UnitPrice.at(row)),
                           number(collection.value(row)),
                           number(army.value(row))};
        if (figure)
            fields.append(doubleText(figure->values.value(i)));
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}
