// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/tally_document.h"
#include "reports/collection_report.h"

#include <QFuture>
#include <QObject>

class PrintJob;
class QAction;
class QWidget;
class StatusReport;

// The reports of the menu: a tally as a text or HTML file named after it, and the collection on
// the default printer. Each reads the tally, its name and its totals from the document as they
// are when it is chosen; the summary goes with them while `includeSummary` is checked.
class ReportCommands : public QObject
{
    Q_OBJECT

public:
    ReportCommands(const TallyDocument &document, QWidget *window, StatusReport *status,
                   const QAction *includeSummary, QChar decimalSeparator);

    // Write the report file off the window's thread, of the tally as it is when chosen, and
    // say so once it is written (or why it was not).
    void writeText(WhichTally which);
    void writeHtml();
    // Returns once every report file asked for is written or has failed, and its line said.
    void waitUntilWritten();
    // Returns once every report file asked for is written or has failed, saying nothing more:
    // the program is ending.
    static void finishWriting();
    void print();
    // The printer's pages of the collection in Qt's preview, from which they can be printed or
    // saved as PDF; with no printer installed too.
    void preview();
    // The printer's pages of the collection as a PDF file, at a name asked with the desktop's
    // dialog.
    void savePdf();
    // Writes the PDF to `path` off the window's thread, whole or not at all, and says so;
    // the future gives the error, empty once written.
    QFuture<QString> savePdfTo(const QString &path);

    // Returns once a printout under way has gone to the print system (or failed, or was
    // cancelled).
    void waitUntilSent();

private:
    CollectionReport report(WhichTally which) const;
    void writeFile(WhichTally which, bool html);

    const TallyDocument &m_document;
    QWidget *m_window;
    StatusReport *m_status;
    const QAction *m_includeSummary;
    QChar m_decimalSeparator;
    PrintJob *m_printing;
    QString m_printedLine;
    int m_filesBeingWritten = 0;
};
