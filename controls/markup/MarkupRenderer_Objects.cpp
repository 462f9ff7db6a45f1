// The markup renderer's objects: pictures (image list, desktop icons, container, URL cache) and controls.
#include "controls/markup/MarkupRenderer_State.h"

#include "controls/markup/QsgHTMLE.h"
#include "controls/pictures/PictureContainer.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/StyleDraw_Markup.h"
#include "toolkit/graphics/Picture.h"

namespace {

// One picture source of an IMG tag, resolved.
struct MarkupPicture {
    enum Kind { None, ListImage, Icon, Picture } kind = None;
    int index = -1;
    TBitmap icon;
    THTMLPicture* picture = nullptr;
    int width = 0;
    int height = 0;
};

void markupResolvePicture(const TMarkupInput& in, const String& src, MarkupPicture& pic) {
    const String upper = src.toUpper();
    if (upper.startsWith(QLatin1String("IDX:"))) {
        bool ok = false;
        const int index = src.mid(4).trimmed().toInt(&ok);
        if (ok && in.Images && index >= 0 && index < in.Images->Count()) {
            pic.kind = MarkupPicture::ListImage;
            pic.index = index;
            pic.width = in.Images->Width();
            pic.height = in.Images->Height();
        }
    }
    const bool small = upper.startsWith(QLatin1String("SSYS:"));
    if (small || upper.startsWith(QLatin1String("LSYS:"))) {
        if (GetSystemFileIcon(src.mid(5), !small, &pic.icon)) {
            pic.kind = MarkupPicture::Icon;
            pic.width = pic.icon.Width();
            pic.height = pic.icon.Height();
        }
    }
    THTMLPicture* found = nullptr;
    if (!src.contains(u':') && in.PicContainer) found = in.PicContainer->FindPicture(src);
    if (src.contains(QLatin1String("://")) && in.PicCache) {
        found = in.PicCache->FindPicture(src);
        if (!found) {
            in.PicCache->AddPicture()->LoadFromURL(src);
            found = in.PicCache->FindPicture(src);
        }
    }
    if (found && !found->Empty()) {
        pic.kind = MarkupPicture::Picture;
        pic.picture = found;
        pic.width = found->GetMaxWidth();
        pic.height = found->GetMaxHeight();
    }
}

} // namespace

bool TMarkupRenderer::HandleImage(Pass pass, const Tag& tag, const TRect& rect, Line& line) {
    Flow& f = *FFlow;
    ++f.ImageCount;
    MarkupPicture pic;
    markupResolvePicture(in, tag.Attr("SRC"), pic);
    if (pic.kind == MarkupPicture::None) return true;

    int w = std::clamp(MarkupNumber(tag.Attr("WIDTH")), 0, kMarkupMaxNumber);
    int h = std::clamp(MarkupNumber(tag.Attr("HEIGHT")), 0, kMarkupMaxNumber);
    const bool requested = w > 0 || h > 0;
    if (w > 0 && h <= 0)
        h = pic.width > 0 ? static_cast<int>(qint64(w) * pic.height / pic.width) : 0;
    else if (h > 0 && w <= 0)
        w = pic.height > 0 ? static_cast<int>(qint64(h) * pic.width / pic.height) : 0;
    else if (!requested) {
        w = pic.width;
        h = pic.height;
    }
    if (in.Print && pic.kind != MarkupPicture::Picture && !requested) {
        w = static_cast<int>(std::clamp(w * in.ResFactor, 0.0, double(kMarkupMaxNumber)));
        h = static_cast<int>(std::clamp(h * in.ResFactor, 0.0, double(kMarkupMaxNumber)));
    }
    if (!Fits(pass, line.Width, w)) return false;

    const int x = line.Width;
    const int left = CanvasLeft(rect, x, w);
    if (HitTests(pass) && f.InLink) {
        const int px = PointX(rect) - rect.Left;
        if (px > x && px < x + w && in.YPos > rect.Top && in.YPos < rect.Top + h) {
            line.Hit = true;
            out.Anchor = f.LinkTarget;
            out.AnchorTitle = f.LinkTitle;
            // A linked picture under the mouse shows its ALT picture.
            const String alt = tag.Attr("ALT");
            if (!alt.isEmpty()) {
                MarkupPicture hover;
                markupResolvePicture(in, alt, hover);
                if (hover.kind != MarkupPicture::None) {
                    pic.kind = hover.kind;
                    pic.index = hover.index;
                    pic.icon.Assign(&hover.icon);
                    pic.picture = hover.picture;
                }
            }
        }
    }
    if (pass == Pass::Draw && w > 0 && h > 0) {
        const TRect box = Bounds(left, rect.Top, w, h);
        switch (pic.kind) {
        case MarkupPicture::ListImage:
            if (in.Print || requested) {
                TBitmap glyph;
                in.Images->GetBitmap(pic.index, &glyph);
                FCanvas->StretchDraw(box, &glyph);
            } else {
                in.Images->Draw(FCanvas, left, rect.Top, pic.index);
            }
            break;
        case MarkupPicture::Icon:
            FCanvas->StretchDraw(box, &pic.icon);
            break;
        case MarkupPicture::Picture:
            if (requested) {
                pic.picture->StretchDraw(FCanvas, box);
            } else {
                if (pic.picture->FrameCount() > 1) Fill(box, FStartBrushColor);
                pic.picture->StretchDraw(FCanvas, Bounds(left + pic.picture->FrameXPos(),
                                                         rect.Top + pic.picture->FrameYPos(),
                                                         pic.picture->Width(), pic.picture->Height()));
            }
            break;
        case MarkupPicture::None:
            break;
        }
    }
    line.Width += w;
    line.Height = std::max(line.Height, h);
    line.EndsWithSpace = false;
    const String align = tag.UpperAttr("ALIGN");
    const int gh = GhHeight(pass);
    if (align == QLatin1String("TOP"))
        line.Raise = line.Height - gh;
    else if (align == QLatin1String("MIDDLE"))
        line.Raise = (line.Height - gh) / 2;
    return true;
}

