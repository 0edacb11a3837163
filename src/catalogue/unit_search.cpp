// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_search.h"

#include "common/background.h"

#include <algorithm>

QString UnitSearch::fold(QStringView text)
{
    QString folded = text.toString().normalized(QString::NormalizationForm_KD);
    folded.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return folded.toCaseFolded();
}

namespace {

// Appends the folded text and a separator. ASCII, nearly every unit's text, is lowered in place:
// a full catalogue then folds in a few milliseconds instead of some forty.
void appendFolded(QString &into, QStringView text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c < u'\x80'; });
    if (!ascii) {
        into.append(UnitSearch::fold(text)).append(u'\x1f');
        return;
    }
    const qsizetype start = into.size();
    into.append(text).append(u'\x1f');
    for (QChar *c = into.data() + start, *end = into.data() + into.size(); c != end; ++c)
        if (*c >= u'A' && *c <= u'Z')
            *c = QChar(c->unicode() + (u'a' - u'A'));
}

} // namespace

UnitSearch::Folded UnitSearch::foldTexts(const UnitTexts &ids, const UnitTexts &names,
                                         const UnitTexts &factions)
{
    Folded folded;
    folded.text.reserve(qsizetype(ids.size()) * 48);
    folded.rowStarts.reserve(ids.size());
    for (int row = 0; row < ids.size(); ++row) {
        folded.rowStarts.append(folded.text.size());
        for (const UnitTexts *field : {&ids, &names, &factions})
            appendFolded(folded.text, field->at(row));
    }
    return folded;
}

void UnitSearch::reset()
{
    // A folding under way works on its own copy of the texts and is left to end unheard.
    m_folding = {};
    m_folded.reset();
}

void UnitSearch::prepare(const UnitCatalogue &catalogue)
{
    if (m_folded || m_folding.isValid())
        return;
    m_folding =
        Background::run(Background::shared(), [ids = catalogue.UnitId, names = catalogue.UnitName,
                                               factions = catalogue.UnitFaction] {
            return foldTexts(ids, names, factions);
        });
}

QList<int> UnitSearch::matches(const UnitCatalogue &catalogue, const QString &text)
{
    if (!m_folded) {
        m_folded = m_folding.isValid()
                       ? m_folding.takeResult()
                       : foldTexts(catalogue.UnitId, catalogue.UnitName, catalogue.UnitFaction);
        m_folding = {};
        m_lastText.clear();
    }
    // The separator cannot be typed, so no match runs from one field into the next.
    QString needle = fold(text);
    needle.remove(u'\x1f');
    if (needle.isEmpty())
        return {};
    if (needle == m_lastText)
        return m_lastMatches;
    QList<int> rows;
    // Qt's own search: a vectorised scan for one letter, the first one typed, and a rolling
    // hash for longer texts, both faster here than QStringMatcher's skip table.
    const QStringView haystack = m_folded->text;
    const auto indexFrom = [&](qsizetype from) { return haystack.indexOf(needle, from); };
    const QList<qsizetype> &starts = m_folded->rowStarts;
    auto rowStart = starts.begin();
    for (qsizetype at = indexFrom(0); at >= 0;) {
        // Matches come in order, so each row is looked for past the one before.
        rowStart = std::upper_bound(rowStart, starts.end(), at) - 1;
        const int row = int(rowStart - starts.begin());
        rows.append(row);
        // On to the next row: a row is counted once however often it matches.
        ++rowStart;
        at = rowStart != starts.end() ? indexFrom(*rowStart) : -1;
    }
    m_lastText = needle;
    m_lastMatches = rows;
    return rows;
}
