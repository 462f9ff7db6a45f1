// Themed and frame-control parts drawn through Qt's style.
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/graphics/Canvas.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {
enum class ThemeArrow { None, Up, Down, Left, Right };

QStyle* activeThemeStyle() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

// One bevelled panel with an optional arrow: the common shape of every part asked for.
bool drawThemePanel(TCanvas* canvas, const TRect& rect, bool enabled, bool hot, bool pressed, bool flat,
                    ThemeArrow arrow) {
    QStyle* style = activeThemeStyle();
    if (!canvas || !style || rect.IsEmpty()) return false;
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p) return false;
    QStyleOptionButton opt;
    opt.rect = rect.toQRect();
    opt.palette = QApplication::palette();
    opt.state = QStyle::State_None;
    if (enabled) opt.state |= QStyle::State_Enabled;
    if (hot && enabled) opt.state |= QStyle::State_MouseOver;
    opt.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (flat) opt.features |= QStyleOptionButton::Flat;
    p->save();
    if (flat && !pressed && !hot) {
        p->setPen(opt.palette.color(QPalette::Mid));
        p->setBrush(opt.palette.color(QPalette::Button));
        p->drawRect(opt.rect.adjusted(0, 0, -1, -1));
    } else {
        style->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, p, nullptr);
    }
    if (arrow != ThemeArrow::None) {
        QStyleOption arrowOpt;
        arrowOpt.rect = opt.rect.adjusted(2, 2, -2, -2);
        arrowOpt.palette = opt.palette;
        arrowOpt.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
        const QStyle::PrimitiveElement element = arrow == ThemeArrow::Up      ? QStyle::PE_IndicatorArrowUp
                                                 : arrow == ThemeArrow::Left  ? QStyle::PE_IndicatorArrowLeft
                                                 : arrow == ThemeArrow::Right ? QStyle::PE_IndicatorArrowRight
                                                                              : QStyle::PE_IndicatorArrowDown;
        style->drawPrimitive(element, &arrowOpt, p, nullptr);
    }
    p->restore();
    return true;
}

// A check box or radio indicator. Flat ones are drawn here: a frame in the shadow colour with a plain mark.
bool drawThemeIndicator(TCanvas* canvas, const TRect& rect, bool radio, bool checked, bool mixed,
                        bool enabled, bool hot, bool pressed, bool flat) {
    QStyle* style = activeThemeStyle();
    if (!canvas || !style || rect.IsEmpty()) return false;
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p) return false;
    const QPalette pal = QApplication::palette();
    p->save();
    if (flat) {
        p->setRenderHint(QPainter::Antialiasing, radio);
        const QRectF box = QRectF(rect.toQRect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor mark = enabled ? pal.color(QPalette::WindowText) : pal.color(QPalette::Mid);
        p->setPen(pal.color(QPalette::Dark));
        p->setBrush(enabled ? pal.color(QPalette::Base) : pal.color(QPalette::Window));
        if (radio) {
            p->drawEllipse(box);
            if (checked) {
                p->setPen(Qt::NoPen);
                p->setBrush(mark);
                const qreal d = box.width() / 4;
                p->drawEllipse(box.adjusted(d, d, -d, -d));
            }
        } else {
            p->drawRect(box);
            if (checked || mixed) {
                p->setPen(QPen(mixed ? pal.color(QPalette::Mid) : mark, 2));
                const QRectF r = box.adjusted(3, 3, -3, -3);
                p->drawPolyline(
                    QPolygonF({QPointF(r.left(), r.center().y()),
                               QPointF(r.left() + r.width() / 3, r.bottom()), QPointF(r.right(), r.top())}));
            }
        }
    } else {
        QStyleOptionButton opt;
        opt.rect = rect.toQRect();
        opt.palette = pal;
        // Styles read the current colour group for the greyed look.
        if (!enabled) opt.palette.setCurrentColorGroup(QPalette::Disabled);
        opt.state = QStyle::State_None;
        if (enabled) opt.state |= QStyle::State_Enabled;
        if (hot && enabled) opt.state |= QStyle::State_MouseOver;
        if (pressed) opt.state |= QStyle::State_Sunken;
        opt.state |= mixed ? QStyle::State_NoChange : checked ? QStyle::State_On : QStyle::State_Off;
        style->drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &opt, p,
                             nullptr);
    }
    p->restore();
    return true;
}

// The trough of a progress bar (bar part) or its filled chunk (fill part) over the whole rectangle.
bool drawThemeProgress(TCanvas* canvas, const TRect& rect, bool fill) {
    QStyle* style = activeThemeStyle();
    if (!canvas || !style || rect.IsEmpty()) return false;
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p) return false;
    QStyleOptionProgressBar opt;
    opt.rect = rect.toQRect();
    opt.palette = QApplication::palette();
    opt.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    opt.minimum = 0;
    opt.maximum = 100;
    opt.progress = fill ? 100 : 0;
    p->save();
    style->drawControl(fill ? QStyle::CE_ProgressBarContents : QStyle::CE_ProgressBarGroove, &opt, p,
                       nullptr);
    p->restore();
    return true;
}
} // namespace

bool IsThemeActive() {
    return activeThemeStyle() != nullptr;
}

