// The trackbar: a thumb on a scale from Min to Max, over QSlider.
#pragma once

#include "toolkit/controls/Controls.h"

class QSlider;

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
// tsManual shows ticks at the ends only (set ticks of one's own are not kept).
enum TTickStyle { tsNone, tsAuto, tsManual };

// Position always lies within Min .. Max (a value outside is moved to the nearer end); OnChange follows
// every change of it, by the person or by code. Keys as on the platform: Left and Up go towards Min, Right
// and Down towards Max by LineSize, Page Up and Page Down by PageSize, Home and End to the ends. A vertical
// trackbar has Min at the top.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* AOwner);
    String ClassName() const override { return "TTrackBar"; }

    int Min() const { return FMin; }
    // A Min above Max (or a Max below Min) takes the other end along.
    void SetMin(int v);
    int Max() const { return FMax; }
    void SetMax(int v);
    int Position() const { return FPosition; }
    void SetPosition(int v);
    // The spacing of the ticks.
    int Frequency() const { return FFrequency; }
    void SetFrequency(int v);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int v);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int v);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation v);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark v);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle v);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    QSlider* Slider() const;

private:
    void PushToWidget();

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    int FLineSize = 1;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    bool FSyncing = false;
};
