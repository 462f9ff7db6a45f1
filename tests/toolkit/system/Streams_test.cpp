// File and memory streams, their errors, and the atomic whole-file write.
#include "toolkit/system/Streams.h"

#include "TestSupport.h"

#include "toolkit/system/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray stReadBytes(const String& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool stIsFifo(const String& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

QStringList stEntries(const String& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}
} // namespace

TEST(FileStream, RoundTripSeekAndReopenForWriting) {
    const String path = qvtest::TempDir() + "/data.bin";
    {
        TFileStream out(path, fmCreate);
        const uint32_t v = 0x11223344;
        out.WriteBuffer(&v, sizeof v);
        out.WriteBuffer(QByteArray("tail"));
        EXPECT_EQ(out.Size(), 8);
        EXPECT_EQ(out.Position(), 8);
    }
    {
        TFileStream in(path, fmOpenRead | fmShareDenyWrite);
        uint32_t v = 0;
        in.ReadBuffer(&v, sizeof v);
        EXPECT_EQ(v, 0x11223344u);
        EXPECT_EQ(in.ReadAll(), "tail");
        char c;
        EXPECT_EQ(in.Read(&c, 1), 0);
        EXPECT_THROW(in.ReadBuffer(&c, 1), EReadError);
        EXPECT_EQ(in.Write("x", 1), 0); // opened for reading only
        EXPECT_EQ(in.Seek(-2, soEnd), 6);
        EXPECT_EQ(in.ReadAll(), "il");
        EXPECT_EQ(in.Seek(-100, soCurrent), 0);
    }
    {
        TFileStream rw(path, fmOpenWrite);
        EXPECT_EQ(rw.Size(), 8); // opening for writing keeps the content
        rw.Seek(4, soBeginning);
        rw.WriteBuffer("TA", 2);
    }
    EXPECT_EQ(stReadBytes(path).mid(4), "TAil");
}

TEST(FileStream, OpeningAMissingFileRaisesWithItsName) {
    const String path = qvtest::TempDir() + "/missing.bin";
    try {
        TFileStream in(path, fmOpenRead);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_TRUE(e.Message().contains(path)) << e.Message().toStdString();
    }
    EXPECT_THROW(TFileStream(path, fmOpenReadWrite), EInOutError); // one handler catches every file error
    EXPECT_FALSE(QFile::exists(path));                             // and nothing was created
    EXPECT_THROW(TFileStream(qvtest::TempDir() + "/no/dir/x", fmCreate), EFCreateError);
}

TEST(MemoryStream, GrowsOnWriteAndRoundTripsThroughAFile) {
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.Seek(5, soBeginning);
    m.WriteBuffer("z", 1); // the gap is zero-filled
    EXPECT_EQ(m.Bytes(), QByteArray("abc\0\0z", 6));
    m.SetSize(2);
    EXPECT_EQ(m.Position(), 2);
    EXPECT_EQ(m.Bytes(), "ab");
    m.SetSize(4);
    EXPECT_EQ(m.Bytes(), QByteArray("ab\0\0", 4));
    m.Memory()[3] = 'd';

    const String path = qvtest::TempDir() + "/mem.bin";
    m.SaveToFile(path);
    TMemoryStream back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.Bytes(), QByteArray("ab\0d", 4));
    EXPECT_EQ(back.Position(), 0);
    back.Clear();
    EXPECT_EQ(back.Size(), 0);
    EXPECT_THROW(back.LoadFromFile(path + ".none"), EFOpenError);

    TMemoryStream copy;
    copy.CopyFrom(m, 0);
    EXPECT_EQ(copy.Bytes(), m.Bytes());
}

TEST(SaveFileAtomically, ReplacesWholeOrKeepsTheOldFile) {
    const String dir = qvtest::TempDir();
    const String path = dir + "/settings.xml";
    ASSERT_TRUE(SaveFileAtomically(path, "old"));
    ASSERT_TRUE(SaveFileAtomically(path, "new content"));
    EXPECT_EQ(stReadBytes(path), "new content");

    String error;
    EXPECT_FALSE(SaveFileAtomically(dir + "/none/x.xml", "x", &error));
    EXPECT_FALSE(error.isEmpty());

    if (geteuid() != 0) { // root may write anywhere
        ASSERT_EQ(chmod(dir.toLocal8Bit().constData(), 0555), 0);
        EXPECT_FALSE(SaveFileAtomically(path, "lost?"));
        chmod(dir.toLocal8Bit().constData(), 0755);
        EXPECT_EQ(stReadBytes(path), "new content");
    }
}

