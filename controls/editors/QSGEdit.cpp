// The edit with a button and the value-plus-unit edit: layout, keys, clipboard, the unit menu and the unit.
#include "controls/editors/QSGEdit.h"

#include "controls/editors/EditLayout.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/NativePaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/DesignValue.h"

namespace {

constexpr ushort kEditBtnCtrlV = 0x16;
constexpr ushort kEditBtnCtrlX = 0x18;

} // namespace

bool SplitTextAndUnit(const String& Value, const TStrings& Units, String& Text, String& Unit) {
    for (int i = 0; i < Units.Count(); ++i) {
        const String unit = Units.Strings(i);
        if (unit.isEmpty() || unit.size() > Value.size()) continue;
        // The unit's first place in the value must be where it would stand as the value's end.
        if (Value.indexOf(unit) != Value.size() - unit.size()) continue;
        Text = Value.left(Value.size() - unit.size());
        Unit = unit;
        return true;
    }
    return false;
}

// TQsgEditBtn
// --------------------------------------------------------------------------------------------

TQsgEditBtn::TQsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    FControlStyle &= ~csSetCaption;
    FButton = new TQsgEditButton(this);
    FButton->SetBounds(0, 0, FButtonWidth, 18);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject* sender) { BtnClick(sender); };
    SetText("0");
    PlaceButton();
}

TQsgEditBtn::~TQsgEditBtn() {
    SetDestroying();
    // The button goes with the window it sits on.
    FButton = nullptr;
}

void TQsgEditBtn::BtnClick(TObject* Sender) {
    if (OnClickBtn) OnClickBtn(Sender);
}

void TQsgEditBtn::SetButtonWidth(int v) {
    FButtonWidth = v;
    FButton->SetWidth(v);
    PlaceButton();
}

void TQsgEditBtn::SetIsWinXP(bool v) {
    FIsWinXP = v;
    FButton->Button()->SetIsWinXP(v);
}

void TQsgEditBtn::SetRightAlign(bool v) {
    if (v == FRightAlign) return;
    FRightAlign = v;
    SetAlignment(v ? taRightJustify : taLeftJustify);
}

void TQsgEditBtn::SetEditRect() {
    if (!FButton) return;
    // The text ends 5 pixels before the button, and a unit gets 3 more on its left.
    const int right = ClientWidth() - FButton->Width() - 5 - FUnitSize - (FUnitSize > 0 ? 3 : 0);
    TCustomMaskEdit::SetEditRect(TRect(0, 0, std::max(0, right), ClientHeight()));
}

// The button sits inside the edit's single border at its right edge, as high as the text area.
void TQsgEditBtn::PlaceButton() {
    if (!FButton || IsDestroying()) return;
    const int border = 2;
    FButton->SetBounds(Width() - border - FButton->Width(), border, FButton->Width(),
                       std::max(1, Height() - 2 * border));
    SetEditRect();
}

void TQsgEditBtn::Resize() {
    TCustomMaskEdit::Resize();
    if (IsDestroying()) return;
    const int minHeight = EditMinHeight(Font());
    if (AutoSize() && Height() < minHeight) {
        SetHeight(minHeight);
        return;
    }
    PlaceButton();
}

void TQsgEditBtn::CreateWnd() {
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

void TQsgEditBtn::KeyDown(Word& Key, TShiftState Shift) {
    const bool shift = Shift & ssShift;
    const bool ctrl = Shift & ssCtrl;
    // The clipboard keys become the messages, so that only what WM_CUT and WM_PASTE allow happens.
    if ((ctrl && !shift && Key == 'V') || (shift && !ctrl && Key == VK_INSERT)) {
        Perform(WM_PASTE);
        Key = 0;
    } else if ((ctrl && !shift && Key == 'X') || (shift && !ctrl && Key == VK_DELETE)) {
        Perform(WM_CUT);
        Key = 0;
    } else if (Key == VK_DELETE && !FEditorEnabled) {
        Key = 0;
    }
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !(Shift & (ssCtrl | ssAlt))) BtnClick(this);
}

