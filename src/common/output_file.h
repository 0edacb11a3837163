#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of `path`, atomically: a failure at any point
// leaves an existing file of that name as it was. Returns the reason on failure, in the
// user's words, an empty text on success.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

// Makes a write past the process's file-size limit fail with an error instead of ending the
// process.
void ignoreFileSizeSignal();
