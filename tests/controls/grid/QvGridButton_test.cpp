// The grid's panel button and check box, driven by mouse and keyboard, their looks, and the banded gradient.
#include "controls/grid/QvGridButton.h"

#include "toolkit/controls/ActnList.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget* w, QEvent::Type type, QPointF at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A press inside and a release at `releaseAt`, with a move there between.
void pressAndRelease(QWidget* w, QPointF releaseAt) {
    mouse(w, QEvent::MouseButtonPress, QPointF(5, 5));
    mouse(w, QEvent::MouseMove, releaseAt);
    mouse(w, QEvent::MouseButtonRelease, releaseAt);
}

TColor pixel(const QImage& img, int x, int y) {
    const QRgb p = img.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

struct ButtonForm : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 240, 80);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TQvGridButton(form.get());
            b->SetParent(form.get());
            b->SetLeft(i * 30);
            b->OnClick = [this, i](TObject*) { clicks.push_back(i); };
            buttons.push_back(b);
        }
        form->Show();
    }
    void Click(TQvGridButton* b) { qvtest::ClickAt(b->Widget(), QPointF(5, 5)); }
    QString Downs() const {
        QString s;
        for (TQvGridButton* b : buttons)
            s += b->Down() ? 'D' : '-';
        return s;
    }
    std::unique_ptr<TForm> form;
    std::vector<TQvGridButton*> buttons;
    std::vector<int> clicks;
};

} // namespace

TEST(QvGridButton, ANewButtonAndCheckBoxHaveTheirStartingLooks) {
    TForm form(nullptr);
    TQvGridButton b(&form);
    EXPECT_EQ(b.Width(), 22);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_TRUE(b.Flat());
    EXPECT_TRUE(b.Shaded());
    EXPECT_TRUE(b.ShowCaption());
    EXPECT_FALSE(b.Rounded());
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_EQ(b.ColorHot(), TColor(0xCAC7C7));
    EXPECT_EQ(b.BorderColor(), clNone);
    TQvCheckBox box(&form);
    EXPECT_EQ(box.Width(), 98);
    EXPECT_EQ(box.Height(), 20);
    EXPECT_EQ(box.Caption(), "TQvCheckBox");
    EXPECT_EQ(box.ButtonVertAlign(), vtaTop);
}

TEST(QvGridButton, EachLookSetsItsColoursAndOnlyLookZeroIsRounded) {
    struct Case {
        int Look;
        TColor Color, ColorTo, Hot, BorderDown;
        bool Rounded;
    } cases[] = {
        {0, 0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xAF987A, true},
        {1, clBtnFace, clNone, 0xEED2C1, 0xC56A31, false},
        {2, 0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x000000, false},
        {4, 0xECE2E1, 0xB39698, 0xCCF4FF, 0x000000, false},
        {5, clBtnFace, clNone, clBtnFace, clNone, false},
        {6, 0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x808080, false},
    };
    for (const Case& c : cases) {
        TQvGridButton b(nullptr);
        b.SetBorderColor(clRed);
        b.SetFlat(false);
        b.SetLook(c.Look);
        EXPECT_EQ(b.Look(), c.Look);
        EXPECT_EQ(b.Color(), c.Color) << c.Look;
        EXPECT_EQ(b.ColorTo(), c.ColorTo) << c.Look;
        EXPECT_EQ(b.ColorHot(), c.Hot) << c.Look;
        EXPECT_EQ(b.BorderDownColor(), c.BorderDown) << c.Look;
        EXPECT_EQ(b.Rounded(), c.Rounded) << c.Look;
        EXPECT_EQ(b.BorderColor(), clNone) << c.Look;
        EXPECT_TRUE(b.Flat()) << c.Look;
    }
    // A number without a look changes nothing.
    TQvGridButton b(nullptr);
    b.SetLook(3);
    b.SetLook(7);
    b.SetLook(-1);
    EXPECT_EQ(b.Look(), 3);
    EXPECT_EQ(b.Color(), TColor(0xCFF0EA));
}

TEST_F(ButtonForm, DownFollowsTheStyleAndTheGroup) {
    TQvGridButton* b = buttons[0];
    b->SetDown(true); // a plain button outside a group is never down
    EXPECT_FALSE(b->Down());
    b->SetStyle(tasCheck); // a check button is, and clicks toggle it
    b->SetDown(true);
    EXPECT_TRUE(b->Down());
    Click(b);
    EXPECT_FALSE(b->Down());
    Click(b);
    EXPECT_TRUE(b->Down());
    pressAndRelease(b->Widget(), QPointF(60, 5)); // let go outside: taken back
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks, (std::vector<int>{0, 0}));

    b->SetStyle(tasButton);
    for (TQvGridButton* g : buttons)
        g->SetGroupIndex(1);
    buttons[1]->SetDown(true);
    EXPECT_EQ(Downs(), "-D-");
    Click(buttons[2]);
    EXPECT_EQ(Downs(), "--D");
    EXPECT_EQ(buttons[2]->State(), bsExclusive);
    Click(buttons[2]); // the last one down stays down ...
    EXPECT_EQ(Downs(), "--D");
    buttons[0]->SetAllowAllUp(true); // ... until the group allows all up
    Click(buttons[2]);
    EXPECT_EQ(Downs(), "---");
}

