// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally_document.h"

#include <QUndoCommand>

#include <optional>

// One figure counted in or out: the row's count text and the totals, before and after.
class CountStep : public QUndoCommand
{
public:
    CountStep(TallyDocument &document, WhichTally which, int row, QString countAfter,
              const Totals &totalsAfter, const QString &text);

    void undo() override;
    void redo() override;

private:
    TallyDocument &m_document;
    WhichTally m_which;
    int m_row;
    QString m_countBefore, m_countAfter;
    Totals m_totalsBefore, m_totalsAfter;
};

// A whole tally replaced, by a load, by adding an army or by a restore, and with a load its
// name. Only the rows that changed are kept, packed and compressed, so that a history of
// full-size loads stays small.
class TallyStep : public QUndoCommand
{
public:
    TallyStep(TallyDocument &document, WhichTally which, Tally after, const QString &text,
              std::optional<QString> name = std::nullopt, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

    // The bytes the step keeps for undoing and redoing.
    qsizetype storedBytes() const { return m_packedBefore.size() + m_packedAfter.size(); }

private:
    TallyDocument &m_document;
    WhichTally m_which;
    Totals m_totalsBefore, m_totalsAfter;
    QList<KeptCount> m_keptBefore, m_keptAfter;
    QByteArray m_packedBefore, m_packedAfter; // the changed rows with their texts
    std::optional<Tally> m_firstRedo;         // the new tally, until it is first put in place
    QString m_nameBefore;
    std::optional<QString> m_nameAfter;
};

// Both tallies put back from a recovery copy: a TallyStep for each, as its children.
class RestoreStep : public QUndoCommand
{
public:
    RestoreStep(TallyDocument &document, const QString &text)
        : QUndoCommand(text), m_document(document)
    {}

    void undo() override
    {
        QUndoCommand::undo();
        m_document.restoreDone(false);
    }
    void redo() override
    {
        QUndoCommand::redo();
        m_document.restoreDone(true);
    }

private:
    TallyDocument &m_document;
};

// Changed rows and their texts as one compressed block, and back.
QByteArray packRows(const QList<int> &rows, const QStringList &texts);
void unpackRows(const QByteArray &packed, QList<int> &rows, QStringList &texts);
