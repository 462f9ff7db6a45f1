// TCategoryPanel and TCategoryPanelGroup: collapsible panels stacked by their Top in a scrolling group.
#include "toolkit/stdctrls/CategoryPanels.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/DesignValue.h"

#include <QWidget>
#include <algorithm>

namespace {
constexpr int kDefaultHeaderHeight = 24;
constexpr int kChevronSize = 8;
} // namespace

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle |= csAcceptsControls;
    SetBounds(0, 0, 185, 200);
    SetAlign(alTop);
}

TCategoryPanel::~TCategoryPanel() {
    SetDestroying();
    DestroyComponents();
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const {
    return dynamic_cast<TCategoryPanelGroup*>(Parent());
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* group) {
    SetParent(group);
}

int TCategoryPanel::HeaderHeight() const {
    TCategoryPanelGroup* g = PanelGroup();
    return g ? g->HeaderHeight() : kDefaultHeaderHeight;
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCategoryPanelGroup* g = PanelGroup();
    if (!(g && g->FArranging)) {
        // A collapsed panel keeps the height it gets for when it opens again.
        if (!FChangingCollapse) FExpandedHeight = AHeight;
        if (FCollapsed && !FChangingCollapse) AHeight = HeaderHeight();
        if (g && ATop != Top()) g->PanelMoved(this);
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceSurface();
}

void TCategoryPanel::SetCollapsed(bool v) {
    if (v == FCollapsed) return;
    FChangingCollapse = true;
    FCollapsed = v;
    SetBounds(Left(), Top(), Width(), v ? HeaderHeight() : FExpandedHeight);
    FChangingCollapse = false;
    Invalidate();
    if (v && OnCollapse) OnCollapse(this);
    if (!v && OnExpand) OnExpand(this);
}

TRect TCategoryPanel::AdjustedClientRect() const {
    return TRect(0, 0, Width(), std::max(0, FExpandedHeight - HeaderHeight()));
}

QWidget* TCategoryPanel::CreateNativeWidget(QWidget* parent) {
    QWidget* w = TCustomControl::CreateNativeWidget(parent);
    FSurface = new qvdetail::NativeWidget(w);
    PlaceSurface();
    return w;
}

void TCategoryPanel::PlaceSurface() {
    if (!FSurface) return;
    int hh = HeaderHeight();
    FSurface->setGeometry(0, hh, std::max(0, Width()), std::max(0, FExpandedHeight - hh));
    FSurface->setVisible(!FCollapsed);
}

void TCategoryPanel::SyncGeometry() {
    TCustomControl::SyncGeometry();
    PlaceSurface();
}

void TCategoryPanel::ColorChanged() {
    TCustomControl::ColorChanged();
    if (FSurface) {
        QPalette pal = FSurface->palette();
        pal.setColor(QPalette::Window, ToQColor(Color()));
        FSurface->setPalette(pal);
    }
}

void TCategoryPanel::TextChanged() {
    Invalidate();
    TCustomControl::TextChanged();
}

void TCategoryPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && Y >= 0 && Y < HeaderHeight() && X >= 0 && X < Width()) SetCollapsed(!FCollapsed);
}

void TCategoryPanel::Paint() {
    TCanvas* canvas = Canvas();
    int hh = HeaderHeight();
    TRect header(0, 0, Width(), hh);
    GradientFillCanvas(canvas, clBtnHighlight, clBtnFace, header, gdVertical);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(0, hh - 1);
    canvas->LineTo(Width(), hh - 1);
    TCategoryPanelGroup* g = PanelGroup();
    canvas->SetFont(g ? g->HeaderFont() : Font());
    canvas->Brush()->SetStyle(bsClear);
    TRect text(6, 0, Width() - kChevronSize - 16, hh);
    DrawText(canvas, Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    // The chevron points up while the panel is open and down while it is collapsed.
    int cx = Width() - kChevronSize - 8, cy = hh / 2;
    int d = FCollapsed ? 1 : -1;
    canvas->Pen()->SetColor(canvas->Font()->Color());
    canvas->Pen()->SetWidth(2);
    canvas->Polyline({TPoint(cx, cy - d * 2), TPoint(cx + kChevronSize / 2, cy + d * 2),
                      TPoint(cx + kChevronSize, cy - d * 2)});
    canvas->Pen()->SetWidth(1);
}

bool TCategoryPanel::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "collapsed")
        SetCollapsed(v.AsBool());
    else
        return TCustomControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    SetBounds(0, 0, 200, 300);
    FHorz.SetVisible(false);
    FHeaderFont.SetStyle(fsBold);
    FHeaderFont.OnChange = [this](TObject*) { HeaderChanged(); };
}

