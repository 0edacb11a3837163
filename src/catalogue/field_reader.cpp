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

qsizetype lineEnds(QByteArrayView bytes)
{
    const qsizetype lf = bytes.count('\n');
    return lf > 0 ? lf : bytes.count('\r');
}

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
    QStringView view;
    if (!next(view))
        return false;
    field = view.toString();
    return true;
}

bool FieldReader::next(QStringView &field)
{
    for (;;) {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        const bool pendingEmptyField = m_afterComma;
        if (m_pos >= m_text.size() || atLineEnd()) {
            if (pendingEmptyField) {
                m_afterComma = false;
                m_fieldLine = m_line;
                field = QStringView();
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

QStringView FieldReader::readQuoted()
{
    const int openingLine = m_line;
    ++m_pos; // the opening quote
    const qsizetype start = m_pos;
    // Most quoted fields hold no doubled quote and are handed out as they stand in the text.
    bool doubled = false;
    qsizetype end = m_text.size();
    for (;;) {
        if (m_pos >= m_text.size()) {
            m_unclosedQuoteLine = openingLine;
            break;
        }
        const QChar c = m_text[m_pos];
        if (c == u'"') {
            if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                doubled = true;
                m_pos += 2;
                continue;
            }
            end = m_pos;
            ++m_pos;
            break;
        }
        if (c == u'\n' ||
            (c == u'\r' && !(m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')))
            ++m_line;
        ++m_pos;
    }
    QStringView value = m_text.sliced(start, end - start);
    if (doubled) {
        m_unquoted = value.toString();
        m_unquoted.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        value = m_unquoted;
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

QStringView FieldReader::readUnquoted()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !endsField(m_text[m_pos]))
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && isBlank(m_text[end - 1]))
        --end;
    return m_text.sliced(start, end - start);
}
