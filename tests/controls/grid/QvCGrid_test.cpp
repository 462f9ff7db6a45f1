// The column grid: items follow the columns, their settings reach the string grid's hooks, and column
// positions round-trip through an INI file.
#include "controls/grid/QvCGrid.h"

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/IniFiles.h"
#include "toolkit/system/Streams.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// A grid whose cells name their column, so moves can be followed by content.
void NameColumns(TQvColumnGrid& g) {
    for (int c = 0; c < g.ColCount(); ++c) {
        g.Columns()->Items(c)->SetHeader(QStringLiteral("H%1").arg(c));
        g.SetCells(c, 1, QStringLiteral("c%1").arg(c));
    }
}

QStringList RowTexts(TQvColumnGrid& g, int row) {
    QStringList out;
    for (int c = 0; c < g.ColCount(); ++c)
        out << g.Cells(c, row);
    return out;
}

} // namespace

TEST(QvCGridItems, ItemCountFollowsColumnsAndNewItemsTakeTheLookBefore) {
    TQvColumnGrid g(nullptr);
    EXPECT_EQ(g.ColCount(), 5);
    ASSERT_EQ(g.Columns()->Count(), 5);
    g.Columns()->Items(4)->SetColor(TColor(0x123456));
    g.Columns()->Items(4)->SetAlignment(taCenter);
    g.Columns()->Items(4)->SetHeader("keep out");
    g.SetColCount(15);
    ASSERT_EQ(g.Columns()->Count(), 15);
    for (int i = 5; i < 15; ++i) {
        EXPECT_EQ(g.Columns()->Items(i)->Alignment(), taCenter) << i;
        // AssignVisuals takes colour and font from the grid, and never the header.
        EXPECT_EQ(g.Columns()->Items(i)->Color(), g.Color()) << i;
        EXPECT_EQ(g.Columns()->Items(i)->Header(), "") << i;
    }
    g.SetColCount(3);
    EXPECT_EQ(g.Columns()->Count(), 3);
    // Hidden columns keep their items; a user's Add raises the column count.
    g.HideColumn(1);
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.Columns()->Count(), 3);
    g.UnHideColumn(1);
    g.Columns()->Add();
    EXPECT_EQ(g.ColCount(), 4);
    g.Columns()->Delete(3);
    EXPECT_EQ(g.ColCount(), 3);
}

TEST(QvCGridItems, HeadersReachRowZeroAndColumnHeadersBothWays) {
    TQvColumnGrid g(nullptr);
    g.SetColCount(15);
    g.Columns()->Items(3)->SetHeader("Byte1");
    EXPECT_EQ(g.Cells(3, 0), "Byte1");
    ASSERT_EQ(g.ColumnHeaders()->Count(), 15);
    EXPECT_EQ(g.ColumnHeaders()->Strings(3), "Byte1");

    TStringList lines;
    for (int i = 0; i < 15; ++i)
        lines.Add(QStringLiteral("L%1").arg(i));
    g.SetColumnHeaders(&lines);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(g.Columns()->Items(i)->Header(), QStringLiteral("L%1").arg(i));
    EXPECT_EQ(g.Cells(14, 0), "L14");
}

TEST(QvCGridItems, WidthIsTheGridsColumnWidthAndFollowsUserSizing) {
    TQvColumnGrid g(nullptr);
    g.Columns()->Items(2)->SetWidth(120);
    EXPECT_EQ(g.ColWidths(2), 120);
    EXPECT_EQ(g.Columns()->Items(2)->Width(), 120);
    g.SetColWidths(3, 77);
    EXPECT_EQ(g.Columns()->Items(3)->WidthMember(), 77);
    EXPECT_EQ(g.Columns()->Items(3)->DisplayName(), "Column 3");
    g.Columns()->Items(3)->SetName("Len");
    EXPECT_EQ(g.Columns()->Items(3)->DisplayName(), "Col 3: Len");
    EXPECT_EQ(g.GetColumnByName("Len"), g.Columns()->Items(3));
    EXPECT_EQ(g.GetColumnByName("len"), nullptr);
}

