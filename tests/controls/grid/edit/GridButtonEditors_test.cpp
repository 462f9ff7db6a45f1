// The grid's date, time, date-and-time, edit-button, unit and button editors driven by real keys: each kind
// opens by F2 and by a typed key, takes typed values (auto-tab through the date fields), stores on its
// leaving key and leaves the cell as it was on Escape; the ellipsis event, pasting by the kind's rules, a
// refused value and Tab.
#include "EditorGrid.h"
#include "controls/grid/edit/GridDatePicker.h"
#include "controls/grid/edit/GridEditBtn.h"
#include "toolkit/services/Clipboard.h"
#include "toolkit/system/SysUtils.h"

#include <QScrollBar>

namespace gridbuttoneditorstest {
using namespace editorgrid;

namespace {

TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    TDateTime date = 0, time = 0;
    TryDateFromParts(y, m, d, date);
    TryTimeFromParts(h, n, s, time);
    return date + time;
}

// Column 1's editor kind is set per case; the pickers show fixed formats, the unit cells know m and mm, and
// the ellipsis event appends "!".
struct ButtonEditorGrid : EditorGrid {
    TEditorType kind = edNormal;
    ButtonEditorGrid() {
        grid->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
            if (c == 1) e = kind;
        };
        grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
            if (kind == edDateEdit || kind == edTimeEdit)
                grid->DateTimePicker()->SetFormat(kind == edTimeEdit ? "HH:mm:ss" : "dd/MM/yyyy");
            if (kind == edDateTimeEdit) {
                grid->DateAndTimePicker()->SetFormat("dd/MM/yyyy");
                grid->DateAndTimePicker()->SetTimeFormat("HH:mm:ss");
            }
            if (kind == edUnitEditBtn || kind == edNumericUnitEditBtn) {
                TStringList units;
                units.Add("m");
                units.Add("mm");
                grid->BtnUnitEdit()->SetUnits(&units);
            }
        };
        grid->OnEllipsClick = [](TObject*, int, int, String& s) { s += "!"; };
        Go(1, 1);
    }
    void Type(const QString& keys) {
        for (QChar ch : keys) {
            editorgrid::Type(QString(ch));
            QApplication::processEvents(); // the auto-tab check and the start character are posted
        }
    }
};

struct KindCase {
    TEditorType kind;
    const char* className;
    String cell;
    // Typed on the cell to open the editor (empty: F2), then typed into it.
    const char* opening;
    const char* typed;
    int leaveKey;
    String stored;
};

std::vector<KindCase> Cases() {
    return {
        {edEditBtn, "TGridEditBtn", "abc", "", "xy", Qt::Key_Return, "xy"},
        {edEditBtn, "TGridEditBtn", "abc", "q", "r", Qt::Key_Return, "qr"},
        {edMaskEditBtn, "TGridEditBtn", "abc", "", "z", Qt::Key_Return, "z"},
        // Letters beep and "-" passes only first.
        {edNumericEditBtn, "TGridEditBtn", "5", "", "1a-2", Qt::Key_Return, "12"},
        {edNumericEditBtn, "TGridEditBtn", "5", "-", "3", Qt::Key_Down, "-3"},
        {edFloatEditBtn, "TGridEditBtn", "5", "", "1.5.2x", Qt::Key_Return, "1.52"},
        {edUnitEditBtn, "TGridUnitEditBtn", "12mm", "", "7", Qt::Key_Return, "7mm"},
        {edNumericUnitEditBtn, "TGridUnitEditBtn", "3m", "4", "a5", Qt::Key_Return, "45m"},
        {edDateEdit, "TGridDatePicker", "15/03/2024", "", "12052025", Qt::Key_Return, "12/05/2025"},
        {edDateEdit, "TGridDatePicker", "15/03/2024", "0", "4", Qt::Key_Return, "04/03/2024"},
        {edTimeEdit, "TGridDatePicker", "10:20:30", "", "073005", Qt::Key_Return, "07:30:05"},
        {edDateTimeEdit, "TGridDateTimePicker", CellDateTimeText(At(2024, 3, 15, 10, 20, 30)), "",
         "01022023073005", Qt::Key_Return, CellDateTimeText(At(2023, 2, 1, 7, 30, 5))},
        // Space clicks the button: the ellipsis event's text goes into the cell.
        {edButton, "TGridButton", "abc", "", " ", Qt::Key_Down, "abc!"},
    };
}

} // namespace

