// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_file.h"
#include "document/tally_document.h"
#include "document/tally_steps.h"

#include "test_support.h"

#include <functional>

namespace {

// A full-size catalogue whose every unit is worth 1 point, both tallies empty.
modGlobals fullSize()
{
    QByteArray text;
    for (int row = 0; row < UnitCatalogue::MaxUnits; ++row)
        text += "u" + QByteArray::number(row) + ",Unit,Weak,C,F,1\n";
    modGlobals globals;
    globals.catalogue = parseCatalogue(text).catalogue;
    globals.collection.resize(UnitCatalogue::MaxUnits);
    globals.army.resize(UnitCatalogue::MaxUnits);
    return globals;
}

// Both tallies' count texts, then their figure and point totals.
QStringList state(const TallyDocument &document)
{
    const Tally &c = document.tally(WhichTally::Collection), &a = document.tally(WhichTally::Army);
    return c.counts + a.counts +
           QStringList{u"%1 %2 %3 %4"_s.arg(c.totals.number)
                           .arg(c.totals.value)
                           .arg(a.totals.number)
                           .arg(a.totals.value)};
}

} // namespace

// At full size: loads undone and redone give back every byte, a load step keeps only what it
// changed, packed small, and the history keeps its last hundred steps.
TEST(TallyDocument, FullSizeStepsUndoAndRedoExactlyAndStaySmall)
{
    TallyDocument document;
    document.replaceCatalogue(fullSize());
    QList<int> announced; // rows, -1 for all
    QObject::connect(&document, &TallyDocument::tallyChanged,
                     [&](WhichTally, int row) { announced.append(row); });
    const QStringList empty = state(document);

    // A loaded file pads every row to a record; a few rows hold counts.
    Tally loaded{QStringList(UnitCatalogue::MaxUnits, u"0"_s.leftJustified(30)), {3, 3, 0}};
    for (const int row : {0, 17, 32766})
        loaded.counts[row] = u"1"_s.leftJustified(30);
    qsizetype stored = 0;
    for (int load = 0; load < 10; ++load) {
        document.replaceTally(load % 2 ? WhichTally::Army : WhichTally::Collection, loaded,
                              u"Load"_s);
        stored +=
            static_cast<const TallyStep *>(document.undoStack()->command(load))->storedBytes();
    }
    EXPECT_LT(stored, 10 * 64 * 1024); // ten full-size loads in well under a megabyte
    const QStringList bothLoaded = state(document);
    EXPECT_EQ(bothLoaded, loaded.counts + loaded.counts + QStringList{u"3 3 3 3"_s});

    for (int step = 0; step < 10; ++step)
        document.undoStack()->undo();
    EXPECT_EQ(state(document), empty);
    document.undoStack()->redo();
    EXPECT_EQ(state(document), loaded.counts +
                                   empty.mid(UnitCatalogue::MaxUnits, UnitCatalogue::MaxUnits) +
                                   QStringList{u"3 3 0 0"_s});
    for (int step = 1; step < 10; ++step)
        document.undoStack()->redo();
    EXPECT_EQ(state(document), bothLoaded);
    EXPECT_EQ(announced, QList<int>(30, -1));

    // A count is a step of its own row; one that changes nothing is no step.
    announced.clear();
    EXPECT_TRUE(document.countFigure(WhichTally::Army, 17, Step::Add).changed);
    EXPECT_FALSE(document.countFigure(WhichTally::Army, 5, Step::Remove).changed);
    EXPECT_EQ(document.tally(WhichTally::Army).counts[17], u"2"_s);
    document.undoStack()->undo();
    EXPECT_EQ(state(document), bothLoaded);
    EXPECT_EQ(announced, QList<int>({17, 17}));

    // The oldest steps give way to the newest hundred.
    for (int step = 0; step < 150; ++step)
        document.countFigure(WhichTally::Collection, 1, Step::Add);
    EXPECT_EQ(document.undoStack()->count(), TallyDocument::UndoLimit);
    while (document.undoStack()->canUndo())
        document.undoStack()->undo();
    EXPECT_EQ(document.tally(WhichTally::Collection).counts[1], u"50"_s);
}

