// A splitter bar: dragged by the person, it resizes the control aligned next to it on its own side.
#pragma once

#include "toolkit/controls/Controls.h"

class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);
    String ClassName() const override { return "TSplitter"; }

    // The smallest size the resized control and the client control keep.
    int MinSize() const { return FMinSize; }
    void SetMinSize(int v) { FMinSize = v < 1 ? 1 : v; }
    void Loaded() override;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool vertical() const { return Align() == alTop || Align() == alBottom; }
    // The control that moves with the bar: aligned the same way, touching the bar on its side.
    TControl* findResized() const;
    TControl* findClient() const;
    int positionInParent(int X, int Y) const { return vertical() ? Top() + Y : Left() + X; }

    int FMinSize = 30;
    TControl* FResized = nullptr;
    int FDownPos = 0;
    int FStartSize = 0;
    int FRoom = 0; // how far the resized control may grow
};
