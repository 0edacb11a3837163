// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit_catalogue.h"

#include <QFuture>
#include <QList>
#include <QString>
#include <optional>

// Finds units by any part of their ID, name or faction, ignoring case and accents. The
// catalogue's texts are folded once, off the window's thread from prepare() on or else on the
// first search after the catalogue changes; a search is then one scan of the folded texts.
class UnitSearch
{
public:
    // Forgets the folded texts; the next search folds the catalogue anew.
    void reset();

    // Starts folding `catalogue` off the window's thread, unless it is folded or being folded,
    // so that the first search finds its texts folded; the work keeps its own copy of them.
    void prepare(const UnitCatalogue &catalogue);

    // The rows, in order, whose ID, name or faction holds `text`; none for an empty text.
    QList<int> matches(const UnitCatalogue &catalogue, const QString &text);

    // "Café" and "CAFE" both as "cafe": decomposed, without combining marks, case-folded.
    static QString fold(QStringView text);

private:
    struct Folded
    {
        QString text;               // each row's fields, separated and ended by U+001F
        QList<qsizetype> rowStarts; // where each row's part of `text` starts
    };
    static Folded foldTexts(const UnitTexts &ids, const UnitTexts &names,
                            const UnitTexts &factions);

    std::optional<Folded> m_folded;
    QFuture<Folded> m_folding;
    QString m_lastText;
    QList<int> m_lastMatches;
};
