// A caption label attached to an editor control (the flat combo, the date-time picker): where it stands
// beside the control and how it follows the control's place, visibility, parent and enabled state.
#pragma once

#include "toolkit/stdctrls/StdCtrls.h"

#include <memory>

// Where a control's attached caption label stands.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight
};

// Top-left corner of a label of size `labelSize` beside `control`; the left positions use the caption's
// measured width `textWidth`, not the label's width.
TPoint AttachedLabelOrigin(const TRect& control, TSize labelSize, int textWidth, TLabelPosition position,
                           int margin);
// Width of the caption as the label's font lays it out (ampersands shown as they are).
int AttachedLabelTextWidth(TLabel* label);

// The label of one control and its settings. The label is made with the first caption, owned by the control
// and placed on the control's parent; Free takes it off the parent and frees it before the control goes.
class TAttachedLabel {
public:
    explicit TAttachedLabel(TWinControl* Control);
    ~TAttachedLabel();
    TAttachedLabel(const TAttachedLabel&) = delete;
    TAttachedLabel& operator=(const TAttachedLabel&) = delete;

    // Nullptr until a caption was set.
    TLabel* Label() const { return FLabel; }
    String Caption() const { return FLabel ? FLabel->Caption() : String(); }
    // Makes the label when there is none (`made` runs on the new label first), sets the caption and places
    // it.
    void SetCaption(const String& v, const std::function<void(TLabel*)>& made = {});
    TLabelPosition Position() const { return FPosition; }
    void SetPosition(TLabelPosition v);
    int Margin() const { return FMargin; }
    void SetMargin(int v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // An always enabled label stays enabled while the control is disabled.
    bool AlwaysEnabled() const { return FAlwaysEnabled; }
    void SetAlwaysEnabled(bool v);
    // The label's own font (the control may show the label in its own font instead).
    TFont* Font() const { return FFont.get(); }

    // Beside the control, where the position says, shown while the control is.
    void Place();
    void ControlEnabled(bool Enabled);
    void ControlParent(TWinControl* Parent);
    void SetBold(bool Bold);
    void Free();

private:
    TWinControl* FControl;
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FFont;
    TLabelPosition FPosition = lpLeftTop;
    int FMargin = 4;
    bool FTransparent = false;
    bool FAlwaysEnabled = false;
};
