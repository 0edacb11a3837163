// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/codec.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>

// One field of every unit, in catalogue order, held as one text with each row's end beside
// it: a full catalogue is eight such texts, not a quarter of a million strings of its own.
// Copies share the storage, so a catalogue goes to another thread or into the undo history for
// the cost of a reference count. Views stay valid until this list next changes.
class UnitTexts
{
public:
    UnitTexts() = default;
    // A list of the given texts, as the catalogue's own lists were built in earlier days.
    UnitTexts(const QStringList &texts); // NOLINT: converts, like the list it stands for

    int size() const { return int(m_ends.size()); }
    bool isEmpty() const { return m_ends.isEmpty(); }

    // Row `row`'s text; the row must exist.
    QStringView at(int row) const
    {
        const qsizetype start = row == 0 ? 0 : m_ends.at(row - 1);
        return QStringView(m_text).sliced(start, m_ends.at(row) - start);
    }
    // A copy of row `row`'s text, or an empty text for a row that does not exist.
    QString value(int row) const
    {
        return row >= 0 && row < size() ? at(row).toString() : QString();
    }
    QStringList toList() const;
    // All rows' texts one after another, and where each row ends in it.
    QStringView text() const { return QStringView(m_text).first(m_used); }
    const QList<qint32> &ends() const { return m_ends; }

    void reserve(int rows, qsizetype characters);
    void append(QStringView text);
    // Appends one row made of `parts` one after another.
    void appendJoined(std::initializer_list<QStringView> parts);
    // Decodes `bytes` onto the end as one more row.
    void appendDecoded(QByteArrayView bytes, Charset charset);
    // Keeps the first `rows` rows.
    void truncate(int rows);

    friend bool operator==(const UnitTexts &a, const UnitTexts &b)
    {
        return a.m_ends == b.m_ends && a.text() == b.text();
    }

private:
    // Room for `characters` more at the end of the text, taken as used; returns where it starts.
    char16_t *take(qsizetype characters);

    // The first m_used characters are the rows' texts; the rest is room set aside for more,
    // never written until a row is appended. Growing the text by QString::resize for every
    // field cost a fifth of reading a catalogue.
    QString m_text;
    qsizetype m_used = 0;
    // A catalogue holds at most 32767 fields of at most 64 MB of file between them.
    QList<qint32> m_ends;
};
