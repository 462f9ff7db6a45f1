// The column grid: a string grid whose columns are described by items (header, width, looks, editor
// kind, check texts, limits ...) that it feeds into the string grid's hooks.
#pragma once

#include "controls/grid/QvGrid.h"
#include "toolkit/system/Collections.h"

#include <memory>

class TStream;
class TQvColumnGrid;
class TGridColumnCollection;

enum TColumnPopupType {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick,
};

// A setting of a column item that only stores.
#define QV_COLUMN_PROP(Type, Name, Init) QV_PLAIN_PROP(Type, Name, Init)

// One column of a column grid; the item at index i describes real column i (hidden columns counted).
// An item made without a collection (the grid's saved column) has no fonts' grid defaults and sends
// no notifications.
class TGridColumnItem : public TCollectionItem {
public:
    explicit TGridColumnItem(TCollection* ACollection);
    ~TGridColumnItem() override;
    String ClassName() const override { return "TGridColumnItem"; }

    // Copies every setting but the popup type and the two print switches, without notifications.
    void Assign(const TPersistent* Source) override;
    // The same without the combo list, drop-down count, header font, header, name and tag; colour and
    // font come from the grid.
    void AssignVisuals(const TGridColumnItem* Source);
    // "Col <index>: <Name>" when named, else "Column <index>".
    String DisplayName() const override;
    // The grid of the item's collection, or nullptr.
    TQvColumnGrid* Grid() const;

    String Header() const { return FHeader; }
    void SetHeader(const String& Value);
    // The grid's width of the item's real column; the stored width outside a grid.
    int Width() const;
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value);
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont* Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value);
    TStringList* ComboItems() const { return FComboItems.get(); }
    void SetComboItems(const TStrings* Value);
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    String FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const String& Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    TPen* BorderPen() const { return FBorderPen.get(); }
    void SetBorderPen(const TPen* Value);
    TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
    void SetPrintBorderPen(const TPen* Value) { FPrintBorderPen->Assign(Value); }
    TFont* PrintFont() const { return FPrintFont.get(); }
    void SetPrintFont(const TFont* Value) { FPrintFont->Assign(Value); }
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    TStringList* Filter() const { return FFilter.get(); }
    void SetFilter(const TStrings* Value);

    // The grid's cells of the item's column by row.
    String Rows(int ARow) const;
    void SetRows(int ARow, const String& Value);
    int Ints(int ARow) const;
    void SetInts(int ARow, int Value);
    double Floats(int ARow) const;
    void SetFloats(int ARow, double Value);
    TDateTime Dates(int ARow) const;
    void SetDates(int ARow, TDateTime Value);
    TDateTime Times(int ARow) const;
    void SetTimes(int ARow, TDateTime Value);

    QV_COLUMN_PROP(int, DropDownCount, 8)
    QV_COLUMN_PROP(int, SpinMin, 0)
    QV_COLUMN_PROP(int, SpinMax, 0)
    QV_COLUMN_PROP(int, SpinStep, 1)
    QV_COLUMN_PROP(int, EditLength, 0)
    QV_COLUMN_PROP(String, EditMask, String())
    QV_COLUMN_PROP(TEditLink*, EditLink, nullptr)
    QV_COLUMN_PROP(bool, ReadOnly, false)
    QV_COLUMN_PROP(String, CheckTrue, QStringLiteral("Y"))
    QV_COLUMN_PROP(String, CheckFalse, QStringLiteral("N"))
    QV_COLUMN_PROP(TSortStyle, SortStyle, ssAutomatic)
    QV_COLUMN_PROP(String, SortPrefix, String())
    QV_COLUMN_PROP(String, SortSuffix, String())
    QV_COLUMN_PROP(TCellBorders, PrintBorders,
                   CellBorderFlag(cbTop) | CellBorderFlag(cbLeft) | CellBorderFlag(cbRight) |
                       CellBorderFlag(cbBottom))
    QV_COLUMN_PROP(bool, PrintBorderCustom, true)
    QV_COLUMN_PROP(TColor, PrintColor, TColor(0xFFFFFF))
    QV_COLUMN_PROP(bool, PrintFontCustom, true)
    QV_COLUMN_PROP(bool, FilterCaseSensitive, false)
    QV_COLUMN_PROP(int, MinSize, 0)
    QV_COLUMN_PROP(int, MaxSize, 0)
    QV_COLUMN_PROP(int, AutoMinSize, 0)
    QV_COLUMN_PROP(int, AutoMaxSize, 0)
    QV_COLUMN_PROP(TPopupMenu*, ColumnPopup, nullptr)
    QV_COLUMN_PROP(TColumnPopupType, ColumnPopupType, cpFixedCellsRClick)
    QV_COLUMN_PROP(String, Name, String())
    QV_COLUMN_PROP(int, Tag, 0)
    // The column's place in the reference order (run time only).
    QV_COLUMN_PROP(int, DefIdx, 0)

