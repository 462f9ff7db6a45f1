// The grid's geometry on screen, scrolling by cells, the window scroll bars and the native widgets.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/grids/Grids_Axis.h"

#include <QScrollBar>
#include <algorithm>

namespace {
// Scroll positions run 0..127 whatever the number of rows, as on the platform grid.
constexpr int kScrollRange = 127;

int ScaleDiv(int value, int mul, int div) {
    return div == 0 ? 0 : static_cast<int>((static_cast<long long>(value) * mul) / div);
}

int QtMaximum(const TScrollInfo& i) {
    return std::max(i.nMin, i.nMax - std::max(i.nPage - 1, 0));
}
} // namespace

TCustomGrid::Axis TCustomGrid::HorzAxis() const {
    Axis a;
    a.sizes = &FColWidths;
    a.def = FDefaultColWidth;
    a.count = FColCount;
    a.fixed = FFixedCols;
    a.first = FTopLeft.X;
    a.extent = ClientWidth();
    a.fixedLine = (FOptions & goFixedVertLine) ? FGridLineWidth : 0;
    a.line = (FOptions & goVertLine) ? FGridLineWidth : 0;
    a.Init();
    return a;
}

TCustomGrid::Axis TCustomGrid::VertAxis() const {
    Axis a;
    a.sizes = &FRowHeights;
    a.def = FDefaultRowHeight;
    a.count = FRowCount;
    a.fixed = FFixedRows;
    a.first = FTopLeft.Y;
    a.extent = ClientHeight();
    a.fixedLine = (FOptions & goFixedHorzLine) ? FGridLineWidth : 0;
    a.line = (FOptions & goHorzLine) ? FGridLineWidth : 0;
    a.Init();
    return a;
}

int TCustomGrid::ClientWidth() const {
    return std::max(0, Width() - 2 * BorderWidth() - (FShowVert ? FBarExtent : 0));
}

int TCustomGrid::ClientHeight() const {
    return std::max(0, Height() - 2 * BorderWidth() - (FShowHorz ? FBarExtent : 0));
}

TPoint TCustomGrid::ClientOrigin() const {
    if (FClient) return TPoint::fromQPoint(FClient->mapToGlobal(QPoint(0, 0)));
    TPoint o = TCustomControl::ClientOrigin();
    return TPoint(o.X + BorderWidth(), o.Y + BorderWidth());
}

int TCustomGrid::ColLinePos(int ACol) const {
    return HorzAxis().Pos(ACol);
}
int TCustomGrid::RowLinePos(int ARow) const {
    return VertAxis().Pos(ARow);
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    return BoxRect(ACol, ARow, ACol, ARow);
}

TRect TCustomGrid::BoxRect(int ALeft, int ATop, int ARight, int ABottom) const {
    Axis h = HorzAxis();
    Axis v = VertAxis();
    // The block's visible extent along one axis: from the first shown cell to the end of the last one.
    auto span = [](const Axis& a, int lo, int hi, int& from, int& to) {
        if (lo > hi) std::swap(lo, hi);
        lo = std::max(lo, 0);
        hi = std::min(hi, a.count - 1);
        from = -1;
        for (int i = lo; i <= hi; ++i) {
            int p = a.Pos(i);
            if (p < 0) {
                if (i >= a.first) break; // beyond the client edge: so is every later cell
                continue;                // scrolled out, or a fixed cell past the edge
            }
            if (from < 0) from = p;
            to = std::min(p + a.Size(i), a.extent);
        }
        return from >= 0;
    };
    int l = 0, r = 0, t = 0, b = 0;
    if (!span(h, ALeft, ARight, l, r) || !span(v, ATop, ABottom, t, b)) return TRect();
    return TRect(l, t, r, b);
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    TGridCoord c{HorzAxis().At(X), VertAxis().At(Y)};
    if (c.X < 0 || c.Y < 0) return TGridCoord{-1, -1};
    return c;
}

int TCustomGrid::VisibleColCount() const {
    Axis a = HorzAxis();
    return std::max(0, a.LastFullVisible() - a.first + 1);
}

int TCustomGrid::VisibleRowCount() const {
    Axis a = VertAxis();
    return std::max(0, a.LastFullVisible() - a.first + 1);
}

TGridCoord TCustomGrid::CalcMaxTopLeft() const {
    return TGridCoord{HorzAxis().MaxFirst(), VertAxis().MaxFirst()};
}

void TCustomGrid::SetLeftCol(int v) {
    v = std::clamp(v, FFixedCols, std::max(FFixedCols, FColCount - 1));
    MoveTopLeft(v, FTopLeft.Y);
}

