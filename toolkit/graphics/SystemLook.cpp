// The common controls' version, a sunken edge, the scroll-bar width and the beep, over Qt.
#include "toolkit/graphics/SystemLook.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {
int gSystemBeeps = 0;
} // namespace

bool CommonControlsThemed() {
    return true;
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
    rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
}

int SystemScrollBarWidth() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void Beep() {
    ++gSystemBeeps;
    QApplication::beep();
}

int BeepCount() {
    return gSystemBeeps;
}