bool TMarkupRenderer::HandleControl(Pass pass, const Tag& tag, const TRect& rect, Line& line) {
    const TControlTagValues ctl = ParseControlTag(tag.Text.mid(1));
    const int gh = GhHeight(pass);
    bool heightOk = false, widthOk = false;
    int ctrlHeight = std::clamp(MarkupNumber(ctl.Height, &heightOk), 0, kMarkupMaxNumber);
    if (!heightOk) ctrlHeight = 25;
    int width = std::clamp(MarkupNumber(ctl.Width, &widthOk), 0, kMarkupMaxNumber);
    const bool isCheck = ctl.Type == QLatin1String("CHECK") || ctl.Type == QLatin1String("RADIO");
    const bool isButton = ctl.Type == QLatin1String("BUTTON");
    const bool isCombo = ctl.Type == QLatin1String("COMBO");
    const bool isPassword = ctl.Type == QLatin1String("PASSWORD");
    const String shown = isPassword ? String(ctl.Value.size(), u'*') : ctl.Value;
    if (!widthOk) {
        // Without a usable WIDTH the control is as wide as its value needs.
        UseFont(pass);
        width = std::min(FCanvas->TextWidth(shown) + (isCombo ? 24 : 8), kMarkupMaxNumber);
    }
    const int lineHeight = ctrlHeight > 25 ? ctrlHeight - 2 : (isCheck ? 16 : 23);
    int w = width, h = gh + 10;
    if (isButton || isCombo) h = 25;
    if (isCheck) w = h = 16;
    if (!Fits(pass, line.Width, w)) return false;

    const int x = line.Width;
    const int l = CanvasLeft(rect, x, w);
    line.Height = std::max(line.Height, lineHeight);
    const int px = PointX(rect) - rect.Left;
    const bool inside = px > x && px < x + w && in.YPos > rect.Top && in.YPos < rect.Top + h;
    if (HitTests(pass) &&
        (inside || (in.CheckHotSpot && !in.ControlID.isEmpty() && ctl.ID == in.ControlID))) {
        line.Hit = true;
        out.Anchor = QStringLiteral("ctrl");
        out.CtrlRect = TRect(rect.Left + x, rect.Top, rect.Left + x + w, rect.Top + h);
        out.CtrlVal = ctl.Value;
        out.CtrlID = ctl.ID;
        out.CtrlType = ctl.Type;
    }
    if (pass == Pass::Draw) {
        const int b = rect.Bottom;
        const int lh = line.Height;
        const TColor border = TColor(0xB99D7F);
        const bool hot = in.XPos > l - 2 && in.XPos < l + w - 2 && in.YPos > b - h - 2 && in.YPos < b - 2;
        if (isCheck) {
            const bool checked = ctl.Value.toUpper() == QLatin1String("TRUE");
            const TRect box = ctl.Type == QLatin1String("CHECK") ? TRect(l + 2, b - 15, l + 15, b)
                                                                 : TRect(l + 2, b - 14, l + 14, b);
            DrawMarkupControlPart(FCanvas, box,
                                  ctl.Type == QLatin1String("CHECK") ? TMarkupControlPart::CheckBox
                                                                     : TMarkupControlPart::RadioButton,
                                  checked ? mcsChecked : mcsNormal);
        } else if (isButton) {
            const TRect face(l + 2, b - ctrlHeight, l + w - 2, b);
            const bool hotButton =
                in.XPos > l - 2 && in.XPos < l + w - 2 && in.YPos > b - 26 && in.YPos < b - 2;
            DrawMarkupControlPart(FCanvas, face, TMarkupControlPart::PushButton,
                                  in.Down && hotButton ? mcsPressed
                                  : hotButton          ? mcsHot
                                                       : mcsNormal);
            UseFont(pass);
            TRect r(face.Left + 2, face.Top + 2, face.Right - 2, face.Bottom - 2);
            DrawText(FCanvas, shown, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        } else {
            FCanvas->Pen()->SetColor(border);
            FCanvas->Pen()->SetWidth(1);
            FCanvas->Brush()->SetColor(clWhite);
            FCanvas->Brush()->SetStyle(bsSolid);
            FCanvas->Rectangle(l, b - lh + 4, l + w, b + 2);
            FCanvas->Brush()->SetStyle(bsClear);
            UseFont(pass);
            TRect r = isCombo ? TRect(l + 4, b - lh + 4, l + w - 18, b) : TRect(l + 2, b - lh + 4, l + w, b);
            DrawText(FCanvas, shown, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            if (isCombo)
                DrawMarkupControlPart(FCanvas, TRect(l + w - 18, b - lh + 5, l + w - 1, b + 1),
                                      TMarkupControlPart::ComboButton, hot ? mcsHot : mcsNormal);
        }
    }
    line.Width += w;
    line.EndsWithSpace = false;
    return true;
}
