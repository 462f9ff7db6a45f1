// The markup renderer's tags: fonts, links, paragraphs, lists, pictures and in-text controls.
#include "controls/markup/MarkupRenderer_State.h"

#include "controls/markup/QsgHTMLE.h"
#include "controls/pictures/PictureContainer.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/StyleDraw_Markup.h"

namespace {

TColor markupColorValue(const String& v) {
    const String upper = v.trimmed().toUpper();
    if (upper.startsWith(u'#')) return MarkupColorByHex(upper);
    return MarkupColorByName(upper);
}

int markupPointSize(int n) {
    switch (n) {
    case 1:
        return 8;
    case 2:
        return 10;
    case 3:
        return 12;
    case 4:
        return 14;
    case 5:
        return 16;
    default:
        return std::clamp(n, 1, 400);
    }
}

// The value written after the first letter `letter` of the tag's attribute text (<IND x="20">).
String markupValueAfterLetter(const String& tagText, QChar letter) {
    const qsizetype at = tagText.indexOf(letter, 2, Qt::CaseInsensitive);
    if (at < 0) return String();
    return tagText.mid(at + 1);
}

void markupSetStyle(TFont& font, TFontStyle style, bool on) {
    const TFontStyles s = on ? (font.Style() | style) : (font.Style() & ~TFontStyles(style));
    if (s != font.Style()) font.SetStyle(s);
}

} // namespace