TCategoryPanelGroup::~TCategoryPanelGroup() {
    SetDestroying();
    DestroyComponents();
}

void TCategoryPanelGroup::SetHeaderHeight(int v) {
    if (v == FHeaderHeight) return;
    FHeaderHeight = std::max(0, v);
    for (TCategoryPanel* p : Panels())
        if (p->Collapsed()) {
            p->FChangingCollapse = true;
            p->SetBounds(p->Left(), p->Top(), p->Width(), FHeaderHeight);
            p->FChangingCollapse = false;
        }
    HeaderChanged();
}

void TCategoryPanelGroup::HeaderChanged() {
    for (TCategoryPanel* p : Panels()) {
        p->PlaceSurface();
        p->Invalidate();
    }
    Realign();
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Panels() const {
    std::vector<TCategoryPanel*> list;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* p = dynamic_cast<TCategoryPanel*>(Controls(i))) list.push_back(p);
    TCategoryPanel* moved = FMovedPanel;
    // By Top; among equal tops the panel just moved goes first, as the platform's alignment does.
    std::stable_sort(list.begin(), list.end(), [moved](TCategoryPanel* a, TCategoryPanel* b) {
        if (a->Top() != b->Top()) return a->Top() < b->Top();
        return a == moved && b != moved;
    });
    return list;
}

void TCategoryPanelGroup::CollapseAll() {
    for (TCategoryPanel* p : Panels())
        p->Collapse();
}

void TCategoryPanelGroup::ExpandAll() {
    for (TCategoryPanel* p : Panels())
        p->Expand();
}

TSize TCategoryPanelGroup::ContentExtent() const {
    TSize s;
    for (TCategoryPanel* p : Panels())
        if (p->Visible()) s.cy += p->Height();
    return s;
}

void TCategoryPanelGroup::AlignControls(TControl*, TRect& Rect) {
    if (FArranging || IsDestroying()) return;
    FArranging = true;
    SetRange(true, ContentExtent().cy);
    int y = 0;
    int w = ViewportWidth();
    for (TCategoryPanel* p : Panels()) {
        if (!p->Visible()) continue;
        p->SetBounds(0, y, w, p->Height());
        y += p->Height();
    }
    FMovedPanel = nullptr;
    FArranging = false;
    Rect = TRect(0, 0, w, y);
    UpdateScrollRange();
}

void TCategoryPanelGroup::Loaded() {
    TScrollingWinControl::Loaded();
    Realign();
}

bool TCategoryPanelGroup::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "headerheight")
        SetHeaderHeight(v.AsInt());
    else if (n == "headerfont.name")
        FHeaderFont.SetName(v.AsString());
    else if (n == "headerfont.size")
        FHeaderFont.SetSize(v.AsInt());
    else if (n == "headerfont.height")
        FHeaderFont.SetHeight(v.AsInt());
    else if (n == "headerfont.color")
        FHeaderFont.SetColor(DesignColor(v));
    else if (n == "headerfont.style")
        FHeaderFont.SetStyle(DesignSet(v));
    else if (n == "vertscrollbar.increment")
        FVert.SetIncrement(v.AsInt());
    else
        return TScrollingWinControl::ReadProperty(name, v);
    return true;
}
