// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A whole input file read into memory, or the reason it could not be.
struct InputFile
{
    QByteArray bytes;
    QString error; // empty when the file was read
    // The file is there, but the system could not open or read it (a failing disk, no
    // permission): what the program had must stay, as no part of the file may count as whole.
    bool unreadable = false;
    bool ok() const { return error.isEmpty(); }
};

// Input files are small: a full catalogue of 32767 units with fields of sensible length is a few
// megabytes. Anything larger than this bound (32767 records of 2 KB each) is not one of ours and
// is refused before it is read into memory.
inline constexpr qint64 MaxInputFileBytes = 64 * 1024 * 1024;

// Reads `path` whole, if it is a plain file of at most `maxBytes`; a pipe, device or socket is
// refused without waiting on it. The error names the reason in the user's words, without the
// file name. A read that fails partway gives no bytes at all; an interrupted call is retried.
InputFile readInputFile(const QString &path, qint64 maxBytes = MaxInputFileBytes);
