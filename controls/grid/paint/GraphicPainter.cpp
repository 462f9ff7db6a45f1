// The cell graphic painter: size and place of each kind of graphic, then its drawing after the text.
#include "controls/grid/paint/GraphicPainter.h"
#include "controls/grid/paint/RotatedText.h"

#include "controls/grid/QvGrid_Settings.h"
#include "controls/grid/QvObj.h"
#include "controls/grid/options/GridOptions.h"
#include "controls/grid/paint/CellLooks.h"
#include "controls/styles/QvStyleIF.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/StyleDraw_Markup.h"
#include "toolkit/graphics/ThemeDraw.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TCellTypes kGraphicCheckKinds = CellTypeFlag(ctCheckBox) | CellTypeFlag(ctDataCheckBox) |
                                          CellTypeFlag(ctVirtCheckBox) | CellTypeFlag(ctRowCheckBox) |
                                          CellTypeFlag(ctRadioButton) | CellTypeFlag(ctTriStateCheckBox);
constexpr TCellTypes kGraphicFullRectKinds = CellTypeFlag(ctNode) | CellTypeFlag(ctProgress) |
                                             CellTypeFlag(ctRangeIndicator) | CellTypeFlag(ctXPProgress);

bool graphicKindIn(TCellType t, TCellTypes kinds) {
    return (CellTypeFlag(t) & kinds) != 0;
}

TColor graphicInverseColor(TColor c) {
    return ColorToRGB(c) ^ 0xFFFFFF;
}

TRect graphicShrunkRect(const TRect& r, int dx, int dy) {
    return TRect(r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy);
}

} // namespace

int GraphicLeft(TCellHAlign HAlign, TAlignment TextAlign, int L, int R, int W, int T) {
    switch (HAlign) {
    case haRight:
        return R - W - 1;
    case haCenter:
        return W < R - L ? L + (R - L - W) / 2 : L + 1;
    case haBeforeText:
        if (TextAlign == taRightJustify) return std::max(L + 1, R - T - W);
        if (TextAlign == taCenter) return std::max(L + 1, L + (R - L - T - W) / 2);
        return L + 1;
    case haAfterText:
        if (TextAlign == taRightJustify) return R - W - 1;
        if (TextAlign == taCenter) return std::max(L + 1, L + T + (R - L - T - W) / 2);
        return L + T;
    case haFull:
        return L;
    default:
        return L + 1;
    }
}

int GraphicTop(TCellVAlign VAlign, int Top, int Bottom, int H) {
    switch (VAlign) {
    case vaBottom:
        return Bottom - H - 1;
    case vaCenter:
        return H < Bottom - Top ? Top + (Bottom - Top - H) / 2 : Top + 1;
    case vaUnderText:
        return Bottom - H;
    case vaFull:
        return Top;
    default:
        return Top + 1;
    }
}

int CheckBoxLeft(TAlignment TextAlign, bool WithText, int L, int R, int W, int T) {
    int x = L + 1;
    if (TextAlign == taRightJustify)
        x = WithText ? R - T - W - 1 : R - W - 1;
    else if (TextAlign == taCenter)
        x = WithText && T > 0 ? L + std::max(0, R - T - L) / 2 - W : L + std::max(0, R - W - L) / 2;
    return std::max(x, L + 1);
}

int RangePercent(double Value, int Min, int Max) {
    if (Max == Min) return 0;
    const double p = std::fabs(Value - Min) / (double(Max) - double(Min)) * 100.0;
    if (!(p > 0)) return 0; // also a NaN
    return static_cast<int>(std::lround(std::min(p, 100.0)));
}

UnmirroredBox::UnmirroredBox(IPaintMirror& Mirror, TCanvas* Canvas, int Left, int Right)
    : FMirror(Mirror), FCanvas(Canvas), FActive(Mirror.BeginUnmirroredBox(Canvas, Left, Right)) {}

UnmirroredBox::~UnmirroredBox() {
    if (FActive) FMirror.EndUnmirroredBox(FCanvas);
}

TGlyphLook GraphicPainter::GlyphLook() const {
    return GlyphLookOf(*FLook.Controls, FLook.ComCtl6);
}

