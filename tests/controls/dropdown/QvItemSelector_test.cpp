// The item selector: its geometry and key moves from tables, selection and lookup rules, the keys and the
// mouse as real events, the item looks by style, and the selected and hot looks probed on a grab.
#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvItemSelector.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

TEST(ItemSelectorLayout, CellSizeByLayout) {
    const TItemSelectorSpacing s;
    struct Case {
        const char* name;
        TItemLayout layout;
        TSize visual, caption, cell;
    } cases[] = {
        // 4 + 16 + 4 + (30 + 4) + 4 wide; the taller of caption and visual plus 2 x 4.
        {"caption right", ilCaptionRight, {16, 16}, {30, 13}, {62, 24}},
        {"caption left, caption taller", ilCaptionLeft, {16, 10}, {30, 13}, {62, 21}},
        {"no visual: no gap", ilCaptionRight, {0, 0}, {30, 13}, {42, 21}},
        {"no caption: no gap", ilCaptionLeft, {16, 16}, {0, 0}, {24, 24}},
        // The wider of caption and visual; visual, gap and caption stacked.
        {"caption top", ilCaptionTop, {16, 16}, {30, 13}, {42, 41}},
        {"caption bottom, no caption", ilCaptionBottom, {40, 16}, {0, 0}, {48, 24}},
    };
    for (const Case& k : cases) {
        const TSize got = SelectorCellSize(k.layout, k.visual, k.caption, s);
        EXPECT_EQ(got.cx, k.cell.cx) << k.name;
        EXPECT_EQ(got.cy, k.cell.cy) << k.name;
    }
}

TEST(ItemSelectorLayout, RowsOfColumnsWithEqualMargins) {
    const TItemSelectorArrangement none = ArrangeSelectorItems(0, 3, {20, 10}, {2, 2});
    EXPECT_EQ(none.PanelSize.cx, 100);
    EXPECT_EQ(none.PanelSize.cy, 50);

    // Five items in three columns: two rows, three cells wide plus the two margins.
    const TItemSelectorArrangement a = ArrangeSelectorItems(5, 3, {20, 10}, {2, 2});
    ASSERT_EQ(a.Rects.size(), 5u);
    EXPECT_EQ(a.Rects[2], TRect(42, 2, 62, 12));
    EXPECT_EQ(a.Rects[3], TRect(2, 12, 22, 22));
    EXPECT_EQ(a.PanelSize.cx, 3 * 20 + 2 * 2);
    EXPECT_EQ(a.PanelSize.cy, 2 * 10 + 2 * 2);

    // The items a paint area touches: rows 1 and 2 of 4 (the area ends inside row 2).
    const TIndexRange r = SelectorItemsIn(TRect(0, 15, 64, 25), 12, 3, {20, 10}, {2, 2});
    EXPECT_EQ(r.First, 3);
    EXPECT_EQ(r.End, 9);
    const TIndexRange below = SelectorItemsIn(TRect(0, 500, 64, 600), 12, 3, {20, 10}, {2, 2});
    EXPECT_EQ(below.First, below.End);
}

TEST(ItemSelectorLayout, KeyMoves) {
    using M = TSelectorMove;
    struct Case {
        M move;
        int current, count, columns, page, to;
    } cases[] = {
        {M::Down, -1, 10, 3, 4, 0},    {M::End, -1, 10, 3, 4, 9},     {M::Down, 4, 10, 3, 4, 7},
        {M::Down, 8, 10, 3, 4, -1},    {M::Up, 1, 10, 3, 4, -1},      {M::Left, 0, 10, 1, 4, -1},
        {M::Right, 3, 10, 3, 4, 4},    {M::PageDown, 8, 10, 1, 4, 9}, {M::PageUp, 2, 10, 1, 4, 0},
        {M::PageDown, 2, 10, 1, 0, 3}, {M::Home, 5, 10, 1, 4, 0},     {M::Down, -1, 0, 1, 4, -1},
    };
    for (const Case& k : cases)
        EXPECT_EQ(SelectorMoveTarget(k.move, k.current, k.count, k.columns, k.page), k.to)
            << int(k.move) << " from " << k.current;
}

