// Standard controls: label, edit, memo, combo box, list box, button, check box, radio button, group box,
// scroll bar. Each keeps its state without a window; Qt's widget of the same kind shows it once made.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/system/StringList.h"

#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QComboBox;
class QListWidget;
class QAbstractButton;
class QScrollBar;

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

// Notifications of a combo box (in the high word of WParam): it reflects the opening and closing of its list
// to itself as CN_COMMAND; a control that tells its parent of a choice or a typed change sends WM_COMMAND.
enum : Word { CBN_SELCHANGE = 1, CBN_EDITCHANGE = 5, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8 };
inline WPARAM MAKEWPARAM(int lo, int hi) {
    return static_cast<WPARAM>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16));
}

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// The lines of a string list as Qt's list, and a string list filled from one (a single change).
QStringList StringsToList(const TStrings& strings);
void SetStringsFromList(TStrings& strings, const QStringList& lines);

// A caption painted with the canvas. AutoSize (on by default) fits the bounds to the text.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    String ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool v);
    void SetAutoSize(bool v) override;
    // Fits width and height to the caption (height only when WordWrap is on), keeping the edge that
    // the alignment anchors.
    void AdjustBounds();

    bool ReadProperty(const String& name, const TDesignValue& value) override;
    void Loaded() override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void SyncWidget() override;
    unsigned DrawTextFlags() const;

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
};

// A one-line edit over QLineEdit. OnChange follows every change of the text, typed or set.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);
    String ClassName() const override { return "TEdit"; }

    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar v);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase v);
    String TextHint() const { return FTextHint; }
    void SetTextHint(const String& v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool v) { FAutoSelect = v; }

    int SelStart() const;
    void SetSelStart(int v);
    int SelLength() const;
    void SetSelLength(int v);
    String SelText() const;
    void SelectAll();
    void Clear() { SetText(String()); }
    virtual void CutToClipboard();
    virtual void CopyToClipboard();
    virtual void PasteFromClipboard();
    // Blank space kept between the edge and the text (the edit's formatting rectangle).
    void SetTextMargins(int left, int top, int right, int bottom);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnChange;

protected:
    String GetText() const override;
    void TextChanged() override;
    virtual void Change();
    void KeyPress(QChar& Key) override;
    // A character that comes without a key (posted or performed) is typed over the selection.
    void DefaultHandler(TMessage& Message) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    void DoEnter() override;
    QLineEdit* LineEdit() const;

private:
    void ApplyLimit();
    String Cased(const String& s) const;

    int FMaxLength = 0;
    bool FReadOnly = false;
    QChar FPasswordChar;
    TEditCharCase FCharCase = ecNormal;
    String FTextHint;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSelect = true;
    int FSelStart = 0;
    int FSelLength = 0;
    TRect FTextMargins;
    bool FSyncing = false;
};

// A multi-line edit over QPlainTextEdit; its text is its Lines.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* AOwner);
    String ClassName() const override { return "TMemo"; }

    TStringList* Lines() { return &FLines; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool v) { FWantReturns = v; }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v) { FMaxLength = v; }
    // 0: no frame (bsNone), 1: the sunken frame (bsSingle).
    int BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(int v);
    void Clear() { FLines.Clear(); }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnChange;

protected:
    String GetText() const override;
    void TextChanged() override;
    LRESULT DialogCode() const override { return FWantReturns ? LRESULT(DLGC_WANTALLKEYS) : LRESULT(0); }
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;

private:
    void LinesChanged();
    QPlainTextEdit* Editor() const;

    TStringList FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    int FMaxLength = 0;
    int FBorderStyle = 1;
    bool FSyncing = false;
};

