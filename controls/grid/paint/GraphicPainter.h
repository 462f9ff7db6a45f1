// The painter of cell graphics (bitmaps, check boxes, radio groups, nodes, bars, buttons, shapes,
// ratings ...), the check-box and radio glyphs of every control style and the grid's built-in bitmaps.
// Everything is drawn through the toolkit canvas.
#pragma once

#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

class TBitmap;
class TCellNode;
class TControlLook;
class TGridProgressAppearance;
class TImageList;
class TStrings;
struct TColorTones;

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

// Where a canvas is shown mirrored, turns a box of it back the right way round: between Begin and End, what
// is drawn between Left and Right lands at its mirrored place unturned. Begin answers false, and nothing
// changes, on a canvas that is not mirrored (a printed page, a picture).
class IPaintMirror {
public:
    virtual ~IPaintMirror() = default;
    virtual bool BeginUnmirroredBox(TCanvas* Canvas, int Left, int Right) = 0;
    virtual void EndUnmirroredBox(TCanvas* Canvas) = 0;
};

// While alive, pictures, glyphs and their texts drawn between Left and Right are not turned by a mirrored
// canvas (see IPaintMirror).
class UnmirroredBox {
public:
    UnmirroredBox(IPaintMirror& Mirror, TCanvas* Canvas, int Left, int Right);
    ~UnmirroredBox();
    UnmirroredBox(const UnmirroredBox&) = delete;
    UnmirroredBox& operator=(const UnmirroredBox&) = delete;

private:
    IPaintMirror& FMirror;
    TCanvas* FCanvas;
    bool FActive;
};

// What the graphic painter asks about the cells it draws (real column, display row): a narrow view, so a
// graphic is drawn from this view and plain values, never from the whole grid.
class IGraphicCells : public IPaintMirror {
public:
    virtual TCellGraphic* Graphic(int RealCol, int Row) = 0;
    // The text as shown, and as stored (rotated text is drawn as stored).
    virtual String Text(int RealCol, int Row) = 0;
    virtual String StoredText(int RealCol, int Row) = 0;
    // The number bars, ratings and data images show; 0 for a text that is no number.
    virtual double Number(int RealCol, int Row) = 0;
    // The text a data check box shows ticked.
    virtual String CheckTrue(int RealCol, int Row) = 0;
    virtual TImageList* Images(int RealCol, int Row) = 0;
    virtual bool Editable(int RealCol, int Row) = 0;
    // Width of the cell's column and height of its row; 0 for a hidden column or a row outside the grid.
    virtual TPoint Room(int RealCol, int Row) = 0;
    virtual int RowCount() = 0;
    virtual int NodeIndent(int Row) = 0;
};

// The grid-wide settings the graphic painter draws with: values and the grid's settings objects.
struct TGraphicLook {
    const TControlLook* Controls = nullptr;
    const TGridProgressAppearance* Progress = nullptr;
    const TCellNode* Nodes = nullptr;
    const TColorTones* Tones = nullptr;
    const TFont* Font = nullptr;
    TPoint XYOffset{2, 2};
    TVAlignment VAlignment = vtaTop;
    TColor Color = clWindow;
    // Behind a node glyph whose cell has no colour.
    TColor NodeBackColor = clWindow;
    bool ShowSelection = true;
    TColor SelectionColor = clHighlight;
    TColor SelectionTextColor = clHighlightText;
    // Buttons take the tones' colours (a flat grid with tones).
    bool ToneButtons = false;
    // The button under the mouse: display column and row.
    TPoint HoverButton{-1, -1};
    bool RightToLeftReading = false;
    // Version 6 common controls: the themed glyphs where a theme draws.
    bool ComCtl6 = true;
};

// The glyph settings of a control look, with the themed style only where a theme draws.
TGlyphLook GlyphLookOf(const TControlLook& Controls, bool ComCtl6);

// Paints one cell's graphic after its text; reads the cells' view, writes only a button's place into
// CellValue.
class GraphicPainter {
public:
    GraphicPainter(IGraphicCells& cells, const TGraphicLook& look) : FCells(cells), FLook(look) {}
    TCellGraphicInfo Info(int RealCol, int Row);
    // R: the cell rectangle; handed back as the graphic step leaves it.
    void Paint(const TCellGraphicPass& Pass, TRect& R, TCellGraphic* Graphic);
    // TriState: the check box has three states and TriStateValue (0, 1, 2) decides over Checked.
    void PaintCheckBox(TCanvas* Canvas, const TRect& R, bool Checked, int TriStateValue, bool TriState,
                       TControlStyle Style, bool Grayed, bool Enabled);
    // A radio group of Count items of Items (one below the other unless Horizontal, upwards with StackUp),
    // item SelIndex on (-1: the item whose text is CellText).
    void PaintRadioGroup(TCanvas* Canvas, const TRect& R, bool StackUp, double Scale, TControlStyle Style,
                         const String& CellText, bool SelectedCell, const TStrings* Items, bool Disabled,
                         bool Horizontal, int SelIndex, int Count);

private:
    void PaintChecks(const TCellGraphicPass& Pass, const TRect& R, TCellGraphic* G, int W, int Top);
    void PaintNode(const TCellGraphicPass& Pass, TRect R, TCellGraphic* G);
    void PaintButton(const TCellGraphicPass& Pass, const TRect& Cell, TRect B, TCellGraphic* G);
    void PaintRotated(const TCellGraphicPass& Pass, const TRect& R, TCellGraphic* G);
    void PaintRating(TCanvas* Canvas, int X, int Y, TCellGraphic* G, double Value);
    TGlyphLook GlyphLook() const;

    IGraphicCells& FCells;
    const TGraphicLook& FLook;
};
