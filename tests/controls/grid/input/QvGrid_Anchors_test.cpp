// Presses on markup cells by real mouse and keys: check and radio controls rewrite the cell's markup, edit
// and combo controls open their editor and write its value back, Tab walks a cell's edit controls, links
// inside the grid move the current cell, web links go to the opener, and fixed cells open their editors.
#include "../edit/EditorGrid.h"
#include "controls/grid/edit/CellControlEditors.h"
#include "controls/markup/MarkupRenderer.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/services/Shell.h"

#include <QScrollBar>
#include <vector>

namespace qvgridanchorstest {
using namespace editorgrid;
// Named here, so that a unity batch holding another test's helpers of these names still finds these.
using editorgrid::Enter;
using editorgrid::Type;

struct MarkupGrid : EditorGrid {
    MarkupGrid() {
        grid->SetColWidths(1, 200);
        grid->SetRowHeights(1, 40);
    }
    // The middle of a control of cell (1, 1).
    QPoint ControlAt(const String& id) {
        TMarkupOutput out;
        EXPECT_TRUE(grid->MarkupHitAt(1, 1, -1, -1, id, out)) << id.toStdString();
        const TRect& r = out.CtrlRect;
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    // The first point of cell (1, 1) on a link.
    QPoint LinkAt() {
        const TRect cell = grid->CellRect(1, 1);
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x) {
                TMarkupOutput out;
                if (grid->MarkupHitAt(1, 1, x, y, String(), out) && !out.Anchor.isEmpty())
                    return QPoint(x, y);
            }
        ADD_FAILURE() << "no link in the cell";
        return QPoint();
    }
    // The widget that shows the cells: the grid's first direct child that is no scroll bar.
    QWidget* Cells() const {
        for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) return w;
        return grid->Widget();
    }
    void Click(QPoint at) { qvtest::ClickAt(Cells(), at); }
    String Value(const String& id) {
        String v;
        GetControlValue(grid->Cells(1, 1), id, v);
        return v;
    }
};

TEST(GridAnchors, CheckAndRadioControlsRewriteTheCellsMarkupAndReportTheValueBeforeThePress) {
    MarkupGrid f;
    f.grid->SetCells(1, 1,
                     "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"15\"> "
                     "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\"> <CONTROL TYPE=\"RADIO\" ID=\"r2\" "
                     "VALUE=\"FALSE\">");
    std::vector<String> clicks;
    f.grid->OnControlClick = [&](TObject*, int r, int c, const String& id, const String& type,
                                 const String& v) {
        clicks.push_back(QString("%1,%2 %3 %4 %5").arg(r).arg(c).arg(id, type, v));
    };
    f.Click(f.ControlAt("c"));
    EXPECT_EQ(f.Value("c"), "FALSE");
    EXPECT_TRUE(f.grid->Cells(1, 1).contains("WIDTH=\"15\"")) << "the other attributes stay";
    f.Click(f.ControlAt("c"));
    EXPECT_EQ(f.Value("c"), "TRUE");
    f.Click(f.ControlAt("r2"));
    EXPECT_EQ(f.Value("r1"), "FALSE");
    EXPECT_EQ(f.Value("r2"), "TRUE");
    EXPECT_EQ(clicks, (std::vector<String>{"1,1 c CHECK TRUE", "1,1 c CHECK FALSE", "1,1 r2 RADIO FALSE"}));

    // Without editing the controls stay as they are.
    f.grid->SetOptions(f.grid->Options() & ~goEditing);
    f.Click(f.ControlAt("c"));
    EXPECT_EQ(f.Value("c"), "TRUE");
    EXPECT_EQ(clicks.size(), 3u);
}