TEST(GridButtonEditors, EachKindOpensByF2OrATypedKeyStoresOnItsLeavingKeyAndEscapeKeepsTheCell) {
    SetDecimalSeparatorOverride(QChar('.'));
    for (const KindCase& c : Cases()) {
        for (const bool escape : {false, true}) {
            SCOPED_TRACE(QString("%1 %2 %3").arg(c.className).arg(int(c.kind)).arg(escape).toStdString());
            ButtonEditorGrid f;
            f.kind = c.kind;
            f.grid->SetCells(1, 1, c.cell);
            if (QString(c.opening).isEmpty())
                Key(Qt::Key_F2);
            else
                f.Type(c.opening);
            QApplication::processEvents();
            TWinControl* editor = f.grid->EditorControl(c.kind, false);
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->ClassName(), c.className);
            EXPECT_TRUE(editor->Visible());
            EXPECT_EQ(f.Focused(), editor);
            f.Type(c.typed);
            EXPECT_EQ(f.Focused() == editor || f.Focused()->Parent() == editor, true);
            if (escape) {
                Escape();
                EXPECT_EQ(f.grid->Cells(1, 1), c.cell);
            } else {
                Key(c.leaveKey, c.leaveKey == Qt::Key_Return ? "\r" : "");
                EXPECT_EQ(f.grid->Cells(1, 1), c.stored);
            }
            EXPECT_FALSE(editor->Visible());
            EXPECT_EQ(f.Focused(), f.grid);
            EXPECT_FALSE(f.grid->EditSession().EditMode);
        }
    }
    SetDecimalSeparatorOverride(QChar());
}

TEST(GridButtonEditors, F4RunsTheEllipsisEventAndStopEditAfterClickClosesWithItsText) {
    for (const bool stop : {false, true}) {
        ButtonEditorGrid f;
        f.kind = edEditBtn;
        f.grid->SetCells(1, 1, "abc");
        Key(Qt::Key_F2);
        TGridEditBtn* edit = f.grid->BtnEdit();
        edit->SetStopEditAfterClick(stop);
        // Ctrl+F4 is no press of the button.
        Key(Qt::Key_F4, QString(), Qt::ControlModifier);
        EXPECT_EQ(edit->Text(), "abc");
        Key(Qt::Key_F4);
        EXPECT_EQ(edit->Text(), "abc!");
        EXPECT_EQ(edit->Visible(), !stop) << stop;
        EXPECT_EQ(f.grid->Cells(1, 1), stop ? "abc!" : "abc") << stop;
    }
}

TEST(GridButtonEditors, APasteObeysTheKindsTypingRulesAndTheLengthLimit) {
    struct Case {
        TEditorType kind;
        int maxLength;
        const char* clip;
        const char* text;
    } cases[] = {
        {edNumericEditBtn, 0, "123", "123"},  {edNumericEditBtn, 0, "12a", "5"},
        {edEditBtn, 0, "12a", "12a"},         {edEditBtn, 2, "12a", "5"},
        {edNumericUnitEditBtn, 0, "7x", "5"},
    };
    for (const Case& c : cases) {
        ButtonEditorGrid f;
        f.kind = c.kind;
        f.grid->SetMaxEditLength(c.maxLength);
        f.grid->SetCells(1, 1, "5");
        Key(Qt::Key_F2);
        Clipboard()->SetAsText(c.clip);
        Key(Qt::Key_V, "\x16", Qt::ControlModifier);
        auto* edit = dynamic_cast<TEdit*>(f.grid->EditorControl(c.kind, false));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->Text(), c.text) << c.clip;
    }
}

