// The markup renderer's lines and text runs: two passes per line, measuring then drawing or hit-testing.
#include "controls/markup/MarkupRenderer_State.h"

#include "toolkit/graphics/StyleDraw_Markup.h"

namespace {

// Entities that the text may carry anywhere; "&amp;" becomes the prefix form "&&" drawn as one "&".
const std::pair<const char*, const char16_t*> kMarkupPrepEntities[] = {
    {"&amp;", u"&&"},        {"&quot;", u"\""},      {"&sect;", u"\u00A7"},
    {"&permil;", u"\u2030"}, {"&reg;", u"\u00AE"},   {"&copy;", u"\u00A9"},
    {"&para;", u"\u00B6"},   {"&trade;", u"\u2122"}, {"&euro;", u"\u20AC"},
};

// The run's text as it shows: "&&" is one ampersand and a lone "&" marks the next character.
String markupDisplayText(const String& run) {
    if (!run.contains(u'&')) return run;
    String out;
    out.reserve(run.size());
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (run[i] == u'&') {
            if (i + 1 < run.size())
                ++i;
            else
                continue;
        }
        out += run[i];
    }
    return out;
}

} // namespace

int MarkupNumber(const String& s, bool* complete) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == u' ' || s[i] == u'=' || s[i] == u'"'))
        ++i;
    const bool negative = i < n && s[i] == u'-';
    if (negative) ++i;
    qsizetype digits = 0;
    long long value = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        value = std::min<long long>(value * 10 + (s[i].unicode() - '0'), kMarkupMaxNumber);
        ++i;
        ++digits;
    }
    if (complete) {
        qsizetype j = i;
        while (j < n && (s[j] == u'"' || s[j] == u' ' || s[j] == u'>'))
            ++j;
        *complete = digits > 0 && j == n;
    }
    return static_cast<int>(negative ? -value : value);
}

String TMarkupRenderer::Tag::Attr(const char* name) const {
    const qsizetype at = Text.indexOf(QLatin1String(name), 0, Qt::CaseInsensitive);
    if (at < 0) return String();
    const qsizetype open = Text.indexOf(u'"', at + qsizetype(qstrlen(name)));
    if (open < 0) return String();
    const qsizetype close = Text.indexOf(u'"', open + 1);
    if (close < 0) return String();
    return Text.mid(open + 1, close - open - 1);
}

String TMarkupRenderer::PrepareText(const String& text) {
    String s = text;
    if (s.contains(u'&')) {
        // Every replacement is shorter than its entity, so the rounds end.
        bool changed = true;
        while (changed) {
            changed = false;
            for (const auto& [entity, chars] : kMarkupPrepEntities) {
                const QLatin1String e(entity);
                if (s.contains(e, Qt::CaseInsensitive)) {
                    s.replace(e, QString::fromUtf16(chars), Qt::CaseInsensitive);
                    changed = true;
                }
            }
        }
    }
    // "<#...>" is text, not a tag.
    for (qsizetype at = s.indexOf(QLatin1String("<#")); at >= 0; at = s.indexOf(QLatin1String("<#"), at)) {
        s.remove(at, 1);
        const qsizetype close = s.indexOf(u'>', at);
        if (close >= 0) s.remove(close, 1);
    }
    s.remove(u'\n');
    s.replace(u'\r', QLatin1String("<BR>"));
    return s;
}

TMarkupRenderer::TMarkupRenderer(const TMarkupInput& input, TMarkupOutput& output)
    : in(input), out(output), FCanvas(input.Canvas),
      FRightToLeft(input.BiDiMode == bdRightToLeft || input.BiDiMode == bdRightToLeftReadingOnly),
      FFlow(std::make_unique<Flow>()), FPaint(std::make_unique<Paint>()) {}

TMarkupRenderer::~TMarkupRenderer() = default;

TFont& TMarkupRenderer::PassFont(Pass pass) {
    return pass == Pass::Measure ? *FMeasureFont : *FDrawFont;
}

void TMarkupRenderer::UseFont(Pass pass) {
    const TFont& f = PassFont(pass);
    if (!FCanvas->Font()->Equals(f)) FCanvas->SetFont(&f);
}

int TMarkupRenderer::GhHeight(Pass pass) {
    return MarkupFontHeight(PassFont(pass));
}

