#include "controls/grid/print/PrintLayout.h"

#include <algorithm>

PrintLayout::PrintLayout(const TPrintPageSetup& Setup, const std::vector<int>& Widths)
    : FSetup(Setup), FWidths(Widths) {}

int PrintLayout::ColumnRoom(int ACol) const {
    if (ACol < 0 || ACol >= static_cast<int>(FWidths.size())) return 0;
    const int w = FWidths[static_cast<size_t>(ACol)];
    return w < 0 ? 0 : w + FSetup.Spacing;
}

std::vector<TPrintStripe> PrintLayout::Stripes(int FirstCol, int LastCol) const {
    std::vector<TPrintStripe> out;
    const TPrintPageSetup& s = FSetup;
    // Columns start at the left margin unless centred: the margin's room is taken off the page.
    const int room = s.PageWidth - s.RightSize - (s.Centered ? 0 : s.LeftSize);
    const int base = s.Centered ? 0 : s.LeftSize;
    const auto shown = [&](int c) { return c < static_cast<int>(FWidths.size()) && FWidths[size_t(c)] >= 0; };
    int first = std::max(FirstCol, 0);
    while (true) {
        while (first <= LastCol && !shown(first))
            ++first;
        if (first > LastCol) break;
        TPrintStripe st;
        // A stripe that starts among the fixed columns shows them already.
        st.RepeatCols = s.RepeatFixedCols && s.FixedCols >= 1 && first >= s.FixedCols;
        if (st.RepeatCols)
            for (int c = 0; c < s.FixedCols; ++c)
                st.FixedWidthSum += ColumnRoom(c);
        int last = first;
        int w = st.FixedWidthSum + ColumnRoom(first);
        // The next column joins only when it fits; the first always does, clipped when too wide.
        while (last < LastCol && w + ColumnRoom(last + 1) <= room) {
            ++last;
            w += ColumnRoom(last);
        }
        st.FirstCol = first;
        st.LastCol = last;
        st.Width = w;
        st.Indents.assign(static_cast<size_t>(std::max(last, s.FixedCols - 1) + 1), 0);
        int x = base;
        if (st.RepeatCols)
            for (int c = 0; c < s.FixedCols; ++c) {
                st.Indents[size_t(c)] = x;
                x += ColumnRoom(c);
            }
        x = base;
        for (int c = first; c <= last; ++c) {
            st.Indents[size_t(c)] = x;
            x += ColumnRoom(c);
        }
        const int shift = s.Centered && w < s.PageWidth ? (s.PageWidth - w) / 2 : 0;
        if (st.RepeatCols)
            for (int c = 0; c < s.FixedCols; ++c)
                st.Indents[size_t(c)] += shift;
        for (int c = first; c <= last; ++c)
            st.Indents[size_t(c)] += shift + st.FixedWidthSum;
        out.push_back(std::move(st));
        first = last + 1;
    }
    return out;
}

TPrintPagination PrintLayout::Paginate(int FirstCol, int LastCol, int FirstRow, int LastRow,
                                       IPrintRows& Rows) const {
    const TPrintPageSetup& s = FSetup;
    TPrintPagination out;
    out.Stripes = Stripes(FirstCol, LastCol);
    const int limit = s.PageBottom + s.Footer;
    for (int si = 0; si < static_cast<int>(out.Stripes.size()); ++si) {
        int row = std::max(FirstRow, 0);
        for (int pageInStripe = 0;; ++pageInStripe) {
            while (row <= LastRow && !Rows.RowShown(row))
                ++row;
            // A stripe prints at least its page with header and footer, even without rows.
            if (row > LastRow && pageInStripe > 0) break;
            TPrintPage pg;
            pg.Stripe = si;
            pg.PageInStripe = pageInStripe;
            int y = -(pageInStripe == 0 ? s.HeaderFirst : s.HeaderNext) - s.TitleDrop;
            pg.RepeatRows = s.RepeatFixedRows && s.FixedRows > 0 && row >= s.FixedRows &&
                            (pageInStripe > 0 || FirstRow >= s.FixedRows);
            if (pg.RepeatRows)
                for (int r = 0; r < s.FixedRows; ++r)
                    y -= Rows.RowHeight(r);
            pg.FirstRow = row;
            int placed = 0;
            while (row <= LastRow) {
                if (!Rows.RowShown(row)) {
                    ++row;
                    continue;
                }
                const int h = Rows.RowHeight(row);
                const bool fits = y - h > limit;
                if (!fits && placed > 0) break;
                y -= h;
                ++placed;
                ++row;
                // Taller than the page: printed cut off at the footer, alone.
                if (!fits) {
                    pg.Clipped = true;
                    break;
                }
                if (Rows.NewPageBefore(row)) break;
            }
            pg.EndRow = row;
            pg.BottomY = y;
            out.Pages.push_back(pg);
            if (row > LastRow) break;
        }
    }
    return out;
}

