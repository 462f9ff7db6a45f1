// The grid's check-box and radio-group painters: the control look's settings over the glyphs of every
// control style.
#include "controls/grid/QvGrid.h"
#include "toolkit/graphics/ThemeDraw.h"

#include <cmath>

TGlyphLook TQvStringGrid::GlyphLook() const {
    TGlyphLook look;
    look.Style = FControlLook->ControlStyle();
    look.CheckSize = FControlLook->CheckSize();
    look.RadioSize = FControlLook->RadioSize();
    look.Color = FControlLook->Color();
    look.CheckedGlyph = FControlLook->CheckedGlyph();
    look.UnCheckedGlyph = FControlLook->UnCheckedGlyph();
    look.RadioOnGlyph = FControlLook->RadioOnGlyph();
    look.RadioOffGlyph = FControlLook->RadioOffGlyph();
    look.Themed = FIsComCtl6 && IsThemeActive();
    return look;
}

void TQvStringGrid::DrawCheckBox(TCanvas* ACanvas, const TRect& R, bool Checked, int TriStateValue,
                                 bool TriState, TControlStyle Style, bool Grayed, bool Enabled) {
    if (!ACanvas) return;
    if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->CheckAlwaysActive()) Enabled = true;
    if (TriState) {
        Checked = TriStateValue == 1;
        Grayed = TriStateValue == 2;
    }
    TGlyphLook look = GlyphLook();
    look.Style = Style;
    if (look.Style == csTheme && !look.Themed) look.Style = csClassic;
    UnmirroredBox box(*this, ACanvas, R.Left, R.Right);
    DrawCheckGlyph(ACanvas, R, Checked, Grayed, Enabled, look);
}

void TQvStringGrid::DrawRadioButton(TCanvas* ACanvas, const TRect& R, bool StackUp, double Scale,
                                    TControlStyle Style, int ACol, int ARow, bool SelectedCell,
                                    const TStrings* Items, bool Disabled, bool Horizontal, int SelIndex,
                                    int Count) {
    if (!ACanvas || Count < 1) return;
    if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->RadioAlwaysActive()) Disabled = false;
    TGlyphLook look = GlyphLook();
    look.Style = Style;
    if (look.Style == csTheme && !look.Themed) look.Style = csClassic;
    const bool drawnSmall = look.Style == csClassic || look.Style == csFlat;
    const bool bitmapLike = look.Style == csWinXP || look.Style == csVUR || look.Style == csGlyph;

    UnmirroredBox box(*this, ACanvas, R.Left, R.Right);
    const TBrushStyle savedBrushStyle = ACanvas->Brush()->Style();
    const TColor savedFontColor = ACanvas->Font()->Color();
    ACanvas->Brush()->SetStyle(bsClear);
    if (SelectedCell && ShowSelection()) ACanvas->Font()->SetColor(SelectionTextColor());

    const int d = StackUp ? -1 : 1;
    const int rs = look.RadioSize;
    const int glyph = static_cast<int>(std::lround(Scale * (look.Style == csFlat ? rs + 2 : rs)));
    const int textOffset = static_cast<int>(std::lround(Scale * rs));
    const int gh = ACanvas->TextHeight("gh");
    const String cellText = Cells(ACol, ARow);
    int w = 0;
    for (int i = 1; i <= Count; ++i) {
        const String text = Items && i - 1 < Items->Count() ? Items->Strings(i - 1) : String();
        const bool on = i == SelIndex + 1 || (SelIndex == -1 && text == cellText);
        int x, y;
        if (drawnSmall) {
            if (Horizontal) {
                x = R.Left + 2 + (i - 1) * rs + w;
                y = R.Top + (R.Height() - rs) / 2;
                DrawRadioGlyph(ACanvas, x, y, glyph, on, !Disabled, look);
                if (!text.isEmpty()) ACanvas->TextOut(x + textOffset, y - 2, text);
                w += ACanvas->TextWidth(text);
            } else {
                y = R.Top + gh * (i - 1) * d + 2;
                x = text.isEmpty() ? R.Left + (R.Width() - glyph) / 2 : R.Left + 2;
                DrawRadioGlyph(ACanvas, x, y, glyph, on, !Disabled, look);
                if (!text.isEmpty())
                    ACanvas->TextOut(R.Left + 2 + static_cast<int>(std::lround(Scale * (rs + 4))), y - 2,
                                     text);
            }
            continue;
        }
        if (Horizontal) {
            x = R.Left + 16 * i - 14 + w;
            y = R.Top + (R.Height() - 16) / 2;
            DrawRadioGlyph(ACanvas, x, y, 16, on, !Disabled, look);
            if (!text.isEmpty()) ACanvas->TextOut(x + 16, bitmapLike ? y + 1 : y - 2, text);
            w += ACanvas->TextWidth(text);
        } else {
            const int h = std::max(16, gh);
            const int rowTop = R.Top + h * (i - 1) * d;
            y = rowTop + 2;
            x = text.isEmpty() ? R.Left + (R.Width() - 16) / 2 : R.Left + 2;
            DrawRadioGlyph(ACanvas, x, y, 16, on, !Disabled, look);
            if (!text.isEmpty())
                ACanvas->TextOut(bitmapLike ? R.Left + 18 : R.Left + 20, bitmapLike ? y + 1 : rowTop, text);
        }
    }
    ACanvas->Font()->SetColor(savedFontColor);
    ACanvas->Brush()->SetStyle(savedBrushStyle);
}
