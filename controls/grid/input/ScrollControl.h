// The slim scroll bar the grid lays along its right and bottom edges in place of window scroll bars: only a
// thumb over the grid's own picture, a page on a click beside it, scrolling while it is dragged.
#pragma once

#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/input/ScrollBarMath.h"

#include "toolkit/controls/Controls.h"

class TQvStringGrid;

class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner);
    String ClassName() const override { return "TScrollControl"; }

    // The thumb's colour (the control's own colour: it fills nothing else).
    void SetColor(TColor Value);
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value);

    // The grid it lies on (its parent), or null: then it shows and scrolls nothing.
    TQvStringGrid* GetGrid() const;
    // The part of the bar beside the scrolled cells, and the fixed cells' part before it.
    int TrackLength() const;
    int FixedLength() const;
    // Position and length of the thumb along the bar; (0, 0) without a grid or rows to scroll through.
    SlimThumb GetThumb() const;
    bool Dragging() const { return FDownOnScroller; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool Vertical() const { return FDirection == sdVertical; }
    int Along(int X, int Y) const { return Vertical() ? Y : X; }
    int Extent() const { return Vertical() ? Height() : Width(); }
    // The grid's first scrolled row (column), counts and the one it scrolls to.
    int First() const;
    void ScrollTo(int AFirst);

    int FScrollWidth = 4;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
    TScrollDirection FDirection = sdVertical;
};
