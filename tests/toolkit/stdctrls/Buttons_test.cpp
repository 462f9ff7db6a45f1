// Glyph buttons: where glyph and caption go, and speed buttons clicked by mouse alone and in groups.
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/stdctrls/Buttons.h"

#include "InputEvents.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(ButtonLayout, GlyphAndCaptionArePlacedByLayoutMarginAndSpacing) {
    struct Case {
        TRect Client;
        TPoint Offset;
        TSize Glyph, Text;
        TButtonLayout Layout;
        int Margin, Spacing;
        bool RightToLeft;
        TPoint GlyphPos;
        TRect TextBounds;
    } cases[] = {
        // Margin -1 centres glyph, spacing and text together.
        {{0, 0, 100, 30}, {0, 0}, {16, 16}, {40, 13}, blGlyphLeft, -1, 4, false, {20, 7}, {40, 9, 80, 22}},
        {{0, 0, 100, 30}, {0, 0}, {16, 16}, {40, 13}, blGlyphRight, -1, 4, false, {64, 7}, {20, 9, 60, 22}},
        {{0, 0, 60, 60}, {0, 0}, {16, 16}, {40, 13}, blGlyphTop, -1, 4, false, {22, 14}, {10, 34, 50, 47}},
        {{0, 0, 60, 60}, {0, 0}, {16, 16}, {40, 13}, blGlyphBottom, -1, 4, false, {22, 30}, {10, 13, 50, 26}},
        // Margin and spacing -1: three equal gaps.
        {{0, 0, 100, 30}, {0, 0}, {16, 16}, {40, 13}, blGlyphLeft, -1, -1, false, {14, 7}, {44, 9, 84, 22}},
        // A fixed margin with spacing -1 centres the text in the room the glyph leaves.
        {{0, 0, 100, 30}, {0, 0}, {16, 16}, {40, 13}, blGlyphLeft, 2, -1, false, {2, 7}, {39, 9, 79, 22}},
        // Without a glyph the spacing does not count.
        {{0, 0, 100, 30}, {0, 0}, {0, 0}, {40, 13}, blGlyphLeft, -1, 4, false, {30, 15}, {30, 9, 70, 22}},
        // Right-to-left reading puts a left glyph on the right.
        {{0, 0, 100, 30}, {0, 0}, {16, 16}, {40, 13}, blGlyphLeft, -1, 4, true, {64, 7}, {20, 9, 60, 22}},
        // The client's place and the offset (a pressed face) move both.
        {{2, 2, 102, 32}, {1, 1}, {16, 16}, {40, 13}, blGlyphLeft, -1, 4, false, {23, 10}, {43, 12, 83, 25}},
    };
    for (const Case& c : cases) {
        const TButtonLayoutResult r = CalcButtonLayout(c.Client, c.Offset, c.Glyph, c.Text, c.Layout,
                                                       c.Margin, c.Spacing, c.RightToLeft);
        EXPECT_EQ(r.GlyphPos, c.GlyphPos) << int(c.Layout) << " " << c.Margin << " " << c.Spacing;
        EXPECT_EQ(r.TextBounds, c.TextBounds) << int(c.Layout) << " " << c.Margin << " " << c.Spacing;
    }
}

struct SpeedButtonTest : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 200, 60);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TSpeedButton(form.get());
            b->SetParent(form.get());
            b->SetBounds(i * 30, 0, 25, 25);
            b->SetGroupIndex(1);
            b->SetCaption(QString::number(i));
            b->OnClick = [this, i](TObject*) { clicks.push_back(i); };
            buttons.push_back(b);
        }
        form->Show();
    }
    void Click(TSpeedButton* b) { qvtest::ClickAt(b->Widget(), QPointF(10, 10)); }
    QString Downs() const {
        QString s;
        for (TSpeedButton* b : buttons)
            s += b->Down() ? 'D' : '-';
        return s;
    }
    std::unique_ptr<TForm> form;
    std::vector<TSpeedButton*> buttons;
    std::vector<int> clicks;
};

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDown) {
    Click(buttons[0]);
    EXPECT_EQ(Downs(), "D--");
    Click(buttons[2]);
    EXPECT_EQ(Downs(), "--D");
    EXPECT_EQ(buttons[2]->State(), bsExclusive);
    Click(buttons[2]); // the last one down stays down
    EXPECT_EQ(Downs(), "--D");
    buttons[1]->SetAllowAllUp(true); // told to the whole group
    EXPECT_TRUE(buttons[0]->AllowAllUp());
    Click(buttons[2]);
    EXPECT_EQ(Downs(), "---");
    EXPECT_EQ(clicks, (std::vector<int>{0, 2, 2, 2}));
}

TEST_F(SpeedButtonTest, ReleasingOutsideIsNoClick) {
    TSpeedButton* b = buttons[0];
    QWidget* w = b->Widget();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    EXPECT_EQ(b->State(), bsDown);
    QMouseEvent away(QEvent::MouseMove, QPointF(60, 5), w->mapToGlobal(QPointF(60, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &away);
    EXPECT_EQ(b->State(), bsUp);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(60, 5), w->mapToGlobal(QPointF(60, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(Downs(), "---");
}

TEST_F(SpeedButtonTest, WithoutAGroupAButtonComesBackUp) {
    TSpeedButton* b = buttons[1];
    b->SetGroupIndex(0);
    b->SetDown(true); // only a button of a group can be held down
    EXPECT_FALSE(b->Down());
    Click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(clicks, std::vector<int>{1});
    // Code holds a group's button down and raises the other one.
    buttons[0]->SetDown(true);
    buttons[2]->SetDown(true);
    EXPECT_EQ(Downs(), "--D");
    b->SetEnabled(false);
    Click(b);
    EXPECT_EQ(clicks, std::vector<int>{1});
}

TEST_F(SpeedButtonTest, AFlatButtonShowsItsEdgeOnlyUnderTheMouse) {
    TSpeedButton* b = buttons[1];
    b->SetGroupIndex(0);
    b->SetFlat(true);
    const QColor light = ToQColor(ColorToRGB(clBtnHighlight));
    auto topLeft = [&] { return b->Widget()->grab().toImage().pixelColor(0, 0); };
    EXPECT_NE(topLeft(), light);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->Widget()->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b->Widget(), &enter);
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(topLeft(), light);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b->Widget(), &leave);
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_NE(topLeft(), light);
}
