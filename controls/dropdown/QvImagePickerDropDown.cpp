// The image picker: its items, filling them from the image list or a folder's picture files, its keys and
// wheel, and the chosen picture on the edit's face.
#include "controls/dropdown/QvImagePickerDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/system/ScopedValue.h"
#include "toolkit/system/SysUtils.h"

TImageItem::TImageItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FImage(std::make_unique<TPicture>()) {}

TImageItem::~TImageItem() = default;

void TImageItem::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TImageItem*>(Source);
    if (!s) return;
    FCaption = s->FCaption;
    FImageIndex = s->FImageIndex;
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FHint = s->FHint;
}

TQvImagePickerDropDown::TQvImagePickerDropDown(TComponent* AOwner)
    : TQvItemPickerDropDown(AOwner), FItems(std::make_unique<TImageItems>(this)) {
    SetEditorEnabled(false);
    SetCursor(crArrow);
}

TQvImagePickerDropDown::~TQvImagePickerDropDown() = default;

void TQvImagePickerDropDown::SetItemIndex(int Value) {
    if (Value == FItemIndex || Value >= FItems->Count()) return;
    FItemIndex = std::max(-1, Value);
    Invalidate();
    if (OnChange) OnChange(this);
    if (OnSelect) OnSelect(this);
}

int TQvImagePickerDropDown::ImageIndex() const {
    return FItemIndex >= 0 ? FItems->Items(FItemIndex)->ImageIndex() : -1;
}

void TQvImagePickerDropDown::SetImageIndex(int Value) {
    for (int i = 0; i < FItems->Count(); ++i) {
        if (FItems->Items(i)->ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    }
    SetItemIndex(-1);
}

void TQvImagePickerDropDown::AddImagesFromImageList() {
    if (!Images()) return;
    for (int i = 0; i < Images()->Count(); ++i)
        FItems->Add()->SetImageIndex(i);
}

int TQvImagePickerDropDown::AddImagesFromFolder(const String& AFolder, bool SetImageCaption) {
    const String folder = ExtractFilePath(AFolder);
    String mask = ExtractFileName(AFolder);
    if (mask.isEmpty()) mask = QStringLiteral("*");
    int added = 0;
    for (const TSearchRec& entry : FindFiles(folder, mask, faAnyFile & ~faDirectory)) {
        // Only files hold pictures: a folder would only ever give an empty item.
        if (entry.IsDirectory()) continue;
        TImageItem* item = FItems->Add();
        ++added;
        try {
            item->Image()->LoadFromFile(folder + entry.Name);
        } catch (const Exception&) {
            continue;
        }
        if (SetImageCaption) item->SetCaption(entry.Name);
    }
    return added;
}

void TQvImagePickerDropDown::FillSelectorItems(TSelectorItems* Target) const {
    for (int i = 0; i < FItems->Count(); ++i) {
        const TImageItem* item = FItems->Items(i);
        TSelectorItem* s = Target->Add();
        s->SetCaption(item->Caption());
        s->SetImage(item->Image());
        s->SetImageIndex(item->ImageIndex());
        s->SetHint(item->Hint());
    }
}

void TQvImagePickerDropDown::BeforeDropDown() {
    TQvItemPickerDropDown::BeforeDropDown();
    if (!FItemSelector) return;
    if (OnDrawItem)
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas* c, TRect r, int i) {
            OnDrawItem(this, c, r, i);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
    FItemSelector->SetShowHint(ShowHint());
}

void TQvImagePickerDropDown::UpdateDropDownSize() {
    if (FItemSelector) {
        FItemSelector->SetAlign(alNone);
        if (FDropDownWidth < 1 || FDropDownHeight < 1) {
            TSize size;
            FItemSelector->GetPanelSize(size);
            FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(), size.cx, size.cy);
        }
    }
    TQvItemPickerDropDown::UpdateDropDownSize();
    if (FItemSelector && FDropDownForm && FItemSelector->VertScrollBar()->Visible() &&
        FItemSelector->VertScrollBar()->Range() > FItemSelector->ViewportHeight())
        FDropDownForm->SetWidth(FDropDownForm->Width() + SystemScrollBarWidth());
}

void TQvImagePickerDropDown::WheelStep(bool Down) {
    if (!Enabled() || ReadOnly() || !FItemSelector) return;
    if (DroppedDown()) {
        Down ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
        return;
    }
    FillSelectorWhenStale();
    const ScopedValue<bool> internal(FInternalCall, true);
    Down ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious();
}

void TQvImagePickerDropDown::WheelDown() {
    TQvItemPickerDropDown::WheelDown();
    WheelStep(true);
}

void TQvImagePickerDropDown::WheelUp() {
    TQvItemPickerDropDown::WheelUp();
    WheelStep(false);
}

void TQvImagePickerDropDown::Dispatch(TMessage& m) {
    if (m.Msg != WM_KEYDOWN || (ComponentState() & csDesigning)) {
        TQvItemPickerDropDown::Dispatch(m);
        return;
    }
    const Word key = m.CharCode();
    const TShiftState shift = KeyboardStateToShiftState();
    const bool open = FDroppedDown;
    bool chosenByHot = false;
    // Enter over the item under the mouse takes that item.
    if (key == VK_RETURN && open && FItemSelector && FItemSelector->ItemHot() >= 0 && !(shift & ssAlt)) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        chosenByHot = true;
    }
    TQvItemPickerDropDown::Dispatch(m);
    if (key == VK_RETURN && open && !chosenByHot && OnSelect) OnSelect(this);
    PickerKey(key, shift, FColumns, true);
}

void TQvImagePickerDropDown::DrawFocusedText() {
    TQvItemPickerDropDown::DrawFocusedText();
    TCanvas* c = PaintCanvas();
    if (!c->HandleAllocated()) return;
    const TRect r = GetEditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, c, r);
        return;
    }
    if (FItemIndex < 0) return;
    const TImageItem* item = FItems->Items(FItemIndex);
    const TGraphic* g = item->Image()->Graphic();
    if (g && !g->Empty()) {
        c->Draw(r.Left + (r.Width() - g->Width()) / 2, r.Top + (r.Height() - g->Height()) / 2,
                const_cast<TGraphic*>(g));
    } else if (Images() && item->ImageIndex() >= 0) {
        Images()->Draw(c, r.Left + (r.Width() - Images()->Width()) / 2,
                       r.Top + (r.Height() - Images()->Height()) / 2, item->ImageIndex(), true);
    }
}
