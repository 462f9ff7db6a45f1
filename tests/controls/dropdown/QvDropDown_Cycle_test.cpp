// The dropdown edit's popup cycle driven by real key and mouse events offscreen: opening by keys, the
// button and a click on an edit without typing; closing by Enter, Escape, a click outside and the button;
// the re-open guard on the test's own clock; refused openings; the person's popup size.
#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDownButton.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Layout.h"
#include "toolkit/controls/Forms.h"

#include "InputEvents.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A key with its modifiers as the platform delivers it: the application's modifier state follows it.
void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString()) {
    QWidget* popup = QApplication::activePopupWidget();
    QWidget* w = popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    if (text.isEmpty())
        QTest::keyClick(w, Qt::Key(key), mods);
    else
        QTest::keyClicks(w, text, mods);
}

// A press while a popup shows goes to the popup (Qt routes it there), at the point outside it; the release
// goes to the widget under the mouse, as once the popup has closed.
void ClickWhilePopupShows(QWidget* under, QPoint at) {
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    const QPoint global = under->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, popup->mapFromGlobal(global), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(under, &release);
}

} // namespace

class DropCycle : public ::testing::Test {
protected:
    void SetUp() override {
        SetDropDownTickSource([this] { return now; });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        edit = new TQvCustomDropDown(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(20, 20, 200, 21);
        form->Show();
        edit->SetFocus();
        QApplication::processEvents();
        edit->SetText("start");
    }
    void TearDown() override {
        if (edit->DroppedDown()) edit->HideDropDown(true);
        form->Hide();
        form.reset();
        SetDropDownTickSource(nullptr);
    }
    bool Shows() const { return edit->DropDownForm()->Showing() && edit->DroppedDown(); }
    QWidget* ButtonWidget() const { return edit->Button()->SpeedButton()->Widget(); }
    void ClickButton() {
        QWidget* b = ButtonWidget();
        const QPoint mid(b->width() / 2, b->height() / 2);
        if (QApplication::activePopupWidget())
            ClickWhilePopupShows(b, mid);
        else
            qvtest::ClickAt(b, mid);
    }
    void Open(int key, Qt::KeyboardModifiers mods) {
        Key(key, mods);
        ASSERT_TRUE(Shows());
    }

    DWORD now = 100000;
    std::unique_ptr<TForm> form;
    TQvCustomDropDown* edit = nullptr;
};

TEST_F(DropCycle, KeysOpenAndEnterKeepsWhatWasTypedWhileEscapeBringsBackTheLastSetText) {
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        int closeKey;
        const char* expected;
    } cases[] = {
        {"F4, Enter", Qt::Key_F4, Qt::NoModifier, Qt::Key_Return, "x"},
        {"Alt+Down, Escape", Qt::Key_Down, Qt::AltModifier, Qt::Key_Escape, "start"},
        {"Alt+Up, Enter", Qt::Key_Up, Qt::AltModifier, Qt::Key_Return, "x"},
        {"F4, Escape", Qt::Key_F4, Qt::NoModifier, Qt::Key_Escape, "start"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        edit->SetText("start");
        edit->SelectAll();
        Open(k.key, k.mods);
        // Typed while the popup shows, the key goes on to the edit.
        Key(0, Qt::NoModifier, "x");
        EXPECT_EQ(edit->Text(), "x");
        Key(k.closeKey);
        EXPECT_FALSE(Shows());
        EXPECT_FALSE(edit->DropDownForm()->Visible());
        EXPECT_EQ(edit->Text(), k.expected);
    }
}

TEST_F(DropCycle, TheSameKeysCloseAnOpenPopupWithoutCancelling) {
    int cancelled = -1;
    edit->OnDropUp = [&](TObject*, bool c) { cancelled = c; };
    for (auto [key, mods] :
         {std::pair{Qt::Key_F4, Qt::NoModifier}, std::pair{Qt::Key_Down, Qt::AltModifier}}) {
        Open(Qt::Key_F4, Qt::NoModifier);
        Key(key, mods);
        EXPECT_FALSE(Shows()) << key;
        EXPECT_EQ(cancelled, 0) << key;
    }
}

TEST_F(DropCycle, TheButtonOpensAndClickedWhileOpenClosesForGood) {
    ClickButton();
    ASSERT_TRUE(Shows());
    // The press outside the popup closes it; its release on the button must not open it again.
    ClickButton();
    EXPECT_FALSE(Shows());
    EXPECT_EQ(edit->DropDownForm()->DeActivateTime(), now);
    // Still within 250 ms of that closing: a release on the button is no new opening.
    now += 250;
    ClickButton();
    EXPECT_FALSE(Shows());
    now += 1;
    ClickButton();
    EXPECT_TRUE(Shows());
}

TEST_F(DropCycle, AClickOutsideClosesAsCancelOnDeActivateSays) {
    for (bool cancel : {true, false}) {
        SCOPED_TRACE(cancel);
        edit->SetText("start");
        edit->DropDownForm()->SetCancelOnDeActivate(cancel);
        Open(Qt::Key_F4, Qt::NoModifier);
        Key(0, Qt::NoModifier, "y");
        ClickWhilePopupShows(form->Widget(), QPoint(300, 250));
        EXPECT_FALSE(Shows());
        EXPECT_EQ(edit->Text(), cancel ? "start" : "starty");
        now += 1000;
    }
}

TEST_F(DropCycle, BlockActivateKeepsThePopupOpenWhenTheActivationMoves) {
    Open(Qt::Key_F4, Qt::NoModifier);
    edit->DropDownForm()->SetBlockActivate(true);
    ClickWhilePopupShows(form->Widget(), QPoint(300, 250));
    EXPECT_TRUE(edit->DroppedDown());
    EXPECT_TRUE(edit->DropDownForm()->Visible());
    edit->DropDownForm()->SetBlockActivate(false);
}

TEST_F(DropCycle, AnEditWithoutTypingOpensOnAClickAnywhere) {
    edit->SetEditorEnabled(false);
    qvtest::ClickAt(edit->Widget(), QPointF(10, 10));
    EXPECT_TRUE(Shows());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Shows());
    // Typing does nothing there.
    now += 1000;
    Key(0, Qt::NoModifier, "z");
    EXPECT_EQ(edit->Text(), "start");
}

