// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLocale;

// Speaks `locale`'s language where the program has a translation for it (German, French), with
// Qt's own words for its dialogs' buttons; English otherwise, the texts as the sources have
// them with the plural forms of the English translation. Replaces what an earlier call set up.
void installTranslations(const QLocale &locale);
