// TQvCustomDropDown: the one-line edit with a dropdown button whose popup holds a header bar, a content
// control and a footer bar; the base of every picker and of the grid's dropdown cell editors.
#pragma once

#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/dropdown/QvDropDown_ButtonAppearance.h"
#include "controls/dropdown/QvDropDown_Types.h"
#include "controls/editors/QsgCombo.h"
#include "controls/styles/QvStyleIF.h"
#include "toolkit/stdctrls/Mask.h"

#include <memory>

class TDropDownForm;
class TDropDownEditButton;
class TImageList;
class TBitmap;
struct TEntryState;
class TThemeNotifier;
class TItemAppearance;

class TQvCustomDropDown : public TCustomMaskEdit, public IQvStyle, public IQvTones {
public:
    explicit TQvCustomDropDown(TComponent* AOwner);
    ~TQvCustomDropDown() override;
    String ClassName() const override { return "TQvCustomDropDown"; }

    void Assign(const TPersistent* Source) override;
    void Loaded() override;
    bool ReadProperty(const String& name, const TDesignValue& value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void SetVisible(bool v) override;
    void SetEnabled(bool v) override;
    // The button shows the read-only state too.
    void SetReadOnly(bool v);

    // ---- the drop cycle
    void ShowDropDown() { DoDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const { return FDroppedDown; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    TDropDownEditButton* Button() const { return FButton; }

    // ---- value, text and number (QvDropDown_Text.cpp)
    // The value: the edit text without prefix and suffix.
    String GetText() const override;
    // Sets the value: numbers formatted by the edit type and Precision, prefix and suffix around it. The
    // text a cancelled popup brings back.
    virtual void SetText(const String& Value);
    // Puts a text into the edit as it is: no formatting, no prefix or suffix added.
    void SetTextUnformatted(const String& Value);
    // The text a cancelled popup brings back.
    String OldText() const { return FOldText; }
    double FloatValue() const;
    void SetFloatValue(double Value);
    int IntValue() const { return static_cast<int>(FloatValue()); }
    void SetIntValue(int Value);
    bool IsModified() const;
    void SetIsModified(bool Value);
    // Selects exactly the value; puts the caret after or before its decimal separator.
    void SelectAll();
    void SelectAfterDecimal();
    void SelectBeforeDecimal();
    // The clipboard through the clipboard events and the edit type's paste rules.
    void CutToClipboard() override;
    void CopyToClipboard() override;
    void PasteFromClipboard() override;

    // ---- properties
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int v) { FLengthLimit = static_cast<int16_t>(v); }
    String Prefix() const { return FPrefix; }
    void SetPrefix(const String& v);
    String Suffix() const { return FSuffix; }
    void SetSuffix(const String& v);
    bool Signed() const { return FSigned; }
    void SetSigned(bool v) { FSigned = v; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool v) { FReturnIsTab = v; }
    String ValidChars() const { return FValidChars; }
    void SetValidChars(const String& v) { FValidChars = v; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool v) { FAllowNumericNullValue = v; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool v) { FDefaultHandling = v; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool v) { FCanUndo = v; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool v) { FExcelStyleDecimalSeparator = v; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool v) { FAutoThousandSeparator = v; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    bool Etched() const { return FEtched; }
    void SetEtched(bool v) { FEtched = v; }
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool v) { FFocusDraw = v; }
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool v) { FForceShadow = v; }
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool v) { FDropDownEnabled = v; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition v) { FDropPosition = v; }
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int v);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int v);
    // The size the person last gave the popup (-1: none), used until DropDownWidth or Height is set.
    int UserDropDownWidth() const { return FUserDropDownWidth; }
    int UserDropDownHeight() const { return FUserDropDownHeight; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool v) { FDropDownShadow = v; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int v) { FDropDownBorderWidth = v; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor v) { FDropDownBorderColor = v; }
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor v) { FDropDownColor = v; }
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor v) { FDropDownColorTo = v; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection v) { FDropDownGradient = v; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool v) { FDropDownSizeable = v; }
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int v);
    String DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const String& v);
    TBitmap* DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(const TBitmap* v);
    String DropDownButtonCaption() const;
    void SetDropDownButtonCaption(const String& v);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* v);
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(const THeaderAppearance* v) { FDropDownHeader->Assign(v); }
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(const TFooterAppearance* v) { FDropDownFooter->Assign(v); }
    TQvButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(const TQvButtonAppearance* v) { FButtonAppearance->Assign(v); }
    // The popup's content control (descendants set it) and the control the opening focuses.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* v);
    String Version() const;
    void SetVersion(const String&) {}

    // ---- look (QvDropDown_Look.cpp)
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor v) { FFocusBorderColor = v; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool v);
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor v) { FSelectionColor = v; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor v) { FSelectionColorTo = v; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    TQvStyle GetComponentStyle() const { return FQvStyle; }
    // The hot look: the mouse is over the edit or it has the keyboard.
    bool IsHot() const;
    bool MouseInControl() const { return FMouseInControl; }

    TLabel* EditLabel() const { return FLabel; }
    String LabelCaption() const;
    void SetLabelCaption(const String& v);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition v);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int v);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool v);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool v) { FLabelAlwaysEnabled = v; }
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(const TFont* v);

    // ---- the edit's operations the descendants override, in this order
    virtual void LabelClick();
    virtual void LabelDblClick();
    virtual int GetVersionNr() const;
    virtual void CreateDropDownForm();
    virtual void CreateButton();
    virtual void UpdateButtonSize();
    virtual void BeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height);
    virtual void FocusDropDownControl();
    virtual void DoDropDown();
    virtual void PlaceDropDownControl();
    virtual void UpdateDropDownSize();
    virtual void DoHideDropDown(bool CancelChanges);
    virtual void AfterDropUp();
    virtual void DropDownFormDestroyed();
    virtual void FormMouseWheelDown(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled);
    virtual void FormMouseWheelUp(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled);
    virtual void FormKeyPress(TObject* Sender, QChar& Key);
    virtual void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    virtual void FormKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
    virtual void ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    virtual void ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
    virtual void ControlKeyPress(TObject* Sender, QChar& Key);
    virtual void FormSizing(TObject* Sender);
    virtual void WheelDown();
    virtual void WheelUp();
    virtual void DrawFocusedText();
    virtual void SetEditRect();
    virtual void UpdateLayout();
    // (slot 30 is SetText, above)
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    // A selected cell's background in the selection colour style; Segment 0 whole, 1 first, 2 last,
    // 3 middle cell of a row. BackgroundColor shows at the rounded corners.
    virtual void DrawSelectionBackground(TCanvas* Canvas, TRect R, int Segment, TColor BackgroundColor);
    virtual void DrawGradientBackground(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Vertical,
                                        TRect R, int Steps);
    void SetComponentStyle(TQvStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    // The item pickers' item look for a component style; nothing without an appearance or for tsCustom.
    void SetItemAppearanceStyle(TItemAppearance* Appearance, TQvStyle AStyle);

    // The text area left of the button (client coordinates).
    TRect GetEditRect() const { return FEditRect; }
    // The canvas the edit's own painting (border, focused text) draws on, during WM_PAINT.
    TCanvas* EditCanvas() const { return FCanvas.get(); }
    // The minimum height the font asks for.
    int MinimumHeight() const;

    TNotifyEvent OnBeforeDropDown;
    TDropDown OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUp OnDropUp;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardPaste;
    TClipboardEvent OnClipboardCut;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoEnter() override;
    void DoExit() override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Resize() override;
    void FontChanged() override;
    void EnabledChanged() override;
    LRESULT DialogCode() const override;
    void Change() override;
    void CreateWnd() override;
    void DestroyWidget() override;
    bool PaintsItself() const override { return true; }

    // The button's open request: nothing while the popup shows or within 250 ms of its closing.
    void ButtonClick(TObject* Sender);
    // The settings the typing rules read, with the edit's text and selection now.
    TEntryState EntryState() const;
    // The edit text and selection as one change (the caller says whether the person made it).
    void ApplyEdit(const String& EditText, int SelStart, int SelLength);
    // The canvas the edit's paint draws its face on (attached only while DrawFocusedText runs).
    TCanvas* PaintCanvas() const { return FCanvas.get(); }

    TLabel* FLabel = nullptr;
    bool FParentFnt = false;
    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    bool FEditorEnabled = true;
    TDropPosition FDropPosition = dpAuto;
    bool FFlat = false;
    TImageList* FImages = nullptr;
    bool FDropDownShadow = true;
    int FDropDownBorderWidth = 1;
    String FButtonHint;
    TColor FDropDownColorTo = clNone;
    TColor FDropDownColor = 0xFFFFFF;
    TColor FDropDownBorderColor = 0;
    int FButtonWidth = 17;
    bool FMouseInControl = false;
    bool FEtched = false;
    TWinControl* FFocusControl = nullptr;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TQvButtonAppearance> FButtonAppearance;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    TControl* FControl = nullptr;
    TGradientDirection FDropDownGradient = gdHorizontal;
    bool FDropDownSizeable = true;
    TColor FSelectionColor = clNone;
    TColor FSelectionColorTo = clNone;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TDropDownEditType FEditType = etString;
    int16_t FLengthLimit = 0;
    int16_t FPrecision = 0;
    String FPrefix;
    String FSuffix;
    String FOldString;
    bool FSigned = false;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FIsThemed = false;
    bool FBlockChange = false;
    bool FAllowNumericNullValue = false;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FExcelStyleDecimalSeparator = false;
    String FValidChars;
    bool FBlockCopy = false;
    bool FButtonDown = false;
    bool FAutoThousandSeparator = true;
    bool FIsModified = false;
    TRect FEditRect;
    bool FDropDownEnabled = false;
    bool FDroppedDown = false;
    bool FFocusDraw = true;
    bool FForceShadow = false;
    TQvStyle FQvStyle = tsOffice2007Luna;
    int FLabelMargin = 4;
    TLabelPosition FLabelPosition = lpLeftTop;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    std::unique_ptr<TFont> FLabelFont;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    TDropDownForm* FDropDownForm = nullptr;
    TDropDownEditButton* FButton = nullptr;
    String FOldText;

private:
    // QvDropDown_Keys.cpp
    void WMKeyDown(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMLButtonDown(TMessage& Message);
    void WMLButtonUp(TMessage& Message);
    void ToggleDropDown();
    bool ValueBoundsKey(Word& Key, TShiftState Shift);
    void TypeCharacter(QChar Ch, LPARAM KeyData);
    // The selected part of the value, as the clipboard events get it.
    String SelectedValuePart() const;
    // QvDropDown_Text.cpp
    void ReformatThousands();
    // QvDropDown_Look.cpp
    void PaintMessage(TMessage& Message);
    void RefreshBorder();
    void DrawBorder(TCanvas* Canvas);
    void HeaderOrFooterChanged(TObject* Sender);
    void CreateLabel();
    void UpdateLabel();
    void LabelFontChanged();

    std::unique_ptr<TCanvas> FCanvas;
    bool FChangeFromCode = false;
    // The notifier this edit's window is registered with for office theme changes.
    TThemeNotifier* FThemeNotifier = nullptr;
};
