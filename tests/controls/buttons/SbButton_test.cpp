// The styled button: looks per style probed on grabs, hot track and fade, glyph layout, clicks, keys,
// dialogs.
#include "TestSupport.h"
#include "controls/buttons/SbButton.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

constexpr TColor kCream = 15595512; // the configurator's face colour
constexpr TColor kOrange = 33023;
constexpr TColor kParent = clLime;

QRgb rgbOf(TColor c) {
    const TColor v = ColorToRGB(c);
    return qRgb(GetRValue(v), GetGValue(v), GetBValue(v));
}

struct Box : TCustomControl {
    using TCustomControl::TCustomControl;
};

// A single-cell glyph: a pure blue square on an olive ground that keys out.
std::unique_ptr<TBitmap> BlueGlyph(int size = 12) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(size, size);
    b->Canvas()->Brush()->SetColor(clOlive);
    b->Canvas()->FillRect(TRect(0, 0, size, size));
    b->Canvas()->Brush()->SetColor(clBlue);
    b->Canvas()->FillRect(TRect(2, 2, size - 2, size - 2));
    return b;
}

struct Box2 {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

// Pixels matching `pred`, `margin` pixels in from the edges (5 keeps clear of the focus frame).
template <class Pred> Box2 Find(const QImage& img, Pred pred, int margin = 5) {
    Box2 b;
    for (int y = margin; y < img.height() - margin; ++y)
        for (int x = margin; x < img.width() - margin; ++x)
            if (pred(img.pixel(x, y))) b.Add(x, y);
    return b;
}

bool IsBlue(QRgb p) {
    return qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) > 215;
}
bool IsDark(QRgb p) {
    return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90;
}

class SbButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(300, 120);
        form->SetColor(kParent);
        btn = new TSbButton(form.get());
        btn->SetParent(form.get());
        btn->SetBounds(20, 20, 100, 30);
        btn->Font()->SetColor(clBlack);
        form->Show();
    }
    void TearDown() override { form->Hide(); }

    // The button's part of the form as it shows now.
    QImage Shot() {
        QApplication::processEvents();
        return form->Grab().copy(btn->Left(), btn->Top(), btn->Width(), btn->Height());
    }
    QWidget* W() { return btn->Widget(); }
    void Mouse(QEvent::Type type, QPoint p) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent e(type, p, W()->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(W(), &e);
    }
    void Enter() {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), W()->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(W(), &e);
    }
    void Leave() {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(W(), &e);
    }
    void Key(QWidget* w, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
        QApplication::sendEvent(w, &release);
    }
    void UseConfiguratorLook() {
        btn->SetStyle(bsEncarta);
        btn->SetColor(kCream);
        btn->SetColorWhenDown(kOrange);
        btn->SetHotTrackColor(clYellow);
        btn->SetLightColor(clGray);
    }

    std::unique_ptr<TForm> form;
    TSbButton* btn = nullptr;
};

TEST_F(SbButtonTest, NewButtonKeepsItsFaceUnderTheMouse) {
    TSbButton fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 23);
    EXPECT_EQ(fresh.Alignment(), taCenter);
    EXPECT_EQ(fresh.Color(), clBtnFace);
    EXPECT_EQ(fresh.HotTrackColor(), clNone);
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clBtnFace));
    Enter();
    EXPECT_EQ(btn->HotTrackStep(), SbHotTrackSteps);
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clBtnFace));
}

TEST_F(SbButtonTest, EncartaShowsCreamYellowOrangeWithGrayFrameAndBoldPressedCaption) {
    UseConfiguratorLook();
    btn->SetCaption("Press me");
    QImage normal = Shot();
    EXPECT_EQ(normal.pixel(3, 3), rgbOf(kCream));
    for (QPoint p :
         {QPoint(0, 0), QPoint(99, 0), QPoint(0, 29), QPoint(99, 29), QPoint(50, 0), QPoint(50, 29)})
        EXPECT_EQ(normal.pixel(p), rgbOf(clGray)) << p.x() << "," << p.y();
    auto darkCount = [](const QImage& img) {
        int n = 0;
        for (int y = 5; y < img.height() - 5; ++y)
            for (int x = 5; x < img.width() - 5; ++x)
                n += IsDark(img.pixel(x, y));
        return n;
    };
    Enter();
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clYellow));
    Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
    QImage pressed = Shot();
    EXPECT_EQ(pressed.pixel(3, 3), rgbOf(kOrange));
    EXPECT_EQ(pressed.pixel(0, 0), rgbOf(clGray));
    EXPECT_GT(darkCount(pressed), darkCount(normal) * 11 / 10) << "caption turns bold";
    Mouse(QEvent::MouseButtonRelease, QPoint(10, 10));
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clYellow));
}

