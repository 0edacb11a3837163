// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_line_printer.h"

#include <QCoreApplication>

#include <algorithm>

bool PageLinePrinter::ready()
{
    if (!m_started) {
        m_started = true;
        if (!begin(m_metrics) && m_error.isEmpty())
            fail(QCoreApplication::translate("PageLinePrinter", "The job could not start."));
    }
    return m_error.isEmpty() && !m_abandoned;
}

void PageLinePrinter::fail(const QString &error)
{
    if (m_error.isEmpty())
        m_error = error;
}

void PageLinePrinter::print(const QString &text)
{
    if (!ready())
        return;
    if (m_y > 0 && m_y + m_metrics.lineHeight > m_metrics.pageHeight) {
        if (!newPage()) {
            fail(QCoreApplication::translate("PageLinePrinter",
                                             "The printer could not begin a new page."));
            return;
        }
        m_y = 0;
    }
    m_x += drawText(QPointF(m_x, m_y + m_metrics.ascent), text);
}

void PageLinePrinter::advanceTo(int column)
{
    if (!ready())
        return;
    const qreal target = (std::max(column, 1) - 1) * m_metrics.columnWidth;
    // Rounding in text widths must not push a text that ends on the stop to the next line.
    if (m_x > target + 0.01)
        endLine();
    m_x = std::max(m_x, target);
}

void PageLinePrinter::endLine()
{
    if (!ready())
        return;
    m_x = 0;
    m_y += m_metrics.lineHeight;
    ++m_lines;
    if (m_goOn && !m_goOn(m_lines))
        m_abandoned = true;
}
