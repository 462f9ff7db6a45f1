// The grid library's shared vocabulary: enumerations, event types, small lists and the option objects.
#pragma once

#include "controls/grid/PlainProperty.h"
#include "toolkit/system/Classes.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/Types.h"
#include "toolkit/graphics/Canvas.h"

#include <QStringList>

#include <memory>
#include <vector>

class TCanvas;
class TControl;
class TQvStringGrid;

// The ordinal values of these enumerations are stored in settings files and compared by number:
// never reorder them.

enum TEditorType {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edQvGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn,
};

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = unsigned;
constexpr TCellBorders CellBorderFlag(TCellBorder b) {
    return 1u << b;
}

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

enum TSortStyle {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase,
};

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum TQvGridButtonStyle { tasButton, tasCheck };
enum TSearchDirection { sdTopBottom, sdLeftRight };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// Event types: the argument order is part of the interface (several cell events pass the row first).
using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, String& FloatFormat)>;
using TOnResizeEvent = std::function<void(TObject* Sender)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, String& hintstr)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, String& Anchor)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const String& Anchor)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const String& str1, const String& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent =
    std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, String& aPrefix, String& aSuffix)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen,
                                                TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, String& hintstr)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& S)>;
using TGridBalloonEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, String& ATitle, String& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const String& Value, bool& DefaultSearch)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

// A list of 32-bit integers that belongs to one cell and reports its changes with that cell.
class TIntList : public TObject {
public:
    TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    int Items(int i) const;
    void SetItems(int i, int value);
    void Add(int value);
    void Insert(int index, int value);
    void Delete(int index);
    void DeleteValue(int value);
    bool HasValue(int value) const;
    void Clear() { FItems.clear(); }

    String StrValue() const;
    // Raises EConvertError at the first part that is no integer; the parts before it stay added.
    void SetStrValue(const String& value);

    TImageChangeEvent OnChange;

protected:
    void Changed();

private:
    int FCol;
    int FRow;
    std::vector<int> FItems;
};

// Sort keys: the column in bits 0..30, bit 31 set for descending.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    int FindIndex(int ColumnIndex) const;
    void ToggleIndex(int ColumnIndex);
    int SortColumns(int i) const;
    void SetSortColumns(int i, int column);
    bool SortDirections(int i) const;
    void SetSortDirections(int i, bool ascending);
    // "u2;d0": u for ascending, d for descending, then the column.
    String SaveToString() const;
    void LoadFromString(const String& value);
};

class TControlItem : public TObject {
public:
    TControlItem(int AX, int AY, TControl* AControl) : X(AX), Y(AY), Control(AControl) {}
    int X;
    int Y;
    TControl* Control; // not owned
};

// The controls placed in cells; owns its items, not the controls.
class TControlList : public TObject {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void AddControl(int X, int Y, TControl* AControl);
    int ControlIndex(int X, int Y) const;
    TControlItem* GetControl(int i) const;
    void RemoveControl(int i);

private:
    std::vector<std::unique_ptr<TControlItem>> FItems;
};

// Lines read and written one after another (grid text exchange).
class TFileStringList : public TObject {
public:
    QStringList& Lines() { return FLines; }
    const QStringList& Lines() const { return FLines; }
    int Count() const { return static_cast<int>(FLines.size()); }

    void Reset();
    // Raises EListError past the last line.
    String ReadLn();
    bool Eof() const { return fp >= FLines.size(); }
    void Write(const String& s) { cache += s; }
    void WriteLn(const String& s);

private:
    QStringList FLines;
    qsizetype fp = 0;
    String cache;
};

class TSearchFooter : public TPersistent {
public:
    TSearchFooter(TComponent* AOwner, bool DesignTime);
    ~TSearchFooter() override;
    String ClassName() const override { return "TSearchFooter"; }
    void Assign(const TPersistent* Source) override;

    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* v);
    String FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const String& v);
    String FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const String& v);
    String HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const String& v);
    String HintClose() const { return FHintClose; }
    void SetHintClose(const String& v);
    String HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const String& v);
    String HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const String& v);
    String HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const String& v);
    String MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const String& v);
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool v);
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool v);
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool v);
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool v);
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);

    QV_PLAIN_PROP(bool, AlwaysHighLight, false)
    QV_PLAIN_PROP(bool, AutoSearch, true)
    QV_PLAIN_PROP(bool, SearchActiveColumnOnly, false)
    QV_PLAIN_PROP(bool, SearchMatchStart, false)
    QV_PLAIN_PROP(bool, SearchFixedCells, false)
    QV_PLAIN_PROP(bool, SearchHiddenRows, false)
    QV_PLAIN_PROP(int, SearchColumn, -1)
    QV_PLAIN_PROP(TSearchDirection, SearchDirection, sdTopBottom)
    QV_PLAIN_PROP(String, LastSearch, String())

