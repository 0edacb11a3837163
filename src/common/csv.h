// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as spreadsheets write and read them (RFC 4180).
namespace Csv {

// A text field: quoted, with its quotes doubled, so that commas, quotes, line breaks and blanks
// at its ends stay in it. A text a spreadsheet would take for a formula (one starting with
// =, +, -, @, a tab or a carriage return) is written after an apostrophe, which spreadsheets
// show as text and do not evaluate; a text that starts with an apostrophe gets one more, so
// that reading takes exactly one away from any text that starts with one.
QString textField(QStringView text);
// The same appended to `out`, for a file of many fields.
void appendTextField(QString &out, QStringView text);
// The text a field written by textField stands for.
QString fieldText(QStringView field);

// The separator of a file whose first line is `header`: the comma, or the semicolon or tab
// that spreadsheets of some regions write, whichever the line holds most of outside quotes.
QChar separatorOf(QStringView text);

struct Parsed
{
    QList<QStringList> records; // each with its fields, quotes taken away
    QList<int> rows;            // the row a spreadsheet shows each record on, from 1
    QString error;              // a quote never closed; then nothing else is set
};
// Reads every record of `text`, fields split at `separator`; blank lines are skipped.
Parsed parse(QStringView text, QChar separator);

} // namespace Csv
