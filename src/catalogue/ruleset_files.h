// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue_file.h"
#include "price_guide.h"

#include <QFuture>

#include <array>
#include <optional>

// The catalogue and the price guide as read together; the guide's prices are not yet applied.
struct RulesetFiles
{
    CatalogueLoad units;
    PriceGuideLoad guide;
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

// Reads the catalogue and then the guide ahead of their first use on a thread of their own, so
// that big files are read while the windows are built (one thread: a third one on a two-core
// machine only slowed the others). What was read is used only while both files are as they
// were when the read began.
class RulesetFilesAhead
{
public:
    void start();

    // The files as read, or nothing when there is no read ahead or a file has changed since it
    // began. Only the first call can return them.
    std::optional<RulesetFiles> take();

    // Returns once the read has ended, so that a change after it can be made on purpose.
    void wait() { m_read.waitForFinished(); }

    // What identifies one state of a file: which file, its size and its last change.
    struct Stamp
    {
        bool exists = false;
        qint64 device = 0, inode = 0, size = 0, changedNs = 0, modifiedNs = 0;
        bool operator==(const Stamp &) const = default;
    };

private:
    static std::array<Stamp, 2> stamps();

    QFuture<RulesetFiles> m_read;
    std::array<Stamp, 2> m_stamps;
};
