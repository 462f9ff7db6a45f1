// The grid's built-in bitmaps and the check-box and radio glyphs of every control style.
#include "controls/grid/paint/GraphicPainter.h"

#include "controls/grid/QvGrid_Settings.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/PictureFrames.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/StringList.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

constexpr const char* kGridBitmapNames[] = {
    "QSGCHK01",     "QSGCHK02",      "QSGCHK03",    "QSGCHK04",     "QSGCHK05",     "QSGCHK06",
    "QSGCHK07",     "QSGCHK08",      "QSGRAD01",    "QSGRAD02",     "QSGRAD03",     "QSGRAD04",
    "QSGRAD05",     "QSGRAD06",      "QSGRAD07",    "QSGRAD08",     "metrocheckon", "metrocheckoff",
    "metroradioon", "metroradiooff", "QSGLEAFOPEN", "QSGLEAFCLOSE", "XPNODEO",      "XPNODEC",
    "QSGFILT",      "QSGCLOSE",
};

bool isGridBitmapName(const String& name) {
    for (const char* n : kGridBitmapNames)
        if (name == QLatin1String(n)) return true;
    return false;
}

// Draws a glyph with the colour of its bottom-left pixel left out, without touching the caller's bitmap.
void drawGlyphCopyTransparent(TCanvas* canvas, int x, int y, TBitmap* glyph) {
    if (!glyph || glyph->Empty()) return;
    if (glyph->Transparent()) {
        canvas->Draw(x, y, glyph);
        return;
    }
    TBitmap copy;
    copy.Assign(glyph);
    copy.SetTransparent(true);
    canvas->Draw(x, y, &copy);
}

void drawSharedGlyph(TCanvas* canvas, int x, int y, const char* name) {
    if (TBitmap* bmp = GridBitmap(QString::fromLatin1(name))) canvas->Draw(x, y, bmp);
}

void drawBorlandCheck(TCanvas* c, TRect r, bool checked, bool enabled, const TGlyphLook& look) {
    const int size = look.CheckSize;
    r = TRect(r.Left, r.Top, r.Left + size, r.Top + size);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(enabled ? clBtnFace : clBtnShadow);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clBtnFace);
    c->Rectangle(r);
    c->Pen()->SetColor(clBtnHighlight);
    c->MoveTo(r.Left, r.Bottom - 1);
    c->LineTo(r.Left, r.Top);
    c->LineTo(r.Right - 1, r.Top);
    c->Pen()->SetColor(clBtnShadow);
    c->LineTo(r.Right - 1, r.Bottom - 1);
    c->LineTo(r.Left, r.Bottom - 1);
    if (!checked) return;
    const int half = size / 2;
    const int top = r.Top;
    r.Top -= 1;
    r.Bottom -= 1;
    c->Pen()->SetColor(enabled ? look.Color : clGray);
    c->MoveTo(r.Left + 2, top + half);
    c->LineTo(r.Left + 2, r.Bottom - 1);
    c->MoveTo(r.Left + 3, r.Top + half);
    c->LineTo(r.Left + 3, r.Bottom - 2);
    c->MoveTo(r.Left + 2, r.Bottom - 1);
    c->LineTo(r.Right - 2, r.Top + 3);
    c->MoveTo(r.Left + 3, r.Bottom - 1);
    c->LineTo(r.Right - 1, r.Top + 3);
}

void drawBorlandRadio(TCanvas* c, int x, int y, bool on, const TGlyphLook& look) {
    const TColor savedBrush = c->Brush()->Color();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->Pen()->SetStyle(psClear);
    c->Polygon({TPoint(x + 2, y + 8), TPoint(x + 8, y + 2), TPoint(x + 14, y + 8), TPoint(x + 8, y + 14)});
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    // Lit from the top-left when off, from the bottom-right when on.
    c->Pen()->SetColor(on ? clGray : clWhite);
    c->MoveTo(x + 8, y + 14);
    c->LineTo(x + 2, y + 8);
    c->LineTo(x + 8, y + 2);
    c->Pen()->SetColor(on ? clWhite : clGray);
    c->LineTo(x + 14, y + 8);
    c->LineTo(x + 8, y + 14);
    if (on) {
        c->Pen()->SetColor(look.Color);
        c->Brush()->SetColor(look.Color);
        c->Polygon(
            {TPoint(x + 6, y + 8), TPoint(x + 8, y + 6), TPoint(x + 10, y + 8), TPoint(x + 8, y + 10)});
    }
    c->Brush()->SetColor(savedBrush);
}

} // namespace

bool LoadGridBitmap(TBitmap* Target, const String& Name) {
    if (!Target || !isGridBitmapName(Name)) return false;
    QByteArray data;
    if (!ReadResourceBytes("grid/" + Name + ".png", data)) return false;
    try {
        TPngImage png;
        png.LoadFromBytes(data);
        Target->Assign(&png);
    } catch (const Exception&) {
        return false;
    }
    return true;
}