void TMarkupRenderer::Fill(const TRect& r, TColor color) {
    if (color == clNone || r.IsEmpty()) return;
    FCanvas->Brush()->SetColor(color);
    FCanvas->Brush()->SetStyle(bsSolid);
    FCanvas->FillRect(r);
    FCanvas->Brush()->SetStyle(bsClear);
}

bool TMarkupRenderer::HitTests(Pass pass) const {
    // A measure-only call has no second pass, so its measuring pass tests; otherwise the second pass
    // does, on the line where it was placed.
    return in.CheckHeight ? pass == Pass::Measure : pass != Pass::Measure;
}

int TMarkupRenderer::PointX(const TRect&) const {
    return FRightToLeft ? FLayout.Left + FLayout.Right - in.XPos - 1 : in.XPos;
}

int TMarkupRenderer::CanvasLeft(const TRect& lineRect, int x, int w) const {
    const int left = lineRect.Left + x;
    return FRightToLeft ? FLayout.Left + FLayout.Right - left - w : left;
}

bool TMarkupRenderer::Fits(Pass pass, int x, int w) const {
    if (pass != Pass::Measure) return true;
    return !(w < FLayout.Width() && x > 0 && x + w > FLayout.Width());
}

bool TMarkupRenderer::Run() {
    out.Hit = false;
    out.StripVal.clear();
    out.FocusAnchor.clear();
    out.AnchorTitle.clear();
    out.XSize = 0;
    out.YSize = 0;
    out.HyperLinks = 0;
    out.MouseLink = -1;
    out.CtrlRect = TRect();
    if (!in.CheckHotSpot) out.CtrlID.clear();
    out.CtrlVal.clear();
    out.CtrlType.clear();
    if (!FCanvas) return false;

    FStartFont = std::make_unique<TFont>();
    FStartFont->Assign(FCanvas->Font());
    FMeasureFont = std::make_unique<TFont>();
    FMeasureFont->Assign(FStartFont.get());
    FDrawFont = std::make_unique<TFont>();
    FDrawFont->Assign(FStartFont.get());
    FStartPen = std::make_unique<TPen>();
    FStartPen->Assign(FCanvas->Pen());
    FStartBrush = std::make_unique<TBrush>();
    FStartBrush->Assign(FCanvas->Brush());
    FStartBrushColor = FCanvas->Brush()->Style() == bsClear ? clNone : FCanvas->Brush()->Color();
    // Text runs never paint their cell: backgrounds are filled on purpose, with the colour of the markup.
    FCanvas->Brush()->SetStyle(bsClear);

    String text = PrepareText(in.Text);
    FLayout = in.Rect;
    FLayout.Left += 1;
    int top = in.Rect.Top;
    bool laidOut = false;
    bool result = false;

    while (!text.isEmpty()) {
        Line line;
        line.Height = GhHeight(Pass::Measure);
        const Flow saved = *FFlow;
        const qsizetype before = text.size();
        RunLine(Pass::Measure, text, TRect(FLayout.Left, top, FLayout.Right, FLayout.Bottom), line);
        if (text.size() == before && line.Markup.isEmpty()) text.remove(0, 1); // never stall on a line

        TRect lineRect(FLayout.Left, top, FLayout.Right, top + line.Height + line.SuperExtra + line.SubExtra);
        const int room = FLayout.Width() - line.Width;
        if (FFlow->Align == TMarkupAlign::Right && FLayout.Right - line.Width > lineRect.Left)
            lineRect.Left = FLayout.Right - line.Width;
        else if (FFlow->Align == TMarkupAlign::Center && room > 0)
            lineRect.Left += room / 2;
        lineRect.Left += FFlow->Indent;

        if (!in.CheckHeight) {
            // The second pass starts where the first did and takes the same markup, so it ends in the
            // same state, plus what only it tracks (error marks, the focus and hover of a link).
            *FFlow = saved;
            const int gh = GhHeight(Pass::Draw);
            Line second = line;
            second.Width = 0;
            second.End = second.Full = second.Bullet = false;
            second.FirstRun = true;
            second.OnLinkText = second.Hit = false;
            String markup = line.Markup;
            RunLine(in.CheckHotSpot ? Pass::HitTest : Pass::Draw, markup, lineRect, second);
            const int bottom = lineRect.Bottom - line.Raise;
            if (second.Hit || (second.OnLinkText && in.YPos > bottom - gh && in.YPos < bottom)) result = true;
        } else if (line.Hit) {
            result = true;
        }
        laidOut = true;
        const int step = line.Height + line.SuperExtra + line.SubExtra;
        top = std::min(top + step, kMarkupMaxNumber * 100);
        out.YSize = std::min(out.YSize + step, kMarkupMaxNumber * 100);
        if (!in.CheckHeight && top + GhHeight(Pass::Measure) > in.Rect.Bottom) break;
    }
    if (!laidOut) out.YSize = GhHeight(Pass::Measure);
    out.HyperLinks = FFlow->LinkCount;
    out.Hit = result;

    FCanvas->SetFont(FStartFont.get());
    FCanvas->SetPen(FStartPen.get());
    FCanvas->SetBrush(FStartBrush.get());
    return result;
}

