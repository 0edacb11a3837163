// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_document.h"

#include "common/background.h"
#include "ruleset_reload.h"
#include "tally_steps.h"

TallyDocument::TallyDocument(modGlobals data, QObject *parent)
    : QObject(parent), m_globals(std::move(data))
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
    Tally one{{current.counts.at(row)}, current.totals, {}};
    const FigureChange change = changeFigure(one, 0, m_globals.catalogue.UnitPointValue.at(row),
                                             m_globals.catalogue.UnitPrice.at(row), step);
    if (change.changed) {
        const QString unit = m_globals.catalogue.UnitName.value(row).trimmed();
        const QString text =
            (step == Step::Add ? forTally(which, tr("one %1 counted into the army"),
                                          tr("one %1 counted into the collection"))
                               : forTally(which, tr("one %1 taken from the army"),
                                          tr("one %1 taken from the collection")))
                .arg(unit);
        m_undo.push(new CountStep(*this, which, row, one.counts.front(), one.totals, text));
    }
    return change;
}

void TallyDocument::replaceTally(WhichTally which, Tally changed, const QString &text,
                                 std::optional<QString> name)
{
    Q_ASSERT(changed.counts.size() == m_globals.catalogue.size());
    m_undo.push(new TallyStep(*this, which, std::move(changed), text, std::move(name)));
}

void TallyDocument::restoreTallies(const std::array<Tally, 2> &tallies,
                                   const std::array<QString, 2> &names, const QString &text)
{
    auto *both = new RestoreStep(*this, text);
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
        new TallyStep(*this, which, tallies[index(which)], text, names[index(which)], both);
    m_undo.push(both);
}

template <typename Change> void TallyDocument::changeSaved(WhichTally which, Change change)
{
    const bool was = isSaved(which);
    change();
    if (was != isSaved(which))
        Q_EMIT savedChanged(which, !was);
}

void TallyDocument::setName(WhichTally which, const QString &name)
{
    if (m_names[index(which)] == name)
        return;
    m_names[index(which)] = name;
    changeSaved(which, [&] { m_saved.follow(index(which), name, tally(which).counts); });
    Q_EMIT nameChanged(which, name);
}

void TallyDocument::markSaved(WhichTally which)
{
    const QString &name = m_names[index(which)];
    m_saved.fileHolds(name, tally(which).counts);
    // The other tally may be named after the same file.
    for (const WhichTally each : {WhichTally::Collection, WhichTally::Army})
        if (each == which || m_names[index(each)] == name)
            changeSaved(each, [&] { m_saved.follow(index(each), name, tally(each).counts); });
}

void TallyDocument::restoreDone(bool done)
{
    Q_EMIT restoredChanged(done);
}

void TallyDocument::replaceCatalogue(modGlobals next)
{
    Q_ASSERT(next.collection.counts.size() == next.catalogue.size());
    Q_ASSERT(next.army.counts.size() == next.catalogue.size());
    m_undo.clear();
    Q_EMIT catalogueAboutToBeReplaced(next.catalogue.size());
    const bool first = m_globals.catalogue.size() == 0;
    std::swap(m_globals, next);
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
        changeSaved(which, [&] {
            // The first catalogue starts the tallies; a reload carries them row by row.
            if (first && which == WhichTally::Collection)
                m_saved.reset(m_globals.catalogue.size());
            else if (which == WhichTally::Collection)
                m_saved.resize(m_globals.catalogue.size());
            m_saved.follow(index(which), name(which), tally(which).counts);
        });
    Q_EMIT catalogueReplaced();
    // A full catalogue and its tallies are a quarter of a million strings, and freeing them
    // took a reload several milliseconds: they are freed on a thread of their own while the
    // window goes on. Strings the new data shares with them keep their atomic counts right.
    if (next.catalogue.size() > 0)
        Background::run(Background::shared(), [old = std::move(next)]() mutable { old = {}; });
}

void TallyDocument::setCount(WhichTally which, int row, const QString &count, const Totals &totals)
{
    Tally &changed = tallyAt(which);
    changeSaved(which, [&] {
        m_saved.countChanged(index(which), row, changed.counts.at(row), count);
        changed.counts[row] = count;
    });
    changed.totals = totals;
    Q_EMIT tallyChanged(which, row);
}

void TallyDocument::setCounts(WhichTally which, const QList<int> &rows, const QStringList &counts,
                              const Totals &totals, const QList<KeptCount> &kept)
{
    Tally &changed = tallyAt(which);
    changed.kept = kept;
    changeSaved(which, [&] {
        for (qsizetype i = 0; i < rows.size(); ++i) {
            m_saved.countChanged(index(which), rows.at(i), changed.counts.at(rows.at(i)),
                                 counts.at(i));
            changed.counts[rows.at(i)] = counts.at(i);
        }
    });
    changed.totals = totals;
    Q_EMIT tallyChanged(which, -1);
}

void TallyDocument::setTally(WhichTally which, Tally tally)
{
    changeSaved(which, [&] {
        tallyAt(which) = std::move(tally);
        m_saved.follow(index(which), name(which), this->tally(which).counts);
    });
    Q_EMIT tallyChanged(which, -1);
}
