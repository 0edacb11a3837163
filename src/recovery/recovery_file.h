// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_catalogue.h"
#include "tally/tally.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>

// The recovery copy: what a session holds that its tally files may not, kept outside the
// user's folder so that no way of ending the program loses a count. One file per session:
// a line that names the format, then a little-endian body and a SHA-256 of the body.
struct RecoveryCopy
{
    struct Kept
    {
        QString name;         // the name box's text
        Tally tally;          // every count text as the tally holds it, the totals, kept counts
        bool unsaved = false; // the counts differ from the tally file last saved or loaded
        // The unit of each row whose count is not "0", in row order, so that a later catalogue
        // can take the counts by unit (copies of the first format have none).
        QList<UnitKey> units = {};
    };

    QByteArray folder;           // the working folder the session ran in, as the system names it
    QByteArray catalogueId;      // what identifies the catalogue the rows belong to
    QDateTime changed;           // when a tally or a name last changed
    bool armyChosen = false;     // the "Army" option was chosen, not "Collection"
    std::array<Kept, 2> tallies; // the collection, then the army

    const Kept &collection() const { return tallies[0]; }
    const Kept &army() const { return tallies[1]; }
};

// The units, their order and every field of theirs, as one digest: a copy's counts fit by row
// only the catalogue whose digest it holds.
QByteArray catalogueIdentity(const UnitCatalogue &catalogue);

// Gives each tally of `copy` the units of its counted rows in `catalogue`.
void describeUnits(RecoveryCopy &copy, const UnitCatalogue &catalogue);

QByteArray encodeRecovery(const RecoveryCopy &copy);

struct DecodedRecovery
{
    RecoveryCopy copy;
    QString error; // why the bytes are no recovery copy this program can use; empty when fine
};

// Reads a copy back. Bytes cut short, changed, of another kind or of a newer format are
// refused with the reason in the user's words; nothing is trusted before the digest matches,
// and then only what the program writes is taken: names of valid UTF-8 within MaxNameLength,
// count texts a tally holds, rows in order. The totals are the writer's; a restore rebuilds
// them from the counts.
inline constexpr int MaxNameLength = 4096;
DecodedRecovery decodeRecovery(QByteArrayView bytes);
