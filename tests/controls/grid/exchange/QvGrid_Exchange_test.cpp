// The string grid's text, HTML and XML files: its settings and hooks reach the formats, files are read and
// written whole, and outside readers (Python's csv module, an XML checker) take what it writes.
#include "controls/grid/QvGrid.h"

#include "TestSupport.h"
#include "controls/grid/QvUtil.h"
#include "toolkit/graphics/Jpeg.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>

namespace qvgrid_exchange_test {

QByteArray ReadBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Bytes);
}

// A grid of Cols x Rows whose cells hold the texts row by row.
void Fill(TQvStringGrid& G, const std::vector<QStringList>& Rows) {
    G.SetRowCount(static_cast<int>(Rows.size()));
    G.SetColCount(static_cast<int>(Rows.front().size()));
    for (int r = 0; r < G.RowCount(); ++r)
        for (int c = 0; c < G.ColCount(); ++c)
            G.SetCells(c, r, Rows[size_t(r)][c]);
}

std::vector<QStringList> Cells(TQvStringGrid& G) {
    std::vector<QStringList> out;
    for (int r = 0; r < G.RowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < G.ColCount(); ++c)
            row << G.Cells(c, r);
        out.push_back(row);
    }
    return out;
}

const std::vector<QStringList> kCells{
    {"Name", "Text"}, {"a", "b\"c"}, {"x,y", "p\r\nq"}, {"é ü", ""}, {" lead", "日本語"}};

TEST(QvGridExchange, CsvFilesComeBackThroughTheGridsHooksAndPythonReadsThemEqual) {
    TQvStringGrid g(nullptr);
    Fill(g, kCells);
    g.OnSaveCell = [](TObject*, int, int, String& v) { v.replace("secret", "***"); };
    g.SetCells(1, 3, "secret");
    const QString path = qvtest::TempDir() + "/grid.csv";
    g.SaveToCSV(path);
    EXPECT_TRUE(ReadBytes(path).startsWith("\xEF\xBB\xBF"));

    TQvStringGrid back(nullptr);
    back.SetColCount(2);
    back.OnLoadCell = [](TObject*, int, int, String& v) { v = v.toUpper(); };
    back.LoadFromCSV(path);
    std::vector<QStringList> expected = kCells;
    expected[3][1] = "***";
    for (QStringList& row : expected)
        for (QString& cell : row)
            cell = cell.toUpper();
    EXPECT_EQ(Cells(back), expected);

    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) GTEST_SKIP() << "no python3 on this machine";
    // The reader of Python's standard library gives each field; a VT stands for a line break inside
    // quotes, so it is given back as such.
    QProcess read;
    read.start(python, {"-c",
                        "import csv,json,sys\n"
                        "rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline='')))\n"
                        "print(json.dumps(rows))",
                        path});
    ASSERT_TRUE(read.waitForFinished(20000));
    ASSERT_EQ(read.exitCode(), 0) << read.readAllStandardError().toStdString();
    const QString json = QString::fromUtf8(read.readAllStandardOutput()).trimmed();
    EXPECT_EQ(json, R"([["Name", "Text"], ["a", "b\"c"], ["x,y", "p\u000bq"], ["\u00e9 \u00fc", "***"], )"
                    R"([" lead", "\u65e5\u672c\u8a9e"]])");
}

TEST(QvGridExchange, CsvFilesThatAreEmptyMissingOrUnwritable) {
    TQvStringGrid g(nullptr);
    Fill(g, kCells);
    const QString dir = qvtest::TempDir();
    WriteBytes(dir + "/empty.csv", QByteArray());
    g.LoadFromCSV(dir + "/empty.csv");
    EXPECT_EQ(Cells(g), kCells) << "a file of no bytes changes nothing";
    EXPECT_THROW(g.LoadFromCSV(dir + "/missing.csv"), EFOpenError);
    EXPECT_THROW(g.AppendToCSV(dir + "/missing.csv"), EFOpenError);
    EXPECT_FALSE(QFile::exists(dir + "/missing.csv"));
    EXPECT_THROW(g.SaveToCSV(dir + "/empty.csv/below.csv"), EQvGridError);

    WriteBytes(dir + "/before.csv", "first line\nsecond");
    g.AppendToCSV(dir + "/before.csv");
    const String text = DecodeTextDetect(ReadBytes(dir + "/before.csv"));
    EXPECT_TRUE(text.startsWith("first line\r\nsecond\r\nName,Text\r\n")) << text.toStdString();
}