TCellGraphicInfo GraphicPainter::Info(int RealCol, int Row) {
    TCellGraphicInfo info;
    TCellGraphic* g = FCells.Graphic(RealCol, Row);
    if (!g) return info;
    info.Graphic = g;
    info.HAlign = g->CellHAlign;
    info.VAlign = g->CellVAlign;
    const TControlLook* look = FLook.Controls;
    switch (g->CellType) {
    case ctBitmap:
        if (auto* bmp = dynamic_cast<TGraphic*>(g->CellBitmap))
            info.Width = bmp->Width(), info.Height = bmp->Height();
        break;
    case ctIcon:
        if (auto* icon = dynamic_cast<TGraphic*>(g->CellIcon))
            info.Width = icon->Width(), info.Height = icon->Height();
        break;
    case ctImageList:
    case ctDataImage:
        if (TImageList* images = FCells.Images(RealCol, Row))
            info.Width = images->Width(), info.Height = images->Height();
        info.AllowText = g->CellType == ctImageList;
        break;
    case ctCheckBox:
    case ctTriStateCheckBox:
        info.Width = info.Height = look->CheckSize();
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        info.Width = info.Height = look->CheckSize();
        info.AllowText = false;
        break;
    case ctRadioButton:
        info.Width = info.Height = look->RadioSize() + 4;
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
    case ctRating:
        info.AllowText = false;
        if (g->CellType == ctRating) info.Width = std::max(0, g->CellAngle) * 18, info.Height = 16;
        break;
    case ctImages: {
        const TImageList* images = FCells.Images(RealCol, Row);
        const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap);
        if (images && list) {
            if (g->CellBoolean)
                info.Width = list->Count() * images->Width(), info.Height = images->Height();
            else
                info.Width = images->Width(), info.Height = list->Count() * images->Height();
        }
        break;
    }
    case ctPicture:
    case ctFilePicture: {
        // A hidden column or a row outside the grid has no room: the picture is measured for none.
        const TPoint room = FCells.Room(RealCol, Row);
        TPoint size(0, 0);
        g->GetPictureSize(room.X - FLook.XYOffset.X - 1, room.Y - FLook.XYOffset.Y - 1,
                          !FCells.Text(RealCol, Row).isEmpty(), size);
        info.Width = std::max(0, size.X), info.Height = std::max(0, size.Y);
        break;
    }
    case ctButton:
    case ctBitButton:
        info.Width = g->CellIndex & 0xFFFF;
        info.Height = static_cast<int>(static_cast<unsigned>(g->CellIndex) >> 16);
        break;
    case ctProgressPie:
        info.Width = info.Height = 20;
        break;
    case ctInterface:
        if (auto* drawn = dynamic_cast<ICellGraphic*>(g->CellBitmap))
            info.Width = drawn->GetWidth(), info.Height = drawn->GetHeight();
        break;
    case ctShape:
        if (Row >= 0 && Row < FCells.RowCount())
            info.Width = info.Height = std::max(0, FCells.Room(RealCol, Row).Y - 2 * FLook.XYOffset.Y);
        break;
    default:
        break;
    }
    return info;
}

