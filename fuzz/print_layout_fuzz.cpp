// Fuzz target: the print pagination in counting mode with page set-up, column widths, row heights,
// filtered rows, forced breaks and header texts taken from the input. Every pass ends, every shown row
// lands on exactly one page of each stripe, in order, and every shown column on exactly one stripe.
#include "controls/grid/print/PrintLayout.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
struct Reader {
    const uint8_t* p;
    size_t n;
    int Int(int lo, int hi) {
        uint32_t v = 0;
        for (int i = 0; i < 3; ++i)
            v = (v << 8) | (n ? (--n, *p++) : 0);
        return lo + static_cast<int>(v % static_cast<uint32_t>(hi - lo + 1));
    }
    bool Bit() { return Int(0, 1) == 1; }
};

struct FuzzRows : IPrintRows {
    std::vector<int> Heights;
    std::vector<bool> Hidden, Breaks;
    int RowHeight(int r) override { return Heights.at(size_t(r)); }
    bool RowShown(int r) override { return !Hidden.at(size_t(r)); }
    bool NewPageBefore(int next) override { return next < int(Breaks.size()) && Breaks[size_t(next)]; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in{data, size};
    TPrintPageSetup s;
    s.PageWidth = in.Int(0, 30000);
    s.PageBottom = -in.Int(0, 40000);
    s.LeftSize = in.Int(-100, 3000);
    s.RightSize = in.Int(-100, 3000);
    s.Spacing = in.Int(0, 500);
    s.Centered = in.Bit();
    s.FixedCols = in.Int(0, 4);
    s.FixedRows = in.Int(0, 4);
    s.RepeatFixedCols = in.Bit();
    s.RepeatFixedRows = in.Bit();
    TPrintBandInput bands;
    bands.Time = TPrintPosition(in.Int(0, 6));
    bands.PageNr = TPrintPosition(in.Int(0, 6));
    bands.Title = TPrintPosition(in.Int(0, 6));
    bands.TitleLineCount = in.Int(0, 50);
    bands.TitleIsMarkup = in.Bit();
    bands.MarkupTitleHeight = in.Int(0, 5000);
    bands.HeaderLine = in.Int(0, 500);
    bands.FooterLine = in.Int(0, 500);
    bands.LineGap = in.Int(0, 100);
    bands.HeaderSize = in.Int(0, 3000);
    bands.FooterSize = in.Int(0, 3000);
    const TPrintBandHeights h = PrintBands(bands);
    s.HeaderFirst = h.HeaderFirst;
    s.HeaderNext = h.HeaderNext;
    s.Footer = h.Footer;
    s.TitleDrop = in.Int(0, 1000);

    const int cols = in.Int(1, 40);
    std::vector<int> widths(static_cast<size_t>(cols));
    for (int& w : widths)
        w = in.Bit() && in.Bit() ? -1 : in.Int(0, 20000);
    const double scale = PrintFitScale(TFitToPage(in.Int(0, 4)), widths, s.Spacing, s.PageWidth, s.LeftSize,
                                       s.RightSize, [&](double& f) {
                                           f = in.Int(1, 400) / 100.0;
                                           return in.Bit();
                                       });
    if (!(scale > 0)) std::abort();
    for (int& w : widths)
        if (w >= 0) w = static_cast<int>(w * scale);

    FuzzRows rows;
    const int count = in.Int(1, 3000);
    for (int r = 0; r < count; ++r) {
        rows.Heights.push_back(in.Int(0, 50000));
        rows.Hidden.push_back(in.Int(0, 7) == 0);
        rows.Breaks.push_back(in.Int(0, 15) == 0);
    }
    const int firstCol = in.Int(0, cols - 1), lastCol = in.Int(firstCol, cols - 1);
    const int firstRow = in.Int(0, count - 1), lastRow = in.Int(firstRow, count - 1);
    const TPrintPagination p = PrintLayout(s, widths).Paginate(firstCol, lastCol, firstRow, lastRow, rows);

    std::vector<int> seenCols(size_t(cols), 0);
    for (const TPrintStripe& st : p.Stripes) {
        if (st.FirstCol > st.LastCol || st.FirstCol < firstCol || st.LastCol > lastCol) std::abort();
        for (int c = st.FirstCol; c <= st.LastCol; ++c)
            seenCols[size_t(c)] += widths[size_t(c)] >= 0;
    }
    for (int c = firstCol; c <= lastCol; ++c)
        if (seenCols[size_t(c)] != (widths[size_t(c)] >= 0 ? 1 : 0)) std::abort();
    for (size_t si = 0; si < p.Stripes.size(); ++si) {
        int next = firstRow;
        for (const TPrintPage& pg : p.Pages) {
            if (pg.Stripe != int(si)) continue;
            if (pg.FirstRow < next || pg.EndRow < pg.FirstRow) std::abort();
            for (int r = next; r < pg.FirstRow; ++r)
                if (rows.RowShown(r)) std::abort(); // a shown row left out
            next = pg.EndRow;
        }
        for (int r = next; r <= lastRow; ++r)
            if (rows.RowShown(r)) std::abort();
    }
    TPrintPageTexts texts;
    PutPrintPageText(texts, bands.PageNr,
                     PrintPageNumberText(in.Int(0, 100), in.Int(0, 10), int(p.Stripes.size()),
                                         int(p.Pages.size()) - 1, int(p.Pages.size()), in.Int(-5, 5),
                                         in.Bit() ? "/" : "", in.Int(-5, 5)));
    return 0;
}
