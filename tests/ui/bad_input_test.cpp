// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include "tally_files/tally_file.h"

#include "catalogue/catalogue_file.h"
#include "common/input_file.h"
#include "document/session_keeper.h"
#include "failing_calls.h"

#include <QStringEncoder>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QByteArray Units = "1,Grub,Weak,C,Mire,10\r\n2,Hob,Standard,C,Mire,25\r\n"
                         "3,Nell,Tough,C,Mire,16000\r\n";
const QByteArray Folder = "<folder>";
const QByteArray Missing = "<missing>";
const QByteArray Fifo = "<fifo>", DevZero = "<link to /dev/zero>", Huge = "<64 MB and a byte>";
const QByteArray LinkToCatalogue = "<link to rfarm.txt>",
                 LinkToGuide = "<link to current-runeforge.txt>";

// Whatever a case puts in place, the program says what it could not use (or says nothing when
// all of it was usable), runs on with its columns together, and keeps every file it did not
// save byte for byte. Cases whose input could not be used also leave the rows and totals alone.
class BadInput : public GuiTest
{
protected:
    // Starts afresh on three units in an empty folder: two Nell in the collection (32000 of
    // the 32767 points a total holds), one Hob in the army, files that saving must not harm.
    void startCounted()
    {
        QDir folder(m_dir.path());
        ASSERT_TRUE(folder.removeRecursively() && folder.mkpath(u"sub"_s) &&
                    folder.mkpath(u"blocked.sav"_s) && QDir::setCurrent(m_dir.path()));
        writeFile(u"rfarm.txt"_s, Units);
        writeFile(u"current-runeforge.txt"_s, "\"Grub (W)\",2\r\n");
        for (const QString &name : {u"old.sav"_s, u"old.txt"_s, u"old.htm"_s})
            writeFile(name, "old");
        start(true);
        for (const auto &[option, row] :
             {std::pair{"optCollection", 2}, {"optCollection", 2}, {"optArmy", 1}}) {
            find<QRadioButton>(main.get(), option)->setChecked(true);
            doubleClickRow(list("lstUnits"), row);
        }
        main->selectRow(1);
        messages.clear();
    }

    // The units and both tallies as the window shows them.
    QString state() const
    {
        return (column("lstUnitId") + column("lstPointValue")).join(u' ') + u" / "_s +
               shown("Army") + u" / "_s + shown("Collection");
    }

    // Every file and folder here, with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const QFileInfo &entry :
             QDir(m_dir.path())
                 .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            all.insert(entry.fileName(), entry.isDir()     ? Folder
                                         : !entry.isFile() ? Fifo // reading it would wait
                                         : entry.size() > (1 << 20)
                                             ? QByteArray::number(entry.size())
                                             : fileBytes(entry.fileName()));
        return all;
    }

    void run(const QString &command)
    {
        if (command == u"start")
            start();
        else if (command == u"reload")
            picker->Form_Load();
        else if (command == u"load")
            main->LoadArmy();
        else
            trigger(command.toLatin1().constData());
    }
};

QByteArray records(const char *first, const char *second, const char *third)
{
    return TallyFile::encode(texts({first, second, third}));
}

QByteArray header(qint16 rows)
{
    return QByteArray(1, char(rows & 0xff)) + QByteArray(1, char((rows >> 8) & 0xff));
}

} // namespace

