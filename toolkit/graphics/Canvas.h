// The canvas: font, pen and brush painting through a QPainter, with the platform's pixel conventions.
#pragma once

#include "toolkit/graphics/Graphics.h"

#include <QFontMetrics>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class TGraphic;
class TextWidthModel;

// How the canvas' logical units reach the device: device = Origin + Scale * logical. A negative ScaleY
// makes y grow upwards, so positions on a page are negative downwards.
struct TCanvasMapping {
    double ScaleX = 1.0, ScaleY = 1.0;
    double OriginX = 0.0, OriginY = 0.0;
    // One logical unit per device pixel, y growing downwards.
    static TCanvasMapping Pixels() { return {}; }
    // One logical unit per 0.1 mm on a device of the given resolution, y growing upwards from the
    // device's top left corner.
    static TCanvasMapping Metric(int pixelsPerInchX, int pixelsPerInchY);
    bool FlipsY() const { return ScaleY < 0; }
    TPoint LogicalToDevice(const TPoint& p) const;
    TPoint DeviceToLogical(const TPoint& p) const;
    bool operator==(const TCanvasMapping&) const = default;
};

// A drawing surface. It paints through whatever QPainter it is attached to: a widget's paint event or a
// bitmap's image. Rectangles exclude their right and bottom edges, lines their last pixel.
class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    String ClassName() const override { return "TCanvas"; }

    TFont* Font() { return &FFont; }
    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }
    void SetFont(const TFont* v) { FFont.Assign(v); }
    void SetPen(const TPen* v) { FPen.Assign(v); }
    void SetBrush(const TBrush* v) { FBrush.Assign(v); }

    // Attaching starts in pixels, over whatever transform the painter already carries.
    void Attach(QPainter* p);
    void Detach();
    // Every operation's coordinates pass through the mapping; text stays upright, its top at the given y.
    const TCanvasMapping& Mapping() const { return FMapping; }
    void SetMapping(const TCanvasMapping& m);
    QPainter* Painter() const { return FPainter; }
    bool HandleAllocated() const { return FPainter != nullptr; }
    // Called when an operation finds no painter attached, so an owner (a bitmap) can attach one on demand.
    std::function<void(TCanvas*)> OnRequirePainter;

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(const TPoint& p) { FPenPos = p; }
    void MoveTo(int x, int y) { FPenPos = TPoint(x, y); }
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);

    // clNone when the pixel lies outside the surface or the surface cannot be read back.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    void TextOut(int x, int y, const String& text);
    void TextRect(const TRect& r, int x, int y, const String& text);
    int TextWidth(const String& text) const;
    int TextHeight(const String& text) const;
    TSize TextExtent(const String& text) const;

    // The visible part of the surface in the canvas' coordinates.
    TRect ClipRect();
    void SetClipRect(const TRect& r);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    // Narrows the clipping to the ellipse inscribed in `r`, or to the rectangle with rounded corners of
    // the given diameters (round faces, rounded frames).
    void IntersectClipEllipse(const TRect& r);
    void IntersectClipRoundRect(const TRect& r, int cornerWidth, int cornerHeight);
    void ResetClip();

    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);

    // Painter ready with the current pen and brush; nullptr when nothing can be painted.
    QPainter* PreparePainter(bool withPen, bool withBrush);
    // The image under the painter, when there is one (bitmaps); nullptr for widgets.
    const QImage* SurfaceImage();

    TNotifyEvent OnChange;

private:
    QPainter* Require();
    // Under a mapping with y upwards a rectangle's Top lies above its Bottom: turned to run downwards.
    TRect Upright(const TRect& r) const;
    // Text is measured often (grids size every cell): the Qt font and its metrics are kept while the font
    // stays.
    const QFont& QtFont() const;
    const QFontMetrics& QtMetrics() const;
    void Changed();
    void DrawTextLine(QPainter* p, int x, int y, const String& text, int underlineIndex);
    friend int DrawText(TCanvas* canvas, const String& text, TRect& rect, unsigned flags);

    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    QPainter* FPainter = nullptr;
    TCanvasMapping FMapping;
    // The painter's own world transform at Attach, under the mapping's.
    double FBase[6] = {1, 0, 0, 1, 0, 0};
    TPoint FPenPos;
    mutable TFont FCachedFont;
    mutable QFont FQFont;
    mutable std::unique_ptr<QFontMetrics> FMetrics;
    mutable std::shared_ptr<TextWidthModel> FWidths;
};

// Flags of DrawText, with the platform's values.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_RTLREADING = 0x20000,
};

// Draws `text` formatted within `rect` with the canvas' font. Answers the height of the text; with
// DT_VCENTER or DT_BOTTOM, the offset from rect.Top to the bottom of the text. With DT_CALCRECT nothing
// is drawn: `rect` grows or shrinks to bound the text.
int DrawText(TCanvas* canvas, const String& text, TRect& rect, unsigned flags);

enum TGradientDirection { gdHorizontal, gdVertical };
// Fills `rect` blending from startColor to endColor: left to right (gdHorizontal) or top to bottom.
void GradientFillCanvas(TCanvas* canvas, TColor startColor, TColor endColor, const TRect& rect,
                        TGradientDirection direction);
inline void GradientFill(TCanvas* canvas, TColor startColor, TColor endColor, const TRect& rect,
                         TGradientDirection direction) {
    GradientFillCanvas(canvas, startColor, endColor, rect, direction);
}