TEST(QvCGridHooks, ColumnLookReachesColourAlignmentAndDefaults) {
    TQvColumnGrid g(nullptr);
    g.SetRowCount(4);
    TGridColumnItem* item = g.Columns()->Items(2);
    item->SetColor(TColor(0xB0D8FF));
    item->SetAlignment(taCenter);
    item->SetHeaderAlignment(taRightJustify);
    item->HeaderFont()->SetStyle(fsBold);
    TBrush brush;
    TFont font;
    g.DoGetCellColor(2, 1, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), TColor(0xB0D8FF));
    // The header row keeps its fixed look but takes the column's header font.
    TBrush headerBrush;
    headerBrush.SetColor(clBtnFace);
    TFont headerFont;
    g.DoGetCellColor(2, 0, 0, &headerBrush, &headerFont);
    EXPECT_EQ(headerBrush.Color(), clBtnFace);
    EXPECT_EQ(headerFont.Style(), TFontStyles(fsBold));
    // The cell's own colour wins over the column's.
    g.SetColors(2, 2, clRed);
    TBrush own;
    g.DoGetCellColor(2, 2, 0, &own, &font);
    EXPECT_EQ(own.Color(), clRed);

    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    g.DoGetAlignment(2, 1, ha, va);
    EXPECT_EQ(ha, taCenter);
    g.DoGetAlignment(2, 0, ha, va);
    EXPECT_EQ(ha, taRightJustify);
    // A new cell-properties object starts from the column.
    EXPECT_EQ(g.GetCellProperties(2, 3)->BrushColor(), TColor(0xB0D8FF));
    EXPECT_EQ(g.GetCellProperties(2, 3)->Alignment(), taCenter);
}

TEST(QvCGridHooks, EditingFollowsReadOnlyFixedAndCellFlags) {
    TQvColumnGrid g(nullptr);
    g.SetRowCount(3);
    g.SetOptions(g.Options() & ~goEditing);
    struct Case {
        bool readOnly, fixed, cellReadOnly, canEdit;
    } cases[] = {
        {false, false, false, true}, {true, false, false, false}, {false, true, false, false},
        {false, false, true, false}, {true, true, true, false},
    };
    for (const Case& c : cases) {
        TGridColumnItem* item = g.Columns()->Items(1);
        item->SetReadOnly(c.readOnly);
        item->SetFixed(c.fixed);
        g.SetReadOnly(1, 1, c.cellReadOnly);
        bool can = true;
        g.CanEditCell(1, 1, can);
        EXPECT_EQ(can, c.canEdit) << c.readOnly << c.fixed << c.cellReadOnly;
    }
    g.Columns()->Items(1)->SetFixed(true);
    bool fixed = false;
    g.DoIsFixedCell(1, 1, fixed);
    EXPECT_TRUE(fixed);
    bool headerEdit = true;
    g.CanEditCell(2, 0, headerEdit);
    EXPECT_FALSE(headerEdit);
}

TEST(QvCGridHooks, EditorKindComboItemsAndLimitsComeFromTheColumn) {
    TQvColumnGrid g(nullptr);
    g.SetRowCount(3);
    TGridColumnItem* item = g.Columns()->Items(3);
    item->SetEditor(edComboList);
    TStringList items;
    items.Add("Numeric");
    items.Add("String");
    item->SetComboItems(&items);
    item->SetDropDownCount(4);
    TEditorType kind = edNormal;
    g.GetCellEditorType(3, 1, kind);
    EXPECT_EQ(kind, edComboList);
    EXPECT_EQ(g.ComboItems()->Text(), items.Text());
    EXPECT_EQ(g.ControlLook()->DropDownCount(), 4);
    EXPECT_TRUE(g.HasComboBox(3, 1));
    EXPECT_FALSE(g.HasComboBox(3, 0));
    EXPECT_FALSE(g.HasComboBox(2, 1));
    // The event has the last word.
    g.OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edNone; };
    g.GetCellEditorType(3, 1, kind);
    EXPECT_EQ(kind, edNone);
}

