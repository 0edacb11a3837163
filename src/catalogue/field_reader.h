// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/input_text.h"
#include "load_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads the comma- and line-separated fields that the catalogue and the price guide are made of,
// from the file's bytes: every separator is the same byte in Windows-1252 as in ASCII, so only
// the fields that are kept need decoding.
//  - A comma or a line end (CR LF, LF or CR) ends a field; a line with no text carries no field,
//    while a comma right before a line end or the end of the text leaves one empty field.
//  - An unquoted field loses the blanks (spaces, tabs) on both sides.
//  - A field in double quotes keeps everything up to the closing quote, commas and line ends
//    included; a doubled quote inside stands for one quote character. Text between the closing
//    quote and the next separator is dropped.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView text) : m_text(text) {}

    // Points `field` at the next field's bytes; false when the text holds no more fields. The
    // view stays valid until the next call, so a caller keeps what it needs as a string.
    bool next(QByteArrayView &field);

    // Reads a whole line of exactly `count` fields, the usual shape of a record, when the reader
    // stands at the start of a line with no field pending: the same fields next() would give,
    // found in one pass over the line. Returns false, having read no field, for any other line
    // (a quoted field with a doubled quote or over a line end, a lone CR, another number of
    // fields), which next() then reads.
    bool nextPlainLine(QByteArrayView *fields, int count);

    // The 1-based line on which the field last returned by next() starts.
    int fieldLine() const { return m_fieldLine; }

    // The line of a quoted field that ran to the end of the text without its closing quote,
    // or 0 when every quote was closed so far.
    int unclosedQuoteLine() const { return m_unclosedQuoteLine; }

    // What the quotes read so far tell the user: the first quoted field that ran over a line
    // end (in our files nearly always a missing closing quote, which swallows the records up
    // to the next quote), and one that ran to the end of the text.
    QList<LoadProblem> quoteProblems() const;

private:
    bool atLineEnd() const;
    void skipLineEnd();
    QByteArrayView readQuoted();
    QByteArrayView readUnquoted();

    QByteArrayView m_text;
    QByteArray m_unquoted; // a quoted field with doubled quotes, once they are made single
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_fieldLine = 0;
    int m_unclosedQuoteLine = 0;
    int m_multiLineQuoteLine = 0; // where the first quoted field over a line end opened
    int m_multiLineQuoteEndLine = 0;
    bool m_afterComma = false;
};

// The number of line ends (LF, or CR where the text has no LF) that bound its records.
qsizetype lineEnds(QByteArrayView bytes);

// The note on how the text was read, as a problem of the line it concerns; none when every
// byte fit the reading.
QList<LoadProblem> readingProblems(const InputText &text);
