// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_document.h"

#include "ruleset_reload.h"
#include "tally_steps.h"

TallyDocument::TallyDocument(modGlobals &globals, QObject *parent)
    : QObject(parent), m_globals(globals)
{
    m_undo.setUndoLimit(UndoLimit);
}

TallyDocument::~TallyDocument()
{
    // The steps refer to this document; they go before its data does.
    m_undo.clear();
}

const Tally &TallyDocument::tally(WhichTally which) const
{
    return which == WhichTally::Army ? m_globals.army : m_globals.collection;
}

Tally &TallyDocument::tallyAt(WhichTally which)
{
    return which == WhichTally::Army ? m_globals.army : m_globals.collection;
}

FigureChange TallyDocument::countFigure(WhichTally which, int row, Step step)
{
    const Tally &current = tally(which);
    if (row < 0 || row >= current.counts.size())
        return {};
    // Worked out on the one row, so that the step can be made before anything changes.
    Tally one{{current.counts.at(row)}, current.totals};
    const FigureChange change = changeFigure(one, 0, m_globals.catalogue.UnitPointValue.at(row),
                                             m_globals.catalogue.UnitPrice.at(row), step);
    if (change.changed) {
        const QString unit = m_globals.catalogue.UnitName.value(row).trimmed();
        const QString text = step == Step::Add
                                 ? tr("one %1 counted into the %2").arg(unit, tallyWord(which))
                                 : tr("one %1 taken from the %2").arg(unit, tallyWord(which));
        push(new CountStep(*this, which, row, one.counts.front(), one.totals, text));
    }
    return change;
}

void TallyDocument::replaceTally(WhichTally which, Tally changed, const QString &text,
                                 std::optional<QString> name)
{
    Q_ASSERT(changed.counts.size() == m_globals.catalogue.size());
    push(new TallyStep(*this, which, std::move(changed), text, std::move(name)));
}

void TallyDocument::restoreTallies(const std::array<Tally, 2> &tallies,
                                   const std::array<QString, 2> &names, const QString &text)
{
    auto *both = new QUndoCommand(text);
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
        new TallyStep(*this, which, tallies[index(which)], text, names[index(which)], both);
    push(both);
}

void TallyDocument::push(QUndoCommand *step)
{
    // A new step drops the steps undone before it: a saved state among them is reached from
    // now on only by going back to where this step starts.
    for (const int at : {0, 1})
        m_partedAt[at] = std::min(m_partedAt[at], m_depth[at]);
    m_undo.push(step);
}

void TallyDocument::setName(WhichTally which, const QString &name)
{
    if (std::exchange(m_names[index(which)], name) != name)
        Q_EMIT nameChanged(which, name);
}

int TallyDocument::unsavedChanges(WhichTally which) const
{
    const int at = index(which);
    const int common = std::min(m_partedAt[at], m_depth[at]);
    return m_savedDepth[at] - common + m_depth[at] - common;
}

void TallyDocument::markSaved(WhichTally which)
{
    const bool was = isSaved(which);
    const int at = index(which);
    m_savedDepth[at] = m_partedAt[at] = m_depth[at];
    m_hasFile[at] = true;
    if (!was)
        Q_EMIT savedChanged(which, true);
}

void TallyDocument::moved(WhichTally which, int by)
{
    const bool was = isSaved(which);
    m_depth[index(which)] += by;
    if (was != isSaved(which))
        Q_EMIT savedChanged(which, !was);
}

void TallyDocument::replaceCatalogue(modGlobals next)
{
    Q_ASSERT(next.collection.counts.size() == next.catalogue.size());
    Q_ASSERT(next.army.counts.size() == next.catalogue.size());
    m_undo.clear();
    Q_EMIT catalogueAboutToBeReplaced(next.catalogue.size());
    std::swap(m_globals, next);
    Q_EMIT catalogueReplaced();
    // A full catalogue and its tallies are a quarter of a million strings, and freeing them
    // took a reload several milliseconds: they are freed on a thread of their own while the
    // window goes on. Strings the new data shares with them keep their atomic counts right.
    if (next.catalogue.size() > 0)
        m_freeing = std::async(std::launch::async,
                               [old = std::move(next)]() mutable { old = modGlobals(); });
}

void TallyDocument::setCount(WhichTally which, int row, const QString &count, const Totals &totals)
{
    Tally &changed = tallyAt(which);
    changed.counts[row] = count;
    changed.totals = totals;
    Q_EMIT tallyChanged(which, row);
}

void TallyDocument::setCounts(WhichTally which, const QList<int> &rows, const QStringList &counts,
                              const Totals &totals)
{
    Tally &changed = tallyAt(which);
    for (qsizetype i = 0; i < rows.size(); ++i)
        changed.counts[rows.at(i)] = counts.at(i);
    changed.totals = totals;
    Q_EMIT tallyChanged(which, -1);
}

void TallyDocument::setTally(WhichTally which, Tally tally)
{
    tallyAt(which) = std::move(tally);
    Q_EMIT tallyChanged(which, -1);
}
