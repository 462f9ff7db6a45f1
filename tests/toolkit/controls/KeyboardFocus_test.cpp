// The keyboard's focus as a person without a mouse meets it: which window has the keys after a modal form,
// and how a control learns it was reached by Tab, so that its focus can be seen.
#include "TestSupport.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void keyboardFocusPress(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, key == Qt::Key_Tab || key == Qt::Key_Backtab ? "\t" : "");
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(w, &release);
}

void settleWindows() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Records why each focus arrived at the widgets it watches.
struct FocusReasons : QObject {
    QList<Qt::FocusReason> Seen;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) Seen << static_cast<QFocusEvent*>(e)->reason();
        return QObject::eventFilter(o, e);
    }
};

} // namespace

TEST(KeyboardFocus, AModalFormGivesTheKeysBackToTheWindowThatHadThem) {
    qvtest::ScriptedInteraction seam;
    TForm owner(nullptr);
    owner.SetBounds(0, 0, 300, 200);
    auto* edit = new TEdit(&owner);
    edit->SetParent(&owner);
    owner.Show();
    owner.Widget()->activateWindow();
    settleWindows();
    ASSERT_EQ(QApplication::activeWindow(), owner.Widget());

    TForm dialog(nullptr);
    dialog.SetBounds(0, 0, 200, 100);
    // Without a window manager nobody else hands the keyboard back: a closed dialog left it with no window.
    for (TModalResult how : {mrOk, mrCancel}) {
        seam.AnswerModal([&](TCustomForm* f) {
            settleWindows();
            EXPECT_EQ(QApplication::activeWindow(), f->Widget());
            f->SetModalResult(how);
        });
        dialog.ShowModal();
        settleWindows();
        EXPECT_EQ(QApplication::activeWindow(), owner.Widget()) << "after " << how;
        EXPECT_EQ(QApplication::focusWidget(), edit->Widget());
    }
    owner.Hide();
}

TEST(KeyboardFocus, AMessageBoxGivesTheKeysBackToTheWindowThatHadThem) {
    TForm owner(nullptr);
    owner.SetBounds(0, 0, 300, 200);
    auto* edit = new TEdit(&owner);
    edit->SetParent(&owner);
    owner.Show();
    owner.Widget()->activateWindow();
    settleWindows();
    ASSERT_EQ(QApplication::activeWindow(), owner.Widget());
    // The desktop's own box, answered by Enter as a person does.
    bool answered = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            keyboardFocusPress(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
            answered = true;
        }
    });
    EXPECT_EQ(MessageDlg("Error! Project not Valid", mtError, mbOK), mrOk);
    EXPECT_TRUE(answered);
    settleWindows();
    EXPECT_EQ(QApplication::activeWindow(), owner.Widget());
    EXPECT_EQ(QApplication::focusWidget(), edit->Widget());
    owner.Hide();
}

TEST(KeyboardFocus, TabAndShiftTabTellTheControlItCameByTheKeyboard) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* first = new TEdit(&form);
    first->SetParent(&form);
    first->SetBounds(5, 5, 80, 20);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    box->SetBounds(5, 30, 120, 20);
    box->SetCaption("Enable DNS");
    auto* last = new TEdit(&form);
    last->SetParent(&form);
    last->SetBounds(5, 55, 80, 20);
    form.Show();
    form.Widget()->activateWindow();
    settleWindows();
    FocusReasons reasons;
    box->Widget()->installEventFilter(&reasons);

    first->SetFocus();
    keyboardFocusPress(first->Widget(), Qt::Key_Tab);
    last->SetFocus();
    keyboardFocusPress(last->Widget(), Qt::Key_Backtab, Qt::ShiftModifier);
    last->SetFocus();
    box->SetFocus();
    // The styles draw a check box's focus frame only for a focus that came by the keyboard.
    EXPECT_EQ(reasons.Seen,
              (QList<Qt::FocusReason>{Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::OtherFocusReason}));
    EXPECT_TRUE(form.Widget()->testAttribute(Qt::WA_KeyboardFocusChange));
    form.Hide();
}

TEST(KeyboardFocus, AFocusedListMarksItsCurrentItem) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(5, 150, 80, 20);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->SetBounds(5, 5, 200, 100);
    list->Items()->Add("Plant1");
    list->Items()->Add("Plant2");
    list->SetItemIndex(0);
    form.Show();
    form.Widget()->activateWindow();
    settleWindows();
    auto* view = static_cast<QListWidget*>(list->Widget());
    const QRect item = view->visualRect(view->model()->index(0, 0));
    const QColor mark = view->palette().color(QPalette::HighlightedText);
    // The selected item's left edge: the selection's colour, crossed by the dotted frame when focused.
    auto markedDots = [&] {
        const QImage shot = view->viewport()->grab().toImage();
        int dots = 0;
        for (int y = item.top(); y <= item.bottom(); ++y)
            dots += QColor(shot.pixel(item.left(), y)) == mark;
        return dots;
    };
    other->SetFocus();
    settleWindows();
    EXPECT_EQ(markedDots(), 0);
    list->SetFocus();
    settleWindows();
    ASSERT_TRUE(view->hasFocus());
    EXPECT_GT(markedDots(), 2);
    form.Hide();
}