TEST_F(SbButtonTest, PressedContentShiftsOnePixelExceptEncarta) {
    struct Case {
        TSbButtonStyle style;
        int shift;
    } cases[] = {{bsNormal, 1}, {bsEncarta, 0}, {bsOld, 1}, {bsModern, 1}, {bsQuicken, 1}};
    auto glyph = BlueGlyph();
    btn->SetGlyph(glyph.get());
    btn->SetCaption("Go");
    // Left-justified: a centred glyph follows the caption's width, which bold changes.
    btn->SetAlignment(taLeftJustify);
    for (const Case& c : cases) {
        btn->SetStyle(c.style);
        btn->SetColor(clBtnFace);
        Box2 up = Find(Shot(), IsBlue);
        Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
        Box2 down = Find(Shot(), IsBlue);
        Mouse(QEvent::MouseButtonRelease, QPoint(10, 10));
        ASSERT_FALSE(up.Empty()) << c.style;
        EXPECT_EQ(down.left - up.left, c.shift) << c.style;
        EXPECT_EQ(down.top - up.top, c.shift) << c.style;
        EXPECT_EQ(down.right - down.left, up.right - up.left) << c.style;
    }
}

TEST_F(SbButtonTest, BorderOfEachClassicStyleSwapsLightAndShadowWhenPressed) {
    btn->SetLightColor(clWhite);
    btn->SetShadowColor(clGray);
    btn->SetStyle(bsNormal);
    QImage up = Shot();
    EXPECT_EQ(up.pixel(0, 10), rgbOf(clWhite));
    EXPECT_EQ(up.pixel(99, 10), rgbOf(clGray));
    Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
    QImage down = Shot();
    EXPECT_EQ(down.pixel(0, 10), rgbOf(clGray));
    EXPECT_EQ(down.pixel(99, 10), rgbOf(clWhite));
    Mouse(QEvent::MouseButtonRelease, QPoint(10, 10));

    // The old style: an inner shadow line and an outer dark one on the right and bottom; focused, a black
    // frame.
    btn->SetStyle(bsOld);
    btn->Widget()->clearFocus();
    ASSERT_FALSE(btn->Focused());
    up = Shot();
    EXPECT_EQ(up.pixel(98, 10), rgbOf(clGray));
    EXPECT_EQ(up.pixel(99, 10), rgbOf(cl3DDkShadow));
    EXPECT_EQ(up.pixel(0, 10), rgbOf(clWhite));
    btn->SetFocus();
    ASSERT_TRUE(btn->Focused());
    QImage focused = Shot();
    EXPECT_EQ(focused.pixel(0, 10), rgbOf(clBlack));
    EXPECT_EQ(focused.pixel(99, 10), rgbOf(clBlack));
    EXPECT_EQ(focused.pixel(1, 10), rgbOf(clWhite));
    btn->Widget()->clearFocus();

    // Flat buttons show their frame only while hot.
    btn->SetStyle(bsNormal);
    btn->SetFlat(true);
    EXPECT_EQ(Shot().pixel(99, 10), rgbOf(clBtnFace));
    Enter();
    EXPECT_EQ(Shot().pixel(99, 10), rgbOf(clGray));
}

