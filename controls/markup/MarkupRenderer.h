// The markup renderer: lays out, draws, measures and hit-tests one markup text, line by line, on a canvas.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Canvas.h"

class TImageList;
class THTMLPictureCache;
class TPictureContainer;

// What one call is asked to do.
struct TMarkupInput {
    TCanvas* Canvas = nullptr; // its font, pen and brush are the starting state, restored at the end
    String Text;
    TRect Rect;                   // layout rectangle
    TImageList* Images = nullptr; // for "IDX:" pictures
    int XPos = -1;                // hit-test point, in the rectangle's coordinates
    int YPos = -1;
    int FocusLink = -1; // 0-based link that gets a focus rectangle, -1 none
    int HoverLink = -1; // 1-based link under the mouse
    int ShadowOffset = 1;
    bool CheckHotSpot = false; // hit-test only: nothing is drawn
    bool CheckHeight = false;  // measure only: one pass, nothing drawn, every line laid out
    bool Print = false;        // pictures and icons scaled by ResFactor
    bool Selected = false;     // links, fonts and paragraphs keep the canvas' colours
    bool Blink = true;         // false: blinking text takes the background colour
    bool HoverStyle = false;   // only the hover link is underlined and takes the hover colours
    bool WordWrap = false;
    bool Down = false; // an in-text button is being pressed
    double ResFactor = 1.0;
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    THTMLPictureCache* PicCache = nullptr;     // pictures named by URL
    TPictureContainer* PicContainer = nullptr; // pictures named by name
    TBiDiMode BiDiMode = bdLeftToRight;
    String ControlID; // with CheckHotSpot: the control to report wherever the point is
};

// What one call found. Anchor is left as it was when nothing lies under the point; the rest is reset.
struct TMarkupOutput {
    bool Hit = false; // the point lies on a link, a linked picture or a control
    String Anchor;    // target of the link under the point, "ctrl" for a control
    String StripVal;  // the text runs in order, a carriage return per line break
    String FocusAnchor;
    String AnchorTitle;
    int XSize = 0; // widest line
    int YSize = 0; // sum of the line heights
    int HyperLinks = 0;
    int MouseLink = -1; // 1-based link under the point
    TRect HoverRect;    // that link's text on its last line; unchanged when none
    TRect CtrlRect;
    String CtrlID;
    String CtrlVal;
    String CtrlType;
};

// One call's work. The renderer keeps nothing between calls; it is a class to share the call's state
// among the passes and the tag handlers.
class TMarkupRenderer {
public:
    TMarkupRenderer(const TMarkupInput& in, TMarkupOutput& out);
    ~TMarkupRenderer();
    TMarkupRenderer(const TMarkupRenderer&) = delete;
    TMarkupRenderer& operator=(const TMarkupRenderer&) = delete;
    bool Run();

    // The text after entity and line-break preparation (exposed for tests of the preparation).
    static String PrepareText(const String& text);

private:
    enum class Pass { Measure, Draw, HitTest };
    struct Flow;  // state carried along the text, restored between the two passes of a line
    struct Paint; // colours saved and restored by the drawing pass
    struct Line;  // one line: its markup and measures
    struct Tag;

    void RunLine(Pass pass, String& text, const TRect& lineRect, Line& line);
    // Each returns false when the tag does not fit and starts the next line.
    bool HandleTag(Pass pass, const Tag& tag, const TRect& lineRect, Line& line);
    bool HandleClosingTag(Pass pass, const Tag& tag, const TRect& lineRect, Line& line);
    bool HandleImage(Pass pass, const Tag& tag, const TRect& lineRect, Line& line);
    bool HandleControl(Pass pass, const Tag& tag, const TRect& lineRect, Line& line);
    bool HandleBullet(Pass pass, const TRect& lineRect, Line& line);
    void HandleBody(Pass pass, const Tag& tag);
    void TextRun(Pass pass, const String& run, int w, int h, const TRect& lineRect, Line& line);
    void DrawRun(const String& run, int x, int w, int h, const TRect& lineRect, const Line& line);

    TFont& PassFont(Pass pass);
    void UseFont(Pass pass);
    int GhHeight(Pass pass);
    void Fill(const TRect& r, TColor color);
    bool HitTests(Pass pass) const;
    int PointX(const TRect& lineRect) const;
    // Left edge on the canvas of an object at offset x, width w in the line (mirrored right to left).
    int CanvasLeft(const TRect& lineRect, int x, int w) const;
    bool Fits(Pass pass, int x, int w) const;

    const TMarkupInput& in;
    TMarkupOutput& out;
    TCanvas* FCanvas;
    bool FRightToLeft;
    TRect FLayout; // the rectangle, its left moved 1 pixel right
    std::unique_ptr<Flow> FFlow;
    std::unique_ptr<Paint> FPaint;
    std::unique_ptr<TFont> FStartFont, FMeasureFont, FDrawFont;
    std::unique_ptr<TPen> FStartPen;
    std::unique_ptr<TBrush> FStartBrush;
    TColor FStartBrushColor = clNone;
};
