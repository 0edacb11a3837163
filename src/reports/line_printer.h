// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where a report's lines go: a text file counts columns in characters, paper in the average
// character width of the printer's font.
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;

    // Puts text at the current position.
    virtual void print(const QString &text) = 0;

    // Moves to column `column` (1-based) if the position is left of it, stays if it is at it,
    // and goes to that column of the next line if the position is already past it.
    virtual void advanceTo(int column) = 0;

    // Returns to column 1 of the next line; a line without text is an empty line.
    virtual void endLine() = 0;

    // Finishes the document; nothing needs to reach its destination before this.
    // Returns false when that failed.
    virtual bool endDocument() = 0;
};

// A line printer whose columns are characters: the text report's way. The lines are encoded
// as they come, one byte per character (Windows-1252), so a column is a byte.
class TextLinePrinter : public LinePrinter
{
public:
    void print(const QString &text) override;
    void advanceTo(int column) override;
    void endLine() override;
    bool endDocument() override;

    // Room for a report of about `bytes`.
    explicit TextLinePrinter(qsizetype bytes = 0) { m_bytes.reserve(bytes); }

    // The lines so far, encoded, each ending in CR LF; the current unfinished one is left out.
    QByteArrayView bytes() const { return QByteArrayView(m_bytes).first(m_lineStart); }
    // The same, handed over without a copy; the printer is empty afterwards.
    QByteArray takeBytes();

private:
    // One text for the whole report, held once and as bytes: a long report is one allocation
    // that grows, not one per line, and needs no second copy to be written.
    QByteArray m_bytes;
    qsizetype m_lineStart = 0;
};