TEST(GridAnchors, EditControlsOpenTheirEditorAndEnterWritesTheValueIntoTheTag) {
    struct Case {
        const char* type;
        const char* extra;
        const char* typed;
        String stored;
    };
    const Case cases[] = {
        {"EDIT", "MAXLEN=\"3\"", "abcd", "abc"},
        {"PASSWORD", "", "pw", "pw"},
        {"MASK", "PROP=\"00-00\"", "1234", "12-34"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        MarkupGrid f;
        f.grid->SetCells(
            1, 1, QString("<CONTROL TYPE=\"%1\" ID=\"e\" VALUE=\"\" WIDTH=\"80\" %2>").arg(c.type, c.extra));
        std::vector<String> done;
        f.grid->OnControlEditDone = [&](TObject*, int r, int col, const String& id, const String& type,
                                        const String& v) {
            done.push_back(QString("%1,%2 %3 %4 %5").arg(r).arg(col).arg(id, type, v));
        };
        f.Click(f.ControlAt("e"));
        TControlEdit* edit = f.grid->ControlEdit();
        ASSERT_TRUE(edit->Visible());
        ASSERT_EQ(f.Focused(), edit);
        EXPECT_EQ(edit->PasswordChar(), QString(c.type) == "PASSWORD" ? QChar('*') : QChar());
        EXPECT_EQ(edit->EditMask(), QString(c.type) == "MASK" ? "00-00" : "");
        Type(c.typed);
        Enter();
        EXPECT_EQ(f.Value("e"), c.stored);
        EXPECT_FALSE(edit->Visible());
        EXPECT_EQ(f.Focused(), f.grid);
        EXPECT_EQ(done, (std::vector<String>{QString("1,1 e %1 %2").arg(c.type, c.stored)}));
    }
}

TEST(GridAnchors, TabWalksTheCellsEditControlsAndLeavesAfterTheLast) {
    MarkupGrid f;
    f.grid->SetCells(
        1, 1,
        "<CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"1\" WIDTH=\"50\"> <CONTROL TYPE=\"CHECK\" ID=\"k\" "
        "VALUE=\"FALSE\"> <CONTROL TYPE=\"EDIT\" ID=\"b\" VALUE=\"2\" WIDTH=\"50\">");
    f.Click(f.ControlAt("a"));
    ASSERT_EQ(f.grid->CtrlID(), "a");
    Type("x");
    Key(Qt::Key_Tab, "\t");
    EXPECT_EQ(f.grid->CtrlID(), "b") << "the check box is no edit control";
    EXPECT_EQ(f.Focused(), f.grid->ControlEdit());
    EXPECT_EQ(f.grid->ControlEdit()->Text(), "2");
    Key(Qt::Key_Tab, "\t");
    EXPECT_EQ(f.Focused(), f.grid);
    EXPECT_FALSE(f.grid->CtrlEditing());
    EXPECT_TRUE(f.Value("a").endsWith("x"));
}

TEST(GridAnchors, AComboControlOpensDroppedAndLeavingItWritesItsText) {
    MarkupGrid f;
    f.grid->SetCells(1, 1, "<CONTROL TYPE=\"COMBO\" ID=\"m\" VALUE=\"b\" WIDTH=\"80\">");
    f.grid->OnControlComboList = [](TObject*, int, int, const String&, const String&, const String&,
                                    TStringList* values, bool& edit, int&) {
        values->Add("a");
        values->Add("b");
        values->Add("c");
        edit = false;
    };
    String done, selected;
    f.grid->OnControlComboSelect = [&](TObject*, int, int, int index, const String&, const String& v) {
        selected = QString("%1 %2").arg(index).arg(v);
    };
    f.grid->OnControlEditDone = [&](TObject*, int, int, const String&, const String&, const String& v) {
        done = v;
    };
    f.Click(f.ControlAt("m"));
    TControlCombo* combo = f.grid->ControlCombo();
    ASSERT_TRUE(combo->Visible());
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->DropDownCount(), 8);
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->Text(), "b");
    Key(Qt::Key_Down);
    Enter(); // picks the item and closes the list
    QApplication::processEvents();
    EXPECT_EQ(selected, "2 c");
    EXPECT_EQ(f.Value("m"), "b") << "the cell is written when the editor is left";
    // A desktop gives the focus back to the combo as its list closes; the offscreen platform does not.
    if (!f.Focused()) {
        f.form.Widget()->activateWindow();
        QApplication::processEvents();
        combo->SetFocus();
    }
    ASSERT_EQ(f.Focused(), combo);
    Enter();
    EXPECT_EQ(f.Value("m"), "c");
    EXPECT_EQ(done, "c");
    EXPECT_FALSE(combo->Visible());
}

