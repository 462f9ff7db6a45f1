// The flat combo box: property rules, the attached label's 13 places, focus colours, the list's close-up
// event, the drop-button hover, and its own frames and button probed on grabs.
#include "controls/editors/QsgCombo.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QRgb ComboRgb(TColor c) {
    const TColor v = ColorToRGB(c);
    return qRgb(GetRValue(v), GetGValue(v), GetBValue(v));
}

} // namespace

class QsgComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(320, 160);
        form->SetColor(clLime);
        combo = new TQsgComboBox(form.get());
        combo->SetParent(form.get());
        combo->SetBounds(120, 50, 120, 24);
    }
    void TearDown() override { form->Hide(); }

    QImage Shot() {
        if (!form->Visible()) form->Show();
        QApplication::processEvents();
        return form->Grab().copy(combo->Left(), combo->Top(), combo->Width(), combo->Height());
    }
    // A pixel on the outer frame, half way down the left edge.
    QRgb LeftEdge(const QImage& img) { return img.pixel(0, img.height() / 2) & 0xFFFFFF; }
    QRgb Rgb(TColor c) { return ComboRgb(c) & 0xFFFFFF; }

    std::unique_ptr<TForm> form;
    TQsgComboBox* combo = nullptr;
};

TEST(QsgCombo, ButtonWidthTakesOnly14To32) {
    TQsgComboBox c(nullptr);
    const int start = c.ButtonWidth();
    EXPECT_EQ(start, SystemScrollBarWidth() + 2);
    struct Case {
        int set, expected;
    } cases[] = {{13, start}, {33, start}, {14, 14}, {32, 32}, {20, 20}, {0, 20}, {-1, 20}};
    for (const Case& k : cases) {
        c.SetButtonWidth(k.set);
        EXPECT_EQ(c.ButtonWidth(), k.expected) << k.set;
    }
}

TEST(QsgCombo, DefaultsOfANewCombo) {
    TQsgComboBox c(nullptr);
    EXPECT_FALSE(c.Flat());
    EXPECT_TRUE(c.FlatParentColor());
    EXPECT_TRUE(c.DisabledBorder());
    EXPECT_EQ(c.LabelMargin(), 4);
    EXPECT_EQ(c.LabelPosition(), lpLeftTop);
    EXPECT_EQ(c.ComboLabel(), nullptr);
    EXPECT_EQ(c.LabelCaption(), "");
    for (TColor v : {c.BorderColor(), c.FocusColor(), c.FocusBorderColor(), c.FlatLineColor(),
                     c.ButtonColor(), c.ButtonColorHot(), c.ButtonColorDown(), c.ButtonTextColor(),
                     c.ButtonTextColorHot(), c.ButtonTextColorDown(), c.ButtonBorderColor()})
        EXPECT_EQ(v, clNone);
    EXPECT_EQ(c.LoadedColor(), clWindow);
}

TEST(QsgCombo, FlatTakesTheParentColourAndGivesBackTheLoadedOne) {
    TQsgComboBox orphan(nullptr);
    orphan.SetColor(clYellow);
    orphan.SetFlat(true); // no parent: the colour stays
    EXPECT_EQ(orphan.Color(), clYellow);
    orphan.SetFlat(false); // always the loaded colour
    EXPECT_EQ(orphan.Color(), clWindow);

    TForm form(nullptr);
    form.SetColor(clLime);
    auto* c = new TQsgComboBox(&form);
    c->SetParent(&form);
    c->SetFlat(true);
    EXPECT_EQ(c->Color(), clLime);
    c->SetFlat(false);
    EXPECT_EQ(c->Color(), clWindow);
    c->SetFlatParentColor(false);
    c->SetFlat(true);
    EXPECT_EQ(c->Color(), clWindow);
}

TEST(QsgCombo, SelectItemChoosesOnlyAnExistingText) {
    TQsgComboBox c(nullptr);
    c.Items()->Add("one");
    c.Items()->Add("two");
    c.SelectItem("two");
    EXPECT_EQ(c.ItemIndex(), 1);
    c.SelectItem("three");
    EXPECT_EQ(c.ItemIndex(), 1);
}

