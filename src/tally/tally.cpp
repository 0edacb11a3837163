#include "tally.h"

void Tally::resize(int rows)
{
    if (counts.size() > rows)
        counts.resize(rows);
    counts.reserve(rows);
    while (counts.size() < rows)
        counts.append(QStringLiteral("0"));
}