TEST_F(ButtonForm, TheDropDownPartOpensTheMenuBelowInsteadOfClicking) {
    TQvGridButton* b = buttons[0];
    b->SetWidth(40);
    b->SetDropDownButton(true);
    TPopupMenu menu(nullptr);
    auto* item = new TMenuItem(&menu);
    item->SetCaption("One");
    menu.Items()->Add(item);
    b->SetDropDownMenu(&menu);
    int dropped = 0;
    b->OnDropDown = [&](TObject*) { ++dropped; };

    qvtest::ClickAt(b->Widget(), QPointF(35, 5));
    EXPECT_EQ(dropped, 1);
    EXPECT_TRUE(clicks.empty());
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr);
    const TPoint below = b->ClientToScreen(TPoint(0, b->Height()));
    EXPECT_EQ(open->pos(), QPoint(below.X, below.Y));
    open->close();

    qvtest::ClickAt(b->Widget(), QPointF(20, 5)); // the face still clicks
    EXPECT_EQ(clicks, std::vector<int>{0});
    EXPECT_EQ(dropped, 1);
}

TEST_F(ButtonForm, AFreedDropDownMenuIsForgotten) {
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    buttons[0]->SetDropDownButton(true);
    buttons[0]->SetDropDownMenu(menu.get());
    menu.reset();
    EXPECT_EQ(buttons[0]->DropDownMenu(), nullptr);
    qvtest::ClickAt(buttons[0]->Widget(), QPointF(20, 5));
}

TEST_F(ButtonForm, AGroupButtonsActionTakesItsCheckAndLosesItWhenAnotherGoesDown) {
    TAction action(nullptr);
    action.SetGroupIndex(2);
    action.SetChecked(true);
    action.SetCaption("Act");
    buttons[1]->SetGroupIndex(2);
    buttons[0]->SetAction(&action);
    buttons[1]->SetAllowAllUp(true); // told to the whole group
    EXPECT_EQ(buttons[0]->GroupIndex(), 2);
    EXPECT_TRUE(buttons[0]->Down());
    EXPECT_EQ(buttons[0]->Caption(), "Act");

    action.SetChecked(false); // linked while the check is the action's
    EXPECT_FALSE(buttons[0]->Down());
    action.SetChecked(true);
    EXPECT_TRUE(buttons[0]->Down());

    Click(buttons[1]); // another of the group goes down: the action is unchecked
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_FALSE(action.Checked());
    buttons[0]->SetAction(nullptr);
}

TEST_F(ButtonForm, TheFacePaintsTheColourOfTheState) {
    TQvGridButton* b = buttons[0];
    b->SetBounds(100, 2, 30, 30);
    b->SetCaption("");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b->Widget(), &leave);
    b->SetColor(0x102030);
    b->SetColorChecked(0x405060);
    b->SetColorHot(0x708090);
    auto centre = [&] {
        QApplication::processEvents();
        const QImage img = form->Grab();
        if (qEnvironmentVariableIsSet("QV_SAVE_GRABS")) img.save("/tmp/qvgridbutton.png");
        return pixel(img, 115, 17);
    };
    EXPECT_EQ(centre(), TColor(0x102030));
    b->SetStyle(tasCheck);
    b->SetDown(true);
    EXPECT_EQ(centre(), TColor(0x405060));
    b->SetDown(false);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->Widget()->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b->Widget(), &enter);
    EXPECT_TRUE(b->Hot());
    EXPECT_EQ(centre(), TColor(0x708090));
    QApplication::sendEvent(b->Widget(), &leave);
    EXPECT_FALSE(b->Hot());
}

TEST(QvGridButton, TheDisabledGlyphIsTheGlyphInGreyAndTheShadeItsShape) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(TRect(0, 0, 4, 4));
    glyph.Canvas()->SetPixels(1, 1, RGB(30, 60, 90)); // brightness 60: grey 96 + 30
    glyph.Canvas()->SetPixels(2, 1, RGB(255, 255, 255));
    TQvGridButton b(nullptr);
    b.SetGlyph(&glyph);
    ASSERT_NE(b.GlyphDisabled(), nullptr);
    EXPECT_EQ(b.GlyphDisabled()->Canvas()->Pixels(1, 1), RGB(126, 126, 126));
    EXPECT_EQ(b.GlyphDisabled()->Canvas()->Pixels(0, 0), RGB(223, 223, 223));
    ASSERT_NE(b.GlyphShade(), nullptr);
    auto* shade = const_cast<TBitmap*>(b.GlyphShade());
    EXPECT_EQ(shade->Canvas()->Pixels(1, 1), TColor(0x808080));
    EXPECT_EQ(shade->Canvas()->Pixels(2, 1), shade->Canvas()->Pixels(0, 3)); // the key colour stays clear
}

