// TQvDetailDropDown: an edit whose popup lists items with a caption, markup notes and a picture, one per
// row; typing completes captions.
#pragma once

#include "controls/dropdown/QvItemPickerDropDown.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/system/Collections.h"

class TDetailItem : public TCollectionItem {
public:
    explicit TDetailItem(TCollection* ACollection);
    ~TDetailItem() override;
    String ClassName() const override { return "TDetailItem"; }
    void Assign(const TPersistent* Source) override;

    String Caption() const { return FCaption; }
    void SetCaption(const String& v);
    // May carry markup.
    String Notes() const { return FNotes; }
    void SetNotes(const String& v) { FNotes = v; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v);
    TPicture* Image() const { return FImage.get(); }
    void SetImage(const TPicture* v) { FImage->Assign(v); }
    int Tag() const { return FTag; }
    void SetTag(int v) { FTag = v; }
    // Not owned.
    TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(TObject* v) { FItemObject = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }

private:
    String FCaption;
    String FNotes;
    int FImageIndex = -1;
    std::unique_ptr<TPicture> FImage;
    int FTag = 0;
    TObject* FItemObject = nullptr;
    bool FEnabled = true;
};

class TDetailItems : public TCollection {
public:
    explicit TDetailItems(TPersistent* AOwner) : FMyOwner(AOwner) {}
    String ClassName() const override { return "TDetailItems"; }
    TPersistent* GetOwner() const override { return FMyOwner; }
    TDetailItem* Add() { return static_cast<TDetailItem*>(TCollection::Add()); }
    TDetailItem* Insert(int Index) { return static_cast<TDetailItem*>(TCollection::Insert(Index)); }
    TDetailItem* Items(int Index) const { return static_cast<TDetailItem*>(TCollection::Items(Index)); }
    // The first item whose caption equals Text exactly; -1.
    int IndexOf(const String& Text) const;

    TNotifyEvent OnChange;

protected:
    TCollectionItem* CreateItem() override { return new TDetailItem(this); }
    void Update(TCollectionItem* Item) override;

private:
    TPersistent* FMyOwner;
};

class TQvDetailDropDown : public TQvItemPickerDropDown {
public:
    explicit TQvDetailDropDown(TComponent* AOwner);
    ~TQvDetailDropDown() override;
    String ClassName() const override { return "TQvDetailDropDown"; }

    TDetailItems* Items() const { return FItems.get(); }
    void SetItems(const TDetailItems* v) { FItems->Assign(v); }
    // An item's caption goes into the edit, all selected, and OnSelect fires; -1 empties the edit.
    void SetItemIndex(int Value) override;
    int ItemCount() const override { return FItems->Count(); }
    void SetText(const String& Value) override;
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int v) { FItemHeight = v; }
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(const TFont* v) { FCaptionFont->Assign(v); }
    TFont* NotesFont() const { return FNotesFont.get(); }
    void SetNotesFont(const TFont* v) { FNotesFont->Assign(v); }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool v) { FMatchCase = v; }
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool v) { FMatchStart = v; }

    void CreateDropDownForm() override;
    void DoDropDown() override;
    void UpdateDropDownSize() override;
    void FormSizing(TObject* Sender) override;
    void WheelDown() override;
    void WheelUp() override;

    void DrawDetailItem(TObject* Sender, TCanvas* Canvas, TRect R, int Index);
    void DetailItemSize(TObject* Sender, TSize& ASize);

protected:
    int SelectorColumns() const override { return 1; }
    void FillSelectorItems(TSelectorItems* Target) const override;
    void SelectorItemSelect(TObject* Sender) override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;

private:
    void DispatchKey(TMessage& Message);
    void ShowCaption(int Index);
    void WheelStep(int Delta);

    std::unique_ptr<TDetailItems> FItems;
    int FItemHeight = 22;
    std::unique_ptr<TFont> FCaptionFont;
    std::unique_ptr<TFont> FNotesFont;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    // The text the modified flag compares with: what the edit held when the focus arrived.
    String FOldValue;
    bool FMatchCase = false;
    bool FMatchStart = false;
    bool FCompleting = false;
};