TEST(GridButtonEditors, ARefusedValueKeepsTheEditorOpenAndTabMovesOnWhenAccepted) {
    for (const TEditorType kind : {edEditBtn, edUnitEditBtn, edDateEdit, edDateTimeEdit}) {
        SCOPED_TRACE(int(kind));
        ButtonEditorGrid f;
        f.kind = kind;
        f.grid->SetOptions(f.grid->Options() | goTabs);
        f.grid->SetCells(1, 1,
                         kind == edDateTimeEdit ? CellDateTimeText(At(2024, 3, 15, 10, 20, 30))
                                                : String(kind == edDateEdit ? "15/03/2024" : "1m"));
        bool accept = false;
        int asked = 0;
        f.grid->OnCellValidate = [&](TObject*, int, int, String&, bool& valid) {
            ++asked;
            valid = accept;
        };
        Key(Qt::Key_F2);
        TWinControl* editor = f.grid->EditorControl(kind, false);
        // Only a changed value is validated.
        f.Type("2");
        Key(Qt::Key_Tab, "\t");
        EXPECT_GE(asked, 1);
        EXPECT_TRUE(editor->Visible());
        EXPECT_EQ(f.Cell(), TPoint(1, 1));
        accept = true;
        Key(Qt::Key_Tab, "\t");
        EXPECT_FALSE(editor->Visible());
        EXPECT_EQ(f.Cell(), TPoint(2, 1));
    }
}

} // namespace gridbuttoneditorstest

namespace gridbuttoneditorstest {

TEST(GridButtonEditors, AClickOnACellWithDirectEditOpensItsEditor) {
    for (const KindCase& c : Cases()) {
        SCOPED_TRACE(c.className);
        ButtonEditorGrid f;
        f.kind = c.kind;
        f.grid->MouseActions()->SetDirectEdit(true);
        f.grid->SetCells(1, 1, c.cell);
        f.Go(2, 2);
        const TRect r = f.grid->CellRect(1, 1);
        // The cells are drawn on the grid's one direct child that is no scroll bar.
        QWidget* cells = f.grid->Widget();
        for (QWidget* w : f.grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) cells = w;
        qvtest::ClickAt(cells, QPointF((r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0));
        QApplication::processEvents();
        EXPECT_EQ(f.Cell(), TPoint(1, 1));
        TWinControl* editor = f.grid->EditorControl(c.kind, false);
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->Visible());
        Escape();
        EXPECT_EQ(f.grid->Cells(1, 1), c.cell);
    }
}

} // namespace gridbuttoneditorstest

namespace gridbuttoneditorstest {

TEST(GridButtonEditors, ADateCellWithNoDateKeepsItsTextOnEscapeAndADateBeyondTheRangeOpensAtTheLimit) {
    ButtonEditorGrid f;
    f.kind = edDateEdit;
    f.grid->SetCells(1, 1, "no date yet");
    Key(Qt::Key_F2);
    Escape();
    EXPECT_EQ(f.grid->Cells(1, 1), "no date yet");
    // Today's date when the text is none.
    Key(Qt::Key_F2);
    Enter();
    int y = 0, m = 0, d = 0;
    DatePartsOf(Now(), y, m, d);
    EXPECT_EQ(f.grid->Cells(1, 1), QString::asprintf("%02d/%02d/%04d", d, m, y));

    struct Case {
        const char* cell;
        const char* opened;
    } cases[] = {{"01/01/2024", "01/01/2024"}, {"15/12/2023", "01/01/2024"}, {"15/06/2024", "31/03/2024"}};
    for (const Case& c : cases) {
        f.grid->SetCells(1, 1, c.cell);
        f.grid->OnGetEditorProp = [&](TObject*, int, int, TEditLink*) {
            TGridDatePicker* picker = f.grid->DateTimePicker();
            picker->SetFormat("dd/MM/yyyy");
            picker->SetMinDate(At(2024, 1, 1));
            picker->SetMaxDate(At(2024, 3, 31));
        };
        Key(Qt::Key_F2);
        EXPECT_EQ(f.grid->DateTimePicker()->Text(), c.opened) << c.cell;
        Escape();
        EXPECT_EQ(f.grid->Cells(1, 1), c.cell);
    }
}

} // namespace gridbuttoneditorstest
