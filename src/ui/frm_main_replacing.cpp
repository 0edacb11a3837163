// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "common/file_names.h"
#include "common/input_file.h"
#include "document/ruleset_reload.h"
#include "messages.h"
#include "status_report.h"
#include "tally_files/tally_reading.h"

#include <QFileInfo>

// Before a save replaces a tally file: what the file there holds that the save would lose.

bool frmMain::mayReplace(const QString &fileName, WhichTally which, QString &error)
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
        if (!Messages::ask(this, question, tr("Replace")))
            return false;
        // Another program may have saved the file while the question was open: the answer
        // holds only for what the user was asked about.
        if (const InputFile now = readInputFile(fileName); now.ok() && now.bytes == old.bytes)
            return true;
    }
}

QString frmMain::replaceQuestion(const QString &fileName, const QByteArray &bytes,
                                 WhichTally which) const
{
    // The other tally saved it: one name typed into the wrong box would cost the user a file
    // that undo cannot bring back.
    const InputFile recordFile = readInputFile(UnitRecord::fileName(fileName));
    const UnitRecord::Decoded old = UnitRecord::decodeHead(recordFile.bytes);
    const UnitRecord::Saver mine =
        which == WhichTally::Army ? UnitRecord::Saver::Army : UnitRecord::Saver::Collection;
    const bool otherSaved = old.error.isEmpty() && old.record.saver != UnitRecord::Saver::Unknown &&
                            old.record.saver != mine &&
                            UnitRecord::describes(old.record, bytes);
    const double held =
        otherSaved ? figuresIn(TallyFile::decode(bytes, UnitCatalogue::MaxUnits).records) : 0;
    if (held > 0) {
        const WhichTally other =
            which == WhichTally::Army ? WhichTally::Collection : WhichTally::Army;
        return forTally(which, tr("\"%1\" holds %2 (%3). Replace it with the army (%4)?"),
                        tr("\"%1\" holds %2 (%3). Replace it with the collection (%4)?"))
            .arg(shownName(fileName), tallyTitle(other, fileName.chopped(4)), figures(qint64(held)),
                 figures(m_document.tally(which).totals.number));
    }
    // A file saved under a longer catalogue keeps counts this one cannot show; replacing it
    // would drop them without a word. A file that is no tally at all holds no counts to lose.
    const TallyFile::Decoded beyond =
        TallyFile::decodeCountsBeyond(bytes, m_globals.catalogue.size());
    if (beyond.countedBeyond == 0)
        return QString();
    return countsBeyond(forTally(which,
                                 tr("\"%1\" holds counts for %2 row(s) with %3 figure(s) that "
                                    "this catalogue of %4 units has no units for. Saving the "
                                    "army replaces the file and drops those counts."),
                                 tr("\"%1\" holds counts for %2 row(s) with %3 figure(s) that "
                                    "this catalogue of %4 units has no units for. Saving the "
                                    "collection replaces the file and drops those counts.")),
                        fileName, beyond.countedBeyond, beyond.figuresBeyond);
}

QString frmMain::writingProblem(const QString &fileName) const
{
    QString problem = fileNameProblem(fileName, NameUse::Writing);
    if (problem.isEmpty())
        problem = rulesetFileProblem(fileName);
    return problem;
}
