// The rich edit control with and without its window: loading, selection formats, saving, measuring.
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/RichEdit.h"

#include <QTextEdit>
#include <gtest/gtest.h>

namespace rich_edit_test {

struct RichEditWindow : ::testing::TestWithParam<bool> {};

} // namespace rich_edit_test

using rich_edit_test::RichEditWindow;

TEST_P(RichEditWindow, LoadsSelectsFormatsAndSaves) {
    TForm form(nullptr);
    auto* edit = new TRichEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 200, 80);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    if (GetParam()) form.HandleNeeded();
    edit->LoadFromRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 one \\b two\\par three}");
    EXPECT_EQ(changes, 1) << "a load is one change";
    EXPECT_EQ(edit->PlainText(), "one two\r\nthree");
    EXPECT_EQ(edit->Text(), "one two\r\nthree");
    if (GetParam()) {
        ASSERT_NE(edit->Widget(), nullptr);
        EXPECT_EQ(static_cast<QTextEdit*>(edit->Widget())->toPlainText(), "one two\nthree");
    }
    edit->SetSelStart(4);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelText(), "two");
    EXPECT_EQ(edit->SelAttributes()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(edit->SelAttributes()->Name(), "Arial");
    edit->SelAttributes()->SetColor(0x0000FF);
    edit->SelAttributes()->SetStyle(fsItalic);
    const TRichText saved = ReadRtf(edit->SaveToRtf());
    ASSERT_EQ(saved.Paragraphs.size(), 2u);
    const TRichRun& two = saved.Paragraphs[0].Runs.back();
    EXPECT_EQ(two.Text, "two");
    EXPECT_TRUE(two.Format.Italic && !two.Format.Bold);
    EXPECT_EQ(two.Format.Color, TColor(0x0000FF));

    edit->SetWordWrap(true);
    const TSize wrapped = edit->RequiredSize();
    edit->SetWordWrap(false);
    const TSize natural = edit->RequiredSize();
    EXPECT_EQ(wrapped.cx, 200);
    EXPECT_GT(natural.cx, 0);
    EXPECT_LT(natural.cx, 200);
    EXPECT_GT(natural.cy, 20) << "two lines of 12-point text";

    edit->Clear();
    EXPECT_EQ(edit->PlainText(), "");
}

INSTANTIATE_TEST_SUITE_P(Window, RichEditWindow, ::testing::Bool());