// Below 16 KiB a buffered write only fails when it is flushed: the old file must survive whatever the
// size, and the reason must be the system's.
TEST(SaveFileAtomically, AFullDiskFailsTheWholeSaveAndKeepsTheOldFile) {
    qvtest::SmallFileSystem disk;
    if (!disk.Available()) GTEST_SKIP() << disk.Why().toStdString();
    const String path = disk.Path() + "/table.xml";
    ASSERT_TRUE(SaveFileAtomically(path, "<old/>"));
    disk.Fill();
    for (const qsizetype size : {qsizetype(10), qsizetype(5000), qsizetype(40000)}) {
        String error;
        EXPECT_FALSE(SaveFileAtomically(path, QByteArray(size, 'n'), &error)) << size;
        EXPECT_EQ(error, "No space left on device") << size;
        EXPECT_EQ(stReadBytes(path), "<old/>") << size;
        EXPECT_EQ(stEntries(disk.Path()), QStringList({".filler", "table.xml"})) << "nothing left behind";
    }
}

TEST(SaveFileAtomically, WritesThroughALinkButNeverOverWhatIsNoRegularFile) {
    const String dir = qvtest::TempDir();
    const String fifo = dir + "/pipe";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    ForceDirectories(dir + "/folder");
    QFile::link(fifo, dir + "/to-pipe.xml");
    QFile::link(dir + "/folder", dir + "/to-folder.xml");
    for (const char* name : {"pipe", "folder", "to-pipe.xml", "to-folder.xml"}) {
        String error;
        EXPECT_FALSE(SaveFileAtomically(dir + "/" + name, "x", &error)) << name;
        EXPECT_TRUE(error.contains("is not a regular file")) << error.toStdString();
    }
    EXPECT_TRUE(stIsFifo(fifo));
    EXPECT_TRUE(QFileInfo(dir + "/folder").isDir());

    // A link to a file replaces the file it leads to and stays a link.
    ForceDirectories(dir + "/elsewhere");
    const String target = dir + "/elsewhere/real.xml";
    ASSERT_TRUE(SaveFileAtomically(target, "old"));
    QFile::link(target, dir + "/link.xml");
    ASSERT_TRUE(SaveFileAtomically(dir + "/link.xml", "new"));
    EXPECT_TRUE(QFileInfo(dir + "/link.xml").isSymLink());
    EXPECT_EQ(stReadBytes(target), "new");
    EXPECT_EQ(LinkTarget(dir + "/link.xml"), target);
    EXPECT_EQ(LinkTarget(target), String());
}

TEST(SaveFileAtomically, KeepsTheOldFilesPermissions) {
    const String path = qvtest::TempDir() + "/shared.xml";
    const QByteArray native = QFile::encodeName(path);
    ASSERT_TRUE(SaveFileAtomically(path, "old"));
    ASSERT_EQ(::chmod(native.constData(), 0660), 0);
    ASSERT_TRUE(SaveFileAtomically(path, "new"));
    struct stat st;
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0660u);
}

TEST(ReadWholeFile, TellsWhyAFileWasNotRead) {
    const String dir = qvtest::TempDir();
    const String fifo = dir + "/pipe";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QFile::link(fifo, dir + "/to-pipe.xml");
    ASSERT_TRUE(SaveFileAtomically(dir + "/big.xml", QByteArray(100, 'b')));
    const struct {
        const char* name;
        qint64 limit;
        TReadFault fault;
    } cases[] = {
        {"pipe", -1, TReadFault::NotRegular}, // opening it would wait for a writer
        {"to-pipe.xml", -1, TReadFault::NotRegular}, {"missing.xml", -1, TReadFault::Unreadable},
        {"big.xml", 99, TReadFault::TooLarge},       {"big.xml", 100, TReadFault::None},
    };
    for (const auto& c : cases) {
        QByteArray bytes("left over");
        String error;
        TReadFault fault = TReadFault::Unreadable;
        EXPECT_EQ(ReadWholeFile(dir + "/" + c.name, bytes, &error, c.limit, &fault),
                  c.fault == TReadFault::None)
            << c.name;
        EXPECT_EQ(fault, c.fault) << c.name;
        EXPECT_EQ(error.isEmpty(), c.fault == TReadFault::None) << c.name;
        if (c.fault != TReadFault::None) {
            EXPECT_TRUE(bytes.isEmpty()) << c.name;
        }
    }
}

TEST(SaveFileAtomically, AWriteCutShortKeepsTheOldFile) {
    // Qt's buffered save renamed the cut file over the old one: the new content must be seen whole first.
    const String path = qvtest::TempDir() + "/table.xml";
    ASSERT_TRUE(SaveFileAtomically(path, "old content"));
    {
        qvtest::FileSizeLimit limit(100);
        String error;
        EXPECT_FALSE(SaveFileAtomically(path, QByteArray(400, 'x'), &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(stReadBytes(path), "old content");
    EXPECT_TRUE(SaveFileAtomically(path, QByteArray(400, 'x')));
}
