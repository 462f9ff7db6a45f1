// The string grid's printing: counting passes, printed cells on an image, and a PDF read back.
#include "controls/grid/QvGrid.h"
#include "controls/grid/print/GridPreviewPages.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/system/Clock.h"

#include "InputEvents.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <set>

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

namespace {
// Draws preview page Page onto a white image, counting the cells measured and drawn on the way.
struct PreviewCounts {
    int Measured = 0;
    std::set<int> DrawnRows;
    QImage Image{400, 560, QImage::Format_RGB32};
    void Draw(TQvStringGrid& g, int Page) {
        Measured = 0;
        DrawnRows.clear();
        Image.fill(Qt::white);
        g.OnCustomCellSize = [this](TObject*, TCanvas*, int, int, TPoint&, bool) { ++Measured; };
        g.OnCustomCellDraw = [this](TObject*, TCanvas*, int, int r, TGridDrawState, const TRect&, bool) {
            DrawnRows.insert(r);
        };
        QPainter p(&Image);
        TCanvas canvas;
        canvas.Attach(&p);
        g.SetPreviewPage(Page);
        g.PrintPreview(&canvas, TRect(0, 0, Image.width(), Image.height()));
        g.OnCustomCellSize = nullptr;
        g.OnCustomCellDraw = nullptr;
    }
};
} // namespace

