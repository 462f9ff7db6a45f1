// The grid's data-operation settings: nodes, HTML export, printing, filter conditions, sorting, grouping,
// drag and drop, the filter drop-down look, the hidden-row store and the filter value lists.
#pragma once

#include "controls/grid/PlainProperty.h"
#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/GapVector.h"
#include "toolkit/system/StringList.h"

#include <functional>
#include <memory>
#include <vector>

class TQvStringGrid;
class TGridDropTarget;

// Inside the grid's namespace: the XML document has a TNodeType of its own, and windows use both.
namespace QvGrid {
enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };
} // namespace QvGrid
using enum QvGrid::TNodeType;
enum TPrintPosition {
    ppNone,
    ppTopLeft,
    ppTopRight,
    ppTopCenter,
    ppBottomLeft,
    ppBottomRight,
    ppBottomCenter
};
enum TPrintBorders {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod { fmExpression, fmLiteral };
enum TIndexSortKey { ikShift, ikCtrl };
enum TSortBlankPosition { blFirst, blLast };
enum TSortDirection { sdAscending, sdDescending };
enum TFilterDropDownColumns { fdNormal, fdAll };

// Raised by the copies that accept only their own class.
class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};

class TCellNode : public TPersistent {
public:
    explicit TCellNode(TQvStringGrid* AGrid);
    ~TCellNode() override;
    String ClassName() const override { return "TCellNode"; }
    void Assign(const TPersistent* Source) override;

    QvGrid::TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(QvGrid::TNodeType v);
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int v);
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool v);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool v);
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor v);
    TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
    void SetExpandGlyph(const TBitmap* v) { FExpandGlyph->Assign(v); }
    TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
    void SetContractGlyph(const TBitmap* v) { FContractGlyph->Assign(v); }

    QV_PLAIN_PROP(TColor, Color, clSilver)
    QV_PLAIN_PROP(bool, ExpandOne, false)
    QV_PLAIN_PROP(TColor, NodeColor, clBlack)

private:
    void Repaint();
    [[maybe_unused]] TQvStringGrid* FGrid;
    QvGrid::TNodeType FNodeType = cnXP;
    int FNodeIndent = 12;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    TColor FTreeColor = clGray;
    std::unique_ptr<TBitmap> FExpandGlyph;
    std::unique_ptr<TBitmap> FContractGlyph;
};

class THTMLSettings : public TPersistent {
public:
    String ClassName() const override { return "THTMLSettings"; }
    // Copies every published setting; the column widths of the last export stay.
    void Assign(const TPersistent* Source) override;
    TIntList* ColWidths() { return &FColWidths; }

    QV_PLAIN_PROP(bool, AutoPreview, false)
    QV_PLAIN_PROP(int, BorderSize, 1)
    QV_PLAIN_PROP(int, CellSpacing, 0)
    QV_PLAIN_PROP(int, CellPadding, 0)
    QV_PLAIN_PROP(bool, ConvertSpecialChars, false)
    QV_PLAIN_PROP(bool, ExportImages, true)
    QV_PLAIN_PROP(String, FooterFile, String())
    QV_PLAIN_PROP(String, HeaderFile, String())
    QV_PLAIN_PROP(bool, NonBreakingText, false)
    QV_PLAIN_PROP(String, PrefixTag, String())
    QV_PLAIN_PROP(bool, SaveColor, true)
    QV_PLAIN_PROP(bool, SaveFonts, true)
    QV_PLAIN_PROP(String, SuffixTag, String())
    QV_PLAIN_PROP(String, Summary, String())
    QV_PLAIN_PROP(String, TableStyle, String())
    QV_PLAIN_PROP(int, Width, 100)
    QV_PLAIN_PROP(bool, XHTML, false)

private:
    TIntList FColWidths{0, 0};
};

class TPrintSettings : public TPersistent {
public:
    explicit TPrintSettings(TQvStringGrid* AGrid);
    ~TPrintSettings() override;
    String ClassName() const override { return "TPrintSettings"; }
    // Raises EInvalidCast for a source of another class.
    void Assign(const TPersistent* Source) override;

