// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every test file here starts from: GoogleTest, Qt's string literals, and Qt strings
// printed as text when a comparison fails.
#include <QString>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
