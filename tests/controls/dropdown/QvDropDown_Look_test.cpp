// The dropdown edit's layout, border choice, label places and styles: tables and the cases that break the
// pattern of the style tables.
#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDownButton.h"
#include "controls/dropdown/QvDropDown_Button.h"
#include "controls/dropdown/QvDropDown_Layout.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

TEST(DropDownLayout, ButtonAndTextAreaByFrame) {
    struct Case {
        const char* name;
        TDropDownFrame frame;
        TRect button;
    } cases[] = {
        {"single 3-D border", {true, true, true, false}, Bounds(200 - 17 - 4, 0, 17, 17)},
        {"flat", {true, true, true, true}, Bounds(200 - 17 - 3, 2, 17, 18)},
        {"old-style controls", {true, true, false, false}, Bounds(200 - 17, 1, 17, 19)},
        {"no border", {false, true, true, false}, Bounds(200 - 17, 1, 17, 19)},
        {"no 3-D", {true, false, true, false}, Bounds(200 - 17 - 2, 1, 17, 19)},
    };
    for (const Case& k : cases)
        EXPECT_EQ(DropDownButtonRect(k.frame, 200, 21, 17), k.button) << k.name;
    // The text stops 3 pixels before the button.
    const TRect text = DropDownEditRect(TDropDownFrame{}, 196, 17, 17);
    EXPECT_EQ(text.Right, 196 - 17 - 3);
    EXPECT_EQ(DropDownEditRect(TDropDownFrame{true, false, true, false}, 196, 17, 17).Left, 2);
    EXPECT_EQ(DropDownMinimumHeight(20, 13), 23);
    EXPECT_EQ(DropDownMinimumHeight(13, 20), 16);
}

TEST(DropDownLayout, BorderLookByStateAndColours) {
    const TColor red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    struct Case {
        const char* name;
        bool enabled, themed, disabledBorder;
        TColor border, focusBorder;
        bool focused, flat, hot;
        TDropDownBorder::TKind kind;
        TColor color;
    } cases[] = {
        {"plain", true, true, true, clNone, clNone, false, false, false, TDropDownBorder::None, clNone},
        {"border kept when focused without a focus colour", true, true, true, red, clNone, true, false, false,
         TDropDownBorder::Frame, red},
        {"focus colour while focused", true, true, true, red, blue, true, false, false,
         TDropDownBorder::Frame, blue},
        {"border colour while not focused", true, true, true, red, blue, false, false, false,
         TDropDownBorder::Frame, red},
        {"focus colour alone, not focused", true, true, true, clNone, blue, false, false, false,
         TDropDownBorder::None, clNone},
        {"disabled themed: silver whatever the colours", false, true, true, red, blue, false, false, false,
         TDropDownBorder::Frame, TColor(0xC0C0C0)},
        {"disabled without the silver frame", false, true, false, clNone, clNone, false, false, false,
         TDropDownBorder::ColdFlat, clNone},
        {"flat and hot", true, true, true, clNone, clNone, false, true, true, TDropDownBorder::HotFlat,
         clNone},
        {"flat and cold", true, true, true, clNone, clNone, false, true, false, TDropDownBorder::ColdFlat,
         clNone},
    };
    for (const Case& k : cases) {
        const TDropDownBorder b = DropDownBorderLook(k.enabled, k.themed, k.disabledBorder, k.border,
                                                     k.focusBorder, k.focused, k.flat, k.hot);
        EXPECT_EQ(b.Kind, k.kind) << k.name;
        if (k.kind == TDropDownBorder::Frame) {
            EXPECT_EQ(b.Color, k.color) << k.name;
        }
    }
}

TEST(DropDownLabel, TheFifteenPlaces) {
    const TRect e = Bounds(100, 50, 200, 21);
    const TSize l{60, 15};
    const int w = 40, m = 4;
    struct Case {
        TLabelPosition position;
        TPoint at;
    } cases[] = {
        {lpLeftTop, {56, 50}},        {lpLeftCenter, {56, 53}},     {lpLeftBottom, {56, 56}},
        {lpTopLeft, {100, 31}},       {lpBottomLeft, {100, 75}},    {lpLeftTopLeft, {96, 50}},
        {lpLeftCenterLeft, {96, 53}}, {lpLeftBottomLeft, {96, 56}}, {lpTopCenter, {170, 31}},
        {lpBottomCenter, {170, 75}},  {lpRightTop, {304, 50}},      {lpRightCenter, {304, 53}},
        {lpRighBottom, {304, 56}},    {lpTopRight, {240, 31}},      {lpBottomRight, {240, 75}},
    };
    for (const Case& k : cases) {
        const TPoint p = AttachedLabelOrigin(e, l, w, k.position, m);
        EXPECT_EQ(p.X, k.at.X) << int(k.position);
        EXPECT_EQ(p.Y, k.at.Y) << int(k.position);
    }
}

