// Measuring a string grid cell's contents: plain, wrapped, multi-line, markup, rich and rotated text.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvRichEdit.h"

#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"

#include <cmath>
#include <numbers>

namespace {
// The box a W x H text needs once turned by the angle: each side takes both projections, so no corner of the
// turned text falls outside.
TPoint MeasureRotatedBox(int W, int H, int angle) {
    const double a = angle * std::numbers::pi / 180.0;
    const double s = std::fabs(std::sin(a));
    const double c = std::fabs(std::cos(a));
    return TPoint(static_cast<int>(std::ceil(W * c + H * s - 1e-9)) + 12,
                  static_cast<int>(std::ceil(W * s + H * c - 1e-9)) + 12);
}
} // namespace

TPoint TQvStringGrid::GetCellTextSize(int ACol, int ARow, bool WithButton, bool AWordWrap) {
    const int dcol = DisplColIndex(ACol);
    String text = GetFormattedCell(ACol, ARow);
    int kind = CellTextKind(text, EnableHTML());
    TCanvas* canvas = Canvas();
    TBrush brush;
    GetFontProperties(dcol, ACol, false, &brush, canvas->Font(), 0, ARow);
    if ((ARow < TCustomGrid::FixedRows() || dcol < TCustomGrid::FixedCols()) && FActiveCellShow &&
        (FActiveCellFont->Style() & fsBold))
        canvas->Font()->SetStyle(canvas->Font()->Style() | fsBold);
    if (FZoomFactor != 0) canvas->Font()->SetSize(canvas->Font()->Size() + FZoomFactor);
    if (kind == ctkFormula) {
        EvaluateCell(ACol, ARow, text);
        kind = CellTextKind(text, EnableHTML());
    }

    TRect r = CellRect(dcol, ARow);
    if (XYOffsetTopLeftOnly()) {
        r.Left += FXYOffset.X;
        r.Top += FXYOffset.Y;
    } else {
        r = TRect(r.Left + FXYOffset.X, r.Top + FXYOffset.Y, r.Right - FXYOffset.X, r.Bottom - FXYOffset.Y);
    }
    if (WithButton) r.Right -= 17;

    if (kind == ctkHTML) {
        if (!AWordWrap) r.Right = 65535;
        r.Bottom = 65535;
        TMarkupInput in;
        in.Canvas = canvas;
        in.Text = text;
        in.Rect = r;
        in.Images = GetCellImageList(ACol, ARow);
        in.CheckHeight = true;
        in.Selected = true;
        in.WordWrap = !EnhTextSize();
        in.ShadowOffset = 1;
        in.ShadowColor = clGray;
        in.URLColor = URLColor();
        TMarkupOutput out;
        RenderMarkup(in, out);
        return TPoint(out.XSize + 2, out.YSize + 2);
    }

    // Rich text is measured by the hidden rich edit, which lays it out exactly as it will paint it; its
    // plain text in the rich edit's font is what the plain measurement below sees.
    TQvRichEdit* rich = nullptr;
    if (kind == ctkRTF && !IsDesigning()) {
        rich = RichEdit();
        rich->Clear();
        rich->SetBounds(0, 0, 0, 0);
        rich->SetWordWrap(false);
        CellToRich(ACol, ARow, rich);
        canvas->Font()->SetName(rich->SelAttributes()->Name());
        canvas->Font()->SetSize(rich->SelAttributes()->Size());
        canvas->Font()->SetStyle(rich->SelAttributes()->Style());
        text = rich->PlainText();
    }

    int width = 0;
    int height = 0;
    const bool rotated = GetCellType(ACol, ARow) == ctRotated;
    if (AWordWrap) {
        r = TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
        if (EditorMode() && Col() == dcol && Row() == ARow && text.endsWith('\n')) text += "w";
        unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | (rotated ? DT_SINGLELINE : DT_WORDBREAK) | DT_CALCRECT;
        TRect calc = r;
        height = DrawText(canvas, text, calc, flags);
        width = calc.Width();
    } else {
        String all = text;
        all.replace("\r\n", "\n");
        all.replace('\r', '\n');
        const QStringList lines = Multilinecells() ? all.split('\n') : QStringList{all};
        for (String line : lines) {
            if (URLShow() && !URLFull() && kind == ctkPlain) StripURLProtocol(line);
            width = std::max(width, canvas->TextWidth(line));
        }
        height = canvas->TextHeight("gh") * static_cast<int>(lines.size());
    }
    if (rotated) {
        int angle = 0;
        IsRotated(ACol, ARow, angle);
        const TPoint box = MeasureRotatedBox(width, height, angle);
        width = box.X;
        height = box.Y;
    }
    if (rich) {
        rich->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        rich->SetWordWrap(WordWrap());
        return TPoint(rich->ReqWidth(), rich->ReqHeight() + 4);
    }
    return TPoint(width, height);
}
