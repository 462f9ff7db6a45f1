// Presses on the links and controls of markup cells and on cells whose whole text is a link: following the
// link, toggling check and radio controls in the cell's markup, holding a button control down, and the
// editors laid over edit and combo controls, which write their value back into the markup.
#include "controls/grid/QvGrid.h"

#include "controls/grid/QvGrid_Settings.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/edit/CellControlEditors.h"
#include "controls/grid/input/InputEvents.h"
#include "controls/grid/paint/CellLook.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/services/Shell.h"

namespace {

bool IsEditControlType(const String& Type) {
    return Type == QLatin1String("EDIT") || Type == QLatin1String("PASSWORD") ||
           Type == QLatin1String("MASK");
}

// A cell whose whole text is one link (no blank inside): the text is the link, not a sentence holding one.
bool IsWholeTextLink(const String& Text) {
    const String t = Text.trimmed();
    if (t.isEmpty() || !IsURL(t)) return false;
    for (QChar ch : t)
        if (ch.isSpace()) return false;
    return true;
}

} // namespace

// The controls' editors, made on first use and kept
// --------------------------------------------------------------------------------------------

TControlEdit* TQvStringGrid::ControlEdit() {
    if (!FEditControl) {
        FEditControl = new TControlEdit(this);
        FEditControl->SetVisible(false);
        FEditControl->SetParent(this);
    }
    return FEditControl;
}

TControlCombo* TQvStringGrid::ControlCombo() {
    if (!FComboControl) {
        FComboControl = new TControlCombo(this);
        FComboControl->SetVisible(false);
        FComboControl->SetParent(this);
    }
    return FComboControl;
}

// The hit test
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::MarkupHitAt(int ACol, int ARow, int X, int Y, const String& ControlID,
                                TMarkupOutput& Out) {
    const int rc = RealColIndex(ACol);
    TRect q = CellRect(ACol, ARow);
    q.Right -= FXYOffset.X;
    q.Left += 1 + FXYOffset.X;
    q.Top += 1 + FXYOffset.Y;
    int scrolled = 0;
    if (HasScrollBar(rc, ARow)) {
        scrolled = GetScrollPosition(rc, ARow);
        q.Right -= SystemScrollBarWidth();
        q.Bottom += scrolled;
    }
    if (HasCheckBox(rc, ARow)) q.Left += FControlLook->CheckSize();
    // Laid out in the cell's font, as it was painted.
    TCellLook look(*Font());
    GetVisualProperties(ACol, ARow, false, false, true, look);
    TCanvas* canvas = Canvas();
    canvas->SetFont(&look.Font);
    TMarkupInput in;
    in.Canvas = canvas;
    in.Text = Cells(rc, ARow);
    in.Rect = q;
    in.Images = GetCellImageList(rc, ARow);
    in.XPos = X;
    in.YPos = Y + scrolled;
    in.CheckHotSpot = true;
    in.WordWrap = !EnhTextSize();
    in.BiDiMode = BiDiMode();
    in.ControlID = ControlID;
    return RenderMarkup(in, Out);
}

// The press
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::PressAnchorOrControl(const PressEvent& p) {
    const int c = p.Col, r = p.Row, rc = p.RealCol;
    String text = Cells(rc, r);
    const bool html = CellTextKind(text, EnableHTML()) == ctkHTML;
    if (!URLShow() && !html) return false;

    TMarkupOutput hit;
    String anchor;
    if (!html && URLShow() && IsWholeTextLink(text)) anchor = text.trimmed();
    if (html && MarkupHitAt(c, r, p.X, p.Y, String(), hit)) anchor = hit.Anchor;

    if (!anchor.isEmpty()) {
        const bool isControl = html && !hit.CtrlType.isEmpty();
        bool canEdit = ((Options() & goEditing) || FEdit.EditDisable) && !ReadOnly(rc, r);
        if (isControl && !hit.CtrlID.isEmpty()) DoCanEditCell(c, r, canEdit);
        bool autoHandle = true;
        if (isControl && !hit.CtrlID.isEmpty() && canEdit) {
            if (FCtrlEditing) {
                ControlEditDone(this);
                text = Cells(rc, r);
            }
            const String type = hit.CtrlType;
            if (type == QLatin1String("BUTTON")) {
                FMouse.Press.ControlCell = TPoint(rc, r);
                FMouse.Press.ControlDown = true;
                RepaintCell(c, r);
            } else if (type == QLatin1String("CHECK")) {
                SetControlValue(text, hit.CtrlID,
                                hit.CtrlVal.toUpper() == QLatin1String("TRUE") ? QStringLiteral("FALSE")
                                                                               : QStringLiteral("TRUE"));
                SetCells(rc, r, text);
            } else if (type == QLatin1String("RADIO")) {
                text = ResetRadioControls(text);
                SetControlValue(text, hit.CtrlID, QStringLiteral("TRUE"));
                SetCells(rc, r, text);
            }
            if (OnControlClick) OnControlClick(this, r, c, hit.CtrlID, type, hit.CtrlVal);
            ShowControlEdit(text, type, r, rc, c, hit.CtrlRect, hit.CtrlVal, hit.CtrlID);
            autoHandle = false;
        } else if (isControl) {
            // A control that may not be edited, or one without an ID, is no link: the press only selects.
            anchor.clear();
        } else if (OnAnchorClick) {
            OnAnchorClick(this, r, c, anchor, autoHandle);
        }
        if (!anchor.isEmpty()) {
            if (autoHandle) FollowLink(anchor);
            return true;
        }
    }
    if (html && text.contains(QLatin1String("<CONTROL"), Qt::CaseInsensitive)) {
        if (OnClickCell) OnClickCell(this, r, c);
        HideInplaceEdit();
        TGridRect one;
        one.Left = one.Right = c;
        one.Top = one.Bottom = r;
        SetSelection(one);
        return true;
    }
    return false;
}

