// The grid dropdown's popup grid: filled from columns and items, auto-sized and word-wrapped rows, and every
// grid event relayed to the dropdown event of its slot with the right Sender.
#include "../../dropdown/GridDropDownOnForm.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>

namespace gdd = QvCustomGridDropDown;

using ColGrid = qvtest::GridDropDownOnForm;

TEST_F(ColGrid, ItemsFillTheRowsAndAShortItemCountsAsEmpty) {
    dd->Columns()->Add()->SetHeader("Key");
    dd->Columns()->Add()->SetHeader("Value");
    AddItem({"A", "x"});
    AddItem({"B"});
    AddItem({"C", "y", "z"});
    dd->SetLookupColumn(1);
    dd->EndUpdate();
    Open();
    gdd::TQvColGrid* g = Grid();
    ASSERT_EQ(g->RowCount(), 4);
    ASSERT_EQ(g->ColCount(), 2);
    EXPECT_EQ(g->Cells(0, 0), "Key");
    EXPECT_EQ(g->Cells(1, 0), "Value");
    const char* texts[][2] = {{"A", "x"}, {"B", ""}, {"C", "y"}};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(g->Cells(0, r), texts[r - 1][0]);
        EXPECT_EQ(g->Cells(1, r), texts[r - 1][1]);
        EXPECT_EQ(g->RowToItem(r), r - 1);
        EXPECT_EQ(g->ItemToRow(r - 1), r);
    }
    // The lookup never reads past an item's texts: the short item looks up as empty.
    EXPECT_EQ(dd->LookupItems(), (std::vector<String>{"x", "", "y"}));
    String found;
    int row = 0;
    EXPECT_TRUE(dd->LookupText("Y", found, row));
    EXPECT_EQ(found, "y");
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(dd->LookupText("", found, row));
    EXPECT_EQ(row, -1);
    // Copying items copies their texts.
    TDropDownItems copy(nullptr);
    copy.Assign(dd->Items());
    EXPECT_EQ(copy.Items(2)->Text()->Strings(2), "z");
}

TEST_F(ColGrid, AutoSizedAndWordWrappedColumnsMeasureTheirTexts) {
    TDropDownColumn* empty = dd->Columns()->Add();
    empty->SetAutoSize(true);
    TDropDownColumn* text = dd->Columns()->Add();
    text->SetAutoSize(true);
    TDropDownColumn* wrap = dd->Columns()->Add();
    wrap->SetWordwrap(true);
    wrap->SetWidth(200);
    AddItem({"", "short", "fits"});
    AddItem({"", "a much longer text", "fits too"});
    Open();
    EXPECT_EQ(Grid()->ColWidths(0), 0);
    EXPECT_EQ(Grid()->Columns()->Items(0)->Width(), 0);
    TCanvas canvas;
    canvas.Font()->Assign(text->Font());
    EXPECT_EQ(Grid()->Columns()->Items(1)->Width(), canvas.TextWidth("a much longer text") + 6);
    // Rows whose wrapped texts fit on one line are 24 high, not the default row height.
    EXPECT_EQ(Grid()->RowHeights(1), 24);
    EXPECT_EQ(Grid()->RowHeights(2), 24);
    EXPECT_EQ(Grid()->RowHeights(0), 25);

    // Opening again with the same items measures nothing again; a changed text is measured anew.
    dd->HideDropDown(true);
    const int64_t measured = Grid()->TextsMeasured();
    EXPECT_EQ(measured, 2);
    Open();
    EXPECT_EQ(Grid()->TextsMeasured(), measured);
    dd->HideDropDown(true);
    dd->Items()->Items(0)->Text()->SetStrings(1, "the longest text of them all");
    Open();
    EXPECT_GT(Grid()->TextsMeasured(), measured);
    EXPECT_EQ(Grid()->Columns()->Items(1)->Width(), canvas.TextWidth("the longest text of them all") + 6);
}

namespace colgridtest {

// Assigns a dropdown event that counts its calls under a name and keeps the Sender; raises a grid event
// with value-initialised arguments.
template <class F> struct RelayProbe;
template <class... A> struct RelayProbe<std::function<void(TObject*, A...)>> {
    using Event = std::function<void(TObject*, A...)>;
    static Event Recorder(std::map<std::string, std::pair<int, TObject*>>& seen, std::string name) {
        return [&seen, name](TObject* s, A...) {
            ++seen[name].first;
            seen[name].second = s;
        };
    }
    static void Raise(const Event& e, TObject* sender) {
        ASSERT_TRUE(e);
        std::tuple<std::decay_t<A>...> args{};
        std::apply([&](auto&... a) { e(sender, a...); }, args);
    }
};

struct RelayCase {
    std::string name;
    std::function<void(TCustomQvGridDropDown&, std::map<std::string, std::pair<int, TObject*>>&)> assign;
    std::function<void(gdd::TQvColGrid&)> raise;
    bool senderIsDropDown;
};

template <class C, class G, class D>
RelayCase Relay(std::string name, G C::*gridEvent, D TCustomQvGridDropDown::*ddEvent,
                bool fromDropDown = false) {
    return {name,
            [=](TCustomQvGridDropDown& dd, auto& seen) { dd.*ddEvent = RelayProbe<D>::Recorder(seen, name); },
            [=](gdd::TQvColGrid& g) { RelayProbe<G>::Raise(g.*gridEvent, &g); }, fromDropDown};
}

} // namespace colgridtest

