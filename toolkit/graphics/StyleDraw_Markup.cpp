// In-text controls through QStyle, rotated text, focus frames and file icons through QFileIconProvider.
#include "toolkit/graphics/StyleDraw_Markup.h"
#include "toolkit/graphics/Canvas.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStaticText>
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

namespace {

// One font's Qt objects and the widths measured in it.
struct MarkupFontEntry {
    String name;
    int height = 0;
    TFontStyles style = 0;
    TFontPitch pitch = fpDefault;
    QFont font;
    std::unique_ptr<QFontMetrics> metrics;
    QHash<String, int> widths;
    QHash<String, QStaticText> texts; // laid out once, drawn without shaping again
};

constexpr int kMarkupFontEntries = 16;
constexpr int kMarkupWidthEntries = 4096;
constexpr int kMarkupTextEntries = 512; // laid-out texts are far larger than widths

std::vector<std::unique_ptr<MarkupFontEntry>> gMarkupFontEntries;

void markupClearFonts() {
    gMarkupFontEntries.clear();
}

std::vector<std::unique_ptr<MarkupFontEntry>>& markupFontEntries() {
    // Qt's fonts must go while the application still exists, not with the program's statics.
    static bool registered = false;
    if (!registered) {
        registered = true;
        qAddPostRoutine(markupClearFonts);
    }
    return gMarkupFontEntries;
}

MarkupFontEntry& markupFontEntry(const TFont& f) {
    auto& entries = markupFontEntries();
    const int height = f.Height();
    for (size_t i = 0; i < entries.size(); ++i) {
        MarkupFontEntry& e = *entries[i];
        if (e.height == height && e.style == f.Style() && e.pitch == f.Pitch() && e.name == f.Name()) {
            if (i > 0) std::swap(entries[i], entries[0]); // the fonts in use stay in front
            return *entries[0];
        }
    }
    if (entries.size() >= kMarkupFontEntries) entries.pop_back();
    auto e = std::make_unique<MarkupFontEntry>();
    e->name = f.Name();
    e->height = height;
    e->style = f.Style();
    e->pitch = f.Pitch();
    e->font = f.toQFont();
    e->metrics = std::make_unique<QFontMetrics>(e->font);
    entries.insert(entries.begin(), std::move(e));
    return *entries[0];
}

} // namespace

int MarkupTextWidth(const TFont& font, const String& text) {
    MarkupFontEntry& e = markupFontEntry(font);
    const auto it = e.widths.constFind(text);
    if (it != e.widths.constEnd()) return it.value();
    if (e.widths.size() >= kMarkupWidthEntries) e.widths.clear();
    const int w = e.metrics->horizontalAdvance(text);
    e.widths.insert(text, w);
    return w;
}

int MarkupFontHeight(const TFont& font) {
    return markupFontEntry(font).metrics->height();
}

void DrawMarkupText(TCanvas* canvas, const TFont& font, TColor color, int x, int y, const String& text) {
    if (!canvas) return;
    // Runs of one text come one after another: the painter is set up once, then only font and colour.
    QPainter* p = canvas->Painter();
    if (!p || !p->isActive() || p->compositionMode() != QPainter::CompositionMode_SourceOver)
        p = canvas->PreparePainter(false, false);
    if (!p) return;
    MarkupFontEntry& e = markupFontEntry(font);
    p->setRenderHint(QPainter::TextAntialiasing, true);
    if (p->font() != e.font) p->setFont(e.font);
    p->setPen(ToQColor(color));
    auto it = e.texts.find(text);
    if (it == e.texts.end()) {
        if (e.texts.size() >= kMarkupTextEntries) e.texts.clear();
        QStaticText st(text);
        st.setTextFormat(Qt::PlainText);
        st.setPerformanceHint(QStaticText::AggressiveCaching);
        st.prepare(QTransform(), e.font);
        it = e.texts.insert(text, st);
    }
    p->drawStaticText(QPoint(x, y), it.value());
}

void DrawMarkupTiled(TCanvas* canvas, const TRect& r, const QImage& tile) {
    QPainter* p = canvas ? canvas->PreparePainter(false, false) : nullptr;
    if (!p || r.IsEmpty() || tile.isNull()) return;
    p->save();
    p->setClipRect(r.toQRect(), p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p->drawTiledPixmap(r.toQRect(), QPixmap::fromImage(tile));
    p->restore();
}