TEST(GridAnchors, LinksMoveTheCurrentCellOrGoToTheOpenerUnlessTheHandlerTakesThem) {
    struct Case {
        const char* name;
        String text;
        bool urlShow;
        bool handled;
        TPoint cell;
        String opened;
    };
    const Case cases[] = {
        {"cell link", "<a href=\"cell://R5C2\">go there now</a>", false, false, {2, 5}, ""},
        {"no cell reference", "<a href=\"cell://nowhere\">go there now</a>", false, false, {1, 1}, ""},
        {"web link",
         "<a href=\"https://example.test/x\">see the page</a>",
         false,
         false,
         {1, 1},
         "https://example.test/x"},
        {"whole-text link", "https://example.test/y", true, false, {1, 1}, "https://example.test/y"},
        {"handled by the application", "https://example.test/y", true, true, {1, 1}, ""},
        {"a sentence with a link", "see https://example.test/z", true, false, {1, 1}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MarkupGrid f;
        f.grid->SetRowCount(8);
        f.grid->SetURLShow(c.urlShow);
        f.grid->SetCells(1, 1, c.text);
        String opened;
        const TUrlOpener before = SetUrlOpener([&](const String& url) {
            opened = url;
            return true;
        });
        String anchor;
        f.grid->OnAnchorClick = [&](TObject*, int, int, const String& a, bool& autoHandle) {
            anchor = a;
            if (c.handled) autoHandle = false;
        };
        f.Go(1, 1);
        const QPoint at = c.urlShow
                              ? QPoint(f.grid->CellRect(1, 1).Left + 10, f.grid->CellRect(1, 1).Top + 10)
                              : f.LinkAt();
        f.Click(at);
        SetUrlOpener(before);
        EXPECT_EQ(f.Cell(), c.cell);
        EXPECT_EQ(opened, c.opened);
        if (c.handled) EXPECT_EQ(anchor, "https://example.test/y");
    }
}

// The mouse resting on the links of a markup cell, moved by real move events: entering each link is told
// once (the next link with no exit between), leaving every link once with an empty text, and the hand
// cursor shows only over a link. With the hover look on, the hovered link is the one the paint marks.
TEST(GridAnchors, MovingOverLinksTellsEnterAndExitOnceAndShowsTheHand) {
    MarkupGrid f;
    f.grid->SetURLUnderlineOnHover(true);
    f.grid->SetCells(1, 1, "<a href=\"one\">first</a> and <a href=\"two\">second</a>");
    f.grid->SetCells(2, 1, "plain");
    std::vector<std::string> told;
    f.grid->OnAnchorEnter = [&](TObject*, int r, int c, const String& a) {
        told.push_back("enter " + a.toStdString() + " " + std::to_string(c) + "," + std::to_string(r));
    };
    f.grid->OnAnchorExit = [&](TObject*, int, int, const String& a) {
        told.push_back("exit '" + a.toStdString() + "'");
    };
    // The first point of each link, found by the grid's own hit test along the cell's middle line.
    const TRect cell = f.grid->CellRect(1, 1);
    QPoint first, second, between;
    for (int x = cell.Left; x < cell.Right; ++x)
        for (int y = cell.Top; y < cell.Bottom; ++y) {
            TMarkupOutput out;
            if (!f.grid->MarkupHitAt(1, 1, x, y, String(), out)) continue;
            if (out.Anchor == "one" && first.isNull()) first = QPoint(x, y);
            if (out.Anchor == "two" && second.isNull()) second = QPoint(x, y);
        }
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    between = QPoint(second.x() - 12, second.y()); // on " and "
    const auto move = [&](QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, f.Cells()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.Cells(), &e);
    };
    move(first);
    EXPECT_EQ(f.grid->ShownMouseCursor(), crHandPoint);
    EXPECT_EQ(f.grid->MouseHoverLink(), 1);
    move(first + QPoint(1, 0)); // still on the same link: nothing new
    move(second);
    EXPECT_EQ(f.grid->MouseHoverLink(), 2);
    move(between);
    EXPECT_NE(f.grid->ShownMouseCursor(), crHandPoint);
    EXPECT_EQ(f.grid->MouseHoverLink(), -1);
    move(first);
    const TRect plain = f.grid->CellRect(2, 1);
    move(QPoint(plain.Left + 5, plain.Top + 5)); // a plain cell is off every link too
    EXPECT_NE(f.grid->ShownMouseCursor(), crHandPoint);
    // A cell whose whole text is a web address shows the hand as well, with URLShow.
    f.grid->SetURLShow(true);
    f.grid->SetCells(3, 1, "https://example.test/x");
    const TRect url = f.grid->CellRect(3, 1);
    move(QPoint(url.Left + 5, url.Top + 5));
    EXPECT_EQ(f.grid->ShownMouseCursor(), crHandPoint);
    const std::vector<std::string> expected{"enter one 1,1", "enter two 1,1", "exit ''", "enter one 1,1",
                                            "exit ''"};
    EXPECT_EQ(told, expected);
}