void TCustomGrid::SetTopRow(int v) {
    v = std::clamp(v, FFixedRows, std::max(FFixedRows, FRowCount - 1));
    MoveTopLeft(FTopLeft.X, v);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
    const TGridCoord old = FTopLeft;
    FTopLeft = TGridCoord{ALeft, ATop};
    UpdateScrollPos();
    // Scrolling changes the cells only: the border and the bars (which repaint themselves when their thumb
    // moves) stay as they are.
    if (!ScrollPainted(old)) {
        if (FClient && FClient->isVisible())
            FClient->update();
        else
            Invalidate();
    }
    TopLeftChanged();
}

// Moves what is painted of the scrolled cells by the distance the view moved along one axis, so only the
// cells that come into view are painted; false when the whole area must be painted anew (both axes moved,
// or the move is as large as the area).
bool TCustomGrid::ScrollPainted(const TGridCoord& old) {
    if (!FClient || !FClient->isVisible() || !CanScrollByMoving()) return false;
    const bool horz = old.X != FTopLeft.X;
    if (horz && (old.Y != FTopLeft.Y || PaintsMirrored())) return false;
    const Axis a = horz ? HorzAxis() : VertAxis();
    const int from = horz ? old.X : old.Y;
    const int to = horz ? FTopLeft.X : FTopLeft.Y;
    const int area = a.extent - a.fixedBoundary;
    if (area <= 0) return true;
    int distance = 0;
    for (int i = std::min(from, to); i < std::max(from, to); ++i) {
        distance += a.Size(i) + a.line;
        if (distance >= area) return false;
    }
    const int delta = to > from ? -distance : distance;
    if (horz)
        FClient->scroll(delta, 0, QRect(a.fixedBoundary, 0, area, FClient->height()));
    else
        FClient->scroll(0, delta, QRect(0, a.fixedBoundary, FClient->width(), area));
    return true;
}

void TCustomGrid::UpdateScrollPos() {
    TGridCoord max = CalcMaxTopLeft();
    auto position = [](const TScrollInfo& i, int first, int fixed, int maxFirst) {
        int pos =
            maxFirst > fixed ? i.nMin + ScaleDiv(first - fixed, QtMaximum(i) - i.nMin, maxFirst - fixed) : 0;
        return std::clamp(pos, i.nMin, QtMaximum(i));
    };
    FHorzInfo.nPos = position(FHorzInfo, FTopLeft.X, FFixedCols, max.X);
    FVertInfo.nPos = position(FVertInfo, FTopLeft.Y, FFixedRows, max.Y);
    SyncScrollBars();
}