TEST_F(DropCycle, DisabledReadOnlyAndRefusedOpeningsShowNothing) {
    int before = 0;
    edit->OnBeforeDropDown = [&](TObject*) { ++before; };
    struct Case {
        const char* name;
        std::function<void()> setUp;
        int beforeCalls;
    } cases[] = {
        {"read-only", [&] { edit->SetReadOnly(true); }, 0},
        {"refused", [&] { edit->OnDropDown = [](TObject*, bool& accept) { accept = false; }; }, 2},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        before = 0;
        k.setUp();
        Key(Qt::Key_F4);
        EXPECT_FALSE(Shows());
        ClickButton();
        EXPECT_FALSE(Shows());
        EXPECT_FALSE(edit->DropDownForm()->Visible());
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(before, k.beforeCalls);
        edit->SetReadOnly(false);
        edit->OnDropDown = nullptr;
    }
    edit->SetEnabled(false);
    edit->ShowDropDown();
    EXPECT_FALSE(Shows());
}

TEST_F(DropCycle, ThePopupIsNeverSmallerThan80By50AndKeepsThePersonsSizeUntilTheWidthIsSet) {
    edit->SetDropDownWidth(10);
    edit->SetDropDownHeight(10);
    Open(Qt::Key_F4, Qt::NoModifier);
    TDropDownForm* popup = edit->DropDownForm();
    EXPECT_EQ(popup->Width(), 80);
    EXPECT_EQ(popup->Height(), 50);
    // The person sizes it from its corner.
    popup->StartSizing(TPoint(popup->Left() + 79, popup->Top() + 49));
    QWidget* w = popup->Widget();
    const QPoint to = QPoint(79 + 70, 49 + 30);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(w->mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(to), QPointF(w->mapToGlobal(to)), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
    EXPECT_EQ(popup->Width(), 150);
    EXPECT_EQ(popup->Height(), 80);
    Key(Qt::Key_Return);
    EXPECT_EQ(edit->UserDropDownWidth(), 150);
    Open(Qt::Key_F4, Qt::NoModifier);
    EXPECT_EQ(popup->Width(), 150);
    EXPECT_EQ(popup->Height(), 80);
    Key(Qt::Key_Return);
    edit->SetDropDownWidth(120);
    Open(Qt::Key_F4, Qt::NoModifier);
    EXPECT_EQ(popup->Width(), 120);
    EXPECT_EQ(popup->Height(), 80);
    Key(Qt::Key_Return);
}

TEST(DropDownPlacement, BelowWhenItFitsElseAboveElseOnTheRoomierSideAndInsideTheArea) {
    const TRect primary(0, 0, 1000, 700);
    const TRect leftOfPrimary(-1280, -200, 0, 824);
    struct Case {
        const char* name;
        TRect edit;
        TSize size;
        TRect area;
        TDropPosition position;
        TRect expected;
    } cases[] = {
        {"fits below", Bounds(100, 100, 200, 21), {200, 150}, primary, dpAuto, Bounds(100, 120, 200, 150)},
        {"above at the bottom",
         Bounds(100, 600, 200, 21),
         {200, 150},
         primary,
         dpAuto,
         Bounds(100, 450, 200, 150)},
        {"roomier side below",
         Bounds(100, 300, 200, 21),
         {200, 450},
         primary,
         dpAuto,
         Bounds(100, 250, 200, 450)},
        {"roomier side above",
         Bounds(100, 420, 200, 21),
         {200, 450},
         primary,
         dpAuto,
         Bounds(100, 0, 200, 450)},
        {"moved in from the right",
         Bounds(900, 100, 200, 21),
         {200, 150},
         primary,
         dpAuto,
         Bounds(800, 120, 200, 150)},
        {"down kept, moved up",
         Bounds(100, 650, 200, 21),
         {200, 150},
         primary,
         dpDown,
         Bounds(100, 550, 200, 150)},
        {"up kept, moved down",
         Bounds(100, 20, 200, 21),
         {200, 150},
         primary,
         dpUp,
         Bounds(100, 0, 200, 150)},
        {"negative monitor, below",
         Bounds(-400, -100, 200, 21),
         {200, 150},
         leftOfPrimary,
         dpAuto,
         Bounds(-400, -80, 200, 150)},
        {"negative monitor, right edge",
         Bounds(-100, 700, 200, 21),
         {300, 150},
         leftOfPrimary,
         dpAuto,
         Bounds(-300, 550, 300, 150)},
        {"negative monitor, left edge",
         Bounds(-1300, 0, 200, 21),
         {200, 150},
         leftOfPrimary,
         dpAuto,
         Bounds(-1280, 20, 200, 150)},
        {"larger than the area",
         Bounds(100, 100, 200, 21),
         {1200, 900},
         primary,
         dpAuto,
         Bounds(0, 0, 1000, 700)},
    };
    for (const Case& k : cases) {
        const TRect r = PlaceDropDown(k.edit, k.size, k.area, k.position);
        EXPECT_EQ(r, k.expected) << k.name << ": " << r.Left << "," << r.Top << " " << r.Width() << "x"
                                 << r.Height();
    }
}

TEST_F(DropCycle, ThePopupStaysOnTheMonitorThatHoldsTheEdit) {
    // The edit's monitor ends just right of and below the edit; the primary one lies beyond it.
    const TPoint at = edit->ClientToScreen(TPoint(0, 0));
    const TRect own(at.X - 1000, at.Y - 500, at.X + 250, at.Y + 60);
    SetMonitorLayout({TMonitor{0, TRect(own.Right, own.Top, own.Right + 1000, own.Bottom),
                               TRect(own.Right, own.Top, own.Right + 1000, own.Bottom), true},
                      TMonitor{1, own, own, false}});
    edit->SetDropDownWidth(300);
    edit->SetDropDownHeight(150);
    Key(Qt::Key_F4);
    const TRect popup = edit->DropDownForm()->BoundsRect();
    SetMonitorLayout({});
    ASSERT_TRUE(Shows());
    // No room below the edit on its monitor: above it, moved in from that monitor's right edge.
    EXPECT_EQ(popup.Right, own.Right);
    EXPECT_EQ(popup.Width(), 300);
    EXPECT_EQ(popup.Bottom, at.Y);
    EXPECT_GE(popup.Top, own.Top);
}

TEST_F(DropCycle, APressOnTheSelectedTextMovesTheCaretInsteadOfDraggingTheText) {
    edit->SetText("start here");
    edit->SelectAll();
    QWidget* w = edit->Widget();
    const int y = w->height() / 2;
    auto xOfChar = [&](int index) {
        for (int x = 0; x < w->width(); ++x)
            if (edit->CharFromPos(TPoint(x, y)) == index) return x;
        return -1;
    };
    const int from = xOfChar(2), to = xOfChar(7);
    ASSERT_GE(from, 0);
    ASSERT_GT(to, from);
    // Dragged far beyond the start distance: a text drag would begin here (and wait for a drop).
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(from, y));
    QTest::mouseMove(w, QPoint(to, y));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(to, y));
    EXPECT_EQ(edit->Text(), "start here");
    EXPECT_EQ(edit->SelStart(), 7);
    EXPECT_EQ(edit->SelLength(), 0);
    // Outside a selection a press is the edit's own: a drag selects.
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(from, y));
    QTest::mouseMove(w, QPoint(to, y));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(to, y));
    EXPECT_EQ(edit->SelLength(), 5);
}
