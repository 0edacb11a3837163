// SPDX-License-Identifier: GPL-3.0-or-later
#include "shopping_list.h"

#include "common/numbers.h"

#include <QCoreApplication>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ShoppingList)
};

// Tabs and line ends in a field would start another column or line.
QString field(QStringView text)
{
    QString plain = text.trimmed().toString();
    plain.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return plain;
}

QString money(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

QByteArray shoppingList(const Needs &needs, const QStringList &collection,
                        const UnitCatalogue &catalogue)
{
    QStringList lines{QStringList{Text::tr("ID"), Text::tr("Name"), Text::tr("Strength"),
                                  Text::tr("Faction"), Text::tr("Lacking"), Text::tr("Price each"),
                                  Text::tr("Price")}
                          .join(u'\t')};
    const Lacking lacking = lackingFor(needs, collection, catalogue);
    for (qsizetype i = 0; i < needs.rows.size(); ++i) {
        const int row = needs.rows.at(i);
        if (row >= collection.size() || row >= catalogue.size())
            break;
        const double missing = lackingAt(needs, collection, row);
        if (missing <= 0)
            continue;
        const QStringView price = catalogue.UnitPrice.at(row).trimmed();
        const double each = price.isEmpty() ? 0 : readNumber(price);
        lines.append(QStringList{field(catalogue.UnitId.at(row)), field(catalogue.UnitName.at(row)),
                                 field(catalogue.UnitStr.at(row)),
                                 field(catalogue.UnitFaction.at(row)), doubleText(missing),
                                 price.isEmpty() ? QString() : money(each),
                                 price.isEmpty() ? QString() : money(each * missing)}
                         .join(u'\t'));
    }
    QString total =
        QStringList{Text::tr("Total"),           QString(), QString(),          QString(),
                    doubleText(lacking.figures), QString(), money(lacking.cost)}
            .join(u'\t');
    if (lacking.unpriced > 0)
        total += u'\t' + Text::tr("%1 without a price").arg(doubleText(lacking.unpriced));
    lines.append(total);
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