public:
    // The stored width, without asking the grid.
    int WidthMember() const { return FWidth; }
    void SetWidthMember(int Value) { FWidth = Value; }
    void SetHeaderMember(const String& Value) { FHeader = Value; }

private:
    void CopyFrom(const TGridColumnItem* Source, bool Visuals);
    void Repaint();
    void SendUpdate();
    TQvColumnGrid* FGrid = nullptr; // the grid at construction; items never change grids

    String FHeader;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TAlignment FHeaderAlignment = taLeftJustify;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FHeaderFont;
    TColor FColor = clWindow;
    TEditorType FEditor = edNormal;
    std::unique_ptr<TStringList> FComboItems;
    bool FFixed = false;
    bool FPassword = false;
    String FFloatFormat;
    TCellBorders FBorders = 0;
    std::unique_ptr<TPen> FBorderPen;
    std::unique_ptr<TPen> FPrintBorderPen;
    std::unique_ptr<TFont> FPrintFont;
    bool FShowBands = false;
    std::unique_ptr<TStringList> FFilter;
};

#undef QV_COLUMN_PROP

class TGridColumnCollection : public TCollection {
public:
    explicit TGridColumnCollection(TQvColumnGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return "TGridColumnCollection"; }

    TGridColumnItem* Add() { return static_cast<TGridColumnItem*>(TCollection::Add()); }
    TGridColumnItem* Insert(int Index) { return static_cast<TGridColumnItem*>(TCollection::Insert(Index)); }
    TGridColumnItem* Items(int Index) const {
        return static_cast<TGridColumnItem*>(TCollection::Items(Index));
    }
    TGridColumnItem* operator[](int Index) const { return Items(Index); }
    void SetItems(int Index, const TGridColumnItem* Value) { Items(Index)->Assign(Value); }
    TPersistent* GetOwner() const override;
    TQvColumnGrid* Grid() const { return FGrid; }
    // Every item's default index := its index, after the item count is brought in line.
    void SetOrganization();
    // Moves columns until every item stands at its default index.
    void ResetOrganization();
    // While set, item changes do not resize or re-head the grid (the grid itself is changing them).
    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate > 0; }
    void BeginNoRecursiveUpdate() { ++FNoRecursiveUpdate; }
    void EndNoRecursiveUpdate() { --FNoRecursiveUpdate; }
    // Update sent by an item's setter.
    void ItemUpdate(TGridColumnItem* Item) { Update(Item); }

protected:
    TCollectionItem* CreateItem() override { return new TGridColumnItem(this); }
    void Update(TCollectionItem* Item) override;
    // A new item after the first takes the look of the one before it.
    void Added(TCollectionItem* Item) override;

private:
    TQvColumnGrid* FGrid;
    int FNoRecursiveUpdate = 0;
};

// The editor kinds and column popup kinds a window design may name; part of the layer's registration.
void RegisterQvColumnGridDesignIdents();