    TStringList* TitleLines() const { return FTitleLines.get(); }
    void SetTitleLines(const TStrings* v) { FTitleLines->Assign(v); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* v) { FFont->Assign(v); }
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(const TFont* v) { FFixedFont->Assign(v); }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont* v) { FHeaderFont->Assign(v); }
    TFont* FooterFont() const { return FFooterFont.get(); }
    void SetFooterFont(const TFont* v) { FFooterFont->Assign(v); }

    QV_PLAIN_PROP(int, FooterSize, 0)
    QV_PLAIN_PROP(int, HeaderSize, 0)
    QV_PLAIN_PROP(TPrintPosition, Time, ppNone)
    QV_PLAIN_PROP(TPrintPosition, Date, ppNone)
    QV_PLAIN_PROP(String, DateFormat, "dd/mm/yyyy")
    QV_PLAIN_PROP(TPrintPosition, PageNr, ppNone)
    QV_PLAIN_PROP(TPrintPosition, Title, ppNone)
    QV_PLAIN_PROP(String, TitleText, String())
    QV_PLAIN_PROP(TPrintBorders, Borders, pbSingle)
    QV_PLAIN_PROP(TPenStyle, BorderStyle, psSolid)
    QV_PLAIN_PROP(TColor, BorderColor, clBlack)
    QV_PLAIN_PROP(bool, Centered, true)
    QV_PLAIN_PROP(bool, RepeatFixedRows, false)
    QV_PLAIN_PROP(bool, RepeatFixedCols, false)
    QV_PLAIN_PROP(int, LeftSize, 0)
    QV_PLAIN_PROP(int, RightSize, 0)
    QV_PLAIN_PROP(int, ColumnSpacing, 0)
    QV_PLAIN_PROP(int, RowSpacing, 0)
    QV_PLAIN_PROP(int, TitleSpacing, 0)
    QV_PLAIN_PROP(TPrinterOrientation, Orientation, poPortrait)
    QV_PLAIN_PROP(String, PagePrefix, String())
    QV_PLAIN_PROP(String, PageSuffix, String())
    QV_PLAIN_PROP(int, PageNumberOffset, 0)
    QV_PLAIN_PROP(int, MaxPagesOffset, 0)
    QV_PLAIN_PROP(int, FixedWidth, 0)
    QV_PLAIN_PROP(int, FixedHeight, 0)
    QV_PLAIN_PROP(bool, UseFixedHeight, false)
    QV_PLAIN_PROP(bool, UseFixedWidth, false)
    QV_PLAIN_PROP(TFitToPage, FitToPage, fpNever)
    QV_PLAIN_PROP(String, JobName, String())
    QV_PLAIN_PROP(String, PageNumSep, "/")
    QV_PLAIN_PROP(bool, NoAutoSize, false)
    QV_PLAIN_PROP(bool, NoAutoSizeRow, false)
    QV_PLAIN_PROP(bool, PrintGraphics, false)
    QV_PLAIN_PROP(bool, UseDisplayFont, true)
    QV_PLAIN_PROP(bool, UseDefaultOrientation, false)
    QV_PLAIN_PROP(bool, FixedCellsAlways, false)

private:
    [[maybe_unused]] TQvStringGrid* FGrid;
    std::unique_ptr<TStringList> FTitleLines;
    std::unique_ptr<TFont> FFont, FFixedFont, FHeaderFont, FFooterFont;
};

class TFilterData : public TPersistent {
public:
    String ClassName() const override { return "TFilterData"; }
    // Raises EInvalidCast for a source of another class; no source does nothing.
    void Assign(const TPersistent* Source) override;

    QV_PLAIN_PROP(int16_t, Column, 0)
    QV_PLAIN_PROP(String, Condition, String())
    QV_PLAIN_PROP(bool, CaseSensitive, true)
    QV_PLAIN_PROP(TFilterCells, Data, fcVirtual)
    QV_PLAIN_PROP(String, Prefix, String())
    QV_PLAIN_PROP(String, Suffix, String())
    QV_PLAIN_PROP(TFilterOperation, Operation, foSHORT)
    QV_PLAIN_PROP(TFilterMethod, Method, fmExpression)
};

