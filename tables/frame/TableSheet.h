// The sheet of a table window: everything that makes one table editor differ from another, as data.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/Types.h"

#include <QStringList>
#include <functional>
#include <vector>

class ITableCells;

// Cell tints of the table grids.
constexpr TColor Tint_Orange = 11589887;   // RGB(255,216,176)
constexpr TColor Tint_Cyan = 16710368;     // RGB(224,250,254)
constexpr TColor Tint_Green = 11075496;    // RGB(168,255,168)
constexpr TColor Tint_Pink = 16045820;     // RGB(252,214,244)
constexpr TColor Tint_Yellow = 11075583;   // RGB(255,255,168)
constexpr TColor Tint_Lavender = 16766421; // RGB(213,213,255)
constexpr TColor Tint_Mint = 13303754;     // RGB(202,255,202)
constexpr TColor Tint_Honeydew = 13565902; // RGB(206,255,206)
constexpr TColor Tint_Cream = 14024703;    // RGB(255,255,213)
constexpr TColor Tint_White = clWhite;
// RGB(145,222,255) and RGB(201,228,228).
constexpr TColor Tint_LightBlue = 16768657;
constexpr TColor Tint_GreyBlue = 15000777;

// What loading does with a column whose attribute the row element lacks (or that is not stored).
enum class TTableMissing {
    Required, // the loading stops at this attribute
    Default,  // the cell gets Default
    Keep,     // the cell keeps its cleared value
};

struct TTableColumn {
    Integer Header = 0; // text number
    Integer Width = 64;
    TEditorType Editor = edNormal;
    TColor Tint = Tint_White;
    QStringList Items;
    // The row attribute that stores the cell; empty for a column that is not stored.
    String Attribute;
    TTableMissing Missing = TTableMissing::Required;
    // The default of a missing attribute; for a column that is not stored with SetOnLoad, the value every
    // row read puts into it.
    String Default;
    // The text a showing clears the cell to (the Enable column's is "Y").
    String Cleared;
    bool SetOnLoad = false;
    Integer Hint = 0;  // text number of the header hint; 0 for none
    bool Shown = true; // visible after every showing
    // The longest text the cell editor takes; 0: no limit.
    Integer MaxLength = 0;
    // A stored value that is not the cell text (an index into a list, say): the attribute from the row, and
    // the row from the attribute. Both or neither.
    std::function<String(const ITableCells&, Integer row)> ToAttribute;
    std::function<void(ITableCells&, Integer row, const String& value)> FromAttribute;
};

// The first failing test of a row: its message text number and, for the tests that add one, the limit
// written right after the message. Message 0: the row passes.
struct TRowFault {
    Integer Message = 0;
    String Limit;
    // The message stands alone, without the row prefix and number: a total over the rows so far.
    bool Unprefixed = false;
    explicit operator bool() const { return Message != 0; }
};

// The cells of one row as the tests see them.
class TTableRow {
public:
    TTableRow(const ITableCells& cells, Integer row, Integer* total = nullptr)
        : FCells(cells), FRow(row), FTotal(total) {}
    Integer Row() const { return FRow; }
    String Text(Integer col) const;
    // The cell read as a whole number (Read_Table_Int), `def` when it does not read.
    Integer Number(Integer col, Integer def = -1) const;
    bool Shown(Integer col) const;
    // A running total that the row tests of one grid share during one check, 0 before its first row.
    Integer& Total() const { return FTotal ? *FTotal : FOwnTotal; }

private:
    const ITableCells& FCells;
    Integer FRow;
    Integer* FTotal;
    mutable Integer FOwnTotal = 0;
};

// The attributes of one row element, for a grid that reads more of it than its columns.
class ITableRowAttributes {
public:
    virtual ~ITableRowAttributes() = default;
    virtual bool Has(const String& name) const = 0;
    virtual String Value(const String& name) const = 0;
};