void TMarkupRenderer::RunLine(Pass pass, String& text, const TRect& lineRect, Line& line) {
    Flow& f = *FFlow;
    const bool draws = pass == Pass::Draw;
    line.Width = 0;
    TRect rect = lineRect;
    rect.Bottom -= line.SubExtra;
    if (draws && FPaint->ParaBack)
        Fill(TRect(FLayout.Left, lineRect.Top, FLayout.Right, lineRect.Top + line.Height), FPaint->ParaColor);

    while (!text.isEmpty() && !line.End && !line.Full) {
        const qsizetype lt = text.indexOf(u'<');
        if (lt != 0) {
            qsizetype len = lt < 0 ? text.size() : lt;
            if (in.WordWrap) {
                const qsizetype sp = text.indexOf(u' ');
                if (sp >= 0 && sp < len) len = sp + 1;
            }
            String run = text.left(len);
            run.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
            run.replace(QLatin1String("&lt;"), QLatin1String("<"));
            run.replace(QLatin1String("&gt;"), QLatin1String(">"));
            const String shown = markupDisplayText(run);
            if (shown.isEmpty()) {
                line.Markup += text.left(len);
                text.remove(0, len);
                continue;
            }
            const TFont& font = PassFont(pass);
            const int w = MarkupTextWidth(font, shown);
            const int h = MarkupFontHeight(font);
            if (pass == Pass::Measure && !f.Hidden && in.WordWrap) {
                const bool stays =
                    line.Width + w < FLayout.Width() || w >= FLayout.Width() || !line.EndsWithSpace;
                if (!stays) {
                    line.End = true;
                    break;
                }
            }
            if (f.Super) line.SuperExtra = std::max(line.SuperExtra, h / 4);
            if (f.Sub) line.SubExtra = std::max(line.SubExtra, h / 4);
            line.Height = std::max(line.Height, h);
            if (pass == Pass::Measure) out.StripVal += shown;
            line.Markup += text.left(len);
            text.remove(0, len);
            if (f.Hidden) continue;
            if (pass == Pass::Measure && !in.WordWrap && line.Width + w > FLayout.Width() && !line.FirstRun) {
                // Without wrapping the run that passes the edge ends with an ellipsis and the rest goes.
                text.clear();
            }
            TextRun(pass, shown, w, h, rect, line);
            line.FirstRun = false;
            line.EndsWithSpace = shown.endsWith(u' ');
            line.TrailingSpace = line.EndsWithSpace ? MarkupTextWidth(font, QStringLiteral(" ")) : 0;
            line.Width = std::min(line.Width + w, kMarkupMaxNumber * 10);
            continue;
        }
        if (text.size() <= 2) {
            text.clear();
            break;
        }
        const qsizetype gt = text.indexOf(u'>');
        if (gt < 0) {
            text.clear();
            break;
        }
        Tag tag;
        tag.Text = text.left(gt + 1);
        tag.Upper = tag.Text.toUpper();
        tag.Closing = tag.Text.size() > 3 && tag.Text[1] == u'/';
        const bool fits = tag.Text.size() < 3 ? true
                          : tag.Closing       ? HandleClosingTag(pass, tag, rect, line)
                                              : HandleTag(pass, tag, rect, line);
        if (!fits) {
            line.Full = true;
            break;
        }
        line.Markup += tag.Text;
        text.remove(0, gt + 1);
    }
    if (line.EndsWithSpace) line.Width -= line.TrailingSpace;
    if (pass == Pass::Measure || in.CheckHeight) out.XSize = std::max(out.XSize, line.Width);
    if (line.EndsWithSpace) line.Width += line.TrailingSpace;
    if (draws && f.FocusOpen) {
        // The focused link goes on: frame this line's part and continue from the next line's left.
        const int x0 = f.FocusStartedHere ? f.FocusStartX : 0;
        const int bottom = lineRect.Bottom - line.Raise;
        const int l = CanvasLeft(lineRect, x0, line.Width - x0);
        DrawMarkupFocusRect(FCanvas, TRect(l - 1, bottom - GhHeight(pass), l + line.Width - x0 + 1, bottom));
    }
    f.FocusStartedHere = false;
    f.LinkStartedHere = false;
}