TEST(BandedGradient, BandsRunFromTheStartColourAndOverlapByAPixel) {
    struct Case {
        int Steps;
        bool Horizontal;
        int Probe;       // x (horizontal) or y of the probe
        TColor Expected; // at the probe
    } cases[] = {
        {0, false, 19, RGB(0, 0, 0)},   // 0 steps: one band of the start colour
        {1, true, 19, RGB(0, 0, 0)},    // one band covers all
        {2, false, 9, RGB(0, 0, 0)},    // band 0 spans 0..10
        {2, false, 10, RGB(0, 100, 0)}, // band 1 from 10 paints over band 0's last pixel
        {4, true, 5, RGB(0, 50, 0)},    // band 1 from 5
        {4, true, 19, RGB(0, 150, 0)},  // band 3, never the end colour
    };
    for (const Case& c : cases) {
        TBitmap bmp;
        bmp.SetSize(20, 20);
        DrawBandedGradient(bmp.Canvas(), RGB(0, 0, 0), RGB(0, 200, 0), c.Horizontal, TRect(0, 0, 20, 20),
                           c.Steps, clNone);
        const int x = c.Horizontal ? c.Probe : 10, y = c.Horizontal ? 10 : c.Probe;
        EXPECT_EQ(bmp.Canvas()->Pixels(x, y), c.Expected) << c.Steps << " " << c.Probe;
    }
    TBitmap bmp;
    bmp.SetSize(20, 20);
    DrawBandedGradient(bmp.Canvas(), clWhite, clWhite, false, TRect(0, 0, 20, 20), 16, clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 10), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), clWhite);
}

struct CheckBoxForm : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 240, 80);
        box = new TQvCheckBox(form.get());
        box->SetParent(form.get());
        box->SetCaption("&Match");
        box->OnClick = [this](TObject*) { ++clicks; };
        other = new TQvCheckBox(form.get());
        other->SetParent(form.get());
        other->SetTop(30);
        form->Show();
        box->SetFocus();
        QApplication::processEvents();
    }
    std::unique_ptr<TForm> form;
    TQvCheckBox* box = nullptr;
    TQvCheckBox* other = nullptr;
    int clicks = 0;
};

TEST_F(CheckBoxForm, ClicksAndSpaceToggleAndClickReadOnlyOnlyClicks) {
    struct Case {
        bool ReadOnly;
        bool ByKey;
        bool CheckedAfter;
    } cases[] = {{false, false, true}, {false, true, false}, {true, false, false}, {true, true, false}};
    int expectedClicks = 0;
    for (const Case& c : cases) {
        box->SetReadOnly(c.ReadOnly);
        if (c.ByKey)
            qvtest::KeyToFocus(Qt::Key_Space, " ");
        else
            qvtest::ClickAt(box->Widget(), QPointF(5, 8));
        EXPECT_EQ(box->Checked(), c.CheckedAfter) << c.ReadOnly << c.ByKey;
        EXPECT_EQ(clicks, ++expectedClicks) << c.ReadOnly << c.ByKey;
        EXPECT_FALSE(box->Down());
    }
    // A press let go outside is no click.
    box->SetReadOnly(false);
    pressAndRelease(box->Widget(), QPointF(150, 8));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, expectedClicks);
}

TEST_F(CheckBoxForm, CheckedIsTheCheckedStateAndGrayedIsNeither) {
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    box->Toggle();
    EXPECT_EQ(box->State(), cbChecked);
    box->SetChecked(false);
    EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(CheckBoxForm, EnterMovesOnOnlyWithReturnIsTabAndAltWithTheAcceleratorToggles) {
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_TRUE(box->Focused());
    box->SetReturnIsTab(true);
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_TRUE(other->Focused());
    EXPECT_FALSE(box->Checked());
    qvtest::KeyToFocus(Qt::Key_M, "m", Qt::AltModifier);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
}

TEST_F(CheckBoxForm, ATransparentBoxShowsTheFormThrough) {
    form->SetColor(RGB(0, 128, 0));
    box->SetColor(clRed);
    box->SetCaption("");
    for (bool caching : {false, true}) {
        box->SetTransparent(false);
        QApplication::processEvents();
        EXPECT_EQ(pixel(form->Grab(), 60, 10), clRed);
        box->SetTransparentChaching(caching);
        box->SetTransparent(true);
        QApplication::processEvents();
        EXPECT_EQ(pixel(form->Grab(), 60, 10), RGB(0, 128, 0)) << caching;
    }
}
