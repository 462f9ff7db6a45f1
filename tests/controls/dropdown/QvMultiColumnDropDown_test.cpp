// The multi-column dropdown driven by real keys offscreen: completion in the edit, typing in the open list,
// item keys, closing with and without the chosen row, popup and column sizing, drawing and copying.
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvMultiColumnDropDown.h"

#include "DropDownOnForm.h"
#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

class MultiColumnDropDown : public dropdowntest::DropDownOnForm<TQvMultiColumnDropDown> {
protected:
    // Items of one text per column; the lookup list is built as a filling caller builds it.
    void Fill(std::initializer_list<std::initializer_list<const char*>> rows, int columns = 1) {
        edit->Items()->Clear();
        edit->Columns()->Clear();
        for (int c = 0; c < columns; ++c)
            edit->Columns()->Add()->SetHeader(QString("H%1").arg(c));
        for (const auto& row : rows) {
            TDropDownItem* item = edit->Items()->Add();
            for (const char* t : row)
                item->Text()->Add(t);
        }
        edit->EndUpdate();
    }
    // Letters as the keyboard sends them: the key code with its character.
    static void Type(const QString& text) {
        for (const QChar c : text)
            qvtest::KeyToFocus(Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
    }
    String Selected() const { return edit->EditText().mid(edit->SelStart(), edit->SelLength()); }
};

TEST_F(MultiColumnDropDown, TypingCompletesFromTheLookupColumnAndTheReleaseTakesTheItemsSpelling) {
    struct Step {
        const char* typed;
        const char* text;
        const char* selected;
        int item;
    };
    struct Case {
        std::initializer_list<std::initializer_list<const char*>> items;
        std::vector<Step> steps;
    } cases[] = {
        {{{"Berlin"}, {"Bern"}, {"Bonn"}},
         {{"b", "Berlin", "erlin", 0},
          {"e", "Berlin", "rlin", 0},
          {"r", "Berlin", "lin", 0},
          {"n", "Bern", "", 1}}},
        {{{"Apple"}, {"Apricot"}}, {{"ap", "Apple", "ple", 0}, {"r", "Apricot", "icot", 1}}},
        {{{"Alpha"}, {"Beta"}, {"Beeswax"}}, {{"be", "Beta", "ta", 1}, {"e", "Beeswax", "swax", 2}}},
        // Nothing begins with what was typed: the text is cut at the caret.
        {{{"Berlin"}, {"Bern"}}, {{"bx", "Bx", "", 0}}},
    };
    for (const Case& k : cases) {
        Fill(k.items);
        edit->SetItemIndex(-1);
        for (const Step& s : k.steps) {
            Type(s.typed);
            SCOPED_TRACE(s.typed);
            EXPECT_EQ(edit->Text(), s.text);
            EXPECT_EQ(Selected(), s.selected);
            EXPECT_EQ(edit->ItemIndex(), s.item);
        }
        EXPECT_TRUE(edit->IsModified());
    }
    // Backspace takes the completed tail away without completing again.
    Fill({{"Berlin"}, {"Bern"}});
    edit->SetItemIndex(-1);
    Type("b");
    qvtest::KeyToFocus(Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "B");
}

TEST_F(MultiColumnDropDown, EnterAndEscapeInTheEditMatchTheTextWithoutCase) {
    Fill({{"Berlin"}, {"Bern"}});
    edit->SetItemIndex(-1);
    edit->SetText("bERN");
    qvtest::KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(edit->Text(), "Bern");
    EXPECT_EQ(edit->ItemIndex(), 1);
    // A text that is no item is emptied by Escape.
    edit->SetText("Paris");
    qvtest::KeyToFocus(Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->ItemIndex(), -1);
}

TEST_F(MultiColumnDropDown, ItemIndexAndItemKeysMoveTheText) {
    Fill({{"a1", "x"}, {"a2"}, {"a3", "y"}}, 2);
    edit->SetItemIndex(1);
    edit->SetItemIndex(3); // the item count: ignored
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "a2");
    edit->SetItemIndex(-1);
    EXPECT_EQ(edit->Text(), "");
    edit->SetEditorEnabled(false);
    struct Step {
        int key;
        int item;
    } steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 2},     {Qt::Key_Down, 2},
                 {Qt::Key_Up, 1},   {Qt::Key_Home, 0}, {Qt::Key_PageDown, 2}};
    for (const Step& s : steps) {
        qvtest::KeyToFocus(s.key);
        EXPECT_EQ(edit->ItemIndex(), s.item) << s.key;
        EXPECT_EQ(edit->Text(), QString("a%1").arg(s.item + 1));
    }
    // With another lookup column an item without a line there reads as empty, never as an error.
    edit->SetLookupColumn(1);
    edit->EndUpdate();
    edit->SetItemIndex(1);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->GetItemIndex("y"), 2);
    EXPECT_EQ(edit->Items()->IndexInColumn(1, ""), -1);
}

