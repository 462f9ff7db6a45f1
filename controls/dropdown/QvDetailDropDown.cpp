// The detail picker: its items, caption completion in the edit, its keys and wheel, and the drawing of an
// item's picture, caption and markup notes.
#include "controls/dropdown/QvDetailDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvMultiColumnLookup.h"
#include "controls/markup/MarkupRenderer.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/system/ScopedValue.h"

#include <algorithm>

namespace {
// The system's thin window border, on each side of the popup.
constexpr int kSystemBorderWidth = 1;

bool SelectorBarShown(TQvCustomItemSelector* Host) {
    TControlScrollBar* bar = Host->VertScrollBar();
    return bar->Visible() && bar->Range() > Host->ViewportHeight();
}
} // namespace

// ---- items

TDetailItem::TDetailItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FImage(std::make_unique<TPicture>()) {}

TDetailItem::~TDetailItem() = default;

void TDetailItem::SetCaption(const String& v) {
    if (v == FCaption) return;
    FCaption = v;
    Changed(false);
}

void TDetailItem::SetImageIndex(int v) {
    if (v == FImageIndex) return;
    FImageIndex = v;
    Changed(false);
}

void TDetailItem::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TDetailItem*>(Source);
    if (!s) return;
    FCaption = s->FCaption;
    FNotes = s->FNotes;
    FImageIndex = s->FImageIndex;
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FTag = s->FTag;
    FItemObject = s->FItemObject;
}

int TDetailItems::IndexOf(const String& Text) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == Text) return i;
    return -1;
}

void TDetailItems::Update(TCollectionItem* Item) {
    TCollection::Update(Item);
    if (Item && OnChange) OnChange(this);
}

// ---- the picker

TQvDetailDropDown::TQvDetailDropDown(TComponent* AOwner)
    : TQvItemPickerDropDown(AOwner), FItems(std::make_unique<TDetailItems>(this)),
      FCaptionFont(std::make_unique<TFont>()), FNotesFont(std::make_unique<TFont>()) {
    SetEditorEnabled(true);
    FCaptionFont->Assign(Font());
    FNotesFont->Assign(Font());
    FItems->OnChange = [](TObject*) {};
    CreateDropDownForm();
}

TQvDetailDropDown::~TQvDetailDropDown() = default;

void TQvDetailDropDown::CreateDropDownForm() {
    TQvItemPickerDropDown::CreateDropDownForm();
    if (!FItemSelector || FItemSelector->OnDrawItem) return;
    FItemSelector->OnDrawItem = [this](TObject* s, TCanvas* c, TRect r, int i) {
        DrawDetailItem(s, c, r, i);
    };
    FItemSelector->OnItemSize = [this](TObject* s, TSize& size) { DetailItemSize(s, size); };
    FItemSelector->OnResize = [this](TObject*) { FItemSelector->UpdateSelectorPanel(); };
}

void TQvDetailDropDown::FillSelectorItems(TSelectorItems* Target) const {
    for (int i = 0; i < FItems->Count(); ++i) {
        const TDetailItem* item = FItems->Items(i);
        TSelectorItem* s = Target->Add();
        s->SetCaption(item->Caption());
        s->SetImage(item->Image());
        s->SetImageIndex(item->ImageIndex());
    }
}