void TQvStringGrid::FollowLink(const String& Anchor) {
    const qsizetype at = Anchor.indexOf(QLatin1String("CELL://"), 0, Qt::CaseInsensitive);
    if (at < 0) {
        // Only web and mail links open; the opener refuses every other kind.
        OpenUrl(Anchor);
        return;
    }
    TPoint cell;
    if (!ParseCellReference(Anchor.mid(at + 7), cell)) return;
    if (cell.X < 0 || cell.X >= ColCount() || cell.Y < 0 || cell.Y >= RowCount()) return;
    SetRowEx(cell.Y);
    SetCol(cell.X);
    ScrollInView(cell.X, cell.Y);
}

// The control editors
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ShowControlEdit(const String& Text, const String& CtrlType, int ARow, int RealCol,
                                    int ACol, const TRect& CtrlRect, const String& CtrlVal,
                                    const String& CtrlID) {
    const bool edit = IsEditControlType(CtrlType);
    if (!edit && CtrlType != QLatin1String("COMBO")) return;
    FCtrlXY = TPoint(RealCol, ARow);
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    const int maxLength = std::max(0, GetControlMaxLen(Text, CtrlID));
    if (edit) {
        TControlEdit* e = ControlEdit();
        e->SetWidth(0);
        e->SetPasswordChar(CtrlType == QLatin1String("PASSWORD") ? QChar('*') : QChar());
        e->SetEditMask(CtrlType == QLatin1String("MASK") ? GetControlProp(Text, CtrlID) : String());
        e->OnExit = [this](TObject* Sender) { ControlEditDone(Sender); };
        e->SetText(CtrlVal);
        e->SetBounds(CtrlRect.Left + 1, CtrlRect.Top + 8, CtrlRect.Right - CtrlRect.Left - 4, 14);
        e->SetMaxLength(maxLength);
        e->Show();
        e->BringToFront();
        if (e->CanFocus()) e->SetFocus();
        return;
    }
    TControlCombo* combo = ControlCombo();
    combo->SetIsWinXP(FIsWinXP);
    combo->SetWidth(0);
    bool editable = true;
    int dropCount = 8;
    combo->SetFlat(false);
    combo->SetBounds(CtrlRect.Left - 1, CtrlRect.Top + 4, CtrlRect.Right - CtrlRect.Left,
                     std::max(combo->Height(), CtrlRect.Bottom - CtrlRect.Top));
    combo->OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
    combo->Items()->Clear();
    if (OnControlComboList)
        OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlVal, combo->Items(), editable, dropCount);
    combo->SetStyle(editable ? csDropDown : csDropDownList);
    combo->SetItemIndex(combo->Items()->IndexOf(CtrlVal));
    if (editable) combo->SetText(CtrlVal);
    combo->SetDropDownCount(dropCount);
    combo->OnExit = [this](TObject* Sender) { ControlEditDone(Sender); };
    combo->SetMaxLength(maxLength);
    combo->Show();
    if (combo->CanFocus()) combo->SetFocus();
    combo->SetDroppedDown(true);
}

void TQvStringGrid::ControlEditDone(TObject*) {
    if (!FCtrlEditing || IsDestroying()) return;
    FCtrlEditing = false;
    String value;
    TWinControl* editor = nullptr;
    if (IsEditControlType(FCtrlType) && FEditControl) {
        value = FEditControl->Text();
        editor = FEditControl;
    } else if (FCtrlType == QLatin1String("COMBO") && FComboControl) {
        value = FComboControl->Text();
        editor = FComboControl;
    }
    if (editor) {
        // The cell may have lost rows or columns while the editor was open.
        if (FCtrlXY.X >= 0 && FCtrlXY.X < TotalColCount() && FCtrlXY.Y >= 0 && FCtrlXY.Y < RowCount()) {
            String text = Cells(FCtrlXY.X, FCtrlXY.Y);
            if (SetControlValue(text, FCtrlID, value)) SetCells(FCtrlXY.X, FCtrlXY.Y, text);
        }
        if (editor->Focused() && CanFocus()) SetFocus();
        editor->SetVisible(false);
    }
    if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

void TQvStringGrid::ControlComboSelect(TObject*) {
    if (!OnControlComboSelect || !FComboControl) return;
    const int index = FComboControl->ItemIndex();
    const String item = index >= 0 && index < FComboControl->Items()->Count()
                            ? FComboControl->Items()->Strings(index)
                            : FComboControl->Text();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, item);
}

void TQvStringGrid::EditNextCellControl() {
    const TPoint cell = FCtrlXY;
    const int col = DisplColIndex(cell.X);
    if (col < 0 || cell.Y < 0 || cell.Y >= RowCount()) {
        if (CanFocus()) SetFocus();
        return;
    }
    const String text = Cells(cell.X, cell.Y);
    const String next = NextEditControlID(text, FCtrlID);
    TMarkupOutput hit;
    if (next.isEmpty() || !MarkupHitAt(col, cell.Y, -1, -1, next, hit) || hit.CtrlID != next) {
        if (CanFocus()) SetFocus();
        return;
    }
    ShowControlEdit(text, hit.CtrlType, cell.Y, cell.X, col, hit.CtrlRect, hit.CtrlVal, hit.CtrlID);
}