TEST(QvCGridHooks, DataCheckBoxColumnChecksByTheColumnTextsInTheNormalAreaOnly) {
    TQvColumnGrid g(nullptr);
    g.SetRowCount(6);
    g.SetFixedFooters(1);
    g.Columns()->Items(1)->SetEditor(edDataCheckBox);
    g.OnGetCheckTrue = [](TObject*, int, int, String& v) { v = "yes"; };
    const std::pair<const char*, bool> cases[] = {{"Y", true}, {"N", false}, {"yes", false}, {"", false}};
    int r = 1;
    for (auto [text, checked] : cases) {
        g.SetCells(1, r, text);
        EXPECT_EQ(g.GetCellType(1, r), ctDataCheckBox) << text;
        EXPECT_TRUE(g.HasCheckBox(1, r)) << text;
        EXPECT_EQ(g.IsChecked(1, r), checked) << text;
        ++r;
    }
    EXPECT_EQ(g.GetCellType(1, 0), ctEmpty);
    EXPECT_EQ(g.GetCellType(1, 5), ctEmpty); // footer row
    EXPECT_EQ(g.GetCellType(2, 1), ctEmpty);
    EXPECT_TRUE(g.ToggleCheckBox(1, 2));
    EXPECT_EQ(g.Cells(1, 2), "Y");
    g.Columns()->Items(1)->SetCheckTrue("1");
    g.Columns()->Items(1)->SetCheckFalse("0");
    EXPECT_TRUE(g.SetCheckBoxState(1, 3, false));
    EXPECT_EQ(g.Cells(1, 3), "0");
}

TEST(QvCGridHooks, SizeLimitsFormatsAndPasswordComeFromTheColumn) {
    TQvColumnGrid g(nullptr);
    TGridColumnItem* item = g.Columns()->Items(1);
    item->SetMinSize(40);
    item->SetMaxSize(90);
    item->SetAutoMaxSize(60);
    const std::pair<int, int> sizes[] = {{10, 40}, {50, 50}, {200, 90}};
    for (auto [in, out] : sizes) {
        int w = in;
        g.UpdateColSize(1, w);
        EXPECT_EQ(w, out) << in;
    }
    int autoWidth = 100;
    g.UpdateAutoColSize(1, autoWidth);
    EXPECT_EQ(autoWidth, 60);

    item->SetFloatFormat("%.1f");
    g.SetCells(1, 1, "3.14159");
    g.SetCells(1, 2, "abc");
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.1");
    EXPECT_EQ(g.GetFormattedCell(1, 2), "abc");
    bool isFloat = true;
    String format;
    g.GetFloatFormat(1, 1, isFloat, format);
    EXPECT_EQ(format, "%.1f");
    g.GetFloatFormat(2, 1, isFloat, format);
    EXPECT_EQ(format, g.FloatFormat());

    item->SetPassword(true);
    bool password = false;
    g.DoIsPasswordCell(1, 1, password);
    EXPECT_TRUE(password);
}

TEST(QvCGridColumns, MovingInsertingAndRemovingCarryTheItems) {
    TQvColumnGrid g(nullptr);
    g.SetRowCount(3);
    NameColumns(g);
    std::pair<int, int> moved{-1, -1};
    g.OnAfterColumnMoved = [&moved](TObject*, int from, int to) { moved = {from, to}; };
    g.MoveColumn(1, 3);
    EXPECT_EQ(moved, std::make_pair(1, 3));
    EXPECT_EQ(RowTexts(g, 1), QStringList({"c0", "c2", "c3", "c1", "c4"}));
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(g.Columns()->Items(c)->Header(), "H" + g.Cells(c, 1).mid(1)) << c;

    g.InsertCols(2, 2);
    ASSERT_EQ(g.Columns()->Count(), 7);
    EXPECT_EQ(g.Columns()->Items(2)->Header(), "");
    EXPECT_EQ(g.Columns()->Items(4)->Header(), "H3");
    g.RemoveCols(2, 2);
    ASSERT_EQ(g.Columns()->Count(), 5);
    EXPECT_EQ(g.Columns()->Items(2)->Header(), "H3");
}

