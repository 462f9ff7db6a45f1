// The floating button that shows the header cell being dragged while the grid moves a column or a row.
#pragma once

#include "toolkit/controls/Controls.h"

class TQvStringGrid;

class THeaderDragButton : public TCustomControl {
public:
    explicit THeaderDragButton(TComponent* AOwner);
    String ClassName() const override { return "THeaderDragButton"; }

    TQvStringGrid* Grid() const { return FGrid; }
    void SetGrid(TQvStringGrid* Value) { FGrid = Value; }
    String Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }

protected:
    void Paint() override;

private:
    TQvStringGrid* FGrid = nullptr; // not owned
    String FCaption;
    bool FFlat = false;
};