void GraphicPainter::Paint(const TCellGraphicPass& Pass, TRect& R, TCellGraphic* G) {
    TCanvas* canvas = Pass.Canvas;
    if (!canvas || !G) return;
    const TRect handedIn = R;
    const TPoint xy = FLook.XYOffset;
    if (!graphicKindIn(G->CellType, kGraphicFullRectKinds)) R = graphicShrunkRect(R, xy.X - 1, xy.Y - 1);
    const int T = Pass.TextWidth > 0 ? Pass.TextWidth + 2 : 0;
    const TCellGraphicInfo info = Info(Pass.RealCol, Pass.Row);
    const int W = info.Width, H = info.Height;

    TCellVAlign va = G->CellVAlign;
    if (graphicKindIn(G->CellType, kGraphicCheckKinds) && Pass.TextVAlign != FLook.VAlignment)
        va = Pass.TextVAlign == vtaTop ? vaTop : Pass.TextVAlign == vtaCenter ? vaCenter : vaBottom;
    const int x =
        G->CellHAlign == haFull ? R.Left : GraphicLeft(G->CellHAlign, Pass.TextAlign, R.Left, R.Right, W, T);
    const int y = va == vaFull ? R.Top : GraphicTop(va, R.Top, R.Bottom, H);
    const TControlLook* look = FLook.Controls;

    switch (G->CellType) {
    case ctBitmap: {
        auto* bmp = dynamic_cast<TBitmap*>(G->CellBitmap);
        if (!bmp || bmp->Empty()) break;
        UnmirroredBox box(FCells, canvas, x, x + W);
        if (G->CellTransparent && !bmp->Transparent()) {
            TBitmap copy;
            copy.Assign(bmp);
            copy.SetTransparent(true);
            canvas->Draw(x, y, &copy);
        } else {
            canvas->Draw(x, y, bmp);
        }
        break;
    }
    case ctIcon:
        if (auto* icon = dynamic_cast<TGraphic*>(G->CellIcon)) {
            UnmirroredBox box(FCells, canvas, x, x + W);
            canvas->Draw(x, y, icon);
        }
        break;
    case ctImageList:
    case ctDataImage: {
        TImageList* images = FCells.Images(Pass.RealCol, Pass.Row);
        if (!images) break;
        UnmirroredBox box(FCells, canvas, x, x + W);
        int index = G->CellIndex;
        if (G->CellType == ctDataImage) index += static_cast<int>(FCells.Number(Pass.RealCol, Pass.Row));
        if (index >= 0 && index < images->Count()) images->Draw(canvas, x, y, index, true);
        break;
    }
    case ctImages: {
        TImageList* images = FCells.Images(Pass.RealCol, Pass.Row);
        const auto* list = dynamic_cast<const TIntList*>(G->CellBitmap);
        if (!images || !list) break;
        UnmirroredBox box(FCells, canvas, x, x + W);
        int ix = x, iy = y;
        for (int i = 0; i < list->Count(); ++i) {
            const int index = list->Items(i);
            if (index >= 0 && index < images->Count()) images->Draw(canvas, ix, iy, index, true);
            if (G->CellBoolean)
                ix += images->Width();
            else
                iy += images->Height();
        }
        break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
        PaintChecks(Pass, R, G, W, y);
        break;
    case ctRotated: {
        UnmirroredBox box(FCells, canvas, handedIn.Left, handedIn.Right);
        PaintRotated(Pass, handedIn, G);
        break;
    }
    case ctNode:
        PaintNode(Pass, R, G);
        break;
    case ctRadio: {
        const bool disabled = !FCells.Editable(Pass.RealCol, Pass.Row);
        if (G->CellAngle < 1) break;
        PaintRadioGroup(canvas, R, false, 1.0, look->ControlStyle(), FCells.Text(Pass.RealCol, Pass.Row),
                        (Pass.State & gdSelected) != 0, dynamic_cast<const TStrings*>(G->CellBitmap),
                        disabled, G->CellBoolean, G->CellIndex, G->CellAngle);
        break;
    }
    case ctPicture: {
        auto* picture = dynamic_cast<TPicture*>(G->CellBitmap);
        if (!picture || !picture->Graphic() || W <= 0 || H <= 0) break;
        const TRect pr(x, y, x + W, y + H);
        UnmirroredBox box(FCells, canvas, pr.Left, pr.Right);
        if (static_cast<TStretchMode>(G->CellAngle) != noStretch)
            canvas->StretchDraw(pr, picture->Graphic());
        else
            canvas->Draw(pr.Left, pr.Top, picture->Graphic());
        break;
    }
    case ctFilePicture: {
        auto* file = dynamic_cast<TFilePicture*>(G->CellBitmap);
        if (!file || file->Filename.isEmpty() || W <= 0 || H <= 0) break;
        // A file that is gone or does not read leaves the cell without its picture.
        try {
            TPicture picture;
            picture.LoadFromFile(file->Filename);
            UnmirroredBox box(FCells, canvas, x, x + W);
            if (picture.Graphic()) canvas->StretchDraw(TRect(x, y, x + W, y + H), picture.Graphic());
        } catch (const Exception&) {
        }
        break;
    }
    case ctProgress: {
        const double value = FCells.Number(Pass.RealCol, Pass.Row);
        UnmirroredBox box(FCells, canvas, R.Left, R.Right);
        if ((look->ControlStyle() == csWinXP || look->ControlStyle() == csTheme) && IsThemeActive() &&
            look->ProgressXP()) {
            const TRect bar = graphicShrunkRect(R, look->ProgressMarginX(), look->ProgressMarginY());
            if (bar.IsEmpty()) break;
            DrawThemeBackground(canvas, "progress", 1, 1, bar);
            TRect fill = graphicShrunkRect(bar, 2, 2);
            fill.Right = fill.Left + static_cast<int>(fill.Width() * std::clamp(value, 0.0, 100.0) / 100.0);
            if (!fill.IsEmpty()) DrawThemeBackground(canvas, "progress", 5, 1, fill);
            break;
        }
        const TRect bar = graphicShrunkRect(R, 2, 2);
        if (bar.IsEmpty()) break;
        const TColor done = G->CellBitmapColor, rest = G->CellIconColor;
        const TColor doneText =
            G->CellBoolean ? static_cast<TColor>(G->CellIndex) : graphicInverseColor(done);
        const TColor restText =
            G->CellBoolean ? static_cast<TColor>(G->CellAngle) : graphicInverseColor(rest);
        DrawClassicProgress(canvas, bar, done, doneText, rest, restText, value, look->ProgressMarginX(),
                            look->ProgressMarginY(), G->CellErrFrom, G->CellErrLen, G->CellText,
                            look->ProgressBorderColor(), false);
        break;
    }
    case ctComment: {
        if (look->CommentColor() == clNone) break;
        // A comment added without a colour of its own shows in the look's colour.
        const TColor color = static_cast<TColor>(G->CellIndex) == clNone ? look->CommentColor()
                                                                         : static_cast<TColor>(G->CellIndex);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(color);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(color);
        const int rr = handedIn.Right, tt = handedIn.Top;
        canvas->Polygon({TPoint(rr - 7, tt), TPoint(rr - 2, tt), TPoint(rr - 2, tt + 5)});
        canvas->Brush()->SetColor(FLook.Color);
        break;
    }
    case ctButton:
    case ctBitButton:
    case ctExpand:
        PaintButton(Pass, handedIn, TRect(x, y, x + W, y + H), G);
        break;
    case ctProgressPie: {
        UnmirroredBox box(FCells, canvas, x, x + 20);
        DrawProgressPie(canvas, TRect(x, y, x + 20, y + 20), G->CellBitmapColor,
                        std::clamp(G->CellAngle, 0, 100), false);
        break;
    }
    case ctRangeIndicator: {
        const TRect bar = graphicShrunkRect(R, look->ProgressMarginX(), look->ProgressMarginY());
        if (bar.IsEmpty()) break;
        UnmirroredBox box(FCells, canvas, R.Left, R.Right);
        DrawRangeIndicator(canvas, bar, static_cast<int>(FCells.Number(Pass.RealCol, Pass.Row)), G->CellIndex,
                           G->CellBoolean, G->CellBitmapColor, G->CellIconColor);
        break;
    }
    case ctXPProgress: {
        TRect bar = graphicShrunkRect(R, look->ProgressMarginX(), look->ProgressMarginY());
        bar.Right -= 1;
        bar.Bottom -= 1;
        if (bar.IsEmpty()) break;
        UnmirroredBox box(FCells, canvas, R.Left, R.Right);
        const TGridProgressAppearance* pa = FLook.Progress;
        TCellProgressLook pl;
        pl.Level0Color = pa->Level0Color(), pl.Level0ColorTo = pa->Level0ColorTo();
        pl.Level1Color = pa->Level1Color(), pl.Level1ColorTo = pa->Level1ColorTo();
        pl.Level2Color = pa->Level2Color(), pl.Level2ColorTo = pa->Level2ColorTo();
        pl.Level3Color = pa->Level3Color(), pl.Level3ColorTo = pa->Level3ColorTo();
        pl.Level1Perc = pa->Level1Perc(), pl.Level2Perc = pa->Level2Perc();
        pl.ShowBorder = pa->ShowBorder(), pl.BorderColor = pa->BorderColor();
        pl.Stacked = pa->Stacked(), pl.ShowPercentage = pa->ShowPercentage();
        pl.CompletionSmooth = pa->CompletionSmooth(), pl.ShowGradient = pa->ShowGradient();
        pl.Steps = pa->Steps(), pl.CompleteFontColor = pa->CompleteFontColor();
        pl.UnCompleteColor =
            pa->UnCompleteColor() == clNone ? canvas->Brush()->Color() : pa->UnCompleteColor();
        pl.Font = FLook.Font;
        const int value = static_cast<int>(FCells.Number(Pass.RealCol, Pass.Row));
        DrawCellProgress(canvas, bar, RangePercent(value, G->CellErrFrom, G->CellErrLen), pl);
        break;
    }
    case ctInterface:
        if (auto* drawn = dynamic_cast<ICellGraphic*>(G->CellBitmap)) {
            UnmirroredBox box(FCells, canvas, R.Left - 1, R.Right);
            drawn->Draw(canvas, TRect(R.Left - 1, R.Top - 1, R.Right, R.Bottom), Pass.RealCol, Pass.Row,
                        (Pass.State & gdSelected) != 0);
        }
        break;
    case ctShape:
        if (W > 1 && H > 1) {
            UnmirroredBox box(FCells, canvas, x, x + W);
            DrawCellShape(canvas, x, y, W - 1, H - 1, static_cast<TCellShape>(G->CellAngle),
                          static_cast<TColor>(G->CellIndex), G->CellBitmapColor);
        }
        break;
    case ctRating: {
        UnmirroredBox box(FCells, canvas, x, x + W);
        PaintRating(canvas, x, y, G, FCells.Number(Pass.RealCol, Pass.Row));
        break;
    }
    default:
        break;
    }
}

void GraphicPainter::PaintChecks(const TCellGraphicPass& Pass, const TRect& R, TCellGraphic* G, int W,
                                 int Top) {
    const TControlLook* look = FLook.Controls;
    const int T = Pass.TextWidth > 0 ? Pass.TextWidth + 2 : 0;
    const bool withText =
        G->CellType == ctCheckBox || G->CellType == ctRadioButton || G->CellType == ctTriStateCheckBox;
    int x = CheckBoxLeft(Pass.TextAlign, withText, R.Left, R.Right, W, T);
    const bool enabled = FCells.Editable(Pass.RealCol, Pass.Row);
    const TRect box(x, Top, x + W, Top + W);
    switch (G->CellType) {
    case ctCheckBox:
    case ctRowCheckBox:
        PaintCheckBox(Pass.Canvas, box, G->CellBoolean, 0, false, look->ControlStyle(), G->CellAngle > 0,
                      enabled);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const String checkTrue = FCells.CheckTrue(Pass.RealCol, Pass.Row);
        PaintCheckBox(Pass.Canvas, box, FCells.Text(Pass.RealCol, Pass.Row) == checkTrue, 0, false,
                      look->ControlStyle(), false, enabled);
        break;
    }
    case ctTriStateCheckBox:
        PaintCheckBox(Pass.Canvas, box, false, static_cast<int>(G->CellCheckBoxState), true,
                      look->ControlStyle(), G->CellAngle > 0, enabled);
        break;
    case ctRadioButton: {
        x += FLook.XYOffset.X;
        const TGlyphLook glyph = GlyphLook();
        const bool forceActive = look->NoDisabledCheckRadioLook() || look->RadioAlwaysActive();
        UnmirroredBox box(FCells, Pass.Canvas, x, x + W);
        DrawRadioGlyph(Pass.Canvas, x, Top, glyph.RadioSize, G->CellBoolean, enabled || forceActive, glyph);
        break;
    }
    default:
        break;
    }
}