TEST(QvGridExchange, InsertingKeepsTheFooterRowLast) {
    TQvStringGrid g(nullptr);
    Fill(g, {{"h1", "h2"}, {"a", "b"}, {"sum", "total"}});
    g.FloatingFooter()->SetVisible(true);
    ASSERT_EQ(g.FixedFooters(), 1);
    const QString path = qvtest::TempDir() + "/insert.csv";
    WriteBytes(path, "c,d\r\ne,f\r\n");
    g.InsertFromCSV(path);
    EXPECT_EQ(Cells(g),
              (std::vector<QStringList>{{"h1", "h2"}, {"a", "b"}, {"c", "d"}, {"e", "f"}, {"sum", "total"}}));
}

TEST(QvGridExchange, FixedWidthAndAlignedTextFiles) {
    TQvStringGrid g(nullptr);
    Fill(g, {{"id", "name"}, {"7", "long name"}});
    g.SetAlignments(0, 1, taRightJustify);
    const QString dir = qvtest::TempDir();
    TIntList widths(0, 0);
    g.SaveToFixed(dir + "/fixed.txt", &widths);
    EXPECT_EQ(widths.Count(), 2) << "the measured widths go back to the caller";
    EXPECT_EQ(ReadBytes(dir + "/fixed.txt"), "id name      \r\n7  long name \r\n");

    TQvStringGrid back(nullptr);
    TIntList positions(0, 0);
    for (int p : {11, 1, 4})
        positions.Add(p);
    back.LoadFromFixed(dir + "/fixed.txt", &positions);
    EXPECT_EQ(positions.Items(0), 1) << "the caller's positions are sorted";
    EXPECT_EQ(back.Cells(0, 1), "7");
    EXPECT_EQ(back.Cells(1, 1), "long na");
    EXPECT_THROW(back.LoadFromFixed(dir + "/none.txt", &positions), EQvGridError);

    QFile::remove(dir + "/aligned.txt");
    g.AppendToASCII(dir + "/aligned.txt"); // no file yet: a new one
    g.AppendToASCII(dir + "/aligned.txt");
    const QByteArray bytes = ReadBytes(dir + "/aligned.txt");
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(DecodeTextDetect(bytes),
              "id name      \r\n 7 long name \r\nid name      \r\n 7 long name \r\n");
}

TEST(QvGridExchange, HtmlPageWithHeadRowPicturesAndSevenBitText) {
    TQvStringGrid g(nullptr);
    Fill(g, {{"Head", ""}, {"é < x", ""}});
    g.SetFixedRows(1);
    TBitmap* bitmap = g.CreateBitmap(1, 1, false, haLeft, vaTop);
    bitmap->SetSize(8, 6);
    const QString dir = qvtest::TempDir() + "/page";
    ASSERT_TRUE(QDir().mkpath(dir));
    g.SaveToHTML(dir + "/grid.htm", false, false);
    const QByteArray page = ReadBytes(dir + "/grid.htm");
    for (const char b : page)
        ASSERT_LT(static_cast<uchar>(b), 0x80) << "a 7-bit page";
    EXPECT_TRUE(page.contains("&#233; &lt; x"));
    EXPECT_TRUE(page.contains(">Head</TD>"));
    EXPECT_TRUE(page.contains("&nbsp;"));
    EXPECT_TRUE(page.contains(QString(".c0 {background-color: #%1").arg(ColorToHex(g.FixedColor())).toUtf8()))
        << page.toStdString();
    EXPECT_TRUE(
        page.contains("<img src=\"file://" + QDir(dir).absolutePath().toUtf8() + "/images/img1.jpg\">"));
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(ReadBytes(dir + "/images/img1.jpg"));
    EXPECT_EQ(jpeg.Width(), 8);
    EXPECT_EQ(jpeg.Height(), 6);

    g.SaveToHTML(dir + "/grid.htm", false, true);
    EXPECT_TRUE(DecodeTextDetect(ReadBytes(dir + "/grid.htm")).contains("é &lt; x"));
}

