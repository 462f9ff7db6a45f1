// TLinkLabel: text with anchors, the links drawn in the link colour and reported when clicked.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/system/DesignValue.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QWidget>

namespace {
constexpr TColor kLinkColor = 0xCC6600; // the platform's hyperlink blue, 0x00BBGGRR

String LinkAttribute(const String& attrs, const char* name) {
    QRegularExpression re(QString("\\b%1\\s*=\\s*(\"([^\"]*)\"|'([^']*)')").arg(name),
                          QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = re.match(attrs);
    if (!m.hasMatch()) return String();
    return m.captured(2).isNull() ? m.captured(3) : m.captured(2);
}
} // namespace

TLinkLabel::TLinkLabel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 53, 17);
    TControl::SetAutoSize(true);
}

std::vector<TLinkLabel::Segment> TLinkLabel::Segments() const {
    static const QRegularExpression anchor("<a(\\s[^>]*)?>(.*?)</a>",
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    std::vector<Segment> out;
    const String text = Caption();
    qsizetype pos = 0;
    auto it = anchor.globalMatch(text);
    while (it.hasNext()) {
        QRegularExpressionMatch m = it.next();
        if (m.capturedStart() > pos) {
            Segment plain;
            plain.Text = text.mid(pos, m.capturedStart() - pos);
            out.push_back(plain);
        }
        Segment link;
        link.Text = m.captured(2);
        link.IsLink = true;
        String attrs = m.captured(1);
        String href = LinkAttribute(attrs, "href");
        String id = LinkAttribute(attrs, "id");
        if (!href.isEmpty() || id.isEmpty()) {
            link.Link = href;
            link.LinkType = sltURL;
        } else {
            link.Link = id;
            link.LinkType = sltID;
        }
        out.push_back(link);
        pos = m.capturedEnd();
    }
    if (pos < text.size()) {
        Segment plain;
        plain.Text = text.mid(pos);
        out.push_back(plain);
    }
    const QFontMetrics fm(Font()->toQFont());
    int x = 0;
    for (Segment& s : out) {
        s.X = x;
        s.Width = fm.horizontalAdvance(s.Text);
        x += s.Width;
    }
    return out;
}

int TLinkLabel::LinkAt(int X, int Y) const {
    if (Y < 0 || Y >= Height()) return -1;
    std::vector<Segment> segments = Segments();
    for (size_t i = 0; i < segments.size(); ++i)
        if (segments[i].IsLink && X >= segments[i].X && X < segments[i].X + segments[i].Width) return int(i);
    return -1;
}

void TLinkLabel::AdjustBounds() {
    if (!AutoSize() || IsLoading()) return;
    std::vector<Segment> segments = Segments();
    int w = segments.empty() ? 0 : segments.back().X + segments.back().Width;
    const QFontMetrics fm(Font()->toQFont());
    SetBounds(Left(), Top(), w, fm.height());
}

void TLinkLabel::Loaded() {
    TCustomControl::Loaded();
    AdjustBounds();
}

void TLinkLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
    TCustomControl::TextChanged();
}

void TLinkLabel::FontChanged() {
    TCustomControl::FontChanged();
    AdjustBounds();
}

void TLinkLabel::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    for (const Segment& s : Segments()) {
        canvas->SetFont(Font());
        if (s.IsLink) {
            canvas->Font()->SetColor(Enabled() ? kLinkColor : clGrayText);
            canvas->Font()->SetStyle(Font()->Style() | fsUnderline);
        } else if (!Enabled()) {
            canvas->Font()->SetColor(clGrayText);
        }
        canvas->TextOut(s.X, 0, s.Text);
    }
}

void TLinkLabel::MouseMove(TShiftState Shift, int X, int Y) {
    if (FWidget) qvdetail::ApplyCursor(FWidget, LinkAt(X, Y) >= 0 ? crHandPoint : Cursor());
    TCustomControl::MouseMove(Shift, X, Y);
}

void TLinkLabel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    int index = LinkAt(X, Y);
    if (index >= 0) {
        Segment s = Segments()[size_t(index)];
        DoOnLinkClick(s.Link, s.LinkType);
    }
}

void TLinkLabel::DoOnLinkClick(const String& link, TSysLinkType linkType) {
    if (OnLinkClick) OnLinkClick(this, link, linkType);
}

bool TLinkLabel::ReadProperty(const String& name, const TDesignValue& v) {
    return TCustomControl::ReadProperty(name, v);
}
