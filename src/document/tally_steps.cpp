// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_steps.h"

#include <QtEndian>

#include <cstring>

CountStep::CountStep(TallyDocument &document, WhichTally which, int row, QString countAfter,
                     const Totals &totalsAfter, const QString &text)
    : QUndoCommand(text), m_document(document), m_which(which), m_row(row),
      m_countBefore(document.tally(which).counts.at(row)), m_countAfter(std::move(countAfter)),
      m_totalsBefore(document.tally(which).totals), m_totalsAfter(totalsAfter)
{}

void CountStep::undo()
{
    m_document.setCount(m_which, m_row, m_countBefore, m_totalsBefore);
}

void CountStep::redo()
{
    m_document.setCount(m_which, m_row, m_countAfter, m_totalsAfter);
}

TallyStep::TallyStep(TallyDocument &document, WhichTally which, Tally after, const QString &text,
                     std::optional<QString> name, QUndoCommand *parent)
    : QUndoCommand(text, parent), m_document(document), m_which(which),
      m_totalsBefore(document.tally(which).totals), m_totalsAfter(after.totals),
      m_keptBefore(document.tally(which).kept), m_keptAfter(after.kept),
      m_nameBefore(document.name(which)), m_nameAfter(std::move(name))
{
    const QStringList &before = document.tally(which).counts;
    QList<int> rows;
    QStringList was, becomes;
    for (int row = 0; row < int(before.size()); ++row) {
        if (before.at(row) == after.counts.at(row))
            continue;
        rows.append(row);
        was.append(before.at(row));
        becomes.append(after.counts.at(row));
    }
    m_packedBefore = packRows(rows, was);
    m_packedAfter = packRows(rows, becomes);
    m_firstRedo = std::move(after);
}

void TallyStep::undo()
{
    if (m_nameAfter)
        m_document.setName(m_which, m_nameBefore);
    QList<int> rows;
    QStringList texts;
    unpackRows(m_packedBefore, rows, texts);
    m_document.setCounts(m_which, rows, texts, m_totalsBefore, m_keptBefore);
}

void TallyStep::redo()
{
    if (m_nameAfter)
        m_document.setName(m_which, *m_nameAfter);
    // The first time the new tally is at hand whole; unpacking is for the times after.
    if (m_firstRedo) {
        m_document.setTally(m_which, std::move(*m_firstRedo));
        m_firstRedo.reset();
        return;
    }
    QList<int> rows;
    QStringList texts;
    unpackRows(m_packedAfter, rows, texts);
    m_document.setCounts(m_which, rows, texts, m_totalsAfter, m_keptAfter);
}

namespace {

void appendNumber(QByteArray &bytes, qint32 number)
{
    const qint32 little = qToLittleEndian(number);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

qint32 takeNumber(const char *&at)
{
    qint32 number;
    std::memcpy(&number, at, sizeof number);
    at += sizeof number;
    return qFromLittleEndian(number);
}

} // namespace

QByteArray packRows(const QList<int> &rows, const QStringList &texts)
{
    // Rows as the step from the one before, so that a run of rows packs into almost nothing,
    // and each text as its UTF-8 length and bytes.
    QByteArray bytes;
    appendNumber(bytes, qint32(rows.size()));
    int previous = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QByteArray text = texts.at(i).toUtf8();
        appendNumber(bytes, rows.at(i) - previous);
        appendNumber(bytes, qint32(text.size()));
        bytes.append(text);
        previous = rows.at(i);
    }
    return qCompress(bytes, 1);
}

void unpackRows(const QByteArray &packed, QList<int> &rows, QStringList &texts)
{
    const QByteArray bytes = qUncompress(packed);
    const char *at = bytes.constData();
    const qint32 count = takeNumber(at);
    rows.reserve(count);
    texts.reserve(count);
    int row = 0;
    for (qint32 i = 0; i < count; ++i) {
        row += takeNumber(at);
        const qint32 size = takeNumber(at);
        rows.append(row);
        texts.append(QString::fromUtf8(at, size));
        at += size;
    }
}
