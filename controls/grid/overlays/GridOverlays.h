// The windows the string grid floats over its cells: the target arrows of a column or row move, the soft
// frame around the cell being edited, and the snapshot of a cell range.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/controls/Overlays.h"

#include <array>
#include <memory>

class TBitmap;
class TGridAlphaMask;
class TImage;

// A small green arrow marking where a moved column or row would land. arrUp and arrDown mark a column's
// edge from below and above; arrLeft points right and arrRight points left, each naming the side of the
// row edge it marks.
class TArrowWindow : public TOverlayControl {
public:
    explicit TArrowWindow(TComponent* AOwner);
    String ClassName() const override { return "TArrowWindow"; }
    // Takes the direction, floats over Owner's window and stays hidden.
    void Init(TControl* Owner, TArrowDirection Direction);

    TArrowDirection Dir = arrUp;
    std::array<TPoint, 7> Arrow{};

protected:
    void Paint() override;
};

// The frame around the cell being edited: a ring of the colour the grid gives it, fading out through a
// soft shadow, that lets the cell and its editor show through its middle.
class TGridFocusWindow : public TOverlayControl {
public:
    explicit TGridFocusWindow(TComponent* AOwner);
    ~TGridFocusWindow() override;
    String ClassName() const override { return "TGridFocusWindow"; }
    // The pixels shown: the mask's, scaled by its opacity; an empty mask shows nothing.
    void SetLayeredPixels(const TGridAlphaMask& Mask);
    const TBitmap* LayeredPixels() const { return FPixels.get(); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TBitmap> FPixels;
};

// A picture of cells that floats over the grid's window, half transparent, and never takes the focus or the
// mouse: what follows the mouse while cells are dragged. Its Left and Top are screen coordinates.
class TNoActiveForm : public TOverlayControl {
public:
    explicit TNoActiveForm(TComponent* AOwner);
    String ClassName() const override { return "TNoActiveForm"; }
    // The picture filling the window.
    TImage* Image() const { return FImage; }

private:
    TImage* FImage;
};