class ItemSelector : public ::testing::Test {
protected:
    void SetUp() override {
        SetDropDownTickSource([this] { return now; });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 300);
        host = new TQvCustomItemSelector(form.get());
        host->SetParent(form.get());
        host->SetBounds(10, 10, 200, 120);
        host->SetColor(clWhite);
        host->SelectorPanel()->SetColor(clWhite);
        host->OnItemSelect = [this](TObject* s) {
            ++selects;
            EXPECT_EQ(s, host);
        };
    }
    void TearDown() override {
        form.reset();
        SetDropDownTickSource(nullptr);
    }
    void Fill(std::initializer_list<const char*> captions) {
        for (const char* c : captions)
            host->Items()->Add()->SetCaption(c);
        host->UpdateSelectorPanel();
    }
    void ShowFocused() {
        form->Show();
        host->SetFocus();
        QApplication::processEvents();
    }
    QPoint ItemCentre(int i) const {
        TRect r;
        host->SelectorPanel()->GetItemRect(i, r);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    QImage Shot() const { return host->SelectorPanel()->Widget()->grab().toImage(); }
    static TColor Pixel(const QImage& img, QPoint p) { return FromQColor(img.pixelColor(p)); }

    DWORD now = 1000;
    std::unique_ptr<TForm> form;
    TQvCustomItemSelector* host = nullptr;
    int selects = 0;
};

TEST_F(ItemSelector, APanelNeedsAnItemSelectorAsOwner) {
    try {
        TCustomItemSelector panel(form.get());
        FAIL() << "a panel without a host was made";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid parent");
    }
    EXPECT_EQ(host->GetVisibleItemCount(), 0);
    TSize s;
    host->GetPanelSize(s);
    EXPECT_EQ(s.cx, 100);
    EXPECT_EQ(s.cy, 50);
}

TEST_F(ItemSelector, SelectionSkipsDisabledItemsAndFiresForTheSameItemAgain) {
    Fill({"one", "two", "three"});
    host->Items()->Items(1)->SetEnabled(false);
    host->SetItemIndex(0);
    host->SetItemIndex(1);
    EXPECT_EQ(host->ItemIndex(), 0);
    EXPECT_EQ(selects, 1);
    host->SetItemIndex(0);
    EXPECT_EQ(selects, 2);
    // A step onto a disabled item is no step.
    host->SelectNext();
    EXPECT_EQ(host->ItemIndex(), 0);
}

TEST_F(ItemSelector, LookupByPlainCaptionStartInUpperCase) {
    Fill({"Blue", "  <b>Red</b> wine", "Reed"});
    EXPECT_FALSE(host->LookupItem("re"));
    EXPECT_EQ(host->ItemIndex(), -1);
    EXPECT_FALSE(host->LookupItem(""));
    EXPECT_TRUE(host->LookupItem("RE"));
    EXPECT_EQ(host->ItemIndex(), 1);
    EXPECT_TRUE(host->LookupItem("REE"));
    EXPECT_EQ(host->ItemIndex(), 2);
}

TEST_F(ItemSelector, LayoutAppliesOnlyAtTheNextUpdate) {
    Fill({"one", "two"});
    TRect before, after;
    host->SelectorPanel()->GetItemRect(1, before);
    host->SetColumns(0); // ignored
    EXPECT_EQ(host->Columns(), 1);
    host->SetItemLayout(ilCaptionTop);
    host->SelectorPanel()->GetItemRect(1, after);
    EXPECT_EQ(after, before);
    host->SetColumns(2);
    host->SelectorPanel()->GetItemRect(1, after);
    EXPECT_EQ(after.Top, before.Top - before.Height());
}

TEST_F(ItemSelector, KeysAndTypedLookupMoveTheSelectionIntoView) {
    for (int i = 0; i < 40; ++i)
        host->Items()->Add()->SetCaption(QString("item %1").arg(i, 2, 10, QChar('0')));
    host->Items()->Add()->SetCaption("zebra");
    host->Items()->Add()->SetCaption("zoo");
    host->UpdateSelectorPanel();
    ShowFocused();
    const int page = host->GetVisibleItemCount();
    ASSERT_GT(page, 1);
    struct Step {
        int key;
        const char* text;
        int index;
    } steps[] = {
        {Qt::Key_Down, "", 0},  {Qt::Key_Down, "", 1}, {Qt::Key_PageDown, "", 1 + page},
        {Qt::Key_Up, "", page}, {Qt::Key_End, "", 41}, {Qt::Key_Home, "", 0},
        {0, "z", 40},           {0, "o", 41},
    };
    for (const Step& s : steps) {
        if (s.key)
            qvtest::KeyToFocus(s.key);
        else
            qvtest::KeyToFocus(0, s.text);
        EXPECT_EQ(host->ItemIndex(), s.index) << s.key << s.text;
        TRect r;
        host->SelectorPanel()->GetItemRect(host->ItemIndex(), r);
        const int top = r.Top - host->VertScrollBar()->Position();
        EXPECT_GE(top, 0) << s.key << s.text;
        EXPECT_LE(top + r.Height(), host->ViewportHeight()) << s.key << s.text;
    }
    // Half a second after the first key the lookup starts afresh.
    now += 500;
    qvtest::KeyToFocus(0, "i");
    EXPECT_EQ(host->ItemIndex(), 0);
}