TEST_F(SbButtonTest, TransparentStylesShowTheParentAroundTheFace) {
    btn->SetColor(clSilver);
    btn->SetStyle(bsModern);
    QImage modern = Shot();
    EXPECT_EQ(modern.pixel(0, 0), rgbOf(kParent)) << "rounded corner";
    // Light at the top, the face a quarter down, light again at the bottom.
    EXPECT_GT(qRed(modern.pixel(50, 2)), 0xE8);
    EXPECT_NEAR(qRed(modern.pixel(50, 30 / 4)), 0xC0, 3);
    EXPECT_GT(qRed(modern.pixel(50, 27)), 0xF0);

    btn->SetStyle(bsQuicken);
    QImage quicken = Shot();
    EXPECT_EQ(quicken.pixel(0, 0), rgbOf(kParent));
    EXPECT_EQ(quicken.pixel(50, 0), rgbOf(clGray));
    EXPECT_EQ(quicken.pixel(50, 15), rgbOf(clSilver));

    auto glyph = BlueGlyph();
    btn->SetGlyph(glyph.get());
    btn->SetStyle(bsShape);
    QImage shape = Shot();
    EXPECT_EQ(shape.pixel(2, 2), rgbOf(kParent));
    Box2 g = Find(shape, IsBlue);
    EXPECT_EQ((g.left + g.right) / 2, 49);
    EXPECT_EQ((g.top + g.bottom) / 2, 14);
}

TEST_F(SbButtonTest, HotTrackColourFadesOutInEightTicksAfterLeaving) {
    btn->SetColor(clWhite);
    btn->SetHotTrackColor(clYellow);
    btn->SetSlowDecease(true);
    Enter();
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clYellow));
    Leave();
    ASSERT_NE(btn->FadeTimer(), nullptr);
    EXPECT_TRUE(btn->FadeTimer()->Enabled());
    EXPECT_EQ(btn->FadeTimer()->Interval(), 30u);
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clYellow)) << "no repaint at the leave itself";

    btn->FadeTimer()->OnTimer(btn->FadeTimer());
    EXPECT_EQ(btn->HotTrackStep(), 7);
    EXPECT_EQ(Shot().pixel(3, 3), qRgb(255, 255, 31)) << "one eighth of the way back to white";

    QElapsedTimer t;
    t.start();
    while (btn->HotTrackStep() > 0 && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(btn->HotTrackStep(), 0);
    EXPECT_FALSE(btn->FadeTimer()->Enabled());
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clWhite));

    // Switching the fade off mid-way ends it at once and drops the ticker.
    Enter();
    Leave();
    btn->FadeTimer()->OnTimer(btn->FadeTimer());
    btn->SetSlowDecease(false);
    EXPECT_EQ(btn->HotTrackStep(), 0);
    EXPECT_EQ(btn->FadeTimer(), nullptr);
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clWhite));
    Enter();
    Leave();
    EXPECT_EQ(Shot().pixel(3, 3), rgbOf(clWhite)) << "without the fade the face returns at once";
}

TEST_F(SbButtonTest, GlyphSitsWhereTheLayoutSays) {
    struct Case {
        TSbButtonLayout layout;
        const char* where;
    } cases[] = {
        {blGlyphLeft, "left"}, {blGlyphRight, "right"}, {blGlyphTop, "top"}, {blGlyphBottom, "bottom"}};
    btn->SetBounds(20, 20, 120, 70);
    btn->SetCaption("Text");
    auto glyph = BlueGlyph(16);
    btn->SetGlyph(glyph.get());
    for (const Case& c : cases) {
        for (bool wrap : {false, true}) {
            btn->SetLayout(c.layout);
            btn->SetWordWrap(wrap);
            // With word wrap the glyph follows a left-justified caption.
            btn->SetAlignment(wrap ? taLeftJustify : taCenter);
            QImage img = Shot();
            Box2 g = Find(img, IsBlue);
            Box2 t = Find(img, IsDark);
            ASSERT_FALSE(g.Empty() || t.Empty()) << c.where;
            const String where = c.where;
            if (where == "left")
                EXPECT_LT(g.right, t.left) << wrap;
            else if (where == "right")
                EXPECT_GT(g.left, t.right) << wrap;
            else if (where == "top")
                EXPECT_LT(g.bottom, t.top) << wrap;
            else
                EXPECT_GT(g.top, t.bottom) << wrap;
            if (where == "top" || where == "bottom")
                EXPECT_NEAR((g.left + g.right) / 2, wrap ? 4 + 8 : 60, 1) << "left or centred";
            else
                EXPECT_NEAR((g.top + g.bottom) / 2, 34, 1) << "vertically centred";
        }
    }
}

