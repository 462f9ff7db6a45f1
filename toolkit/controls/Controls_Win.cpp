// TWinControl: children, the native window made on demand, focus and tab order, alignment and keys.
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    SetDestroying();
    DestroyComponents();
    // Children owned elsewhere leave this parent before its widget goes.
    while (!FControls.empty())
        FControls.back()->SetParent(nullptr);
}

void TWinControl::InsertControl(TControl* c) {
    if (c->FParent == this) return;
    FControls.push_back(c);
    c->FParent = this;
    if (c->FParentFont) c->ParentFontChanged();
    if (c->FParentColor) c->ParentColorChanged();
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->FTabOrder < 0) {
        int n = 0;
        for (TControl* o : FControls)
            if (o != c && dynamic_cast<TWinControl*>(o)) ++n;
        w->FTabOrder = n;
    }
    if (HandleAllocated()) c->CreateWidgetIn(ChildContainer());
    if (c->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* c) {
    auto it = std::find(FControls.begin(), FControls.end(), c);
    if (it == FControls.end()) return;
    FControls.erase(it);
    // The form must not keep a control that leaves it (or is being freed) as its active one. No dynamic_cast
    // here: `c` may be half destroyed already.
    if (TCustomForm* form = GetParentForm(this))
        for (const TControl* p = form->FActiveControl; p; p = p->Parent())
            if (p == c) {
                form->FActiveControl = nullptr;
                break;
            }
    c->FParent = nullptr;
    c->DestroyWidget();
    if (c->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* c) const {
    for (const TControl* p = c; p; p = p->Parent())
        if (p == this) return true;
    return false;
}

HWND TWinControl::Handle() {
    if (!FWidget) CreateHandle();
    return FWidget.data();
}

void TWinControl::CreateHandle() {
    if (FWidget) return;
    QWidget* parentWidget = nullptr;
    if (Parent()) parentWidget = Parent()->ChildContainer() ? Parent()->ChildContainer() : Parent()->Handle();
    if (Parent() && !Parent()->HandleAllocated()) {
        // The parent makes its own window first, and with it ours.
        Parent()->HandleNeeded();
        if (FWidget) return;
        parentWidget = Parent()->ChildContainer();
    }
    CreateWidgetIn(parentWidget);
}

void TWinControl::SyncWidget() {
    TControl::SyncWidget();
    if (!FWidget) return;
    if (FTabStop)
        FWidget->setFocusPolicy(Qt::StrongFocus);
    else if (FWidget->focusPolicy() == Qt::StrongFocus || FWidget->focusPolicy() == Qt::TabFocus)
        FWidget->setFocusPolicy(Qt::ClickFocus);
    CreateWnd();
    for (TControl* c : FControls)
        c->CreateWidgetIn(ChildContainer());
    ApplyTabOrder();
    Realign();
}

void TWinControl::DestroyWidget() {
    for (TControl* c : FControls)
        c->DestroyWidget();
    TControl::DestroyWidget();
}

void TWinControl::SetTabStop(bool v) {
    FTabStop = v;
    if (FWidget) FWidget->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void TWinControl::SetTabOrder(int v) {
    if (!Parent()) {
        FTabOrder = v;
        return;
    }
    std::vector<TWinControl*> siblings;
    for (TControl* c : Parent()->FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w != this) siblings.push_back(w);
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](TWinControl* a, TWinControl* b) { return a->FTabOrder < b->FTabOrder; });
    v = std::clamp(v, 0, static_cast<int>(siblings.size()));
    siblings.insert(siblings.begin() + v, this);
    for (size_t i = 0; i < siblings.size(); ++i)
        siblings[i]->FTabOrder = static_cast<int>(i);
    if (Parent()->HandleAllocated()) Parent()->ApplyTabOrder();
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    std::vector<TWinControl*> children;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) children.push_back(w);
    std::stable_sort(children.begin(), children.end(),
                     [](TWinControl* a, TWinControl* b) { return a->FTabOrder < b->FTabOrder; });
    for (TWinControl* w : children) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

void TWinControl::ApplyTabOrder() {
    std::vector<TWinControl*> order;
    GetTabOrderList(order);
    QWidget* prev = nullptr;
    for (TWinControl* w : order) {
        if (!w->FWidget) continue;
        if (prev && prev->window() == w->FWidget->window()) QWidget::setTabOrder(prev, w->FWidget.data());
        prev = w->FWidget.data();
    }
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
        if (c != this && !static_cast<const TWinControl*>(c)->ChildrenShown()) return false;
    }
    return true;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this))
        form->SetActiveControl(this);
    else if (Handle())
        FWidget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const {
    return FWidget && FWidget->hasFocus();
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    int n = static_cast<int>(list.size());
    int start = it == list.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = goForward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[static_cast<size_t>(i)];
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || FAligning || IsDestroying()) return;
    TRect r = AdjustedClientRect();
    AlignControls(nullptr, r);
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    FAligning = true;
    auto place = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        // Same order as the platform: by position along the edge, then by insertion.
        std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop:
                return a->Top() < b->Top();
            case alBottom:
                return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft:
                return a->Left() < b->Left();
            case alRight:
                return a->Left() + a->Width() > b->Left() + b->Width();
            default:
                return false;
            }
        });
        for (TControl* c : list) {
            int w = c->Width(), h = c->Height();
            switch (align) {
            case alTop:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
                rect.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
                rect.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rect.Left, rect.Top, w, rect.Height());
                rect.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
                rect.Right -= c->Width();
                break;
            case alClient:
                c->SetBounds(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height()));
                break;
            default:
                break;
            }
        }
    };
    place(alTop);
    place(alBottom);
    place(alLeft);
    place(alRight);
    place(alClient);
    FAligning = false;
}

