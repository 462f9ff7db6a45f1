// The painter of cell graphics (bitmaps, check boxes, radio groups, nodes, bars, buttons, shapes,
// ratings ...), the check-box and radio glyphs of every control style and the grid's built-in bitmaps.
// Everything is drawn through the toolkit canvas.
#pragma once

#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

class TQvStringGrid;
class TBitmap;
class TStrings;

// A built-in bitmap of the grid by its resource name ("QSGCHK05", "XPNODEO", "metrocheckon" ...).
// False, and Target left as it was, for a name the grid does not have.
bool LoadGridBitmap(TBitmap* Target, const String& Name);
// The shared copy of a built-in bitmap (loaded once); nullptr for an unknown name.
TBitmap* GridBitmap(const String& Name);

// Size, place and text room of a cell's graphic, as the painting pipeline and text measurement read it.
struct TCellGraphicInfo {
    TCellGraphic* Graphic = nullptr;
    int Width = 0;
    int Height = 0;
    TCellHAlign HAlign = haLeft;
    TCellVAlign VAlign = vaTop;
    bool AllowText = true;
};

// The pipeline's working values the graphic step reads.
struct TCellGraphicPass {
    TCanvas* Canvas = nullptr;
    int RealCol = 0;
    int DisplayCol = 0;
    int Row = 0;
    TGridDrawState State = 0;
    int TextWidth = 0; // 0 until the text step measured the drawn text
    TAlignment TextAlign = taLeftJustify;
    TVAlignment TextVAlign = vtaTop;
};

// Left edge of a graphic W wide between L and R with a text T wide beside it.
int GraphicLeft(TCellHAlign HAlign, TAlignment TextAlign, int L, int R, int W, int T);
// Top edge of a graphic H high between Top and Bottom.
int GraphicTop(TCellVAlign VAlign, int Top, int Bottom, int H);
// Where a check box W wide goes: the text's alignment decides. WithText: the kinds whose text is
// drawn beside the box (plain and tri-state check boxes, radio buttons).
int CheckBoxLeft(TAlignment TextAlign, bool WithText, int L, int R, int W, int T);
// The percentage a bar shows for Value in Min .. Max: 0 over an empty range, never outside 0 .. 100.
int RangePercent(double Value, int Min, int Max);

// The settings the glyph painters read, taken from the grid's control look.
struct TGlyphLook {
    TControlStyle Style = csClassic;
    int CheckSize = 15;
    int RadioSize = 10;
    TColor Color = clBlack; // tick and dot of the drawn styles
    TBitmap* CheckedGlyph = nullptr;
    TBitmap* UnCheckedGlyph = nullptr;
    TBitmap* RadioOnGlyph = nullptr;
    TBitmap* RadioOffGlyph = nullptr;
    bool Themed = false; // visual styles and version 6 common controls
};

// A check box at R's top-left (csClassic and csFlat: a CheckSize square centred in R).
void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Grayed, bool Enabled,
                    const TGlyphLook& Look);
// One radio glyph with its top-left at (X, Y); Size is the square of the classic and flat styles, the
// others are 16 x 16.
void DrawRadioGlyph(TCanvas* Canvas, int X, int Y, int Size, bool On, bool Enabled, const TGlyphLook& Look);

// While alive, what is drawn between Left and Right on the own canvas of a mirrored grid lands at its
// mirrored place the right way round, so pictures, glyphs and their texts are not turned; on any other
// canvas, or in a grid that is not mirrored, it changes nothing.
class UnmirroredBox {
public:
    UnmirroredBox(TCustomGrid& Grid, TCanvas* Canvas, int Left, int Right);
    ~UnmirroredBox();
    UnmirroredBox(const UnmirroredBox&) = delete;
    UnmirroredBox& operator=(const UnmirroredBox&) = delete;

private:
    TCustomGrid& FGrid;
    TCanvas* FCanvas;
    bool FActive;
};

// Paints one cell's graphic after its text; reads the grid, writes only a button's place into CellValue.
class GraphicPainter {
public:
    explicit GraphicPainter(TQvStringGrid& grid) : FGrid(grid) {}
    TCellGraphicInfo Info(int RealCol, int Row);
    // R: the cell rectangle; handed back as the graphic step leaves it.
    void Paint(const TCellGraphicPass& Pass, TRect& R, TCellGraphic* Graphic);

private:
    void PaintChecks(const TCellGraphicPass& Pass, const TRect& R, TCellGraphic* G, int W, int Top);
    void PaintNode(const TCellGraphicPass& Pass, TRect R, TCellGraphic* G);
    void PaintButton(const TCellGraphicPass& Pass, const TRect& Cell, TRect B, TCellGraphic* G);
    void PaintRotated(const TCellGraphicPass& Pass, const TRect& R, TCellGraphic* G);
    void PaintRating(TCanvas* Canvas, int X, int Y, TCellGraphic* G, double Value);
    TGlyphLook GlyphLook() const;
    bool CanEdit(int RealCol, int Row);

    TQvStringGrid& FGrid;
};
