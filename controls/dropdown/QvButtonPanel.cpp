// The button panel: the calculator's keys and their placement, the keys drawn as the desktop style's push
// buttons, and the mouse tracking that makes a click.
#include "controls/dropdown/QvButtonPanel.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/ThemeDraw.h"

#include <algorithm>
#include <iterator>

TButtonItem::TButtonItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FImage(std::make_unique<TPicture>()) {}

TButtonItem::~TButtonItem() = default;

void TButtonItem::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TButtonItem*>(Source);
    if (!s) return TCollectionItem::Assign(Source);
    Caption = s->Caption;
    CaptionColor = s->CaptionColor;
    Tag = s->Tag;
    ImageIndex = s->ImageIndex;
    FImage->Assign(s->FImage.get());
    Enabled = s->Enabled;
    Name = s->Name;
}

TButtonAppearance::TButtonAppearance() : FFont(std::make_unique<TFont>()) {
    FFont->SetSize(10);
    FFont->SetStyle(fsBold);
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::SetFont(const TFont* v) {
    FFont->Assign(v);
}

void TButtonAppearance::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TButtonAppearance*>(Source);
    if (!s) return TPersistent::Assign(Source);
    FBorderColor = s->FBorderColor;
    FBorderColorHot = s->FBorderColorHot;
    FBorderColorDown = s->FBorderColorDown;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorHot = s->FColorHot;
    FColorHotTo = s->FColorHotTo;
    FColorDown = s->FColorDown;
    FColorDownTo = s->FColorDownTo;
    FGlowColorHot = s->FGlowColorHot;
    FGlowColorDown = s->FGlowColorDown;
    FShineColor = s->FShineColor;
    FTextColor = s->FTextColor;
    FSpecialTextColor = s->FSpecialTextColor;
    FFont->Assign(s->FFont.get());
    Changed();
}

namespace {

struct TCalculatorKey {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
};

// In index order.
constexpr TCalculatorKey kCalculatorKeys[] = {
    {"", "BTN_ON", 30, false},      {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
};

// The key indexes of rows 1 to 4, column by column from the left.
constexpr int kKeyGrid[4][6] = {
    {4, 11, 12, 19, 20, 27},
    {5, 10, 13, 18, 21, 26},
    {6, 9, 14, 17, 22, 25},
    {7, 8, 15, 16, 23, 24},
};

void Place(TButtonItem* Key, int Left, int Top, int Width, int Height) {
    Key->Left = Left;
    Key->Top = Top;
    Key->Width = Width;
    Key->Height = Height;
}

} // namespace

void ArrangeCalculatorKeys(TButtonItems& Keys, const TRect& R) {
    if (Keys.Count() < int(std::size(kCalculatorKeys))) return;
    const int W = (R.Width() - 8) / 6, H = (R.Height() - 4) / 5;
    int rows[5], cols[6];
    rows[0] = R.Top;
    rows[1] = rows[0] + H + 4;
    for (int r = 2; r < 5; ++r)
        rows[r] = rows[r - 1] + H - 1;
    cols[0] = R.Left;
    cols[1] = cols[0] + W + 4;
    cols[2] = cols[1] + W - 1;
    cols[3] = cols[2] + W - 1;
    cols[4] = cols[3] + W + 4;
    cols[5] = cols[4] + W - 1;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c)
            Place(Keys.Items(kKeyGrid[r][c]), cols[c], rows[r + 1], W, H);
    Place(Keys.Items(0), cols[0], rows[0], W, H);
    const int E = cols[5] + W, L = cols[1], K = (E - L - 8) / 3;
    Place(Keys.Items(1), L, rows[0], K, H);
    Place(Keys.Items(2), L + K + 4, rows[0], K, H);
    Place(Keys.Items(3), L + 2 * K + 8, rows[0], E - (L + 2 * K + 8), H);
}

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner), FButtons(std::make_unique<TButtonItems>(this)),
      FButtonAppearance(std::make_unique<TButtonAppearance>()) {
    FButtonAppearance->OnChange = [this](TObject*) {
        if (!FQvDropDown) Invalidate();
    };
}

TCustomButtonPanel::~TCustomButtonPanel() {
    if (FImages) FImages->RemoveFreeNotification(this);
    if (FEdit) FEdit->RemoveFreeNotification(this);
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType v) {
    if (v == FButtonPanelType) return;
    FButtonPanelType = v;
    ArrangeButtons();
}

