// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit_record.h"

#include <QByteArrayView>

// What a save of one tally must do before it replaces the tally file that is there: replace it
// at once, or ask the user first, because the file holds what the save would lose.
struct ReplaceCheck
{
    enum class Answer
    {
        Replace,
        AskOtherTally,  // the other tally saved it, and it holds `heldFigures` figures
        AskCountsBeyond // it counts rows past the catalogue's end
    } answer = Answer::Replace;
    double heldFigures = 0;
    int countedBeyond = 0;
    double figuresBeyond = 0;
};

// `tallyFile` is the file there, `recordFile` the record beside it as read (empty when there is
// none), `saver` the tally about to be saved.
ReplaceCheck checkReplace(QByteArrayView tallyFile, QByteArrayView recordFile,
                          UnitRecord::Saver saver, int catalogueRows);
