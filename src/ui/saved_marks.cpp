// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_marks.h"

#include "accessibility.h"
#include "document/ruleset_reload.h"
#include "status_report.h"
#include "tally/unit_match.h"
#include "tally_files/tally_file.h"

#include <QLabel>
#include <QLineEdit>

SavedMarks::SavedMarks(const TallyDocument &document, const std::array<QLineEdit *, 2> &nameBoxes,
                       StatusReport *status)
    : QObject(nameBoxes[0]), m_document(document), m_status(status)
{
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army}) {
        const bool army = which == WhichTally::Army;
        QLineEdit *box = nameBoxes[army];
        auto *mark = new QLabel(box->parentWidget());
        mark->setObjectName(army ? QStringLiteral("lblArmySaved")
                                 : QStringLiteral("lblCollectionSaved"));
        mark->setAccessibleName(army ? tr("Whether the army is saved")
                                     : tr("Whether the collection is saved"));
        mark->setGeometry(box->geometry().right() + 3, box->y(), box->height() / 2, box->height());
        mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_marks[army] = mark;
        show(which);
    }
    noteKept();
    const auto both = [this] {
        show(WhichTally::Collection);
        show(WhichTally::Army);
        noteKept();
    };
    connect(&document, &TallyDocument::savedChanged, this, both);
    connect(&document, &TallyDocument::tallyChanged, this, both);
    connect(&document, &TallyDocument::nameChanged, this, both);
    connect(&document, &TallyDocument::catalogueReplaced, this, both);
}

void SavedMarks::noteKept()
{
    QStringList notes;
    for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
        if (const QList<KeptCount> &kept = m_document.tally(which).kept; !kept.isEmpty())
            notes.append(forTally(which,
                                  tr("The army keeps the counts of units the catalogue lacks, "
                                     "in no total: %1."),
                                  tr("The collection keeps the counts of units the catalogue "
                                     "lacks, in no total: %1."))
                             .arg(keptText(kept)));
    m_status->setNote(notes.join(u'\n'));
}

void SavedMarks::copyFailed(const QString &error)
{
    m_copyError = error;
    show(WhichTally::Collection);
    show(WhichTally::Army);
}

void SavedMarks::show(WhichTally which)
{
    QLabel *mark = m_marks[tallyIndex(which)];
    const QString file = TallyFile::fileName(m_document.name(which));
    const int changed = m_document.unsavedUnits(which);
    QString state;
    if (changed == 0)
        state = m_document.hasFile(which) ? forTally(which, tr("The army is saved in \"%1\"."),
                                                     tr("The collection is saved in \"%1\"."))
                                                .arg(file)
                                          : forTally(which, tr("The army has no changes to save."),
                                                     tr("The collection has no changes to save."));
    else if (m_document.hasFile(which))
        state = forTally(which,
                         tr("The army is not saved: %n unit(s) counted otherwise than in \"%1\".",
                            nullptr, changed),
                         tr("The collection is not saved: %n unit(s) counted otherwise than in "
                            "\"%1\".",
                            nullptr, changed))
                    .arg(file);
    else
        state = forTally(which, tr("The army is not saved: %n unit(s) counted.", nullptr, changed),
                         tr("The collection is not saved: %n unit(s) counted.", nullptr, changed));
    if (changed > 0)
        state +=
            u' ' + (m_copyError.isEmpty()
                        ? tr("A recovery copy keeps the changes until you save them, and offers "
                             "them back if Rostermere ends first.")
                        : tr("They could not be kept in a recovery copy (%1), so save them "
                             "before Rostermere ends.")
                              .arg(m_copyError));
    if (const QList<KeptCount> &kept = m_document.tally(which).kept; !kept.isEmpty())
        state += u' ' + tr("It keeps the counts of units the catalogue lacks, in no total: %1.")
                            .arg(keptText(kept));
    const QString text = changed > 0 ? QStringLiteral("*") : QString();
    if (mark->text() == text && mark->toolTip() == state)
        return;
    mark->setText(text);
    mark->setToolTip(state);
    mark->setAccessibleDescription(state);
    announceChange(mark);
}
