// An editor link: the bridge through which an application puts a control of its own into a grid cell as
// the cell's editor (cells of the edCustom kind), shown over the cell or in a borderless pop-up below it.
#pragma once

#include "controls/grid/QvGrid_Types.h"
#include "toolkit/system/Classes.h"
#include "toolkit/system/Types.h"

class TFont;
class TPopupForm;
class TQvStringGrid;
class TWinControl;
struct TMessage;

class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner);
    ~TEditLink() override;
    String ClassName() const override { return "TEditLink"; }

    // What the grid asks of the link, in the order of an opening
    // ----------------------------------------------------------------------------------------
    // Keys of the link's control: the grid routes its key-down here. A leaving key ends the edit; the keys
    // the Want options name stay with the control.
    virtual void EditKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    // The link's control; none by default.
    virtual TWinControl* GetEditControl() { return nullptr; }
    // The link makes its control here, with AParent as its parent (the grid, or the pop-up).
    virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
    // The link frees its control here (a pop-up link's control after every edit).
    virtual void DestroyEditor() {}
    // With Value the control (made visible and enabled) takes the focus, else the grid.
    virtual void SetFocus(bool Value);
    // The control's place in its parent, inside the grid's lines.
    virtual void SetRect(const TRect& R);
    virtual void SetVisible(bool Value);
    // The link copies its own settings into the control.
    virtual void SetProperties() {}
    // The cell's colour and font for the control.
    virtual void SetCellProps(TColor AColor, const TFont* AFont) {
        (void)AColor;
        (void)AFont;
    }
    // The control's value as the cell's text, and the cell's edit text into the control.
    virtual String GetEditorValue() { return String(); }
    virtual void SetEditorValue(const String& Value) { (void)Value; }

    // Open to the link and the application
    // ----------------------------------------------------------------------------------------
    // Stores the control's value, ends the edit and, for a pop-up, frees the control and hides the pop-up.
    void EditExit(TObject* Sender);
    // The pop-up lost the activation: to the grid itself (the link's own key) the value is only stored,
    // anywhere else the edit ends.
    void FormExit(TObject* Sender);
    // The control's parent: the pop-up for esPopup, the grid otherwise.
    TWinControl* GetParent();
    // The current cell's text, and the value written into it as an edit stores it.
    String GetCellValue();
    void SetCellValue(const String& Value);
    void HideEditor();
    // The control gets its own message handling back and, over the cell, is hidden.
    void RestoreWinProc();

    // Properties
    // ----------------------------------------------------------------------------------------
    TQvStringGrid* Grid() const { return FOwner; }
    // The cell being edited (X the real column).
    TPoint EditCell() const { return FEditCell; }
    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool v) { FWantKeyLeftRight = v; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool v) { FWantKeyUpDown = v; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool v) { FWantKeyHomeEnd = v; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool v) { FWantKeyPriorNext = v; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool v) { FWantKeyReturn = v; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool v) { FWantKeyEscape = v; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool v) { FWantReturns = v; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool v) { FWantTabs = v; }
    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle v) { FEditStyle = v; }
    int PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int v) { FPopupWidth = v; }
    int PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int v) { FPopupHeight = v; }
    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool v) { FAutoPopupWidth = v; }
    // Screen position of the pop-up; -1 in either: at the cell's top-left corner.
    int PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int v) { FPopupLeft = v; }
    int PopupTop() const { return FPopupTop; }
    void SetPopupTop(int v) { FPopupTop = v; }
    int Tag() const { return FTag; }
    void SetTag(int v) { FTag = v; }
    // The pop-up this link shows its control in, once made; every link has its own.
    TPopupForm* PopupForm() const { return FPopupForm; }

    // The grid's side of an opening and a closing (the editor table's entry of edCustom)
    // ----------------------------------------------------------------------------------------
    // Makes, places, fills and shows the control over the cell R (grid coordinates) with the cell's
    // colour, font and edit text.
    void Open(TQvStringGrid* AGrid, int ARealCol, int ARow, const TRect& R, TColor AColor, const TFont* AFont,
              const String& Text);
    // Stores the control's value into the cell.
    void Store();
    // Hides the control (not the pop-up's) and gives it its own message handling back.
    void Close();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The grid's filter in front of the control's own message handling while it edits a cell.
    bool ControlMessage(TMessage& Message);
    TPopupForm* MakePopupForm();
    // The pop-up hides; its control goes once the message under way has been handled.
    void ClosePopup();
    void LeaveByKey(Word& Key, TShiftState Shift);

    TQvStringGrid* FOwner = nullptr;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    TEditStyle FEditStyle = esInplace;
    TPopupForm* FPopupForm = nullptr;
    int FPopupWidth = 0;
    int FPopupHeight = 0;
    bool FForcedExit = false;
    TPoint FEditCell{-1, -1};
    int FTag = 0;
    bool FAutoPopupWidth = false;
    int FPopupLeft = -1;
    int FPopupTop = -1;
    bool FSubClassed = false;
    // The control the filter was put on, to take it off the same one.
    TWinControl* FFiltered = nullptr;
    bool FWantReturns = false;
    bool FWantTabs = false;
};