TEST_F(ItemSelector, MouseSelectsAndHoversEnabledItemsOnly) {
    Fill({"one", "two", "three"});
    host->Items()->Items(2)->SetEnabled(false);
    host->Items()->Items(1)->SetHint("the second");
    ShowFocused();
    QWidget* panel = host->SelectorPanel()->Widget();
    QTest::mouseMove(panel, ItemCentre(1));
    EXPECT_EQ(host->ItemHot(), 1);
    EXPECT_EQ(host->SelectorPanel()->Hint(), "the second");
    QTest::mouseMove(panel, ItemCentre(2));
    EXPECT_EQ(host->ItemHot(), -1);
    qvtest::ClickAt(panel, ItemCentre(2));
    EXPECT_EQ(host->ItemIndex(), -1);
    qvtest::ClickAt(panel, ItemCentre(1));
    EXPECT_EQ(host->ItemIndex(), 1);
    EXPECT_EQ(selects, 1);
}

TEST_F(ItemSelector, SelectedItemPaintsInTheStyleOrFramedInItsBorderColour) {
    host->SetSelectorType(stColor);
    Fill({"red", "green"});
    host->Items()->Items(0)->SetColor(clRed);
    ShowFocused();
    host->SetItemIndex(1);
    TRect r;
    host->SelectorPanel()->GetItemRect(1, r);
    QImage img = Shot();
    // The Office 2007 look: the outer edge colour on the frame's top line, the corner outside it white.
    EXPECT_EQ(Pixel(img, QPoint(r.Left + 4, r.Top)), TColor(0x8DD7D3));
    EXPECT_EQ(Pixel(img, QPoint(r.Left, r.Top)), clWhite);
    // The first item's colour box: a black frame filled with the item's colour.
    TRect r0;
    host->SelectorPanel()->GetItemRect(0, r0);
    EXPECT_EQ(Pixel(img, QPoint(r0.Left + 4, r0.Top + 4)), clBlack);
    EXPECT_EQ(Pixel(img, QPoint(r0.Left + 6, r0.Top + 6)), clRed);

    const TColor frame = RGB(0, 0, 200);
    host->ItemAppearance()->BorderColorSelected = frame;
    host->SelectorPanel()->Invalidate();
    img = Shot();
    EXPECT_EQ(Pixel(img, QPoint(r.Left, r.Top)), frame);
    EXPECT_EQ(Pixel(img, QPoint(r.Right - 1, r.Bottom - 1)), frame);
    // Inside, a vertical gradient from the selected colour towards its second colour.
    const TColor from = host->ItemAppearance()->ColorSelected, to = host->ItemAppearance()->ColorSelectedTo;
    const TColor upper = Pixel(img, QPoint(r.Left + 1, r.Top + 1));
    const TColor lower = Pixel(img, QPoint(r.Left + 1, r.Bottom - 2));
    EXPECT_NE(upper, lower);
    for (const TColor c : {upper, lower}) {
        EXPECT_LE(GetBValue(c), GetBValue(from));
        EXPECT_GE(GetBValue(c), GetBValue(to));
    }
    EXPECT_GT(GetBValue(upper), GetBValue(lower));
}

TEST(ItemAppearance, ColorStyleTableAndAssignOrder) {
    TItemAppearance a(nullptr);
    EXPECT_EQ(a.ColorStyle(), scOffice2007);
    EXPECT_EQ(a.ColorSelectedTo, TColor(0x04B9F4));
    a.SetColorStyle(scWindows7);
    EXPECT_EQ(a.BorderColor, TColor(0xCEA27D));
    EXPECT_EQ(a.ColorMirrorHot, clNone);
    a.ColorHot = clRed;
    a.SetColorStyle(scCustom);
    EXPECT_EQ(a.ColorHot, clRed);

    // A custom source copies its colours; a styled one ends with its style's table.
    TItemAppearance target(nullptr);
    target.Assign(&a);
    EXPECT_EQ(target.ColorStyle(), scCustom);
    EXPECT_EQ(target.ColorHot, clRed);
    TItemAppearance vista(nullptr);
    vista.SetColorStyle(scWindowsVista);
    vista.ColorHot = clRed;
    vista.BorderColorHot = clBlue;
    target.Assign(&vista);
    EXPECT_EQ(target.ColorStyle(), scWindowsVista);
    EXPECT_EQ(target.ColorHot, TColor(0xFDF8F1));
    EXPECT_EQ(target.BorderColorHot, clBlue);
}

