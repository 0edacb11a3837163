#pragma once

#include "load_problem.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <unordered_set>

// Reads the comma- and line-separated fields that the catalogue and the price guide are made of.
//  - A comma or a line end (CR LF, LF or CR) ends a field; a line with no text carries no field,
//    while a comma right before a line end or the end of the text leaves one empty field.
//  - An unquoted field loses the blanks (spaces, tabs) on both sides.
//  - A field in double quotes keeps everything up to the closing quote, commas and line ends
//    included; a doubled quote inside stands for one quote character. Text between the closing
//    quote and the next separator is dropped.
class FieldReader
{
public:
    explicit FieldReader(QStringView text) : m_text(text) {}

    // Points `field` at the next field; false when the text holds no more fields. The view
    // stays valid until the next call, so a caller keeps what it needs as a string.
    bool next(QStringView &field);
    bool next(QString &field);

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
    QStringView readQuoted();
    QStringView readUnquoted();

    QStringView m_text;
    QString m_unquoted; // a quoted field with doubled quotes, once they are made single
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_fieldLine = 0;
    int m_unclosedQuoteLine = 0;
    int m_multiLineQuoteLine = 0; // where the first quoted field over a line end opened
    int m_multiLineQuoteEndLine = 0;
    bool m_afterComma = false;
};

// Turns fields into strings, giving equal fields one shared string: strengths, factions and
// prices repeat from unit to unit, and sharing saves an allocation for each and memory for all.
class SharedStrings
{
public:
    QString operator()(QStringView value)
    {
        const auto found = m_values.find(value);
        if (found != m_values.end())
            return *found;
        QString text = value.toString();
        // A column of (nearly) all different values gains nothing from sharing.
        if (m_values.size() < MaxShared)
            m_values.insert(text);
        return text;
    }

private:
    static constexpr std::size_t MaxShared = 1024;
    struct Hash
    {
        using is_transparent = void;
        std::size_t operator()(QStringView text) const { return qHash(text); }
    };
    struct Equal
    {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
    std::unordered_set<QString, Hash, Equal> m_values;
};

// The number of line ends (LF, or CR where the text has no LF) that bound its records.
qsizetype lineEnds(QByteArrayView bytes);
