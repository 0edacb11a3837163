// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "common/file_names.h"
#include "common/input_file.h"
#include "document/ruleset_reload.h"
#include "frm_load_tally.h"
#include "messages.h"
#include "status_report.h"
#include "tally_files/tally_loading.h"

#include <QFileInfo>
#include <QLineEdit>

// The tally file commands: saving, loading through the pickers and adding the saved army.

void frmMain::mnuSaveCollection_Click()
{
    saveTally(WhichTally::Collection);
}

void frmMain::mnuSaveArmy_Click()
{
    saveTally(WhichTally::Army);
}

void frmMain::saveTally(WhichTally which)
{
    const QString fileName = TallyFile::fileName(nameBox(which)->text());
    QString error = writingProblem(fileName);
    if (error.isEmpty() && !mayReplace(fileName, which, error) && error.isEmpty())
        return;
    if (error.isEmpty())
        error = TallyFile::save(fileName, m_document.tally(which).counts);
    if (!error.isEmpty()) {
        Messages::warn(this, tr("Could not save the %1 to \"%2\": %3")
                                 .arg(tallyWord(which), shownName(fileName), error));
        return;
    }
    m_document.markSaved(which);
    const Totals &totals = m_document.tally(which).totals;
    say(tr("Saved %1 to \"%2\": %3, %4.")
            .arg(tallyTitle(which, nameBox(which)->text()), shownName(fileName),
                 figures(totals.number),
                 totals.value == 1 ? tr("1 point") : tr("%1 points").arg(totals.value)));
}

void frmMain::mnuLoadCollection_Click()
{
    frmLoadCollection picker(this);
    pickAndLoad(picker, WhichTally::Collection);
}

void frmMain::mnuLoadArmy_Click()
{
    frmLoadArmy picker(this);
    pickAndLoad(picker, WhichTally::Army);
}

void frmMain::pickAndLoad(TallyPicker &picker, WhichTally which)
{
    // The picked name reaches the name box with the loaded counts, as part of the same step, so
    // that a refused load leaves the box naming the file it named before.
    if (picker.exec() != QDialog::Accepted)
        return;
    loadTally(which, picker.pickedName());
}

void frmMain::LoadArmy()
{
    loadTally(WhichTally::Army, ui.txtArmyName->text());
}

void frmMain::LoadCollection()
{
    loadTally(WhichTally::Collection, ui.txtCollectionName->text());
}

void frmMain::loadTally(WhichTally which, const QString &name)
{
    const QString fileName = TallyFile::fileName(name);
    const TallyFile::Decoded file = loadTallyFile(fileName);
    if (!file.error.isEmpty()) {
        Messages::warn(this, tr("Could not load the %1 from \"%2\": %3")
                                 .arg(tallyWord(which), shownName(fileName), file.error));
        return;
    }
    TallyUpdate loaded = loadedTally(
        file.records, m_globals.catalogue,
        which == WhichTally::Army ? PriceReading::Strict : PriceReading::Forgiving, m_numberFormat);
    if (loaded.overflow != TotalKind::None) {
        Messages::warn(this,
                       tr("Loading \"%1\" would take the %2's %3 out of its range, so "
                          "nothing was changed.")
                           .arg(shownName(fileName), tallyWord(which), totalName(loaded.overflow)));
        return;
    }
    m_document.replaceTally(
        which, std::move(loaded.tally),
        tr("loading \"%1\" into the %2").arg(shownName(fileName), tallyWord(which)), name);
    m_document.markSaved(which);
    say(tr("Loaded \"%1\" into the %2: %3.")
            .arg(shownName(fileName), tallyWord(which),
                 figures(m_document.tally(which).totals.number)));
    if (file.countedBeyond > 0)
        Messages::warn(this, countsBeyond(fileName, file) + tr(", so they were not loaded."));
}

void frmMain::mnuAddArmyCollection_Click()
{
    // The saved army is added, not the one on screen: the file is what the user chose to keep.
    const QString fileName = TallyFile::fileName(ui.txtArmyName->text());
    const TallyFile::Decoded army = loadTallyFile(fileName);
    if (!army.error.isEmpty()) {
        Messages::warn(this, tr("Could not add the army \"%1\" to the collection: %2")
                                 .arg(shownName(fileName), army.error));
        return;
    }
    TallyUpdate added =
        collectionWithArmy(m_globals.collection, army.records, m_globals.catalogue, m_numberFormat);
    if (added.overflow != TotalKind::None) {
        Messages::warn(this, tr("Adding \"%1\" would take the collection's %2 out of its range, "
                                "so nothing was changed.")
                                 .arg(shownName(fileName), totalName(added.overflow)));
        return;
    }
    const qint16 before = m_globals.collection.totals.number;
    m_document.replaceTally(WhichTally::Collection, std::move(added.tally),
                            tr("adding \"%1\" to the collection").arg(shownName(fileName)));
    say(tr("Added \"%1\" to the collection: %2.")
            .arg(shownName(fileName), figures(m_globals.collection.totals.number - before)));
    if (army.countedBeyond > 0)
        Messages::warn(this, countsBeyond(fileName, army) + tr(", so they were not added."));
}

TallyFile::Decoded frmMain::loadTallyFile(const QString &fileName) const
{
    TallyFile::Decoded file;
    file.error = fileNameProblem(fileName, NameUse::Reading);
    if (file.error.isEmpty())
        file = TallyFile::load(fileName, m_globals.catalogue.size());
    return file;
}

QString frmMain::countsBeyond(const QString &fileName, const TallyFile::Decoded &file) const
{
    return tr("\"%1\" holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 "
              "units has no units for")
        .arg(shownName(fileName))
        .arg(file.countedBeyond)
        .arg(doubleText(file.figuresBeyond))
        .arg(m_globals.catalogue.size());
}

bool frmMain::mayReplace(const QString &fileName, WhichTally which, QString &error)
{
    // A file saved under a longer catalogue keeps counts this one cannot show; replacing it
    // would drop them without a word. A folder is left for the save to report.
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
        // A file that is no tally at all holds no counts to lose.
        const TallyFile::Decoded beyond =
            TallyFile::decodeCountsBeyond(old.bytes, m_globals.catalogue.size());
        if (beyond.countedBeyond == 0)
            return true;
        if (!Messages::ask(this,
                           countsBeyond(fileName, beyond) +
                               tr(". Saving the %1 replaces the file and drops those counts.")
                                   .arg(tallyWord(which)),
                           tr("Replace")))
            return false;
        // Another program may have saved the file while the question was open: the answer
        // holds only for what the user was asked about.
        if (const InputFile now = readInputFile(fileName); now.ok() && now.bytes == old.bytes)
            return true;
    }
}

QString frmMain::writingProblem(const QString &fileName) const
{
    QString problem = fileNameProblem(fileName, NameUse::Writing);
    if (problem.isEmpty())
        problem = rulesetFileProblem(fileName);
    return problem;
}
