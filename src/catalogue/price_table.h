// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit_texts.h"

#include <QHash>

// The price guide's entries, found by guide name: the names and the prices are each one text
// (see UnitTexts) and a table of places finds a name's entry, so a guide of tens of thousands
// of entries takes no string and no allocation of its own per entry. A later entry of a name
// replaces the earlier one.
class PriceTable
{
public:
    void reserve(int entries, qsizetype characters);

    // Adds an entry whose name and price were decoded from the guide's bytes.
    void insert(QByteArrayView name, QByteArrayView price, Charset charset);

    // The price of `name`, or an empty view when the guide does not name it.
    QStringView value(QStringView name) const;
    QHash<QString, QString> toHash() const;

    // The last entry added.
    QStringView lastName() const { return m_entryNames.at(m_entryNames.size() - 1); }
    QStringView lastPrice() const { return m_entryPrices.at(m_entryPrices.size() - 1); }

private:
    // Files the newest entry under its name.
    void place();
    int slotOf(QStringView name) const;

    UnitTexts m_entryNames;
    UnitTexts m_entryPrices;
    QList<qint32> m_slots; // an entry's index, or -1; a power of two long, at most half full
    int m_names = 0;
};