// The filter conditions of a grid, joined in order by each one's Operation.
class TFilter : public TPersistent {
public:
    explicit TFilter(TQvStringGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return "TFilter"; }
    TQvStringGrid* GetOwner() const { return FGrid; }
    void Assign(const TPersistent* Source) override;

    int Count() const { return static_cast<int>(FItems.size()); }
    TFilterData* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
    TFilterData* Add();
    // Appends at the end whatever the index, and leaves the operation foSHORT.
    TFilterData* Insert(int Index);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    // The first condition of the column; a new one is added when there is none.
    TFilterData* ColumnFilter(int Col);
    bool HasFilter(int Col) const;
    void RemoveColumnFilter(int Col);

private:
    [[maybe_unused]] TQvStringGrid* FGrid;
    std::vector<std::unique_ptr<TFilterData>> FItems;
};

class TSortSettings : public TPersistent {
public:
    explicit TSortSettings(TQvStringGrid* AGrid);
    ~TSortSettings() override;
    String ClassName() const override { return "TSortSettings"; }
    void Assign(const TPersistent* Source) override;

    bool Show() const { return FShow; }
    void SetShow(bool v);
    int Row() const { return FRow; }
    // Raises EQvGridError when the row is not one of the fixed rows.
    void SetRow(int v);
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor v) { SetHeaderLook(FHeaderColor, v); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor v) { SetHeaderLook(FHeaderColorTo, v); }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor v) { SetHeaderLook(FHeaderMirrorColor, v); }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor v) { SetHeaderLook(FHeaderMirrorColorTo, v); }
    TBitmap* UpGlyph() const { return FUpGlyph.get(); }
    void SetUpGlyph(const TBitmap* v) { FUpGlyph->Assign(v); }
    TBitmap* DownGlyph() const { return FDownGlyph.get(); }
    void SetDownGlyph(const TBitmap* v) { FDownGlyph->Assign(v); }
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
    void SetIndexUpGlyph(const TBitmap* v) { FIndexUpGlyph->Assign(v); }
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
    void SetIndexDownGlyph(const TBitmap* v) { FIndexDownGlyph->Assign(v); }

    void Remove();
    void ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }
    // "u3" / "d3" (direction and column) or, with IndexShow, "i;" and the sort index as text.
    String SaveToString() const;
    // Nothing for an empty text. Otherwise shows the sort glyph, takes the direction and column (or the
    // index) and sorts the grid; raises EQvGridError for a text of one character. A column part that is no
    // number sorts nothing.
    void LoadFromString(const String& Value);

    QV_PLAIN_PROP(bool, AutoSortForGrouping, true)
    QV_PLAIN_PROP(bool, AutoColumnMerge, false)
    QV_PLAIN_PROP(int, Column, -1)
    QV_PLAIN_PROP(bool, IndexShow, false)
    QV_PLAIN_PROP(TColor, IndexColor, clYellow)
    QV_PLAIN_PROP(TIndexSortKey, IndexSortKey, ikShift)
    QV_PLAIN_PROP(bool, Full, true)
    QV_PLAIN_PROP(bool, SingleColumn, false)
    QV_PLAIN_PROP(bool, IgnoreBlanks, false)
    QV_PLAIN_PROP(TSortBlankPosition, BlankPos, blFirst)
    QV_PLAIN_PROP(bool, AutoFormat, true)
    QV_PLAIN_PROP(TSortDirection, Direction, sdAscending)
    QV_PLAIN_PROP(bool, IgnoreCase, false)
    QV_PLAIN_PROP(TSortDirection, InitSortDirection, sdAscending)
    QV_PLAIN_PROP(bool, FixedCols, false)
    QV_PLAIN_PROP(bool, NormalCellsOnly, false)
    QV_PLAIN_PROP(bool, UndoSort, false)
    QV_PLAIN_PROP(bool, SortOnVirtualCells, true)