TEST_F(ColGrid, EveryGridEventReachesItsDropDownEvent) {
    using D = TCustomQvGridDropDown;
    using G = gdd::TQvColGrid;
    const colgridtest::RelayCase cases[] = {
        colgridtest::Relay("AnchorClick", &G::OnAnchorClick, &D::OnGridAnchorClick),
        colgridtest::Relay("AnchorEnter", &G::OnAnchorEnter, &D::OnGridAnchorEnter),
        colgridtest::Relay("AnchorExit", &G::OnAnchorExit, &D::OnGridAnchorExit),
        colgridtest::Relay("AnchorHint", &G::OnAnchorHint, &D::OnGridAnchorHint),
        colgridtest::Relay("ButtonClick", &G::OnButtonClick, &D::OnGridButtonClick),
        colgridtest::Relay("CanSort", &G::OnCanSort, &D::OnGridCanSort),
        colgridtest::Relay("ClickSort", &G::OnClickSort, &D::OnGridClickSort),
        colgridtest::Relay("CustomCompare", &G::OnCustomCompare, &D::OnGridCustomCompare),
        colgridtest::Relay("RawCompare", &G::OnRawCompare, &D::OnGridRawCompare),
        colgridtest::Relay("ColumnSize", &G::OnColumnSize, &D::OnGridColumnSize),
        colgridtest::Relay("ColumnSizing", &G::OnColumnSizing, &D::OnGridColumnSizing),
        colgridtest::Relay("EndColumnSize", &G::OnEndColumnSize, &D::OnGridEndColumnSize),
        colgridtest::Relay("RowSize", &G::OnRowSize, &D::OnGridRowSize),
        colgridtest::Relay("RowSizing", &G::OnRowSizing, &D::OnGridRowSizing),
        colgridtest::Relay("EndRowSize", &G::OnEndRowSize, &D::OnGridEndRowSize),
        colgridtest::Relay("RowMove", &G::OnRowMove, &D::OnGridRowMove),
        colgridtest::Relay("RowMoving", &G::OnRowMoving, &D::OnGridRowMoving),
        colgridtest::Relay("RowMoved", &G::OnRowMoved, &D::OnGridRowMoved),
        colgridtest::Relay("ColumnMove", &G::OnColumnMove, &D::OnGridColumnMove),
        colgridtest::Relay("ColumnMoving", &G::OnColumnMoving, &D::OnGridColumnMoving),
        colgridtest::Relay("ColumnMoved", &G::OnColumnMoved, &D::OnGridColumnMoved),
        colgridtest::Relay("CustomCellDraw", &G::OnCustomCellDraw, &D::OnGridCustomCellDraw),
        colgridtest::Relay("CustomCellBkgDraw", &G::OnCustomCellBkgDraw, &D::OnGridCustomCellBkgDraw),
        colgridtest::Relay("CellBalloon", &G::OnCellBalloon, &D::OnGridCellBalloon),
        colgridtest::Relay("GetAlignment", &G::OnGetAlignment, &D::OnGridGetAlignment),
        colgridtest::Relay("GetCellColor", &G::OnGetCellColor, &D::OnGridGetCellColor),
        colgridtest::Relay("GetCellGradient", &G::OnGetCellGradient, &D::OnGridGetCellGradient),
        colgridtest::Relay("GetFloatFormat", &G::OnGetFloatFormat, &D::OnGridGetFloatFormat),
        colgridtest::Relay("GetEditorType", &G::OnGetEditorType, &D::OnGridGetEditorType),
        colgridtest::Relay("GetEditorProp", &G::OnGetEditorProp, &D::OnGridGetEditorProp),
        colgridtest::Relay("CanEditCell", &G::OnCanEditCell, &D::OnGridCanEditCell),
        colgridtest::Relay("EllipsClick", &G::OnEllipsClick, &D::OnGridEllipsClick),
        colgridtest::Relay("GetDisplText", &G::OnGetDisplText, &D::OnGridGetDiplText),
        colgridtest::Relay("GetFormat", &G::OnGetFormat, &D::OnGridGetFormat),
        colgridtest::Relay("GridHint", &G::OnGridHint, &D::OnGridHint),
        colgridtest::Relay("MouseMove", &G::OnMouseMove, &D::OnGridMouseMove),
        colgridtest::Relay("MouseDown", &G::OnMouseDown, &D::OnGridMouseDown),
        colgridtest::Relay("MouseUp", &G::OnMouseUp, &D::OnGridMouseUp),
        colgridtest::Relay("RightClickCell", &G::OnRightClickCell, &D::OnGridRightClickCell),
        colgridtest::Relay("ScrollHint", &G::OnScrollHint, &D::OnGridScrollHint),
        colgridtest::Relay("TopLeftChanged", &G::OnTopLeftChanged, &D::OnGridTopLeftChanged, true),
        colgridtest::Relay("SearchEditChange", &G::OnSearchEditChange, &D::OnGridSearchEditChange),
        colgridtest::Relay("AutoAddRow", &G::OnAutoAddRow, &D::OnGridAutoAddRow),
        colgridtest::Relay("AutoInsertRow", &G::OnAutoInsertRow, &D::OnGridInsertRow),
        colgridtest::Relay("AutoInsertCol", &G::OnAutoInsertCol, &D::OnGridInsertCol),
        colgridtest::Relay("AutoDeleteRow", &G::OnAutoDeleteRow, &D::OnGridDeleteRow),
        colgridtest::Relay("CanAddRow", &G::OnCanAddRow, &D::OnGridCanAddRow),
        colgridtest::Relay("CanInsertRow", &G::OnCanInsertRow, &D::OnGridCanInsertRow),
        colgridtest::Relay("CanDeleteRow", &G::OnCanDeleteRow, &D::OnGridCanDeleteRow),
        colgridtest::Relay("CheckBoxClick", &G::OnCheckBoxClick, &D::OnGridCheckBoxClick),
    };
    dd->Columns()->Add();
    AddItem({"Alpha"});
    AddItem({"Beta"});
    std::map<std::string, std::pair<int, TObject*>> seen;
    for (const colgridtest::RelayCase& k : cases)
        k.assign(*dd, seen);
    Open();
    for (const colgridtest::RelayCase& k : cases) {
        seen.clear();
        k.raise(*Grid());
        // Only its own event fires; the mouse-move relay may be asked once more by the real mouse.
        ASSERT_EQ(seen.count(k.name), 1u) << k.name;
        EXPECT_EQ(seen[k.name].first, 1) << k.name;
        EXPECT_EQ(seen[k.name].second, k.senderIsDropDown ? static_cast<TObject*>(dd) : Grid()) << k.name;
        EXPECT_EQ(seen.size(), 1u) << k.name;
    }
    // The spin click is not connected to the grid.
    EXPECT_FALSE(Grid()->OnSpinClick);

    // The key events of the open popup reach the dropdown's events with the dropdown as Sender.
    std::vector<std::string> keys;
    TObject* sender = nullptr;
    dd->OnGridKeyDown = [&](TObject* s, Word&, TShiftState) { keys.push_back("down"), sender = s; };
    dd->OnGridKeyPress = [&](TObject* s, QChar&) { keys.push_back("press"), sender = s; };
    dd->OnGridKeyUp = [&](TObject* s, Word&, TShiftState) { keys.push_back("up"), sender = s; };
    QTest::keyClicks(Grid()->Widget(), "x");
    EXPECT_EQ(keys, (std::vector<std::string>{"down", "press", "up"}));
    EXPECT_EQ(sender, dd);
}