TEST(QvCGridColumns, ColumnPositionsRoundTripThroughAnIniFile) {
    const QString ini = qvtest::TempDir() + "/cols.ini";
    TQvColumnGrid g(nullptr);
    g.SetRowCount(3);
    NameColumns(g);
    g.Columns()->SetOrganization();
    g.MoveColumn(1, 4);
    g.MoveColumn(1, 2);
    const QStringList arranged = RowTexts(g, 1);
    g.SaveColumnPositions(ini, "Grid");

    TQvColumnGrid h(nullptr);
    h.SetRowCount(3);
    NameColumns(h);
    h.Columns()->SetOrganization();
    h.LoadColumnPositions(ini, "Grid");
    EXPECT_EQ(RowTexts(h, 1), arranged);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(h.Columns()->Items(c)->Header(), "H" + h.Cells(c, 1).mid(1)) << c;
    // Saved again, the file says the same.
    const QString again = qvtest::TempDir() + "/again.ini";
    h.SaveColumnPositions(again, "Grid");
    EXPECT_EQ(TMemIniFile(again).Text(), TMemIniFile(ini).Text());
}

TEST(QvCGridColumns, ColumnPositionsThatDoNotFitTheGridChangeNothing) {
    const QString dir = qvtest::TempDir();
    const std::pair<const char*, const char*> files[] = {
        {"missing CP0", "[Grid]\r\nCP1=1\r\nCP2=2\r\nCP3=3\r\nCP4=4\r\n"},
        {"out of range", "[Grid]\r\nCP0=0\r\nCP1=9\r\nCP2=2\r\nCP3=3\r\nCP4=4\r\n"},
        {"negative", "[Grid]\r\nCP0=0\r\nCP1=-3\r\nCP2=2\r\nCP3=3\r\nCP4=4\r\n"},
        {"duplicate", "[Grid]\r\nCP0=0\r\nCP1=1\r\nCP2=1\r\nCP3=3\r\nCP4=4\r\n"},
        {"not a number", "[Grid]\r\nCP0=0\r\nCP1=x\r\nCP2=2\r\nCP3=3\r\nCP4=4\r\n"},
    };
    for (auto [name, text] : files) {
        QFile f(dir + "/bad.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        TQvColumnGrid g(nullptr);
        g.SetRowCount(3);
        NameColumns(g);
        g.Columns()->SetOrganization();
        g.MoveColumn(3, 1);
        const QStringList before = RowTexts(g, 1);
        g.LoadColumnPositions(dir + "/bad.ini", "Grid");
        EXPECT_EQ(RowTexts(g, 1), before) << name;
    }
}

TEST(QvCGridColumns, ScalingAndVersion) {
    TQvColumnGrid g(nullptr);
    g.Columns()->Items(1)->Font()->SetSize(9);
    g.ChangeScale(1, 1);
    EXPECT_EQ(g.Columns()->Items(1)->Font()->Size(), 9);
    g.ChangeScale(2, 1);
    EXPECT_EQ(g.Columns()->Items(1)->Font()->Size(), 18);
    EXPECT_EQ(g.Version(), "3.1.3.1");
    EXPECT_EQ(g.GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST(QvCGridColumns, FilterListsComeFromTheColumn) {
    TQvColumnGrid g(nullptr);
    g.SetFilterDropDownAuto(true);
    EXPECT_FALSE(g.BuildFilterValueList(1));
    TStringList filter;
    filter.Add("Small=<10");
    filter.Add("Big=>100");
    g.Columns()->Items(1)->SetFilter(&filter);
    ASSERT_TRUE(g.BuildFilterValueList(1));
    ASSERT_EQ(g.FilterValueList()->Count(), 2);
    EXPECT_EQ(g.FilterValueList()->Strings(0), "Small");
    EXPECT_EQ(g.FilterValueList()->Strings(1), "Big");

    // A chosen value: its caption heads the column, its condition (as the event leaves it) filters it.
    g.SetRowCount(6);
    g.SetRow(4);
    g.SetAutoFilterDisplay(true);
    int done = 0;
    g.OnFilterDone = [&done](TObject*) { ++done; };
    g.OnFilterSelect = [](TObject*, int, int, const String&, String& condition) { condition += "0"; };
    g.SetFilterDropDownColumn(1);
    g.FilterSelect(1);
    EXPECT_EQ(g.Columns()->Items(1)->Header(), "Big");
    ASSERT_TRUE(g.Filter()->HasFilter(1));
    EXPECT_EQ(g.Filter()->ColumnFilter(1)->Condition(), ">1000");
    EXPECT_FALSE(g.Filter()->ColumnFilter(1)->CaseSensitive());
    EXPECT_TRUE(g.FilterActive());
    EXPECT_EQ(g.Row(), g.FixedRows());
    EXPECT_EQ(done, 1);
    EXPECT_EQ(g.FilterDropDownColumn(), -1);
    // An index beyond the column's values chooses nothing.
    g.SetFilterDropDownColumn(2);
    g.FilterSelect(0);
    EXPECT_FALSE(g.Filter()->HasFilter(2));
    EXPECT_EQ(g.FilterDropDownColumn(), -1);
    EXPECT_EQ(done, 1);
}

TEST(QvCGridDesign, ColumnsOfAWindowDesignBecomeItems) {
    TForm form(nullptr);
    LoadDesign(&form,
               ParseDesign("object F: TForm\n"
                           "  object G: TQvColumnGrid\n"
                           "    Columns = <\n"
                           "      item Header = 'N' Width = 40 end\n"
                           "      item Header = 'Enable' Width = 50 Editor = edDataCheckBox\n"
                           "        Alignment = taCenter Color = $B0D8FF end\n"
                           "      item Header = 'Type' Editor = edComboList\n"
                           "        ComboItems.Strings = ('Byte' 'Int16') HeaderFont.Style = [fsBold] end>\n"
                           "  end\n"
                           "end\n",
                           "columns.form"),
               "columns.form");
    auto* g = dynamic_cast<TQvColumnGrid*>(form.FindComponent("G"));
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->ColCount(), 3);
    ASSERT_EQ(g->Columns()->Count(), 3);
    EXPECT_EQ(g->Cells(1, 0), "Enable");
    EXPECT_EQ(g->ColWidths(0), 40);
    EXPECT_EQ(g->Columns()->Items(1)->Editor(), edDataCheckBox);
    EXPECT_EQ(g->Columns()->Items(1)->Color(), TColor(0xB0D8FF));
    EXPECT_EQ(g->Columns()->Items(2)->ComboItems()->Count(), 2);
    EXPECT_EQ(g->Columns()->Items(2)->HeaderFont()->Style(), TFontStyles(fsBold));

    TForm bad(nullptr);
    EXPECT_THROW(LoadDesign(&bad,
                            ParseDesign("object F: TForm\n  object G: TQvColumnGrid\n"
                                        "    Columns = <item Heder = 'x' end>\n  end\nend\n",
                                        "bad.form"),
                            "bad.form"),
                 Exception);
}

TEST(QvCGridStream, ColumnsRoundTripThroughAStreamAndBadStreamsChangeNothing) {
    TQvColumnGrid g(nullptr);
    g.SetColCount(4);
    TGridColumnItem* c = g.Columns()->Items(2);
    c->SetHeader("It's #2\tok");
    c->SetWidth(77);
    c->SetEditor(edComboEdit);
    TStringList items;
    items.Add("a 'b'");
    items.Add("");
    c->SetComboItems(&items);
    c->SetReadOnly(true);
    c->SetCheckTrue("1");
    c->SetColor(TColor(0xA8FFA8));
    c->HeaderFont()->SetStyle(fsBold | fsItalic);
    TMemoryStream stream;
    g.SaveColumnsToStream(&stream);

    TQvColumnGrid h(nullptr);
    stream.SetPosition(0);
    h.LoadColumnsFromStream(&stream);
    ASSERT_EQ(h.ColCount(), 4);
    const TGridColumnItem* back = h.Columns()->Items(2);
    EXPECT_EQ(back->Header(), "It's #2\tok");
    EXPECT_EQ(h.Cells(2, 0), "It's #2\tok");
    EXPECT_EQ(h.ColWidths(2), 77);
    EXPECT_EQ(back->Editor(), edComboEdit);
    EXPECT_EQ(back->ComboItems()->Text(), items.Text());
    EXPECT_TRUE(back->ReadOnly());
    EXPECT_EQ(back->CheckTrue(), "1");
    EXPECT_EQ(back->Color(), TColor(0xA8FFA8));
    EXPECT_EQ(back->HeaderFont()->Style(), TFontStyles(fsBold | fsItalic));

    const char* bad[] = {"",
                         "object X: TQvColumnGrid\nend\n",
                         "object X: TQvColumnGrid\n  Columns = <>\nend\n",
                         "object X: TQvColumnGrid\n  Columns = <item Width = 99999999999 end>\nend\n",
                         "object X: TQvColumnGrid\n  Columns = <item Editor = 99 end>\nend\n",
                         "object X: TQvColumnGrid\n  Columns = <item Header = 'x"};
    for (const char* text : bad) {
        TMemoryStream s;
        s.WriteBuffer(QByteArray(text));
        s.SetPosition(0);
        EXPECT_THROW(h.LoadColumnsFromStream(&s), Exception) << text;
        EXPECT_EQ(h.ColCount(), 4) << text;
        EXPECT_EQ(h.Columns()->Items(2)->Header(), "It's #2\tok") << text;
    }
}

TEST(QvCGridPopup, AColumnsMenuOpensBelowTheCellForTheClicksItsTypeNames) {
    struct Case {
        TColumnPopupType Type;
        Qt::MouseButton Button;
        int Row;
        bool Fired, Shown;
    } cases[] = {
        {cpFixedCellsRClick, Qt::RightButton, 0, true, true},
        {cpFixedCellsRClick, Qt::RightButton, 2, true, false},
        {cpFixedCellsRClick, Qt::LeftButton, 0, false, false},
        {cpNormalCellsLClick, Qt::LeftButton, 2, true, true},
        {cpNormalCellsLClick, Qt::LeftButton, 0, true, false},
        {cpAllCellsLClick, Qt::LeftButton, 0, true, true},
        {cpAllCellsRClick, Qt::RightButton, 2, true, true},
        {cpAllCellsRClick, Qt::LeftButton, 2, false, false},
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 600, 400);
    auto* g = new TQvColumnGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 500, 300);
    auto* menu = new TPopupMenu(&form);
    auto* item = new TMenuItem(menu);
    item->SetCaption("Sort");
    menu->Items()->Add(item);
    g->Columns()->Items(2)->SetColumnPopup(menu);
    int fired = 0, firedCol = -1, firedRow = -1;
    g->OnColumnPopup = [&](TObject*, int ACol, int ARow, TPopupMenu* m) {
        ++fired;
        firedCol = ACol;
        firedRow = ARow;
        EXPECT_EQ(m, menu);
    };
    form.Show();
    QApplication::processEvents();
    QWidget* cells = g->Widget();
    for (QWidget* w : g->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QScrollBar*>(w)) cells = w;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.Type << " row " << c.Row);
        g->Columns()->Items(2)->SetColumnPopupType(c.Type);
        fired = 0;
        const TRect r = g->CellRect(2, c.Row);
        const QPointF at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, cells->mapToGlobal(at), c.Button, c.Button,
                          Qt::NoModifier);
        QApplication::sendEvent(cells, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, cells->mapToGlobal(at), c.Button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(cells, &release);
        QApplication::processEvents();
        EXPECT_EQ(fired, c.Fired ? 1 : 0);
        if (c.Fired) {
            EXPECT_EQ(firedCol, 2);
            EXPECT_EQ(firedRow, c.Row);
        }
        EXPECT_EQ(menu->Showing(), c.Shown);
        if (auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget()); shown && c.Shown) {
            const TPoint corner = g->ClientToScreen(TPoint(r.Left, r.Bottom));
            EXPECT_NEAR(shown->pos().y(), corner.Y, 2);
        }
        menu->CloseMenu();
        QApplication::processEvents();
    }
}
