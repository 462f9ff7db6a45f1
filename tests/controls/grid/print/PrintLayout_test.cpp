#include "controls/grid/print/PrintLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace {
// Rows of fixed heights; some hidden by the selected-only filter, some asking for a page break.
struct TableRows : IPrintRows {
    std::vector<int> Heights;
    std::set<int> Hidden, BreakBefore;
    std::vector<int> Asked; // rows NewPageBefore was asked about
    int RowHeight(int r) override { return Heights.at(size_t(r)); }
    bool RowShown(int r) override { return !Hidden.count(r); }
    bool NewPageBefore(int next) override {
        Asked.push_back(next);
        return BreakBefore.count(next) > 0;
    }
};

TPrintPageSetup Page(int width, int bottom) {
    TPrintPageSetup s;
    s.PageWidth = width;
    s.PageBottom = bottom;
    s.Centered = false;
    return s;
}

std::vector<std::pair<int, int>> StripeCols(const std::vector<TPrintStripe>& st) {
    std::vector<std::pair<int, int>> out;
    for (const auto& s : st)
        out.emplace_back(s.FirstCol, s.LastCol);
    return out;
}

std::vector<std::pair<int, int>> PageRows(const TPrintPagination& p) {
    std::vector<std::pair<int, int>> out;
    for (const auto& pg : p.Pages)
        out.emplace_back(pg.FirstRow, pg.EndRow);
    return out;
}
} // namespace

