// The trackbar dropdown: an integer edit whose popup holds a trackbar, moved also by Up and Down and by
// dragging the mouse over the edit.
#pragma once

#include "controls/dropdown/QvDropDown.h"

class TTrackBar;

class TQvTrackBarDropDown : public TQvCustomDropDown {
public:
    explicit TQvTrackBarDropDown(TComponent* AOwner);
    String ClassName() const override { return "TQvTrackBarDropDown"; }

    int Min() const { return FMin; }
    void SetMin(int v);
    int Max() const { return FMax; }
    void SetMax(int v);
    // With the trackbar made, the value it keeps after its own clamping.
    int Position() const { return FPosition; }
    void SetPosition(int v);
    // Tick spacing and the step of Up and Down.
    int Frequency() const { return FFrequency; }
    void SetFrequency(int v);
    // Also the pixels of mouse drag over the edit per unit.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int v);
    TTrackBar* TrackBar() const { return FTrackBar; }

    void CreateDropDownForm() override;
    void BeforeDropDown() override;

    TNotifyEvent OnTrackChange;

protected:
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // A typed text that is an integer moves the position; any other leaves it.
    void Change() override;

private:
    void TrackChange();

    TTrackBar* FTrackBar = nullptr;
    int FMin = 0;
    int FMax = 10;
    int FFrequency = 1;
    int FPageSize = 2;
    int FPosition = 0;
    bool FMouseDraging = false;
    int FMouseX = 0;
};
