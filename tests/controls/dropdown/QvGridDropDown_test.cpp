// The grid dropdown driven by real keys, wheel turns and clicks offscreen: completion and lookup while
// typing, the open popup's keys, confirming and cancelling, narrow-down and its reset on entering, the
// item kept across a header-click sort, and the popup's sizes.
#include "GridDropDownOnForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <memory>

namespace gdd = QvCustomGridDropDown;

class GridDropDown : public qvtest::GridDropDownOnForm {
protected:
    static QWidget* KeyTarget() {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
    }

    static void PressKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* w = KeyTarget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, Qt::Key(key), mods);
    }

    static void TypeKeys(const QString& text) {
        for (const QChar c : text) {
            QWidget* w = KeyTarget();
            ASSERT_NE(w, nullptr);
            QTest::keyClicks(w, QString(c));
        }
    }
    void SetUp() override {
        GridDropDownOnForm::SetUp();
        dd->Columns()->Add()->SetHeader("Name");
        dd->Columns()->Add()->SetHeader("Code");
    }
    void SetItems(std::initializer_list<QStringList> rows) {
        dd->Items()->Clear();
        for (const QStringList& texts : rows) {
            TDropDownItem* item = dd->Items()->Add();
            for (const QString& t : texts)
                item->Text()->Add(t);
        }
        dd->EndUpdate();
    }
    void Wheel(int steps) {
        QWidget* w = Grid()->Widget();
        const QPointF at(20, 40);
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120 * steps), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
    void ClickOutside() {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        const QPoint outside = form->Widget()->mapToGlobal(QPoint(400, 350));
        QMouseEvent press(QEvent::MouseButtonPress, popup->mapFromGlobal(outside), outside, Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(popup, &press);
        QApplication::processEvents();
    }
};

TEST_F(GridDropDown, TypingCompletesAndLooksUpTheLookupColumn) {
    struct Case {
        const char* name;
        gdd::TDropDownStyle style;
        const char* typed;
        const char* text;
        int selStart, selLength, item;
    } cases[] = {
        {"b then e gives Beta with its last two letters selected", gdd::dsDropDown, "be", "Beta", 2, 2, 1},
        {"e again gives Beeswax", gdd::dsDropDown, "bee", "Beeswax", 3, 4, 2},
        {"case is ignored", gdd::dsDropDown, "AL", "Alpha", 2, 3, 0},
        {"in the list style a letter extending no entry starts a new lookup", gdd::dsDropDownList, "bea",
         "Alpha", 5, 0, 0},
        {"in the list style a match keeps the entry", gdd::dsDropDownList, "bee", "Beeswax", 7, 0, 2},
    };
    for (const Case& k : cases) {
        SetItems({{"Alpha", "1"}, {"Beta", "2"}, {"Beeswax", "3"}});
        dd->SetStyle(k.style);
        other->SetFocus();
        dd->SetFocus();
        dd->SetItemIndex(-1);
        TypeKeys(k.typed);
        EXPECT_EQ(dd->Text(), k.text) << k.name;
        EXPECT_EQ(dd->ItemIndex(), k.item) << k.name;
        if (k.style == gdd::dsDropDown) {
            EXPECT_EQ(dd->SelStart(), k.selStart) << k.name;
            EXPECT_EQ(dd->SelLength(), k.selLength) << k.name;
        }
    }
}

TEST_F(GridDropDown, EnterTakesTheItemSpelledAsStoredAndEditKeysMoveThroughTheItems) {
    SetItems({{"Alpha"}, {"Beta"}, {"Beeswax"}});
    dd->SetTextUnformatted("bEESWAX");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(dd->Text(), "Beeswax");
    EXPECT_EQ(dd->ItemIndex(), 2);

    dd->SetStyle(gdd::dsDropDownList);
    struct Case {
        int from, key, to;
    } cases[] = {{-1, Qt::Key_Down, 0}, {0, Qt::Key_Down, 1},      {2, Qt::Key_Down, 2},
                 {0, Qt::Key_Up, 0},    {1, Qt::Key_Up, 0},        {0, Qt::Key_End, 2},
                 {2, Qt::Key_Home, 0},  {-1, Qt::Key_PageDown, 0}, {0, Qt::Key_PageDown, 2}};
    for (const Case& k : cases) {
        dd->SetItemIndex(k.from);
        PressKey(k.key);
        EXPECT_EQ(dd->ItemIndex(), k.to) << k.from << " " << k.key;
        EXPECT_EQ(dd->Text(), dd->LookupItems()[size_t(k.to)]);
    }
}

