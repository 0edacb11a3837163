// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of `path`, atomically: the new file is written,
// flushed to the disk and closed beside the old one, and takes its place only when all of that
// succeeded, so a failure at any point leaves an existing file of that name as it was and no
// temporary file behind. A name that is a symbolic link is written through to its target.
// Interrupted calls are retried. Returns the reason on failure, in the user's words, an empty
// text on success.
// A private file is made readable by its owner alone (0600), whatever it replaces.
enum class FileAccess
{
    Shared,
    Private
};
QString writeWholeFile(const QString &path, const QByteArray &bytes,
                       FileAccess access = FileAccess::Shared);

// Makes a write past the process's file-size limit fail with an error instead of ending the
// process.
void ignoreFileSizeSignal();