bool TMarkupRenderer::HandleTag(Pass pass, const Tag& tag, const TRect& rect, Line& line) {
    Flow& f = *FFlow;
    Paint& p = *FPaint;
    TFont& font = PassFont(pass);
    const bool draws = pass == Pass::Draw;
    const String& u = tag.Upper;
    const QChar c = u.size() > 1 ? u[1] : QChar();
    switch (c.unicode()) {
    case 'A': {
        if (f.LinkCount == in.FocusLink && draws) {
            f.FocusOpen = true;
            f.FocusStartX = line.Width;
            f.FocusStartedHere = true;
        }
        ++f.LinkCount;
        const bool hoverLink = f.LinkCount == in.HoverLink;
        if ((!in.HoverStyle || hoverLink) && draws) {
            markupSetStyle(font, fsUnderline, true);
            if (in.HoverColor != clNone) {
                p.HoverBrush = p.Brush;
                p.Brush = in.HoverColor;
            }
            if (in.HoverFontColor != clNone) {
                p.HoverFont = font.Color();
                font.SetColor(in.HoverFontColor);
            }
        }
        if (!in.Selected && !(in.HoverStyle && hoverLink && in.HoverFontColor != clNone))
            font.SetColor(in.URLColor);
        f.LinkTarget = tag.Attr("HREF");
        f.InLink = true;
        f.LinkTitle = tag.Attr("TITLE");
        f.LinkStartX = line.Width;
        f.LinkStartedHere = true;
        f.HoverMarked = false;
        return true;
    }
    case 'B':
        if (tag.Is("B>")) {
            markupSetStyle(font, fsBold, true);
        } else if (tag.Is("BR")) {
            line.End = true;
            if (pass == Pass::Measure) out.StripVal += u'\r';
        } else if (tag.Is("BL")) {
            if (!in.Blink) font.SetColor(FStartBrushColor == clNone ? clWhite : FStartBrushColor);
        } else if (tag.Is("BO")) {
            HandleBody(pass, tag);
        }
        return true;
    case 'C':
        return HandleControl(pass, tag, rect, line);
    case 'E':
        if (draws) f.Error = true;
        return true;
    case 'F': {
        const String face = tag.UpperAttr("FACE");
        if (!face.isEmpty()) font.SetName(face);
        if (tag.Upper.contains(QLatin1String(" COLOR")) && !in.Selected) {
            const qsizetype at = tag.Upper.indexOf(QLatin1String(" COLOR"));
            Tag rest;
            rest.Text = tag.Text.mid(at + 6);
            font.SetColor(markupColorValue(rest.Attr("")));
        }
        const String bg = tag.UpperAttr("BGCOLOR");
        if (!bg.isEmpty() && draws && !in.Selected) {
            p.FontBrush = p.Brush;
            p.Brush = markupColorValue(bg);
        }
        const qsizetype size = tag.Upper.indexOf(QLatin1String("SIZE"));
        if (size >= 0) {
            const qsizetype eq = tag.Upper.indexOf(u'=', size);
            if (eq >= 0) font.SetSize(markupPointSize(MarkupNumber(tag.Upper.mid(eq))));
        }
        return true;
    }
    case 'H':
        if (tag.Is("HI")) {
            if (draws) {
                p.HiFont = font.Color();
                p.HiBrush = p.Brush;
                p.Brush = MarkupHilightColor();
                font.SetColor(MarkupHilightTextColor());
            }
        } else if (tag.Is("HR")) {
            line.End = true;
            if (draws) {
                FCanvas->Pen()->SetColor(clBlack);
                FCanvas->Pen()->SetWidth(1);
                FCanvas->MoveTo(FLayout.Left, rect.Bottom + 1);
                FCanvas->LineTo(FLayout.Right, rect.Bottom + 1);
            }
        }
        return true;
    case 'I':
        if (tag.Is("I>")) {
            markupSetStyle(font, fsItalic, true);
        } else if (tag.Is("IN")) {
            bool complete = false;
            const int offset = MarkupNumber(markupValueAfterLetter(tag.Text, u'x'), &complete);
            if (complete && offset > line.Width) line.Width = offset;
        } else if (tag.Is("IM")) {
            return HandleImage(pass, tag, rect, line);
        }
        return true;
    case 'L':
        return HandleBullet(pass, rect, line);
    case 'P': {
        const String align = tag.UpperAttr("ALIGN");
        if (align.contains(QLatin1String("RIGHT"))) f.Align = TMarkupAlign::Right;
        if (align.contains(QLatin1String("LEFT"))) f.Align = TMarkupAlign::Left;
        if (align.contains(QLatin1String("CENTER"))) f.Align = TMarkupAlign::Center;
        if (tag.Upper.contains(QLatin1String("INDENT")))
            f.Indent = std::clamp(MarkupNumber(tag.UpperAttr("INDENT")), 0, kMarkupMaxNumber);
        if (tag.Upper.contains(QLatin1String("BGCOLOR"))) {
            const String bg = tag.UpperAttr("BGCOLOR");
            p.ParaColor = bg.isEmpty() ? clNone : markupColorValue(bg);
            if (draws && !in.Selected) {
                p.ParaBrush = p.Brush;
                p.Brush = p.ParaColor;
                p.ParaBack = true;
                Fill(TRect(FLayout.Left, rect.Top, FLayout.Right, rect.Bottom), p.ParaColor);
            }
        }
        return true;
    }
    case 'R': {
        const int angle = MarkupNumber(markupValueAfterLetter(tag.Text, u'a'));
        f.Angle = angle % 360;
        return true;
    }
    case 'S':
        if (tag.Is("S>"))
            markupSetStyle(font, fsStrikeOut, true);
        else if (tag.Is("SH"))
            f.Shadow = true;
        else if (tag.Upper == QLatin1String("<SUB>"))
            f.Sub = true;
        else if (tag.Upper == QLatin1String("<SUP>"))
            f.Super = true;
        return true;
    case 'U':
        if (tag.Is("U>")) {
            markupSetStyle(font, fsUnderline, true);
        } else {
            f.ListLevel = std::min(f.ListLevel + 1, kMarkupMaxListLevel);
            line.End = true;
        }
        return true;
    case 'Z':
        f.Hidden = true;
        return true;
    default:
        return true;
    }
}

