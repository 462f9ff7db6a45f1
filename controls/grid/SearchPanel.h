// The search footer's strip below the grid's rows: its edit box, next, previous, highlight and close
// buttons and match-case box, laid out and painted; what they do is the grid's.
#pragma once

#include "controls/grid/QvGridButton.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"

// An edit box that reports Enter (OnReturn) and Ctrl+Enter (OnCtrlReturn) instead of passing them on, so
// a search runs without the dialog's default button taking the key.
class TRetEdit : public TEdit {
public:
    explicit TRetEdit(TComponent* AOwner) : TEdit(AOwner) {}
    String ClassName() const override { return "TRetEdit"; }

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
};

class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TComponent* AOwner);
    String ClassName() const override { return "TSearchPanel"; }

    TRetEdit* EditControl() const { return FEdit; }
    TQvGridButton* ForwardButton() const { return FForward; }
    TQvGridButton* BackwardButton() const { return FBackward; }
    TQvGridButton* ExitButton() const { return FExit; }
    TQvGridButton* HiliteButton() const { return FHilite; }
    TQvCheckBox* MatchCase() const { return FMatchCase; }

    // The lower colour of a vertical gradient from Color; clNone fills with Color alone.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    // The line along the top edge, in the grid's grid-line colour.
    void SetLineColor(TColor Value) { FLineColor = Value; }

    // Puts the children in their places (mirrored with right-to-left reading) and gives the buttons their
    // captions and hints; the next, previous and highlight actions wait for a text.
    void LayoutControls();

    String FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
    String HintClose, HintFindNext, HintFindPrev, HintHighlight;

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;
    // The panel's window exists and its children are placed.
    TNotifyEvent OnCreated;

protected:
    void CreateWnd() override;
    void Paint() override;

private:
    void EditChanged();

    TRetEdit* FEdit;
    TQvGridButton* FForward;
    TQvGridButton* FBackward;
    TQvGridButton* FExit;
    TQvGridButton* FHilite;
    TQvCheckBox* FMatchCase;
    TColor FColorTo = clNone;
    TColor FLineColor = clSilver;
};
