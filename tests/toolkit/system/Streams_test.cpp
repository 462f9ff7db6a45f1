// File and memory streams, their errors, and the atomic whole-file write.
#include "toolkit/system/Streams.h"

#include "TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray stReadBytes(const String& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
