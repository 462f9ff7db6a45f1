// The popup's header and footer bars: button rows, the footer buttons' modal results clicked with the
// mouse, the grip, and the popup's gradient and frame probed on a grab.
#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Bars.h"
#include "toolkit/controls/Forms.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {
QRgb Rgb(TColor c) {
    const TColor v = ColorToRGB(c);
    return qRgb(GetRValue(v), GetGValue(v), GetBValue(v));
}
} // namespace

class DropDownBars : public ::testing::Test {
protected:
    void SetUp() override {
        SetDropDownTickSource([this] { return now; });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        edit = new TQvCustomDropDown(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(20, 20, 200, 21);
        edit->SetDropDownWidth(200);
        edit->SetDropDownHeight(120);
        form->Show();
        edit->SetFocus();
        QApplication::processEvents();
        edit->SetText("start");
    }
    void TearDown() override {
        if (edit->DroppedDown()) edit->HideDropDown(true);
        form.reset();
        SetDropDownTickSource(nullptr);
    }
    void Open() {
        edit->ShowDropDown();
        ASSERT_TRUE(edit->DroppedDown());
        QApplication::processEvents();
    }
    TQvButton* Button(TQvDropDownBar* bar, int i) {
        return static_cast<TQvButton*>(bar->ButtonList().ItemsEx(i));
    }

    DWORD now = 100000;
    std::unique_ptr<TForm> form;
    TQvCustomDropDown* edit = nullptr;
};

TEST_F(DropDownBars, RightAlignedButtonsRunLeftwardsFromTheInnerEdgeAndKeepInsideTheBar) {
    THeaderAppearance* header = edit->DropDownHeader();
    header->SetVisible(true);
    header->SetHeight(22);
    for (const char* caption : {"One", "Two", "Three"})
        header->Buttons()->Add()->SetCaption(caption);
    header->Buttons()->Items(1)->SetHeight(50);
    Open();
    TQvHeader* bar = edit->DropDownForm()->Header();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->ButtonList().Count(), 3);
    const TRect inner = bar->InnerArea();
    EXPECT_EQ(Button(bar, 0)->Left() + Button(bar, 0)->Width(), inner.Right);
    EXPECT_EQ(Button(bar, 1)->Left() + Button(bar, 1)->Width(), Button(bar, 0)->Left());
    EXPECT_EQ(Button(bar, 2)->Left() + Button(bar, 2)->Width(), Button(bar, 1)->Left());
    // Taller than the bar's inner area: cut to it.
    EXPECT_EQ(Button(bar, 1)->Height(), inner.Height());
}

TEST_F(DropDownBars, FooterButtonsCloseByTheirModalResultAndThenReportTheClick) {
    TFooterAppearance* footer = edit->DropDownFooter();
    footer->SetVisible(true);
    struct Case {
        TModalResult result;
        bool closes;
        bool cancelled;
    } cases[] = {{mrOk, true, false},  {mrCancel, true, true},  {mrNo, true, true},
                 {mrYes, true, false}, {mrRetry, false, false}, {mrNone, false, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(int(k.result));
        footer->Buttons()->Clear();
        footer->Buttons()->Add()->SetCaption("Go");
        footer->Buttons()->Items(0)->SetModalResult(k.result);
        edit->SetText("start");
        Open();
        QTest::keyClicks(QApplication::activePopupWidget(), "ab");
        ASSERT_EQ(edit->Text(), "startab");
        int clicked = -1;
        bool wasOpenAtClick = false;
        edit->OnDropDownFooterButtonClick = [&](TObject*, int index) {
            clicked = index;
            wasOpenAtClick = edit->DroppedDown();
        };
        TQvButton* b = Button(edit->DropDownForm()->Footer(), 0);
        qvtest::ClickAt(b->Widget(), QPointF(b->Width() / 2, b->Height() / 2));
        EXPECT_EQ(clicked, 0);
        EXPECT_EQ(edit->DroppedDown(), !k.closes);
        EXPECT_EQ(wasOpenAtClick, !k.closes);
        EXPECT_EQ(edit->Text(), k.cancelled ? "start" : "startab");
        if (edit->DroppedDown()) edit->HideDropDown(false);
        now += 1000;
    }
}

TEST_F(DropDownBars, TheGripNeedsASizeablePopup) {
    TFooterAppearance* footer = edit->DropDownFooter();
    footer->SetVisible(true);
    footer->SetSizeGrip(true);
    footer->Buttons()->Add()->SetCaption("Go");
    for (bool sizeable : {true, false}) {
        SCOPED_TRACE(sizeable);
        edit->SetDropDownSizeable(sizeable);
        Open();
        TQvFooter* bar = edit->DropDownForm()->Footer();
        EXPECT_EQ(bar->GripShown(), sizeable);
        EXPECT_EQ(bar->ClientWidth() - bar->InnerArea().Right, sizeable ? 14 : 2);
        EXPECT_EQ(Button(bar, 0)->Left() + Button(bar, 0)->Width(), bar->InnerArea().Right);
        // A press in the corner sizes the popup only with the grip.
        QWidget* w = bar->Widget();
        const QPoint corner(bar->Width() - 3, bar->Height() - 3);
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, corner);
        EXPECT_EQ(edit->DropDownForm()->Sizing(), sizeable);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, corner);
        edit->HideDropDown(false);
        now += 1000;
    }
}

TEST_F(DropDownBars, ThePopupPaintsItsGradientBetweenItsColoursInsideItsFrame) {
    edit->SetComponentStyle(tsCustom);
    edit->SetDropDownColor(RGB(255, 0, 0));
    edit->SetDropDownColorTo(RGB(0, 0, 255));
    edit->SetDropDownGradient(gdHorizontal);
    edit->SetDropDownBorderColor(RGB(0, 128, 0));
    edit->SetDropDownBorderWidth(1);
    Open();
    const QImage shot = edit->DropDownForm()->Grab();
    ASSERT_EQ(shot.width(), 200);
    const int mid = shot.height() / 2;
    EXPECT_EQ(shot.pixel(0, mid) & 0xFFFFFF, Rgb(RGB(0, 128, 0)) & 0xFFFFFF);
    EXPECT_EQ(shot.pixel(100, 0) & 0xFFFFFF, Rgb(RGB(0, 128, 0)) & 0xFFFFFF);
    EXPECT_EQ(shot.pixel(2, mid) & 0xFFFFFF, Rgb(RGB(255, 0, 0)) & 0xFFFFFF);
    const QRgb right = shot.pixel(shot.width() - 3, mid);
    EXPECT_LT(qRed(right), 20);
    EXPECT_GT(qBlue(right), 230);
}
