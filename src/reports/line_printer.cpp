#include "line_printer.h"

#include <QStringList>

void TextLinePrinter::print(const QString &text)
{
    m_line += text;
}

void TextLinePrinter::advanceTo(int column)
{
    const qsizetype target = std::max(column, 1) - 1;
    if (m_line.size() > target)
        endLine();
    if (m_line.size() < target)
        m_line += QString(target - m_line.size(), u' ');
}

void TextLinePrinter::endLine()
{
    m_lines.append(m_line);
    m_line.clear();
}

bool TextLinePrinter::endDocument()
{
    if (!m_line.isEmpty())
        endLine();
    return true;
}
