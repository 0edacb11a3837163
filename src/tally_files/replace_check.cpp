// SPDX-License-Identifier: GPL-3.0-or-later
#include "replace_check.h"

#include "tally_file.h"
#include "tally_reading.h"

ReplaceCheck checkReplace(QByteArrayView tallyFile, QByteArrayView recordFile,
                          UnitRecord::Saver saver, int catalogueRows)
{
    ReplaceCheck check;
    // The other tally saved it: one name typed into the wrong box would cost the user a file
    // that undo cannot bring back.
    const UnitRecord::Decoded record = UnitRecord::decodeHead(recordFile);
    if (record.error.isEmpty() && record.record.saver != UnitRecord::Saver::Unknown &&
        record.record.saver != saver && UnitRecord::describes(record.record, tallyFile)) {
        check.heldFigures =
            figuresIn(TallyFile::decode(tallyFile, UnitCatalogue::MaxUnits).records);
        if (check.heldFigures > 0) {
            check.answer = ReplaceCheck::Answer::AskOtherTally;
            return check;
        }
    }
    // A file saved under a longer catalogue keeps counts this one cannot show; replacing it
    // would drop them without a word. A file that is no tally at all holds no counts to lose.
    const TallyFile::Decoded beyond = TallyFile::decodeCountsBeyond(tallyFile, catalogueRows);
    if (beyond.countedBeyond > 0) {
        check.answer = ReplaceCheck::Answer::AskCountsBeyond;
        check.countedBeyond = beyond.countedBeyond;
        check.figuresBeyond = beyond.figuresBeyond;
    }
    return check;
}
