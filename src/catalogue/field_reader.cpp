// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_reader.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Whether `c` ends an unquoted field: a comma or a line end.
bool endsField(char c)
{
    return c == ',' || c == '\n' || c == '\r';
}

} // namespace

qsizetype lineEnds(QByteArrayView bytes)
{
    // QByteArrayView::count() searches for a one-byte text as for any text, many times slower.
    const auto count = [bytes](char c) {
        return qsizetype(std::count(bytes.begin(), bytes.end(), c));
    };
    const qsizetype lf = count('\n');
    return lf > 0 ? lf : count('\r');
}

QList<LoadProblem> readingProblems(const InputText &text)
{
    if (text.note.isEmpty())
        return {};
    const int line = text.noteAt < 0 ? 0 : int(lineEnds(text.bytes.first(text.noteAt)) + 1);
    return {{line, text.note}};
}

inline bool FieldReader::atLineEnd() const
{
    return m_pos < m_text.size() && (m_text[m_pos] == '\n' || m_text[m_pos] == '\r');
}

void FieldReader::skipLineEnd()
{
    if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
}

bool FieldReader::next(QByteArrayView &field)
{
    for (;;) {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        const bool pendingEmptyField = m_afterComma;
        if (m_pos >= m_text.size() || atLineEnd()) {
            if (pendingEmptyField) {
                m_afterComma = false;
                m_fieldLine = m_line;
                field = QByteArrayView();
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
    field = m_text[m_pos] == '"' ? readQuoted() : readUnquoted();

    m_afterComma = m_pos < m_text.size() && m_text[m_pos] == ',';
    if (m_afterComma)
        ++m_pos;
    return true;
}

bool FieldReader::nextPlainLine(QByteArrayView *fields, int count)
{
    if (m_afterComma)
        return false;
    // A line end left by the record before is passed over as next() would.
    while (atLineEnd())
        skipLineEnd();
    if (m_pos >= m_text.size() ||
        (m_pos > 0 && m_text[m_pos - 1] != '\n' && m_text[m_pos - 1] != '\r'))
        return false;
    const char *const begin = m_text.data() + m_pos;
    const char *const textEnd = m_text.data() + m_text.size();
    const auto *lf =
        static_cast<const char *>(std::memchr(begin, '\n', std::size_t(textEnd - begin)));
    const char *lineEnd = lf ? lf : textEnd;
    if (lf && lineEnd > begin && lineEnd[-1] == '\r')
        --lineEnd;
    // A lone CR ends a line too; such files are read by next().
    if (std::memchr(begin, '\r', std::size_t(lineEnd - begin)))
        return false;
    const auto upTo = [lineEnd](const char *from, char c) {
        if (from >= lineEnd)
            return lineEnd;
        const auto *found =
            static_cast<const char *>(std::memchr(from, c, std::size_t(lineEnd - from)));
        return found ? found : lineEnd;
    };
    int found = 0;
    for (const char *at = begin;; ++at) {
        while (at < lineEnd && isBlank(*at))
            ++at;
        if (found == count)
            return false;
        const char *first = at;
        const char *last = nullptr;
        if (at < lineEnd && *at == '"') {
            // A quoted field on the line, without a doubled quote; what follows its closing
            // quote up to the comma is dropped, as next() drops it.
            first = at + 1;
            last = upTo(first, '"');
            if (last == lineEnd || (last + 1 < lineEnd && last[1] == '"'))
                return false;
            at = upTo(last, ',');
        } else {
            at = upTo(at, ',');
            last = at;
            while (last > first && isBlank(last[-1]))
                --last;
        }
        fields[found++] = QByteArrayView(first, last - first);
        if (at == lineEnd)
            break;
    }
    if (found != count)
        return false;
    m_fieldLine = m_line;
    if (lf) {
        m_pos = lf + 1 - m_text.data();
        ++m_line;
    } else {
        m_pos = m_text.size();
    }
    return true;
}

QByteArrayView FieldReader::readQuoted()
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
        const char c = m_text[m_pos];
        if (c == '"') {
            if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '"') {
                doubled = true;
                m_pos += 2;
                continue;
            }
            end = m_pos;
            ++m_pos;
            break;
        }
        if (c == '\n' || (c == '\r' && !(m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')))
            ++m_line;
        ++m_pos;
    }
    QByteArrayView value = m_text.sliced(start, end - start);
    if (doubled) {
        m_unquoted = value.toByteArray();
        m_unquoted.replace("\"\"", "\"");
        value = m_unquoted;
    }
    if (m_line > openingLine && m_multiLineQuoteLine == 0) {
        m_multiLineQuoteLine = openingLine;
        m_multiLineQuoteEndLine = m_line;
    }
    while (m_pos < m_text.size() && m_text[m_pos] != ',' && !atLineEnd())
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

QByteArrayView FieldReader::readUnquoted()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !endsField(m_text[m_pos]))
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && isBlank(m_text[end - 1]))
        --end;
    return m_text.sliced(start, end - start);
}
