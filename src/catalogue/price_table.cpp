// SPDX-License-Identifier: GPL-3.0-or-later
#include "price_table.h"

#include <bit>

void PriceTable::reserve(int entries, qsizetype characters)
{
    m_entryNames.reserve(entries, characters);
    m_entryPrices.reserve(entries, entries * 6);
    m_slots.fill(-1, qsizetype(std::bit_ceil(unsigned(std::max(entries, 4)) * 2u)));
}

void PriceTable::insert(QByteArrayView name, QByteArrayView price, Charset charset)
{
    m_entryNames.appendDecoded(name, charset);
    m_entryPrices.appendDecoded(price, charset);
    place();
}

int PriceTable::slotOf(QStringView name) const
{
    // Open addressing with linear probing: the table is never more than half full, so a free
    // slot always ends the probe.
    const qsizetype mask = m_slots.size() - 1;
    for (qsizetype slot = qsizetype(qHash(name)) & mask;; slot = (slot + 1) & mask) {
        const qint32 entry = m_slots.at(slot);
        if (entry < 0 || m_entryNames.at(entry) == name)
            return int(slot);
    }
}

void PriceTable::place()
{
    if (qsizetype(m_names + 1) * 2 > m_slots.size()) {
        // Twice the room, and every name filed again under its latest entry.
        m_slots.fill(-1, std::max<qsizetype>(8, m_slots.size() * 2));
        m_names = 0;
        for (int entry = 0; entry < m_entryNames.size() - 1; ++entry) {
            const int slot = slotOf(m_entryNames.at(entry));
            m_names += m_slots.at(slot) < 0;
            m_slots[slot] = entry;
        }
    }
    const int entry = m_entryNames.size() - 1;
    const int slot = slotOf(m_entryNames.at(entry));
    m_names += m_slots.at(slot) < 0;
    m_slots[slot] = entry;
}

QStringView PriceTable::value(QStringView name) const
{
    if (m_slots.isEmpty())
        return {};
    const qint32 entry = m_slots.at(slotOf(name));
    return entry < 0 ? QStringView() : m_entryPrices.at(entry);
}

QHash<QString, QString> PriceTable::toHash() const
{
    QHash<QString, QString> prices;
    for (const qint32 entry : m_slots)
        if (entry >= 0)
            prices.insert(m_entryNames.at(entry).toString(), m_entryPrices.at(entry).toString());
    return prices;
}
