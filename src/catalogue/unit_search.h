#pragma once

#include "unit_catalogue.h"

#include <QList>
#include <QString>
#include <optional>

// Finds units by any part of their ID, name or faction, ignoring case and accents. The
// catalogue's texts are folded once, on the first search after it changes; a search is then
// one scan of the folded texts.
class UnitSearch
{
public:
    // Forgets the folded texts; the next search folds `catalogue` anew.
    void reset() { m_folded.reset(); }

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
    std::optional<Folded> m_folded;
    QString m_lastText;
    QList<int> m_lastMatches;
};
