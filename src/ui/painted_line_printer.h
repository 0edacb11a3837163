// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/page_line_printer.h"

#include <QFontMetricsF>
#include <QPainter>

#include <optional>

class QPrinter;

// Draws lines on the pages of a printer device in its default font and page layout: a print
// preview's pages, a PDF file, or the document a print job sends. It may be used on a thread
// other than the window's when the device is that thread's own.
class PaintedLinePrinter : public PageLinePrinter
{
public:
    // `what` names the device in errors, as the user knows it.
    PaintedLinePrinter(QPrinter &printer, const QString &what);
    ~PaintedLinePrinter() override;

    // Finishes the last page; false when the device could not.
    bool endDocument() override;

protected:
    // Ends painting on the device, for a subclass whose device goes before this base does.
    void stopPainting();

    bool begin(Metrics &metrics) override;
    bool newPage() override;
    qreal drawText(QPointF at, const QString &text) override;

    QPrinter &m_device;
    QString m_what;

private:
    QPainter m_painter;
    // The painter's font on this device, measured once for every text of the report.
    std::optional<QFontMetricsF> m_font;
};