void TWinControl::Resize() {
    Realign();
    TControl::Resize();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : FControls)
        c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* c : FControls)
        c->ParentColorChanged();
}

bool TWinControl::HandleQtEvent(QWidget* w, QEvent* e) {
    return TControl::HandleQtEvent(w, e);
}

void TWinControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        DoKeyDownMessage(m);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        DoKeyUpMessage(m);
        return;
    case WM_CHAR:
        DoCharMessage(m);
        return;
    case WM_GETDLGCODE:
        m.Result = DialogCode();
        return;
    case WM_SETREDRAW:
        // Suspending redraw holds back the paints of the control and its children until it is switched on.
        if (QWidget* w = Widget()) w->setUpdatesEnabled(m.WParam != 0);
        return;
    case WM_MOUSEWHEEL: {
        TShiftState shift =
            qvdetail::ShiftFromModifiers(QApplication::keyboardModifiers(), QApplication::mouseButtons());
        if (!DoMouseWheel(shift, m.WheelDelta(), TPoint(m.XPos(), m.YPos()))) DefaultHandler(m);
        return;
    }
    case CM_MOUSEWHEEL: {
        // A child offers its wheel to its parents first: a parent whose wheel handlers take it answers 1.
        TShiftState shift =
            qvdetail::ShiftFromModifiers(QApplication::keyboardModifiers(), QApplication::mouseButtons());
        if (DoMouseWheel(shift, m.WheelDelta(), TPoint(m.XPos(), m.YPos())))
            m.Result = 1;
        else if (Parent())
            m.Result = Parent()->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
        return;
    }
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(this)) form->FocusChanged(this);
        DefaultHandler(m);
        return;
    case WM_KILLFOCUS:
        DefaultHandler(m);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    default:
        TControl::Dispatch(m);
    }
}

namespace {
// A form that previews keys sees them before the control that has the focus.
TCustomForm* PreviewForm(TWinControl* c) {
    TCustomForm* form = GetParentForm(c);
    return form && form != static_cast<TControl*>(c) && form->KeyPreview() ? form : nullptr;
}
} // namespace

void TWinControl::DoKeyDownMessage(TMessage& m) {
    Word key = m.CharCode();
    TShiftState shift = KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt);
    if (TCustomForm* form = PreviewForm(this)) form->KeyDown(key, shift);
    if (key != 0) KeyDown(key, shift);
    m.SetCharCode(key);
    if (key == 0) return;
    // A message filter may answer for the keys the control wants.
    const LRESULT dialogCode = HasMessageFilter() ? Perform(WM_GETDLGCODE) : DialogCode();
    // Tab walks the form's controls in tab order, as the platform's dialog manager does, unless the control
    // keeps Tab for itself; Qt's own focus chain (widget creation order) never decides it.
    if (key == VK_TAB && !(shift & (ssCtrl | ssAlt)) && !(dialogCode & DLGC_WANTTAB)) {
        if (TCustomForm* form = GetParentForm(this)) {
            form->SelectNextByTab(this, !(shift & ssShift));
            m.SetCharCode(0);
            return;
        }
    }
    if ((key == VK_RETURN || key == VK_ESCAPE) && !(dialogCode & DLGC_WANTALLKEYS)) {
        if (TCustomForm* form = GetParentForm(this); form && form->DialogKey(key)) {
            m.SetCharCode(0);
            return;
        }
    }
    // Alt with a letter or a digit is an accelerator (Qt's own widgets have taken their mnemonics before).
    const bool accelKey = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (accelKey && (shift & ssAlt) && !(shift & ssCtrl)) {
        if (TCustomForm* form = GetParentForm(this); form && form->DialogChar(key)) {
            m.SetCharCode(0);
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::DoKeyUpMessage(TMessage& m) {
    Word key = m.CharCode();
    TShiftState shift = KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt);
    if (TCustomForm* form = PreviewForm(this)) form->KeyUp(key, shift);
    if (key != 0) KeyUp(key, shift);
    m.SetCharCode(key);
    if (key != 0) DefaultHandler(m);
}

void TWinControl::DoCharMessage(TMessage& m) {
    QChar ch(static_cast<char16_t>(m.CharCode()));
    if (TCustomForm* form = PreviewForm(this)) form->KeyPress(ch);
    if (ch.unicode() != 0) KeyPress(ch);
    m.SetCharCode(ch.unicode());
    if (ch.unicode() != 0) DefaultHandler(m);
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

bool TWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (!handled)
        handled = WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    return handled;
}

bool TWinControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TWinControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}
