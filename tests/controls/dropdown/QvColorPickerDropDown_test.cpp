// The colour picker: its colour texts and their reading from tables, and the picker offscreen driven by
// real keys and clicks in the list, palette and cube styles, with its face probed on a grab.
#include "controls/dropdown/QvColorCube.h"
#include "controls/dropdown/QvColorPickerDropDown.h"
#include "controls/dropdown/QvColorPicker_Text.h"
#include "controls/dropdown/QvColorSelector.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/services/Clipboard.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace qvcolorpickertest {

void PressKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* popup = QApplication::activePopupWidget();
    QWidget* w = popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, Qt::Key(key), mods);
}

TEST(ColorPickerText, EachFormOfAColourAndItsReadingBack) {
    struct Case {
        TColor color;
        TColorValueText kind;
        const char* text;
    } cases[] = {
        {0x0000FF, cvtHTML, "#FF0000"},
        {0x0000FF, cvtHex, "0000FF"},
        {0x0000FF, cvtRGB, "Red:255,Green:0,Blue:0"},
        {0x0000FF, cvtWebName, "clWebRed"},
        {0x010203, cvtWebName, "#030201"},
        {0xFAFAFF, cvtWebName, "clWebSnow"},
        {0x12345678, cvtHex, "12345678"},
        {0x0000FF, cvtNone, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        EXPECT_EQ(ColorValueTextOf(k.color, k.kind), QString::fromLatin1(k.text));
        if (k.kind == cvtNone) continue;
        TColor read = clNone;
        EXPECT_TRUE(ReadColorValueText(QString::fromLatin1(k.text), read));
        EXPECT_EQ(read, k.color);
    }
    // System colours are resolved, but for the stored hexadecimal form.
    EXPECT_EQ(ColorValueTextOf(clWindow, cvtHTML), ColorValueTextOf(ColorToRGB(clWindow), cvtHTML));
    EXPECT_EQ(ColorValueTextOf(clWindow, cvtHex), QString::number(quint32(clWindow), 16).toUpper());

    struct Read {
        const char* text;
        bool ok;
        TColor color;
    } reads[] = {
        {"  #00ff80 ", true, 0x80FF00}, {"red:1,green:2,blue:3", true, 0x030201},
        {"clRed", true, clRed},         {"CLWEBSNOW", true, 0xFAFAFF},
        {"$00FF0000", true, 0xFF0000},  {"Red:256,Green:0,Blue:0", false, 0},
        {"#12345", false, 0},           {"", false, 0},
        {"Red:1,Green:2", false, 0},    {"nonsense", false, 0},
    };
    for (const Read& r : reads) {
        SCOPED_TRACE(r.text);
        TColor c = 0x777777;
        EXPECT_EQ(ReadColorValueText(QString::fromLatin1(r.text), c), r.ok);
        EXPECT_EQ(c, r.ok ? r.color : TColor(0x777777));
    }
}

class ColorPicker : public ::testing::Test {
protected:
    void SetUp() override {
        SetDropDownTickSource([] { return DWORD(100000); });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        picker = new TQvColorPickerDropDown(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(20, 20, 200, 22);
        picker->OnSelect = [this](TObject*) { selects << picker->ItemIndex(); };
        form->Show();
        picker->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (picker->DroppedDown()) picker->HideDropDown(true);
        form.reset();
        SetDropDownTickSource(nullptr);
    }
    std::unique_ptr<TForm> form;
    TQvColorPickerDropDown* picker = nullptr;
    QList<int> selects;
};

TEST_F(ColorPicker, DefaultColoursSelectionAndTheTextOfTheFace) {
    EXPECT_EQ(picker->Colors()->Count(), 0);
    picker->AddDefaultColors();
    ASSERT_EQ(picker->Colors()->Count(), 16);
    EXPECT_EQ(picker->Colors()->Items(9)->Caption(), "Red");
    EXPECT_EQ(picker->Colors()->Items(9)->Color(), TColor(0x0000FF));
    EXPECT_EQ(picker->Colors()->Items(12)->Color(), TColor(0xFF0000));
    picker->SetColorValueText(cvtHTML);
    picker->SetSelectedColor(0x0000FF);
    EXPECT_EQ(picker->ItemIndex(), 9);
    EXPECT_EQ(picker->SelectedColorText(), "Red");
    EXPECT_EQ(selects, QList<int>{9});
    // A colour no item has leaves no item selected, so the face names no other colour.
    picker->SetSelectedColor(0x010203);
    EXPECT_EQ(picker->ItemIndex(), -1);
    EXPECT_EQ(picker->SelectedColorText(), "#030201");
    picker->SetColorSelectionStyle(csColorCube);
    picker->SetItemIndex(9);
    EXPECT_EQ(picker->SelectedColorText(), "#FF0000");
    picker->SetItemIndex(16);
    EXPECT_EQ(picker->ItemIndex(), 9);
    // Appended, not replaced.
    picker->AddDefaultColors();
    EXPECT_EQ(picker->Colors()->Count(), 32);
}

TEST_F(ColorPicker, TheFaceShowsABoxOfTheColourAndItsText) {
    picker->AddDefaultColors();
    picker->SetSelectedColor(0x00FF00);
    form->SetFocus();
    QApplication::processEvents();
    auto grab = [this] { return picker->Widget()->grab().toImage(); };
    QImage img = grab();
    const int midY = picker->Height() / 2;
    EXPECT_EQ(img.pixel(1 + 4 + 7, midY) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFF) << "the colour box";
    EXPECT_EQ(img.pixel(1 + 4, midY) & 0xFFFFFF, 0u) << "its black frame";
    // The caption: dark pixels right of the box, none without the text.
    auto darkPixels = [&](const QImage& im) {
        int n = 0;
        for (int y = 2; y < picker->Height() - 2; ++y)
            for (int x = 24; x < 120; ++x)
                if (qGray(im.pixel(x, y)) < 100) ++n;
        return n;
    };
    EXPECT_GT(darkPixels(img), 5);
    picker->SetShowText(false);
    img = grab();
    EXPECT_EQ(darkPixels(img), 0);
}

TEST_F(ColorPicker, ListKeysMoveAndEnterKeepsWhileEscapeRestoresTheIndex) {
    picker->AddDefaultColors();
    picker->SetItemIndex(2);
    selects.clear();
    // Closed: Up and Down step, Home and End jump.
    struct Case {
        int key, index;
    } closed[] = {
        {Qt::Key_Down, 3}, {Qt::Key_Up, 2}, {Qt::Key_End, 15}, {Qt::Key_Down, 15}, {Qt::Key_Home, 0}};
    for (const Case& k : closed) {
        PressKey(k.key);
        EXPECT_EQ(picker->ItemIndex(), k.index) << k.key;
    }
    EXPECT_FALSE(picker->DroppedDown());

    struct Open {
        const char* name;
        int closeKey;
        int index;
    } open[] = {{"Enter keeps", Qt::Key_Return, 2}, {"Escape restores", Qt::Key_Escape, 0}};
    for (const Open& k : open) {
        SCOPED_TRACE(k.name);
        picker->SetItemIndex(0);
        PressKey(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(picker->DroppedDown());
        ASSERT_NE(picker->ItemSelector(), nullptr);
        EXPECT_EQ(picker->ItemSelector()->Items()->Count(), 16);
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_Down);
        EXPECT_TRUE(picker->DroppedDown()) << "keys keep the popup open";
        EXPECT_EQ(picker->ItemSelector()->ItemIndex(), 2);
        EXPECT_EQ(picker->ItemIndex(), 2);
        PressKey(k.closeKey);
        EXPECT_FALSE(picker->DroppedDown());
        EXPECT_EQ(picker->ItemIndex(), k.index);
        EXPECT_EQ(picker->SelectedColor(), picker->Colors()->Items(k.index)->Color());
    }
    // A typed letter looks the caption up; the search ends with the key timer.
    picker->ShowDropDown();
    PressKey(Qt::Key_W);
    EXPECT_EQ(picker->ItemIndex(), 15);
    EXPECT_TRUE(picker->KeyTimer()->Enabled());
    picker->KeyTimer()->OnTimer(picker->KeyTimer());
    EXPECT_FALSE(picker->KeyTimer()->Enabled());
    PressKey(Qt::Key_N);
    EXPECT_EQ(picker->Colors()->Items(picker->ItemIndex())->Caption(), "Navy");
    // A click on an item chooses it and closes.
    TQvCustomItemSelector* host = picker->ItemSelector();
    TRect r;
    host->SelectorPanel()->GetItemRect(9, r);
    qvtest::ClickAt(host->SelectorPanel()->Widget(),
                    QPointF((r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0));
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->ItemIndex(), 9);
}

TEST_F(ColorPicker, ACubeCellChoosesItsColourAndClosesThePopup) {
    picker->AddDefaultColors();
    picker->SetItemIndex(9);
    picker->SetColorSelectionStyle(csColorCube);
    PressKey(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(picker->DroppedDown());
    TQvColorCubePanel* cube = picker->ColorCube();
    ASSERT_NE(cube, nullptr);
    EXPECT_TRUE(cube->Visible());
    const TPoint c = cube->CellCenter(64);
    selects.clear();
    qvtest::ClickAt(cube->Widget(), QPointF(c.X, c.Y));
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), TColor(0xFFFFFF));
    // White is a named colour: its item is selected, then none.
    EXPECT_EQ(selects, (QList<int>{15, -1}));
    EXPECT_EQ(picker->ItemIndex(), -1);
    // Escape brings back the colour of the opening.
    PressKey(Qt::Key_Down, Qt::AltModifier);
    qvtest::ClickAt(cube->Widget(), QPointF(cube->CellCenter(1).X, cube->CellCenter(1).Y));
    EXPECT_EQ(picker->SelectedColor(), TColor(0x663300));
    PressKey(Qt::Key_Down, Qt::AltModifier);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(picker->SelectedColor(), TColor(0x663300));
}

TEST_F(ColorPicker, ThePaletteTakesTheKeysAndEnterKeepsItsColour) {
    picker->SetColorSelectionStyle(csDiscrete);
    picker->SetSelectedColor(clNone);
    PressKey(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(picker->DroppedDown());
    TCustomColorSelector* palette = picker->ColorSelector();
    ASSERT_NE(palette, nullptr);
    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Right);
    EXPECT_TRUE(picker->DroppedDown());
    const TColor hot = palette->SelectedColor();
    EXPECT_NE(hot, clNone);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), hot);
    EXPECT_EQ(picker->ItemIndex(), -1);
}

TEST_F(ColorPicker, CopyGivesTheColourTextAndAPastedTextChoosesItsColour) {
    picker->AddDefaultColors();
    picker->SetColorValueText(cvtHTML);
    picker->SetSelectedColor(0x0000FF);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->AsText(), "Red");
    Clipboard()->SetAsText("#00FF00");
    PressKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(picker->SelectedColor(), TColor(0x00FF00));
    EXPECT_EQ(picker->ItemIndex(), 10);
    // A text that is no colour changes nothing.
    Clipboard()->SetAsText("greenish");
    PressKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(picker->SelectedColor(), TColor(0x00FF00));
}

} // namespace qvcolorpickertest