TEST(DropDownLabel, FollowsTheEditOnItsParent) {
    TForm form(nullptr);
    auto* edit = new TQvCustomDropDown(&form);
    edit->SetParent(&form);
    edit->SetBounds(100, 40, 120, 21);
    EXPECT_EQ(edit->LabelCaption(), "");
    edit->SetLabelCaption("Name");
    ASSERT_NE(edit->EditLabel(), nullptr);
    EXPECT_EQ(edit->EditLabel()->Parent(), &form);
    const int left = edit->EditLabel()->Left();
    EXPECT_LT(left + 4, 100);
    edit->SetBounds(150, 40, 120, 21);
    EXPECT_EQ(edit->EditLabel()->Left(), left + 50);
    edit->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(edit->EditLabel()->Left(), 150);
    EXPECT_EQ(edit->EditLabel()->Top(), 40 - edit->EditLabel()->Height() - 4);
}

TEST(DropDownStyles, TheCasesThatBreakThePattern) {
    TQvCustomDropDown edit(nullptr);
    // A new edit takes the Office 2007 look.
    EXPECT_EQ(edit.GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(edit.DropDownColor(), TColor(0xF3E5DA));
    EXPECT_EQ(edit.DropDownHeader()->Font()->Color(), TColor(0x723708));

    // Vista runs the footer's gradient the other way.
    edit.SetComponentStyle(tsWindowsVista);
    EXPECT_EQ(edit.DropDownHeader()->Color(), TColor(0xFFFDF9));
    EXPECT_EQ(edit.DropDownHeader()->ColorTo(), TColor(0xFFFAF0));
    EXPECT_EQ(edit.DropDownFooter()->Color(), TColor(0xFFFAF0));
    EXPECT_EQ(edit.DropDownFooter()->ColorTo(), TColor(0xFFFDF9));
    EXPECT_EQ(edit.ButtonAppearance()->BorderColorChecked(), TColor(0x0FEDF9AB));

    // The Office 2003 blue look leaves the popup's border colour alone.
    edit.SetDropDownBorderColor(RGB(1, 2, 3));
    edit.SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(edit.DropDownBorderColor(), RGB(1, 2, 3));
    EXPECT_EQ(edit.DropDownFooter()->BorderColor(), TColor(0x962D00));
    EXPECT_EQ(edit.DropDownHeader()->BorderColor(), TColor(0));

    // The custom style only records itself.
    edit.SetDropDownColor(RGB(9, 9, 9));
    edit.SetComponentStyle(tsCustom);
    EXPECT_EQ(edit.GetComponentStyle(), tsCustom);
    EXPECT_EQ(edit.DropDownColor(), RGB(9, 9, 9));

    // Button colours go through the appearance's setters: each change is announced.
    int changes = 0;
    edit.ButtonAppearance()->OnChange = [&](TObject*) { ++changes; };
    edit.SetComponentStyle(tsOffice2010Blue);
    EXPECT_GT(changes, 0);
    EXPECT_EQ(edit.ButtonAppearance()->ColorHotTo(), clNone);
}

TEST(DropDownStyles, TonesGiveTheButtonItsOwnColoursAndSelectionStylesTheirPairs) {
    TQvCustomDropDown edit(nullptr);
    TColorTones tones;
    tones.Background = {RGB(10, 10, 10), RGB(20, 20, 20), clNone};
    tones.Hover = {RGB(30, 30, 30), clNone, clNone};
    tones.Selected = {RGB(40, 40, 40), clNone, clNone};
    edit.SetColorTones(tones);
    EXPECT_EQ(edit.Button()->ButtonColor(), RGB(10, 10, 10));
    EXPECT_EQ(edit.Button()->ButtonColorHot(), RGB(30, 30, 30));
    EXPECT_EQ(edit.Button()->ButtonColorDown(), RGB(40, 40, 40));
    EXPECT_EQ(edit.Button()->ButtonBorderColor(), RGB(20, 20, 20));
    EXPECT_EQ(edit.BorderColor(), RGB(20, 20, 20));

    struct Case {
        TSelectionColorStyle style;
        TColor color, to;
    } cases[] = {{scOffice2007, 0xD7FFFD, 0x58D4FC},
                 {scWindowsVista, 0xFDF8F1, 0xFCEFD5},
                 {scWindows7, 0xFCEBDC, 0xFCDBC1}};
    for (const Case& k : cases) {
        edit.SetSelectionColorStyle(k.style);
        EXPECT_EQ(edit.SelectionColor(), k.color);
        EXPECT_EQ(edit.SelectionColorTo(), k.to);
    }
    edit.SetSelectionColor(RGB(1, 1, 1));
    edit.SetSelectionColorStyle(scCustom);
    EXPECT_EQ(edit.SelectionColor(), RGB(1, 1, 1));
}

TEST(DropDownEdit, NewEditAndAssign) {
    TQvCustomDropDown edit(nullptr);
    EXPECT_EQ(edit.Width(), 200);
    EXPECT_EQ(edit.DropDownButtonWidth(), 17);
    EXPECT_EQ(edit.Version(), "1.2.1.4");
    TQvCustomDropDown other(nullptr);
    other.SetEditType(etMoney);
    other.SetPrefix("$");
    other.SetDropDownWidth(321);
    other.SetDropPosition(dpUp);
    edit.Assign(&other);
    EXPECT_EQ(edit.EditType(), etMoney);
    EXPECT_EQ(edit.Prefix(), "$");
    EXPECT_EQ(edit.DropDownWidth(), 321);
    EXPECT_EQ(edit.DropPosition(), dpUp);
    // From anything else nothing changes.
    TForm form(nullptr);
    edit.Assign(&form);
    EXPECT_EQ(edit.DropDownWidth(), 321);
}

TEST(DbgList, ReadsAndWritesPastTheEndRaise) {
    TDbgList list;
    TForm form(nullptr);
    list.Add(&form);
    EXPECT_EQ(list.ItemsEx(0), &form);
    try {
        list.ItemsEx(1);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Index out of bounds in list read access");
    }
    try {
        list.SetItemsEx(1, &form);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Index out of bounds in list write access");
    }
}

TEST(DropDownButtonLook, OwnColoursForNormalHotAndPressed) {
    TForm form(nullptr);
    form.SetBounds(100, 100, 300, 100);
    auto* edit = new TQvCustomDropDown(&form);
    edit->SetParent(&form);
    edit->SetBounds(20, 20, 200, 21);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(20, 60, 100, 21);
    form.Show();
    other->SetFocus();
    QApplication::processEvents();
    TDropDownEditButton* b = edit->Button();
    b->SetButtonColor(RGB(200, 0, 0));
    b->SetButtonColorHot(RGB(0, 200, 0));
    b->SetButtonColorDown(RGB(0, 0, 200));
    b->SetButtonTextColor(RGB(255, 255, 0));
    b->SetButtonTextColorHot(RGB(0, 255, 255));
    TQvDropDownSpeedButton* speed = b->SpeedButton();
    QWidget* w = speed->Widget();
    auto probe = [&](int x, int y) {
        const QImage shot = form.Grab().copy(QRect(w->mapTo(form.Widget(), QPoint(0, 0)), w->size()));
        const QRgb p = shot.pixel(x, y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    };
    const int dx = (speed->Width() - 17) / 2, dy = (speed->Height() - 17) / 2;
    EXPECT_EQ(probe(3, 3), RGB(200, 0, 0));
    EXPECT_EQ(probe(8 + dx, 8 + dy), RGB(255, 255, 0));
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), w->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(w, &enter);
    EXPECT_EQ(probe(3, 3), RGB(0, 200, 0));
    EXPECT_EQ(probe(8 + dx, 8 + dy), RGB(0, 255, 255));
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_EQ(probe(3, 3), RGB(0, 0, 200));
    // The release asks for the popup.
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_TRUE(edit->DroppedDown());
    edit->HideDropDown(false);
    form.Hide();
}