void TMarkupRenderer::TextRun(Pass pass, const String& shown, int w, int h, const TRect& rect, Line& line) {
    Flow& f = *FFlow;
    if (pass == Pass::Draw) {
        DrawRun(shown, line.Width, w, h, rect, line);
        if (f.InLink && f.FocusOpen) out.FocusAnchor = f.LinkTarget;
    }
    if (HitTests(pass) && f.InLink) {
        const int px = PointX(rect) - rect.Left;
        if (px >= line.Width && px <= line.Width + w) {
            line.OnLinkText = true;
            if (in.YPos > rect.Top) {
                out.Anchor = f.LinkTarget;
                out.AnchorTitle = f.LinkTitle;
                f.HoverMarked = true;
            }
        }
    }
}

void TMarkupRenderer::DrawRun(const String& shown, int x, int w, int h, const TRect& rect, const Line& line) {
    const Flow& f = *FFlow;
    int bottom = rect.Bottom - line.Raise;
    if (f.Super) bottom -= line.SuperExtra;
    if (f.Sub) bottom += line.SubExtra;
    const int top = bottom - h;
    const int left = CanvasLeft(rect, x, w);
    // Clipped at the layout's edge; without wrapping, cut with an ellipsis there.
    const bool fits = rect.Left + x + w <= FLayout.Right;
    TRect clip(std::max(left, FLayout.Left), top, FLayout.Right, bottom);
    if (FRightToLeft) clip = TRect(FLayout.Left, top, std::min(left + w, FLayout.Right), bottom);
    Fill(TRect(std::max(left, clip.Left), top, std::min(left + w, clip.Right), bottom), FPaint->Brush);

    const TFont& font = *FDrawFont;
    TColor color = font.Color();
    auto textAt = [&](int tx, int ty) {
        if (fits && f.Angle == 0) return DrawMarkupText(FCanvas, font, color, tx, ty, shown);
        UseFont(Pass::Draw);
        FCanvas->Font()->SetColor(color);
        if (f.Angle != 0) return DrawMarkupRotatedText(FCanvas, tx, ty, f.Angle, shown);
        if (!in.WordWrap && !FRightToLeft) {
            TRect r(tx, ty, FLayout.Right, ty + h);
            DrawText(FCanvas, shown, r, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            return;
        }
        FCanvas->TextRect(clip, tx, ty, shown);
    };
    if (f.Shadow) {
        color = in.ShadowColor;
        textAt(left + in.ShadowOffset, top + in.ShadowOffset);
        color = font.Color();
    }
    textAt(left, top);
    if (f.Error) {
        // A red zig-zag under the run (raised with it), its phase fixed by x so that neighbouring runs join
        // up.
        const int base = rect.Bottom - line.Raise;
        int zx = left & ~1;
        const int right = left + std::min(w, std::max(0, clip.Right - left));
        std::vector<TPoint> pts;
        bool low = (zx % 4) == 0;
        for (; zx <= right; zx += 2) {
            pts.emplace_back(zx, low ? base + 1 : base - 1);
            low = !low;
        }
        const TColor pen = FCanvas->Pen()->Color();
        FCanvas->Pen()->SetColor(clRed);
        FCanvas->Pen()->SetWidth(1);
        if (pts.size() > 1) FCanvas->Polyline(pts);
        FCanvas->Pen()->SetColor(pen);
    }
}
