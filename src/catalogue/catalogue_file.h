// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "load_problem.h"
#include "unit_catalogue.h"

#include <QByteArrayView>

inline const QString CatalogueFileName = QStringLiteral("rfarm.txt");

struct CatalogueLoad
{
    UnitCatalogue catalogue;
    QString error; // why the file could not be read at all; the catalogue is then empty
    bool unreadable = false; // the file is there, but opening or reading it failed
    QList<LoadProblem> problems;
};

// Reads records of six fields (id, name, strength, rarity, faction, point value) in file order.
// Keeps every complete record up to UnitCatalogue::MaxUnits; an incomplete last record and any
// records past the limit are left out and reported.
CatalogueLoad parseCatalogue(QByteArrayView bytes);

// Reads and parses the catalogue file.
CatalogueLoad LoadCatalogue(const QString &path = CatalogueFileName);