// A double click on a fixed cell, as the platform delivers it.
void DoubleClickAt(QWidget* w, QPoint at) {
    qvtest::ClickAt(w, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST(GridAnchors, ADoubleClickOnAHeaderOpensTheFixedCellEditorOfItsColumnOrRow) {
    MarkupGrid f;
    TMouseActions* mouse = f.grid->MouseActions();
    mouse->SetFixedRowsEdit(fceDblClick);
    mouse->SetFixedRowsEditor(fceComboList);
    mouse->SetFixedColsEditor(fceEdit);
    mouse->SetFixedComboValues({"one", "two", "three"});
    f.grid->SetCells(1, 0, "two");
    const TRect header = f.grid->CellRect(1, 0);
    DoubleClickAt(f.Cells(), QPoint(header.Left + 20, header.Top + 8));
    TGridTransCombo* combo = f.grid->ComboTrans();
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->Items()->Count(), 3);
    EXPECT_EQ(combo->Text(), "two");
    EXPECT_EQ(f.Focused(), combo);
    Key(Qt::Key_Down);
    f.Click(QPoint(f.grid->CellRect(2, 2).Left + 5, f.grid->CellRect(2, 2).Top + 5));
    EXPECT_EQ(f.grid->Cells(1, 0), "three");
    EXPECT_FALSE(combo->Visible());

    // The corner cell uses the column setting.
    const TRect corner = f.grid->CellRect(0, 0);
    DoubleClickAt(f.Cells(), QPoint(corner.Left + 10, corner.Top + 8));
    EXPECT_TRUE(f.grid->EditTrans()->Visible());
    EXPECT_FALSE(f.grid->ComboTrans()->Visible());
}

TEST(GridAnchors, TheFixedCellEditorIgnoresEnterKeepsARefusedValueAndStoresAChangedOne) {
    MarkupGrid f;
    f.grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    f.grid->SetCells(1, 0, "head");
    f.grid->OnCellValidate = [](TObject*, int, int, String& v, bool& valid) {
        valid = v != "headbad";
        v = v.toUpper();
    };
    const TRect header = f.grid->CellRect(1, 0);
    DoubleClickAt(f.Cells(), QPoint(header.Left + 20, header.Top + 8));
    TGridTransEdit* edit = f.grid->EditTrans();
    ASSERT_EQ(f.Focused(), edit);
    Key(Qt::Key_End);
    Enter();
    EXPECT_TRUE(edit->Visible()) << "Enter does not end the edit";
    Type("bad");
    const QPoint elsewhere(f.grid->CellRect(2, 2).Left + 5, f.grid->CellRect(2, 2).Top + 5);
    f.Click(elsewhere);
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(f.Focused(), edit);
    EXPECT_EQ(f.grid->Cells(1, 0), "head");
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace, "\b");
    Key(Qt::Key_Backspace, "\b");
    Key(Qt::Key_Backspace, "\b");
    Type("x");
    f.Click(elsewhere);
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(f.grid->Cells(1, 0), "HEADX");
}

} // namespace qvgridanchorstest
