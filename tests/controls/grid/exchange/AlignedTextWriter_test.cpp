// Column-aligned text: widths from the widest text, placement by alignment, further lines of multi-line
// cells.
#include "controls/grid/exchange/AlignedTextWriter.h"

#include "ExchangeCases.h"
#include "controls/grid/BaseGrid.h"

#include <gtest/gtest.h>

namespace alignedtext_test {

void Align(GridCellStore& Store, int Col, int Row, TAlignment Alignment) {
    Store.MakeProperties(Col, Row)->SetAlignment(Alignment);
}

TEST(AlignedTextWriter, PlacesEachCellByItsAlignment) {
    GridCellStore store(1, 1);
    exchangecases::Fill(store, {{"abc", "x", "wide"}, {"7", "yz", "ab"}, {"", "q", "c"}});
    Align(store, 0, 1, taRightJustify);
    Align(store, 2, 1, taCenter);
    Align(store, 2, 2, taCenter);
    StoreExchange grid(store);
    EXPECT_EQ(AlignedTextWriter().Write(grid), "abc x  wide \r\n"
                                               "  7 yz  ab  \r\n"
                                               "    q    c  \r\n");
}

TEST(AlignedTextWriter, FurtherLinesOfAMultiLineCellGoBelowInItsColumn) {
    GridCellStore store(1, 1);
    exchangecases::Fill(store, {{"a", "one\r\ntwo\r\nthree", "b"}, {"cc", "d", "e\r\nf"}});
    Align(store, 2, 1, taRightJustify);
    ExchangeLayout layout;
    layout.Multilinecells = true;
    StoreExchange grid(store, layout);
    EXPECT_EQ(AlignedTextWriter().Write(grid), "a  one   b \r\n"
                                               "   two\r\n"
                                               "   three\r\n"
                                               "cc d     e \r\n"
                                               "         f\r\n");
    // Without multi-line cells a cell shows its first line and the widths count the whole text.
    grid.SetLayout({});
    EXPECT_EQ(AlignedTextWriter().Write(grid), "a  one             b    \r\n"
                                               "cc d                  e \r\n");
}

TEST(AlignedTextWriter, TakesAnyWidthAndAnyNumberOfColumns) {
    const QString wide(300, 'w');
    GridCellStore store(1, 1);
    exchangecases::Table row(1);
    for (int c = 0; c < 600; ++c)
        row[0] << (c == 599 ? wide : QString::number(c % 10));
    row.push_back(QStringList(600, "z"));
    exchangecases::Fill(store, row);
    StoreExchange grid(store);
    const QStringList lines = AlignedTextWriter().Write(grid).split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 599 * 2 + 301);
    EXPECT_TRUE(lines[0].endsWith(wide + " "));
    EXPECT_TRUE(lines[1].endsWith("z" + QString(300, ' ')));
}

} // namespace alignedtext_test
