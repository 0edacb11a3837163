// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mod_globals.h"
#include "saved_state.h"

#include <QObject>
#include <QUndoStack>

#include <array>
#include <optional>

enum class WhichTally
{
    Collection,
    Army
};

// Where a tally's own thing stands in a pair of them, the collection's first: every such pair
// (names, copies, name boxes, marks) is indexed here and nowhere else.
constexpr int tallyIndex(WhichTally which)
{
    return which == WhichTally::Army ? 1 : 0;
}

// One of two texts, for the army or for the collection. A sentence about a tally is written
// whole for each, as other languages agree its words with the tally's noun.
inline QString forTally(WhichTally which, const QString &army, const QString &collection)
{
    return which == WhichTally::Army ? army : collection;
}

// The catalogue and both tallies the windows show, which it owns: made before the windows and
// gone after them. It is the one writer of counts and totals: every change a user makes is a
// step on its undo stack, and every change, done or undone, is announced by one signal that the
// model and the total labels follow.
class TallyDocument : public QObject
{
    Q_OBJECT

public:
    // Steps the history keeps at least; older ones are dropped.
    static constexpr int UndoLimit = 100;

    explicit TallyDocument(modGlobals data = {}, QObject *parent = nullptr);
    ~TallyDocument() override;

    const modGlobals &data() const { return m_globals; }
    const Tally &tally(WhichTally which) const;
    QUndoStack *undoStack() { return &m_undo; }

    // Counts one figure of the unit at `row` in or out, as changeFigure does, as one step
    // named after the unit ("one Pyre Warden counted into the collection"). A refused change,
    // or one that changes nothing, makes no step.
    FigureChange countFigure(WhichTally which, int row, Step step);

    // Puts `changed` (a loaded tally, or the collection with an army added) in place of the
    // tally as one step called `text`; a load also names the tally `name`, which undoing the
    // step takes back. It must have one count per catalogue row.
    void replaceTally(WhichTally which, Tally changed, const QString &text,
                      std::optional<QString> name = std::nullopt);

    // Puts both tallies and their names back as they were kept, as one step; restoredChanged
    // follows whether that step is done.
    void restoreTallies(const std::array<Tally, 2> &tallies, const std::array<QString, 2> &names,
                        const QString &text);

    // The name box's text, which names the tally's file. Typing is no step of the history; a
    // load's new name is part of its step.
    const QString &name(WhichTally which) const { return m_names[index(which)]; }
    void setName(WhichTally which, const QString &name);

    // Whether the counts and name are those of a tally file as this session saved or loaded it
    // (or, for a name no such file has, the untouched start), however the tally got there.
    bool isSaved(WhichTally which) const { return unsavedUnits(which) == 0; }
    // The file of the tally's name now holds its counts.
    void markSaved(WhichTally which);
    // How many units' counts differ from that file's (or from the start).
    int unsavedUnits(WhichTally which) const { return m_saved.differing(index(which)); }
    // Whether the tally's name names a file saved or loaded in this session.
    bool hasFile(WhichTally which) const { return m_saved.hasFile(index(which)); }

    // A reloaded catalogue with the tallies carried onto it. The steps so far refer to the old
    // rows, so the history starts afresh.
    void replaceCatalogue(modGlobals next);

Q_SIGNALS:
    // The counts of `which` changed at `row`, or at any row when `row` is -1, and its totals.
    void tallyChanged(WhichTally which, int row);
    void nameChanged(WhichTally which, const QString &name);
    void savedChanged(WhichTally which, bool saved);
    // Around a reload, for the model: the new catalogue has `rows` units.
    void catalogueAboutToBeReplaced(int rows);
    void catalogueReplaced();
    // The last restore was done (again) or undone. Once its step is gone from the history,
    // what it said last holds for good.
    void restoredChanged(bool done);

private:
    friend class CountStep;
    friend class TallyStep;
    friend class RestoreStep;

    static int index(WhichTally which) { return tallyIndex(which); }
    Tally &tallyAt(WhichTally which);
    void setCount(WhichTally which, int row, const QString &count, const Totals &totals);
    void setCounts(WhichTally which, const QList<int> &rows, const QStringList &counts,
                   const Totals &totals, const QList<KeptCount> &kept);
    void setTally(WhichTally which, Tally tally);
    void restoreDone(bool done);
    // Compares `which` with its file afresh after `change`, and says when that flips.
    template <typename Change> void changeSaved(WhichTally which, Change change);

    modGlobals m_globals;
    QUndoStack m_undo;
    std::array<QString, 2> m_names;
    SavedState m_saved;
};
