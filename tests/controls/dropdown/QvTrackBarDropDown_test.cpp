// The trackbar dropdown driven by real keys and mouse events offscreen: Up and Down steps, the drag over
// the edit, the popup's trackbar with Enter, Escape and a click outside, and typed text.
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvTrackBarDropDown.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/ComCtrls_TrackBar.h"

#include "DropDownOnForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class TrackBarDropDown : public dropdowntest::DropDownOnForm<TQvTrackBarDropDown> {
protected:
    static void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        dropdowntest::PressKey(key, mods);
    }
    // Straight to the edit: an open popup would otherwise take the mouse.
    void Mouse(QEvent::Type type, int x) {
        QWidget* w = edit->Widget();
        const QPoint at(x, 10);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
};

TEST_F(TrackBarDropDown, UpAndDownStepByTheFrequencyAndNeverPastAnEnd) {
    edit->SetFrequency(3);
    struct Case {
        int from, key, to;
    } cases[] = {
        {9, Qt::Key_Down, 9},  {9, Qt::Key_Up, 6},   {2, Qt::Key_Up, 2},
        {7, Qt::Key_Down, 10}, {0, Qt::Key_Down, 3},
    };
    for (const Case& k : cases) {
        edit->SetPosition(k.from);
        Key(k.key);
        EXPECT_EQ(edit->Position(), k.to) << k.from << " " << k.key;
        EXPECT_EQ(edit->Text(), QString::number(k.to));
    }
    // The trackbar's clamp is read back.
    edit->SetPosition(15);
    EXPECT_EQ(edit->Position(), 10);
}

TEST_F(TrackBarDropDown, DraggingOverTheEditMovesByPageSizePixels) {
    edit->SetMax(100);
    struct Case {
        const char* name;
        int pageSize, step, moves, moved;
    } cases[] = {
        {"5 pixels a move at page size 2", 2, 5, 3, 6},
        {"1-pixel moves are lost", 2, 1, 6, 0},
        {"page size 0 counts as 1", 0, 3, 2, 6},
        {"backwards", 1, -4, 2, -8},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        edit->SetPosition(50);
        edit->SetPageSize(k.pageSize);
        int x = 100;
        Mouse(QEvent::MouseButtonPress, x);
        for (int i = 0; i < k.moves; ++i)
            Mouse(QEvent::MouseMove, x += k.step);
        Mouse(QEvent::MouseButtonRelease, x);
        Mouse(QEvent::MouseMove, x + 40);
        EXPECT_EQ(edit->Position(), 50 + k.moved);
        if (edit->DroppedDown()) edit->HideDropDown(false);
    }
}

TEST_F(TrackBarDropDown, ThePopupTrackBarKeepsOnEnterAndOutsideClickAndRestoresOnEscape) {
    struct Case {
        const char* name;
        int closeKey;
        int expected;
    } cases[] = {{"Enter keeps", Qt::Key_Return, 5}, {"Escape restores", Qt::Key_Escape, 4}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        edit->SetPosition(4);
        edit->SetText("4");
        Key(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(edit->DroppedDown());
        ASSERT_EQ(edit->Control(), edit->TrackBar());
        edit->TrackBar()->SetFocus();
        Key(Qt::Key_Right);
        EXPECT_EQ(edit->Text(), "5");
        Key(k.closeKey);
        EXPECT_FALSE(edit->DroppedDown());
        EXPECT_EQ(edit->Text(), QString::number(k.expected));
        EXPECT_EQ(edit->Position(), k.expected);
    }
    // A click outside closes the popup and keeps the move.
    Key(Qt::Key_Down, Qt::AltModifier);
    edit->TrackBar()->SetFocus();
    Key(Qt::Key_Right);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    const QPoint outside = form->Widget()->mapToGlobal(QPoint(300, 250));
    QMouseEvent press(QEvent::MouseButtonPress, popup->mapFromGlobal(outside), outside, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &press);
    QApplication::processEvents();
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Position(), 5);
}

TEST_F(TrackBarDropDown, ATypedTextThatIsNoIntegerLeavesThePosition) {
    edit->SetEditorEnabled(true);
    edit->SetSigned(true);
    edit->SetPosition(7);
    edit->SelectAll();
    QTest::keyClicks(QApplication::focusWidget(), "-");
    EXPECT_EQ(edit->Text(), "-");
    EXPECT_EQ(edit->Position(), 7);
    QTest::keyClicks(QApplication::focusWidget(), "3");
    EXPECT_EQ(edit->Position(), 0);
    edit->SelectAll();
    QTest::keyClicks(QApplication::focusWidget(), "8");
    EXPECT_EQ(edit->Position(), 8);
}
