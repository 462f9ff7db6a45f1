// The dropdown popup: its bars, its painting and what losing the activation does.
#include "controls/dropdown/QvDropDownForm.h"

#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDown_Bars.h"
#include "toolkit/controls/NativePaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/SysUtils.h"

namespace {
TDropDownTickSource& tickSource() {
    static TDropDownTickSource source;
    return source;
}
} // namespace

void SetDropDownTickSource(TDropDownTickSource Source) {
    tickSource() = std::move(Source);
}

DWORD DropDownTickCount() {
    return tickSource() ? tickSource()() : GetTickCount();
}

TDropDownForm::TDropDownForm(TComponent* AOwner) : TPopupForm(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    SetShadow(true);
    FCancelOnDeActivate = true;
}

TDropDownForm::~TDropDownForm() {
    SetDestroying();
    DestroyComponents();
}

TRect TDropDownForm::AdjustedClientRect() const {
    const int b = FQvDropDown ? std::max(0, FQvDropDown->DropDownBorderWidth()) : 0;
    const TRect r = ClientRect();
    return TRect(r.Left + b, r.Top + b, std::max(r.Left + b, r.Right - b), std::max(r.Top + b, r.Bottom - b));
}

LRESULT TDropDownForm::DialogCode() const {
    return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void TDropDownForm::Resize() {
    TPopupForm::Resize();
    Invalidate();
}

void TDropDownForm::InitializeAndUpdate() {
    TQvCustomDropDown* edit = FQvDropDown;
    if (!edit) return;
    auto refresh = [edit](auto* bar) {
        bar->SetQvDropDown(edit);
        bar->CreateButtons();
    };
    if (FHeader) {
        refresh(FHeader);
        FHeader->SetVisible(edit->DropDownHeader()->Visible());
    } else if (edit->DropDownHeader()->Visible()) {
        FHeader = new TQvHeader(this);
        FHeader->SetParent(this);
        FHeader->SetHeight(edit->DropDownHeader()->Height());
        refresh(FHeader);
        FHeader->SetAlign(alTop);
    }
    if (FHeader) {
        FHeader->OnDrawBackGround = edit->OnDrawHeader;
        FHeader->OnGetText = edit->OnGetHeaderText;
    }
    if (FFooter) {
        refresh(FFooter);
        FFooter->SetVisible(edit->DropDownFooter()->Visible());
    } else if (edit->DropDownFooter()->Visible()) {
        FFooter = new TQvFooter(this);
        FFooter->SetParent(this);
        FFooter->SetHeight(edit->DropDownFooter()->Height());
        refresh(FFooter);
        FFooter->SetAlign(alBottom);
    }
    if (FFooter) {
        FFooter->OnDrawBackGround = edit->OnDrawFooter;
        FFooter->OnGetText = edit->OnGetFooterText;
    }
}

void TDropDownForm::Paint() {
    TQvCustomDropDown* edit = FQvDropDown;
    if (!edit) return;
    TCanvas* c = FCanvas.get();
    const int b = edit->DropDownBorderWidth();
    const TRect client = ClientRect();
    const TRect inner(client.Left + b, client.Top + b, client.Right - b, client.Bottom - b);
    if (edit->DropDownColor() != clNone && edit->DropDownColorTo() != clNone) {
        DrawGradient(c, edit->DropDownColor(), edit->DropDownColorTo(), 80, inner,
                     edit->DropDownGradient() == gdHorizontal);
    } else if (edit->DropDownColor() != clNone) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(edit->DropDownColor());
        c->FillRect(inner);
    }
    if (b > 0 && edit->DropDownBorderColor() != clNone) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetWidth(b);
        c->Pen()->SetColor(edit->DropDownBorderColor());
        c->Rectangle(client.Left + b / 2, client.Top + b / 2, client.Right + b / 2, client.Bottom + b / 2);
        c->Pen()->SetWidth(1);
        c->Brush()->SetStyle(bsSolid);
    }
}

void TDropDownForm::Activate(TMessage& m) {
    if (FBlockActivate || m.WParam != WA_INACTIVE) return;
    FDeActivate = DropDownTickCount();
    // The activation moving to a window inside the popup keeps it open.
    for (const TControl* c = reinterpret_cast<TControl*>(m.LParam); c; c = c->Parent())
        if (c == this) return;
    if (FQvDropDown)
        FQvDropDown->DoHideDropDown(FCancelOnDeActivate);
    else
        Hide();
}

void TDropDownForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if (!PaintOnWidgetCanvas(this, FCanvas.get(), m, [this] { Paint(); })) TPopupForm::Dispatch(m);
        return;
    case WM_ACTIVATE:
        Activate(m);
        return;
    case WM_SIZING:
        FSizedByPerson = true;
        TPopupForm::Dispatch(m);
        return;
    default:
        TPopupForm::Dispatch(m);
    }
}
