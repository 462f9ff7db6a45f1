// The string grid as a drop target: decides from the grid's drag-and-drop settings whether a drag is taken
// and where it lands, scrolls and shows the insertion arrows while it moves, and writes what is dropped:
// a column, the grid's cells, rich text or text, and besides them one file or an address.
#pragma once

#include "controls/grid/exchange/GridDropRules.h"
#include "toolkit/controls/DragDrop.h"

class TQvStringGrid;

class TGridDropTarget : public TDropTarget {
public:
    explicit TGridDropTarget(TQvStringGrid* AGrid) : FGrid(AGrid) {}

    void DragEnter(const TClipData& Data, TShiftState Shift, const TPoint& Pt, int& Effect) override;
    void DragOver(TShiftState Shift, const TPoint& Pt, int& Effect) override;
    void DragLeave() override;
    void Drop(const TClipData& Data, TShiftState Shift, const TPoint& Pt, int& Effect) override;

private:
    GridDrop::View GridView() const;
    GridDrop::Over OverAt(const TPoint& ScreenPt) const;
    // Where the drag lands at the point, scrolling near the edges, asking the application and placing the
    // arrows; whether the grid would take it there.
    bool DragMouseMove(const TPoint& ScreenPt);
    void ShowArrows(const GridDrop::Arrows& A);
    void HideArrows();
    // Each answers whether it wrote anything.
    bool DropCol(const TPoint& Pt, int Col);
    bool DropStream(const TPoint& Pt, const QByteArray& Cells);
    bool DropRTF(const TPoint& Pt, QByteArray Rtf);
    bool DropText(const TPoint& Pt, const String& Text);
    bool DropFiles(const TPoint& Pt, const QStringList& Files);
    bool DropURL(const TPoint& Pt, const String& URL);

    TQvStringGrid* FGrid;
    // The drag's data may be dropped here at all, and what it carries.
    bool FOk = false;
    GridDrop::TDropFormats FFormats = 0;
    // What the last move found: the desktop drops only where the last move was taken.
    bool FMoved = false;
    bool FMoveTaken = false;
};
