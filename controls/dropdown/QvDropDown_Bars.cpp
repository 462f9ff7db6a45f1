// The popup's header and footer bars: their buttons, painting and the footer's size grip.
#include "controls/dropdown/QvDropDown_Bars.h"

#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/graphics/ImgList.h"

namespace {
UINT freeRetiredButtonsMessage() {
    static const UINT message = RegisterWindowMessage("QvDropDownFreeRetiredButtons");
    return message;
}
} // namespace

TQvDropDownBar::TQvDropDownBar(TComponent* AOwner, std::unique_ptr<TBarAppearance> Appearance)
    : TCustomControl(AOwner), FAppearance(std::move(Appearance)) {
    FAppearance->OnChange = [this](TObject*) {
        SetVisible(FAppearance->Visible());
        SetHeight(FAppearance->Height());
    };
    FAppearance->OnButtonsChanged = [](TObject*) {};
}

TQvDropDownBar::~TQvDropDownBar() {
    SetDestroying();
    DestroyComponents();
}

void TQvDropDownBar::SetImages(TImageList* v) {
    if (FImages == v) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = v;
    if (v) v->FreeNotification(this);
    Invalidate();
}

void TQvDropDownBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TQvDropDownBar::SetQvDropDown(TQvCustomDropDown* Edit) {
    FQvDropDown = Edit;
    SetImages(Edit ? Edit->Images() : nullptr);
    if (Edit) {
        FAppearance->Assign(EditAppearance());
        SetHeight(FAppearance->Height());
    }
    Invalidate();
}

TBarButtons* TQvDropDownBar::Buttons() const {
    TBarAppearance* a = FQvDropDown ? EditAppearance() : nullptr;
    return a ? a->BarButtons() : nullptr;
}

bool TQvDropDownBar::PopupHasFrame() const {
    return FQvDropDown && FQvDropDown->DropDownBorderWidth() > 0 &&
           FQvDropDown->DropDownBorderColor() != clNone;
}

void TQvDropDownBar::ClearButtons() {
    for (int i = FButtonList.Count() - 1; i >= 0; --i) {
        auto* button = static_cast<TQvButton*>(FButtonList.ItemsEx(i));
        button->Hide();
        button->OnClick = nullptr;
        FRetired.push_back(button);
    }
    FButtonList.Clear();
    if (!FRetired.empty()) PostMessage(this, freeRetiredButtonsMessage(), 0, 0);
}

void TQvDropDownBar::FreeRetiredButtons() {
    std::vector<TQvButton*> retired;
    retired.swap(FRetired);
    for (TQvButton* b : retired)
        delete b;
}

void TQvDropDownBar::Dispatch(TMessage& m) {
    if (m.Msg == freeRetiredButtonsMessage()) {
        FreeRetiredButtons();
        return;
    }
    TCustomControl::Dispatch(m);
}

void TQvDropDownBar::CreateButtons() {
    TBarButtons* items = Buttons();
    if (!FQvDropDown || !items) return;
    ClearButtons();
    const int h = InnerArea().Height();
    const bool footer = dynamic_cast<TQvFooter*>(this) != nullptr;
    for (int i = 0; i < items->Count(); ++i) {
        TBarButtonItem* item = items->Items(i);
        auto* button = new TQvButton(this);
        button->SetParent(this);
        if (footer) button->SetQvDropDown(FQvDropDown);
        button->SetAppearance(FQvDropDown->ButtonAppearance());
        button->SetCaption(item->Caption());
        button->SetImages(FImages);
        button->SetImageIndex(item->ImageIndex());
        button->SetEnabled(item->Enabled());
        if (footer) button->SetModalResult(item->ModalResult());
        button->AutoSizeButton();
        if (item->Width() > 0) button->SetWidth(item->Width());
        if (item->Height() > 0) button->SetHeight(item->Height());
        if (button->Height() > h) button->SetHeight(h);
        button->SetTag(i);
        button->OnClick = [this](TObject* sender) { ButtonClick(sender); };
        FButtonList.Add(button);
    }
    ArrangeButtons();
}