double PrintFitScale(TFitToPage Mode, const std::vector<int>& Widths, int Spacing, int PageWidth,
                     int LeftSize, int RightSize, const std::function<bool(double&)>& Ask) {
    if (Mode == fpNever) return 1.0;
    double sum = 0;
    for (int w : Widths)
        if (w >= 0) sum += w;
    int count = 0;
    for (int w : Widths)
        count += w >= 0;
    if (sum <= 0) return 1.0;
    double scale = (double(PageWidth) - RightSize - LeftSize - double(count) * Spacing) / sum;
    // A page with no room left for the columns cannot be fitted: the widths stay.
    if (!(scale > 0)) return 1.0;
    switch (Mode) {
    case fpShrink:
        return scale > 1 ? 1.0 : scale;
    case fpGrow:
        return scale < 1 ? 1.0 : scale;
    case fpCustom: {
        const bool allow = Ask ? Ask(scale) : true;
        return allow && scale > 0 ? scale : 1.0;
    }
    default:
        return scale;
    }
}

TPrintBandHeights PrintBands(const TPrintBandInput& In) {
    TPrintBandHeights b;
    const bool top = IsTopPosition(In.Time) || IsTopPosition(In.Date) || IsTopPosition(In.PageNr) ||
                     IsTopPosition(In.Title);
    const bool bottom = IsBottomPosition(In.Time) || IsBottomPosition(In.Date) ||
                        IsBottomPosition(In.PageNr) || IsBottomPosition(In.Title);
    const int extraLines = std::max(0, In.TitleLineCount - 1);
    if (top) {
        b.HeaderFirst = b.HeaderNext = In.LineGap + In.HeaderLine + In.HeaderSize;
        if (In.TitleLineCount > 0 && IsTopPosition(In.Title)) {
            b.HeaderFirst +=
                In.TitleIsMarkup ? In.MarkupTitleHeight + In.HeaderSize : extraLines * In.HeaderLine;
            b.HeaderNext += extraLines * In.HeaderLine;
        }
    } else {
        b.HeaderFirst = b.HeaderNext = In.HeaderSize;
    }
    if (bottom) {
        b.Footer = 2 * In.LineGap + 2 * In.FooterLine + In.FooterSize;
        if (IsBottomPosition(In.Title)) b.Footer += extraLines * In.FooterLine;
    } else {
        b.Footer = In.LineGap + In.FooterLine + In.FooterSize;
    }
    return b;
}

String PrintPageNumberText(int PageInStripe, int Stripe, int StripeCount, int Page, int PageTotal,
                           int PageNumberOffset, const String& PageNumSep, int MaxPagesOffset) {
    if (StripeCount > 1) return String::number(PageInStripe + 1) + "-" + String::number(Stripe + 1);
    String s = String::number(Page + PageNumberOffset + 1);
    if (!PageNumSep.isEmpty() && PageTotal > 1) s += PageNumSep + String::number(PageTotal + MaxPagesOffset);
    return s;
}

void PutPrintPageText(TPrintPageTexts& Texts, TPrintPosition Pos, const String& Text) {
    if (Pos == ppNone) return;
    String& t = Texts[static_cast<size_t>(Pos)];
    if (Pos == ppTopLeft || Pos == ppBottomLeft)
        t = Text + " " + t;
    else
        t = t + " " + Text;
}
