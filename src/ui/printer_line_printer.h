#pragma once

#include "reports/line_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

class QPrinterInfo;

// Prints lines on a printer in its default font and page layout, with columns as wide as the
// font's average character. The pages are drawn into one document that endDocument hands to
// the print system as exactly one job, checking that the job was accepted: the toolkit's own
// printer output drops a refused job without a word.
class PrinterLinePrinter : public LinePrinter
{
public:
    PrinterLinePrinter(const QPrinterInfo &printer, const QString &documentName);
    ~PrinterLinePrinter() override;

    void print(const QString &text) override;
    void advanceTo(int column) override;
    void endLine() override;
    bool endDocument() override;

    // Why the job failed, once print or endDocument found it could not go on.
    QString error() const { return m_error; }

private:
    bool start();

    QString m_printerName;
    QString m_documentName;
    QTemporaryDir m_spool;
    QPrinter m_printer;
    QPainter m_painter;
    bool m_started = false;
    QString m_error;
    qreal m_x = 0;
    qreal m_y = 0;
    qreal m_columnWidth = 1;
    qreal m_lineHeight = 1;
    qreal m_ascent = 0;
    qreal m_pageHeight = 0;
};
