// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "painted_line_printer.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <functional>

class QPrinterInfo;

// Prints lines on a printer in its default font and page layout. The pages are drawn into one
// document that endDocument hands to the print system as exactly one job, checking that the
// job was accepted: the toolkit's own printer output drops a refused job without a word. It
// may be used on a thread other than the window's.
class PrinterLinePrinter : public PaintedLinePrinter
{
public:
    PrinterLinePrinter(const QPrinterInfo &printer, const QString &documentName);
    // A job abandoned halfway is ended while its printer is still there.
    ~PrinterLinePrinter() override { stopPainting(); }

    bool endDocument() override;

    // Asked once the document is finished, right before it goes to the print system; false
    // abandons it there, and nothing is sent.
    void setSendCheck(std::function<bool()> send) { m_send = std::move(send); }

protected:
    bool begin(Metrics &metrics) override;

private:
    // Why the print system did not take the job, in the user's words.
    QString refusal() const;

    QString m_documentName;
    QTemporaryDir m_spool;
    QPrinter m_printer;
    std::function<bool()> m_send;
};
