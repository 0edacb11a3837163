#pragma once

#include <QString>

// Why `fileName`, built from a name the user typed, can't name a file in the current folder:
// it has a folder part, or is longer than the file system allows. Empty when it can.
QString fileNameProblem(const QString &fileName);

// A name as a message shows it: a long one is cut to its start and end around an ellipsis.
QString shownName(const QString &name);