void TQvDropDownBar::ArrangeButtons() {
    if (FButtonList.Empty()) return;
    const TRect inner = InnerArea();
    int x = FAppearance->ButtonAlignment() == baRight ? inner.Right : inner.Left;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TControl* b = FButtonList.ItemsEx(i);
        const int top = std::max(inner.Top, (inner.Bottom - b->Height()) / 2);
        if (FAppearance->ButtonAlignment() == baRight) {
            x -= b->Width();
            b->SetBounds(x, top, b->Width(), b->Height());
        } else {
            b->SetBounds(x, top, b->Width(), b->Height());
            x += b->Width();
        }
    }
}

void TQvDropDownBar::UpdateButtons() {
    TBarButtons* items = Buttons();
    if (!FQvDropDown || !items) return;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        auto* b = static_cast<TQvButton*>(FButtonList.ItemsEx(i));
        b->SetAppearance(FQvDropDown->ButtonAppearance());
        b->SetImages(FImages);
        if (i < items->Count()) {
            b->SetCaption(items->Items(i)->Caption());
            b->SetImageIndex(items->Items(i)->ImageIndex());
            b->SetEnabled(items->Items(i)->Enabled());
        }
        b->AutoSizeButton();
    }
    ArrangeButtons();
}

void TQvDropDownBar::Resize() {
    TCustomControl::Resize();
    ArrangeButtons();
}

void TQvDropDownBar::ButtonClick(TObject* Sender) {
    if (auto* b = dynamic_cast<TQvButton*>(Sender)) FireButtonClick(b->Tag());
}

void TQvDropDownBar::Paint() {
    TCanvas* c = Canvas();
    const TRect r = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, c, r);
        return;
    }
    const TBarAppearance& a = *FAppearance;
    if (a.ColorTo() != clNone) {
        DrawGradient(c, a.Color(), a.ColorTo(), 80, r, a.GradientDirection() == gdHorizontal);
    } else if (a.Color() != clNone) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(a.Color());
        c->FillRect(r);
    }
    const int bw = a.BorderWidth();
    if (a.BorderColor() != clNone && bw > 0) {
        c->Pen()->SetWidth(bw);
        c->Pen()->SetColor(a.BorderColor());
        PaintBorder(c, r);
        c->Pen()->SetWidth(1);
    }
    TRect text(r.Left + bw, r.Top + bw, r.Right - bw, r.Bottom - bw);
    if (a.ImageIndex() >= 0 && FImages) {
        FImages->Draw(c, text.Left + 4, text.Top + (text.Height() - FImages->Height()) / 2, a.ImageIndex());
        text.Left += FImages->Width() + 8;
    }
    String caption = a.Caption();
    if (OnGetText) OnGetText(this, caption);
    if (caption.isEmpty()) return;
    if (!FButtonList.Empty()) text.Right = FButtonList.Last()->Left() - 2;
    c->SetFont(a.Font());
    c->Brush()->SetStyle(bsClear);
    const TSize size = DrawMarkupText(c, caption, text, false, FImages);
    if (size.cy < text.Height()) text.Top += (text.Height() - size.cy) / 2;
    DrawMarkupText(c, caption, text, true, FImages);
    c->Brush()->SetStyle(bsSolid);
}

// ---- header

TQvHeader::TQvHeader(TComponent* AOwner)
    : TQvDropDownBar(AOwner, std::make_unique<THeaderAppearance>(AOwner)) {
    FControlStyle |= csAcceptsControls | csClickEvents | csDoubleClicks;
}

TBarAppearance* TQvHeader::EditAppearance() const {
    return QvDropDown() ? QvDropDown()->DropDownHeader() : nullptr;
}

TRect TQvHeader::InnerArea() const {
    const TRect r = ClientRect();
    return TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
}

void TQvHeader::FireButtonClick(int Index) {
    if (QvDropDown() && QvDropDown()->OnDropDownHeaderButtonClick)
        QvDropDown()->OnDropDownHeaderButtonClick(QvDropDown(), Index);
}

void TQvHeader::PaintBorder(TCanvas* c, const TRect& r) {
    const int bw = BarAppearance()->BorderWidth();
    c->MoveTo(r.Left, r.Bottom - 1);
    c->LineTo(r.Right, r.Bottom - 1);
    if (!PopupHasFrame()) {
        c->MoveTo(r.Left, r.Bottom - 1);
        c->LineTo(r.Left, r.Top);
        c->LineTo(r.Right - 1, r.Top);
        c->LineTo(r.Right - 1, r.Bottom);
    }
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(BlendColor(BarAppearance()->BorderColor(), 0xFFFFFF, 20));
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(r.Left, r.Top, r.Right, r.Bottom - bw);
    c->Brush()->SetStyle(bsSolid);
}

