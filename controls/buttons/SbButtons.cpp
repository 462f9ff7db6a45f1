// The styled button's colour presets, fade blend, gradient bands and face painter.
#include "controls/buttons/SbButtons.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <algorithm>

TSbStyleColors GetSbStyleColors(TSbColorStyle preset) {
    // Rows: face, light, shadow, when down, hot track, flat, style (0xBBGGRR).
    struct Row {
        TSbColorStyle preset;
        TColor face, light, shadow, down, hot;
        bool flat;
        TSbButtonStyle style;
    };
    static const Row rows[] = {
        {lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, bsModern},
        {lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, false, bsModern},
        {lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, false, bsModern},
        {lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, false, bsModern},
        {lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, bsNormal},
        {lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, bsNormal},
        {lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, bsNormal},
        {lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, false, bsModern},
        {lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, false, bsNormal},
        {lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, bsQuicken},
    };
    TSbStyleColors c;
    for (const Row& r : rows) {
        if (r.preset != preset) continue;
        c.Face = r.face;
        c.Light = r.light;
        c.Shadow = r.shadow;
        c.WhenDown = r.down;
        c.HotTrack = r.hot;
        c.Flat = r.flat;
        c.Style = r.style;
        c.FontColor = preset == lcsQuicken ? clWhite : clBlack;
    }
    return c;
}