TEST_F(GridDropDown, AnIndexPastTheRowsIsIgnored) {
    SetItems({{"Alpha"}, {"Beta"}, {"Gamma"}});
    dd->SetItemIndex(1);
    dd->SetItemIndex(5);
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->Text(), "Beta");
    // Without items the application fills the popup grid; its data rows count.
    dd->SetUseItems(false);
    gdd::TQvColGrid* g = Grid();
    g->SetColCount(1);
    g->SetRowCount(4);
    for (int r = 1; r < 4; ++r)
        g->SetCells(0, r, dd->LookupItems()[size_t(r - 1)]);
    for (const int index : {3, 5}) {
        dd->SetItemIndex(index);
        EXPECT_EQ(dd->ItemIndex(), 1) << index;
    }
    dd->SetItemIndex(2);
    EXPECT_EQ(dd->Text(), "Gamma");
}

TEST_F(GridDropDown, ThePopupConfirmsByKeysAndRestoresOnEscape) {
    struct Case {
        const char* name;
        int start;
        std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
        int item;
    } cases[] = {
        {"Down, Down, Enter takes the row",
         0,
         {{Qt::Key_Down, {}}, {Qt::Key_Down, {}}, {Qt::Key_Return, {}}},
         2},
        {"Escape gives back the item of the opening", 1, {{Qt::Key_Down, {}}, {Qt::Key_Escape, {}}}, 1},
        {"Alt+Up without a row change keeps the item of the opening", 2, {{Qt::Key_Up, Qt::AltModifier}}, 2},
        {"Alt+Down in the grid closes as in the edit",
         0,
         {{Qt::Key_Down, {}}, {Qt::Key_Down, Qt::AltModifier}},
         1},
        {"End goes to the last row", 0, {{Qt::Key_End, {}}, {Qt::Key_Return, {}}}, 3},
    };
    for (const Case& k : cases) {
        SetItems({{"Alpha"}, {"Beta"}, {"Gamma"}, {"Delta"}});
        dd->SetItemIndex(k.start);
        Open();
        EXPECT_EQ(Grid()->Row(), k.start + 1) << k.name;
        for (const auto& [key, mods] : k.keys)
            PressKey(key, mods);
        QApplication::processEvents();
        EXPECT_FALSE(dd->DroppedDown()) << k.name;
        EXPECT_EQ(dd->ItemIndex(), k.item) << k.name;
        EXPECT_EQ(dd->Text(), dd->LookupItems()[size_t(k.item)]) << k.name;
    }
}

TEST_F(GridDropDown, TheWheelMovesTheRowWithoutChoosingIt) {
    SetItems({{"Alpha"}, {"Beta"}, {"Gamma"}, {"Delta"}});
    dd->SetItemIndex(0);
    Open();
    Wheel(2);
    EXPECT_GT(Grid()->Row(), 1);
    EXPECT_EQ(dd->ItemIndex(), 0);
    ClickOutside();
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 0);
    EXPECT_EQ(dd->Text(), "Alpha");
}

TEST_F(GridDropDown, TypingInTheOpenPopupMovesToTheItem) {
    SetItems({{"Alpha"}, {"Beta"}, {"Beeswax"}});
    dd->SetStyle(gdd::dsDropDownList);
    Open();
    TypeKeys("bee");
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(dd->ItemIndex(), 2);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "Beeswax");
}

