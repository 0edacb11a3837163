// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_catalogue.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

// The units the lists show as a CSV file that a spreadsheet opens as it is: a header row, then
// one row per unit in the order given with its ID, name, strength, rarity, faction, point value,
// price and its counts in the collection and the army, and, where the lists show what is
// lacking or spare, that figure too. Texts are quoted; numbers are plain decimals with a point,
// whatever the regional format (empty where the catalogue or guide gives none). UTF-8 with a
// byte-order mark, so that spreadsheets read accents, and CR LF after every row.
struct CsvFigure
{
    QString heading;      // "Lacking" or "Spare"
    QList<double> values; // one for each row written
};
QByteArray unitsCsv(const QList<int> &rows, const UnitCatalogue &catalogue,
                    const QStringList &collection, const QStringList &army,
                    const std::optional<CsvFigure> &figure = std::nullopt);

// The header names the CSV file's columns by, which the import reads back.
namespace CsvColumns {
inline constexpr char16_t Id[] = u"ID";
inline constexpr char16_t Name[] = u"Name";
inline constexpr char16_t Strength[] = u"Strength";
inline constexpr char16_t Collection[] = u"Collection";
inline constexpr char16_t Army[] = u"Army";
inline constexpr char16_t Count[] = u"Count";
} // namespace CsvColumns