TEST_F(PrintGrid, LaterPreviewPagesReuseTheLayoutUntilTheGridChanges) {
    Fill(3, 300);
    PreviewCounts first;
    first.Draw(g, 1);
    const int pages = g.PrintNrOfPages();
    ASSERT_GE(pages, 5);
    // The first preview measured every cell of the range.
    EXPECT_GE(first.Measured, 3 * 300);

    // A page near the end: only its own rows are measured and drawn.
    PreviewCounts kept;
    kept.Draw(g, pages - 1);
    EXPECT_EQ(g.PrintNrOfPages(), pages);
    ASSERT_FALSE(kept.DrawnRows.empty());
    const int rowsOnPage = int(kept.DrawnRows.size());
    EXPECT_EQ(*kept.DrawnRows.rbegin() - *kept.DrawnRows.begin() + 1, rowsOnPage);
    EXPECT_GT(*kept.DrawnRows.begin(), 200);
    EXPECT_LE(kept.Measured, 3 * (rowsOnPage + 1));

    // The kept layout draws what a fresh one does (text drawn before, as the fresh draw's is).
    kept.Draw(g, pages - 1);
    g.Invalidate();
    PreviewCounts fresh;
    fresh.Draw(g, pages - 1);
    EXPECT_GE(fresh.Measured, 3 * 300);
    EXPECT_EQ(fresh.DrawnRows, kept.DrawnRows);
    EXPECT_EQ(fresh.Image, kept.Image);

    // Whatever the layout was made from, changed, makes it anew.
    struct Change {
        const char* what;
        std::function<void()> apply;
    };
    const Change changes[] = {
        {"a cell's text", [&] { g.SetCells(1, 10, "a much longer text than before"); }},
        {"a row's height", [&] { g.SetRowHeights(3, 60); }},
        {"the row count", [&] { g.SetRowCount(280); }},
        {"a print setting", [&] { g.PrintSettings()->SetRowSpacing(30); }},
        {"a print font", [&] { g.PrintSettings()->HeaderFont()->SetSize(20); }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        PreviewCounts before;
        before.Draw(g, 2);
        ASSERT_LT(before.Measured, 3 * 100);
        c.apply();
        PreviewCounts after;
        after.Draw(g, 2);
        EXPECT_GE(after.Measured, 3 * 250);
    }
}

TEST_F(PrintGrid, MergedAreaBrokenOverPagesKeepsItsFillAndFrame) {
    Fill(4, 6);
    // Columns 1 and 2 of rows 2 to 4 are one yellow area; the page breaks after row 2.
    g.MergeCells(1, 2, 2, 3);
    g.SetCells(1, 2, "Area");
    g.SetColors(1, 2, clYellow);
    g.OnPrintNewPage = [](TObject*, int next, bool& newPage) { newPage = next == 3; };
    PreviewCounts second;
    second.Draw(g, 1);
    ASSERT_EQ(g.PrintNrOfPages(), 2);
    std::map<std::pair<int, int>, QRect> cells;
    g.OnCustomCellDraw = [&](TObject*, TCanvas*, int c, int r, TGridDrawState, const TRect& rc, bool) {
        cells[{c, r}] = QRect(QPoint(rc.Left, rc.Top), QPoint(rc.Right - 1, rc.Bottom - 1));
    };
    QImage& img = second.Image;
    img.fill(Qt::white);
    {
        QPainter p(&img);
        TCanvas canvas;
        canvas.Attach(&p);
        g.SetPreviewPage(2);
        g.PrintPreview(&canvas, TRect(0, 0, img.width(), img.height()));
    }
    // The area's base cell is on page 1: page 2 draws no cell of it through the base.
    EXPECT_FALSE(cells.count({1, 3}));
    ASSERT_TRUE(cells.count({1, 5}) && cells.count({2, 5}) && cells.count({3, 3}) && cells.count({3, 4}));
    // The area's part on page 2: columns 1 and 2 (as row 5 has them), rows 3 and 4 (as column 3 has them).
    const QRect area(QPoint(cells[{1, 5}].left(), cells[{3, 3}].top()),
                     QPoint(cells[{2, 5}].right(), cells[{3, 4}].bottom()));
    int yellow = 0, dark = 0;
    for (int y = area.top() + 3; y <= area.bottom() - 3; ++y)
        for (int x = area.left() + 3; x <= area.right() - 3; ++x) {
            const QRgb px = img.pixel(x, y);
            yellow += qRed(px) > 200 && qGreen(px) > 200 && qBlue(px) < 80;
            // No inner line across the area and no text: its text printed with the base cell on page 1.
            dark += qGray(px) < 128;
        }
    const int inside = (area.width() - 6) * (area.height() - 6);
    EXPECT_GT(yellow, inside * 9 / 10);
    EXPECT_EQ(dark, 0);
    // Its outer frame: the bottom line under row 4 and the right line after column 2.
    const auto darkNear = [&](int x, int y) {
        for (int d = -2; d <= 2; ++d)
            if (qGray(img.pixel(x, y + d)) < 128 || qGray(img.pixel(x + d, y)) < 128) return true;
        return false;
    };
    EXPECT_TRUE(darkNear(area.center().x(), area.bottom() + 1));
    EXPECT_TRUE(darkNear(area.right() + 1, area.center().y()));
}

TEST_F(PrintGrid, MarkupTitleIsRenderedAndTheRowsStartBelowIt) {
    Fill(2, 4);
    TPrintSettings* ps = g.PrintSettings();
    ps->SetTitle(ppTopLeft);
    ps->SetBorders(pbNoborder);
    ps->TitleLines()->Add("<font size=\"30\"><b>Converter</b>");
    ps->TitleLines()->Add(" table</font>");
    DrawnPage page;
    page.Draw(g);
    ASSERT_TRUE(page.Cells.count({0, 0}));
    const int firstRowTop = page.Cells[{0, 0}].top();
    const QRect title = InkIn(page.Image, QRect(0, 0, page.Image.width(), firstRowTop));
    ASSERT_FALSE(title.isNull());
    // A 30-point title is taller than a line of the cells' text and ends above the first row.
    EXPECT_GT(title.height(), (page.Cells[{0, 0}].height()));
    EXPECT_LT(title.bottom(), firstRowTop);

    // Printed, its text reads as the lines joined, without its tags.
    QTemporaryDir dir;
    const String path = dir.filePath("title.pdf");
    Printer()->SetOutputFileName(path);
    g.Print();
    Printer()->SetOutputFileName(String());
    const String text = RunTool("pdftotext", {path, "-"});
    EXPECT_TRUE(text.contains("Converter table")) << text.toStdString();
    EXPECT_FALSE(text.contains("<")) << text.toStdString();
    // Plain title lines print as lines, one under the other.
    ps->TitleLines()->Clear();
    ps->TitleLines()->Add("First line");
    ps->TitleLines()->Add("Second line");
    Printer()->SetOutputFileName(path);
    g.Print();
    Printer()->SetOutputFileName(String());
    const String plain = RunTool("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(plain.contains(QRegularExpression("First line\\s*\\n\\s*Second line")))
        << plain.toStdString();
}

TEST_F(PrintGrid, PreviewWindowTurnsTheGridsPagesByKeys) {
    Fill(3, 300);
    GridPreviewPages pages(g, TSize{400, 560});
    TPrintPreviewForm form(nullptr, pages);
    form.Show();
    TPreviewPageView* view = form.View();
    view->SetFocus();
    QApplication::processEvents();
    const int count = g.PrintNrOfPages();
    ASSERT_GE(count, 5);
    EXPECT_EQ(view->PageCount(), count);
    view->Widget()->repaint();
    ASSERT_NE(view->PageImage(), nullptr);
    const QImage first = *view->PageImage();
    qvtest::KeyToFocus(Qt::Key_PageDown);
    view->Widget()->repaint();
    EXPECT_EQ(g.PrintPageFrom(), 2);
    EXPECT_NE(*view->PageImage(), first);
    qvtest::KeyToFocus(Qt::Key_End, QString(), Qt::ControlModifier);
    view->Widget()->repaint();
    EXPECT_EQ(g.PrintPageFrom(), count);
    EXPECT_TRUE(form.Caption().contains(String("page %1 of %1").arg(count)));
    qvtest::KeyToFocus(Qt::Key_Escape);
    EXPECT_FALSE(form.Visible());
}