public:
    TNotifyEvent OnChange;

private:
    void Changed();
    bool ChangeFlag(bool& field, bool v);
    void ChangeText(String& field, const String& v);

    TComponent* FOwner;
    bool FAutoThemeAdapt = false;
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    std::unique_ptr<TFont> FFont;
    String FFindNextCaption, FFindPrevCaption, FHighLightCaption, FHintClose, FHintFindNext, FHintFindPrev,
        FHintHighlight, FMatchCaseCaption;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
};

class TNavigation : public TPersistent {
public:
    String ClassName() const override { return "TNavigation"; }
    void Assign(const TPersistent* Source) override;

    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection v);
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool v);
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool v);

    QV_PLAIN_PROP(bool, AllowInsertRow, false)
    QV_PLAIN_PROP(bool, AllowDeleteRow, false)
    QV_PLAIN_PROP(bool, AlwaysEdit, false)
    QV_PLAIN_PROP(bool, AdvanceOnEnter, false)
    QV_PLAIN_PROP(bool, AdvanceOnEnterLoop, true)
    QV_PLAIN_PROP(bool, AdvanceAutoEdit, true)
    QV_PLAIN_PROP(bool, AdvanceSkipReadOnlyCells, true)
    QV_PLAIN_PROP(bool, AutoGotoWhenSorted, false)
    QV_PLAIN_PROP(bool, AutoGotoIncremental, false)
    QV_PLAIN_PROP(bool, AutoComboDropSize, false)
    QV_PLAIN_PROP(bool, AllowClipboardShortCuts, false)
    QV_PLAIN_PROP(bool, AllowCtrlEnter, true)
    QV_PLAIN_PROP(bool, AllowSmartClipboard, false)
    QV_PLAIN_PROP(bool, AllowRTFClipboard, false)
    QV_PLAIN_PROP(bool, AllowFmtClipboard, false)
    QV_PLAIN_PROP(bool, AllowClipboardAlways, false)
    QV_PLAIN_PROP(bool, AllowClipboardRowGrow, true)
    QV_PLAIN_PROP(bool, AllowClipboardColGrow, true)
    QV_PLAIN_PROP(bool, AppendOnArrowDown, false)
    QV_PLAIN_PROP(bool, EditSelectAll, true)
    QV_PLAIN_PROP(TInsertPosition, InsertPosition, pInsertBefore)
    QV_PLAIN_PROP(TClipboardPasteAction, ClipboardPasteAction, paReplace)
    QV_PLAIN_PROP(bool, ComboGetUpDown, true)
    QV_PLAIN_PROP(TCursorAdvance, CursorAdvance, caDefault)
    QV_PLAIN_PROP(bool, CursorWalkEditor, false)
    QV_PLAIN_PROP(bool, CursorWalkAlwaysEdit, true)
    QV_PLAIN_PROP(bool, CursorMoveRows, false)
    QV_PLAIN_PROP(bool, MoveRowOnSort, false)
    QV_PLAIN_PROP(bool, KeepScrollOnSort, false)
    QV_PLAIN_PROP(bool, MoveScrollOnly, false)
    QV_PLAIN_PROP(bool, ImproveMaskSel, false)
    QV_PLAIN_PROP(bool, LeftRightRowSelect, true)
    QV_PLAIN_PROP(bool, CopyHTMLTagsToClipboard, true)
    QV_PLAIN_PROP(bool, KeepHorizScroll, false)
    QV_PLAIN_PROP(bool, LineFeedOnEnter, false)
    QV_PLAIN_PROP(THomeEndAction, HomeEndKey, heFirstLastColumn)
    QV_PLAIN_PROP(bool, SkipFixedCells, true)
    QV_PLAIN_PROP(bool, SkipDisabledRows, true)
    QV_PLAIN_PROP(bool, TabToNextAtEnd, false)
    QV_PLAIN_PROP(TAdvanceDirection, TabAdvanceDirection, adLeftRight)

public:
    TNotifyEvent OnChange;

private:
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceInsert = false;
    bool FAdvanceAuto = false;
};