struct TTableGrid {
    String Name; // the grid component, "ACG_Modbus_Read"
    String Page; // its tab sheet, "TS_Modbus_Read"
    Integer PageCaption = 0;
    Integer RowErrorPrefix = 0; // 0: the sheet's
    String Section;             // the element holding its rows; empty: the root itself
    String RowElement = QStringLiteral("row");
    Integer DataRows = 512;
    // When set, the number of data rows as the window decides it at each showing, in place of DataRows.
    std::function<Integer()> ShowRows;
    std::vector<TTableColumn> Columns; // column 0, the row numbers, included
    // -1: no cell ends the table; every data row is checked and written.
    Integer KeyColumn = 1;
    // False: only a key cell that is empty as it stands ends the table; blanks are a value the tests see.
    bool KeyTrimmed = true;
    // When set, the key column as the window decides it at each showing, in place of KeyColumn.
    const Integer* LiveKeyColumn = nullptr;
    Integer EnableColumn = -1; // -1: no Enable column
    bool EnableTrimmed = true; // false: only an Enable cell of exactly "Y" is checked
    bool ShowsHints = false;
    bool EnterMovesOn = true;
    bool ClickSelectsRow = true;
    bool InsertPutsEnable = false;
    // A double click on a header sizes the column (Grid_Auto_Size_Col).
    bool DblClickSizes = true;
    // Column borders can be dragged.
    bool ColSizing = true;
    // The Enable text counts as set when, trimmed, it is "Y" in any case.
    bool EnableIgnoresCase = false;
    // Grid options added to the frame's own (goAlwaysShowEditor, goDrawFocusSelected ...).
    unsigned ExtraOptions = 0;
    // The cells of the row under the mouse are highlighted.
    bool HoverRow = false;
    // A pick-list column whose items are the positions "0" .. capacity - 1, filled at every showing.
    Integer PositionColumn = -1;
    Integer Capacity = 0;
    // The tests of one enabled row up to the key, in their order; the first fault ends the check.
    std::function<TRowFault(const TTableRow&)> CheckRow;
    // After the columns of a row element are read: what the grid takes from attributes that are no column.
    std::function<void(const ITableRowAttributes&, ITableCells&, Integer row)> ReadRow;

    Integer Key() const { return LiveKeyColumn ? *LiveKeyColumn : KeyColumn; }
};

// Texts of the window's block by number; 0 leaves the design's text.
struct TTableTexts {
    Integer Caption = 0;
    Integer Description = 0;
    Integer Buttons[6] = {}; // OK, Cancel, Delete Row, Insert Row, Copy Row, Paste Row
    Integer ButtonHints[6] = {};
    Integer RowErrorPrefix = 0;
    Integer DeleteQuestion = 0;
    // Asked by OK when rows below the first row without a key hold data that will not be stored.
    Integer LostRowsQuestion = 0;
};

// The texts of a window whose block lays out as most do: caption, description and the six button captions
// from block + 0 .. + 7, the hints of the six buttons from `buttonHints` on.
TTableTexts Block_Texts(Integer block, Integer buttonHints, Integer rowErrorPrefix, Integer deleteQuestion,
                        Integer lostRowsQuestion);

struct TTableFault;

struct TTableSheet {
    // The path of the table file (a File_<table> variable, set when a configuration opens).
    const String* FilePath = nullptr;
    Integer ClientWidth = 0;  // 0: as designed
    Integer ClientHeight = 0; // 0: as designed
    TTableTexts Texts;
    String RootElement;
    String VersionComment; // empty: no comment after the root
    // After a showing the (first) grid takes the keyboard focus when it can.
    bool FocusGridOnShow = false;
    // Delete, Insert, Copy and Paste Row are shown (else only OK and Cancel).
    bool RowButtons = true;
    // Every showing opens the first page; false: the page active when the window was last closed.
    bool FirstPageOnShow = true;
    std::vector<TTableGrid> Grids;
    // A test across rows and grids, run once every row has passed its own tests (the used rows only).
    std::function<TTableFault(const std::vector<const ITableCells*>&)> CheckTable;
};