TBitmap* GridBitmap(const String& Name) {
    static std::map<String, std::unique_ptr<TBitmap>> loaded;
    auto it = loaded.find(Name);
    if (it != loaded.end()) return it->second.get();
    auto bmp = std::make_unique<TBitmap>();
    if (!LoadGridBitmap(bmp.get(), Name)) return nullptr;
    bmp->SetTransparent(true);
    return loaded.emplace(Name, std::move(bmp)).first->second.get();
}

void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Grayed, bool Enabled,
                    const TGlyphLook& Look) {
    if (!Canvas) return;
    TControlStyle style = Look.Style;
    if (style == csTheme && !Look.Themed) style = csClassic;
    const int size = std::max(0, Look.CheckSize);
    switch (style) {
    case csWinXP:
        drawSharedGlyph(Canvas, R.Left, R.Top,
                        Checked ? (Enabled ? "QSGCHK05" : "QSGCHK07") : (Enabled ? "QSGCHK06" : "QSGCHK08"));
        break;
    case csVUR:
        drawSharedGlyph(Canvas, R.Left, R.Top,
                        Checked ? (Enabled ? "QSGCHK01" : "QSGCHK03") : (Enabled ? "QSGCHK02" : "QSGCHK04"));
        break;
    case csBorland:
        drawBorlandCheck(Canvas, R, Checked, Enabled, Look);
        break;
    case csGlyph:
        drawGlyphCopyTransparent(Canvas, R.Left, R.Top, Checked ? Look.CheckedGlyph : Look.UnCheckedGlyph);
        break;
    case csTheme: {
        int state = Grayed ? 9 : Checked ? 5 : 1;
        if (!Enabled) state += 3;
        DrawThemeBackground(Canvas, "button", 3, state, TRect(R.Left, R.Top, R.Left + size, R.Top + size));
        break;
    }
    default: {
        // A square of the check size centred in R.
        const int left = R.Left + (R.Width() - size) / 2;
        const int top = R.Top + (R.Height() - size) / 2;
        unsigned state = Grayed ? DFCS_BUTTON3STATE | DFCS_CHECKED : DFCS_BUTTONCHECK;
        if (Checked) state |= DFCS_CHECKED;
        if (style == csFlat) state |= DFCS_FLAT;
        if (!Enabled) state |= DFCS_INACTIVE;
        DrawFrameControl(Canvas, TRect(left, top, left + size, top + size), DFC_BUTTON, state);
        break;
    }
    }
}

void DrawRadioGlyph(TCanvas* Canvas, int X, int Y, int Size, bool On, bool Enabled, const TGlyphLook& Look) {
    if (!Canvas) return;
    TControlStyle style = Look.Style;
    if (style == csTheme && !Look.Themed) style = csClassic;
    switch (style) {
    case csWinXP:
        drawSharedGlyph(Canvas, X, Y,
                        On ? (Enabled ? "QSGRAD05" : "QSGRAD07") : (Enabled ? "QSGRAD06" : "QSGRAD08"));
        break;
    case csVUR:
        drawSharedGlyph(Canvas, X, Y,
                        On ? (Enabled ? "QSGRAD01" : "QSGRAD03") : (Enabled ? "QSGRAD02" : "QSGRAD04"));
        break;
    case csBorland:
        drawBorlandRadio(Canvas, X, Y, On, Look);
        break;
    case csGlyph:
        drawGlyphCopyTransparent(Canvas, X, Y, On ? Look.RadioOnGlyph : Look.RadioOffGlyph);
        break;
    case csTheme:
        // Drawn in the square asked for: a cell's radio button leaves its text only RadioSize of room.
        if (Size > 0)
            DrawThemeBackground(Canvas, "button", 2, (On ? 5 : 1) + (Enabled ? 0 : 3),
                                TRect(X, Y, X + Size, Y + Size));
        break;
    default: {
        if (Size <= 0) return;
        unsigned state = DFCS_BUTTONRADIO;
        if (On) state |= DFCS_CHECKED;
        if (style == csFlat) state |= DFCS_FLAT;
        if (!Enabled) state |= DFCS_INACTIVE;
        DrawFrameControl(Canvas, TRect(X, Y, X + Size, Y + Size), DFC_BUTTON, state);
        break;
    }
    }
}

TGlyphLook GlyphLookOf(const TControlLook& Controls, bool ComCtl6) {
    TGlyphLook look;
    look.Style = Controls.ControlStyle();
    look.CheckSize = Controls.CheckSize();
    look.RadioSize = Controls.RadioSize();
    look.Color = Controls.Color();
    look.CheckedGlyph = Controls.CheckedGlyph();
    look.UnCheckedGlyph = Controls.UnCheckedGlyph();
    look.RadioOnGlyph = Controls.RadioOnGlyph();
    look.RadioOffGlyph = Controls.RadioOffGlyph();
    look.Themed = ComCtl6 && IsThemeActive();
    return look;
}

