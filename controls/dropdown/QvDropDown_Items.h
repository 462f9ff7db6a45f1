// The columns and items of the list dropdowns: the multi-column dropdown and the grid dropdown both keep
// their popup's columns and rows in these, so a filling caller writes one kind of item for either.
#pragma once

#include "controls/dropdown/QvDropDown_Types.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/Collections.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/Types.h"

#include <cstdint>
#include <memory>

enum TColumnType { ctText, ctImage };

// One column of a popup list: its width, look, header and how its texts are measured.
class TDropDownColumn : public TCollectionItem {
public:
    explicit TDropDownColumn(TCollection* ACollection);
    String ClassName() const override { return "TDropDownColumn"; }
    void Assign(const TPersistent* Source) override;

    int Width() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v) { FAlignment = v; }
    // The multi-column list draws an end ellipsis by it; the grid dropdown's popup grid only keeps it.
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool v) { FEllipsis = v; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* v) { FFont->Assign(v); }
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType v) { FColumnType = v; }
    String Header() const { return FHeader; }
    void SetHeader(const String& v) { FHeader = v; }
    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool v) { FWordwrap = v; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v) { FAutoSize = v; }

private:
    int FWidth = 80;
    TColor FColor = 0xFFFFFF;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    std::unique_ptr<TFont> FFont;
    TColumnType FColumnType = ctText;
    String FHeader;
    bool FWordwrap = false;
    bool FAutoSize = false;
};

class TDropDownColumns : public TCollection {
public:
    explicit TDropDownColumns(TPersistent* AOwner) : FMyOwner(AOwner) {}
    String ClassName() const override { return "TDropDownColumns"; }
    TPersistent* GetOwner() const override { return FMyOwner; }
    TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(TCollection::Add()); }
    TDropDownColumn* Insert(int Index) { return static_cast<TDropDownColumn*>(TCollection::Insert(Index)); }
    TDropDownColumn* Items(int Index) const {
        return static_cast<TDropDownColumn*>(TCollection::Items(Index));
    }

protected:
    TCollectionItem* CreateItem() override { return new TDropDownColumn(this); }

private:
    TPersistent* FMyOwner;
};

// One row of a popup list: line i of Text is its text in column i, and a picture index.
class TDropDownItem : public TCollectionItem {
public:
    explicit TDropDownItem(TCollection* ACollection);
    String ClassName() const override { return "TDropDownItem"; }
    // Copies the picture index and the texts: copied items that lost their texts would show empty rows.
    void Assign(const TPersistent* Source) override;

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v);
    TStringList* Text() const { return FText.get(); }
    void SetText(const TStrings* v) { FText->Assign(v); }
    // The text of a column; empty for a column the item has no line for.
    String ColumnText(int Column) const;
    bool HasColumn(int Column) const { return Column >= 0 && Column < FText->Count(); }

private:
    void Touched();

    int FImageIndex = -1;
    std::unique_ptr<TStringList> FText;
};

class TDropDownItems : public TCollection {
public:
    explicit TDropDownItems(TPersistent* AOwner) : FMyOwner(AOwner) {}
    String ClassName() const override { return "TDropDownItems"; }
    TPersistent* GetOwner() const override { return FMyOwner; }
    TDropDownItem* Add() { return static_cast<TDropDownItem*>(TCollection::Add()); }
    TDropDownItem* Insert(int Index) { return static_cast<TDropDownItem*>(TCollection::Insert(Index)); }
    TDropDownItem* Items(int Index) const { return static_cast<TDropDownItem*>(TCollection::Items(Index)); }
    // The first item whose line Column equals Value exactly (items without that line are skipped); -1.
    int IndexInColumn(int Column, const String& Value) const;
    // Counts every change of the items, their texts and images included: what was measured for one
    // version holds while it stays.
    uint64_t Version() const { return FVersion; }
    void Touch() { ++FVersion; }

    // Not fired by the collection itself; kept for the application.
    TNotifyEvent OnChange;

protected:
    // A descendant collection makes its own item class here.
    TCollectionItem* CreateItem() override { return new TDropDownItem(this); }
    void Update(TCollectionItem* Item) override;
    void Added(TCollectionItem* Item) override;

private:
    TPersistent* FMyOwner;
    uint64_t FVersion = 0;
};

// The grid lines of a popup list in a selection colour style: the styled ones set both colours, the
// others leave them as they are.
void ListLineColors(TSelectionColorStyle Style, TColor& LineColor, TColor& FixedLineColor);