private:
    void SetHeaderLook(TColor& field, TColor v);
    void RepaintSortRow();
    [[maybe_unused]] TQvStringGrid* FGrid;
    bool FShow = false;
    int FRow = 0;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
    std::unique_ptr<TBitmap> FUpGlyph, FDownGlyph, FIndexUpGlyph, FIndexDownGlyph;
};

class TGrouping : public TPersistent {
public:
    String ClassName() const override { return "TGrouping"; }
    void Assign(const TPersistent* Source) override;

    QV_PLAIN_PROP(bool, AutoSelectGroup, false)
    QV_PLAIN_PROP(bool, AutoCheckGroup, false)
    QV_PLAIN_PROP(String, GroupCountFormat, String())
    QV_PLAIN_PROP(TColor, HeaderColor, clNone)
    QV_PLAIN_PROP(TColor, HeaderColorTo, clNone)
    QV_PLAIN_PROP(TColor, HeaderTextColor, clNone)
    QV_PLAIN_PROP(bool, HeaderUnderline, false)
    QV_PLAIN_PROP(TColor, HeaderLineColor, clBlue)
    QV_PLAIN_PROP(int, HeaderLineWidth, 2)
    QV_PLAIN_PROP(bool, MergeHeader, false)
    QV_PLAIN_PROP(bool, MergeSummary, false)
    QV_PLAIN_PROP(bool, ShowGroupCount, false)
    QV_PLAIN_PROP(bool, Summary, false)
    QV_PLAIN_PROP(TColor, SummaryColor, clNone)
    QV_PLAIN_PROP(TColor, SummaryColorTo, clNone)
    QV_PLAIN_PROP(TColor, SummaryTextColor, clNone)
    QV_PLAIN_PROP(bool, SummaryLine, false)
    QV_PLAIN_PROP(TColor, SummaryLineColor, clBlue)
    QV_PLAIN_PROP(int, SummaryLineWidth, 2)
};

// Whether dropped rich text is taken as such, for every grid of the process.
bool GridDragDropAcceptRTF();

class TDragDropSettings : public TPersistent {
public:
    explicit TDragDropSettings(TQvStringGrid* AGrid);
    ~TDragDropSettings() override;
    String ClassName() const override { return "TDragDropSettings"; }
    void Assign(const TPersistent* Source) override;

    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool v);
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool v);
    // Whether the grid's window is registered as a drop target. The target reads the accept settings below
    // as each drag enters.
    bool DropTargetRegistered() const { return FRegistered; }

    QV_PLAIN_PROP(bool, ShowCells, true)
    QV_PLAIN_PROP(bool, OleAcceptFiles, true)
    QV_PLAIN_PROP(bool, OleAcceptText, true)
    QV_PLAIN_PROP(bool, OleAcceptURLs, true)
    QV_PLAIN_PROP(bool, OleAppendRows, false)
    QV_PLAIN_PROP(bool, OleColumnDragDrop, false)
    QV_PLAIN_PROP(bool, OleColumnReorder, false)
    QV_PLAIN_PROP(bool, OleColumnsOnly, false)
    QV_PLAIN_PROP(bool, OleCopyAlways, false)
    QV_PLAIN_PROP(bool, OleDropSource, false)
    QV_PLAIN_PROP(bool, OleEntireRows, false)
    QV_PLAIN_PROP(bool, OleInsertRows, false)
    QV_PLAIN_PROP(bool, OleRemoveRows, false)

private:
    TQvStringGrid* FGrid;
    bool FOleDropTarget = false;
    bool FOleDropRTF = false;
    bool FRegistered = false;
    std::unique_ptr<TGridDropTarget> FTarget;
};