TEST(ItemAppearance, ComponentStyles) {
    TForm form(nullptr);
    auto* edit = new TQvCustomDropDown(&form);
    struct Case {
        TQvStyle style;
        TColor selected, borderTop, selectedText;
    } cases[] = {
        {tsOffice2003Blue, 0xAAD9FF, clNone, 0},
        {tsOffice2007Luna, 0xAAD9FF, 0xF4FEFF, 0},
        {tsWindowsXP, clHighlight, clNone, clHighlightText},
        {tsWindows7, 0xFCEBDC, 0xFDF4EB, 0},
        {tsOffice2010Black, 0x7BEEFF, clNone, 0},
    };
    for (const Case& k : cases) {
        TItemAppearance a(nullptr);
        a.BorderColorHot = clRed;
        a.ColorHotText = clRed;
        edit->SetItemAppearanceStyle(&a, k.style);
        EXPECT_EQ(a.ColorSelected, k.selected) << k.style;
        EXPECT_EQ(a.BorderColorTop, k.borderTop) << k.style;
        EXPECT_EQ(a.ColorSelectedText, k.selectedText) << k.style;
        EXPECT_EQ(a.BorderColorHot, clNone) << k.style;
        EXPECT_EQ(a.ColorHotText, TColor(0)) << k.style;
    }
    TItemAppearance custom(nullptr);
    custom.BorderColorHot = clRed;
    edit->SetItemAppearanceStyle(&custom, tsCustom);
    EXPECT_EQ(custom.BorderColorHot, clRed);
    edit->SetItemAppearanceStyle(nullptr, tsWindows7);
}

TEST(DropDownSelection, BackgroundByColourStyle) {
    TForm form(nullptr);
    auto* edit = new TQvCustomDropDown(&form);
    TBitmap bmp;
    bmp.SetSize(40, 20);
    TCanvas* c = bmp.Canvas();
    const TRect r(0, 0, 40, 20);

    edit->SetSelectionColorStyle(scCustom);
    edit->SetSelectionColor(clLime);
    edit->DrawSelectionBackground(c, r, 0, clWhite);
    EXPECT_EQ(c->Pixels(0, 0), clLime);
    EXPECT_EQ(c->Pixels(39, 19), clLime);

    edit->SetSelectionColorStyle(scOffice2007);
    c->Brush()->SetColor(clBlack);
    c->FillRect(r);
    // Whole segment: the rounded corner shows the background, the edge and the inner top line their
    // colours, and the lower half runs the mirror gradient.
    edit->DrawSelectionBackground(c, r, 0, clWhite);
    EXPECT_EQ(c->Pixels(0, 0), clWhite);
    EXPECT_EQ(c->Pixels(5, 0), TColor(0x8DD7D3));
    EXPECT_EQ(c->Pixels(5, 1), TColor(0xF4FEFF));
    EXPECT_EQ(c->Pixels(5, 2), TColor(0xD7FFFD));
    // A middle segment has no rounded corners: the edge runs to the cell's end.
    edit->DrawSelectionBackground(c, r, 3, clWhite);
    EXPECT_EQ(c->Pixels(0, 0), TColor(0x8DD7D3));
}

TEST_F(ItemSelector, ItemChangesInsideAnUpdateBracketRearrangeOnceAtItsEnd) {
    int changes = 0;
    host->Items()->OnChange = [&](TObject*) { ++changes; };
    host->Items()->BeginUpdate();
    for (int i = 0; i < 3; ++i)
        host->Items()->Add()->SetCaption(QString("item %1").arg(i));
    EXPECT_EQ(changes, 0);
    host->Items()->EndUpdate();
    EXPECT_EQ(changes, 1);
    host->Items()->Items(0)->SetCaption("first");
    host->Items()->Items(0)->SetCaption("first");
    EXPECT_EQ(changes, 2);
}