void TQsgEditBtn::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_CHAR: {
        const ushort c = m.CharCode();
        // The clipboard keys went their way at the key-down.
        if (!FEditorEnabled || c == kEditBtnCtrlV || c == kEditBtnCtrlX) {
            m.SetCharCode(0);
            m.PassToNative = false;
            return;
        }
        TCustomMaskEdit::Dispatch(m);
        return;
    }
    case WM_CUT:
    case WM_PASTE:
        if (FEditorEnabled && !ReadOnly()) TCustomMaskEdit::Dispatch(m);
        return;
    case WM_CONTEXTMENU:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        TCustomMaskEdit::Dispatch(m);
        // Qt's own menu and the middle button's paste would go past WM_PASTE.
        m.PassToNative = false;
        return;
    default:
        TCustomMaskEdit::Dispatch(m);
    }
}

bool TQsgEditBtn::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "buttonwidth")
        SetButtonWidth(v.AsInt());
    else if (n == "buttoncaption")
        SetButtonCaption(v.AsString());
    else if (n == "editorenabled")
        SetEditorEnabled(v.AsBool());
    else if (n == "iswinxp")
        SetIsWinXP(v.AsBool());
    else if (n == "rightalign")
        SetRightAlign(v.AsBool());
    else
        return TCustomMaskEdit::ReadProperty(name, v);
    return true;
}

// TQsgUnitEditBtn
// --------------------------------------------------------------------------------------------

TQsgUnitEditBtn::TQsgUnitEditBtn(TComponent* AOwner)
    : TQsgEditBtn(AOwner), FUnits(std::make_unique<TStringList>()),
      FMenu(std::make_unique<TPopupMenu>(nullptr)), FCanvas(std::make_unique<TCanvas>()) {
    FUnitSize = 20;
    SetRightAlign(true);
    SetEditRect();
}

TQsgUnitEditBtn::~TQsgUnitEditBtn() {
    SetDestroying();
}

void TQsgUnitEditBtn::SetUnits(const TStrings* v) {
    if (v) FUnits->Assign(v);
}

void TQsgUnitEditBtn::SetUnitID(const String& v) {
    FUnitID = v;
    Invalidate();
}

void TQsgUnitEditBtn::SetUnitSpace(int v) {
    FUnitSize = v;
    SetEditRect();
    Invalidate();
}

void TQsgUnitEditBtn::SetTextAndUnit(const String& v) {
    String text, unit;
    if (!SplitTextAndUnit(v, *FUnits, text, unit)) return;
    SetText(text);
    SetUnitID(unit);
}

void TQsgUnitEditBtn::BtnClick(TObject* Sender) {
    TQsgEditBtn::BtnClick(this);
    (void)Sender;
    TMenuItem* items = FMenu->Items();
    items->Clear();
    for (int i = 0; i < FUnits->Count(); ++i) {
        auto* item = new TMenuItem(items);
        item->SetCaption(FUnits->Strings(i));
        item->OnClick = [this, i](TObject*) { PickUnit(i); };
        items->Add(item);
    }
    FMenu->SetPopupComponent(this);
    const TPoint at = ClientToScreen(TPoint(ClientWidth() - 15, ClientHeight()));
    FMenu->Popup(at.X, at.Y);
}

void TQsgUnitEditBtn::PickUnit(int Index) {
    if (Index < 0 || Index >= FUnits->Count()) return;
    const String unit = FUnits->Strings(Index);
    const bool changed = unit != FUnitID;
    SetUnitID(unit);
    if (changed && OnUnitChanged) OnUnitChanged(this, unit);
}

void TQsgUnitEditBtn::Dispatch(TMessage& m) {
    if (m.Msg != WM_PAINT) {
        TQsgEditBtn::Dispatch(m);
        return;
    }
    PaintNativeNow(this, m);
    // The unit stands between the text and the button, black on white as the edit writes.
    PaintOnWidgetCanvas(this, FCanvas.get(), m, [this] {
        const int right = ClientWidth() - Button()->Width() - 3;
        TRect r(right - FUnitSize, 2, right, ClientHeight());
        FCanvas->Brush()->SetColor(clWhite);
        FCanvas->Font()->SetColor(clBlack);
        FCanvas->FillRect(r);
        DrawText(FCanvas.get(), FUnitID, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    });
}

bool TQsgUnitEditBtn::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "units.strings")
        SetStringsFromList(*FUnits, v.AsStrings());
    else if (n == "unitid")
        SetUnitID(v.AsString());
    else if (n == "unitspace")
        SetUnitSpace(v.AsInt());
    else
        return TQsgEditBtn::ReadProperty(name, v);
    return true;
}
