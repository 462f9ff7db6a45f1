// The editor table from the outside: every special editor kind opens the control of its entry over the cell
// (kinds of one entry share one control) or, without an entry, nothing, and closing hides the control and
// ends the edit.
#include "EditorGrid.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/grid/edit/GridSpin.h"

namespace editortabletest {
using namespace editorgrid;

struct KindCase {
    TEditorType Kind;
    // The class of the control the kind opens; nullptr for a kind without one.
    const char* Control;
};

const KindCase kKinds[] = {
    {edSpinEdit, "TGridSpin"},
    {edFloatSpinEdit, "TGridSpin"},
    {edTimeSpinEdit, "TGridSpin"},
    {edDateSpinEdit, "TGridSpin"},
    {edComboEdit, "TGridCombo"},
    {edComboList, "TGridCombo"},
    {edCheckBox, "TGridCheckBox"},
    {edEditBtn, "TGridEditBtn"},
    {edNumericEditBtn, "TGridEditBtn"},
    {edFloatEditBtn, "TGridEditBtn"},
    {edMaskEditBtn, "TGridEditBtn"},
    {edUnitEditBtn, "TGridUnitEditBtn"},
    {edNumericUnitEditBtn, "TGridUnitEditBtn"},
    {edFloatUnitEditBtn, "TGridUnitEditBtn"},
    {edDateEdit, "TGridDatePicker"},
    {edDateEditUpDown, "TGridDatePicker"},
    {edTimeEdit, "TGridDatePicker"},
    {edDateTimeEdit, "TGridDateTimePicker"},
    {edButton, "TGridButton"},
    {edRichEdit, "TQvRichEdit"},
    {edCustom, nullptr},
    {edTrackbarDropDown, "TGridTrackbarDropDown"},
    {edMemoDropDown, "TGridMemoDropDown"},
    {edCalculatorDropDown, "TGridCalculatorDropDown"},
    {edTimePickerDropDown, "TGridTimepickerDropDown"},
    {edDetailDropDown, "TGridDetailPickerDropDown"},
    {edGridDropDown, "TGridGridDropDown"},
    {edColorPickerDropDown, "TGridColorDropDown"},
    {edImagePickerDropDown, "TGridImageDropDown"},
    {edQvGridDropDown, "TGridQvGridDropDown"},
};

TEST(EditorTable, EachSpecialKindOpensItsEntrysControlOverTheCellOrNothing) {
    for (const auto& k : kKinds) {
        SCOPED_TRACE(int(k.Kind));
        EditorGrid f;
        TQvStringGrid* g = f.grid;
        g->SetCells(1, 1, "7");
        const TEditorType kind = k.Kind;
        g->OnGetEditorType = [kind](TObject*, int, int, TEditorType& e) { e = kind; };
        f.Go(1, 1);
        Key(Qt::Key_F2);
        EXPECT_TRUE(g->EditSession().EditMode);
        EXPECT_TRUE(g->EditActive());
        TWinControl* control = g->EditorControl(k.Kind, false);
        if (k.Control) {
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->ClassName(), k.Control);
            if (control->ClassName() == "TGridSpin") {
                EXPECT_EQ(control, g->SpinEdit());
            }
            if (control->ClassName() == "TGridCombo") {
                EXPECT_EQ(control, g->Combobox());
            }
            EXPECT_TRUE(control->Visible());
            EXPECT_EQ(f.Focused(), control);
            // Over the cell, leaving its grid lines free; the button covers them.
            const TRect cell = g->CellRect(1, 1);
            const int out = k.Kind == edButton ? 1 : 0;
            EXPECT_EQ(TPoint(control->Left(), control->Top()), TPoint(cell.Left - out, cell.Top - out));
            EXPECT_EQ(control->Width(), cell.Right - cell.Left - 1 + 2 * out);
            g->HideInplaceEdit();
            EXPECT_FALSE(control->Visible());
            EXPECT_FALSE(control->Enabled());
        } else {
            EXPECT_EQ(control, nullptr);
            EXPECT_EQ(f.Focused(), g);
            g->HideInplaceEdit();
            EXPECT_EQ(g->Cells(1, 1), "7");
        }
        EXPECT_FALSE(g->EditSession().EditMode);
        EXPECT_FALSE(g->EditActive());
        EXPECT_EQ(f.Focused(), g);
    }
}

} // namespace editortabletest
