// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer_line_printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PrinterLinePrinter)
};

} // namespace

PrinterLinePrinter::PrinterLinePrinter(const QPrinterInfo &printer, const QString &documentName)
    : PaintedLinePrinter(m_printer, printer.printerName()), m_documentName(documentName),
      m_printer(printer, QPrinter::HighResolution)
{
    const QPageLayout layout = m_printer.pageLayout();
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(m_spool.filePath(QStringLiteral("report.pdf")));
    m_printer.setPageLayout(layout);
    m_printer.setDocName(documentName);
}

bool PrinterLinePrinter::begin(Metrics &metrics)
{
    if (!m_spool.isValid()) {
        fail(QCoreApplication::translate("PrinterLinePrinter",
                                         "The printer \"%1\" could not start the job.")
                 .arg(m_what));
        return false;
    }
    return PaintedLinePrinter::begin(metrics);
}

bool PrinterLinePrinter::endDocument()
{
    if (!PaintedLinePrinter::endDocument())
        return false;
    if (m_send && !m_send()) {
        abandon();
        return false;
    }
    const int job = cupsPrintFile(m_what.toLocal8Bit().constData(),
                                  QFile::encodeName(m_printer.outputFileName()).constData(),
                                  m_documentName.toLocal8Bit().constData(), 0, nullptr);
    if (job == 0) {
        fail(refusal());
        return false;
    }
    return true;
}

QString PrinterLinePrinter::refusal() const
{
    const ipp_status_t status = cupsLastError();
    const QString reason = QString::fromLocal8Bit(cupsLastErrorString());
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return Text::tr("The printer \"%1\" has stopped accepting jobs, so nothing was printed.")
            .arg(m_what);
    // A queue removed while the job was made is reported only as a missing file: the print
    // system is asked whether the printer is still there.
    cups_dest_t *printer =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, m_what.toLocal8Bit().constData(), nullptr);
    cupsFreeDests(printer != nullptr ? 1 : 0, printer);
    if (printer == nullptr || status == IPP_STATUS_ERROR_NOT_FOUND)
        return Text::tr("The printer \"%1\" is no longer there, so nothing was printed.")
            .arg(m_what);
    return Text::tr("The printer \"%1\" did not take the job: %2").arg(m_what, reason);
}
