// The memo dropdown: a multi-line text whose popup is a memo; the edit shows the first line (with "..."
// when more follow) or, with the editor enabled, the whole text.
#pragma once

#include "controls/dropdown/QvDropDown.h"
#include "toolkit/system/StringList.h"

class TMemo;
class TPopupMenu;

class TQvMemoDropDown : public TQvCustomDropDown {
public:
    explicit TQvMemoDropDown(TComponent* AOwner);
    ~TQvMemoDropDown() override;
    String ClassName() const override { return "TQvMemoDropDown"; }

    // The lines; a change refreshes the edit.
    TStringList* MemoText() { return &FMemoText; }
    void SetMemoText(const TStrings* Value);
    TMemo* Memo() const { return FMemo; }
    // Reach the memo at the next drop.
    TPopupMenu* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(TPopupMenu* v);
    TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(TScrollStyle v) { FMemoScrollBars = v; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    // Open the popup when the edit gets the focus.
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool v) { FAutoDrop = v; }

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool CancelChanges) override;
    void AfterDropUp() override;
    void ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyPress(TObject* Sender, QChar& Key) override;

    TNotifyEvent OnMemoChange;

protected:
    void DoEnter() override;
    void Change() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The edit's text from the lines, written without coming back into them.
    void UpdateEditText();

    TStringList FMemoText;
    TMemo* FMemo = nullptr;
    TPopupMenu* FMemoPopup = nullptr;
    TScrollStyle FMemoScrollBars = ssNone;
    bool FMemoReadOnly = false;
    bool FAutoDrop = false;
    bool FInternalUpdate = false;
};
