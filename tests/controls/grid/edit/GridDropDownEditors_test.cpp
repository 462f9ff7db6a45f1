// The grid's drop-down editors driven by real keys and clicks: Alt+Down opens each popup instead of leaving
// the cell, Escape leaves the cell as it was, the leaving keys store and validate (a refused value keeps
// the editor with that value selected), End with the popup closed and open, the calculator's pending
// operation, and the colour picker's own leaving keys.
#include "EditorGrid.h"
#include "controls/grid/edit/GridDropDownEditors.h"

namespace griddropdowneditorstest {
using namespace editorgrid;

namespace {

enum class Step { AltDown, AltUp, Escape, Enter, Up, Down, Home, End, Plus, Two, Three, Seven };

void Press(Step s) {
    switch (s) {
    case Step::AltDown:
        return Key(Qt::Key_Down, QString(), Qt::AltModifier);
    case Step::AltUp:
        return Key(Qt::Key_Up, QString(), Qt::AltModifier);
    case Step::Escape:
        return editorgrid::Escape();
    case Step::Enter:
        return editorgrid::Enter();
    case Step::Up:
        return Key(Qt::Key_Up);
    case Step::Down:
        return Key(Qt::Key_Down);
    case Step::Home:
        return Key(Qt::Key_Home);
    case Step::End:
        return Key(Qt::Key_End);
    case Step::Plus:
        return Key(Qt::Key_Plus, "+");
    case Step::Two:
        return Key(Qt::Key_2, "2");
    case Step::Three:
        return Key(Qt::Key_3, "3");
    case Step::Seven:
        return Key(Qt::Key_7, "7");
    }
}

// Column 1 of row 2 holds the cell under test; its kind is set per case. A refusing validation answers
// "99" for whatever it is given.
struct DropDownGrid : EditorGrid {
    TEditorType kind = edNormal;
    bool refuse = false;
    std::vector<String> validated;
    DropDownGrid() {
        grid->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
            if (c == 1) e = kind;
        };
        grid->OnCellValidate = [this](TObject*, int, int, String& value, bool& valid) {
            validated.push_back(value);
            if (!refuse) return;
            value = "99";
            valid = false;
        };
    }
    TQvCustomDropDown* Editor() const {
        return dynamic_cast<TQvCustomDropDown*>(grid->EditorControl(kind, false));
    }
    bool EditorOpen() const { return Editor() && Editor()->Visible(); }
};

struct KeyCase {
    const char* name;
    TEditorType kind;
    String cell;
    std::vector<Step> keys;
    bool refuse;
    // After the keys: the editor open and its popup, the current row, the cell's text and, while the
    // editor stays, its text and selection.
    bool open;
    bool dropped;
    int row;
    String stored;
    String editorText = String();
    int selStart = -1;
    int selLength = -1;
    // Whether validation ran (the rule for the colour picker's leaving keys).
    bool validatedOnce = false;
};

const TEditorType kAllKinds[] = {edTrackbarDropDown,    edMemoDropDown,        edCalculatorDropDown,
                                 edTimePickerDropDown,  edDetailDropDown,      edGridDropDown,
                                 edColorPickerDropDown, edImagePickerDropDown, edQvGridDropDown};

std::vector<KeyCase> Cases() {
    std::vector<KeyCase> cases;
    for (TEditorType kind : kAllKinds) {
        cases.push_back(
            {"Alt+Down opens the popup", kind, "12", {Step::AltDown}, false, true, true, 2, "12"});
        cases.push_back({"Escape from the open popup restores",
                         kind,
                         "12",
                         {Step::AltDown, Step::Escape},
                         false,
                         false,
                         false,
                         2,
                         "12"});
    }
    const std::vector<KeyCase> more = {
        {"Escape after typing restores",
         edCalculatorDropDown,
         "12",
         {Step::Seven, Step::Escape},
         false,
         false,
         false,
         2,
         "12"},
        {"Enter stores and validates",
         edCalculatorDropDown,
         "",
         {Step::Seven, Step::Enter},
         false,
         false,
         false,
         2,
         "7.00",
         "",
         -1,
         -1,
         true},
        {"pending 2 + 3 is stored as 5",
         edCalculatorDropDown,
         "",
         {Step::AltDown, Step::Two, Step::Plus, Step::Three, Step::Enter},
         false,
         false,
         false,
         2,
         "5.00",
         "",
         -1,
         -1,
         true},
        {"refused Enter keeps the editor with the value selected",
         edCalculatorDropDown,
         "4",
         {Step::Seven, Step::Enter},
         true,
         true,
         false,
         2,
         "",
         "99.00",
         0,
         5,
         true},
        {"refused Up keeps the editor and the row",
         edCalculatorDropDown,
         "4",
         {Step::Seven, Step::Up},
         true,
         true,
         false,
         2,
         "",
         "99.00",
         0,
         5,
         true},
        {"End with the popup closed moves the caret",
         edMemoDropDown,
         "abc",
         {Step::Home, Step::End},
         false,
         true,
         false,
         2,
         "abc",
         "abc",
         3,
         0},
        {"End with the popup open closes the editor",
         edCalculatorDropDown,
         "",
         {Step::Seven, Step::AltDown, Step::End},
         false,
         false,
         false,
         2,
         "7.00"},
        {"colour popup keeps Up and Down",
         edColorPickerDropDown,
         "",
         {Step::AltDown, Step::Down, Step::Up},
         false,
         true,
         true,
         2,
         ""},
        // Red chosen, then a key with the popup closed.
        {"colour: Up with the popup closed leaves upwards, validated",
         edColorPickerDropDown,
         "",
         {Step::Up},
         false,
         false,
         false,
         1,
         "",
         "",
         -1,
         -1,
         true},
        {"colour: Home closes without moving, validated",
         edColorPickerDropDown,
         "",
         {Step::Home},
         false,
         false,
         false,
         2,
         "",
         "",
         -1,
         -1,
         true},
        {"colour: a refused Down keeps the editor",
         edColorPickerDropDown,
         "",
         {Step::Down},
         true,
         true,
         false,
         2,
         "",
         "",
         -1,
         -1,
         true},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}

} // namespace

TEST(GridDropDownEditors, KeysFromTheTable) {
    for (const KeyCase& c : Cases()) {
        SCOPED_TRACE(testing::Message() << c.name << " kind " << int(c.kind));
        DropDownGrid g;
        g.kind = c.kind;
        g.grid->SetCells(1, 2, c.cell);
        g.Go(1, 2);
        Key(Qt::Key_F2);
        QApplication::processEvents();
        ASSERT_TRUE(g.EditorOpen());
        g.refuse = c.refuse;
        // A colour that differs from the cell's, so that validation has a new value to look at.
        if (c.kind == edColorPickerDropDown) g.grid->ColorPickerDropDown()->SetSelectedColor(clRed);
        for (Step s : c.keys) {
            Press(s);
            QApplication::processEvents();
        }
        EXPECT_EQ(g.EditorOpen(), c.open);
        EXPECT_EQ(g.Editor()->DroppedDown(), c.dropped);
        EXPECT_EQ(g.grid->Row(), c.row);
        if (c.validatedOnce) {
            EXPECT_FALSE(g.validated.empty());
        }
        if (!c.open) {
            // A colour cell's text is the colour's name: only the other kinds store what was typed.
            if (c.kind != edColorPickerDropDown) {
                EXPECT_EQ(g.grid->Cells(1, 2), c.stored);
            }
            if (c.keys.back() == Step::Escape) {
                EXPECT_TRUE(g.validated.empty());
            }
            continue;
        }
        if (c.selStart < 0) continue;
        EXPECT_EQ(g.Editor()->Text(), c.editorText);
        EXPECT_EQ(g.Editor()->SelStart(), c.selStart);
        EXPECT_EQ(g.Editor()->SelLength(), c.selLength);
    }
}

// The colour chosen in the picker reaches the cell's colour and its text, and OnColorSelect reports it.
TEST(GridDropDownEditors, ColourPickerStoresTheColour) {
    DropDownGrid g;
    g.kind = edColorPickerDropDown;
    TColor reported = clNone;
    g.grid->OnColorSelect = [&](TObject*, int, int, TColor color, const String&) { reported = color; };
    g.Go(1, 2);
    Key(Qt::Key_F2);
    QApplication::processEvents();
    auto* picker = g.grid->ColorPickerDropDown();
    picker->SetSelectedColor(clRed);
    picker->SetItemIndex(1);
    const TColor chosen = picker->SelectedColor();
    EXPECT_EQ(reported, chosen);
    Enter();
    QApplication::processEvents();
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(g.grid->Colors(1, 2), chosen);
    EXPECT_EQ(g.grid->Cells(1, 2), picker->SelectedColorText());
}

// The grid's properties make each editor once, in the grid's style, on the grid.
TEST(GridDropDownEditors, PropertiesMakeEachEditorOnce) {
    EditorGrid g;
    const std::vector<std::pair<TControl*, TControl*>> reads = {
        {g.grid->TrackbarDropDown(), g.grid->TrackbarDropDown()},
        {g.grid->MemoDropDown(), g.grid->MemoDropDown()},
        {g.grid->CalculatorDropDown(), g.grid->CalculatorDropDown()},
        {g.grid->TimePickerDropDown(), g.grid->TimePickerDropDown()},
        {g.grid->DetailPickerDropDown(), g.grid->DetailPickerDropDown()},
        {g.grid->GridDropDown(), g.grid->GridDropDown()},
        {g.grid->ColorPickerDropDown(), g.grid->ColorPickerDropDown()},
        {g.grid->ImagePickerDropDown(), g.grid->ImagePickerDropDown()},
        {g.grid->QvGridDropDown(), g.grid->QvGridDropDown()},
    };
    for (const auto& [first, second] : reads) {
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first, second);
        EXPECT_EQ(first->Parent(), g.grid);
        EXPECT_FALSE(first->Visible());
    }
    EXPECT_FALSE(g.grid->TimePickerDropDown()->FocusDraw());
    EXPECT_GT(g.grid->ColorPickerDropDown()->Colors()->Count(), 0);
}

// OnGetEditorPropInt follows OnGetEditorProp with the cell being opened.
TEST(GridDropDownEditors, EditorPropIntGetsTheCell) {
    DropDownGrid g;
    g.kind = edCalculatorDropDown;
    std::vector<std::pair<int, int>> cells;
    g.grid->OnGetEditorPropInt = [&](TObject*, int c, int r) { cells.emplace_back(c, r); };
    g.Go(1, 3);
    Key(Qt::Key_F2);
    QApplication::processEvents();
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{1, 3}}));
}

} // namespace griddropdowneditorstest
