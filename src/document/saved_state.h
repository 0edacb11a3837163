// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>

// Whether each tally's counts are those of the tally file its name box names: what each file
// holds is known from the saves and loads of this session, and a name with no such file is
// compared with the untouched start. A tally that equals its file (or, unnamed by any known
// file, the start) is saved, however it got there: counting a unit in and out, or undoing a
// load back to the file named before, leaves nothing to keep.
class SavedState
{
public:
    // A new catalogue of `rows` units that no file is known for yet.
    void reset(int rows);
    // The catalogue reloaded to `rows` units, counts staying row by row: what each known file
    // holds is read again as a load would read it there.
    void resize(int rows);

    // The file of `name` holds `counts` now.
    void fileHolds(const QString &name, const QStringList &counts);
    // Compares tally `at` afresh, named `name` and holding `counts`.
    void follow(int at, const QString &name, const QStringList &counts);
    // One count of tally `at` went from `before` to `after`.
    void countChanged(int at, int row, const QString &before, const QString &after);

    // How many units' counts differ from what the tally is compared with.
    int differing(int at) const { return m_differing[at]; }
    // Whether the tally is compared with a file rather than the start.
    bool hasFile(int at) const { return m_onFile[at]; }

private:
    QHash<QString, QStringList> m_files;
    QStringList m_start;
    std::array<QStringList, 2> m_reference;
    std::array<int, 2> m_differing{};
    std::array<bool, 2> m_onFile{};
};

// Whether two count texts make the same record in a tally file (cut and padded to its width).
bool sameRecord(const QString &a, const QString &b);