void TCustomButtonPanel::SetImages(TImageList* v) {
    if (v == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = v;
    if (v) v->FreeNotification(this);
    ArrangeButtons();
}

void TCustomButtonPanel::SetEdit(TWinControl* v) {
    if (v == FEdit) return;
    if (FEdit) FEdit->RemoveFreeNotification(this);
    FEdit = v;
    if (v) v->FreeNotification(this);
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    if (AComponent == FEdit) FEdit = nullptr;
}

void TCustomButtonPanel::Loaded() {
    TCustomControl::Loaded();
    if (!FQvDropDown) InitButtons();
}

void TCustomButtonPanel::GetButtonsRect(TRect& Rect) const {
    Rect = TRect(FOffSetX, FOffSetY, Width() - FOffSetX, Height() - FOffSetY);
}

TSize TCustomButtonPanel::PictureSize(const TButtonItem* Item) const {
    if (Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty())
        return TSize{Item->Image()->Width(), Item->Image()->Height()};
    if (FImages && Item->ImageIndex >= 0) return TSize{FImages->Width(), FImages->Height()};
    return TSize{0, 0};
}

void TCustomButtonPanel::DrawPicture(const TButtonItem* Item, TCanvas* Canvas, int X, int Y) const {
    if (Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty())
        Canvas->Draw(X, Y, Item->Image()->Graphic());
    else if (FImages && Item->ImageIndex >= 0)
        FImages->Draw(Canvas, X, Y, Item->ImageIndex, Item->Enabled);
}

void TCustomButtonPanel::GetButtonSize(int& W, int& H) {
    TCanvas* c = Canvas();
    c->Font()->Assign(FButtonAppearance->Font());
    int captionW = 0, captionH = 0, pictureW = 0, pictureH = 0;
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TButtonItem* item = FButtons->Items(i);
        if (!item->Caption.isEmpty()) {
            captionW = std::max(captionW, c->TextWidth(item->Caption));
            captionH = std::max(captionH, c->TextHeight(item->Caption));
        }
        const TSize p = PictureSize(item);
        pictureW = std::max(pictureW, int(p.cx));
        pictureH = std::max(pictureH, int(p.cy));
    }
    const bool sideBySide = FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight;
    W = (sideBySide ? captionW + pictureW + FCaptionGap : std::max(captionW, pictureW)) + 2 * FButtonOffSetX;
    H = (sideBySide ? std::max(captionH, pictureH) : captionH + pictureH + FCaptionGap) + 2 * FButtonOffSetY;
}

void TCustomButtonPanel::ClearButtons() {
    FButtonHot = FButtonDown = -1;
    FButtons->Clear();
    Invalidate();
}

void TCustomButtonPanel::ResetButtons() {
    ClearButtons();
    InitButtons();
}

void TCustomButtonPanel::InitButtons() {
    if (FButtonPanelType == plCalculator && FButtons->Count() == 0) {
        for (const TCalculatorKey& k : kCalculatorKeys) {
            TButtonItem* item = FButtons->Add();
            item->Caption = QString::fromLatin1(k.Caption);
            item->Name = QString::fromLatin1(k.Name);
            item->Tag = k.Tag;
            item->Special = k.Special;
            if (k.Special) item->CaptionColor = 0x000080;
        }
    }
    ArrangeButtons();
}

void TCustomButtonPanel::ArrangeButtons() {
    if (FButtons->Count() == 0 || FButtonPanelType == plCustom) return;
    TRect r;
    GetButtonsRect(r);
    ArrangeCalculatorKeys(*FButtons, r);
    Invalidate();
}

void TCustomButtonPanel::Resize() {
    TCustomControl::Resize();
    ArrangeButtons();
}

void TCustomButtonPanel::InvalidateButton(int Index) {
    // The whole panel: a key's grown rectangle overlaps most of its neighbours anyway.
    if (Index >= 0 && Index < FButtons->Count()) Invalidate();
}

void TCustomButtonPanel::ButtonClick(int Index) {
    if (OnButtonClick) OnButtonClick(this, Index);
}

int TCustomButtonPanel::ButtonAt(int X, int Y) const {
    for (int i = 0; i < FButtons->Count(); ++i)
        if (FButtons->Items(i)->Rect().Contains(TPoint(X, Y))) return i;
    return -1;
}