// Each tally is saved when its counts are those of the file its name names, as this session
// saved or loaded it, or of the untouched start for a name with no such file: however it got
// there (undoing back, counting in and out, a padded record). It says how many units differ. A
// load's name goes and comes back with its step; a restore puts both back as one step.
TEST(TallyDocument, TalliesAreSavedWhenTheyHoldWhatTheirFileHoldsAndLoadsBringTheirNames)
{
    TallyDocument document;
    document.replaceCatalogue(fullSize());
    QUndoStack &undo = *document.undoStack();
    const auto saved = [&] {
        return QString::number(document.unsavedUnits(WhichTally::Collection)) +
               QString::number(document.unsavedUnits(WhichTally::Army)) + u' ' +
               document.name(WhichTally::Collection) + u'/' + document.name(WhichTally::Army);
    };
    EXPECT_EQ(saved(), u"00 /"_s);
    // What the signal told, which must follow every change of the saved state.
    std::array<bool, 2> heard{true, true};
    QObject::connect(&document, &TallyDocument::savedChanged,
                     [&](WhichTally which, bool now) { heard[which == WhichTally::Army] = now; });
    document.setName(WhichTally::Army, u"Typed"_s);
    Tally loaded{QStringList(UnitCatalogue::MaxUnits, u"0"_s), {2, 2, 0}}, padded = loaded;
    loaded.counts[3] = u"2"_s;
    padded.counts[2] = u"1"_s.leftJustified(30);
    const auto count = [&](WhichTally which, Step step = Step::Add) {
        document.countFigure(which, 2, step);
    };
    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { count(WhichTally::Collection); }, u"10 /Typed"_s},
        {[&] { document.markSaved(WhichTally::Collection); }, u"00 /Typed"_s},
        {[&] { count(WhichTally::Army), count(WhichTally::Army); }, u"01 /Typed"_s},
        {[&] { undo.undo(), undo.undo(); }, u"00 /Typed"_s},
        {[&] { undo.redo(); }, u"01 /Typed"_s},
        {[&] {
             document.replaceTally(WhichTally::Army, loaded, u"Load Army"_s, u"Raid"_s);
             document.markSaved(WhichTally::Army);
         },
         u"00 /Raid"_s},
        {[&] { undo.undo(); }, u"01 /Typed"_s},
        {[&] { undo.redo(); }, u"00 /Raid"_s},
        {[&] { document.replaceTally(WhichTally::Collection, loaded, u"Add Army"_s); },
         u"20 /Raid"_s},
        {[&] {
             document.restoreTallies({loaded, document.data().army}, {u"Eve"_s, u"Kept"_s}, {});
         },
         u"11 Eve/Kept"_s},
        {[&] { undo.undo(); }, u"20 /Raid"_s},
        // Back to the collection's file, and to an army that holds nothing.
        {[&] { undo.undo(), undo.undo(), undo.undo(); }, u"00 /Typed"_s},
        {[&] { undo.undo(); }, u"10 /Typed"_s},
        {[&] { undo.redo(), count(WhichTally::Army); }, u"01 /Typed"_s},
        {[&] { undo.undo(); }, u"00 /Typed"_s},
        // The other tally's name names the file the army was saved in.
        {[&] { document.markSaved(WhichTally::Army); }, u"00 /Typed"_s},
        {[&] { document.setName(WhichTally::Collection, u"Typed"_s); }, u"10 Typed/Typed"_s},
        // A padded record is the record of its count.
        {[&] {
             document.replaceTally(WhichTally::Army, padded, u"Load Army"_s, u"Pad"_s);
             document.markSaved(WhichTally::Army);
             count(WhichTally::Army);
         },
         u"11 Typed/Pad"_s},
        {[&] { count(WhichTally::Army, Step::Remove); }, u"10 Typed/Pad"_s}};
    for (const auto &[step, expected] : steps) {
        step();
        EXPECT_EQ(saved(), expected);
        EXPECT_EQ(heard, (std::array{document.isSaved(WhichTally::Collection),
                                     document.isSaved(WhichTally::Army)}));
    }
    EXPECT_TRUE(document.hasFile(WhichTally::Army));
    EXPECT_EQ(undo.undoText(), u"one Unit taken from the army"_s);
}
