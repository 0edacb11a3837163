#pragma once

#include "mod_globals.h"

#include <QObject>
#include <QUndoStack>

#include <future>

enum class WhichTally
{
    Collection,
    Army
};

// The catalogue and both tallies the windows show. It is the one writer of counts and totals:
// every change a user makes is a step on its undo stack, and every change, done or undone, is
// announced by one signal that the model and the total labels follow.
class TallyDocument : public QObject
{
    Q_OBJECT

public:
    // Steps the history keeps at least; older ones are dropped.
    static constexpr int UndoLimit = 100;

    explicit TallyDocument(modGlobals &globals, QObject *parent = nullptr);
    ~TallyDocument() override;

    const modGlobals &data() const { return m_globals; }
    const Tally &tally(WhichTally which) const;
    QUndoStack *undoStack() { return &m_undo; }

    // Counts one figure of the unit at `row` in or out, as changeFigure does, as one step.
    // A refused change, or one that changes nothing, makes no step.
    FigureChange countFigure(WhichTally which, int row, Step step);

    // Puts `changed` (a loaded tally, or the collection with an army added) in place of the
    // tally as one step called `text`. It must have one count per catalogue row.
    void replaceTally(WhichTally which, Tally changed, const QString &text);

    // A reloaded catalogue with the tallies carried onto it. The steps so far refer to the old
    // rows, so the history starts afresh.
    void replaceCatalogue(modGlobals next);

Q_SIGNALS:
    // The counts of `which` changed at `row`, or at any row when `row` is -1, and its totals.
    void tallyChanged(WhichTally which, int row);
    // Around a reload, for the model: the new catalogue has `rows` units.
    void catalogueAboutToBeReplaced(int rows);
    void catalogueReplaced();

private:
    friend class CountStep;
    friend class TallyStep;

    Tally &tallyAt(WhichTally which);
    void setCount(WhichTally which, int row, const QString &count, const Totals &totals);
    void setCounts(WhichTally which, const QList<int> &rows, const QStringList &counts,
                   const Totals &totals);
    void setTally(WhichTally which, Tally tally);

    modGlobals &m_globals;
    QUndoStack m_undo;
    // Waits, when replaced or destroyed, until the data replaced last is freed.
    std::future<void> m_freeing;
};
