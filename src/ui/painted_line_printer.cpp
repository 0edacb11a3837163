// SPDX-License-Identifier: GPL-3.0-or-later
#include "painted_line_printer.h"

#include <QCoreApplication>
#include <QPrinter>

PaintedLinePrinter::PaintedLinePrinter(QPrinter &printer, const QString &what)
    : m_device(printer), m_what(what)
{}

PaintedLinePrinter::~PaintedLinePrinter()
{
    stopPainting();
}

void PaintedLinePrinter::stopPainting()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PaintedLinePrinter::begin(Metrics &metrics)
{
    if (!m_device.isValid() || !m_painter.begin(&m_device)) {
        fail(QCoreApplication::translate("PrinterLinePrinter",
                                         "The printer \"%1\" could not start the job.")
                 .arg(m_what));
        return false;
    }
    m_font.emplace(m_painter.font(), &m_device);
    metrics = {m_font->averageCharWidth(), m_font->lineSpacing(), m_font->ascent(),
               m_device.pageRect(QPrinter::DevicePixel).height()};
    return true;
}

bool PaintedLinePrinter::newPage()
{
    return m_device.newPage();
}

qreal PaintedLinePrinter::drawText(QPointF at, const QString &text)
{
    m_painter.drawText(at, text);
    return m_font->horizontalAdvance(text);
}

bool PaintedLinePrinter::endDocument()
{
    if (!ready())
        return false;
    if (!m_painter.end())
        fail(QCoreApplication::translate("PrinterLinePrinter",
                                         "The document for \"%1\" could not be finished.")
                 .arg(m_what));
    return error().isEmpty();
}
