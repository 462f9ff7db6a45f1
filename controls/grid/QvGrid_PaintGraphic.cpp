// The graphic step of the cell pipeline: what a cell's graphic takes of the cell and its drawing. This
// holds only rotated text; the painters of every graphic kind take its place.
#include "controls/grid/QvGrid.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/StyleDraw_Markup.h"

#include <cmath>
#include <numbers>

TCellGraphicInfo TQvStringGrid::GetCellGraphicInfo(int ACol, int ARow) {
    TCellGraphicInfo info;
    info.Graphic = GetCellGraphic(ACol, ARow);
    if (!info.Graphic) return info;
    info.HAlign = info.Graphic->CellHAlign;
    info.VAlign = info.Graphic->CellVAlign;
    switch (info.Graphic->CellType) {
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        info.TextAllowed = false;
        return info;
    case ctDataImage:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRating:
        info.TextAllowed = false;
        break;
    default:
        break;
    }
    const TPoint size = GetCellGraphicSize(ACol, ARow);
    info.Width = size.X;
    info.Height = size.Y;
    return info;
}

void TQvStringGrid::DrawCellGraphics(TCellPaintState& S, TRect& R, TCellGraphic* Graphic, TVAlignment) {
    if (!Graphic || Graphic->CellType != ctRotated) return;
    TCanvas* c = S.Canvas;
    const String text = Cells(S.RealCol, S.Row);
    const int angle = Graphic->CellAngle;
    const double a = angle * std::numbers::pi / 180.0;
    const double w = c->TextWidth(text), h = c->TextHeight(text);
    // The turned text's bounding box, placed in the cell by the text's alignments.
    const double bw = w * std::fabs(std::cos(a)) + h * std::fabs(std::sin(a));
    const double bh = w * std::fabs(std::sin(a)) + h * std::fabs(std::cos(a));
    TRect box(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
    double cx = box.Left + bw / 2, cy = box.Top + bh / 2;
    if (S.HAlign == taRightJustify) cx = box.Right - bw / 2;
    if (S.HAlign == taCenter) cx = (box.Left + box.Right) / 2.0;
    if (S.VAlign == vtaBottom) cy = box.Bottom - bh / 2;
    if (S.VAlign == vtaCenter) cy = (box.Top + box.Bottom) / 2.0;
    const bool mirrored = PaintsMirrored();
    if (mirrored) {
        box = TRect(ClientWidth() - box.Right, box.Top, ClientWidth() - box.Left, box.Bottom);
        cx = ClientWidth() - cx;
        SetPaintOrientation(c, false);
    }
    // The text's own centre, turned counter-clockwise with it, lands on the box centre.
    const double vx = w / 2 * std::cos(a) + h / 2 * std::sin(a);
    const double vy = -w / 2 * std::sin(a) + h / 2 * std::cos(a);
    const TRect clip = c->ClipRect();
    c->IntersectClipRect(box);
    DrawMarkupRotatedText(c, static_cast<int>(std::lround(cx - vx)), static_cast<int>(std::lround(cy - vy)),
                          angle, text);
    c->SetClipRect(clip);
    if (mirrored) SetPaintOrientation(c, true);
    if (S.Fixed && HasSortGlyph(S.RealCol, S.Row)) DrawSortIndicator(c, S.RealCol, R.Top + 8, R.Right - 10);
}
