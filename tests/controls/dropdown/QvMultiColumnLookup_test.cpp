// The multi-column dropdown's completion, list typing, item steps and sizing, from tables of cases.
#include "controls/dropdown/QvMultiColumnLookup.h"

#include <gtest/gtest.h>

namespace {

const TLookupTexts kCities = {"Berlin", "Bern", "Bonn"};

TEST(MultiColumnLookup, CompletesTheTypedPartWithTheFirstItemThatBeginsWithIt) {
    struct Case {
        TLookupTexts lookup;
        QString text;
        int caret;
        bool matchCase;
        bool completed;
        QString result;
        int item;
    };
    const Case cases[] = {
        {kCities, "b", 1, false, true, "berlin", 0},  // what was typed keeps its case
        {kCities, "Bern", 4, false, true, "Bern", 1}, // Berlin does not begin with "BERN"
        {kCities, "bo", 2, false, true, "bonn", 2},
        {kCities, "b", 1, true, false, "b", -1}, // with case: "b" begins no item
        {{"Apple", "Apricot"}, "apr", 3, false, true, "apricot", 1},
        {{"Alpha", "Beta", "Beeswax"}, "bee", 3, false, true, "beeswax", 2},
        {kCities, "bx", 2, false, false, "bx", -1}, // no match: cut at the caret
        {kCities, "bxyz", 2, false, false, "bx", -1},
        {kCities, "", 0, false, false, "", -1},
        {{"", "Bern"}, "b", 1, false, true, "bern", 1}, // an item without a lookup text never matches
    };
    for (const Case& c : cases) {
        const TEditCompletion out = CompleteEditText(c.lookup, c.text, c.caret, c.matchCase);
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(out.Completed, c.completed);
        EXPECT_EQ(out.Text, c.result);
        EXPECT_EQ(out.ItemIndex, c.item);
        if (out.Completed) {
            EXPECT_EQ(out.TypedLength, c.caret) << "the completed part is what gets selected";
        }
    }
}

TEST(MultiColumnLookup, TypingIntoTheOpenListFindsItemsAndForgetsAnEntryThatFindsNothing) {
    TListTypingState s;
    TListTypingResult r = ListTypingKey(s, QChar('b'), kCities, false);
    EXPECT_EQ(r.ItemIndex, 0);
    EXPECT_EQ(r.EditText, "Berlin");
    EXPECT_EQ(r.SelStart, 1);
    EXPECT_EQ(r.SelLength, 5);
    r = ListTypingKey(s, QChar('o'), kCities, false);
    EXPECT_EQ(r.ItemIndex, 2) << "bo moves to Bonn";
    EXPECT_EQ(s.Entry, "bo");
    r = ListTypingKey(s, QChar('z'), kCities, false);
    EXPECT_EQ(r.ItemIndex, -1) << "z leaves the row";
    EXPECT_FALSE(r.EditChanged);
    EXPECT_TRUE(s.Entry.isEmpty()) << "and clears the typed entry";

    // A character that extends nothing starts a new entry when it begins an item itself.
    s.Entry = "be";
    r = ListTypingKey(s, QChar('B'), kCities, false);
    EXPECT_EQ(r.ItemIndex, 0);
    EXPECT_EQ(s.Entry, "B");
    EXPECT_EQ(r.SelLength, 0);
    // With case: "b" begins no item.
    s.Entry.clear();
    EXPECT_EQ(ListTypingKey(s, QChar('b'), kCities, true).ItemIndex, -1);
}

TEST(MultiColumnLookup, BackspaceInTheOpenListTakesTheSelectionOrTheEntrysLastCharacter) {
    TListTypingState s{"", "Bern", 1, 2}; // "er" of Bern selected
    TListTypingResult r = ListTypingKey(s, QChar('\b'), kCities, false);
    EXPECT_TRUE(r.EditChanged);
    EXPECT_EQ(r.EditText, "Bn") << "exactly the two selected characters go";
    EXPECT_EQ(r.SelStart, 2);
    EXPECT_EQ(r.ItemIndex, -1);

    s = {"ber", "Berlin", 6, 0};
    r = ListTypingKey(s, QChar('\b'), kCities, false);
    EXPECT_EQ(r.EditText, "be");
    EXPECT_EQ(r.SelStart, 2);
    EXPECT_TRUE(s.Entry.isEmpty()) << "no item reached: the entry starts again";

    s = {"b", "Berlin", 1, 5};
    r = ListTypingKey(s, QChar('\t'), kCities, false);
    EXPECT_EQ(r.ItemIndex, -1);
    EXPECT_FALSE(r.EditChanged);
}

TEST(MultiColumnLookup, TheOpenListLeavesNavigationCharactersAloneUnlessAltIsHeld) {
    for (const char16_t c : {u'\r', char16_t(27), u'!', u'"', u'#', u'$', u'&', u'('}) {
        EXPECT_FALSE(ListTypingUses(QChar(c), false)) << int(c);
        EXPECT_TRUE(ListTypingUses(QChar(c), true)) << int(c);
    }
    for (const char16_t c : {u'a', u'%', u'\'', u')', u'\b', u'1'})
        EXPECT_TRUE(ListTypingUses(QChar(c), false)) << int(c);
}

TEST(MultiColumnLookup, KeysInTheEditStepThroughTheItems) {
    using S = TItemStep;
    struct Case {
        S step;
        int current, count;
        bool editorEnabled;
        int expected;
    };
    const Case cases[] = {
        {S::Up, -1, 5, true, 0},        {S::Up, 0, 5, true, 0},          {S::Up, 3, 5, true, 2},
        {S::Down, -1, 5, true, 0},      {S::Down, 4, 5, true, 4},        {S::Down, 1, 5, true, 2},
        {S::PageUp, 15, 30, true, 5},   {S::PageUp, 9, 30, true, 0},     {S::PageUp, -1, 30, true, 0},
        {S::PageDown, 5, 30, true, 15}, {S::PageDown, 25, 30, true, 29}, {S::PageDown, -1, 30, true, 0},
        {S::Home, 7, 30, true, 7},      {S::Home, 7, 30, false, 0},      {S::End, 7, 30, true, 7},
        {S::End, 7, 30, false, 29},     {S::Down, -1, 0, true, -1},      {S::End, 3, 0, false, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepItem(c.step, c.current, c.count, c.editorEnabled), c.expected)
            << int(c.step) << " from " << c.current << " of " << c.count;
}

TEST(MultiColumnLookup, ColumnsStretchToThePopupCarryingTheirRoundingRemainders) {
    struct Case {
        std::vector<int> widths;
        int fill;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{80, 80, 40}, 402, {160, 160, 80}}, // scale 402 / 201 = 2
        {{80, 80, 80}, 200, {66, 66, 67}},   // the carried error passes 1 at the third column
        {{}, 300, {}},
        {{100}, 101, {100}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StretchColumnWidths(c.widths, c.fill), c.expected) << c.fill;
}

TEST(MultiColumnLookup, ThePopupShowsWholeRowsOnly) {
    // 200 asked, no bars: 25 header + 2, (173 div 22) = 7 rows of 22.
    EXPECT_EQ(WholeRowsDropDownHeight(200, 0, 0, 25, 22), 181);
    EXPECT_EQ(WholeRowsDropDownHeight(200, 20, 24, 25, 22), 20 + 24 + 25 + 5 * 22 + 2) << "(129 div 22) rows";
    EXPECT_EQ(WholeRowsDropDownHeight(181, 0, 0, 25, 22), 181) << "a whole-row height stays";
}

TEST(MultiColumnLookup, IndexesOfTexts) {
    EXPECT_EQ(LookupIndexOf(kCities, "Bern"), 1);
    EXPECT_EQ(LookupIndexOf(kCities, "bern"), -1);
    EXPECT_EQ(LookupIndexOfNoCase(kCities, "bERn"), 1);
    EXPECT_EQ(LookupFindPrefix(kCities, "", false), -1);
}

} // namespace
