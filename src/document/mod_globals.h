// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/unit_catalogue.h"
#include "tally/tally.h"

// The program-wide data every window works on: the catalogue and the two tallies, whose
// rows stay aligned with the catalogue's.
struct modGlobals
{
    UnitCatalogue catalogue;
    Tally collection;
    Tally army;
};