void TCustomGrid::TopLeftChanged() {
    if (FEditorMode && FInplaceEdit && FInplaceEdit->Visible())
        FInplaceEdit->UpdateLoc(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid::ClampInView(int ACol, int ARow) {
    Axis h = HorzAxis();
    Axis v = VertAxis();
    int left = FTopLeft.X;
    int top = FTopLeft.Y;
    if (ACol >= FFixedCols) {
        if (ACol < left)
            left = ACol;
        else if (ACol > h.LastFullVisible())
            left = h.FirstShowing(ACol);
    }
    if (ARow >= FFixedRows) {
        if (ARow < top)
            top = ARow;
        else if (ARow > v.LastFullVisible())
            top = v.FirstShowing(ARow);
    }
    MoveTopLeft(left, top);
}

// Scroll bars
// ------------------------------------------------------------------------------------------------

void TCustomGrid::SetScrollBars(TScrollStyle v) {
    if (v == FScrollBars) return;
    FScrollBars = v;
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::UpdateScrollRange() {
    if (FUpdatingScroll) return;
    FUpdatingScroll = true;
    bool wantH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    bool wantV = FScrollBars == ssVertical || FScrollBars == ssBoth;
    // Showing one bar narrows the client area, which may call for the other one.
    for (int pass = 0; pass < 3; ++pass) {
        TGridCoord max = CalcMaxTopLeft();
        bool h = wantH && max.X > FFixedCols;
        bool v = wantV && max.Y > FFixedRows;
        if (h == FShowHorz && v == FShowVert) break;
        FShowHorz = h;
        FShowVert = v;
    }
    FHorzInfo = TScrollInfo{0, kScrollRange, 0, 0, 0};
    FVertInfo = TScrollInfo{0, kScrollRange, 0, 0, 0};
    FUpdatingScroll = false;
    ScrollRangeChanged();
    LayoutChildren();
    // A larger client area or fewer cells may leave nothing to scroll to where the grid stood.
    TGridCoord max = CalcMaxTopLeft();
    int left = std::max(FFixedCols, std::min(FTopLeft.X, max.X));
    int top = std::max(FFixedRows, std::min(FTopLeft.Y, max.Y));
    if (left != FTopLeft.X || top != FTopLeft.Y)
        MoveTopLeft(left, top);
    else
        UpdateScrollPos();
}

TScrollInfo TCustomGrid::GetScrollInfo(int bar) const {
    TScrollInfo i = bar == SB_HORZ ? FHorzInfo : FVertInfo;
    if (QScrollBar* b = bar == SB_HORZ ? FHorzBar : FVertBar)
        i.nTrackPos = b->sliderPosition();
    else
        i.nTrackPos = i.nPos;
    return i;
}

void TCustomGrid::SetScrollInfo(int bar, const TScrollInfo& info) {
    TScrollInfo& i = bar == SB_HORZ ? FHorzInfo : FVertInfo;
    i = info;
    i.nPos = std::clamp(i.nPos, i.nMin, QtMaximum(i));
    SyncScrollBars();
}

void TCustomGrid::ShowScrollBar(int bar, bool show) {
    bool changed = false;
    if (bar == SB_HORZ || bar == SB_BOTH) {
        changed |= FShowHorz != show;
        FShowHorz = show;
    }
    if (bar == SB_VERT || bar == SB_BOTH) {
        changed |= FShowVert != show;
        FShowVert = show;
    }
    if (changed) {
        LayoutChildren();
        Invalidate();
    }
}

bool TCustomGrid::ScrollBarVisible(int bar) const {
    return bar == SB_HORZ ? FShowHorz : FShowVert;
}

namespace {
// Flat bars are drawn by a style sheet: a plain track, a thumb without relief and arrows as flat buttons;
// the Encarta look frames the thumb and lights it under the mouse.
QString FlatBarStyleSheet(TCustomGrid::TScrollBarLook Look, TColor Color) {
    if (Look == TCustomGrid::sblRegular) return QString();
    const QString track = Color == clNone ? QStringLiteral("palette(window)") : ToQColor(Color).name();
    QString sheet = QStringLiteral("QScrollBar { background: %1; border: none; }"
                                   "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
                                   "QScrollBar::add-line, QScrollBar::sub-line { background: palette(button);"
                                   " border: none; }")
                        .arg(track);
    if (Look == TCustomGrid::sblFlat)
        sheet += QStringLiteral("QScrollBar::handle { background: palette(mid); border: none;"
                                " min-width: 8px; min-height: 8px; }");
    else
        sheet += QStringLiteral(
            "QScrollBar::handle { background: palette(button); border: 1px solid palette(dark);"
            " min-width: 8px; min-height: 8px; }"
            "QScrollBar::handle:hover { background: palette(light); }");
    return sheet;
}
} // namespace

void TCustomGrid::SetScrollBarLook(TScrollBarLook Look, TColor Color, int Width) {
    Width = std::max(0, Width);
    const bool resized = Width != FBarExtent;
    const bool restyled = Look != FBarLook || Color != FBarColor;
    FBarLook = Look;
    FBarColor = Color;
    FBarExtent = Width;
    if (restyled)
        for (QScrollBar* b : {FHorzBar, FVertBar})
            if (b) b->setStyleSheet(FlatBarStyleSheet(Look, Color));
    // A different thickness changes the client area, so what fits and where the bars go.
    if (resized) UpdateScrollRange();
}

void TCustomGrid::EnableScrollBar(int bar, bool enable) {
    if (bar == SB_HORZ || bar == SB_BOTH) FHorzEnabled = enable;
    if (bar == SB_VERT || bar == SB_BOTH) FVertEnabled = enable;
    SyncScrollBars();
}

void TCustomGrid::SyncScrollBars() {
    // A bar repaints itself on every change it is told of, even one to the same value: only what differs
    // is passed on, so scrolling that leaves the thumb in place does not paint the bar.
    auto apply = [](QScrollBar* b, const TScrollInfo& i, bool shown, bool enabled) {
        if (!b) return;
        QSignalBlocker block(b);
        if (b->minimum() != i.nMin || b->maximum() != QtMaximum(i)) b->setRange(i.nMin, QtMaximum(i));
        if (b->pageStep() != std::max(i.nPage, 1)) b->setPageStep(std::max(i.nPage, 1));
        if (!b->isSliderDown() && (b->value() != i.nPos || b->sliderPosition() != i.nPos))
            b->setValue(i.nPos);
        b->setEnabled(enabled);
        b->setVisible(shown);
    };
    apply(FHorzBar, FHorzInfo, FShowHorz, FHorzEnabled);
    apply(FVertBar, FVertInfo, FShowVert, FVertEnabled);
}

void TCustomGrid::WMHScroll(TMessage& Message) {
    ScrollMessage(true, Message);
}
void TCustomGrid::WMVScroll(TMessage& Message) {
    ScrollMessage(false, Message);
}

void TCustomGrid::ScrollMessage(bool horz, TMessage& m) {
    TGridCoord max = CalcMaxTopLeft();
    const TScrollInfo& info = horz ? FHorzInfo : FVertInfo;
    int fixed = horz ? FFixedCols : FFixedRows;
    int maxFirst = horz ? max.X : max.Y;
    int cur = horz ? FTopLeft.X : FTopLeft.Y;
    int page = std::max(1, horz ? VisibleColCount() : VisibleRowCount());
    int next = cur;
    switch (m.ScrollCode()) {
    case SB_LINEUP:
        next = cur - 1;
        break;
    case SB_LINEDOWN:
        next = cur + 1;
        break;
    case SB_PAGEUP:
        next = cur - page;
        break;
    case SB_PAGEDOWN:
        next = cur + page;
        break;
    case SB_THUMBTRACK:
        if (!(FOptions & goThumbTracking)) return;
        [[fallthrough]];
    case SB_THUMBPOSITION: {
        int range = std::max(1, QtMaximum(info) - info.nMin);
        next = fixed + ScaleDiv(m.ScrollPos() - info.nMin, maxFirst - fixed, range);
        break;
    }
    case SB_TOP:
        next = fixed;
        break;
    case SB_BOTTOM:
        next = maxFirst;
        break;
    default:
        return;
    }
    next = std::clamp(next, fixed, std::max(fixed, maxFirst));
    if (horz)
        MoveTopLeft(next, FTopLeft.Y);
    else
        MoveTopLeft(FTopLeft.X, next);
}

void TCustomGrid::OnScrollAction(bool horz, int action) {
    QScrollBar* b = horz ? FHorzBar : FVertBar;
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    case QAbstractSlider::SliderMove:
        code = SB_THUMBTRACK;
        break;
    default:
        return;
    }
    int pos = b->sliderPosition();
    // The bar has already stepped its slider; it goes back to the grid's position, quietly, so that the
    // thumb is drawn again only if the grid's scroll moves it.
    if (code != SB_THUMBTRACK) b->setSliderPosition(b->value());
    Perform(horz ? WM_HSCROLL : WM_VSCROLL, MAKELPARAM(code, pos), 0);
    // The grid decides where the thumb stands, except while the user drags it.
    if (code != SB_THUMBTRACK && b) b->setSliderPosition((horz ? FHorzInfo : FVertInfo).nPos);
}

// Native widgets --------------------------------------------------------------------------------------------

QWidget* TCustomGrid::CreateNativeWidget(QWidget* parent) {
    auto* frame = new qvdetail::NativeWidget(parent);
    FClient = new QWidget(frame);
    FClient->setMouseTracking(true);
    FClient->setAttribute(Qt::WA_OpaquePaintEvent);
    FClient->setFocusPolicy(Qt::NoFocus);
    AttachEvents(FClient);
    FHorzBar = new QScrollBar(Qt::Horizontal, frame);
    FVertBar = new QScrollBar(Qt::Vertical, frame);
    for (QScrollBar* b : {FHorzBar, FVertBar}) {
        b->setFocusPolicy(Qt::NoFocus);
        if (FBarLook != sblRegular) b->setStyleSheet(FlatBarStyleSheet(FBarLook, FBarColor));
        bool horz = b == FHorzBar;
        QObject::connect(b, &QAbstractSlider::actionTriggered, b,
                         qvdetail::Guarded([this, horz](int action) { OnScrollAction(horz, action); }));
        QObject::connect(b, &QAbstractSlider::sliderReleased, b, qvdetail::Guarded([this, horz, b] {
                             Perform(horz ? WM_HSCROLL : WM_VSCROLL,
                                     MAKELPARAM(SB_THUMBPOSITION, b->sliderPosition()), 0);
                             Perform(horz ? WM_HSCROLL : WM_VSCROLL, MAKELPARAM(SB_ENDSCROLL, 0), 0);
                             b->setSliderPosition((horz ? FHorzInfo : FVertInfo).nPos);
                         }));
    }
    return frame;
}

void TCustomGrid::DestroyWidget() {
    FClient = nullptr;
    FHorzBar = nullptr;
    FVertBar = nullptr;
    TCustomControl::DestroyWidget();
}

QWidget* TCustomGrid::ChildContainer() {
    return FClient ? FClient : Widget();
}

void TCustomGrid::LayoutChildren() {
    if (!FClient) return;
    int b = BorderWidth();
    int cw = ClientWidth();
    int ch = ClientHeight();
    FClient->setGeometry(b, b, cw, ch);
    FVertBar->setGeometry(b + cw, b, FBarExtent, ch);
    FHorzBar->setGeometry(b, b + ch, cw, FBarExtent);
    SyncScrollBars();
}

void TCustomGrid::SyncGeometry() {
    TCustomControl::SyncGeometry();
    LayoutChildren();
}

void TCustomGrid::SyncWidget() {
    TCustomControl::SyncWidget();
    LayoutChildren();
}

void TCustomGrid::Resize() {
    UpdateScrollRange();
    UpdateEdit();
    TCustomControl::Resize();
}