TEST_F(BadInput, EachCaseSaysWhatWentWrongAndLosesNothing)
{
    const QByteArray garbage = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) +
                               QByteArray(300, '\xff') + QByteArray(300, '\0');
    QByteArray tooMany = numberedCatalogue(UnitCatalogue::MaxUnits);
    const QByteArray field(1 << 20, 'w');
    const QString longName(100000, u'n');
    const QByteArray beyond = TallyFile::encode(texts({"1", "0", "0", "0", "5", "2"}));
    const QByteArray longGuide = QByteArray("\"Grub (W)\",2\r\n").repeated(400);
    const QByteArray copy = encodeRecovery({});
    // A copy of this folder and catalogue, sealed right, whose collection holds `counts`.
    const auto crafted = [](const QStringList &counts) {
        RecoveryCopy kept{SessionKeeper::workingFolder(),
                          catalogueIdentity(parseCatalogue(Units).catalogue),
                          {},
                          false,
                          {}};
        kept.tallies[0] = {u"c"_s, {counts, {3, 30, 1e30f}}, true};
        kept.tallies[1].tally.counts = texts({"0", "0", "0"});
        return encodeRecovery(kept);
    };
    struct Case
    {
        const char *command;   // "start", "reload", "load" (the army) or a menu item
        const char *file;      // what the case puts in place, if anything
        QByteArray bytes;      // its bytes, or Folder, or Missing
        QString says;          // parts of the one message, split by "|"; empty: no message
        int units = 0;         // the units after the case; 0: all as they were
        QString name = u"x"_s; // the army's name box, or the collection's for its commands
        Fault fault{};         // how the system calls fail meanwhile
        rlim_t fileSizeLimit = RLIM_INFINITY; // a full disk, as the program meets one
        const char *written = nullptr;        // the file the case writes, when it succeeds
    };
    // clang-format off
    const Case cases[] = {
        {"start", "rfarm.txt", Missing, u"\"rfarm.txt\": The file does not exist."_s, -1},
        {"reload", "rfarm.txt", Missing, u"\"rfarm.txt\": The file does not exist.|are kept"_s},
        {"reload", "rfarm.txt", Folder, u"It is a folder, not a file.|are kept"_s},
        {"start", "rfarm.txt", Fifo, u"\"rfarm.txt\": It is not a plain file (it is a pipe"_s, -1},
        {"reload", "rfarm.txt", Fifo, u"not a plain file|are kept"_s},
        {"reload", "rfarm.txt", DevZero, u"not a plain file|are kept"_s},
        {"reload", "rfarm.txt", Huge, u"too large (67108865 bytes; at most 67108864|are kept"_s},
        {"reload", "current-runeforge.txt", Fifo, u"not a plain file|shown without prices"_s},
        {"load", "x.sav", Fifo, u"not a plain file"_s},
        {"reload", "rfarm.txt", "", u"\"rfarm.txt\" holds no units.|are kept"_s},
        {"reload", "rfarm.txt", garbage, u"\"rfarm.txt\", line 1: the file ends inside|kept"_s},
        // LF ends, a byte above 0x7F and no line end after the last record; lone CR ends with
        // blank lines between the records.
        {"reload", "rfarm.txt", QByteArray(Units).replace("\r\n", "\n").replace("Hob", "H\xf6" "b")
         .chopped(1), {}},
        {"reload", "rfarm.txt", QByteArray(Units).replace("\r\n", "\r\r \t\r"), {}},
        {"reload", "rfarm.txt", "\xEF\xBB\xBF" + Units, {}}, // as a modern editor saves it
        {"reload", "rfarm.txt", "1,A,Weak,C,F,5\n\n3\nNell,Unique\n", u"line 3: the file ends inside a "
         "record (3 of its 6 fields); the rest of the file was ignored."_s, 1},
        {"reload", "rfarm.txt", Units + "4," + field + ",Weak,C,Mire,1\r\n", {}, 4},
        {"reload", "rfarm.txt", "1,\"Grub,Weak,C,M,1\r\n2,Hob,Weak,C,M,1\r\n3,\"Nell\",Weak,C,M,"
         "1\r\n4,Gull,Weak,C,M,1\r\n", u"line 1: a quoted field starts here and runs on to line 3"_s, 2},
        // Counts follow their units; those the new catalogue lacks are kept and said.
        {"reload", "rfarm.txt", tooMany, u"The new catalogue has no unit for 1 unit counted in "
         "the collection: 3 Nell (Tough): 2.|in the army: 2 Hob (Standard): 1."_s, UnitCatalogue::MaxUnits},
        {"reload", "rfarm.txt", tooMany + "u32767,Unit,Weak,C,F,1\r\n", u"line 32768: the file "
         "holds more than 32767 units; only the first 32767 were loaded."_s, UnitCatalogue::MaxUnits},
        {"reload", "rfarm.txt", QByteArray(Units).replace("16000", "17000"), u"collection's total "
         "point value would be out of its range, so the catalogue was not reloaded."_s},
        {"reload", "rfarm.txt", QByteArray(Units).replace(",10\r", ",-5\r").replace(",25\r", ",NaN\r"),
         u"line 1: the point value \"-5\" of \"Grub\" is negative; the totals count it as it "
         "reads.|line 2: the point value \"NaN\" of \"Hob\" is not a number"_s, 3},
        {"reload", "current-runeforge.txt", "\"Grub (W)\",inf\n\"Nell (T)\",-2\n\"Hob (S)\",1e39\n",
         u"line 1: the price \"inf\" of \"Grub (W)\" is infinite|line 2: the price \"-2\" of \"Nell "
         "(T)\" is negative|line 3: the price \"1e39\" of \"Hob (S)\" is too large for the totals"_s},
        {"reload", "current-runeforge.txt", Missing, u"does not exist.|shown without prices."_s},
        {"reload", "current-runeforge.txt", Folder, u"It is a folder, not a file."_s},
        // Garbage pairs up into entries that name no unit, as an empty guide names none.
        {"reload", "current-runeforge.txt", "", {}}, {"reload", "current-runeforge.txt", garbage, {}},
        {"reload", "current-runeforge.txt", "\"Grub (W)\",2\r\n\"" + field,
         u"line 2: the entry \"www|w\u2026w|w\" has no price|a quoted field has no closing quote"_s},
        {"reload", "current-runeforge.txt", "\"" + field + "\",-1\n",
         u"the price \"-1\" of \"www|w\u2026w|w\" is negative"_s},
        {"load", nullptr, {}, u"from \"a/b.sav\": The name holds a folder part"_s, 0, u"a/b"_s},
        {"load", nullptr, {}, u"Could not load the army from \"x.sav\": The file does not exist."_s},
        {"load", "x.sav", "", u"It is not a tally file Rostermere wrote, or is damaged; it holds 0 bytes."_s},
        {"load", "x.sav", records("0", "abc", "0"), u"row 2 holds text that is not a count"_s},
        {"mnuAddArmyCollection", "x.sav", records("x9", "0", "0"), u"row 1 holds text that"_s},
        {"load", "x.sav", header(2) + QByteArray(60, 'q'), u"row 1 holds text that is not"_s},
        {"load", "x.sav", records("1.5", "2.25E+07", "0"), u"army's number of figures"_s},
        {"load", "x.sav", records("0", "1", "0") + "tail", {}},
        {"load", "x.sav", "\x03", u"or is damaged; it holds 1 byte."_s},
        {"load", "x.sav", records("1", "2", "3").chopped(1), u"or is damaged; it holds 91 bytes, and the 3 rows it names need 92."_s},
        {"load", "x.sav", header(32767) + records("1", "2", "3"), u"it holds 94 bytes, and the 32767 rows it names need 983012."_s},
        {"load", "x.sav", header(-3) + records("1", "2", "3").mid(2), u"number of rows is negative"_s},
        {"load", "x.sav", records("2", "-5", "0"), u"row 2 holds a negative count"_s},
        {"load", "x.sav", header(2) + garbage.left(60), u"row 1 holds bytes that no tally file"_s},
        {"load", "x.sav", records("40000", "0", "0"), u"army's number of figures out of its range"_s},
        {"load", nullptr, {}, u"It is a folder"_s, 0, u"blocked"_s},
        {"mnuAddArmyCollection", "x.sav", records("0", "0", "1"), u"total point value out of"_s},
        {"mnuAddArmyCollection", "x.sav", header(-1), u"number of rows is negative"_s},
        {"mnuSaveArmy", nullptr, {}, u"It is a folder"_s, 0, u"blocked"_s},
        {"mnuSaveArmy", "x.sav", TallyFile::encode(texts({"1", "0", "0", "0", "5", "2"})),
         u"\"x.sav\" holds counts for 2 row(s) with 7 figure(s) that this catalogue of 3 units|"
         "Saving the army replaces the file and drops those counts."_s},
        {"load", "x.sav", TallyFile::encode(texts({"1", "0", "0", "4"})), u"1 row(s) with 4 "
         "figure(s) that this catalogue of 3 units has no units for, so they were not loaded."_s, 3},
        {"mnuAddArmyCollection", "x.sav", TallyFile::encode(texts({"0", "0", "0", "4"})),
         u"so they were not added."_s, 3},
        {"mnuSaveArmy", nullptr, {}, u"disk is full"_s, 0, u"old"_s, {}, 50},
        {"mnuSaveCollection", nullptr, {}, u"disk is full"_s, 0, u"old"_s, {}, 50},
        {"mnuSaveArmy", nullptr, {}, u"folder part"_s, 0, u"no/such/folder"_s},
        {"mnuSaveArmy", nullptr, {}, u"folder part"_s, 0, u"a\\b"_s}, // a folder part elsewhere
        {"mnuSaveArmy", nullptr, {}, u"too long|n\u2026n"_s, 0, longName},
        {"mnuPrintCollectionToFile", nullptr, {}, u"disk is full"_s, 0, u"old"_s, {}, 50},
        {"mnuPrintCollectionHtml", nullptr, {}, u"disk is full"_s, 0, u"old"_s, {}, 50},
        {"mnuPrintCollectionToFile", nullptr, {}, u"folder part"_s, 0, u"a/b"_s},
        {"mnuPrintArmyToTextFile", nullptr, {}, u"folder part"_s, 0, u"a/b"_s},
        {"mnuPrintArmyToTextFile", nullptr, {}, u"It is the catalogue \"rfarm.txt\""_s, 0, u"rfarm"_s},
        // The program's own input files are never written over, whatever name reaches them.
        {"mnuPrintCollectionToFile", nullptr, {}, u"Could not write the report \"rfarm.txt\": It is the "
         "catalogue \"rfarm.txt\" that the units are read from, so nothing was written."_s, 0, u"rfarm"_s},
        {"mnuPrintCollectionToFile", nullptr, {}, u"It is the price guide \"current-runeforge.txt\""_s, 0,
         u"current-runeforge"_s},
        {"mnuSaveArmy", "x.sav", LinkToCatalogue, u"It is the catalogue"_s},
        // A link to itself is left as it is, and the save ends.
        {"mnuSaveArmy", "loop.sav", "<link to loop.sav>", u"Could not save the army to \"loop.sav\": "
         "It is a link that leads round in a circle"_s, 0, u"loop"_s},
        {"mnuPrintCollectionHtml", nullptr, {}, u"U+007F (DEL)"_s, 0, u"x\x7f"_s},
        {"mnuPrintCollectionHtml", "x.htm", LinkToGuide, u"It is the price guide"_s},
        // A file that can't be read is not replaced unasked; an interrupted open asks as usual.
        {"mnuSaveArmy", "x.sav", beyond, u"could not be checked before it is replaced, so nothing "
         "was written. It could not be read: Permission denied."_s, 0, u"x"_s, {"open", EACCES, "x.sav"}},
        {"mnuSaveArmy", "x.sav", beyond, u"Saving the army replaces"_s, 0, u"x"_s, {"open", EINTR, "x.sav", 0, 1}},
        // Disk errors at the end of a write fail it.
        {"mnuSaveArmy", nullptr, {}, u"Could not save the army to \"old.sav\": The disk reported an error "
         "while it was being written (Input/output error)."_s, 0, u"old"_s, {"fdatasync", EIO}},
        {"mnuPrintCollectionToFile", nullptr, {}, u"reported an error"_s, 0, u"old"_s, {"close", EIO}},
        // A read error is never the end of the file.
        {"start", "rfarm.txt", numberedCatalogue(3000), u"\"rfarm.txt\": It could not be read: "
         "Input/output error."_s, -1, u"x"_s, {"read", EIO, "rfarm.txt", 4096}},
        {"reload", "rfarm.txt", numberedCatalogue(3000), u"It could not be read: Input/output error.|Nothing "
         "was reloaded: the units, prices and counts already shown are kept."_s, 0, u"x"_s,
         {"read", EIO, "rfarm.txt", 4096}},
        {"reload", "current-runeforge.txt", longGuide, u"\"current-runeforge.txt\": It could not be read|"
         "Nothing was reloaded"_s, 0, u"x"_s, {"read", EIO, "current-runeforge", 4096}},
        {"start", "current-runeforge.txt", longGuide, u"could not be read|shown without prices"_s, 3, u"x"_s,
         {"read", EIO, "current-runeforge", 4096}},
        {"load", "x.sav", records("1", "0", "0"), u"Could not load the army from \"x.sav\": It could not be "
         "read: Input/output error."_s, 0, u"x"_s, {"read", EIO, "x.sav", 32}},
        // Interrupted calls are made again.
        {"start", nullptr, {}, {}, 3, u"x"_s, {"open", EINTR, "rfarm.txt", 0, 1}},
        {"mnuSaveArmy", nullptr, {}, {}, 0, u"new"_s, {"rename", EINTR, "", 0, 1}, RLIM_INFINITY, "new.sav"},
        // Files of both encodings, and UTF-16, are read and said.
        {"reload", "rfarm.txt", QByteArray(Units).replace("Hob", "H\xc3\xb6" "b") + "4,Caf\xe9,Weak,C,Mire,1\r\n",
         u"\"rfarm.txt\", line 4: the byte 0xe9 is not UTF-8"_s, 4},
        {"reload", "current-runeforge.txt", "\xFF\xFE" + QStringEncoder(QStringEncoder::Utf16LE)
         .encode(u"\"Grub (W)\",2\r\n"_s), {}},
        // Names with control characters name no file.
        {"mnuSaveArmy", nullptr, {}, u"\"ab\u2400cd.sav\": The name holds the control character U+0000 "
         "(NUL)"_s, 0, u"ab\0cd"_s},
        {"mnuAddArmyCollection", "one.sav", records("1", "0", "0"), u"U+0000 (NUL)"_s, 0, u"one.sav\0junk"_s},
        {"mnuPrintCollectionHtml", nullptr, {}, u"U+001B (ESC)"_s, 0, u"x\x1b"_s},
        // A recovery copy that can't be used is said and moved aside, and the start goes on.
        {"start", "<copy>", "", u"could not be read back, so nothing was restored. The copy is "
         "empty. The copy was moved aside to"_s, 3},
        {"start", "<copy>", "PK\3\4", u"It is not a recovery copy of this program."_s, 3},
        {"start", "<copy>", copy.chopped(1), u"damaged: it was cut short or changed"_s, 3},
        {"start", "<copy>", QByteArray(copy).replace(25, 1, "\7"), u"newer version"_s, 3},
        {"start", "<copy>", encodeRecovery(RecoveryCopy{"/elsewhere", {}, {}, false, {}}),
         u"kept for another folder (\"/elsewhere\")"_s, 3},
        // Sealed right, but holding what no session writes.
        {"start", "<copy>", crafted(texts({"1", "0", "0", "0", "2"})), u"It holds counts for 5 "
         "rows, and the catalogue has 3 units."_s, 3},
        {"start", "<copy>", crafted(texts({"abc", "0", "0"})), u"what it holds does not fit together"_s, 3},
        {"start", "<copy>", crafted(texts({"0", "0", "3"})), u"Its counts would take the collection's "
         "total point value out of its range."_s, 3}};
    // clang-format on
    for (const Case &c : cases) {
        const QString command = QLatin1String(c.command);
        const QString copyPath = SessionKeeper::copiesFolder() + u"/1-1.copy"_s;
        SCOPED_TRACE(
            (command + u' ' + QLatin1String(c.file) + u' ' + c.says.left(50)).toStdString());
        startCounted();
        const QString before = state();
        if (c.bytes == Missing)
            QFile::remove(QLatin1String(c.file));
        else if (c.bytes == Folder)
            ASSERT_TRUE(QFile::remove(QLatin1String(c.file)) &&
                        QDir().mkdir(QLatin1String(c.file)));
        else if (c.bytes == Fifo || c.bytes.startsWith("<link to "))
            ASSERT_TRUE((QFile::remove(QLatin1String(c.file)) || true) &&
                        (c.bytes == Fifo
                             ? mkfifo(c.file, 0600) == 0
                             : QFile::link(QString::fromLatin1(c.bytes.mid(9).chopped(1)),
                                           QLatin1String(c.file))));
        else if (c.bytes == Huge)
            ASSERT_TRUE(QFile(QLatin1String(c.file)).resize(MaxInputFileBytes + 1));
        else if (qstrcmp(c.file, "<copy>") == 0) {
            // Only the bad copy is left to offer: what this window counted is taken as saved,
            // in files of their own.
            find<QLineEdit>(main.get(), "txtCollectionName")->setText(u"c"_s);
            find<QLineEdit>(main.get(), "txtArmyName")->setText(c.name);
            for (const WhichTally which : {WhichTally::Collection, WhichTally::Army})
                main->document().markSaved(which);
            QFile file(copyPath);
            ASSERT_TRUE(QDir().mkpath(SessionKeeper::copiesFolder()) &&
                        file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size());
        } else if (c.file != nullptr)
            writeFile(QLatin1String(c.file), c.bytes);
        keepCopies = qstrcmp(c.file, "<copy>") == 0;
        find<QLineEdit>(main.get(), command.contains(u"Collection") && !command.contains(u"Add")
                                        ? "txtCollectionName"
                                        : "txtArmyName")
            ->setText(c.name);
        const QMap<QString, QByteArray> filesBefore = files();

        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit unlimited = limit;
        limit.rlim_cur = c.fileSizeLimit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        {
            FailingCalls failing{c.fault};
            run(command);
            EXPECT_TRUE(c.fault.call == nullptr || failing.failed() > 0) << "the fault was not met";
        }
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);

        ASSERT_EQ(messages.size(), c.says.isEmpty() ? 0 : 1) << messages.back().text.toStdString();
        for (const QString &part : c.says.split(u'|', Qt::SkipEmptyParts))
            EXPECT_TRUE(messages.front().text.contains(part))
                << part.toStdString() << " in " << messages.front().text.left(400).toStdString();
        EXPECT_TRUE(main->isVisible());
        // A file command leaves the selection where it was, and a refused one claims nothing
        // (one that left out counts past the catalogue's end did the rest).
        const bool fileCommand = command != u"start" && command != u"reload";
        EXPECT_TRUE(!fileCommand || main->selectedRow() == 1);
        const QString line = main->statusLine();
        EXPECT_TRUE(!fileCommand || c.says.isEmpty() || c.says.contains(u"so they were not"_s) ||
                    !(line.startsWith(u"Saved"_s) || line.startsWith(u"Loaded"_s) ||
                      line.startsWith(u"Wrote"_s) || line.startsWith(u"Added"_s)))
            << line.toStdString();
        expectAligned(main->selectedRow());
        if (c.units == 0)
            EXPECT_EQ(state().remove(u'_'), before);
        else
            EXPECT_EQ(list("lstArmy")->model()->rowCount(), std::max(c.units, 0));
        EXPECT_TRUE(!keepCopies || QFile::exists(copyPath + u".bad"_s));
        keepCopies = false;
        QMap<QString, QByteArray> filesAfter = files();
        EXPECT_TRUE(c.written == nullptr || filesAfter.remove(QLatin1String(c.written)) == 1);
        // A saved tally has its record of units beside it.
        EXPECT_EQ(c.written != nullptr && QByteArray(c.written).endsWith(".sav"),
                  c.written != nullptr &&
                      filesAfter.remove(QLatin1String(c.written) + u".units"_s) == 1);
        EXPECT_EQ(filesAfter, filesBefore);
    }
}