class TMouseActions : public TPersistent {
public:
    explicit TMouseActions(TComponent* AOwner) : FOwner(AOwner) {}
    String ClassName() const override { return "TMouseActions"; }
    void Assign(const TPersistent* Source) override;

    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool v);
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool v);
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool v);
    // Writes the flag without clearing the other two disjunct selections.
    void SetDisjunctRowSelectDirect(bool v) { FDisjunctRowSelect = v; }
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool v);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool v);
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction v);
    const QStringList& FixedComboValues() const { return FFixedComboValues; }
    void SetFixedComboValues(const QStringList& v) { FFixedComboValues = v; }

    QV_PLAIN_PROP(bool, AllColumnSize, false)
    QV_PLAIN_PROP(bool, AllRowSize, false)
    QV_PLAIN_PROP(bool, AllSelect, false)
    QV_PLAIN_PROP(bool, AutoSizeColOnDblClick, true)
    QV_PLAIN_PROP(bool, CaretPositioning, false)
    QV_PLAIN_PROP(bool, CheckAllCheck, false)
    QV_PLAIN_PROP(bool, ColSelect, false)
    QV_PLAIN_PROP(bool, DirectComboClose, false)
    QV_PLAIN_PROP(bool, DirectComboDrop, false)
    QV_PLAIN_PROP(bool, DirectDateClose, false)
    QV_PLAIN_PROP(bool, DirectDateDrop, false)
    QV_PLAIN_PROP(bool, DirectEdit, false)
    QV_PLAIN_PROP(bool, DisjunctRowSelectNoCtrl, false)
    QV_PLAIN_PROP(TGridFixedCellEdit, FixedRowsEdit, fceNone)
    QV_PLAIN_PROP(TGridFixedCellEdit, FixedColsEdit, fceNone)
    QV_PLAIN_PROP(TGridFixedCellEditor, FixedRowsEditor, fceEdit)
    QV_PLAIN_PROP(TGridFixedCellEditor, FixedColsEditor, fceEdit)
    QV_PLAIN_PROP(bool, MoveRowOnNodeClick, false)
    QV_PLAIN_PROP(bool, NoAutoRangeScroll, false)
    QV_PLAIN_PROP(bool, NodeAllExpandContract, false)
    QV_PLAIN_PROP(bool, NoScrollOnPartialRow, false)
    QV_PLAIN_PROP(bool, PreciseCheckBoxCheck, false)
    QV_PLAIN_PROP(bool, PreciseNodeClick, true)
    QV_PLAIN_PROP(bool, RangeSelectAndEdit, false)
    QV_PLAIN_PROP(bool, RowSelect, false)
    QV_PLAIN_PROP(bool, RowSelectPersistent, false)
    QV_PLAIN_PROP(bool, SelectOnRightClick, false)
    QV_PLAIN_PROP(bool, SizeFixedCol, false)
    QV_PLAIN_PROP(bool, SizeFixedRow, false)
    QV_PLAIN_PROP(int, WheelIncrement, 0)

public:
    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;

private:
    // At design time the three disjunct selections exclude each other.
    bool DesignTimeExclusive();

    TComponent* FOwner;
    bool FHotmailRowSelect = false;
    bool FEditOnDblClickOnly = false;
    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    TWheelAction FWheelAction = waMoveSelection;
    QStringList FFixedComboValues;
};

class TSyncGrid : public TPersistent {
public:
    explicit TSyncGrid(TQvStringGrid* AOwner) : FOwner(AOwner) {}
    String ClassName() const override { return "TSyncGrid"; }
    void Assign(const TPersistent* Source) override;

    TQvStringGrid* Grid() const { return FGrid; }
    void SetGrid(TQvStringGrid* v);

    QV_PLAIN_PROP(bool, ScrollVertical, false)
    QV_PLAIN_PROP(bool, ScrollHorizontal, false)
    QV_PLAIN_PROP(bool, SelectionColumn, false)
    QV_PLAIN_PROP(bool, SelectionRow, false)
    QV_PLAIN_PROP(bool, MoveColumn, false)
    QV_PLAIN_PROP(bool, MoveRow, false)

private:
    TQvStringGrid* FOwner;
    TQvStringGrid* FGrid = nullptr; // not owned
};

class TBands : public TPersistent {
public:
    String ClassName() const override { return "TBands"; }
    void Assign(const TPersistent* Source) override;

    bool Active() const { return FActive; }
    void SetActive(bool v);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor v);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int v);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor v);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int v);
    int TotalLength() const { return FTotalLength; }

    QV_PLAIN_PROP(bool, Print, false)

public:
    TNotifyEvent OnChange;

private:
    void Changed();

    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    int FSecondaryLength = 1;
    int FTotalLength = 2;
};

class TFocusHelper : public TPersistent {
public:
    String ClassName() const override { return "TFocusHelper"; }
    void Assign(const TPersistent* Source) override;

    QV_PLAIN_PROP(bool, Enabled, false)
};