TEST_F(QsgComboTest, LabelStandsWhereItsPositionSays) {
    combo->SetLabelCaption("Name");
    TLabel* l = combo->ComboLabel();
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Parent(), form.get());
    const int tw = AttachedLabelTextWidth(l);
    ASSERT_GT(tw, 0);
    const int m = 4, cl = 120, ct = 50, cw = 120, ch = 24, lw = l->Width(), lh = l->Height();
    struct Case {
        TLabelPosition pos;
        int left, top;
    } cases[] = {
        {lpLeftTop, cl - tw - m, ct},
        {lpLeftCenter, cl - tw - m, ct + (ch - lh) / 2},
        {lpLeftBottom, cl - tw - m, ct + ch - lh},
        {lpTopLeft, cl, ct - lh - m},
        {lpBottomLeft, cl, ct + ch + m},
        {lpLeftTopLeft, cl - m, ct},
        {lpLeftCenterLeft, cl - m, ct + (ch - lh) / 2},
        {lpLeftBottomLeft, cl - m, ct + ch - lh},
        {lpTopCenter, cl + (cw - lw) / 2, ct - lh - m},
        {lpBottomCenter, cl + (cw - lw) / 2, ct + ch + m},
        {lpRightTop, cl + cw + m, ct},
        {lpRightCenter, cl + cw + m, ct + (ch - lh) / 2},
        {lpRighBottom, cl + cw + m, ct + ch - lh},
    };
    for (const Case& c : cases) {
        combo->SetLabelPosition(c.pos);
        EXPECT_EQ(l->Left(), c.left) << "position " << c.pos;
        EXPECT_EQ(l->Top(), c.top) << "position " << c.pos;
    }
    // An empty caption measures nothing: the label's left edge is the margin away.
    combo->SetLabelPosition(lpLeftTop);
    combo->SetLabelCaption("");
    EXPECT_EQ(l->Left(), cl - m);
}

TEST_F(QsgComboTest, LabelFollowsTheCombo) {
    combo->SetLabelCaption("Port");
    combo->SetLabelPosition(lpTopLeft);
    TLabel* l = combo->ComboLabel();
    combo->SetBounds(20, 100, 120, 24);
    EXPECT_EQ(l->Left(), 20);
    EXPECT_EQ(l->Top(), 100 - l->Height() - 4);
    combo->SetLabelMargin(10);
    EXPECT_EQ(l->Top(), 100 - l->Height() - 10);

    combo->SetVisible(false);
    EXPECT_FALSE(l->Visible());
    combo->SetVisible(true);
    EXPECT_TRUE(l->Visible());

    combo->SetEnabled(false);
    EXPECT_FALSE(l->Enabled());
    combo->SetEnabled(true);
    combo->SetLabelAlwaysEnabled(true);
    combo->SetEnabled(false);
    EXPECT_TRUE(l->Enabled());
}

TEST_F(QsgComboTest, FocusColourAndBoldLabelLastWhileFocused) {
    combo->SetColor(clYellow); // made in code: Init never ran
    combo->SetFocusColor(clAqua);
    combo->SetFocusLabel(true);
    combo->SetLabelCaption("Mode");
    combo->Perform(CM_ENTER);
    EXPECT_TRUE(combo->HasFocus());
    EXPECT_EQ(combo->Color(), clAqua);
    EXPECT_TRUE(combo->ComboLabel()->Font()->Style() & fsBold);
    combo->Perform(CM_EXIT);
    EXPECT_FALSE(combo->HasFocus());
    // Back to its own colour, not to black.
    EXPECT_EQ(combo->Color(), clYellow);
    EXPECT_FALSE(combo->ComboLabel()->Font()->Style() & fsBold);

    combo->SetColor(clWhite);
    combo->Init();
    combo->Perform(CM_ENTER);
    combo->Perform(CM_EXIT);
    EXPECT_EQ(combo->Color(), clWhite);
}

TEST_F(QsgComboTest, ClosingTheListFiresOnDropUpOnceAfterCloseUp) {
    QStringList log;
    combo->OnDropDown = [&](TObject*) { log << "dropdown"; };
    combo->OnCloseUp = [&](TObject*) { log << "closeup"; };
    combo->OnDropUp = [&](TObject*) { log << "dropup"; };
    combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN), 0);
    combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), 0);
    EXPECT_EQ(log, QStringList({"dropdown", "closeup", "dropup"}));

    log.clear();
    combo->Items()->Add("a");
    combo->Items()->Add("b");
    form->Show();
    combo->SetDroppedDown(true);
    QApplication::processEvents();
    combo->SetDroppedDown(false);
    QApplication::processEvents();
    EXPECT_EQ(log, QStringList({"dropdown", "closeup", "dropup"}));
}

TEST_F(QsgComboTest, DropButtonHoverFollowsTheWindowWidth) {
    combo->SetButtonWidth(20);
    struct Case {
        int x;
        bool over;
    } cases[] = {{120 - 20, false}, {120 - 19, true}, {119, true}, {120, false}, {10, false}};
    for (const Case& c : cases) {
        combo->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(c.x, 5));
        EXPECT_EQ(combo->ButtonHover(), c.over) << c.x;
    }
    combo->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(110, 5));
    combo->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(combo->ButtonHover());
}

