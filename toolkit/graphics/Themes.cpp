// Themed parts and classic frame controls drawn with the running Qt style.
#include "toolkit/graphics/Themes.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

bool gThemeActive = true;
int gBeeps = 0;

QStyle* CurrentStyle() {
    return QApplication::style();
}

// A push-button panel with an arrow, the way both the themed and the classic parts look over Qt.
void DrawArrowButton(QPainter* p, const QRect& r, QStyle::PrimitiveElement arrow, bool pressed, bool hot,
                     bool enabled, bool flat) {
    QStyle* style = CurrentStyle();
    QStyleOptionButton panel;
    panel.rect = r;
    panel.palette = QApplication::palette();
    panel.state = QStyle::State_Raised;
    if (enabled) panel.state |= QStyle::State_Enabled;
    if (pressed) panel.state = (panel.state & ~QStyle::State_Raised) | QStyle::State_Sunken;
    if (hot) panel.state |= QStyle::State_MouseOver;
    if (flat)
        p->fillRect(r, panel.palette.button());
    else
        style->drawPrimitive(QStyle::PE_PanelButtonBevel, &panel, p);
    QStyleOption mark;
    mark.rect = r.adjusted(2, 2, -2, -2);
    if (pressed) mark.rect.translate(1, 1);
    mark.palette = panel.palette;
    mark.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
    style->drawPrimitive(arrow, &mark, p);
}

QStyle::PrimitiveElement ArrowOf(TFrameArrow a) {
    switch (a) {
    case faUp:
        return QStyle::PE_IndicatorArrowUp;
    case faLeft:
        return QStyle::PE_IndicatorArrowLeft;
    case faRight:
        return QStyle::PE_IndicatorArrowRight;
    default:
        return QStyle::PE_IndicatorArrowDown;
    }
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

} // namespace

bool CommonControlsThemed() {
    return true;
}
bool IsThemeActive() {
    return gThemeActive;
}
void SetThemeActive(bool active) {
    gThemeActive = active;
}

void DrawThemeBackground(TCanvas* canvas, TThemeClass cls, int part, int state, const TRect& rect) {
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p || rect.Width() <= 0 || rect.Height() <= 0) return;
    TFrameArrow arrow = faDown;
    if (cls == tcSpin)
        arrow = part == SPNP_UP ? faUp : part == SPNP_DOWN ? faDown : part == SPNP_UPHORZ ? faRight : faLeft;
    p->save();
    DrawArrowButton(p, ToQRect(rect), ArrowOf(arrow), state == TS_PRESSED, state == TS_HOT,
                    state != TS_DISABLED, false);
    p->restore();
}

void DrawFrameControl(TCanvas* canvas, const TRect& rect, TFrameArrow arrow, unsigned state) {
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p || rect.Width() <= 0 || rect.Height() <= 0) return;
    p->save();
    DrawArrowButton(p, ToQRect(rect), ArrowOf(arrow), state & DFCS_PUSHED, false, !(state & DFCS_INACTIVE),
                    state & DFCS_FLAT);
    p->restore();
}

void DrawSunkenOuterEdge(TCanvas* canvas, TRect& rect) {
    QPainter* p = canvas->PreparePainter(false, false);
    if (p && rect.Width() > 0 && rect.Height() > 0) {
        const QPalette pal = QApplication::palette();
        p->save();
        p->setPen(pal.color(QPalette::Mid));
        p->drawLine(rect.Left, rect.Top, rect.Right - 1, rect.Top);
        p->drawLine(rect.Left, rect.Top, rect.Left, rect.Bottom - 1);
        p->setPen(pal.color(QPalette::Light));
        p->drawLine(rect.Left, rect.Bottom - 1, rect.Right - 1, rect.Bottom - 1);
        p->drawLine(rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom - 1);
        p->restore();
    }
    rect.Left += 1;
    rect.Top += 1;
    rect.Right -= 1;
    rect.Bottom -= 1;
}

int SystemScrollBarWidth() {
    return CurrentStyle()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void Beep() {
    ++gBeeps;
    QApplication::beep();
}

int BeepCount() {
    return gBeeps;
}
