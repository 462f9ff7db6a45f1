// The floating footer's column calculations over the plain cell store, and its preview template.
#include "controls/grid/data/FooterCalc.h"
#include "controls/grid/data/GridCellStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace footercalc_test {

struct CalcCase {
    const char* Name;
    int Type;
    QStringList Values;      // column 0 of rows 1.., under one fixed row; a footer row follows
    std::vector<int> Hidden; // real rows hidden in the store
    bool HiddenIn;
    FooterValue::Kind What;
    double Value;
};

FooterValue Calc(const CalcCase& c) {
    const int rows = int(c.Values.size()) + 2;
    GridCellStore store(1, rows);
    store.SetText(0, 0, "header");
    for (int r = 0; r < c.Values.size(); ++r)
        store.SetText(0, r + 1, c.Values[r]);
    store.SetText(0, rows - 1, "999"); // the footer's own text is never read
    for (int r : c.Hidden)
        store.HideRow(r);
    return CalcFooterColumn(store, 0, c.Type, FooterRange{1, store.DisplayRowCount() - 1, c.HiddenIn});
}

TEST(FooterCalc, EveryCalculationFromATableOfCases) {
    const std::vector<CalcCase> cases = {
        {"count of eight rows",
         acCOUNT,
         {"a", "b", "c", "d", "e", "f", "g", "h"},
         {},
         true,
         FooterValue::Integer,
         8},
        {"sum", acSUM, {"1.5", "2.5"}, {}, true, FooterValue::Float, 4},
        {"sum passes over text", acSUM, {"1", "x", "", "2"}, {}, true, FooterValue::Float, 3},
        {"high bits of the type ignored", acSUM | 0x80, {"1", "2"}, {}, true, FooterValue::Float, 3},
        {"average counts every row", acAVG, {"2", "x", "4", "6"}, {}, true, FooterValue::Float, 3},
        {"minimum of numbers only", acMIN, {"x", "5", "-2", "7"}, {}, true, FooterValue::Float, -2},
        {"maximum of numbers only", acMAX, {"5", "", "9", "7"}, {}, true, FooterValue::Float, 9},
        {"maximum of negatives", acMAX, {"-5", "-3"}, {}, true, FooterValue::Float, -3},
        {"no rows", acSUM, {}, {}, true, FooterValue::Float, 0},
        {"distinct ignores case", acDISTINCT, {"a", "A", "b", "b", ""}, {}, true, FooterValue::Float, 3},
        {"standard deviation",
         acSTDDEV,
         {"2", "4", "4", "4", "5", "5", "7", "9"},
         {},
         true,
         FooterValue::Float,
         2},
        {"custom is the application's", acCUSTOM, {"1"}, {}, true, FooterValue::Custom, 0},
        {"spread keeps the cell", acSPREAD, {"1"}, {}, true, FooterValue::Unchanged, 0},
        {"hidden rows counted", acSUM, {"1", "100", "2"}, {2}, true, FooterValue::Float, 103},
        {"hidden rows left out", acSUM, {"1", "100", "2"}, {2}, false, FooterValue::Float, 3},
        {"count with hidden rows", acCOUNT, {"1", "100", "2"}, {2}, true, FooterValue::Integer, 3},
        {"count without hidden rows", acCOUNT, {"1", "100", "2"}, {2}, false, FooterValue::Integer, 2},
        // One hidden row used to shift the range onto the footer row itself.
        {"one hidden row, footer not read", acSUM, {"1", "2"}, {1}, true, FooterValue::Float, 3},
    };
    for (const CalcCase& c : cases) {
        const FooterValue v = Calc(c);
        EXPECT_EQ(v.What, c.What) << c.Name;
        EXPECT_NEAR(v.Value, c.Value, 1e-9) << c.Name;
    }
}

// A merged area counts once, at its base cell.
TEST(FooterCalc, CoveredCellsOfAMergedAreaAreNotCounted) {
    GridCellStore store(1, 5);
    for (int r = 1; r < 4; ++r)
        store.SetText(0, r, "10");
    store.MakeProperties(0, 2)->SetIsBaseCell(false);
    const FooterValue v = CalcFooterColumn(store, 0, acSUM, FooterRange{1, 4, true});
    EXPECT_DOUBLE_EQ(v.Value, 20);
}

TEST(FooterCalc, TemplateExpansion) {
    const auto cell = [](int Col) { return Col == 2 ? String("7") : Col == 0 ? String("x") : String(); };
    const struct {
        const char* Template;
        const char* Expected;
    } cases[] = {
        {"Total: <#2> items", "Total: 7 items"},
        {"<#0><#2>", "x7"},
        {"<# 2 >", "7"},
        {"a<#b>c", "ac"},
        {"<#5>.", "."},
        {"no tags", "no tags"},
        {"", ""},
        {"open <#2", "open <#2"},
        {"<#2> then <#", "7 then <#"},
        {"<b><#2></b>", "<b>7</b>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandFooterTemplate(c.Template, cell), String(c.Expected)) << c.Template;
}

} // namespace footercalc_test