TEST_F(MultiColumnDropDown, TypingIntoTheOpenListMovesItsRowAndBackspaceRemovesTheSelection) {
    Fill({{"Berlin"}, {"Bern"}, {"Bonn"}});
    qvtest::KeyToFocus(Qt::Key_Down, QString(), Qt::AltModifier);
    ASSERT_TRUE(edit->DroppedDown());
    QvMultiColumn::TQvColGrid* list = edit->ListGrid();
    ASSERT_EQ(QApplication::focusWidget(), list->Widget());
    Type("bo");
    EXPECT_EQ(list->Row(), 3);
    EXPECT_EQ(edit->Text(), "Bonn");
    EXPECT_EQ(Selected(), "nn");
    // z finds nothing: the row stays, and the next b starts afresh.
    Type("z");
    EXPECT_EQ(list->Row(), 3);
    Type("b");
    EXPECT_EQ(list->Row(), 1);
    edit->SetText("Bern");
    edit->SetSelStart(1);
    edit->SetSelLength(2);
    qvtest::KeyToFocus(Qt::Key_Backspace, QString(QChar(8)));
    EXPECT_EQ(edit->Text(), "Bn");
    EXPECT_TRUE(edit->DroppedDown());
}

TEST_F(MultiColumnDropDown, ClosingKeepsAChosenRowAndCancelRestores) {
    Fill({{"one"}, {"two"}, {"three"}});
    struct Case {
        const char* name;
        int closeKey;
        Qt::KeyboardModifiers mods;
        int item;
    } cases[] = {
        {"Enter takes the row", Qt::Key_Return, Qt::NoModifier, 2},
        {"Alt+Up takes the row", Qt::Key_Up, Qt::AltModifier, 2},
        {"Escape restores", Qt::Key_Escape, Qt::NoModifier, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        edit->SetItemIndex(0);
        int selects = 0;
        edit->OnSelect = [&selects](TObject*) { ++selects; };
        qvtest::KeyToFocus(Qt::Key_Down, QString(), Qt::AltModifier);
        ASSERT_TRUE(edit->DroppedDown());
        EXPECT_EQ(edit->ListGrid()->Row(), 1);
        qvtest::KeyToFocus(Qt::Key_Down);
        qvtest::KeyToFocus(Qt::Key_Down);
        EXPECT_EQ(edit->Text(), "three") << "the row moved by keys is the item";
        qvtest::KeyToFocus(k.closeKey, QString(), k.mods);
        EXPECT_FALSE(edit->DroppedDown());
        EXPECT_EQ(edit->ItemIndex(), k.item);
        EXPECT_EQ(edit->Text(), edit->Items()->Items(k.item)->Text()->Strings(0));
        EXPECT_EQ(selects, k.closeKey == Qt::Key_Return ? 1 : 0);
    }
}

TEST_F(MultiColumnDropDown, ARowReachedByTheWheelIsNotTakenByAClickOutside) {
    Fill({{"one"}, {"two"}, {"three"}});
    edit->SetItemIndex(0);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    QWidget* list = edit->ListGrid()->Widget();
    const QPointF at(10, 40);
    QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheel);
    EXPECT_GT(edit->ListGrid()->Row(), 1);
    EXPECT_FALSE(edit->ListGrid()->ConfirmSelection());
    edit->HideDropDown(false);
    EXPECT_NE(edit->Text(), "") << "the closing kept an item";
    EXPECT_EQ(edit->ItemIndex(), edit->GetItemIndex(edit->Text()));
}

