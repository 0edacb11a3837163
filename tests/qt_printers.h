#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest print Qt strings (and lists of them) as text when a comparison fails.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