bool DrawThemeBackground(TCanvas* canvas, const String& themeClass, int part, int state, const TRect& rect) {
    const String cls = themeClass.toLower();
    const bool enabled = state != 4;
    if (cls == "button" && part == 1)
        return drawThemePanel(canvas, rect, enabled, state == 2, state == 3, false, ThemeArrow::None);
    if (cls == "button" && (part == 2 || part == 3) && state >= 1 && state <= (part == 3 ? 12 : 8)) {
        const int group = (state - 1) / 4; // unchecked, checked, mixed
        const int sub = (state - 1) % 4;   // normal, hot, pressed, disabled
        return drawThemeIndicator(canvas, rect, part == 2, group == 1, group == 2, sub != 3, sub == 1,
                                  sub == 2, false);
    }
    if (cls == "progress" && (part == 1 || part == 5)) return drawThemeProgress(canvas, rect, part == 5);
    if (cls == "combobox" && part == 1)
        return drawThemePanel(canvas, rect, enabled, state == 2, state == 3, false, ThemeArrow::Down);
    if (cls == "spin" && part >= 1 && part <= 4) {
        static constexpr ThemeArrow spinArrows[] = {ThemeArrow::Up, ThemeArrow::Down, ThemeArrow::Right,
                                                    ThemeArrow::Left};
        return drawThemePanel(canvas, rect, enabled, state == 2, state == 3, false, spinArrows[part - 1]);
    }
    return false;
}

namespace {
// Styles place a scroll bar's parts from the origin of its own widget.
QStyleOptionSlider VertBarOption(const TRect& rect, int Range, int Page, int Pos) {
    QStyleOptionSlider opt;
    opt.rect = QRect(0, 0, rect.Width(), rect.Height());
    opt.palette = QApplication::palette();
    opt.state = QStyle::State_Enabled;
    opt.orientation = Qt::Vertical;
    opt.subControls = QStyle::SC_All;
    opt.minimum = 0;
    opt.maximum = std::max(0, Range - std::max(Page, 0));
    opt.pageStep = std::max(1, Page);
    opt.singleStep = 1;
    opt.sliderPosition = opt.sliderValue = std::clamp(Pos, 0, opt.maximum);
    return opt;
}
} // namespace

TScrollBarPart VertScrollBarPartAt(const TRect& rect, int Range, int Page, int Pos, const TPoint& Pt) {
    QStyle* style = activeThemeStyle();
    if (!style || rect.IsEmpty() || !rect.Contains(Pt)) return sbpNone;
    const QStyleOptionSlider opt = VertBarOption(rect, Range, Page, Pos);
    const QPoint at(Pt.X - rect.Left, Pt.Y - rect.Top);
    switch (style->hitTestComplexControl(QStyle::CC_ScrollBar, &opt, at, nullptr)) {
    case QStyle::SC_ScrollBarSubLine:
        return sbpLineUp;
    case QStyle::SC_ScrollBarAddLine:
        return sbpLineDown;
    case QStyle::SC_ScrollBarSubPage:
        return sbpPageUp;
    case QStyle::SC_ScrollBarAddPage:
        return sbpPageDown;
    case QStyle::SC_ScrollBarSlider:
        return sbpThumb;
    default:
        return sbpNone;
    }
}

bool DrawVertScrollBar(TCanvas* canvas, const TRect& rect, int Range, int Page, int Pos) {
    QStyle* style = activeThemeStyle();
    if (!canvas || !style || rect.IsEmpty()) return false;
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p) return false;
    const QStyleOptionSlider opt = VertBarOption(rect, Range, Page, Pos);
    p->save();
    p->translate(rect.Left, rect.Top);
    // Some styles let the thumb stand out of the bar's width; the bar keeps to its rectangle.
    p->setClipRect(opt.rect, Qt::IntersectClip);
    style->drawComplexControl(QStyle::CC_ScrollBar, &opt, p, nullptr);
    p->restore();
    return true;
}

bool DrawFrameControl(TCanvas* canvas, const TRect& rect, unsigned type, unsigned state) {
    const bool enabled = !(state & DFCS_INACTIVE);
    const bool pushed = state & DFCS_PUSHED;
    const bool hot = state & DFCS_HOT;
    const bool flat = state & DFCS_FLAT;
    if (type == DFC_BUTTON && ((state & 0xFF) == DFCS_BUTTONCHECK || (state & 0xFF) == DFCS_BUTTONRADIO ||
                               (state & 0xFF) == DFCS_BUTTON3STATE))
        return drawThemeIndicator(canvas, rect, (state & 0xFF) == DFCS_BUTTONRADIO, state & DFCS_CHECKED,
                                  (state & 0xFF) == DFCS_BUTTON3STATE && (state & DFCS_CHECKED), enabled, hot,
                                  pushed, flat);
    if (type == DFC_BUTTON && (state & 0xFF) == DFCS_BUTTONPUSH)
        return drawThemePanel(canvas, rect, enabled, hot, pushed, flat, ThemeArrow::None);
    if (type == DFC_SCROLL) {
        switch (state & 0xFF) {
        case DFCS_SCROLLUP:
            return drawThemePanel(canvas, rect, enabled, hot, pushed, flat, ThemeArrow::Up);
        case DFCS_SCROLLLEFT:
            return drawThemePanel(canvas, rect, enabled, hot, pushed, flat, ThemeArrow::Left);
        case DFCS_SCROLLRIGHT:
            return drawThemePanel(canvas, rect, enabled, hot, pushed, flat, ThemeArrow::Right);
        case DFCS_SCROLLDOWN:
        case DFCS_SCROLLCOMBOBOX:
            return drawThemePanel(canvas, rect, enabled, hot, pushed, flat, ThemeArrow::Down);
        default:
            return false;
        }
    }
    return false;
}