TEST_F(ColGrid, TheColumnLookFirstAndCustomDrawingOnlyWhenAsked) {
    TDropDownColumn* c = dd->Columns()->Add();
    c->SetAlignment(taRightJustify);
    c->SetColor(0x123456);
    AddItem({"Alpha"});
    Open();
    EXPECT_FALSE(Grid()->OnCustomCellDraw);
    EXPECT_FALSE(Grid()->OnCustomCellBkgDraw);
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    Grid()->OnGetAlignment(Grid(), 1, 0, h, v);
    EXPECT_EQ(h, taRightJustify);
    TBrush brush;
    Grid()->OnGetCellColor(Grid(), 1, 0, 0, &brush, nullptr);
    EXPECT_EQ(brush.Color(), TColor(0x123456));
    // A column the dropdown does not describe keeps what the grid gave.
    h = taCenter;
    Grid()->OnGetAlignment(Grid(), 1, 5, h, v);
    EXPECT_EQ(h, taCenter);
    bool isFloat = false;
    String format = "%.2f";
    Grid()->OnGetFloatFormat(Grid(), 0, 1, isFloat, format);
    EXPECT_EQ(format, "");
}

TEST_F(ColGrid, AHeaderDragInThePopupBlocksItsActivationUntilTheRelease) {
    dd->SetColumnMoving(true);
    for (const char* h : {"A", "B", "C"})
        dd->Columns()->Add()->SetHeader(h);
    AddItem({"1", "2", "3"});
    AddItem({"4", "5", "6"});
    dd->EndUpdate();
    Open();
    QWidget* cells = Grid()->Widget();
    for (QWidget* w : cells->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QScrollBar*>(w)) cells = w;
    auto centre = [&](int c) {
        const TRect r = Grid()->CellRect(c, 0);
        return QPointF((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(type, at, cells->mapToGlobal(at), b, held, Qt::NoModifier);
        QApplication::sendEvent(cells, &e);
    };
    send(QEvent::MouseButtonPress, centre(0), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, centre(1), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(dd->DropDownForm()->BlockActivate());
    send(QEvent::MouseButtonRelease, centre(1), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(dd->DropDownForm()->BlockActivate());
}
