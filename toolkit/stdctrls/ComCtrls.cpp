// TPageControl and TTabSheet: a tab bar over the sheets, the active sheet the only one shown.
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/system/DesignValue.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

namespace {
// The platform marks the focused page control with a dotted frame inside the current tab; the Qt styles
// here draw none.
class PageTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    void paintEvent(QPaintEvent* e) override {
        QTabBar::paintEvent(e);
        if (!hasFocus() || currentIndex() < 0) return;
        QPainter painter(this);
        QPen pen(palette().color(QPalette::WindowText));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(tabRect(currentIndex()).adjusted(4, 4, -5, -5));
    }
};
} // namespace

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle |= csAcceptsControls;
    SetVisible(false);
    // The page control decides where its sheets go.
    SetAlign(alClient);
}

TTabSheet::~TTabSheet() {
    SetDestroying();
    DestroyComponents();
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* AParent) {
    TPageControl* old = FPageControl;
    TWinControl::SetParent(AParent);
    auto* pc = dynamic_cast<TPageControl*>(AParent);
    if (old && old != pc) old->RemovePage(this);
    if (pc && pc != old) pc->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
    SetParent(control);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int v) {
    if (FPageControl) FPageControl->MovePage(this, v);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int n = 0;
    for (TTabSheet* p : FPageControl->FPages) {
        if (p == this) return n;
        if (p->FTabVisible) ++n;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool v) {
    if (v == FTabVisible) return;
    FTabVisible = v;
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::TextChanged() {
    if (FPageControl) FPageControl->UpdateTabs();
    TWinControl::TextChanged();
}

bool TTabSheet::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "pageindex")
        SetPageIndex(v.AsInt());
    else if (n == "tabvisible")
        SetTabVisible(v.AsBool());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    FControlStyle |= csAcceptsControls;
}

