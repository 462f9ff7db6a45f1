// TQvImagePickerDropDown: a picker whose popup shows pictures in columns, filled from its image list or
// from the picture files of a folder; the edit's face shows the chosen picture.
#pragma once

#include "controls/dropdown/QvItemPickerDropDown.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/system/Collections.h"

class TImageItem : public TCollectionItem {
public:
    explicit TImageItem(TCollection* ACollection);
    ~TImageItem() override;
    String ClassName() const override { return "TImageItem"; }
    void Assign(const TPersistent* Source) override;

    String Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { FImageIndex = v; }
    TPicture* Image() const { return FImage.get(); }
    void SetImage(const TPicture* v) { FImage->Assign(v); }
    String Hint() const { return FHint; }
    void SetHint(const String& v) { FHint = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }

private:
    String FCaption;
    int FImageIndex = -1;
    std::unique_ptr<TPicture> FImage;
    String FHint;
    bool FEnabled = true;
};

class TImageItems : public TCollection {
public:
    explicit TImageItems(TPersistent* AOwner) : FMyOwner(AOwner) {}
    String ClassName() const override { return "TImageItems"; }
    TPersistent* GetOwner() const override { return FMyOwner; }
    TImageItem* Add() { return static_cast<TImageItem*>(TCollection::Add()); }
    TImageItem* Insert(int Index) { return static_cast<TImageItem*>(TCollection::Insert(Index)); }
    TImageItem* Items(int Index) const { return static_cast<TImageItem*>(TCollection::Items(Index)); }

protected:
    TCollectionItem* CreateItem() override { return new TImageItem(this); }

private:
    TPersistent* FMyOwner;
};

class TQvImagePickerDropDown : public TQvItemPickerDropDown {
public:
    explicit TQvImagePickerDropDown(TComponent* AOwner);
    ~TQvImagePickerDropDown() override;
    String ClassName() const override { return "TQvImagePickerDropDown"; }

    TImageItems* Items() const { return FItems.get(); }
    void SetItems(const TImageItems* v) { FItems->Assign(v); }
    // Fires OnChange, then OnSelect, for every new index, -1 too; the item count and above are ignored.
    void SetItemIndex(int Value) override;
    int ItemCount() const override { return FItems->Count(); }
    // Applied at the next opening.
    int Columns() const { return FColumns; }
    void SetColumns(int v) { FColumns = v; }
    // The chosen item's image index (-1 without one); setting it chooses the first item with it, or none.
    int ImageIndex() const;
    void SetImageIndex(int Value);

    // One item per image of the image list, in its order.
    void AddImagesFromImageList();
    // One item per file (never a folder) that AFolder's mask ("<folder>/*.png") matches, its picture
    // read from the file; with SetImageCaption the file name is the caption. A file that does not read
    // as a picture gives an item with an empty picture and no caption. Answers the items added.
    int AddImagesFromFolder(const String& AFolder, bool SetImageCaption);

    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    void WheelDown() override;
    void WheelUp() override;
    void DrawFocusedText() override;

    TDrawItemEvent OnDrawItem;

protected:
    int SelectorColumns() const override { return FColumns; }
    void FillSelectorItems(TSelectorItems* Target) const override;
    void Dispatch(TMessage& Message) override;

private:
    void WheelStep(bool Down);

    std::unique_ptr<TImageItems> FItems;
    int FColumns = 1;
};
