#include "printer_line_printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinterInfo>

#include <cups/cups.h>

PrinterLinePrinter::PrinterLinePrinter(const QPrinterInfo &printer, const QString &documentName)
    : m_printerName(printer.printerName()), m_documentName(documentName),
      m_printer(printer, QPrinter::HighResolution)
{
    const QPageLayout layout = m_printer.pageLayout();
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(m_spool.filePath(QStringLiteral("report.pdf")));
    m_printer.setPageLayout(layout);
    m_printer.setDocName(documentName);
}

PrinterLinePrinter::~PrinterLinePrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PrinterLinePrinter::start()
{
    if (m_started)
        return m_error.isEmpty();
    m_started = true;
    if (!m_spool.isValid() || !m_printer.isValid() || !m_painter.begin(&m_printer)) {
        m_error = QCoreApplication::translate("PrinterLinePrinter",
                                              "The printer \"%1\" could not start the job.")
                      .arg(m_printerName);
        return false;
    }
    const QFontMetricsF metrics(m_painter.font(), &m_printer);
    m_columnWidth = metrics.averageCharWidth();
    m_lineHeight = metrics.lineSpacing();
    m_ascent = metrics.ascent();
    m_pageHeight = m_printer.pageRect(QPrinter::DevicePixel).height();
    return true;
}

void PrinterLinePrinter::print(const QString &text)
{
    if (!start())
        return;
    // A line that does not fit on this page begins the next one.
    if (m_y > 0 && m_y + m_lineHeight > m_pageHeight) {
        if (!m_printer.newPage()) {
            m_error = QCoreApplication::translate("PrinterLinePrinter",
                                                  "The printer could not begin a new page.");
            return;
        }
        m_y = 0;
    }
    m_painter.drawText(QPointF(m_x, m_y + m_ascent), text);
    m_x += QFontMetricsF(m_painter.font(), &m_printer).horizontalAdvance(text);
}

void PrinterLinePrinter::advanceTo(int column)
{
    if (!start())
        return;
    const qreal target = (std::max(column, 1) - 1) * m_columnWidth;
    // Rounding in text widths must not push a text that ends on the stop to the next line.
    if (m_x > target + 0.01)
        endLine();
    m_x = std::max(m_x, target);
}

void PrinterLinePrinter::endLine()
{
    if (!start())
        return;
    m_x = 0;
    m_y += m_lineHeight;
}

bool PrinterLinePrinter::endDocument()
{
    if (!start())
        return false;
    if (!m_painter.end() && m_error.isEmpty())
        m_error = QCoreApplication::translate("PrinterLinePrinter",
                                              "The document for \"%1\" could not be finished.")
                      .arg(m_printerName);
    if (!m_error.isEmpty())
        return false;
    const int job = cupsPrintFile(m_printerName.toLocal8Bit().constData(),
                                  QFile::encodeName(m_printer.outputFileName()).constData(),
                                  m_documentName.toLocal8Bit().constData(), 0, nullptr);
    if (job == 0) {
        m_error = QCoreApplication::translate("PrinterLinePrinter",
                                              "The printer \"%1\" did not take the job: %2")
                      .arg(m_printerName, QString::fromLocal8Bit(cupsLastErrorString()));
        return false;
    }
    return true;
}
