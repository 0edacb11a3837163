// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/numbers.h"
#include "document/tally_document.h"

#include <QObject>

#include <functional>

class ArmyPlan;
class LinkedColumns;
class QWidget;
class StatusReport;

// CSV files for spreadsheets and other programs: the units the lists show written out with
// their counts, and counts read into the army or the collection as one step of the history,
// replacing the tally or added to it.
class CsvCommands : public QObject
{
    Q_OBJECT

public:
    // `chosen` names the tally the option buttons choose.
    CsvCommands(TallyDocument &document, QWidget *window, LinkedColumns *columns,
                const ArmyPlan *plan, StatusReport *status, const NumberFormat &format,
                std::function<WhichTally()> chosen);

    // Asks for the file with the desktop's dialog, in the working folder.
    void exportShown();
    void importCounts();

    // The same at a given path; false, after saying why, when nothing was done.
    bool exportTo(const QString &path);
    bool importFrom(const QString &path, WhichTally which, bool add);

private:
    TallyDocument &m_document;
    QWidget *m_window;
    LinkedColumns *m_columns;
    const ArmyPlan *m_plan;
    StatusReport *m_status;
    NumberFormat m_format;
    std::function<WhichTally()> m_chosen;
};