TEST_F(MultiColumnDropDown, ColumnsStretchToThePopupAndThePopupShowsWholeRows) {
    Fill({{"a", "b", "c"}, {"d", "e", "f"}}, 3);
    const int widths[] = {80, 80, 40};
    for (int c = 0; c < 3; ++c)
        edit->Columns()->Items(c)->SetWidth(widths[c]);
    edit->SetDropDownAutoWidth(false);
    edit->SetDropDownWidth(402);
    edit->DropDownHeader()->SetVisible(false);
    edit->DropDownFooter()->SetVisible(false);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    QvMultiColumn::TQvColGrid* list = edit->ListGrid();
    ASSERT_TRUE(list->AllRowsVisible());
    EXPECT_EQ(edit->DropDownForm()->Width(), 402);
    EXPECT_EQ(list->ColWidths(0), 160);
    EXPECT_EQ(list->ColWidths(1), 160);
    EXPECT_EQ(list->ColWidths(2), 80);
    EXPECT_EQ(edit->Columns()->Items(2)->Width(), 40) << "the columns keep their own widths";
    // 200 asked: the 25-pixel header row, 2 of frame and the 7 whole rows of 22 that fit.
    EXPECT_EQ(edit->DropDownForm()->Height(), 25 + 7 * 22 + 2);
    edit->HideDropDown(true);

    // Auto width: the popup is the columns' width and its frame.
    edit->SetDropDownWidth(0);
    edit->SetDropDownAutoWidth(true);
    edit->SetColumnSizeWithDropDown(false);
    edit->ShowDropDown();
    EXPECT_EQ(edit->DropDownForm()->Width(), 80 + 80 + 40 + 2);
}

TEST_F(MultiColumnDropDown, AutoSizedColumnsMeasureTheItemsThatHaveTheirLine) {
    edit->SetColumnSizeWithDropDown(false);
    Fill({}, 2);
    edit->Columns()->Items(1)->SetAutoSize(true);
    edit->ShowDropDown();
    EXPECT_EQ(edit->ListGrid()->ColWidths(1), 0) << "no items";
    edit->HideDropDown(true);

    Fill({{"short", "a rather longer text"}, {"only the first column has a line"}}, 2);
    edit->Columns()->Items(1)->SetAutoSize(true);
    edit->ShowDropDown();
    TCanvas* canvas = edit->DropDownForm()->Canvas();
    canvas->SetFont(edit->Columns()->Items(1)->Font());
    TRect r(0, 0, 1000, 500);
    DrawText(canvas, "a rather longer text", r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(edit->ListGrid()->ColWidths(1), r.Width() + 6);
    EXPECT_EQ(edit->Columns()->Items(1)->Width(), r.Width() + 6);
    edit->HideDropDown(true);

    // A wrapping column makes its rows tall enough for the wrapped text.
    Fill({{"one two three four five six seven eight nine ten"}, {"x"}});
    edit->Columns()->Items(0)->SetWordwrap(true);
    edit->Columns()->Items(0)->SetWidth(60);
    edit->ShowDropDown();
    EXPECT_GT(edit->ListGrid()->RowHeights(1), 24);
    EXPECT_EQ(edit->ListGrid()->RowHeights(2), 24);
}

TEST_F(MultiColumnDropDown, CellsArePaintedFromTheColumnsAndTheEvents) {
    Fill({{"one"}, {"two"}});
    edit->Columns()->Items(0)->SetColor(0x00FF00);
    edit->Columns()->Items(0)->SetWidth(150);
    edit->SetColumnSizeWithDropDown(false);
    edit->SetItemIndex(0);
    std::vector<String> texts;
    edit->OnDropDownGetItemText = [&texts](TObject* s, int, int, String& Text) {
        EXPECT_NE(dynamic_cast<TQvMultiColumnDropDown*>(s), nullptr);
        texts.push_back(Text);
    };
    edit->ShowDropDown();
    QvMultiColumn::TQvColGrid* list = edit->ListGrid();
    const QImage shot = list->Widget()->grab().toImage();
    const TRect item2 = list->GetCellRect(0, 2);
    EXPECT_EQ(FromQColor(shot.pixelColor(item2.Right - 3, item2.Top + 3)), TColor(0x00FF00));
    const TRect selected = list->GetCellRect(0, 1);
    EXPECT_NE(FromQColor(shot.pixelColor(selected.Right - 6, selected.Top + 6)), TColor(0x00FF00));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "H0"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "two"), texts.end());
}

TEST_F(MultiColumnDropDown, AssignCopiesTheHeaderFontAndTheItemTexts) {
    Fill({{"Berlin", "DE"}, {"Paris", "FR"}}, 2);
    edit->HeaderFont()->SetSize(17);
    edit->SetItemIndex(1);
    TQvMultiColumnDropDown copy(form.get());
    copy.Assign(edit);
    EXPECT_EQ(copy.HeaderFont()->Size(), 17);
    ASSERT_EQ(copy.Items()->Count(), 2);
    EXPECT_EQ(copy.Items()->Items(1)->ColumnText(1), "FR");
    EXPECT_EQ(copy.ItemIndex(), 1);
    EXPECT_EQ(copy.Columns()->Items(1)->Header(), "H1");
}