class TFilterDropDown : public TPersistent {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;
    String ClassName() const override { return "TFilterDropDown"; }
    void Assign(const TPersistent* Source) override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* v) { FFont->Assign(v); }
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* v);
    TBitmap* GlyphActive() const { return FGlyphActive.get(); }
    void SetGlyphActive(const TBitmap* v);

    QV_PLAIN_PROP(bool, AutoSize, false)
    QV_PLAIN_PROP(TColor, Color, clWindow)
    QV_PLAIN_PROP(bool, ColumnWidth, false)
    QV_PLAIN_PROP(int, Height, 150)
    QV_PLAIN_PROP(int, Width, 150)

public:
    TNotifyEvent OnChange;

private:
    void GlyphChanged();
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TBitmap> FGlyph, FGlyphActive;
};

class TStringGridRow;

// One row taken out of the visible grid, with its cell texts and their properties objects. A row hidden by
// the grid keeps the grid's own store of it (moved, not copied); the list of texts and objects is built from
// it on first use, and from then on the list is the row.
class TGridItem : public TObject {
public:
    TGridItem();
    // Keeps the grid's store of a row with Cols columns (nullptr: a row that never held anything).
    TGridItem(std::unique_ptr<TStringGridRow> Row, int Cols);
    TGridItem(TGridItem&&) noexcept;
    TGridItem& operator=(TGridItem&&) noexcept;
    ~TGridItem() override;
    String ClassName() const override { return "TGridItem"; }
    // The texts and properties objects, one a column.
    TStringList* Items() const;
    // Takes the list over; it is not copied.
    void SetItems(std::unique_ptr<TStringList> v);
    // Whether the item still keeps the grid's store of the row (the list was never asked for): then the row
    // goes back by pointer. Taking it leaves the item a row of no columns.
    bool HoldsRow() const { return !FItems; }
    std::unique_ptr<TStringGridRow> TakeRow();
    // Every object the row holds, without building the list.
    void ForEachObject(const std::function<void(TObject*)>& F) const;

    QV_PLAIN_PROP(int, Idx, 0)
    QV_PLAIN_PROP(int, Height, 0)
    QV_PLAIN_PROP(int, Level, 0)

private:
    mutable std::unique_ptr<TStringList> FItems;
    mutable std::unique_ptr<TStringGridRow> FRow;
    int FCols = 0;
};

// The hidden-row store; rows hidden or shown one by one walk through it once (a gap follows the changes).
class TGridItems : public TObject {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TGridItem* Items(int i) const;
    TGridItem* Add();
    // A new item at position i (clamped to the store).
    TGridItem* Insert(int i);
    // Puts `item` at position i (clamped to the store).
    void Put(int i, std::unique_ptr<TGridItem> item);
    // Takes the items at positions [From, To) out, in order.
    std::vector<std::unique_ptr<TGridItem>> Take(int From, int To);
    void Delete(int i);
    void Clear() { FItems.clear(); }
    // The items in order, for changes of many at once.
    std::vector<std::unique_ptr<TGridItem>>& List() { return FItems.Contiguous(); }

private:
    TGapVector<std::unique_ptr<TGridItem>> FItems;
};

using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

// The single-choice value list of the filter drop-down.
class TDropList : public TListBox {
public:
    TDropList(TComponent* AOwner, TQvStringGrid* AGrid) : TListBox(AOwner), FGrid(AGrid) {}
    String ClassName() const override { return "TDropList"; }
    TDropSelectEvent OnSelect;

protected:
    void WndProc(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void Choose();
    TQvStringGrid* FGrid;
};

// The multi-choice value list: checking an item reports it and keeps the list open.
class TDropCheckList : public TListBox {
public:
    TDropCheckList(TComponent* AOwner, TQvStringGrid* AGrid) : TListBox(AOwner), FGrid(AGrid) {}
    String ClassName() const override { return "TDropCheckList"; }
    bool Checked(int Index) const;
    void SetChecked(int Index, bool v);
    TDropSelectEvent OnSelect;

protected:
    void WndProc(TMessage& Message) override;
    void KeyPress(QChar& Key) override;

private:
    TQvStringGrid* FGrid;
    std::vector<bool> FChecked;
};
