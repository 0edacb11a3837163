#include "field_reader.h"

#include <QCoreApplication>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Whether `c` ends an unquoted field: a comma or a line end.
bool endsField(QChar c)
{
    return c == u',' || c == u'\n' || c == u'\r';
}

} // namespace

inline bool FieldReader::atLineEnd() const
{
    return m_pos < m_text.size() && (m_text[m_pos] == u'\n' || m_text[m_pos] == u'\r');
}

void FieldReader::skipLineEnd()
{
    if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
}

bool FieldReader::next(QString &field)
{
    for (;;) {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        const bool pendingEmptyField = m_afterComma;
        if (m_pos >= m_text.size() || atLineEnd()) {
            if (pendingEmptyField) {
                m_afterComma = false;
                m_fieldLine = m_line;
                field.clear();
                return true;
            }
            if (m_pos >= m_text.size())
                return false;
            skipLineEnd();
            continue;
        }
        break;
    }

    m_fieldLine = m_line;
    field = m_text[m_pos] == u'"' ? readQuoted() : readUnquoted();

    m_afterComma = m_pos < m_text.size() && m_text[m_pos] == u',';
    if (m_afterComma)
        ++m_pos;
    return true;
}

QString FieldReader::readQuoted()
{
    const int openingLine = m_line;
    ++m_pos; // the opening quote
    QString value;
    qsizetype copied = m_pos; // where the text not yet in `value` starts
    for (;;) {
        if (m_pos >= m_text.size()) {
            m_unclosedQuoteLine = openingLine;
            value.append(m_text.sliced(copied, m_pos - copied));
            break;
        }
        const QChar c = m_text[m_pos];
        if (c == u'"') {
            value.append(m_text.sliced(copied, m_pos - copied));
            if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                value.append(u'"');
                m_pos += 2;
                copied = m_pos;
                continue;
            }
            ++m_pos;
            break;
        }
        if (c == u'\n' ||
            (c == u'\r' && !(m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')))
            ++m_line;
        ++m_pos;
    }
    if (m_line > openingLine && m_multiLineQuoteLine == 0) {
        m_multiLineQuoteLine = openingLine;
        m_multiLineQuoteEndLine = m_line;
    }
    while (m_pos < m_text.size() && m_text[m_pos] != u',' && !atLineEnd())
        ++m_pos;
    return value;
}

QList<LoadProblem> FieldReader::quoteProblems() const
{
    QList<LoadProblem> problems;
    if (m_multiLineQuoteLine > 0 && m_multiLineQuoteLine != m_unclosedQuoteLine)
        problems.append(
            {m_multiLineQuoteLine,
             QCoreApplication::translate("FieldReader", "a quoted field starts here and "
                                                        "runs on to line %1, so the lines "
                                                        "between were read as part of it; "
                                                        "a closing quote may be missing.")
                 .arg(m_multiLineQuoteEndLine)});
    if (m_unclosedQuoteLine > 0)
        problems.append({m_unclosedQuoteLine, QCoreApplication::translate(
                                                  "FieldReader", "a quoted field has no closing "
                                                                 "quote; it runs to the end of the "
                                                                 "file.")});
    return problems;
}

QString FieldReader::readUnquoted()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !endsField(m_text[m_pos]))
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && isBlank(m_text[end - 1]))
        --end;
    return m_text.sliced(start, end - start).toString();
}
