// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_state.h"

#include "tally_files/tally_file.h"

namespace {

QStringView asRecord(const QString &count)
{
    QStringView text = QStringView(count).left(TallyFile::RecordBytes);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

bool sameRecord(const QString &a, const QString &b)
{
    // Equal counts of a tally mostly share their characters.
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b ||
           asRecord(a) == asRecord(b);
}

void SavedState::reset(int rows)
{
    m_files.clear();
    m_start = QStringList(rows, QStringLiteral("0"));
    m_reference = {m_start, m_start};
    m_differing = {};
    m_onFile = {};
}

void SavedState::resize(int rows)
{
    const auto fit = [rows](QStringList &counts) { counts.resize(rows, QStringLiteral("0")); };
    for (QStringList &counts : m_files)
        fit(counts);
    fit(m_start);
    for (QStringList &reference : m_reference)
        fit(reference);
}

void SavedState::fileHolds(const QString &name, const QStringList &counts)
{
    m_files.insert(name, counts);
}

void SavedState::follow(int at, const QString &name, const QStringList &counts)
{
    const auto file = m_files.constFind(name);
    m_onFile[at] = file != m_files.cend();
    m_reference[at] = m_onFile[at] ? *file : m_start;
    const QStringList &reference = m_reference[at];
    // Both have a count per catalogue row: the catalogue's changes resize them together.
    int differing = 0;
    for (qsizetype row = 0; row < std::min(reference.size(), counts.size()); ++row)
        differing += !sameRecord(reference.at(row), counts.at(row));
    m_differing[at] = differing;
}

void SavedState::countChanged(int at, int row, const QString &before, const QString &after)
{
    const QStringList &reference = m_reference[at];
    if (row >= reference.size())
        return;
    m_differing[at] +=
        int(!sameRecord(reference.at(row), after)) - int(!sameRecord(reference.at(row), before));
}