bool TMarkupRenderer::HandleClosingTag(Pass pass, const Tag& tag, const TRect& rect, Line& line) {
    Flow& f = *FFlow;
    Paint& p = *FPaint;
    TFont& font = PassFont(pass);
    const bool draws = pass == Pass::Draw;
    const QChar c = tag.Upper[2];
    switch (c.unicode()) {
    case 'A': {
        const bool hoverLink = f.LinkCount == in.HoverLink;
        if ((!in.HoverStyle || hoverLink) && draws) {
            markupSetStyle(font, fsUnderline, false);
            if (in.HoverColor != clNone) p.Brush = p.HoverBrush;
            if (in.HoverFontColor != clNone) font.SetColor(p.HoverFont);
        }
        if (!in.Selected) font.SetColor(FStartFont->Color());
        f.InLink = false;
        if (f.HoverMarked) {
            const int x0 = f.LinkStartedHere ? f.LinkStartX : 0;
            const int l = CanvasLeft(rect, x0, line.Width - x0);
            out.HoverRect = TRect(l, rect.Top, l + line.Width - x0, rect.Bottom);
            out.MouseLink = f.LinkCount;
            f.HoverMarked = false;
        }
        if (f.FocusOpen && f.LinkCount - 1 == in.FocusLink) {
            const int x0 = f.FocusStartedHere ? f.FocusStartX : 0;
            const int bottom = rect.Bottom - line.Raise;
            const int l = CanvasLeft(rect, x0, line.Width - x0);
            if (draws)
                DrawMarkupFocusRect(FCanvas,
                                    TRect(l - 1, bottom - GhHeight(pass), l + line.Width - x0 + 1, bottom));
            f.FocusOpen = false;
        }
        return true;
    }
    case 'B':
        if (tag.Is("B>"))
            markupSetStyle(font, fsBold, false);
        else
            font.SetColor(FStartFont->Color());
        return true;
    case 'E':
        if (draws) f.Error = false;
        return true;
    case 'F':
        font.SetName(FStartFont->Name());
        font.SetSize(FStartFont->Size());
        if (draws && !in.Selected) {
            font.SetColor(FStartFont->Color());
            p.Brush = p.FontBrush;
        }
        return true;
    case 'H':
        if (draws) {
            font.SetColor(p.HiFont);
            p.Brush = p.HiBrush;
        }
        return true;
    case 'I':
        markupSetStyle(font, fsItalic, false);
        return true;
    case 'L':
        line.End = true;
        return true;
    case 'P':
        line.End = true;
        if (draws) {
            p.Brush = p.ParaBrush;
            p.ParaBack = false;
        }
        return true;
    case 'R':
        f.Angle = 0;
        return true;
    case 'S':
        if (tag.Is("SU"))
            f.Super = f.Sub = false;
        else if (tag.Is("SH"))
            f.Shadow = false;
        else
            markupSetStyle(font, fsStrikeOut, false);
        return true;
    case 'U':
        if (tag.Is("U>") || f.ListLevel < 1)
            markupSetStyle(font, fsUnderline, false);
        else
            --f.ListLevel;
        return true;
    case 'Z':
        f.Hidden = false;
        return true;
    default:
        return true;
    }
}

void TMarkupRenderer::HandleBody(Pass pass, const Tag& tag) {
    if (pass != Pass::Draw) return;
    const String bg = tag.UpperAttr("BGCOLOR");
    if (!bg.isEmpty()) {
        FPaint->Brush = markupColorValue(bg);
        Fill(in.Rect, FPaint->Brush);
    }
    const String src = tag.Attr("BACKGROUND");
    if (src.isEmpty()) return;
    THTMLPicture* pic = nullptr;
    if (!src.contains(u':') && in.PicContainer) pic = in.PicContainer->FindPicture(src);
    if (!pic && src.contains(QLatin1String("://")) && in.PicCache) pic = in.PicCache->FindPicture(src);
    if (!pic || pic->Empty()) return;
    DrawMarkupTiled(FCanvas, in.Rect, pic->toQImage());
}

bool TMarkupRenderer::HandleBullet(Pass pass, const TRect& rect, Line& line) {
    if (line.Bullet && pass == Pass::Measure) return false;
    line.Bullet = true;
    const int level = std::max(1, FFlow->ListLevel);
    const int x = line.Width + (level - 1) * 12;
    if (pass == Pass::Draw) {
        UseFont(pass);
        const String bullet = level % 2 ? QStringLiteral("\u2022") : QStringLiteral("o");
        const int w = FCanvas->TextWidth(bullet);
        const int l = CanvasLeft(rect, x, w);
        FCanvas->TextOut(l, rect.Bottom - line.Raise - FCanvas->TextHeight(bullet), bullet);
    }
    line.Width += level * 12;
    line.EndsWithSpace = false;
    return true;
}