// What a user sees: the page opened in a real browser engine without a screen, laid out and printed by
// it, shows every row's texts side by side in column order (the markup, the references and the spans as
// the browser reads them, not as we meant them).
TEST(QvGridExchange, ABrowserShowsThePageTheGridWrote) {
    const QString browser = QStandardPaths::findExecutable("chromium");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (browser.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "needs chromium and pdftotext (scripts/setup.sh installs them for the test run)";
    TQvStringGrid g(nullptr);
    Fill(g, {{"Address", "Name", "Type"},
             {"40001", "Pump <on> & ready", "Bool"},
             {"40002", "Grüße 5 €", "Int16"},
             {"40003", "<B>Bold</B> head", "Float"}});
    g.SetFixedRows(1);
    const QString dir = qvtest::TempDir() + "/browser";
    ASSERT_TRUE(QDir().mkpath(dir));
    for (const bool utf8 : {false, true}) {
        const QString page = dir + "/grid.htm";
        const QString pdf = dir + "/grid.pdf";
        QFile::remove(pdf);
        g.SaveToHTML(page, false, utf8);
        QProcess run;
        run.start(browser, {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                            "--user-data-dir=" + dir + "/profile", "--no-pdf-header-footer",
                            "--print-to-pdf=" + pdf, QUrl::fromLocalFile(page).toString()});
        ASSERT_TRUE(run.waitForFinished(120000)) << "the browser did not finish";
        ASSERT_TRUE(QFile::exists(pdf)) << run.readAllStandardError().toStdString();
        QProcess text;
        text.start(pdftotext, {"-layout", "-enc", "UTF-8", pdf, "-"});
        ASSERT_TRUE(text.waitForFinished(60000));
        const QStringList lines = QString::fromUtf8(text.readAllStandardOutput()).split(u'\n');
        for (const QStringList& row :
             {QStringList{"Address", "Name", "Type"}, QStringList{"40001", "Pump <on> & ready", "Bool"},
              QStringList{"40002", "Grüße 5 €", "Int16"}, QStringList{"40003", "Bold head", "Float"}}) {
            const QString pattern = row.join(QStringLiteral(" | "));
            const bool shown = std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
                qsizetype at = 0;
                for (const QString& cell : row) {
                    at = line.indexOf(cell, at);
                    if (at < 0) return false;
                    at += cell.size();
                }
                return true;
            });
            EXPECT_TRUE(shown) << (utf8 ? "UTF-8 page: " : "7-bit page: ") << pattern.toStdString()
                               << " not on one line in\n"
                               << lines.join(u'\n').toStdString();
        }
    }
}

TEST(QvGridExchange, XmlFilesComeBackAndNameTheirFields) {
    TQvStringGrid g(nullptr);
    Fill(g, {{"FIELD0", "FIELD1"}, {"a & b", "$amp;"}, {"Grüße €", "x"}});
    g.SetFixedRows(1);
    g.SetFixedCols(0);
    g.SetSaveFixedCells(false);
    const QString path = qvtest::TempDir() + "/grid.xml";
    g.SaveToXML(path, "list", "rec", nullptr);
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("Gr\xFC\xDF"
                               "e &#8364;"));

    TQvStringGrid back(nullptr);
    back.SetColCount(2);
    back.SetRowCount(2);
    back.SetFixedRows(1);
    back.LoadFromXML(path, false, true);
    EXPECT_EQ(Cells(back),
              (std::vector<QStringList>{{"FIELD0", "FIELD1"}, {"a & b", "&"}, {"Grüße €", "x"}}));
    EXPECT_THROW(back.LoadFromXML(path + ".none"), Exception);
    WriteBytes(path, "<list><rec>");
    EXPECT_THROW(back.LoadFromXML(path), Exception);
    EXPECT_EQ(back.Cells(0, 1), "a & b") << "a refused file changes nothing";
}

} // namespace qvgrid_exchange_test