// A combo box over QComboBox. ItemIndex -1 means nothing is chosen; a list-only combo (csDropDownList)
// shows only its items' texts.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    String ClassName() const override { return "TComboBox"; }

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle v);
    TStringList* Items() { return &FItems; }
    void SetItems(const QStringList& items) { SetStringsFromList(FItems, items); }
    int ItemIndex() const { return FItemIndex; }
    // An index outside the items leaves nothing chosen.
    void SetItemIndex(int v);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int v);
    bool Sorted() const { return FItems.Sorted(); }
    void SetSorted(bool v) { FItems.SetSorted(v); }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);
    bool DroppedDown() const;
    // Opens or closes the list; the control hears of it as CN_COMMAND with CBN_DROPDOWN or CBN_CLOSEUP.
    void SetDroppedDown(bool v);
    // Width of the opened list; 0 or less leaves the width of the control.
    int DroppedWidth() const { return FDroppedWidth; }
    void SetDroppedWidth(int v);
    void Clear();
    // Caret and selection of the edit part of an editable combo; 0 and nothing when it has no window yet.
    int SelStart() const;
    void SetSelStart(int v);
    int SelLength() const;
    void SetSelLength(int v);
    void SelectAll();
    // The character of the edit part at a client point of the combo; -1 without an edit part.
    int EditCharFromPos(TPoint p) const;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    String GetText() const override;
    void TextChanged() override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    void Dispatch(TMessage& Message) override;
    // A character that comes without a key (posted or performed) is typed as the widget would type it.
    void DefaultHandler(TMessage& Message) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    QComboBox* Combo() const;

private:
    void ItemsChanged();
    void PushToWidget();
    void TypeChar(QChar ch);

    TStringList FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FMaxLength = 0;
    int FDroppedWidth = 0;
    bool FSyncing = false;
};

// A list of lines over QListWidget; with MultiSelect each line has its own selected flag.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    String ClassName() const override { return "TListBox"; }

    TStringList* Items() { return &FItems; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool v);
    bool Selected(int index) const;
    void SetSelected(int index, bool v);
    int SelCount() const;
    bool Sorted() const { return FItems.Sorted(); }
    void SetSorted(bool v) { FItems.SetSorted(v); }
    int Count() const { return FItems.Count(); }
    void Clear() { FItems.Clear(); }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    QListWidget* List() const;

private:
    void ItemsChanged();
    void PushToWidget();
    void TakeFromWidget();

    TStringList FItems;
    std::vector<bool> FSelected;
    int FItemIndex = -1;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    bool FSyncing = false;
};

// A push button over QPushButton. A click hands its ModalResult to the form; Default answers Enter and
// Cancel answers Escape when the form asks its controls (CM_DIALOGKEY).
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);
    String ClassName() const override { return "TButton"; }

    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v) { FModalResult = v; }
    void Click() override;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void Dispatch(TMessage& Message) override;
    void TextChanged() override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};

// The common part of check boxes and radio buttons: a caption beside a mark, on the side Alignment says.
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* AOwner);
    String ClassName() const override { return "TButtonControl"; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    void TextChanged() override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    // Puts the control's state into its widget; the widget's own signals are ignored meanwhile.
    void PushState();
    // The state of the derived kind (checked, grayed ...), pushed inside PushState.
    virtual void PushMark() = 0;
    bool FSyncing = false;

private:
    TAlignment FAlignment = taRightJustify;
};

// A check box over QCheckBox. OnClick follows every change of the state, set by code or by the person.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    String ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState v);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool v);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void PushMark() override;

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
};

// A radio button over QRadioButton; checking one unchecks the radio buttons beside it (same parent).
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    String ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return FChecked; }
    void SetChecked(bool v);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void PushMark() override;

private:
    bool FChecked = false;
};

// A frame with a caption around other controls; the children's positions count from its top-left corner.
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* AOwner);
    String ClassName() const override { return "TGroupBox"; }
    TRect AdjustedClientRect() const override;

protected:
    void TextChanged() override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
};

// A scroll bar control over QScrollBar. With a PageSize, the highest position is Max - PageSize + 1.
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    String ClassName() const override { return "TScrollBar"; }

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind v);
    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    void SetMin(int v) { SetParams(FPosition, v, FMax); }
    void SetMax(int v) { SetParams(FPosition, FMin, v); }
    void SetPosition(int v) { SetParams(v, FMin, FMax); }
    void SetParams(int APosition, int AMin, int AMax);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int v);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int v);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int v);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& pos);
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;

private:
    int HighestPosition() const;
    void PushToWidget();

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    bool FSyncing = false;
};