TEST_F(SbButtonTest, DisabledShowsSecondCellGrayCaptionAndNeverPresses) {
    btn->SetKind(bkOK);
    btn->SetColorWhenDown(kOrange);
    auto hasGreen = [](const QImage& img) {
        return !Find(img, [](QRgb p) { return p == qRgb(0, 128, 0); }).Empty();
    };
    QImage on = Shot();
    EXPECT_TRUE(hasGreen(on));
    EXPECT_FALSE(Find(on, IsDark).Empty());
    btn->SetEnabled(false);
    Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
    QImage off = Shot();
    EXPECT_FALSE(hasGreen(off)) << "the greyed cell";
    EXPECT_TRUE(Find(off, IsDark).Empty()) << "caption in gray";
    EXPECT_FALSE(Find(off, [](QRgb p) { return p == qRgb(128, 128, 128); }).Empty());
    EXPECT_EQ(off.pixel(3, 3), rgbOf(clBtnFace));
    EXPECT_FALSE(btn->Down());
}

TEST_F(SbButtonTest, ClicksOnlyWhenReleasedOverTheButton) {
    int clicks = 0;
    btn->OnClick = [&](TObject*) { ++clicks; };
    Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
    Mouse(QEvent::MouseButtonRelease, QPoint(150, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(btn->Down());
    Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
    Mouse(QEvent::MouseButtonRelease, QPoint(90, 25));
    EXPECT_EQ(clicks, 1);
    Mouse(QEvent::MouseButtonRelease, QPoint(10, 10));
    EXPECT_EQ(clicks, 1) << "a release without a press does nothing";
}

// A click whose work waits (a modal window opened from OnClick) shows the button released meanwhile, not
// pressed until the work is done.
TEST_F(SbButtonTest, TheButtonIsRepaintedReleasedBeforeItsClickWorks) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    UseConfiguratorLook();
    QApplication::processEvents();
    int paintsDuringClick = -1;
    btn->OnClick = [&](TObject*) {
        EXPECT_FALSE(btn->Down());
        counter.paints = 0;
        W()->installEventFilter(&counter);
        QApplication::processEvents(); // what a modal window's loop does
        W()->removeEventFilter(&counter);
        paintsDuringClick = counter.paints;
    };
    for (const bool byKey : {false, true}) {
        paintsDuringClick = -1;
        // The pressed look is on the screen before the release.
        if (byKey) {
            btn->SetFocus();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
            QApplication::sendEvent(W(), &press);
            QApplication::processEvents();
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
            QApplication::sendEvent(W(), &release);
        } else {
            Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
            QApplication::processEvents();
            Mouse(QEvent::MouseButtonRelease, QPoint(10, 10));
        }
        EXPECT_GT(paintsDuringClick, 0) << (byKey ? "key" : "mouse");
    }
}

TEST_F(SbButtonTest, SpaceAndEnterClickOnKeyUp) {
    int clicks = 0;
    btn->OnClick = [&](TObject*) { ++clicks; };
    btn->SetFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(W(), &press);
    EXPECT_TRUE(btn->Down());
    EXPECT_EQ(clicks, 0);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(W(), &release);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(btn->Down());
    Key(W(), Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    Key(W(), Qt::Key_A);
    EXPECT_EQ(clicks, 2);
    // The release of an Enter pressed elsewhere (in a dialog that closed on it) does not click.
    QKeyEvent strayRelease(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(W(), &strayRelease);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SbButtonTest, DefaultAndCancelAnswerEnterAndEscapeUnlessAButtonHasTheFocus) {
    auto* other = new Box(form.get());
    other->SetParent(form.get());
    other->SetBounds(150, 20, 40, 20);
    other->SetTabStop(true);
    auto* cancel = new TSbButton(form.get());
    cancel->SetParent(form.get());
    cancel->SetBounds(20, 60, 100, 30);
    QStringList log;
    btn->SetDefault(true);
    btn->OnClick = [&](TObject*) { log << "default"; };
    cancel->SetCancel(true);
    cancel->OnClick = [&](TObject*) { log << "cancel"; };

    form->SetActiveControl(other);
    Key(other->Widget(), Qt::Key_Return);
    Key(other->Widget(), Qt::Key_Escape);
    EXPECT_EQ(log.join(","), "default,cancel");

    // The focused button handles Enter itself; the default one stays out of it.
    log.clear();
    form->SetActiveControl(cancel);
    Key(cancel->Widget(), Qt::Key_Return);
    EXPECT_EQ(log.join(","), "cancel");

    // Escape means nothing to a focused button: the cancel button takes it, so a dialog closes from its OK.
    log.clear();
    form->SetActiveControl(btn);
    Key(btn->Widget(), Qt::Key_Escape);
    EXPECT_EQ(log.join(","), "cancel");
}

TEST_F(SbButtonTest, ModalResultClosesTheModalWindowAfterOnClick) {
    form->Hide();
    btn->SetModalResult(mrCancel);
    TModalResult seenInClick = -1;
    btn->OnClick = [&](TObject*) { seenInClick = form->ModalResult(); };
    qvtest::ScriptedInteraction script;
    script.AnswerModal([&](TCustomForm*) { btn->Click(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(seenInClick, mrNone);
}

TEST_F(SbButtonTest, KindAndColourPresets) {
    btn->SetKind(bkCancel);
    EXPECT_EQ(btn->Caption(), "Abbrechen");
    EXPECT_EQ(btn->ModalResult(), mrCancel);
    EXPECT_EQ(btn->NumGlyphs(), 2);
    EXPECT_EQ(btn->Glyph()->Width(), 36);
    EXPECT_EQ(btn->Kind(), bkCancel);
    btn->SetModalResult(mrOk);
    EXPECT_EQ(btn->Kind(), bkCustom);
    btn->SetKind(bkAll);
    EXPECT_EQ(btn->Glyph()->Height(), 19);
    auto glyph = BlueGlyph();
    btn->SetGlyph(glyph.get());
    EXPECT_EQ(btn->Kind(), bkCustom);
    EXPECT_EQ(btn->NumGlyphs(), 1);

    btn->SetColorStyle(lcsQuicken);
    EXPECT_EQ(btn->Style(), bsQuicken);
    EXPECT_EQ(btn->Font()->Color(), clWhite);
    EXPECT_EQ(btn->ColorStyle(), lcsCustom);
    btn->SetColorStyle(lcsUltraFlat1);
    EXPECT_EQ(btn->Style(), bsNormal);
    EXPECT_TRUE(btn->Flat());
    EXPECT_EQ(btn->Font()->Color(), clBlack);
    EXPECT_EQ(btn->HotTrackColor(), 0xDED3D6);
}

TEST_F(SbButtonTest, CaptionWithoutWordWrapIsCutToFitWithoutEllipsis) {
    btn->SetBounds(20, 20, 40, 23);
    btn->SetCaption("Abbrechen");
    Box2 t = Find(Shot(), IsDark);
    ASSERT_FALSE(t.Empty());
    EXPECT_GE(t.left, 4);
    EXPECT_LE(t.right, 40 - 4);
}

} // namespace

// Stored values outside the button's enumerations are design errors with file and line, not casts.
TEST(SbButtonDesign, ValuesOutsideTheEnumerationsAreDesignErrors) {
    const struct {
        const char* property;
        const char* message;
    } cases[] = {
        {"Style = 36", "b.form:3: B.Style: value 36 is outside 0..5"},
        {"Kind = -1", "b.form:3: B.Kind: value -1 is outside 0..10"},
        {"Layout = 4", "b.form:3: B.Layout: value 4 is outside 0..3"},
        {"ColorStyle = 11", "b.form:3: B.ColorStyle: value 11 is outside 0..10"},
    };
    for (const auto& c : cases) {
        const QString text =
            QString("object F: TForm\n  object B: TSbButton\n    %1\n  end\nend").arg(c.property);
        TForm form(nullptr);
        QString message;
        try {
            LoadDesign(&form, ParseDesign(text, "b.form"), "b.form");
        } catch (const EDesignError& e) {
            message = e.Message();
        }
        EXPECT_EQ(message, c.message) << c.property;
    }
    TForm form(nullptr);
    LoadDesign(&form,
               ParseDesign("object F: TForm\n object B: TSbButton\n Style = bsModern\n end\nend", "b.form"),
               "b.form");
    EXPECT_EQ(Bind<TSbButton>(&form, "B")->Style(), bsModern);
}
