// Fixed-width text: widths given and measured, fields cut and filled, and field positions read back.
#include "controls/grid/exchange/FixedWidthFormat.h"

#include "ExchangeCases.h"
#include "controls/grid/BaseGrid.h"

#include <gtest/gtest.h>

namespace fixedwidth_test {

using exchangecases::Table;

TEST(FixedWidthWriter, FieldsAreCutOrFilledToTheirWidths) {
    struct Case {
        const char* Name;
        std::vector<int> Widths;
        bool Multiline;
        QString Text;
        std::vector<int> WidthsAfter;
    };
    // Rows {"ab", "c"}, {"abcd", <second cell>}.
    const Case cases[] = {
        {"measured: longest + 1", {}, false, "", {5, 2}},
        {"given widths cut", {2, 1}, false, "", {2, 1}},
        {"missing widths appended", {3}, false, "xyz", {3, 4}},
        {"multi-line: longest line", {}, true, "p\r\nqqq", {5, 4}},
        {"single-line: whole text", {}, false, "p\r\nqqq", {5, 7}},
    };
    const QString expected[] = {
        "ab   c \r\nabcd   \r\n",           "abc\r\nab \r\n",
        "ab c   \r\nabcxyz \r\n",           "ab   c   \r\nabcd p   \r\n",
        "ab   c      \r\nabcd p      \r\n",
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        GridCellStore store(1, 1);
        exchangecases::Fill(store, {{"ab", "c"}, {"abcd", c.Text}});
        ExchangeLayout layout;
        layout.Multilinecells = c.Multiline;
        StoreExchange grid(store, layout);
        std::vector<int> widths = c.Widths;
        EXPECT_EQ(FixedWidthWriter().Write(grid, widths), expected[i]) << c.Name;
        EXPECT_EQ(widths, c.WidthsAfter) << c.Name;
    }
    // A character of two code units is never cut in half.
    GridCellStore store(1, 1);
    exchangecases::Fill(store, {{QString::fromUtf8("😀x")}});
    StoreExchange grid(store);
    std::vector<int> widths{1};
    EXPECT_EQ(FixedWidthWriter().Write(grid, widths), " \r\n");
}

TEST(FixedWidthReader, ReadsTheFieldsBetweenPositions) {
    const QString text = "abcdefgh\r\n ab  cd \r\nxy\r\n";
    struct Case {
        const char* Name;
        std::vector<int> Positions;
        bool Trim;
        int MaxRows;
        Table Cells;
    };
    const Case cases[] = {
        {"two fields of four", {1, 5, 9}, true, -1, {{"abcd", "efgh", ""}, {"ab", "cd", ""}, {"xy", "", ""}}},
        {"positions sorted first",
         {9, 1, 5},
         true,
         -1,
         {{"abcd", "efgh", ""}, {"ab", "cd", ""}, {"xy", "", ""}}},
        {"untrimmed", {1, 5, 9}, false, -1, {{"abcd", "efgh", ""}, {" ab ", " cd ", ""}, {"xy", "", ""}}},
        {"MaxRows 0 reads one line", {1, 5, 9}, true, 0, {{"abcd", "efgh", ""}}},
        {"MaxRows 2", {2, 4}, true, 2, {{"bc", ""}, {"ab", ""}}},
    };
    for (const Case& c : cases) {
        GridCellStore store(1, 1);
        ExchangeLayout layout;
        layout.FixedCols = 1; // the grid gets a column per field after the fixed one
        layout.SaveFixedCells = true;
        StoreExchange grid(store, layout);
        std::vector<int> positions = c.Positions;
        FixedWidthReader().Load(grid, text, positions, c.Trim, c.MaxRows, "test");
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << c.Name;
        EXPECT_EQ(exchangecases::Read(store), c.Cells) << c.Name;
    }
    GridCellStore store(2, 2);
    store.SetText(0, 0, "kept");
    StoreExchange grid(store);
    std::vector<int> one{1};
    EXPECT_THROW(FixedWidthReader().Load(grid, text, one, true, -1, "test"), EQvGridError);
    EXPECT_EQ(store.Text(0, 0), "kept");
}

TEST(FixedWidthFormat, WrittenFieldsReadBackAtTheirPositions) {
    GridCellStore source(1, 1);
    exchangecases::Fill(source, {{"id", "name", "é ü"}, {"17", "", "日本語"}, {"", "x", ""}});
    StoreExchange from(source);
    std::vector<int> widths;
    const String text = FixedWidthWriter().Write(from, widths);
    std::vector<int> positions{1};
    for (int w : widths)
        positions.push_back(positions.back() + w);
    GridCellStore target(1, 1);
    StoreExchange to(target);
    FixedWidthReader().Load(to, text, positions, true, -1, "test");
    EXPECT_EQ(exchangecases::Read(target), exchangecases::Read(source));
}

} // namespace fixedwidth_test