TEST_F(QsgComboTest, FlatLookFramesInTheParentColourWithItsUnderline) {
    combo->SetFlat(true);
    combo->SetFlatLineColor(clRed);
    const QImage img = Shot();
    EXPECT_EQ(LeftEdge(img), Rgb(clLime));
    // Inner frame: the control's colour, which a flat combo takes from its parent.
    EXPECT_EQ(img.pixel(2, img.height() / 2) & 0xFFFFFF, Rgb(clLime));
    // The underline runs along the bottom up to the drop button.
    EXPECT_EQ(img.pixel(10, img.height() - 1) & 0xFFFFFF, Rgb(clRed));
    EXPECT_NE(img.pixel(img.width() - 2, img.height() - 1) & 0xFFFFFF, Rgb(clRed));
}

TEST_F(QsgComboTest, ColouredDropButtonPaintsItsStripAndArrow) {
    combo->SetIsWinXP(true); // the grid's setting: the strip keeps its face
    combo->SetButtonColor(clBlue);
    combo->SetButtonTextColor(clYellow);
    const QImage img = Shot();
    const int bw = combo->ButtonWidth();
    const int left = combo->Width() - bw + 2;
    EXPECT_EQ(img.pixel(left + 2, 3) & 0xFFFFFF, Rgb(clBlue));
    EXPECT_EQ(img.pixel(left + 7, 2 + 8) & 0xFFFFFF, Rgb(clYellow));
}

TEST_F(QsgComboTest, FocusBorderColourWhileFocusedBorderColourOtherwise) {
    struct Case {
        TColor border, focusBorder;
        bool focused;
        TColor expected; // clNone: neither colour
    } cases[] = {
        {clRed, clNone, false, clRed},  {clRed, clNone, true, clRed},  {clNone, clBlue, false, clNone},
        {clNone, clBlue, true, clBlue}, {clRed, clBlue, false, clRed}, {clRed, clBlue, true, clBlue},
    };
    for (const Case& c : cases) {
        combo->SetBorderColor(c.border);
        combo->SetFocusBorderColor(c.focusBorder);
        combo->Perform(c.focused ? CM_ENTER : CM_EXIT);
        const QRgb edge = LeftEdge(Shot());
        if (c.expected == clNone) {
            EXPECT_NE(edge, Rgb(clRed));
            EXPECT_NE(edge, Rgb(clBlue));
        } else {
            EXPECT_EQ(edge, Rgb(c.expected)) << "border " << c.border << " focus " << c.focused;
        }
    }
}

TEST_F(QsgComboTest, DisabledThemedComboWithoutOrdinaryBorderIsFramedInGreyBlue) {
    combo->SetDisabledBorder(false);
    combo->SetEnabled(false);
    EXPECT_EQ(LeftEdge(Shot()), Rgb(0xB99D7F));
    combo->SetDisabledBorder(true);
    EXPECT_NE(LeftEdge(Shot()), Rgb(0xB99D7F));
}

TEST_F(QsgComboTest, RightToLeftAndVistaComboPaintNatively) {
    combo->SetBorderColor(clRed);
    combo->SetBiDiMode(bdRightToLeft);
    EXPECT_NE(LeftEdge(Shot()), Rgb(clRed));
    combo->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(LeftEdge(Shot()), Rgb(clRed));

    // Vista without a button colour: native painting, frames only for a border colour.
    combo->SetIsVista(true);
    EXPECT_EQ(LeftEdge(Shot()), Rgb(clRed));
    combo->SetBorderColor(clNone);
    combo->SetFlat(true);
    EXPECT_NE(LeftEdge(Shot()), Rgb(clLime));
    combo->SetIsVista(false);
    EXPECT_EQ(LeftEdge(Shot()), Rgb(clLime));
}

TEST(QsgCombo, LoadedColourIsTheOneTheFlatLookReturnsTo) {
    TQsgComboBox c(nullptr);
    c.SetLoading(true);
    c.SetColor(clYellow);
    c.SetFlat(true);
    c.SetLoading(false);
    c.Loaded();
    EXPECT_EQ(c.LoadedColor(), clYellow);
    EXPECT_EQ(c.NormalColor(), clYellow);
    c.SetFlat(false);
    EXPECT_EQ(c.Color(), clYellow);
}

TEST_F(QsgComboTest, DisabledFlatComboShowsItsParentColourUntilEnabled) {
    combo->SetFlatParentColor(false);
    combo->SetFlat(true);
    combo->SetColor(clYellow);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), clLime);
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), clYellow);
    EXPECT_FALSE(combo->ParentColor());
}

TEST_F(QsgComboTest, AutoFocusTakesTheFocusWhenTheMouseEnters) {
    auto* other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 10, 80, 21);
    form->Show();
    other->SetFocus();
    QApplication::processEvents();
    combo->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(combo->MouseInControl());
    EXPECT_FALSE(combo->Focused());
    combo->Perform(CM_MOUSELEAVE);
    combo->SetAutoFocus(true);
    combo->Perform(CM_MOUSEENTER);
    QApplication::processEvents();
    EXPECT_TRUE(combo->Focused());
}
