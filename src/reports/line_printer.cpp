#include "line_printer.h"

#include <QStringList>

#include <algorithm>

void TextLinePrinter::print(const QString &text)
{
    m_text += text;
}

void TextLinePrinter::advanceTo(int column)
{
    // Columns count characters as the report's one byte each shows them: a character beyond
    // U+FFFF, two code units here, is one.
    const auto width = [this] {
        const QStringView line = QStringView(m_text).sliced(m_lineStart);
        return line.size() -
               std::count_if(line.begin(), line.end(), [](QChar c) { return c.isLowSurrogate(); });
    };
    const qsizetype target = std::max(column, 1) - 1;
    if (width() > target)
        endLine();
    if (const qsizetype short_ = target - width(); short_ > 0)
        m_text.append(QString(short_, u' '));
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
