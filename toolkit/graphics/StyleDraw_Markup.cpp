// In-text controls through QStyle, rotated text, focus frames and file icons through QFileIconProvider.
#include "toolkit/graphics/StyleDraw_Markup.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

void DrawMarkupControlPart(TCanvas* canvas, const TRect& r, TMarkupControlPart part, unsigned state) {
    QPainter* p = canvas ? canvas->PreparePainter(false, false) : nullptr;
    QStyle* style = QApplication::style();
    if (!p || !style || r.IsEmpty()) return;
    p->save();
    QStyleOptionButton opt;
    opt.rect = r.toQRect();
    opt.state = QStyle::State_Enabled;
    if (state & mcsHot) opt.state |= QStyle::State_MouseOver;
    if (state & mcsPressed) opt.state |= QStyle::State_Sunken;
    switch (part) {
    case TMarkupControlPart::CheckBox:
    case TMarkupControlPart::RadioButton:
        opt.state |= (state & mcsChecked) ? QStyle::State_On : QStyle::State_Off;
        style->drawPrimitive(part == TMarkupControlPart::CheckBox ? QStyle::PE_IndicatorCheckBox
                                                                  : QStyle::PE_IndicatorRadioButton,
                             &opt, p);
        break;
    case TMarkupControlPart::PushButton:
        opt.state |= (state & mcsPressed) ? QStyle::State_Sunken : QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButtonBevel, &opt, p);
        break;
    case TMarkupControlPart::ComboButton: {
        opt.state |= QStyle::State_Raised;
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &opt, p);
        QStyleOption arrow;
        arrow.rect = opt.rect.adjusted(3, 3, -3, -3);
        arrow.state = opt.state;
        arrow.palette = opt.palette;
        style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, p);
        break;
    }
    }
    p->restore();
}

void DrawMarkupRotatedText(TCanvas* canvas, int x, int y, int angle, const String& text) {
    QPainter* p = canvas ? canvas->PreparePainter(false, false) : nullptr;
    if (!p) return;
    const QFont font = canvas->Font()->toQFont();
    p->save();
    p->translate(x, y);
    p->rotate(-angle);
    p->setFont(font);
    p->setPen(ToQColor(canvas->Font()->Color()));
    p->drawText(QPoint(0, QFontMetrics(font).ascent()), text);
    p->restore();
}

void DrawMarkupFocusRect(TCanvas* canvas, const TRect& r) {
    QPainter* p = canvas ? canvas->PreparePainter(false, false) : nullptr;
    if (!p || r.IsEmpty()) return;
    p->save();
    QPen pen(Qt::black, 1, Qt::DotLine);
    p->setPen(pen);
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
    p->restore();
}

int SystemFileIconSize(bool large) {
    QStyle* style = QApplication::style();
    if (!style) return large ? 32 : 16;
    return style->pixelMetric(large ? QStyle::PM_LargeIconSize : QStyle::PM_SmallIconSize);
}

bool GetSystemFileIcon(const String& nameOrIndex, bool large, TBitmap* icon) {
    if (!icon || nameOrIndex.isEmpty()) return false;
    QFileIconProvider provider;
    QIcon qicon;
    bool isNumber = false;
    const int index = nameOrIndex.toInt(&isNumber);
    if (isNumber) {
        if (index < 0 || index > QAbstractFileIconProvider::File) return false;
        qicon = provider.icon(static_cast<QAbstractFileIconProvider::IconType>(index));
    } else {
        const QFileInfo info(nameOrIndex);
        qicon = provider.icon(info);
        // A name that is not on disk still shows as a file of its kind, or as a plain file.
        if (qicon.isNull())
            qicon = provider.icon(info.exists() && info.isDir() ? QAbstractFileIconProvider::Folder
                                                                : QAbstractFileIconProvider::File);
    }
    if (qicon.isNull()) return false;
    const int size = SystemFileIconSize(large);
    const QPixmap pm = qicon.pixmap(size, size);
    if (pm.isNull()) return false;
    icon->fromQImage(pm.toImage());
    return true;
}
