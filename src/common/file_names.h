// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

enum class NameUse
{
    Reading,
    Writing
};

// Why `fileName`, built from a name the user typed, can't name a file in the current folder:
// it holds a control character (U+0000 to U+001F, U+007F), has a folder part ("/", and for a
// file to write "\\" too, which other systems take for one), or is longer than the file system
// allows. Empty when it can.
QString fileNameProblem(const QString &fileName, NameUse use);

// A name as a message shows it: a long one is cut to its start and end around an ellipsis, and
// a control character shows as its symbol ("\u2400" for NUL).
QString shownName(const QString &name);
