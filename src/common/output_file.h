#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of `path`, atomically: a failure at any point
// leaves an existing file of that name as it was. Returns the reason on failure, in the
// user's words, an empty text on success.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

// A write past the process's file-size limit must fail with an error the program reports,
// not end the program; called once at start-up.
void ignoreFileSizeSignal();
