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