void TQvDetailDropDown::DoDropDown() {
    TQvItemPickerDropDown::DoDropDown();
    if (FItemSelector && DroppedDown() && FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TQvDetailDropDown::UpdateDropDownSize() {
    if (FItemSelector) {
        FItemSelector->SetAlign(alNone);
        if (FDropDownWidth <= 0) FItemSelector->SetWidth(Width());
        if (FDropDownHeight <= 0) FItemSelector->SetHeight(100);
    }
    TQvItemPickerDropDown::UpdateDropDownSize();
}

void TQvDetailDropDown::FormSizing(TObject* Sender) {
    TQvItemPickerDropDown::FormSizing(Sender);
    if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TQvDetailDropDown::SetText(const String& Value) {
    // Only typing is completed: a text set by code stays as it is.
    const ScopedValue<bool> completing(FCompleting, true);
    TQvItemPickerDropDown::SetText(Value);
}

void TQvDetailDropDown::ShowCaption(int Index) {
    SetText(Index >= 0 ? FItems->Items(Index)->Caption() : String());
    SetIsModified(GetText() != FOldValue);
    if (Index >= 0) SelectAll();
}

void TQvDetailDropDown::SetItemIndex(int Value) {
    if (Value == FItemIndex) return;
    if (Value >= 0 && Value < FItems->Count()) {
        FItemIndex = Value;
        ShowCaption(Value);
        Invalidate();
        if (FItemSelector) FItemSelector->Invalidate();
        if (OnSelect) OnSelect(this);
    } else if (Value == -1) {
        FItemIndex = -1;
        ShowCaption(-1);
    }
}

void TQvDetailDropDown::SelectorItemSelect(TObject* Sender) {
    const int index = FItemSelector->ItemIndex();
    TQvItemPickerDropDown::SelectorItemSelect(Sender);
    if (index >= 0 && index < FItems->Count()) ShowCaption(index);
}

void TQvDetailDropDown::WheelStep(int Delta) {
    if (!DroppedDown() || !FItemSelector) {
        Delta > 0 ? SelectNext() : SelectPrevious();
        return;
    }
    const int current = FItemSelector->ItemIndex();
    SelectInSelector(current < 0 ? 0 : current + Delta);
    Invalidate();
}

void TQvDetailDropDown::WheelDown() {
    TQvItemPickerDropDown::WheelDown();
    WheelStep(1);
}

void TQvDetailDropDown::WheelUp() {
    TQvItemPickerDropDown::WheelUp();
    WheelStep(-1);
}

// ---- keys and completion

void TQvDetailDropDown::DoEnter() {
    TQvItemPickerDropDown::DoEnter();
    FOldValue = GetText();
}

void TQvDetailDropDown::Dispatch(TMessage& m) {
    const bool edits = m.Msg == WM_CHAR || m.Msg == WM_KEYDOWN || m.Msg == WM_PASTE || m.Msg == WM_CUT;
    DispatchKey(m);
    // The edit's own typing rules mark every change as modified once it is applied: what counts is
    // whether the text differs from what it was when the focus came.
    if (edits && !(ComponentState() & csDesigning)) SetIsModified(GetText() != FOldValue);
}

void TQvDetailDropDown::DispatchKey(TMessage& m) {
    if (m.Msg != WM_KEYDOWN || (ComponentState() & csDesigning)) {
        TQvItemPickerDropDown::Dispatch(m);
        return;
    }
    const Word key = m.CharCode();
    const TShiftState shift = KeyboardStateToShiftState();
    if (FItems->Count() > 0) {
        // Set before the edit acts on the key: deleting must not be undone by a completion.
        FWorkMode = !(key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE);
        if (key == VK_RETURN) {
            if (const int i = FItems->IndexOf(GetText()); i >= 0) {
                SetItemIndex(i);
                ShowCaption(i);
                Change();
            }
        }
    }
    // A typeable edit completes what is typed: a typed lookup in the list as well would put its own
    // caption over the typing.
    if (!(FEditorEnabled && IsLookupKey(key)) && PickerKey(key, shift, 1, false)) {
        m.SetCharCode(0);
        m.PassToNative = false;
        return;
    }
    TQvItemPickerDropDown::Dispatch(m);
}

void TQvDetailDropDown::KeyDown(Word& Key, TShiftState Shift) {
    const Word key = Key;
    TQvItemPickerDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE && FItems->Count() > 0)
        if (const int i = FItems->IndexOf(GetText()); i >= 0) SetItemIndex(i);
}

void TQvDetailDropDown::KeyUp(Word& Key, TShiftState Shift) {
    TQvItemPickerDropDown::KeyUp(Key, Shift);
    if (!FItemChange) return;
    FItemChange = false;
    // The completion took the index already: this changes nothing unless something moved it since.
    SetItemIndex(FItemIdx);
    const String text = GetText();
    SetSelStart(int(FPrefix.size()) + FItemSel);
    SetSelLength(std::max(0, int(text.size()) - FItemSel));
}

void TQvDetailDropDown::Change() {
    FItemChange = false;
    TQvItemPickerDropDown::Change();
    if (ComponentState() & csDesigning) return;
    const String text = GetText();
    SetIsModified(text != FOldValue);
    if (!FWorkMode || FCompleting) return;
    TLookupTexts captions;
    captions.reserve(size_t(FItems->Count()));
    for (int i = 0; i < FItems->Count(); ++i)
        captions.push_back(FItems->Items(i)->Caption());
    const int prefix = int(FPrefix.size());
    const TEditCompletion c = CompleteEditText(captions, text, SelStart() - prefix, FMatchCase);
    if (!c.Completed && !c.Cut) return;
    {
        const ScopedValue<bool> completing(FCompleting, true);
        ApplyEdit(FPrefix + c.Text + FSuffix, prefix + c.TypedLength, int(c.Text.size()) - c.TypedLength);
    }
    if (!c.Completed) return;
    FItemIndex = FItemIdx = c.ItemIndex;
    FItemSel = c.TypedLength;
    FItemChange = true;
}

// ---- drawing

void TQvDetailDropDown::DetailItemSize(TObject*, TSize& ASize) {
    int w = FDropDownWidth > 0 ? FDropDownWidth : (FDropDownForm ? FDropDownForm->Width() : Width());
    if (FItemSelector && SelectorBarShown(FItemSelector)) w -= SystemScrollBarWidth();
    ASize.cx = w - 2 * kSystemBorderWidth - 4;
    ASize.cy = FItemHeight;
}

void TQvDetailDropDown::DrawDetailItem(TObject*, TCanvas* Canvas, TRect R, int Index) {
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems->Count()) return;
    const TDetailItem* item = FItems->Items(Index);
    TImageList* images = Images();
    TPicture* picture = item->Image();
    const bool hasPicture = picture->Graphic() && !picture->Graphic()->Empty();
    if (!hasPicture && images && item->ImageIndex() >= 0) {
        const int x = item->Caption().isEmpty() ? R.Left + (R.Width() - images->Width()) / 2 : R.Left + 2;
        images->Draw(Canvas, x, R.Top + (R.Height() - images->Height()) / 2, item->ImageIndex());
        R.Left += images->Width() + 4;
    } else if (hasPicture) {
        TGraphic* g = picture->Graphic();
        if (auto* bitmap = dynamic_cast<TBitmap*>(g)) bitmap->SetTransparent(true);
        const int x = item->Caption().isEmpty() ? R.Left + (R.Width() - g->Width()) / 2 : R.Left + 2;
        Canvas->Draw(x, R.Top + (R.Height() - g->Height()) / 2, g);
        R.Left += g->Width() + 4;
    }
    const TItemAppearance* look = ItemAppearance();
    TColor color = FCaptionFont->Color();
    if (FItemSelector && Index == FItemSelector->ItemHot()) color = look->ColorHotText;
    if (Index == FItemIndex) color = look->ColorSelectedText;
    Canvas->SetFont(FCaptionFont.get());
    Canvas->Font()->SetColor(color);
    Canvas->Brush()->SetStyle(bsClear);
    R.Left += 4;
    R.Top += 2;
    R.Right -= 4;
    TRect caption = R;
    DrawText(Canvas, item->Caption(), caption, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (!item->Notes().isEmpty()) {
        const int gh = Canvas->TextHeight("gh");
        Canvas->SetFont(FNotesFont.get());
        Canvas->Font()->SetColor(Index == FItemIndex ? look->ColorSelectedText : FNotesFont->Color());
        TMarkupInput in;
        in.Canvas = Canvas;
        in.Text = item->Notes();
        in.Rect = TRect(R.Left, R.Top + gh, R.Right, R.Bottom);
        in.Images = images;
        in.Selected = Index == FItemIndex;
        in.WordWrap = true;
        TMarkupOutput out;
        RenderMarkup(in, out);
    }
    Canvas->Brush()->SetStyle(bsSolid);
}
