// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue_file.h"
#include "price_guide.h"

#include <QFuture>

#include <array>
#include <optional>

// What identifies one state of a file: which file, its size and its last change.
struct FileStamp
{
    bool exists = false;
    qint64 device = 0, inode = 0, size = 0, changedNs = 0, modifiedNs = 0;
    bool operator==(const FileStamp &) const = default;
};

// The catalogue and the price guide as read together; the guide's prices are not yet applied.
// A file unchanged since the units and prices shown were read from it is not read again: its
// load holds only its problems, which are still the file's, and says so.
struct RulesetFiles
{
    CatalogueLoad units;
    PriceGuideLoad guide;
    bool unitsAsShown = false;  // the catalogue shown is this file's: `units` has no units
    bool guideAsShown = false;  // so are the prices shown (only with the catalogue's)
    bool pricesApplied = false; // the guide's prices are on the catalogue's units already
    // The files' states taken before they were read.
    std::array<FileStamp, 2> stamps;
};

// Why writing `fileName` would replace the catalogue or the price guide of the working folder,
// whatever spelling or link reaches them: the files themselves are compared. Empty when it
// would replace neither.
QString rulesetFileProblem(const QString &fileName);

// Why the program may not write a file of this name: the name itself, or a file that is one the
// ruleset is read from. Empty when it may.
QString writingProblem(const QString &fileName);

// Reads both files, the guide on a second thread while the catalogue is parsed.
RulesetFiles loadRulesetFiles();

// Reads the ruleset's files for the window: the first time ahead of their first use, on a thread
// of its own, so that big files are read while the windows are built (one thread: a third one
// on a two-core machine only slowed the others); later only what changed since the units and
// prices shown were read.
class RulesetFileReader
{
public:
    void startAhead();
    // Returns once the read ahead has ended, so that a change after it can be made on purpose.
    void waitAhead() { m_ahead.waitForFinished(); }

    // The files as read ahead while both are still as they were when that read began;
    // otherwise each file read anew unless it is as it was when what is shown was read.
    RulesetFiles read();

    // What a later read needs to know of files once their units and prices are shown: the
    // states of the files they came from (none for a file that gave none) and their problems.
    struct State
    {
        std::array<FileStamp, 2> stamps;
        QList<LoadProblem> unitProblems, guideProblems;
    };
    static State stateOf(const RulesetFiles &files);
    // The units and prices shown are now those of the files of `state`.
    void shown(State state) { m_shown = std::move(state); }

    static std::array<FileStamp, 2> stamps();

private:
    QFuture<RulesetFiles> m_ahead;
    State m_shown;
};
