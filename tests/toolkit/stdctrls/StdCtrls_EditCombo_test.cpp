// Clipboard and text margins of the edit, and the list notifications of the combo box.
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(StdCtrlsEdit, CutAndPasteWithAndWithoutAWindow) {
    for (bool window : {false, true}) {
        TForm form(nullptr);
        auto* e = new TEdit(&form);
        e->SetParent(&form);
        if (window) form.Show();
        e->SetText("abcdef");
        e->SetSelStart(1);
        e->SetSelLength(2);
        e->CutToClipboard();
        EXPECT_EQ(e->Text(), "adef") << window;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "bc");
        e->SetSelStart(4);
        e->PasteFromClipboard();
        EXPECT_EQ(e->Text(), "adefbc") << window;
        form.Hide();
    }
}

TEST(StdCtrlsEdit, TextMarginsReachTheWindowMadeLater) {
    TForm form(nullptr);
    auto* e = new TEdit(&form);
    e->SetParent(&form);
    e->SetTextMargins(1, 0, 20, 0);
    form.Show();
    auto* line = static_cast<QLineEdit*>(e->Widget());
    EXPECT_EQ(line->textMargins().right(), 20);
    EXPECT_EQ(line->textMargins().left(), 1);
    form.Hide();
}

TEST(StdCtrlsCombo, OpeningAndClosingTheListNotifyTheControl) {
    TForm form(nullptr);
    auto* c = new TComboBox(&form);
    c->SetParent(&form);
    c->Items()->Add("a");
    c->Items()->Add("b");
    c->SetDroppedWidth(300);
    QStringList log;
    c->OnDropDown = [&](TObject*) { log << "down"; };
    c->OnCloseUp = [&](TObject*) { log << "up"; };
    form.Show();
    c->SetDroppedDown(true);
    QApplication::processEvents();
    EXPECT_TRUE(c->DroppedDown());
    c->SetDroppedDown(false);
    c->SetDroppedDown(false); // closing a closed list says nothing
    QApplication::processEvents();
    EXPECT_EQ(log, QStringList({"down", "up"}));
    form.Hide();
}

TEST(StdCtrlsEdit, CharacterWithoutAKeyIsTypedOverTheSelection) {
    for (bool window : {false, true}) {
        TForm form(nullptr);
        auto* e = new TEdit(&form);
        e->SetParent(&form);
        if (window) form.Show();
        e->SetText("abc");
        e->SetSelStart(1);
        e->SetSelLength(1);
        e->Perform(WM_CHAR, 'X', 0);
        e->Perform(WM_CHAR, 'y', 0);
        e->Perform(WM_CHAR, '\b', 0);
        e->Perform(WM_CHAR, '\r', 0); // no text of its own
        EXPECT_EQ(e->Text(), "aXc") << window;
        e->SetReadOnly(true);
        e->Perform(WM_CHAR, 'z', 0);
        EXPECT_EQ(e->Text(), "aXc") << window;
        form.Hide();
    }
}

TEST(StdCtrlsCombo, CharacterWithoutAKeyTypesOrSearchesTheList) {
    for (bool window : {false, true}) {
        TForm form(nullptr);
        auto* c = new TComboBox(&form);
        c->SetParent(&form);
        if (window) form.Show();
        for (const char* item : {"Apple", "Banana", "Blueberry", "Cherry"})
            c->Items()->Add(item);
        int selects = 0;
        c->OnSelect = [&](TObject*) { ++selects; };
        c->SetStyle(csDropDownList);
        c->Perform(WM_CHAR, 'b', 0);
        EXPECT_EQ(c->Text(), "Banana") << window;
        c->Perform(WM_CHAR, 'B', 0); // the next item with the letter
        EXPECT_EQ(c->Text(), "Blueberry") << window;
        c->Perform(WM_CHAR, 'q', 0); // none: the choice stays
        EXPECT_EQ(c->Text(), "Blueberry") << window;
        EXPECT_EQ(selects, 2) << window;

        QStringList changes;
        c->OnChange = [&](TObject*) { changes << c->Text(); };
        c->SetStyle(csDropDown);
        c->SetText("");
        c->Perform(WM_CHAR, 'K', 0);
        c->Perform(WM_CHAR, 'i', 0);
        EXPECT_EQ(c->Text(), "Ki") << window;
        EXPECT_EQ(changes, (QStringList{"K", "Ki"})) << window;
        form.Hide();
    }
}

TEST(StdCtrlsCombo, FocusedComboKeepsTheFocusWhenItGivesUpItsEditPart) {
    TForm form(nullptr);
    auto* c = new TComboBox(&form);
    c->SetParent(&form);
    c->Items()->Add("one");
    form.Show();
    c->SetFocus();
    c->SetStyle(csDropDownList);
    c->SetFocus();
    QApplication::processEvents();
    EXPECT_TRUE(c->Focused());
    form.Hide();
}