TColor SbFadeColor(TColor face, TColor hotTrack, int step) {
    const TColor a = ColorToRGB(face), b = ColorToRGB(hotTrack);
    const double f = step / 8.0;
    auto mix = [f](int x, int y) { return static_cast<int>(x * (1 - f) + y * f); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

void SbGradientBands(TCanvas* canvas, TColor a, TColor b, const TRect& r) {
    const TColor ca = ColorToRGB(a), cb = ColorToRGB(b);
    const double dr = (GetRValue(cb) - GetRValue(ca)) / 31.0;
    const double dg = (GetGValue(cb) - GetGValue(ca)) / 31.0;
    const double db = (GetBValue(cb) - GetBValue(ca)) / 31.0;
    double red = GetRValue(ca), green = GetGValue(ca), blue = GetBValue(ca);
    const int extent = r.Bottom - r.Top;
    const int band = extent / 31 + 1;
    const TPenStyle savedPen = canvas->Pen()->Style();
    canvas->Pen()->SetStyle(psClear);
    canvas->Brush()->SetStyle(bsSolid);
    for (int i = 0; i <= 31; ++i) {
        canvas->Brush()->SetColor(
            RGB(static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue)));
        const int top = r.Top + i * extent / 31;
        canvas->FillRect(TRect(r.Left, top, r.Right, std::min(top + band, r.Bottom)));
        red += dr;
        green += dg;
        blue += db;
    }
    canvas->Pen()->SetStyle(savedPen);
}

namespace {

void sbLine(TCanvas* c, TColor color, std::initializer_list<TPoint> points) {
    c->Pen()->SetColor(color);
    auto it = points.begin();
    c->MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it)
        c->LineTo(it->X, it->Y);
}

void sbBorder(TCanvas* c, const TSbFace& f, TColor face, bool pressed) {
    const int W = f.Width, H = f.Height;
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    switch (f.Style) {
    case bsNormal:
    case bsEncarta:
        sbLine(c, pressed ? f.ShadowColor : f.LightColor, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        c->Pen()->SetColor(pressed ? f.LightColor : f.ShadowColor);
        c->LineTo(W - 1, H - 1);
        c->LineTo(0, H - 1);
        break;
    case bsOld:
        if (pressed)
            sbLine(c, f.ShadowColor, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        else
            sbLine(c, f.ShadowColor, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
        sbLine(c, pressed ? cl3DDkShadow : f.LightColor, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        c->Pen()->SetColor(pressed ? f.LightColor : cl3DDkShadow);
        c->LineTo(W - 1, H - 1);
        c->LineTo(-1, H - 1);
        break;
    case bsModern:
        c->Pen()->SetColor(pressed ? f.ShadowColor : face);
        c->Rectangle(1, 1, W - 1, H - 1);
        c->Pen()->SetColor(f.ShadowColor);
        c->RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        c->Pen()->SetColor(pressed ? f.ShadowColor : face);
        c->Pen()->SetStyle(psClear);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(face);
        c->RoundRect(0, 1, W, H, 4, 4);
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetStyle(psSolid);
        sbLine(c, f.ShadowColor, {{4, 0}, {W - 5, 0}});
        sbLine(c, f.ShadowColor, {{4, H - 1}, {W - 5, H - 1}});
        break;
    case bsShape:
        break;
    }
    c->Pen()->SetStyle(psSolid);
}

// Draws one cell of the glyph strip, transparent where the cell has its bottom-left colour.
void sbDrawGlyphCell(TCanvas* c, const TSbFace& f, int index, int cellW, int x, int y) {
    TBitmap cell;
    cell.SetSize(cellW, f.Glyph->Height());
    cell.Canvas()->CopyRect(TRect(0, 0, cellW, f.Glyph->Height()), f.Glyph->Canvas(),
                            Bounds(index * cellW, 0, cellW, f.Glyph->Height()));
    cell.SetTransparent(true);
    c->Draw(x, y, &cell);
}

} // namespace

void SbPaintButtonFace(TCanvas* c, const TSbFace& f) {
    const int W = f.Width, H = f.Height;
    const bool pressed = f.Pressed && f.Enabled;
    const int off = pressed && f.Style != bsEncarta ? 1 : 0;

    TColor face = ColorToRGB(f.FaceColor);
    if (f.Enabled && f.HotTrackColor != clNone) face = SbFadeColor(face, f.HotTrackColor, f.HotTrackStep);
    if (pressed && f.ColorWhenDown != clNone) face = ColorToRGB(f.ColorWhenDown);

    c->Brush()->SetStyle(bsSolid);
    switch (f.Style) {
    case bsShape:
        c->Brush()->SetColor(f.TransparentColor);
        c->FillRect(TRect(-1, -1, W + 1, H + 1));
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        c->Brush()->SetColor(face);
        c->FillRect(TRect(-1, -1, W + 1, H + 1));
        break;
    case bsModern:
        SbGradientBands(c, f.LightColor, face, TRect(2, 2, W - 2, H / 4 + off));
        SbGradientBands(c, face, f.LightColor, TRect(2, H / 4 + off, W - 2, H - 1));
        break;
    case bsQuicken:
        break;
    }
    const bool classic = f.Style == bsNormal || f.Style == bsEncarta || f.Style == bsOld;
    if (!classic || !f.Flat || (f.Enabled && (f.Hot || pressed))) sbBorder(c, f, face, pressed);

    if (f.Font) c->SetFont(f.Font);
    if (f.Style == bsEncarta && pressed) c->Font()->SetStyle(c->Font()->Style() | fsBold);

    const bool haveStrip = f.Glyph && !f.Glyph->Empty() && f.NumGlyphs > 0;
    const int cellW = haveStrip ? f.Glyph->Width() / f.NumGlyphs : 0;
    const int cellH = haveStrip ? f.Glyph->Height() : 0;
    const bool hasGlyph = cellW > 0 && cellH > 0;
    int cell = 0;
    if (!f.Enabled)
        cell = 1;
    else if (pressed && f.NumGlyphs > 2)
        cell = 2;
    else if (f.Hot && f.NumGlyphs > 3)
        cell = 3;
    if (cell >= f.NumGlyphs) cell = 0;

    unsigned flags = DT_WORDBREAK;
    if (f.Alignment == taLeftJustify)
        flags |= DT_LEFT;
    else if (f.Alignment == taRightJustify)
        flags |= DT_RIGHT;
    else
        flags |= DT_CENTER;

    const bool vertical = f.Layout == blGlyphTop || f.Layout == blGlyphBottom;
    int avail = W - 8;
    if (f.Style != bsShape && !vertical && hasGlyph) avail -= cellW + 4;
    avail = std::max(avail, 0);
    String caption = f.Caption;
    if (!f.WordWrap)
        while (!caption.isEmpty() && c->TextWidth(caption) > avail)
            caption.chop(1);
    TRect measure(0, 0, avail, 0);
    DrawText(c, caption, measure, flags | DT_CALCRECT);
    const int textH = measure.Height();
    const int extent = caption.isEmpty() ? 0 : measure.Width() + 4;

    c->Brush()->SetStyle(bsClear);
    if (f.Style == bsShape) {
        if (hasGlyph) sbDrawGlyphCell(c, f, cell, cellW, (W - cellW) / 2, (H - cellH) / 2);
        TRect r(off, (H - textH) / 2 + off, W, H);
        DrawText(c, caption, r, DT_CENTER | DT_WORDBREAK);
    } else {
        int textLeft = off + 4, textTop = 0, glyphLeft = off + 4, glyphTop = 0;
        switch (f.Layout) {
        case blGlyphLeft:
            if (hasGlyph) textLeft += cellW + 4;
            textTop = (H - textH) / 2 + off;
            glyphTop = (H - cellH) / 2 + off;
            if (!f.WordWrap) {
                if (f.Alignment == taRightJustify)
                    glyphLeft = W - 4 - cellW - extent + off;
                else if (f.Alignment == taCenter)
                    glyphLeft = (W - cellW) / 2 + off - extent / 2;
            }
            break;
        case blGlyphRight:
            textTop = (H - textH) / 2 + off;
            glyphTop = (H - cellH) / 2 + off;
            glyphLeft = textLeft + extent;
            if (!f.WordWrap) {
                if (f.Alignment == taRightJustify)
                    glyphLeft = W - 4 + off - cellW;
                else if (f.Alignment == taCenter)
                    glyphLeft = (W - cellW) / 2 + off + extent / 2;
            }
            break;
        case blGlyphTop:
        case blGlyphBottom: {
            const int total = textH + (cellH > 0 ? cellH + 4 : 0);
            if (f.Alignment == taRightJustify)
                glyphLeft = W - cellW - 4 + off;
            else if (f.Alignment == taCenter)
                glyphLeft = (W - cellW) / 2 + off;
            if (f.Layout == blGlyphTop) {
                glyphTop = (H - total) / 2 + off;
                textTop = glyphTop + cellH;
            } else {
                textTop = (H - total) / 2 + off;
                glyphTop = textTop + textH;
            }
            break;
        }
        }
        if (!f.Enabled) c->Font()->SetColor(clGray);
        TRect r(textLeft, textTop, textLeft + avail, textTop + textH);
        DrawText(c, caption, r, flags);
        if (hasGlyph) sbDrawGlyphCell(c, f, cell, cellW, glyphLeft, glyphTop);
    }

    if (f.HasPopup) {
        TBitmap arrow;
        if (SbLoadGlyph("LBARROW", &arrow)) {
            arrow.SetTransparent(true);
            c->Draw(W - 11, H / 2 - 1, &arrow);
        }
    }
}
