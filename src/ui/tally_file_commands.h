// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"
#include "document/tally_document.h"
#include "tally_files/tally_reading.h"

#include <QObject>

#include <array>

class QLineEdit;
class QWidget;
class SessionKeeper;
class StatusReport;
class TallyPicker;

// The tally file commands of the window: Save, Load (picked, or by the name box) and Add Army To
// Collection, with all that each asks and says. The window gives them its name boxes, whose
// texts name the files, and its status line.
class TallyFileCommands : public QObject
{
    Q_OBJECT

public:
    TallyFileCommands(TallyDocument &document, SessionKeeper &keeper, QWidget *window,
                      const std::array<QLineEdit *, 2> &nameBoxes, StatusReport *status,
                      const NumberFormat &format);

    void save(WhichTally which);
    // Loads the tally file of `name`; the name box takes it only when the load is done.
    void load(WhichTally which, const QString &name);
    void pickAndLoad(TallyPicker &picker, WhichTally which);
    // The saved army, not the one on screen: the file is what the user chose to keep.
    void addArmyToCollection();

private:
    QLineEdit *nameBox(WhichTally which) const { return m_nameBoxes[tallyIndex(which)]; }
    // The tally file of that name with its record of units, or why it can't be read; a record
    // that can't be read is said.
    TallyRead readTallyFile(const QString &fileName);
    // What the status line adds about how the file's counts found their rows.
    QString howPlaced(const TallyRead &read, const PlacedTally &placed) const;
    // The message naming counts of units the catalogue lacks, kept with `which`.
    QString keptCounts(const QString &fileName, const QList<KeptCount> &kept,
                       WhichTally which) const;
    // `sentence` about counts for rows past the catalogue's end, with its file (%1), rows (%2),
    // figures (%3) and the catalogue's units (%4) put in.
    QString countsBeyond(const QString &sentence, const QString &fileName, int counted,
                         double figures) const;
    // Whether a save may replace `fileName`: asks first when the file holds what the save would
    // lose, and asks again when the file changed while the question was open. A file that
    // can't be read to check it is not replaced, and `error` says why.
    bool mayReplace(const QString &fileName, WhichTally which, QString &error);
    QString replaceQuestion(const QString &fileName, const QByteArray &bytes,
                            WhichTally which) const;

    TallyDocument &m_document;
    const modGlobals &m_globals;
    SessionKeeper &m_keeper;
    QWidget *m_window;
    std::array<QLineEdit *, 2> m_nameBoxes;
    StatusReport *m_status;
    const NumberFormat &m_numberFormat;
};