class TQvColumnGrid : public TQvStringGrid {
public:
    explicit TQvColumnGrid(TComponent* AOwner);
    ~TQvColumnGrid() override;
    String ClassName() const override { return "TQvColumnGrid"; }

    TGridColumnCollection* Columns() const { return FColumns.get(); }
    void SetColumns(const TGridColumnCollection* Value) { FColumns->Assign(Value); }
    // The string grid's count; setting it also brings the items in line.
    void SetColCount(int Value);
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
    // The first item whose Name is exactly Value, or nullptr.
    TGridColumnItem* GetColumnByName(const String& Value) const;
    // The item describing real column ACol, or nullptr.
    TGridColumnItem* ColumnItem(int ACol) const;
    bool IsColumnMoving() const { return FColumnMoving; }

    // Every column item's settings as text (QvCGrid_Stream.cpp), and back: a stream that does not read
    // raises EDesignError and leaves the columns as they were.
    void SaveColumnsToStream(TStream* Stream);
    void LoadColumnsFromStream(TStream* Stream);
    // Column positions in an INI file: key "CP<position>" := the default index of the item there.
    void SaveColumnPositions(const String& Key, const String& Section);
    // Keys missing or naming no column leave the columns as they are.
    void LoadColumnPositions(const String& Key, const String& Section);

    // Items made later take the grid's look; the item count follows ColCount + hidden columns.
    void SyncColumnCount();
    // Rebuilds ColumnHeaders from the items (fixed rows only).
    void SyncColumnHeaders();

    void Loaded() override;
    // "Columns" in a window design: one column per collection item (QvCGrid_Design.cpp).
    bool ReadProperty(const String& name, const TDesignValue& value) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                         bool& WW, TCellGradientDirection& GD) override;
    String GetFormattedCell(int ACol, int ARow) override;
    void GetFloatFormat(int ACol, int ARow, bool& IsFloat, String& FloatFormat) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    void UpdateColSize(int ACol, int& NewWidth) override;
    void UpdateAutoColSize(int ACol, int& NewWidth) override;
    void ColumnHeadersChanged() override;
    void AllCellsChanged() override;
    void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                             TFont* AFont) override;
    void DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix) override;
    void GetCellEditorType(int ACol, int ARow, TEditorType& AEditor) override;
    TEditLink* CellEditLink(int ARealCol, int ARow) override;
    void DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell) override;
    void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
    void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, String& Value) override;
    void GetCheckFalse(int ACol, int ARow, String& Value) override;
    bool BuildFilterValueList(int ACol) override;
    void FilterSelect(int ItemIndex) override;
    int GetVersionNr() override;
    String GetVersionString() override;
    void RemoveCols(int ACol, int ACount) override;
    void InsertCols(int ACol, int ACount) override;
    void Group(int ColIndex) override;
    void UnGroup() override;
    void SaveColPositions() override;
    void LoadColPositions() override;
    // Item font sizes follow the scaling of the grid (M / D).
    void ChangeScale(int M, int D);

    std::function<void(TObject* Sender, int FromIndex, int ToIndex)> OnAfterColumnMoved;
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)> OnColumnPopup;

protected:
    // Makes the grid's collection; descendants may supply their own class.
    virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    // After the string grid's handling: a click of the kind the column's popup type names shows its menu
    // below the cell.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ColWidthsChanged() override;
    String GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;

private:
    // Normal rows and columns: at least FixedRows / FixedCols.
    bool InNormalRowsCols(int ACol, int ARow) const;
    // The normal area: also short of the right fixed columns and the footer rows.
    bool InNormalArea(int ACol, int ARow) const;

    std::unique_ptr<TGridColumnCollection> FColumns;
    std::unique_ptr<TGridColumnItem> FSavedColumn;
    std::unique_ptr<TCellGraphic> FColumnCheckGraphic;
    bool FColumnMoving = false;
    bool FAutoFilterDisplay = false;
    bool FSyncing = false;
};