TEST_F(GridDropDown, NarrowDownLeavesTheMatchingRowsUntilTheControlIsEnteredAgain) {
    SetItems({{"Alpha"}, {"Beta"}, {"Beeswax"}, {"Gamma"}});
    dd->SetLookupMethod(gdd::lmNarrowDown);
    // Typed into the edit: the popup opens on the remaining rows, the first of them current.
    TypeKeys("be");
    Open();
    ASSERT_EQ(Grid()->RowCount(), 3);
    EXPECT_EQ(Grid()->Cells(0, 1), "Beta");
    EXPECT_EQ(Grid()->Cells(0, 2), "Beeswax");
    EXPECT_EQ(Grid()->Row(), 1);
    // Typed into the open popup: one more letter, one row left, and it is current.
    TypeKeys("e");
    ASSERT_EQ(Grid()->RowCount(), 2);
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(dd->ItemIndex(), 2);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(dd->Text(), "Beeswax");
    // Entering the control again shows every row.
    other->SetFocus();
    dd->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(Grid()->RowCount(), 5);
    EXPECT_EQ(dd->LookupEntry(), "");
}

TEST_F(GridDropDown, AHeaderClickSortKeepsTheSelectedItemAndRaisesBothSortEvents) {
    SetItems({{"Gamma", "3"}, {"Alpha", "1"}, {"Delta", "4"}, {"Beta", "2"}});
    dd->SetSorting(gdd::gsSingleColumn);
    dd->SetItemIndex(2);
    std::vector<std::string> events;
    dd->OnGridCanSort = [&](TObject* s, int c, bool&) {
        EXPECT_EQ(s, Grid());
        events.push_back("can " + std::to_string(c));
    };
    dd->OnGridClickSort = [&](TObject* s, int c) {
        EXPECT_EQ(s, Grid());
        events.push_back("sorted " + std::to_string(c));
    };
    Open();
    const TRect header = Grid()->CellRect(0, 0);
    // The cells are drawn on the grid's inner widget.
    const QPoint at(header.Left + 10, header.Top + 5);
    QWidget* cells = Grid()->Widget()->childAt(at);
    ASSERT_NE(cells, nullptr);
    QTest::mouseClick(cells, Qt::LeftButton, {}, cells->mapFrom(Grid()->Widget(), at));
    QApplication::processEvents();
    ASSERT_TRUE(dd->DroppedDown());
    EXPECT_EQ(events, (std::vector<std::string>{"can 0", "sorted 0"}));
    const char* sorted[] = {"Alpha", "Beta", "Delta", "Gamma"};
    const int items[] = {1, 3, 2, 0};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(Grid()->Cells(0, r), sorted[r - 1]);
        EXPECT_EQ(Grid()->RowToItem(r), items[r - 1]) << r;
    }
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(dd->ItemIndex(), 2);
    // The next key moves on from the kept row, through the sorted order.
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(dd->Text(), "Gamma");
    EXPECT_EQ(dd->ItemIndex(), 0);
}

TEST_F(GridDropDown, ThePopupShowsWholeRowsAndStretchesTheColumns) {
    // 200 asked, a 25-pixel header row and 22-pixel rows: 25 + 7 x 22 + 6.
    int h = 200;
    dd->DropDownHeader()->SetVisible(false);
    dd->DropDownFooter()->SetVisible(false);
    dd->AdjustDropDownHeight(h);
    EXPECT_EQ(h, 185);

    dd->Columns()->Clear();
    for (int i = 0; i < 3; ++i)
        dd->Columns()->Add();
    SetItems({{"a", "b", "c"}});
    dd->SetAutoSizeColumns(false);
    dd->SetDropDownAutoWidth(false);
    dd->SetDropDownWidth(200);
    Open();
    EXPECT_EQ(dd->DropDownForm()->Width(), 200);
    EXPECT_EQ(Grid()->ColWidths(0), 66);
    EXPECT_EQ(Grid()->ColWidths(1), 66);
    EXPECT_EQ(Grid()->ColWidths(2), 67);
}

TEST_F(GridDropDown, TheModifiedFlagComparesWithTheTextAtFocusArrival) {
    SetItems({{"Alpha"}, {"Beta"}});
    dd->SetItemIndex(1);
    other->SetFocus();
    dd->SetFocus();
    QApplication::processEvents();
    dd->SelectAll();
    TypeKeys("B");
    // Completed back to the text the control had when the focus arrived.
    EXPECT_EQ(dd->Text(), "Beta");
    EXPECT_FALSE(dd->IsModified());
    dd->SelectAll();
    TypeKeys("A");
    EXPECT_EQ(dd->Text(), "Alpha");
    EXPECT_TRUE(dd->IsModified());
}