void GraphicPainter::PaintCheckBox(TCanvas* Canvas, const TRect& R, bool Checked, int TriStateValue,
                                   bool TriState, TControlStyle Style, bool Grayed, bool Enabled) {
    if (!Canvas) return;
    const TControlLook& controls = *FLook.Controls;
    if (controls.NoDisabledCheckRadioLook() || controls.CheckAlwaysActive()) Enabled = true;
    if (TriState) {
        Checked = TriStateValue == 1;
        Grayed = TriStateValue == 2;
    }
    TGlyphLook look = GlyphLook();
    look.Style = Style;
    if (look.Style == csTheme && !look.Themed) look.Style = csClassic;
    UnmirroredBox box(FCells, Canvas, R.Left, R.Right);
    DrawCheckGlyph(Canvas, R, Checked, Grayed, Enabled, look);
}

void GraphicPainter::PaintRadioGroup(TCanvas* Canvas, const TRect& R, bool StackUp, double Scale,
                                     TControlStyle Style, const String& CellText, bool SelectedCell,
                                     const TStrings* Items, bool Disabled, bool Horizontal, int SelIndex,
                                     int Count) {
    if (!Canvas || Count < 1) return;
    const TControlLook& controls = *FLook.Controls;
    if (controls.NoDisabledCheckRadioLook() || controls.RadioAlwaysActive()) Disabled = false;
    TGlyphLook look = GlyphLook();
    look.Style = Style;
    if (look.Style == csTheme && !look.Themed) look.Style = csClassic;
    const bool drawnSmall = look.Style == csClassic || look.Style == csFlat;
    const bool bitmapLike = look.Style == csWinXP || look.Style == csVUR || look.Style == csGlyph;

    UnmirroredBox box(FCells, Canvas, R.Left, R.Right);
    const TBrushStyle savedBrushStyle = Canvas->Brush()->Style();
    const TColor savedFontColor = Canvas->Font()->Color();
    Canvas->Brush()->SetStyle(bsClear);
    if (SelectedCell && FLook.ShowSelection) Canvas->Font()->SetColor(FLook.SelectionTextColor);

    const int d = StackUp ? -1 : 1;
    const int rs = look.RadioSize;
    const int glyph = static_cast<int>(std::lround(Scale * (look.Style == csFlat ? rs + 2 : rs)));
    const int textOffset = static_cast<int>(std::lround(Scale * rs));
    const int gh = Canvas->TextHeight("gh");
    int w = 0;
    for (int i = 1; i <= Count; ++i) {
        const String text = Items && i - 1 < Items->Count() ? Items->Strings(i - 1) : String();
        const bool on = i == SelIndex + 1 || (SelIndex == -1 && text == CellText);
        int x, y;
        if (drawnSmall) {
            if (Horizontal) {
                x = R.Left + 2 + (i - 1) * rs + w;
                y = R.Top + (R.Height() - rs) / 2;
                DrawRadioGlyph(Canvas, x, y, glyph, on, !Disabled, look);
                if (!text.isEmpty()) Canvas->TextOut(x + textOffset, y - 2, text);
                w += Canvas->TextWidth(text);
            } else {
                y = R.Top + gh * (i - 1) * d + 2;
                x = text.isEmpty() ? R.Left + (R.Width() - glyph) / 2 : R.Left + 2;
                DrawRadioGlyph(Canvas, x, y, glyph, on, !Disabled, look);
                if (!text.isEmpty())
                    Canvas->TextOut(R.Left + 2 + static_cast<int>(std::lround(Scale * (rs + 4))), y - 2,
                                    text);
            }
            continue;
        }
        if (Horizontal) {
            x = R.Left + 16 * i - 14 + w;
            y = R.Top + (R.Height() - 16) / 2;
            DrawRadioGlyph(Canvas, x, y, 16, on, !Disabled, look);
            if (!text.isEmpty()) Canvas->TextOut(x + 16, bitmapLike ? y + 1 : y - 2, text);
            w += Canvas->TextWidth(text);
        } else {
            const int h = std::max(16, gh);
            const int rowTop = R.Top + h * (i - 1) * d;
            y = rowTop + 2;
            x = text.isEmpty() ? R.Left + (R.Width() - 16) / 2 : R.Left + 2;
            DrawRadioGlyph(Canvas, x, y, 16, on, !Disabled, look);
            if (!text.isEmpty())
                Canvas->TextOut(bitmapLike ? R.Left + 18 : R.Left + 20, bitmapLike ? y + 1 : rowTop, text);
        }
    }
    Canvas->Font()->SetColor(savedFontColor);
    Canvas->Brush()->SetStyle(savedBrushStyle);
}
