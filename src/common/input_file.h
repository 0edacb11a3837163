#pragma once

#include <QByteArray>
#include <QString>

// A whole input file read into memory, or the reason it could not be.
struct InputFile
{
    QByteArray bytes;
    QString error; // empty when the file was read
    bool ok() const { return error.isEmpty(); }
};

// Input files are small; anything larger than this is not one of ours and is refused
// rather than read into memory.
inline constexpr qint64 MaxInputFileBytes = 64 * 1024 * 1024;

// Reads `path` whole. The error names the reason in the user's words, without the file name.
InputFile readInputFile(const QString &path, qint64 maxBytes = MaxInputFileBytes);
