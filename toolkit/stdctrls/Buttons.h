// Glyph buttons: the speed button, its states and groups, and the rule that places a glyph and a caption
// inside a button, which every glyph button of the program shares.
#pragma once

#include "toolkit/controls/Controls.h"

#include <memory>

class TBitmap;

// Up; Disabled; Down (pressed now); Exclusive (held down, in a group or as a pressed check).
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
// Where the glyph sits beside the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where a glyph (top-left corner) and a caption (its rectangle) go in a client rectangle moved by Offset.
// A glyph beside the text centres both vertically, one above or below centres both horizontally.
// Spacing counts only when there are both; Margin -1 centres glyph, spacing and text together, and with
// Spacing -1 as well spreads them with three equal gaps; a fixed Margin with Spacing -1 centres the text in
// the room the glyph leaves. Right-to-left reading swaps left and right. An empty size means "none".
struct TButtonLayoutResult {
    TPoint GlyphPos;
    TRect TextBounds;
};
TButtonLayoutResult CalcButtonLayout(const TRect& Client, const TPoint& Offset, const TSize& GlyphSize,
                                     const TSize& TextSize, TButtonLayout Layout, int Margin, int Spacing,
                                     bool RightToLeft);

// Draws the picture for `State` from a strip of NumGlyphs (1 to 4) pictures side by side (up, disabled,
// down, exclusive), keyed out by its bottom-left pixel; a missing picture is the up one, a missing
// disabled one the up one greyed.
void DrawButtonGlyph(TCanvas* Canvas, const TBitmap* Glyph, int NumGlyphs, TButtonState State,
                     const TPoint& At);

// A button without a window of its own in the platform: it never takes the focus. With a GroupIndex it
// stays down when clicked and raises the button of its group that was down (AllowAllUp lets the last one
// come up again); without one it comes up again after each click. Flat buttons show their edge only while
// the mouse is over them. Alt with the caption's accelerator clicks it (it never has the focus).
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;
    String ClassName() const override { return "TSpeedButton"; }

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool v);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int v);
    // Held down; only a button of a group can be (false is kept for one outside a group).
    bool Down() const { return FDown; }
    virtual void SetDown(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    // A copy of the picture is kept; null or an empty picture removes it.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* v);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int v);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout v);
    int Margin() const { return FMargin; }
    void SetMargin(int v);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v);

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void TextChanged() override;
    // The state the paint shows, brought in line with Enabled and Down first.
    TButtonState PaintState();
    // Tells the other buttons of the group (the parent's controls) that this one went down.
    void UpdateExclusive();
    // Another button of the group went down (or changed its group settings): this one comes up.
    virtual void ButtonPressed(int group, TSpeedButton* sender);
    // Whether a mouse position counts as on the button (its bottom edge included).
    bool InClient(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }
    // The state a press shows while the mouse is dragged inside or outside.
    TButtonState DragState(bool Inside) const { return FDown ? bsExclusive : (Inside ? bsDown : bsUp); }
    // Takes the state and repaints when it changed.
    void ShowState(TButtonState State);
    // A group's button let go: inside it toggles Down, outside a held button shows held again.
    void ReleaseInGroup(bool Inside);

    TButtonState FState = bsUp;
    bool FDragging = false;
    bool FAllowAllUp = false;
    int FGroupIndex = 0;
    bool FDown = false;

private:
    bool FFlat = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FMouseInControl = false;
};
