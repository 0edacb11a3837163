#pragma once

#include <QStringList>

// One tally, the army or the collection: a count text per catalogue row.
struct Tally
{
    QStringList counts;

    // Gives the tally exactly `rows` rows, keeping the counts of the rows that remain;
    // new rows start at "0".
    void resize(int rows);
};
