// One printed cell: its size in print units and its drawing on the page, with the look, text and graphic
// painters the screen uses; and the text geometry the screen painter and the text exports share.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/paint/CellPainter.h"
#include "controls/grid/paint/GraphicPainter.h"
#include "controls/grid/paint/RotatedText.h"
#include "controls/grid/print/GridPrintJob.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/StyleDraw_Markup.h"

#include <cmath>

namespace {
// A multi-line cell's lines end with a carriage return, a line feed after it belonging to the break.
QStringList PrintLines(String text, bool multiLine) {
    if (!multiLine) return {text};
    text.replace("\r\n", "\r");
    return text.split(u'\r');
}
} // namespace

int TQvStringGrid::GetVertTextMargin() const {
    return XYOffsetTopLeftOnly() ? FXYOffset.Y : 2 * FXYOffset.Y;
}

int TQvStringGrid::GetHorzTextMargin() const {
    return XYOffsetTopLeftOnly() ? FXYOffset.X : 2 * FXYOffset.X;
}

TRect TQvStringGrid::GetRotatedTextRect(const TRect& Rect, int Angle, TAlignment HAlign, TVAlignment VAlign,
                                        const String& Text) {
    const TPoint p =
        PlaceRotatedText(Rect, Angle, HAlign, VAlign, Canvas()->TextWidth(Text), Canvas()->TextHeight(Text));
    return TRect(p.X, p.Y, Rect.Right, Rect.Bottom);
}

int TQvStringGrid::MaxLinesInRow(int ARow) {
    if (ColCount() <= 0 || !Multilinecells()) return 1;
    int most = 1;
    for (int c = 0; c < ColCount(); ++c)
        most = std::max(most, LineCount(Cells(RealColIndex(c), ARow), true));
    return most;
}

int TQvStringGrid::MaxColumnTextLength(int ACol) {
    int longest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        String s;
        GetSaveCellText(ACol, r, s);
        for (const String& line : PrintLines(s, Multilinecells()))
            longest = std::max(longest, static_cast<int>(line.size()));
    }
    return longest;
}

void TQvStringGrid::DrawDIBStretched(TCanvas* Canvas, const TRect& Rect, TGraphic* Bitmap) {
    if (Canvas && Bitmap) Canvas->StretchDraw(Rect, Bitmap);
}

