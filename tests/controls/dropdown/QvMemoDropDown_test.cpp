// The memo dropdown: the edit's face of the lines, and the popup memo driven by real keys and clicks
// offscreen (Enter a new line, Escape restoring lines and face, a click outside keeping them).
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvMemoDropDown.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include "DropDownOnForm.h"
#include "InputEvents.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace qvmemodropdowntest {

using dropdowntest::PressKey;
using dropdowntest::TypeText;

void SetLines(TStringList& list, std::initializer_list<const char*> lines) {
    TStringList l;
    for (const char* s : lines)
        l.Add(s);
    list.Assign(&l);
}

class MemoDropDown : public dropdowntest::DropDownOnForm<TQvMemoDropDown> {
protected:
    void SetUp() override {
        DropDownOnForm::SetUp();
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(20, 100, 100, 21);
    }
    String MemoText() const { return edit->Memo()->Lines()->Text(); }

    TEdit* other = nullptr;
};

TEST_F(MemoDropDown, TheFaceShowsTheFirstLineFittedOrTheWholeTextWhenTypeable) {
    const String wide(200, QChar('W'));
    struct Case {
        const char* name;
        std::initializer_list<const char*> lines;
        bool editorEnabled;
        String face;
    } cases[] = {
        {"two lines", {"alpha", "beta"}, false, "alpha..."},
        {"one line", {"alpha"}, false, "alpha"},
        {"typeable", {"alpha", "beta"}, true, "alpha\r\nbeta"},
        {"no lines", {}, false, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        edit->SetEditorEnabled(k.editorEnabled);
        SetLines(*edit->MemoText(), k.lines);
        EXPECT_EQ(edit->Text(), k.face);
        // The face never writes itself back into the lines.
        EXPECT_EQ(edit->MemoText()->Count(), int(k.lines.size()));
    }
    // A first line far wider than the edit is cut from its end until it fits with "...".
    edit->SetEditorEnabled(false);
    edit->MemoText()->SetText(wide + "\r\nnext");
    const String face = edit->Text();
    EXPECT_TRUE(face.endsWith("...")) << face.toStdString();
    EXPECT_LT(face.size(), wide.size());
    EXPECT_TRUE(wide.startsWith(face.chopped(3)));
    EXPECT_EQ(edit->MemoText()->Strings(0), wide);
}

TEST_F(MemoDropDown, EnterMakesALineEscapeRestoresAndAClickOutsideKeeps) {
    struct Case {
        const char* name;
        bool clickOutside;
        String lines, face;
    } cases[] = {
        {"Escape restores lines and face", false, "alpha\r\n", "alpha"},
        {"a click outside keeps the typed lines", true, "alpha\r\nbeta\r\n", "alpha..."},
    };
    edit->SetEditorEnabled(false);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        edit->MemoText()->SetText("alpha");
        PressKey(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(edit->DroppedDown());
        EXPECT_EQ(MemoText(), "alpha\r\n");
        // The memo has the keyboard at once; Enter makes a new line instead of closing.
        PressKey(Qt::Key_End, Qt::ControlModifier);
        PressKey(Qt::Key_Return);
        TypeText("beta");
        ASSERT_TRUE(edit->DroppedDown());
        EXPECT_EQ(MemoText(), "alpha\r\nbeta\r\n");
        if (k.clickOutside) {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr);
            const QPoint outside = form->Widget()->mapToGlobal(QPoint(300, 250));
            QMouseEvent press(QEvent::MouseButtonPress, popup->mapFromGlobal(outside), outside,
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(popup, &press);
            QApplication::processEvents();
        } else {
            PressKey(Qt::Key_Escape);
        }
        EXPECT_FALSE(edit->DroppedDown());
        EXPECT_EQ(edit->MemoText()->Text(), k.lines);
        EXPECT_EQ(MemoText(), k.lines);
        EXPECT_EQ(edit->Text(), k.face);
    }
}

TEST_F(MemoDropDown, CtrlASelectsTheMemoAndAltDownClosesKeepingIt) {
    edit->MemoText()->SetText("one\r\ntwo");
    PressKey(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(edit->DroppedDown());
    PressKey(Qt::Key_A, Qt::ControlModifier);
    TypeText("new");
    PressKey(Qt::Key_Up, Qt::AltModifier);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->MemoText()->Text(), "new\r\n");
    EXPECT_EQ(edit->Text(), "new");
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(MemoDropDown, TheMemoTakesItsSettingsAtTheDrop) {
    auto* menu = new TPopupMenu(form.get());
    edit->SetMemoPopup(menu);
    edit->SetMemoReadOnly(true);
    edit->SetMemoScrollBars(ssVertical);
    EXPECT_EQ(edit->Memo()->PopupMenu(), nullptr);
    edit->ShowDropDown();
    EXPECT_EQ(edit->Memo()->PopupMenu(), menu);
    EXPECT_TRUE(edit->Memo()->ReadOnly());
    EXPECT_EQ(edit->Memo()->ScrollBars(), ssVertical);
    TypeText("x");
    EXPECT_EQ(MemoText(), "");
    edit->SetMemoReadOnly(false);
    EXPECT_FALSE(edit->Memo()->ReadOnly());
    edit->HideDropDown(false);
    // A freed menu is forgotten.
    delete menu;
    EXPECT_EQ(edit->MemoPopup(), nullptr);
    edit->ShowDropDown();
    EXPECT_EQ(edit->Memo()->PopupMenu(), nullptr);
}

TEST_F(MemoDropDown, AutoDropOpensOnFocusAndClosingDoesNotReopen) {
    edit->SetAutoDrop(true);
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_FALSE(edit->DroppedDown());
    edit->SetFocus();
    QApplication::processEvents();
    ASSERT_TRUE(edit->DroppedDown());
    PressKey(Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(edit->AutoDrop());
}

TEST_F(MemoDropDown, TypingIntoATypeableEditSetsTheLines) {
    edit->SetEditorEnabled(true);
    edit->SelectAll();
    TypeText("solo");
    EXPECT_EQ(edit->MemoText()->Text(), "solo\r\n");
    edit->ShowDropDown();
    EXPECT_EQ(MemoText(), "solo\r\n");
}

} // namespace qvmemodropdowntest
