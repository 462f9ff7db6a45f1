// The list dropdowns' columns and items without a window: a copy from another kind is refused, never
// half-taken in silence.
#include "controls/dropdown/QvDropDown_Items.h"

#include <gtest/gtest.h>

#include <functional>

TEST(DropDownItems, ACopyFromAnotherKindRaisesAndKeepsTheTarget) {
    TDropDownColumns columns(nullptr);
    TDropDownItems items(nullptr);
    TDropDownColumn* column = columns.Add();
    column->SetWidth(33);
    TDropDownItem* item = items.Add();
    item->Text()->Add("Bern");
    item->SetImageIndex(2);

    struct Case {
        const char* what;
        std::function<void()> copy;
    } cases[] = {
        {"an item into a column", [&] { column->Assign(item); }},
        {"a column into an item", [&] { item->Assign(column); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        EXPECT_THROW(k.copy(), Exception);
    }
    EXPECT_EQ(column->Width(), 33);
    EXPECT_EQ(item->ColumnText(0), "Bern");
    EXPECT_EQ(item->ImageIndex(), 2);
}