void GraphicPainter::PaintRotated(const TCellGraphicPass& Pass, const TRect& R, TCellGraphic* G) {
    TCanvas* canvas = Pass.Canvas;
    const String text = FCells.StoredText(Pass.RealCol, Pass.Row);
    const TRect clip = graphicShrunkRect(R, 2, 2);
    if (text.isEmpty() || clip.IsEmpty()) return;
    const TPoint start = PlaceRotatedText(R, G->CellAngle, Pass.TextAlign, Pass.TextVAlign,
                                          canvas->TextWidth(text), canvas->TextHeight(text));
    const TBrushStyle savedBrush = canvas->Brush()->Style();
    canvas->Brush()->SetStyle(bsClear);
    // A partial paint's own clip (the strip a scroll exposed) stays around the text's.
    const TRect savedClip = canvas->ClipRect();
    canvas->IntersectClipRect(clip);
    DrawMarkupRotatedText(canvas, start.X, start.Y, G->CellAngle, text);
    canvas->SetClipRect(savedClip);
    canvas->Brush()->SetStyle(savedBrush);
}

void GraphicPainter::PaintNode(const TCellGraphicPass& Pass, TRect R, TCellGraphic* G) {
    TCanvas* canvas = Pass.Canvas;
    const TCellNode* node = FLook.Nodes;
    const int indent = node->NodeIndent();
    // The indent counts from the cell's left, which is the grid's left for column 0 on the screen.
    const int row = Pass.Row;
    const int own = FCells.NodeIndent(row);
    const int x0 = R.Left + own;
    R.Left = x0 - indent;
    const int connector = R.Left + indent / 2 + 2;
    if (node->ShowTree() && !(Pass.State & gdFixed)) {
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(node->TreeColor());
        canvas->Pen()->SetWidth(1);
        const int mid = (R.Top + R.Bottom) / 2;
        if (row + 1 < FCells.RowCount()) {
            const int next = FCells.NodeIndent(row + 1);
            if (next > 0 && !(G->CellBoolean && next < own)) {
                canvas->MoveTo(connector, mid);
                canvas->LineTo(connector, R.Bottom);
            }
        }
        if (row > 0 && FCells.NodeIndent(row - 1) >= own) {
            canvas->MoveTo(connector, R.Top);
            canvas->LineTo(connector, R.Top + 6);
        }
    }
    R.Left = x0 - indent / 2 - 4;
    TColor back = canvas->Brush()->Color();
    if (back == clNone) back = FLook.NodeBackColor;
    if (FLook.ShowSelection && (Pass.State & gdSelected)) back = FLook.SelectionColor;
    const bool collapsed = G->CellBoolean;
    if (node->NodeType() == cn3D) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(node->Color());
        canvas->FillRect(R);
        canvas->Pen()->SetColor(clWhite);
        canvas->MoveTo(R.Left, R.Bottom - 1);
        canvas->LineTo(R.Left, R.Top);
        canvas->LineTo(R.Right - 1, R.Top);
        canvas->Pen()->SetColor(clGray);
        canvas->LineTo(R.Right - 1, R.Bottom - 1);
        canvas->LineTo(R.Left, R.Bottom - 1);
    }
    const int height = R.Height();
    switch (node->NodeType()) {
    case cnLeaf:
        R.Top += (height - 12) / 2;
        DrawTransparentBitmap(canvas, GridBitmap(collapsed ? "QSGLEAFCLOSE" : "QSGLEAFOPEN"), back, R);
        return;
    case cnXP:
        R.Left += 4;
        R.Top += (height - 10) / 2;
        DrawTransparentBitmap(canvas, GridBitmap(collapsed ? "XPNODEC" : "XPNODEO"), back, R);
        return;
    case cnGlyph:
        if (node->ContractGlyph() && !node->ContractGlyph()->Empty() && node->ExpandGlyph() &&
            !node->ExpandGlyph()->Empty()) {
            R.Top += (height - node->ContractGlyph()->Height()) / 2;
            DrawTransparentBitmap(canvas, collapsed ? node->ContractGlyph() : node->ExpandGlyph(), back, R);
            return;
        }
        break;
    default:
        break;
    }
    const int left = R.Left + 4;
    const int top = R.Top + std::max(0, height - 8) / 2;
    if (node->NodeType() == cnFlat) {
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(node->NodeColor());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(node->Color());
        canvas->Rectangle(left, top, left + 9, top + 9);
        canvas->MoveTo(left + 2, top + 4);
        canvas->LineTo(left + 7, top + 4);
        if (collapsed) {
            canvas->MoveTo(left + 4, top + 2);
            canvas->LineTo(left + 4, top + 7);
        }
        return;
    }
    // A soft raised edge for a collapsed node, a sunken one for an expanded node.
    const TColor lit = collapsed ? clBtnHighlight : clBtnShadow;
    const TColor shade = collapsed ? clBtnShadow : clBtnHighlight;
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetColor(lit);
    canvas->MoveTo(left, top + 8);
    canvas->LineTo(left, top);
    canvas->LineTo(left + 8, top);
    canvas->Pen()->SetColor(shade);
    canvas->LineTo(left + 8, top + 8);
    canvas->LineTo(left, top + 8);
}

