// Colour values and the font, pen and brush settings.
#include "toolkit/graphics/Graphics.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace {
// The classic Windows system colours (0x00BBGGRR); the desktop look the windows were designed against.
constexpr std::array<TColor, 31> kSystemColors = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
};
} // namespace

TColor ColorToRGB(TColor color) {
    if ((static_cast<uint32_t>(color) & 0xFF000000u) == 0xFF000000u) {
        unsigned index = static_cast<uint32_t>(color) & 0xFFu;
        return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
    }
    return color;
}

QColor ToQColor(TColor color) {
    if (color == clNone)
        return QColor(Qt::transparent);
    TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

TFont::TFont() = default;

void TFont::Changed() {
    if (OnChange)
        OnChange(this);
}

void TFont::SetName(const String& v) {
    if (v == FName)
        return;
    FName = v;
    Changed();
}

void TFont::SetSize(int v) {
    if (v == FSize)
        return;
    FSize = v;
    Changed();
}

// Points to pixels at 96 dpi, rounded as the platform does.
int TFont::Height() const { return -((FSize * 96 + 36) / 72); }

void TFont::SetHeight(int v) { SetSize(-((v * 72 - (v < 0 ? 48 : -48)) / 96)); }

void TFont::SetColor(TColor v) {
    if (v == FColor)
        return;
    FColor = v;
    Changed();
}

void TFont::SetStyle(TFontStyles v) {
    if (v == FStyle)
        return;
    FStyle = v;
    Changed();
}

void TFont::Assign(const TPersistent* source) {
    auto* f = dynamic_cast<const TFont*>(source);
    if (!f)
        return TPersistent::Assign(source);
    if (Equals(*f))
        return;
    FName = f->FName;
    FSize = f->FSize;
    FColor = f->FColor;
    FStyle = f->FStyle;
    FCharset = f->FCharset;
    FPitch = f->FPitch;
    Changed();
}

bool TFont::Equals(const TFont& o) const {
    return FName == o.FName && FSize == o.FSize && FColor == o.FColor && FStyle == o.FStyle &&
           FCharset == o.FCharset && FPitch == o.FPitch;
}

QFont TFont::toQFont() const {
    QFont f(FName);
    // Pixel size keeps layouts identical to the 96 dpi designs whatever the screen reports.
    f.setPixelSize(std::max(1, -Height()));
    f.setBold(FStyle & fsBold);
    f.setItalic(FStyle & fsItalic);
    f.setUnderline(FStyle & fsUnderline);
    f.setStrikeOut(FStyle & fsStrikeOut);
    if (FPitch == fpFixed)
        f.setFixedPitch(true);
    return f;
}

void TFont::fromQFont(const QFont& f) {
    FName = f.family();
    if (f.pixelSize() > 0)
        SetHeight(-f.pixelSize());
    else
        FSize = qRound(f.pointSizeF());
    FStyle = (f.bold() ? TFontStyles(fsBold) : 0u) | (f.italic() ? TFontStyles(fsItalic) : 0u) |
             (f.underline() ? TFontStyles(fsUnderline) : 0u) | (f.strikeOut() ? TFontStyles(fsStrikeOut) : 0u);
    Changed();
}

void TPen::SetColor(TColor v) {
    if (v != FColor) {
        FColor = v;
        Changed();
    }
}
void TPen::SetWidth(int v) {
    if (v != FWidth) {
        FWidth = v;
        Changed();
    }
}
void TPen::SetStyle(TPenStyle v) {
    if (v != FStyle) {
        FStyle = v;
        Changed();
    }
}
void TPen::SetMode(TPenMode v) {
    if (v != FMode) {
        FMode = v;
        Changed();
    }
}
void TPen::Assign(const TPersistent* source) {
    auto* p = dynamic_cast<const TPen*>(source);
    if (!p)
        return TPersistent::Assign(source);
    FColor = p->FColor;
    FWidth = p->FWidth;
    FStyle = p->FStyle;
    FMode = p->FMode;
    Changed();
}

void TBrush::SetColor(TColor v) {
    if (v != FColor) {
        FColor = v;
        if (FStyle == bsClear)
            FStyle = bsSolid;
        Changed();
    }
}
void TBrush::SetStyle(TBrushStyle v) {
    if (v != FStyle) {
        FStyle = v;
        Changed();
    }
}
void TBrush::Assign(const TPersistent* source) {
    auto* b = dynamic_cast<const TBrush*>(source);
    if (!b)
        return TPersistent::Assign(source);
    FColor = b->FColor;
    FStyle = b->FStyle;
    Changed();
}
