// The styled button's built-in glyphs, drawn here: a normal and a greyed cell for each kind, and the popup
// arrow.
#include "controls/buttons/SbButtons.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Every glyph sits on this colour, which the bottom-left pixel carries and the painter keys out.
constexpr TColor kGlyphBack = clOlive;

void glyphStroke(TCanvas* c, TColor color, int width, std::initializer_list<TPoint> points) {
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(color);
    c->Pen()->SetWidth(width);
    auto it = points.begin();
    c->MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it)
        c->LineTo(it->X, it->Y);
    c->Pen()->SetWidth(1);
}

void glyphDisc(TCanvas* c, TColor fill, TColor rim, const TRect& r) {
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(rim);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(fill);
    c->Ellipse(r);
}

void glyphCheck(TCanvas* c, int dx, int dy, TColor color) {
    glyphStroke(c, color, 3, {{dx + 3, dy + 9}, {dx + 7, dy + 13}, {dx + 15, dy + 4}});
}

void glyphCross(TCanvas* c, TColor color) {
    glyphStroke(c, color, 3, {{4, 4}, {14, 14}});
    glyphStroke(c, color, 3, {{14, 4}, {4, 14}});
}

void drawKind(TCanvas* c, const String& name) {
    if (name == "LBOK") {
        glyphCheck(c, 0, 0, clGreen);
    } else if (name == "LBCANCEL") {
        glyphCross(c, clRed);
    } else if (name == "LBHELP") {
        glyphDisc(c, clBlue, clNavy, TRect(1, 1, 17, 17));
        // A question mark of strokes: hook, stem and dot.
        glyphStroke(c, clWhite, 2, {{6, 6}, {7, 4}, {11, 4}, {12, 6}, {9, 9}, {9, 11}});
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(8, 13, 10, 15));
    } else if (name == "LBYES") {
        glyphDisc(c, clLime, clGreen, TRect(1, 1, 17, 17));
        glyphCheck(c, 0, 0, clGreen);
    } else if (name == "LBNO") {
        glyphDisc(c, clWhite, clRed, TRect(1, 1, 17, 17));
        glyphStroke(c, clRed, 2, {{4, 13}, {13, 4}});
    } else if (name == "LBCLOSE") {
        // An open door.
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clMaroon);
        c->FillRect(TRect(5, 2, 13, 16));
        c->Brush()->SetColor(clYellow);
        c->FillRect(TRect(10, 8, 12, 10));
        glyphStroke(c, clBlack, 1, {{3, 16}, {15, 16}});
    } else if (name == "LBABORT") {
        glyphDisc(c, clRed, clMaroon, TRect(1, 1, 17, 17));
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(4, 8, 14, 10));
    } else if (name == "LBRETRY") {
        // Three quarters of a ring with an arrow head at its end.
        std::vector<TPoint> ring;
        for (int a = 0; a <= 270; a += 15) {
            const double r = a * 3.14159265358979 / 180.0;
            ring.emplace_back(9 + static_cast<int>(std::lround(6 * std::cos(r))),
                              9 - static_cast<int>(std::lround(6 * std::sin(r))));
        }
        c->Pen()->SetColor(clNavy);
        c->Pen()->SetWidth(2);
        c->Polyline(ring);
        c->Pen()->SetWidth(1);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clNavy);
        c->Polygon({{15, 9}, {15, 16}, {11, 13}});
    } else if (name == "LBIGNORE") {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clTeal);
        c->Pen()->SetColor(clTeal);
        c->Polygon({{3, 4}, {9, 9}, {3, 14}});
        c->Polygon({{9, 4}, {15, 9}, {9, 14}});
    } else if (name == "LBALL") {
        glyphCheck(c, -1, -2, clGreen);
        glyphCheck(c, 1, 3, clGreen);
    }
}

// The greyed cell: every drawn pixel of the normal cell in a grey of its brightness, lifted towards silver.
void greyCell(TBitmap* b, int cellW) {
    const uint32_t back = 0xFF000000u | 0x808000u; // kGlyphBack as 0xAARRGGBB
    for (int y = 0; y < b->Height(); ++y) {
        uint32_t* row = b->ScanLine(y);
        for (int x = 0; x < cellW; ++x) {
            const uint32_t p = row[x];
            if ((p & 0xFFFFFFu) == (back & 0xFFFFFFu)) {
                row[x + cellW] = back;
                continue;
            }
            const int lum = ((p >> 16 & 0xFF) * 30 + (p >> 8 & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
            const int g = 96 + lum * 96 / 255;
            row[x + cellW] = 0xFF000000u | (uint32_t(g) << 16) | (uint32_t(g) << 8) | uint32_t(g);
        }
    }
}

} // namespace

bool SbLoadGlyph(const String& name, TBitmap* bitmap) {
    static const char* const kinds[] = {"LBOK",    "LBCANCEL", "LBHELP",  "LBYES",    "LBNO",
                                        "LBCLOSE", "LBABORT",  "LBRETRY", "LBIGNORE", "LBALL"};
    const String key = name.toUpper();
    TCanvas* c = nullptr;
    if (key == "LBARROW") {
        bitmap->SetSize(5, 3);
        c = bitmap->Canvas();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(kGlyphBack);
        c->FillRect(TRect(0, 0, 5, 3));
        c->Brush()->SetColor(clBlack);
        for (int y = 0; y < 3; ++y)
            c->FillRect(TRect(y, y, 5 - y, y + 1));
        return true;
    }
    if (std::find(std::begin(kinds), std::end(kinds), key) == std::end(kinds)) return false;
    const int height = key == "LBALL" ? 19 : 18;
    bitmap->SetSize(36, height);
    c = bitmap->Canvas();
    c->Pen()->SetStyle(psSolid);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(kGlyphBack);
    c->FillRect(TRect(0, 0, 36, height));
    drawKind(c, key);
    greyCell(bitmap, 18);
    return true;
}
