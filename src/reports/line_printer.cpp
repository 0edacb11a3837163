#include "line_printer.h"

#include <QStringList>

void TextLinePrinter::print(const QString &text)
{
    m_text += text;
}

void TextLinePrinter::advanceTo(int column)
{
    const qsizetype target = std::max(column, 1) - 1;
    if (m_text.size() - m_lineStart > target)
        endLine();
    if (m_text.size() - m_lineStart < target)
        m_text.resize(m_lineStart + target, u' ');
}

void TextLinePrinter::endLine()
{
    m_text += u"\r\n";
    m_lineStart = m_text.size();
}

bool TextLinePrinter::endDocument()
{
    if (m_text.size() > m_lineStart)
        endLine();
    return true;
}
