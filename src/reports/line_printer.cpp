// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_printer.h"

#include "common/codec.h"

#include <QStringList>

#include <algorithm>
#include <utility>

void TextLinePrinter::print(const QString &text)
{
    appendEncoded(m_bytes, text);
}

void TextLinePrinter::advanceTo(int column)
{
    // A character beyond U+FFFF is one byte ('?') of the report, so one column, as all are.
    const qsizetype target = std::max(column, 1) - 1;
    if (m_bytes.size() - m_lineStart > target)
        endLine();
    if (const qsizetype short_ = target - (m_bytes.size() - m_lineStart); short_ > 0)
        m_bytes.append(short_, ' ');
}

void TextLinePrinter::endLine()
{
    m_bytes += "\r\n";
    m_lineStart = m_bytes.size();
}

QByteArray TextLinePrinter::takeBytes()
{
    m_bytes.truncate(m_lineStart);
    m_lineStart = 0;
    return std::exchange(m_bytes, QByteArray());
}

bool TextLinePrinter::endDocument()
{
    if (m_bytes.size() > m_lineStart)
        endLine();
    return true;
}
