// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/input_file.h"
#include "common/output_file.h"

#include "failing_calls.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The folder's entries, hidden ones too, with their bytes.
QStringList folder(const QString &path)
{
    QStringList entries;
    for (const QFileInfo &entry : QDir(path).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(entry.filePath());
        entries.append(entry.fileName() + u'=' +
                       QString::fromLatin1(file.open(QIODevice::ReadOnly) ? file.readAll() : ""));
    }
    return entries;
}

} // namespace

// A save replaces the old file whole, or leaves it and the folder as they were, whichever call
// fails and however; an interrupted call is made again.
TEST(WholeFiles, AFailingCallLeavesTheOldFileAndNoTemporaryOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.sav"_s);
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    // clang-format off
    const std::pair<Fault, const char *> cases[] = {
        {{}, nullptr}, {{"open", EINTR, "", 0, 1}, nullptr}, {{"write", EINTR, "", 0, 1}, nullptr},
        {{"fdatasync", EINTR, "", 0, 1}, nullptr}, {{"link", EINTR, "", 0, 1}, nullptr},
        {{"rename", EINTR, "", 0, 1}, nullptr},
        {{"close", EINTR, "", 0, 1}, nullptr}, // the descriptor is gone and the data on the disk
        {{"open", EOPNOTSUPP, "", 0, 1}, nullptr}, // no unnamed files here: a hidden named one
        {{"open", EACCES}, "may not be written to (Permission denied)"},
        {{"write", ENOSPC}, "disk is full"}, {{"write", EIO}, "reported an error"},
        {{"fdatasync", EIO}, "reported an error while it was being written (Input/output error)"},
        {{"fdatasync", ENOSPC}, "disk is full"}, {{"fdatasync", EDQUOT}, "disk is full"},
        {{"close", EIO}, "reported an error"}, {{"close", ENOSPC}, "disk is full"},
        {{"link", EIO}, "reported an error"}, {{"rename", EXDEV}, "Invalid cross-device link."},
        {{"rename", EIO}, "reported an error"}};
    // clang-format on
    for (const bool unnamed : {true, false})
        for (const auto &[fault, says] : cases) {
            if (!unnamed && (fault.error == EOPNOTSUPP || qstrcmp(fault.call, "link") == 0))
                continue;
            SCOPED_TRACE(std::string(fault.call ? fault.call : "none") + " " +
                         std::to_string(fault.error) + (unnamed ? " unnamed" : " named"));
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3 &&
                        old.setPermissions(mode));
            old.close();
            // The named way is taken where the file system has no unnamed files.
            FailingCalls failing{unnamed ? Fault{} : Fault{"open", EOPNOTSUPP, "", 0, 1}, fault};
            const QString error = writeWholeFile(path, "new");
            EXPECT_EQ(failing.failed() > (unnamed ? 0 : 1), fault.call != nullptr);
            EXPECT_TRUE(says == nullptr ? error.isEmpty() : error.contains(QLatin1String(says)))
                << error.toStdString();
            EXPECT_EQ(folder(dir.path()), QStringList{says ? u"x.sav=old"_s : u"x.sav=new"_s});
            EXPECT_EQ(QFile::permissions(path), mode | QFile::ReadUser | QFile::WriteUser);
        }

    // A name that is a link is written through to its target, and stays a link.
    ASSERT_TRUE(QFile::link(path, dir.filePath(u"link.sav"_s)));
    EXPECT_EQ(writeWholeFile(dir.filePath(u"link.sav"_s), "linked"), QString());
    EXPECT_EQ(folder(dir.path()), (QStringList{u"link.sav=linked"_s, u"x.sav=linked"_s}));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"link.sav"_s)).isSymLink());
    EXPECT_EQ(writeWholeFile(dir.path(), "x"), u"It is a folder, not a file."_s);
}

// A read error is never taken for the end of the file, and an interrupted call is made again.
TEST(InputFiles, AFileIsReadWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"rfarm.txt"_s);
    const QByteArray bytes(20000, 'x');
    ASSERT_EQ(writeWholeFile(path, bytes), QString());
    // clang-format off
    const std::pair<Fault, const char *> cases[] = {
        {{}, nullptr}, {{"open", EINTR, "rfarm", 0, 1}, nullptr},
        {{"read", EINTR, "rfarm", 4096, 1}, nullptr}, {{"read", EINTR, "rfarm", 0, 3}, nullptr},
        {{"read", EIO, "rfarm", 4096}, "It could not be read: Input/output error."},
        {{"read", EIO, "rfarm", 19999}, "Input/output error"},
        {{"open", EIO, "rfarm"}, "Input/output error"},
        {{"open", EACCES, "rfarm"}, "It could not be read: Permission denied."},
        {{"read", EIO, "other"}, nullptr}};
    // clang-format on
    for (const auto &[fault, says] : cases) {
        FailingCalls failing{fault};
        const InputFile read = readInputFile(path);
        EXPECT_TRUE(says ? read.error.contains(QLatin1String(says)) : read.ok()) << fault.call;
        EXPECT_EQ(read.unreadable, says != nullptr);
        EXPECT_EQ(read.bytes, says ? QByteArray() : bytes);
    }
    EXPECT_FALSE(readInputFile(dir.filePath(u"none"_s)).unreadable);
    // A file that holds more than its size said when it was opened (as the system's own files
    // do) is read to its end, and up to the limit.
    QFile environment(u"/proc/self/environ"_s);
    ASSERT_TRUE(environment.open(QIODevice::ReadOnly));
    const QByteArray whole = environment.readAll();
    ASSERT_GT(whole.size(), 100);
    EXPECT_EQ(readInputFile(environment.fileName()).bytes, whole);
    EXPECT_TRUE(readInputFile(environment.fileName(), 10).error.contains(u"more than 10 bytes"_s));
}
