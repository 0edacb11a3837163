// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally_file_commands.h"

#include "common/file_names.h"
#include "common/input_file.h"
#include "document/ruleset_reload.h"
#include "messages.h"
#include "status_report.h"
#include "tally_files/replace_check.h"
#include "tally_files/tally_file.h"

#include <QFileInfo>

// Before a save replaces a tally file: what the file there holds that the save would lose.

bool TallyFileCommands::mayReplace(const QString &fileName, WhichTally which, QString &error)
{
    // A folder is left for the save to report.
    for (;;) {
        if (!QFileInfo::exists(fileName) || QFileInfo(fileName).isDir())
            return true;
        const InputFile old = readInputFile(fileName);
        if (!old.ok()) {
            if (!QFileInfo::exists(fileName))
                return true;
            error = tr("The file there could not be checked before it is replaced, so nothing "
                       "was written. %1")
                        .arg(old.error);
            return false;
        }
        const QString question = replaceQuestion(fileName, old.bytes, which);
        if (question.isEmpty())
            return true;
        if (!Messages::ask(m_window, question, tr("Replace")))
            return false;
        // Another program may have saved the file while the question was open: the answer
        // holds only for what the user was asked about.
        if (const InputFile now = readInputFile(fileName); now.ok() && now.bytes == old.bytes)
            return true;
    }
}

QString TallyFileCommands::replaceQuestion(const QString &fileName, const QByteArray &bytes,
                                           WhichTally which) const
{
    const ReplaceCheck check = checkReplace(
        bytes, readInputFile(UnitRecord::fileName(fileName)).bytes,
        which == WhichTally::Army ? UnitRecord::Saver::Army : UnitRecord::Saver::Collection,
        m_globals.catalogue.size());
    switch (check.answer) {
    case ReplaceCheck::Answer::Replace:
        break;
    case ReplaceCheck::Answer::AskOtherTally: {
        const WhichTally other =
            which == WhichTally::Army ? WhichTally::Collection : WhichTally::Army;
        return forTally(which, tr("\"%1\" holds %2 (%3). Replace it with the army (%4)?"),
                        tr("\"%1\" holds %2 (%3). Replace it with the collection (%4)?"))
            .arg(shownName(fileName), tallyTitle(other, fileName.chopped(4)),
                 figures(qint64(check.heldFigures)),
                 figures(m_document.tally(which).totals.number));
    }
    case ReplaceCheck::Answer::AskCountsBeyond:
        return countsBeyond(forTally(which,
                                     tr("\"%1\" holds counts for %2 row(s) with %3 figure(s) "
                                        "that this catalogue of %4 units has no units for. "
                                        "Saving the army replaces the file and drops those "
                                        "counts."),
                                     tr("\"%1\" holds counts for %2 row(s) with %3 figure(s) "
                                        "that this catalogue of %4 units has no units for. "
                                        "Saving the collection replaces the file and drops "
                                        "those counts.")),
                            fileName, check.countedBeyond, check.figuresBeyond);
    }
    return QString();
}
