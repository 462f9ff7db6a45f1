// The string grid's printing: counting passes, printed cells on an image, and a PDF read back.
#include "controls/grid/QvGrid.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/system/Clock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

namespace {
struct PrintGrid : ::testing::Test {
    TQvStringGrid g{nullptr};
    void Fill(int cols, int rows) {
        g.SetColCount(cols);
        g.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                g.SetCells(c, r, String("R%1C%2").arg(r).arg(c));
    }
    // Pages of a preview pass onto a page of w x h pixels, counted without drawing.
    int CountPages(int w = 400, int h = 560) {
        QImage img(w, h, QImage::Format_RGB32);
        QPainter p(&img);
        TCanvas canvas;
        canvas.Attach(&p);
        int counted = -1;
        auto saved = g.OnPrintStart;
        g.OnPrintStart = [&](TObject*, int n, int& from, int&) {
            counted = n;
            from = 0;
        };
        g.PrintPreview(&canvas, TRect(0, 0, w, h));
        g.OnPrintStart = saved;
        return counted;
    }
};

QRect InkIn(const QImage& img, const QRect& area) {
    QRect ink;
    for (int y = std::max(area.top(), 0); y <= std::min(area.bottom(), img.height() - 1); ++y)
        for (int x = std::max(area.left(), 0); x <= std::min(area.right(), img.width() - 1); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ink |= QRect(x, y, 1, 1);
    return ink;
}
} // namespace

TEST_F(PrintGrid, FontMappingInTenthsOfMillimetres) {
    struct Case {
        int points, height, backToPoints;
    };
    for (const Case c : {Case{10, -35, -9}, Case{72, -254, -72}, Case{8, -28, -7}, Case{0, 0, 0}}) {
        SCOPED_TRACE(c.points);
        EXPECT_EQ(g.MapFontHeight(c.points), c.height);
        EXPECT_EQ(g.MapFontSize(c.height), c.backToPoints);
    }
    EXPECT_EQ(g.Fontscalefactor(), 1.0);
}

TEST_F(PrintGrid, CountingFollowsRowsBreaksAndTallRows) {
    Fill(2, 100);
    const int pages = CountPages();
    EXPECT_GT(pages, 1);
    // Twice the rows, about twice the pages.
    Fill(2, 200);
    EXPECT_GE(CountPages(), 2 * pages - 1);
    // A break forced after every tenth row.
    Fill(2, 40);
    g.OnPrintNewPage = [](TObject*, int next, bool& newPage) { newPage = next % 10 == 0; };
    EXPECT_EQ(CountPages(), 4);
    g.OnPrintNewPage = nullptr;
    // A row taller than the page ends up alone on a page, and the pass ends.
    Fill(1, 3);
    g.PrintSettings()->SetNoAutoSizeRow(true);
    g.SetRowHeights(1, 5000);
    EXPECT_EQ(CountPages(), 3);
    EXPECT_EQ(g.Fontscalefactor(), 1.0);
}

TEST_F(PrintGrid, FitToPageShrinksOnlyAWideGrid) {
    Fill(3, 3);
    g.PrintSettings()->SetFitToPage(fpShrink);
    g.PrintSettings()->SetUseFixedWidth(true);
    g.PrintSettings()->SetLeftSize(50);
    g.PrintSettings()->SetRightSize(50);
    // 400 px at 96 dpi: a page 1058 wide, 958 between the margins.
    struct Case {
        int fixedWidth;
        int expected;
    };
    for (const Case c : {Case{100, 100}, Case{600, 319}}) {
        SCOPED_TRACE(c.fixedWidth);
        g.PrintSettings()->SetFixedWidth(c.fixedWidth);
        EXPECT_EQ(CountPages(), 1);
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(g.PrintColWidth(col), c.expected);
    }
}

TEST_F(PrintGrid, StripesNumberTheirPagesAndEveryPageIsAnnounced) {
    Fill(2, 120);
    g.PrintSettings()->SetUseFixedWidth(true);
    g.PrintSettings()->SetFixedWidth(1500); // one column a stripe
    g.PrintSettings()->SetPageNr(ppBottomRight);
    std::vector<int> announced;
    std::vector<String> numbers;
    g.OnPrintPage = [&](TObject*, TCanvas*, int page, int, int) { announced.push_back(page); };
    g.OnPrintGetPageNum = [&](TObject*, int, int, String& text) { numbers.push_back(text); };
    QTemporaryDir dir;
    Printer()->SetOutputFileName(dir.filePath("stripes.pdf"));
    g.Print();
    Printer()->SetOutputFileName(String());
    const int pages = g.PrintNrOfPages();
    ASSERT_GE(pages, 4);
    ASSERT_EQ(pages % 2, 0);
    ASSERT_EQ(int(announced.size()), pages);
    ASSERT_EQ(int(numbers.size()), pages);
    for (int i = 0; i < pages; ++i) {
        EXPECT_EQ(announced[size_t(i)], i + 1);
        // Page within the stripe, then the stripe.
        EXPECT_EQ(numbers[size_t(i)], String("%1-%2").arg(i % (pages / 2) + 1).arg(i / (pages / 2) + 1));
    }
}

namespace {
// Draws page 1 onto a white image and keeps every printed cell's rectangle in pixels.
struct DrawnPage {
    QImage Image{600, 800, QImage::Format_RGB32};
    std::map<std::pair<int, int>, QRect> Cells;
    void Draw(TQvStringGrid& g) {
        Image.fill(Qt::white);
        QPainter p(&Image);
        TCanvas canvas;
        canvas.Attach(&p);
        g.OnCustomCellDraw = [this](TObject*, TCanvas*, int c, int r, TGridDrawState, const TRect& rc,
                                    bool printing) {
            EXPECT_TRUE(printing);
            Cells[{c, r}] = QRect(QPoint(rc.Left, rc.Top), QPoint(rc.Right - 1, rc.Bottom - 1));
        };
        g.PrintDraw(&canvas, TRect(0, 0, 600, 800));
    }
};
} // namespace

TEST_F(PrintGrid, MergedCellSpansBothColumnsWithoutAnInnerLine) {
    Fill(3, 3);
    g.MergeCells(0, 1, 2, 1);
    g.SetCells(0, 1, "");
    DrawnPage page;
    page.Draw(g);
    ASSERT_TRUE(page.Cells.count({0, 1}));
    EXPECT_FALSE(page.Cells.count({1, 1}));
    const QRect merged = page.Cells[{0, 1}], below = page.Cells[{1, 2}];
    EXPECT_EQ(merged.right(), (page.Cells[{1, 0}].right()));
    // The line between columns 0 and 1 runs through rows 0 and 2, not through the merged cell.
    const int x = below.left();
    const int midMerged = merged.center().y(), midBelow = below.center().y();
    const auto inkAt = [&](int y) {
        // Dark pixels only: the fixed column's light fill is no line.
        for (int dx = -2; dx <= 1; ++dx)
            if (qGray(page.Image.pixel(x + dx, y)) < 128) return true;
        return false;
    };
    EXPECT_TRUE(inkAt(midBelow));
    EXPECT_FALSE(inkAt(midMerged));
}

TEST_F(PrintGrid, RightAlignedTextEndsHalfAGBeforeTheEdge) {
    Fill(2, 2);
    g.SetCells(1, 1, "888");
    g.OnGetAlignment = [](TObject*, int r, int c, TAlignment& h, TVAlignment&) {
        if (r == 1 && c == 1) h = taRightJustify;
    };
    g.PrintSettings()->SetBorders(pbNoborder);
    g.PrintSettings()->SetUseFixedWidth(true);
    g.PrintSettings()->SetFixedWidth(400);
    DrawnPage page;
    page.Draw(g);
    const QRect cell = page.Cells[{1, 1}];
    const QRect ink = InkIn(page.Image, cell);
    ASSERT_FALSE(ink.isNull());
    // Half a "g" of a 10 point font is about 0.9 mm: 3 pixels at 96 dpi, give or take one.
    EXPECT_GE(cell.right() - ink.right(), 2);
    EXPECT_LE(cell.right() - ink.right(), 5);
    EXPECT_GT(ink.left(), cell.center().x());
}

TEST_F(PrintGrid, BorderHookClearingAllLinesLeavesNoLines) {
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    DrawnPage page;
    page.Draw(g);
    EXPECT_FALSE(InkIn(page.Image, page.Image.rect()).isNull());
    g.OnGetCellPrintBorder = [](TObject*, int, int, TPen*, TCellBorders& b) { b = 0; };
    page.Draw(g);
    EXPECT_TRUE(InkIn(page.Image, page.Image.rect()).isNull());
}

TEST_F(PrintGrid, CheckBoxPrintsItsGraphicOnlyWithPrintGraphics) {
    Fill(2, 2);
    g.SetCells(1, 1, "");
    g.AddCheckBox(1, 1, true, true);
    g.PrintSettings()->SetBorders(pbNoborder);
    DrawnPage page;
    page.Draw(g);
    // A data check box has no text: nothing printed without its graphic.
    EXPECT_TRUE(InkIn(page.Image, page.Cells[{1, 1}]).isNull());
    g.PrintSettings()->SetPrintGraphics(true);
    page.Draw(g);
    EXPECT_FALSE(InkIn(page.Image, page.Cells[{1, 1}]).isNull());
}

TEST_F(PrintGrid, MarkupCellPrintsRenderedNotItsTags) {
    Fill(2, 2);
    g.PrintSettings()->SetBorders(pbNoborder);
    g.SetCells(1, 1, "<b>AB</b>");
    g.SetEnableHTML(false);
    DrawnPage page;
    page.Draw(g);
    const int raw = InkIn(page.Image, page.Cells[{1, 1}]).width();
    g.SetEnableHTML(true);
    page.Draw(g);
    const QRect rendered = InkIn(page.Image, page.Cells[{1, 1}]);
    ASSERT_FALSE(rendered.isNull());
    EXPECT_LT(rendered.width(), raw / 2);
}

TEST_F(PrintGrid, NoAutoSizeRowKeepsTheScreenHeights) {
    Fill(2, 3);
    g.SetCells(1, 2, "one\r\ntwo\r\nthree\r\nfour");
    g.SetMultilinecells(true);
    g.PrintSettings()->SetNoAutoSizeRow(true);
    struct Case {
        int row, screen, printed;
    };
    for (const Case c : {Case{1, 20, 49}, Case{2, 20, 49}, Case{1, 40, 102}}) {
        g.SetRowHeights(c.row, c.screen);
        EXPECT_EQ(g.PrintRowHeight(c.row), c.printed) << c.row << " " << c.screen;
    }
    g.PrintSettings()->SetNoAutoSizeRow(false);
    EXPECT_GT(g.PrintRowHeight(2), 3 * g.PrintRowHeight(1));
}

TEST_F(PrintGrid, TextGeometryHelpers) {
    Fill(3, 3);
    g.SetCells(1, 1, "a\r\nlonger line\rb");
    EXPECT_EQ(g.MaxLinesInRow(1), 1);
    g.SetMultilinecells(true);
    EXPECT_EQ(g.MaxLinesInRow(1), 3);
    EXPECT_EQ(g.MaxLinesInRow(0), 1);
    EXPECT_EQ(g.MaxColumnTextLength(1), 11);
    EXPECT_EQ(g.MaxColumnTextLength(0), 4);
    g.SetXYOffset(TPoint(3, 2));
    EXPECT_EQ(g.GetHorzTextMargin(), 6);
    EXPECT_EQ(g.GetVertTextMargin(), 4);
    g.SetXYOffsetTopLeftOnly(true);
    EXPECT_EQ(g.GetHorzTextMargin(), 3);
    // Rotated text starts inside the rectangle, 2 in from its edges, whatever the alignment.
    for (int angle : {0, 45, 90, 180, 270}) {
        const TRect r = g.GetRotatedTextRect(TRect(0, 0, 200, 200), angle, taCenter, vtaCenter, "text");
        EXPECT_GE(r.Left, 2) << angle;
        EXPECT_LE(r.Left, 198) << angle;
        EXPECT_GE(r.Top, 2) << angle;
        EXPECT_LE(r.Top, 198) << angle;
    }
}

TEST_F(PrintGrid, PrintStartStoppingTheJobLeavesNoFile) {
    Fill(2, 5);
    QTemporaryDir dir;
    const String path = dir.filePath("none.pdf");
    Printer()->SetOutputFileName(path);
    g.OnPrintStart = [](TObject*, int, int& from, int&) { from = 0; };
    g.Print();
    Printer()->SetOutputFileName(String());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

namespace {
String RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return String();
    return String::fromUtf8(p.readAllStandardOutput());
}
} // namespace

TEST_F(PrintGrid, PrintsToPdfWithPageTextsReadBack) {
    Fill(3, 150);
    for (int c = 0; c < 3; ++c)
        g.SetCells(c, 0, String("Head%1").arg(c));
    g.SetFixedRows(1);
    TPrintSettings* ps = g.PrintSettings();
    ps->SetPageNr(ppBottomRight);
    ps->SetDate(ppTopLeft);
    ps->SetTime(ppTopLeft);
    ps->SetTitle(ppTopCenter);
    ps->SetTitleText("Converter table");
    ps->SetRepeatFixedRows(true);
    ps->SetDateFormat("dd/mm/yyyy");
    SetFixedClock(TLocalDateTime{2026, 12, 11, 9, 5, 0});
    QTemporaryDir dir;
    const String path = dir.filePath("grid.pdf");
    Printer()->SetOutputFileName(path);
    g.Print();
    Printer()->SetOutputFileName(String());
    ClearFixedClock();
    ASSERT_TRUE(QFile::exists(path));
    const int pages = g.PrintNrOfPages();
    ASSERT_GE(pages, 2);

    const String info = RunTool("pdfinfo", {path});
    ASSERT_FALSE(info.isEmpty()) << "pdfinfo (poppler-utils) is missing";
    EXPECT_TRUE(info.contains(QRegularExpression(String("Pages:\\s+%1\\n").arg(pages))))
        << info.toStdString();
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const String text = RunTool(
            "pdftotext", {"-layout", "-f", String::number(page), "-l", String::number(page), path, "-"});
        EXPECT_TRUE(text.contains(String("%1/%2").arg(page).arg(pages)));
        EXPECT_TRUE(text.contains("11/12/2026 09:05"));
        EXPECT_TRUE(text.contains("Converter table"));
        // The fixed row heads every page.
        EXPECT_TRUE(text.contains("Head1"));
    }
    const String all = RunTool("pdftotext", {"-layout", path, "-"});
    for (int r = 1; r < 150; ++r)
        EXPECT_EQ(all.count(String("R%1C1 ").arg(r)) + all.count(String("R%1C1\n").arg(r)), 1) << r;
    if (const char* keep = getenv("QV_SAVE_GRABS"))
        RunTool("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", path, QString(keep) + "/printed"});
}