void TCustomButtonPanel::Paint() {
    TCanvas* c = Canvas();
    if (!FQvDropDown) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(clBlack);
        c->Rectangle(TRect(0, 0, Width(), Height()));
    }
    // The hot key last: its face may reach over its neighbours' shared border lines.
    for (int i = 0; i < FButtons->Count(); ++i)
        if (i != FButtonHot) DrawButton(i, c);
    if (FButtonHot >= 0) DrawButton(FButtonHot, c);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* C) {
    if (Index < 0 || Index >= FButtons->Count() || !C) return;
    const TButtonItem* item = FButtons->Items(Index);
    const TRect r = item->Rect();
    if (r.IsEmpty()) return;
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(r);
    const int state = !Enabled() ? 4 : Index == FButtonDown ? 3 : Index == FButtonHot ? 2 : 1;
    if (!DrawThemeBackground(C, "button", 1, state, r))
        DrawFrameControl(C, r, DFC_BUTTON, DFCS_BUTTONPUSH | (state == 3 ? DFCS_PUSHED : 0));
    TRect in(r.Left + FButtonOffSetX, r.Top + FButtonOffSetY, r.Right - FButtonOffSetX,
             r.Bottom - FButtonOffSetY);
    C->Font()->Assign(FButtonAppearance->Font());
    C->Font()->SetColor(item->Special ? FButtonAppearance->SpecialTextColor()
                                      : FButtonAppearance->TextColor());
    C->Brush()->SetStyle(bsClear);
    const TSize pic = PictureSize(item);
    const bool hasPicture = pic.cx > 0 && pic.cy > 0;
    const bool hasCaption = !item->Caption.isEmpty();
    const int captionW = hasCaption ? C->TextWidth(item->Caption) : 0;
    const int captionH = hasCaption ? C->TextHeight(item->Caption) : 0;
    const unsigned line = DT_SINGLELINE | DT_VCENTER;
    auto caption = [&](TRect tr, bool centre) {
        if (hasCaption) DrawText(C, item->Caption, tr, line | (centre ? DT_CENTER : DT_LEFT));
    };
    const int midY = in.Top + (in.Height() - int(pic.cy)) / 2;
    switch (FButtonLayout) {
    case ilCaptionRight:
        if (hasPicture) DrawPicture(item, C, in.Left, midY);
        caption(TRect(in.Left + int(pic.cx) + (hasPicture ? FCaptionGap : 0), in.Top, in.Right, in.Bottom),
                !hasPicture);
        break;
    case ilCaptionLeft:
        caption(TRect(in.Left, in.Top, in.Right - int(pic.cx), in.Bottom), !hasPicture);
        if (hasPicture) DrawPicture(item, C, in.Left + captionW + FCaptionGap, midY);
        break;
    case ilCaptionTop:
        caption(TRect(in.Left, in.Top, in.Right, in.Bottom - int(pic.cy)), true);
        if (hasPicture)
            DrawPicture(item, C, in.Left + (in.Width() - int(pic.cx)) / 2,
                        hasCaption ? in.Top + captionH + FCaptionGap : midY);
        break;
    case ilCaptionBottom:
        if (hasPicture)
            DrawPicture(item, C, in.Left + (in.Width() - int(pic.cx)) / 2, hasCaption ? in.Top : midY);
        caption(TRect(in.Left, in.Top + int(pic.cy) + FCaptionGap, in.Right, in.Bottom), true);
        break;
    }
    C->Brush()->SetStyle(bsSolid);
}

void TCustomButtonPanel::SetButtonHot(int Index) {
    if (Index >= 0 && !FButtons->Items(Index)->Enabled) Index = -1;
    if (Index == FButtonHot) return;
    InvalidateButton(FButtonHot);
    FButtonHot = Index;
    InvalidateButton(Index);
}

void TCustomButtonPanel::SetButtonDown(int Index) {
    if (Index == FButtonDown) return;
    InvalidateButton(FButtonDown);
    FButtonDown = Index;
    InvalidateButton(Index);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    SetButtonHot(ButtonAt(X, Y));
}

void TCustomButtonPanel::MouseLeave() {
    TCustomControl::MouseLeave();
    SetButtonHot(-1);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ButtonAt(X, Y);
    if (Button == mbLeft && i >= 0 && FButtons->Items(i)->Enabled) SetButtonDown(i);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FButtonDown < 0) return;
    const int down = FButtonDown;
    SetButtonDown(-1);
    // Released over another key or beside the keys, the press clicks nothing.
    if (ButtonAt(X, Y) == down) ButtonClick(down);
}