TPoint TQvStringGrid::MeasurePrintCell(int ACol, int ARow) {
    TCanvas local;
    TCanvas* c = FPrintJob && FPrintJob->Canvas ? FPrintJob->Canvas : &local;
    const double stp = FPrintJob ? FPrintJob->ScreenToPrint : kPrintScreenToPrint;
    const TPrintSettings* ps = FPrintSettings.get();
    String text = HasDataDrivenGraphic(ACol, ARow) ? String() : GetFormattedCell(ACol, ARow);
    int kind = CellTextKind(text, EnableHTML());
    const int dcol = DisplColIndex(ACol);
    TCellLook look(*Font());
    GetVisualProperties(dcol, ARow, true, false, false, look);
    bool wrap = look.WordWrap;
    DoGetWordWrap(ACol, ARow, wrap);
    TFont saved;
    saved.Assign(c->Font());
    TPoint size;
    if (kind == ctkHTML) {
        // Markup lays out at the screen's size; its size is turned into print units.
        c->Font()->Assign(&look.Font);
        TMarkupInput in;
        in.Canvas = c;
        in.Text = text;
        in.Rect = TRect(0, 0, ps->NoAutoSize() ? ColWidths(dcol) + 12 : 65535, 65535);
        in.CheckHeight = true;
        in.WordWrap = ps->NoAutoSize();
        in.Images = GetCellImageList(ACol, ARow);
        TMarkupOutput out;
        RenderMarkup(in, out);
        size = TPoint(int(std::lround(out.XSize * stp * FFontscalefactor)),
                      int(std::lround(out.YSize * stp * FFontscalefactor)));
    } else {
        if (kind == ctkRTF) text = RichCellPlainText(text);
        if (kind == ctkFormula) EvaluateCell(ACol, ARow, text);
        c->Font()->Assign(&look.Font);
        c->Font()->SetHeight(MapFontHeight(look.Font.Size()));
        TPoint g;
        if (ps->PrintGraphics()) {
            const TPoint s = GetCellGraphicSize(ACol, ARow);
            g = TPoint(int(std::lround(s.X * stp)), int(std::lround(s.Y * stp)));
        }
        if (text.isEmpty()) text = "gh";
        const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
        const bool rotated = graphic && graphic->CellType == ctRotated;
        const int lineHeight = c->TextHeight("gh");
        if (!wrap || !ps->NoAutoSize() || rotated) {
            const QStringList lines = PrintLines(text, Multilinecells());
            int widest = 0;
            for (String line : lines) {
                if (URLShow() && !URLFull()) StripURLProtocol(line);
                widest = std::max(widest, c->TextWidth(line));
            }
            size = TPoint(widest + g.X, lineHeight * static_cast<int>(lines.size()));
            if (rotated) {
                const double a = graphic->CellAngle * M_PI / 180.0;
                const int w = size.X, h = size.Y;
                size = TPoint(int(std::fabs(std::cos(a) * w) + std::fabs(std::sin(a) * h)),
                              int(std::fabs(std::sin(a) * widest) + std::fabs(std::cos(a) * h)));
            }
        } else {
            const bool merged = CellSpan(dcol, ARow).X > 0;
            const int boxWidth = merged ? 1000000 : PrintColWidth(std::min(dcol, int(FMaxWidths.size()) - 1));
            TRect box(0, 0, boxWidth, c->Mapping().FlipsY() ? -50 : 50);
            DrawText(c, text, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            size = TPoint(boxWidth, std::abs(box.Bottom - box.Top));
        }
        size.X = std::max(size.X, g.X);
        size.Y = std::max(size.Y, g.Y);
    }
    c->Font()->Assign(&saved);
    if (OnCustomCellSize) OnCustomCellSize(this, c, ACol, ARow, size, true);
    return size;
}

int TQvStringGrid::PrintRowHeight(int ARow) {
    TGridPrintJob* job = FPrintJob.get();
    if (job && job->CachedRow == ARow) return job->CachedHeight;
    std::vector<int>* known = job ? job->RowHeights : nullptr;
    if (known && ARow >= 0 && ARow < int(known->size()) && (*known)[size_t(ARow)] >= 0)
        return (*known)[size_t(ARow)];
    const TPrintSettings* ps = FPrintSettings.get();
    const double stp = job ? job->ScreenToPrint : kPrintScreenToPrint;
    int h = 0;
    if (ps->NoAutoSizeRow()) {
        h = static_cast<int>(std::lround(RowHeights(ARow) * stp)) - 4;
    } else if (ps->UseFixedHeight()) {
        h = ps->FixedHeight();
    } else {
        const int first = job ? job->FirstCol : 0, last = job ? job->LastCol : ColCount() - 1;
        int measured = 0;
        for (int c = std::max(first, 0); c <= last; ++c) {
            if (job && (c >= int(job->Widths.size()) || job->Widths[size_t(c)] < 0)) continue;
            if (CellSpan(c, ARow).Y > 0) continue;
            measured = MeasurePrintCell(RealColIndex(c), ARow).Y;
            h = std::max(h, measured);
        }
        if (h == 0) h = measured;
        h += h / 8;
    }
    if (OnPrintSetRowHeight) OnPrintSetRowHeight(this, ARow, h);
    if (job) {
        job->CachedRow = ARow;
        job->CachedHeight = h;
        if (known && ARow >= 0 && ARow < int(known->size())) (*known)[size_t(ARow)] = h;
    }
    return h;
}

int TQvStringGrid::PrintCell(int Y, int FromCol, int ToCol, int ARow) {
    const int H = PrintRowHeight(ARow);
    TGridPrintJob* job = FPrintJob.get();
    const TPrintSettings* ps = FPrintSettings.get();
    const int lineGap = job ? job->LineGap : 0;
    const int RH = 2 * lineGap + H + ps->RowSpacing();
    if (!job || !job->Drawing() || !job->Canvas || job->Page + 1 < FPrintPageFrom ||
        job->Page + 1 > FPrintPageTo)
        return RH;
    TCanvas* cv = job->Canvas;
    const double stp = job->ScreenToPrint;
    const auto widthOf = [&](int c) {
        return c >= 0 && c < int(job->Widths.size()) ? std::max(job->Widths[size_t(c)], 0) : 0;
    };
    const auto extraRowHeight = [&](int r) {
        if (ps->NoAutoSizeRow())
            return int(std::lround(RowHeights(r) * stp)) - 4 + 2 * lineGap + ps->RowSpacing();
        const int t = static_cast<int>(std::trunc((RowHeights(r) - 4) * stp));
        return t + t / 8 + 2 * lineGap + ps->RowSpacing();
    };
    // The background with the screen's cell painter, without its grid lines. White on the printer's paper
    // is left out: it changes nothing on the page and was a filled rectangle per cell in every document.
    const auto paintBackground = [&](const TRect& cell, const TCellLook& look) {
        const TCellFill& fill = look.Fill;
        const bool white = ColorToRGB(fill.Color) == clWhite &&
                           (fill.ColorTo == clNone || ColorToRGB(fill.ColorTo) == clWhite) &&
                           fill.MirrorColorTo == clNone;
        if (job->OnPaper && white) return;
        UprightUnits upright(cv, 1.0);
        TCellFrame frame;
        frame.LineWidth = 0;
        CellPainter(frame).Paint(cv, upright.Map(cell), look);
    };
    const auto settingsBorders = [&] {
        switch (ps->Borders()) {
        case pbSingle:
        case pbDouble:
            return TCellBorders((1u << cbTop) | (1u << cbLeft) | (1u << cbRight) | (1u << cbBottom));
        case pbHorizontal:
        case pbAroundHorizontal:
            return TCellBorders((1u << cbTop) | (1u << cbBottom));
        case pbVertical:
        case pbAroundVertical:
            return TCellBorders((1u << cbLeft) | (1u << cbRight));
        default:
            return TCellBorders(0);
        }
    };
    const auto drawLines = [&](const TRect& cell, int col, const TPen& pen, TCellBorders borders) {
        // At least one device pixel, as the platform's thinnest pen: a tenth of a millimetre is less than a
        // screen pixel, and the preview's lines would vanish.
        const double scale = std::fabs(cv->Mapping().ScaleX);
        const int pixel = scale > 0 ? int(std::ceil(1.0 / scale - 1e-9)) : 1;
        const int pw =
            std::max(pixel, job->Mode == gpmPrint ? int(std::lround(pen.Width() * stp)) : pen.Width());
        cv->Pen()->Assign(&pen);
        cv->Pen()->SetWidth(pw);
        const int l = col == FromCol ? cell.Left : cell.Left - pw;
        if (borders & (1u << cbLeft)) {
            cv->MoveTo(l, cell.Top);
            cv->LineTo(l, cell.Bottom);
        }
        if (borders & (1u << cbRight)) {
            cv->MoveTo(cell.Right, cell.Top);
            cv->LineTo(cell.Right, cell.Bottom);
        }
        if (borders & (1u << cbTop)) {
            cv->MoveTo(l, cell.Top);
            cv->LineTo(cell.Right, cell.Top);
        }
        if (borders & (1u << cbBottom)) {
            cv->MoveTo(l, cell.Bottom);
            cv->LineTo(cell.Right, cell.Bottom);
        }
    };
    // A cell covered by a merged area is drawn by the area's base cell where that cell's rectangle reaches
    // it. Where the area goes on over a page break (or past the end of a stripe) the covered cell keeps
    // the area's fill and its outer lines, so the area reads as one on every page; its text stays with
    // the base cell.
    const auto printCovered = [&](int col, int rc) {
        const TRect area = FullCell(col, ARow);
        if (job->AreaDrawnOver(area.Left, area.Top, col, ARow)) return;
        const int left = col < int(FIndents.size()) ? FIndents[size_t(col)] : 0;
        const TRect cell(left, Y, std::min(left + widthOf(col) + job->Spacing, job->PageRight), Y - RH);
        TCellLook look(*Font());
        GetVisualProperties(area.Left, area.Top, true, false, true, look);
        paintBackground(cell, look);
        TCellBorders borders = settingsBorders();
        TPen pen;
        pen.SetWidth(1);
        pen.SetColor(ps->BorderColor());
        DoGetCellPrintBorder(rc, ARow, &pen, borders);
        // Inner lines of the area are dropped; the start of the stripe closes it on the left.
        if (col != area.Left && col != FromCol) borders &= ~(1u << cbLeft);
        if (col != area.Right) borders &= ~(1u << cbRight);
        if (ARow != area.Top) borders &= ~(1u << cbTop);
        if (ARow != area.Bottom) borders &= ~(1u << cbBottom);
        drawLines(cell, col, pen, borders);
    };
    for (int col = FromCol; col <= ToCol; ++col) {
        if (col < 0 || col >= int(job->Widths.size()) || job->Widths[size_t(col)] < 0) continue;
        const int rc = RealColIndex(col);
        if (!IsBaseCell(col, ARow)) {
            printCovered(col, rc);
            continue;
        }
        const TPoint span = CellSpan(col, ARow);
        int width = 0;
        for (int c = col; c <= col + span.X; ++c)
            width += widthOf(c) + job->Spacing;
        int height = RH;
        for (int r = ARow + 1; r <= ARow + span.Y; ++r)
            height += extraRowHeight(r);
        TCellBorders borders = settingsBorders();
        // A merged area reaching past the footer is cut to its first row and loses its bottom line.
        const bool cut = span.Y > 0 && Y - height < job->PageBottom + ps->FooterSize();
        if (cut) {
            height = RH;
            borders &= ~(1u << cbBottom);
        }
        if (span.X > 0 || span.Y > 0)
            job->DrawnAreas[{col, ARow}] = {job->Page, std::min(col + span.X, ToCol),
                                            cut ? ARow : ARow + span.Y};
        const int left = col < int(FIndents.size()) ? FIndents[size_t(col)] : 0;
        const int right = std::min(left + width, job->PageRight);
        const TRect cell(left, Y, right, Y - height);
        TPen pen;
        pen.SetWidth(1);
        pen.SetColor(ps->BorderColor());
        DoGetCellPrintBorder(rc, ARow, &pen, borders);

        TCellLook look(*Font());
        GetVisualProperties(col, ARow, true, false, true, look);
        bool wrap = look.WordWrap;
        DoGetWordWrap(rc, ARow, wrap);
        TAlignment ha = look.HAlign;
        TVAlignment va = look.VAlign;
        GetCellAlignment(rc, ARow, ha, va);
        paintBackground(cell, look);

        String text = HasDataDrivenGraphic(rc, ARow) ? String() : GetFormattedCell(rc, ARow);
        int kind = CellTextKind(text, EnableHTML());
        if (kind == ctkFormula) {
            EvaluateCell(rc, ARow, text);
            kind = ctkPlain;
        }
        TCellGraphic* graphic = GetCellGraphic(rc, ARow);
        const bool rotated = graphic && graphic->CellType == ctRotated;
        cv->Font()->Assign(&look.Font);
        cv->Font()->SetHeight(MapFontHeight(look.Font.Size()));
        cv->Brush()->SetStyle(bsClear);
        const int halfG = cv->TextWidth("g") / 2;
        TRect tr(cell.Left + halfG, Y - lineGap, cell.Right - halfG, Y - height + lineGap);

        // The graphic takes its room beside or above the text.
        if (ps->PrintGraphics() && graphic && !rotated) {
            const TCellGraphicInfo gi = GetCellGraphicInfo(rc, ARow);
            const int gw = int(std::lround(gi.Width * stp)), gh = int(std::lround(gi.Height * stp));
            if (gi.HAlign == haLeft || gi.HAlign == haBeforeText)
                tr.Left = cell.Left + int(std::lround(stp)) + gw;
            if (gi.HAlign == haRight || gi.HAlign == haAfterText) tr.Right = cell.Right - gw - halfG;
            if (gi.VAlign == vaAboveText) tr.Top -= gh;
            if (gi.VAlign == vaUnderText) tr.Bottom += gh;
            UprightUnits screen(cv, stp);
            TCellGraphicPass pass;
            pass.Canvas = cv;
            pass.RealCol = rc;
            pass.DisplayCol = col;
            pass.Row = ARow;
            pass.TextWidth = int(cv->TextWidth(text) / stp);
            pass.TextAlign = ha;
            pass.TextVAlign = va;
            TRect gr = screen.Map(cell);
            DrawCellGraphics(pass, gr, graphic);
            if (graphic->CellType == ctRadio) text.clear();
        }

        if (kind == ctkHTML || kind == ctkRTF || rotated) {
            // Drawn at the screen's size in screen units, as on screen.
            UprightUnits screen(cv, stp);
            cv->Font()->Assign(&look.Font);
            TRect r = screen.Map(TRect(cell.Left, Y - lineGap, cell.Right, cell.Bottom));
            if (kind == ctkHTML) {
                r.Right -= cv->TextWidth("g") / 2 + 2;
                TMarkupInput in;
                in.Canvas = cv;
                in.Text = text;
                in.Rect = r;
                in.Images = GetCellImageList(rc, ARow);
                in.WordWrap = wrap;
                in.Print = true;
                TMarkupOutput out;
                RenderMarkup(in, out);
            } else if (kind == ctkRTF) {
                DrawRichTextCell(rc, ARow, r, cv);
            } else {
                const String stored = Cells(rc, ARow);
                const TPoint at = PlaceRotatedText(r, graphic->CellAngle, ha, va, cv->TextWidth(stored),
                                                   cv->TextHeight(stored));
                const TRect savedClip = cv->ClipRect();
                cv->IntersectClipRect(r);
                DrawMarkupRotatedText(cv, at.X, at.Y, graphic->CellAngle, stored);
                cv->SetClipRect(savedClip);
            }
        } else if (!text.isEmpty()) {
            if (URLShow() && !URLFull()) StripURLProtocol(text);
            const unsigned hflag = ha == taRightJustify ? DT_RIGHT : ha == taCenter ? DT_CENTER : DT_LEFT;
            const QStringList lines = PrintLines(text, Multilinecells());
            if (wrap && ps->NoAutoSize()) {
                tr.Left += int(std::lround(2 * stp));
                DrawText(cv, text, tr, DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP | hflag);
            } else if (lines.size() <= 1) {
                const unsigned vflag = va == vtaBottom ? DT_BOTTOM : va == vtaCenter ? DT_VCENTER : DT_TOP;
                unsigned flags = DT_SINGLELINE | DT_NOPREFIX | hflag | vflag;
                if (EnhTextSize() && ps->NoAutoSize()) flags |= DT_END_ELLIPSIS;
                DrawText(cv, text, tr, flags);
            } else {
                const int lineHeight = cv->TextHeight("gh") + ps->RowSpacing();
                const int step = lineHeight + lineHeight / 8;
                const int used = step * static_cast<int>(lines.size());
                const int room = tr.Top - tr.Bottom;
                int y = tr.Top;
                if (span.Y == 0 && va == vtaCenter) y -= std::max(0, room - used) / 2;
                if (span.Y == 0 && va == vtaBottom) y -= std::max(0, room - used);
                for (const String& line : lines) {
                    TRect lr(tr.Left, y, tr.Right, y - lineHeight);
                    DrawText(cv, line, lr, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | hflag);
                    y -= step;
                }
            }
        }

        if (OnCustomCellDraw) {
            // The event draws in device pixels.
            const TCanvasMapping saved = cv->Mapping();
            const TPoint tl = saved.LogicalToDevice(TPoint(cell.Left, cell.Top));
            const TPoint br = saved.LogicalToDevice(TPoint(cell.Right, cell.Bottom));
            cv->SetMapping(TCanvasMapping::Pixels());
            OnCustomCellDraw(this, cv, rc, ARow, 0, TRect(tl.X, tl.Y, br.X, br.Y), true);
            cv->SetMapping(saved);
        }

        drawLines(cell, col, pen, borders);
    }
    return RH;
}
