// The splitter bar: finding the control it resizes, dragging within the minimum sizes, painting.
#include "toolkit/stdctrls/Splitter.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/DesignValue.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

void TSplitter::Loaded() {
    TGraphicControl::Loaded();
    SetCursor(vertical() ? crVSplit : crHSplit);
}

TControl* TSplitter::findResized() const {
    if (!Parent()) return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        const bool touches = (Align() == alTop && c->Top() + c->Height() == Top()) ||
                             (Align() == alBottom && c->Top() == Top() + Height()) ||
                             (Align() == alLeft && c->Left() + c->Width() == Left()) ||
                             (Align() == alRight && c->Left() == Left() + Width());
        if (touches) return c;
    }
    return nullptr;
}

TControl* TSplitter::findClient() const {
    if (!Parent()) return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c != this && c->Visible() && c->Align() == alClient) return c;
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FResized = findResized();
    if (!FResized) return;
    FDownPos = positionInParent(X, Y);
    FStartSize = vertical() ? FResized->Height() : FResized->Width();
    const TControl* client = findClient();
    const int clientSize = client ? (vertical() ? client->Height() : client->Width()) : 0;
    FRoom = std::max(0, clientSize - FMinSize);
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FResized) return;
    const int delta = positionInParent(X, Y) - FDownPos;
    const bool grows = Align() == alBottom || Align() == alRight;
    int size = FStartSize + (grows ? -delta : delta);
    size = std::clamp(size, std::min(FMinSize, FStartSize), FStartSize + FRoom);
    // One change of bounds, the far edge kept where it is, so the alignment keeps the order.
    TControl* c = FResized;
    if (vertical())
        c->SetBounds(c->Left(), Align() == alBottom ? c->Top() + c->Height() - size : c->Top(), c->Width(),
                     size);
    else
        c->SetBounds(Align() == alRight ? c->Left() + c->Width() - size : c->Left(), c->Top(), size,
                     c->Height());
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    FResized = nullptr;
}

void TSplitter::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(TRect(0, 0, Width(), Height()));
}

bool TSplitter::ReadProperty(const String& name, const TDesignValue& value) {
    if (name.compare(QStringLiteral("MinSize"), Qt::CaseInsensitive) == 0) {
        SetMinSize(value.AsInt());
        return true;
    }
    return TGraphicControl::ReadProperty(name, value);
}