// ---- footer

TQvFooter::TQvFooter(TComponent* AOwner)
    : TQvDropDownBar(AOwner, std::make_unique<TFooterAppearance>(AOwner)) {
    FControlStyle |= csCaptureMouse;
}

TBarAppearance* TQvFooter::EditAppearance() const {
    return QvDropDown() ? QvDropDown()->DropDownFooter() : nullptr;
}

bool TQvFooter::GripShown() const {
    return Appearance()->SizeGrip() && QvDropDown() && QvDropDown()->DropDownSizeable();
}

TRect TQvFooter::InnerArea() const {
    const TRect r = ClientRect();
    return TRect(r.Left + 2, r.Top + 2, r.Right - (GripShown() ? 14 : 2), r.Bottom - 2);
}

bool TQvFooter::InGripArea(int X, int Y) const {
    return GripShown() && X >= Width() - 12 && Y >= Height() - 15 && X < Width() && Y < Height();
}

void TQvFooter::FireButtonClick(int Index) {
    if (QvDropDown() && QvDropDown()->OnDropDownFooterButtonClick)
        QvDropDown()->OnDropDownFooterButtonClick(QvDropDown(), Index);
}

void TQvFooter::PaintBorder(TCanvas* c, const TRect& r) {
    const int bw = BarAppearance()->BorderWidth();
    c->MoveTo(r.Left, r.Top);
    c->LineTo(r.Right, r.Top);
    if (!PopupHasFrame()) {
        c->MoveTo(r.Left, r.Top);
        c->LineTo(r.Left, r.Bottom - 1);
        c->LineTo(r.Right - 1, r.Bottom - 1);
        c->LineTo(r.Right - 1, r.Top - 1);
    }
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(BlendColor(BarAppearance()->BorderColor(), 0xFFFFFF, 20));
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(r.Left, r.Top + bw, r.Right, r.Bottom);
    c->Brush()->SetStyle(bsSolid);
}

void TQvFooter::Paint() {
    TQvDropDownBar::Paint();
    if (!OnDrawBackGround && GripShown()) {
        const TRect r = ClientRect();
        const int bw = BarAppearance()->BorderWidth();
        PaintGrip(Canvas(), TRect(r.Right - bw - 16, 1, r.Right - bw - 1, r.Bottom));
    }
}

void TQvFooter::PaintGrip(TCanvas* c, const TRect& g) {
    // A triangle of dots pointing into the corner: light dots with dark ones up and left of them.
    static constexpr int lightX[] = {5, 9, 13, 13, 13, 9};
    static constexpr int lightY[] = {2, 2, 2, 6, 10, 6};
    auto dot = [&](int x, int y, TColor color) {
        c->Brush()->SetColor(color);
        c->FillRect(TRect(g.Left + x, g.Bottom - y - 2, g.Left + x + 2, g.Bottom - y));
    };
    c->Brush()->SetStyle(bsSolid);
    for (int i = 0; i < 6; ++i)
        dot(lightX[i], lightY[i], BlendColor(0xFFFFFF, 0xFFFFFF, 50));
    for (int i = 0; i < 6; ++i)
        dot(lightX[i] - 1, lightY[i] + 1, BarAppearance()->BorderColor());
}

void TQvFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvDropDownBar::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !InGripArea(X, Y)) return;
    if (auto* form = dynamic_cast<TDropDownForm*>(GetParentForm(this)))
        form->StartSizing(ClientToScreen(TPoint(X, Y)));
}

void TQvFooter::MouseMove(TShiftState Shift, int X, int Y) {
    TQvDropDownBar::MouseMove(Shift, X, Y);
    SetCursor(InGripArea(X, Y) ? crSizeNWSE : FOldCursor);
}

void TQvFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvDropDownBar::MouseUp(Button, Shift, X, Y);
    SetCursor(FOldCursor);
}

void TQvFooter::MouseEnter() {
    if (Cursor() != crSizeNWSE) FOldCursor = Cursor();
    TQvDropDownBar::MouseEnter();
}

void TQvFooter::MouseLeave() {
    SetCursor(FOldCursor);
    TQvDropDownBar::MouseLeave();
}