TPageControl::~TPageControl() {
    SetDestroying();
    DestroyComponents();
    // Sheets that outlive this control must not report back to it.
    for (TTabSheet* p : FPages)
        p->FPageControl = nullptr;
    FPages.clear();
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        throw EListError(QString("List index out of bounds (%1)").arg(index));
    return FPages[size_t(index)];
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? FPages[size_t(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->FPageControl != this) return;
    FActivePage = page;
    FActivePageName.clear();
    ShowActiveOnly();
    UpdateTabs();
}

void TPageControl::ShowActiveOnly() {
    for (TTabSheet* p : FPages)
        p->SetVisible(p == FActivePage);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
    int n = PageCount();
    if (n == 0) return nullptr;
    auto it = std::find(FPages.begin(), FPages.end(), current);
    int start = it == FPages.end() ? (goForward ? n - 1 : 0) : int(it - FPages.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = goForward ? (i + 1) % n : (i - 1 + n) % n;
        TTabSheet* p = FPages[size_t(i)];
        if (!checkTabVisible || p->FTabVisible) return p;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    if (TTabSheet* p = FindNextPage(FActivePage, goForward, checkTabVisible); p && p != FActivePage)
        ChangeActivePage(p);
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() {
    if (OnChange) OnChange(this);
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
    if (page == FActivePage) return;
    if (!CanChange()) {
        UpdateTabs();
        return;
    }
    SetActivePage(page);
    Change();
}

void TPageControl::InsertPage(TTabSheet* page) {
    if (std::find(FPages.begin(), FPages.end(), page) != FPages.end()) return;
    FPages.push_back(page);
    page->FPageControl = this;
    if (!FActivePage && !IsLoading()) FActivePage = page;
    page->SetBounds(DisplayRect().Left, DisplayRect().Top, DisplayRect().Width(), DisplayRect().Height());
    ShowActiveOnly();
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    TTabSheet* next = page == FActivePage ? FindNextPage(page, true, true) : FActivePage;
    FPages.erase(it);
    page->FPageControl = nullptr;
    FActivePage = next == page ? nullptr : next;
    if (!IsDestroying()) {
        ShowActiveOnly();
        UpdateTabs();
    }
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    index = std::clamp(index, 0, PageCount());
    FPages.insert(FPages.begin() + index, page);
    UpdateTabs();
}

int TPageControl::TabHeight() const {
    if (FTabHeight > 0) return FTabHeight;
    return QFontMetrics(Font()->toQFont()).height() + 8;
}

void TPageControl::SetTabHeight(int v) {
    FTabHeight = std::max(0, v);
    Realign();
    UpdateTabs();
}

TRect TPageControl::DisplayRect() const {
    TRect r = ClientRect();
    return TRect(r.Left + 4, r.Top + TabHeight() + 4, std::max(r.Left + 4, r.Right - 4),
                 std::max(r.Top + TabHeight() + 4, r.Bottom - 4));
}

void TPageControl::AlignControls(TControl* AControl, TRect& Rect) {
    TRect d = DisplayRect();
    for (TTabSheet* p : FPages)
        p->SetBounds(d.Left, d.Top, d.Width(), d.Height());
    Rect = d;
    TWinControl::AlignControls(AControl, Rect);
}

QWidget* TPageControl::CreateNativeWidget(QWidget* parent) {
    QWidget* w = TWinControl::CreateNativeWidget(parent);
    FTabBar = new PageTabBar(w);
    FTabBar->setDrawBase(false);
    FTabBar->setExpanding(false);
    // The control's focus is its tab bar's: the current tab shows the focus mark and the arrow keys turn
    // the pages, as the platform's page control does.
    FTabBar->setFocusPolicy(Qt::TabFocus);
    w->setFocusProxy(FTabBar);
    AttachEvents(FTabBar);
    QObject::connect(FTabBar, &QTabBar::currentChanged, qvdetail::Guarded([this](int tab) {
        if (FSyncing || tab < 0) return;
        for (TTabSheet* p : FPages)
            if (p->TabIndex() == tab) {
                ChangeActivePage(p);
                return;
            }
    }));
    return w;
}

void TPageControl::SyncWidget() {
    TWinControl::SyncWidget();
    UpdateTabs();
}

void TPageControl::UpdateTabs() {
    if (!FTabBar) return;
    FSyncing = true;
    while (FTabBar->count() > 0)
        FTabBar->removeTab(0);
    for (TTabSheet* p : FPages)
        if (p->FTabVisible) FTabBar->addTab(p->Caption());
    FTabBar->setGeometry(0, 0, Width(), TabHeight());
    FTabBar->setCurrentIndex(FActivePage ? FActivePage->TabIndex() : -1);
    FSyncing = false;
}

void TPageControl::Paint() {
    QWidget* w = Widget();
    if (!w) return;
    QPainter painter(w);
    TRect d = DisplayRect();
    painter.setPen(ToQColor(clBtnShadow));
    painter.drawRect(QRect(d.Left - 2, d.Top - 2, d.Width() + 3, d.Height() + 3));
}

void TPageControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT && m.Event && m.Event->type() == QEvent::Paint) {
        Paint();
        return;
    }
    TWinControl::Dispatch(m);
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    if (!FActivePageName.isEmpty()) {
        for (TTabSheet* p : FPages)
            if (p->Name().compare(FActivePageName, Qt::CaseInsensitive) == 0) FActivePage = p;
        FActivePageName.clear();
    }
    if (!FActivePage && !FPages.empty()) FActivePage = FPages.front();
    ShowActiveOnly();
    Realign();
    UpdateTabs();
}

bool TPageControl::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "activepage") {
        // The sheets come later in the design; the name is resolved once they are all there.
        FActivePageName = v.AsString();
        for (TTabSheet* p : FPages)
            if (p->Name().compare(FActivePageName, Qt::CaseInsensitive) == 0) SetActivePage(p);
    } else if (n == "tabheight")
        SetTabHeight(v.AsInt());
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}