TEST(PrintLayout, StripesTakeAColumnOnlyWhenItFits) {
    struct Case {
        const char* name;
        std::vector<int> widths;
        int pageWidth, spacing, rightSize;
        std::vector<std::pair<int, int>> stripes;
    };
    const Case cases[] = {
        {"all fit", {100, 100, 100}, 1000, 0, 0, {{0, 2}}},
        {"exactly fits", {100, 100, 100}, 300, 0, 0, {{0, 2}}},
        {"spacing counts", {100, 100, 100}, 300, 10, 0, {{0, 1}, {2, 2}}},
        {"right margin counts", {100, 100, 100}, 300, 0, 50, {{0, 1}, {2, 2}}},
        {"wide column alone, clipped", {100, 900, 100}, 300, 0, 0, {{0, 0}, {1, 1}, {2, 2}}},
        {"filtered column takes no room", {100, -1, 100, 100}, 300, 0, 0, {{0, 3}}},
        {"leading filtered columns skipped", {-1, -1, 100}, 300, 0, 0, {{2, 2}}},
        {"nothing shown", {-1, -1}, 300, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPrintPageSetup s = Page(c.pageWidth, -1000);
        s.Spacing = c.spacing;
        s.RightSize = c.rightSize;
        PrintLayout layout(s, c.widths);
        EXPECT_EQ(StripeCols(layout.Stripes(0, int(c.widths.size()) - 1)), c.stripes);
    }
}

TEST(PrintLayout, IndentsFollowMarginsCentringAndRepeatedFixedColumns) {
    const std::vector<int> widths{50, 100, 100, 100};
    // Not centred: columns start at the left margin, the margin's room is off the page.
    TPrintPageSetup s = Page(350, -1000);
    s.LeftSize = 30;
    auto st = PrintLayout(s, widths).Stripes(0, 3);
    ASSERT_EQ(StripeCols(st), (std::vector<std::pair<int, int>>{{0, 2}, {3, 3}}));
    EXPECT_EQ(st[0].Indents, (std::vector<int>{30, 80, 180}));

    // Centred: one stripe narrower than the page sits in the middle.
    s = Page(1000, -1000);
    s.Centered = true;
    st = PrintLayout(s, widths).Stripes(0, 3);
    ASSERT_EQ(st.size(), 1u);
    EXPECT_EQ(st[0].Width, 350);
    EXPECT_EQ(st[0].Indents, (std::vector<int>{325, 375, 475, 575}));

    // Repeated fixed column 0 in front of every stripe after the first.
    s = Page(260, -1000);
    s.FixedCols = 1;
    s.RepeatFixedCols = true;
    st = PrintLayout(s, widths).Stripes(0, 3);
    ASSERT_EQ(StripeCols(st), (std::vector<std::pair<int, int>>{{0, 2}, {3, 3}}));
    EXPECT_FALSE(st[0].RepeatCols);
    EXPECT_TRUE(st[1].RepeatCols);
    EXPECT_EQ(st[1].FixedWidthSum, 50);
    EXPECT_EQ(st[1].Indents[0], 0);
    EXPECT_EQ(st[1].Indents[3], 50);
    // A range that starts after the fixed columns repeats them on its first stripe too.
    st = PrintLayout(s, widths).Stripes(2, 3);
    ASSERT_EQ(StripeCols(st), (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_TRUE(st[0].RepeatCols);
}

TEST(PrintLayout, PagesOfRowsBreakWhereTheNextRowNoLongerFits) {
    struct Case {
        const char* name;
        std::vector<int> heights;
        int bottom, header, footer;
        std::set<int> hidden, breakBefore;
        std::vector<std::pair<int, int>> pages;
        bool lastClipped = false;
    };
    const Case cases[] = {
        {"one page", {10, 10, 10}, -100, 0, 0, {}, {}, {{0, 3}}},
        // A row fits only while its bottom stays above the footer: 10 + 10 + 10 reaches -30 = -30.
        {"strictly above the footer", {10, 10, 10, 10}, -30, 0, 0, {}, {}, {{0, 2}, {2, 4}}},
        {"header and footer take room", {10, 10, 10, 10}, -50, 10, 15, {}, {}, {{0, 2}, {2, 4}}},
        {"hidden rows take none", {10, 10, 10, 10, 10}, -35, 0, 0, {1, 2}, {}, {{0, 5}}},
        {"trailing hidden rows add no page", {10, 10, 10}, -15, 0, 0, {1, 2}, {}, {{0, 3}}},
        {"forced break", {10, 10, 10, 10}, -100, 0, 0, {}, {2}, {{0, 2}, {2, 4}}},
        {"too tall row alone", {10, 500, 10}, -100, 0, 0, {}, {}, {{0, 1}, {1, 2}, {2, 3}}},
        {"too tall last row", {500}, -100, 0, 0, {}, {}, {{0, 1}}, true},
        {"nothing to print still one page", {10}, -100, 0, 0, {0}, {}, {{1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPrintPageSetup s = Page(1000, c.bottom);
        s.HeaderFirst = s.HeaderNext = c.header;
        s.Footer = c.footer;
        TableRows rows;
        rows.Heights = c.heights;
        rows.Hidden = c.hidden;
        rows.BreakBefore = c.breakBefore;
        const std::vector<int> widths{100};
        const TPrintPagination p = PrintLayout(s, widths).Paginate(0, 0, 0, int(c.heights.size()) - 1, rows);
        EXPECT_EQ(PageRows(p), c.pages);
        EXPECT_EQ(p.Pages.back().Clipped, c.lastClipped);
    }
}

TEST(PrintLayout, FixedRowsRepeatAndEveryStripeHasItsPages) {
    TPrintPageSetup s = Page(150, -40);
    s.FixedRows = 1;
    s.RepeatFixedRows = true;
    TableRows rows;
    rows.Heights.assign(7, 10);
    const std::vector<int> widths{100, 100};
    const TPrintPagination p = PrintLayout(s, widths).Paginate(0, 1, 0, 6, rows);
    // Two stripes of three pages: rows 0-2, then the fixed row with two more each time.
    ASSERT_EQ(p.Stripes.size(), 2u);
    const std::vector<std::pair<int, int>> perStripe{{0, 3}, {3, 5}, {5, 7}};
    std::vector<std::pair<int, int>> expected = perStripe;
    expected.insert(expected.end(), perStripe.begin(), perStripe.end());
    EXPECT_EQ(PageRows(p), expected);
    for (const TPrintPage& pg : p.Pages) {
        SCOPED_TRACE(pg.FirstRow);
        EXPECT_EQ(pg.RepeatRows, pg.PageInStripe > 0);
        EXPECT_EQ(pg.Stripe, &pg - p.Pages.data() < 3 ? 0 : 1);
    }
    // A range below the fixed rows gets them on its first page too.
    const TPrintPagination below = PrintLayout(s, widths).Paginate(0, 0, 3, 4, rows);
    ASSERT_EQ(below.Pages.size(), 1u);
    EXPECT_TRUE(below.Pages[0].RepeatRows);
    EXPECT_EQ(below.Pages[0].BottomY, -30);
}

TEST(PrintLayout, FitScaleFollowsItsMode) {
    struct Case {
        TFitToPage mode;
        std::vector<int> widths;
        double scale;
    };
    // Room between the margins: 1000 - 50 - 50 - 2 x 10 spacing = 880.
    const Case cases[] = {
        {fpNever, {2000, 200}, 1.0},      {fpShrink, {200, 240}, 1.0}, {fpShrink, {1000, 760}, 0.5},
        {fpGrow, {1000, 760}, 1.0},       {fpGrow, {200, 240}, 2.0},   {fpAlways, {200, 240}, 2.0},
        {fpAlways, {1000, -1, 760}, 0.5}, {fpAlways, {-1}, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.mode));
        EXPECT_DOUBLE_EQ(PrintFitScale(c.mode, c.widths, 10, 1000, 50, 50, nullptr), c.scale);
    }
    // A page without room for the columns keeps their widths instead of turning them negative.
    EXPECT_DOUBLE_EQ(PrintFitScale(fpAlways, {100}, 10, 50, 50, 50, nullptr), 1.0);
    double asked = 0;
    EXPECT_DOUBLE_EQ(PrintFitScale(fpCustom, {1000, 760}, 10, 1000, 50, 50,
                                   [&](double& f) {
                                       asked = f;
                                       f = 0.75;
                                       return true;
                                   }),
                     0.75);
    EXPECT_DOUBLE_EQ(asked, 0.5);
    EXPECT_DOUBLE_EQ(PrintFitScale(fpCustom, {1000, 760}, 10, 1000, 50, 50, [](double&) { return false; }),
                     1.0);
}

TEST(PrintLayout, BandsAndPageTexts) {
    struct Case {
        const char* name;
        TPrintPosition pageNr, title;
        int titleLines;
        bool markup;
        TPrintBandHeights h;
    };
    // Line gap 3, header line 40, footer line 30, header size 100, footer size 50, markup title 70.
    const Case cases[] = {
        {"nothing", ppNone, ppNone, 0, false, {100, 100, 83}},
        {"page number at the top", ppTopRight, ppNone, 0, false, {143, 143, 83}},
        {"page number at the bottom", ppBottomRight, ppNone, 0, false, {100, 100, 116}},
        {"three title lines at the top", ppNone, ppTopCenter, 3, false, {223, 223, 83}},
        {"markup title at the top", ppNone, ppTopLeft, 2, true, {313, 183, 83}},
        {"three title lines at the bottom", ppNone, ppBottomLeft, 3, false, {100, 100, 176}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPrintBandInput in;
        in.PageNr = c.pageNr;
        in.Title = c.title;
        in.TitleLineCount = c.titleLines;
        in.TitleIsMarkup = c.markup;
        in.MarkupTitleHeight = 70;
        in.LineGap = 3;
        in.HeaderLine = 40;
        in.FooterLine = 30;
        in.HeaderSize = 100;
        in.FooterSize = 50;
        const TPrintBandHeights h = PrintBands(in);
        EXPECT_EQ(h.HeaderFirst, c.h.HeaderFirst);
        EXPECT_EQ(h.HeaderNext, c.h.HeaderNext);
        EXPECT_EQ(h.Footer, c.h.Footer);
    }

    struct NumberCase {
        int pageInStripe, stripe, stripes, page, total, offset;
        const char* sep;
        int maxOffset;
        const char* text;
    };
    for (const NumberCase& c :
         {NumberCase{1, 0, 1, 1, 3, 0, "/", 0, "2/3"}, NumberCase{0, 0, 1, 0, 1, 0, "/", 0, "1"},
          NumberCase{0, 0, 1, 0, 3, 0, "", 0, "1"}, NumberCase{0, 0, 1, 0, 3, 10, " of ", 10, "11 of 13"},
          NumberCase{1, 1, 2, 3, 4, 0, "/", 0, "2-2"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PrintPageNumberText(c.pageInStripe, c.stripe, c.stripes, c.page, c.total, c.offset, c.sep,
                                      c.maxOffset),
                  c.text);
    }

    TPrintPageTexts texts;
    PutPrintPageText(texts, ppTopLeft, "12:00");
    PutPrintPageText(texts, ppTopLeft, "Title");
    PutPrintPageText(texts, ppBottomRight, "Page 1/3");
    PutPrintPageText(texts, ppBottomRight, "01/02/2026");
    PutPrintPageText(texts, ppNone, "lost");
    EXPECT_EQ(texts[ppTopLeft], "Title 12:00 ");
    EXPECT_EQ(texts[ppBottomRight], " Page 1/3 01/02/2026");
    EXPECT_EQ(texts[ppNone], "");
}