void GraphicPainter::PaintButton(const TCellGraphicPass& Pass, const TRect& Cell, TRect B, TCellGraphic* G) {
    TCanvas* canvas = Pass.Canvas;
    const TControlLook* look = FLook.Controls;
    G->CellValue = (B.Left - Cell.Left) | ((B.Top - Cell.Top) << 16);
    const TColor savedBrush = canvas->Brush()->Color();
    const TColor savedFont = canvas->Font()->Color();
    canvas->Brush()->SetColor(clBtnFace);
    const bool enabled = look->NoDisabledButtonLook() || FCells.Editable(Pass.RealCol, Pass.Row);
    int lookNr = look->FlatButton() ? 2 : IsThemeActive() ? 0 : 1;
    if (FLook.ToneButtons) lookNr = 3;
    int state = G->CellBoolean ? 2 : FLook.HoverButton == TPoint(Pass.DisplayCol, Pass.Row) ? 1 : 0;
    if (!enabled && G->CellType != ctExpand) state = 3;
    if (G->CellType == ctExpand) {
        const TRect r = graphicShrunkRect(Cell, FLook.XYOffset.X - 1, FLook.XYOffset.Y - 1);
        B = TRect(r.Right - 13, r.Top, r.Right, r.Top + 13);
    }
    if (B.IsEmpty()) {
        canvas->Brush()->SetColor(savedBrush);
        return;
    }
    UnmirroredBox box(FCells, canvas, B.Left, B.Right);
    DrawPushButton(canvas, nullptr, B, lookNr, state, *FLook.Tones);
    const int shift = state == 2 ? 1 : 0;
    if (G->CellType == ctExpand) {
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetWidth(1);
        canvas->Pen()->SetColor(clBlack);
        const int r = B.Right, t = B.Top;
        if (G->CellVar.toBool())
            canvas->Polyline({TPoint(r - 10, t + 8), TPoint(r - 7, t + 5), TPoint(r - 3, t + 9)});
        else
            canvas->Polyline({TPoint(r - 10, t + 5), TPoint(r - 7, t + 8), TPoint(r - 3, t + 4)});
        canvas->Brush()->SetColor(savedBrush);
        return;
    }
    TRect captionRect(B.Left + 1 + shift, B.Top + shift, B.Right + shift, B.Bottom + shift);
    auto* glyph = dynamic_cast<TBitmap*>(G->CellBitmap);
    if (G->CellType == ctBitButton && glyph && !glyph->Empty()) {
        int gap = (B.Height() - glyph->Height()) / 2;
        if (gap < 1) gap = 3;
        int gx;
        if (!G->CellText.isEmpty() || B.Width() < glyph->Width()) {
            gx = B.Left + 3;
            captionRect.Left = gx + glyph->Width() + 4;
        } else {
            gx = B.Left + (B.Width() - glyph->Width()) / 2;
        }
        TBitmap copy;
        copy.Assign(glyph);
        copy.SetTransparent(true);
        canvas->Draw(gx + shift, B.Top + gap + shift, &copy);
    }
    if (!G->CellText.isEmpty()) {
        if (lookNr == 3) {
            const TColorTones& tones = *FLook.Tones;
            const TColorTone* tone[] = {&tones.Background, &tones.Hover, &tones.Selected, &tones.Disabled};
            canvas->Font()->SetColor(tone[state]->TextColor);
        }
        unsigned flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
        flags |= G->CellText.contains('\r') ? DT_WORDBREAK : DT_SINGLELINE;
        if (FLook.RightToLeftReading) flags |= DT_RTLREADING;
        const TBrushStyle savedStyle = canvas->Brush()->Style();
        canvas->Brush()->SetStyle(bsClear);
        DrawText(canvas, G->CellText, captionRect, flags);
        canvas->Brush()->SetStyle(savedStyle);
    }
    canvas->Font()->SetColor(savedFont);
    canvas->Brush()->SetColor(savedBrush);
}

void GraphicPainter::PaintRating(TCanvas* Canvas, int X, int Y, TCellGraphic* G, double Value) {
    const int stars = G->CellAngle;
    if (stars <= 0) return;
    const double v = std::trunc(Value * 2) / 2;
    const TColor fill = static_cast<TColor>(G->CellIndex), empty = G->CellBitmapColor;
    for (int i = 1; i <= stars; ++i, X += 18) {
        const TColor c = i <= v ? fill : empty;
        DrawCellShape(Canvas, X, Y, 16, 16, csStar, c, c);
        if (v < i && v > i - 1) DrawCellShape(Canvas, X, Y, 16, 16, csHalfStar, fill, fill);
    }
}
