#include "field_reader.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

bool FieldReader::atLineEnd() const
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
    for (;;) {
        if (m_pos >= m_text.size()) {
            m_unclosedQuoteLine = openingLine;
            return value;
        }
        const QChar c = m_text[m_pos];
        if (c == u'"') {
            if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                value.append(u'"');
                m_pos += 2;
                continue;
            }
            ++m_pos;
            break;
        }
        if (c == u'\n' ||
            (c == u'\r' && !(m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')))
            ++m_line;
        value.append(c);
        ++m_pos;
    }
    while (m_pos < m_text.size() && m_text[m_pos] != u',' && !atLineEnd())
        ++m_pos;
    return value;
}

QString FieldReader::readUnquoted()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != u',' && !atLineEnd())
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && isBlank(m_text[end - 1]))
        --end;
    return m_text.sliced(start, end - start).toString();
}
