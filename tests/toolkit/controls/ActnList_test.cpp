// Actions and their links: a control carries out its action when clicked, follows the action's values while
// they are still the action's, lets go of an action that is freed, and is asked for updates once idle.
#include "toolkit/controls/ActnList.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/Buttons.h"

#include "InputEvents.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

struct ActionTest : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 200, 60);
        for (int i = 0; i < 2; ++i) {
            auto* b = new TSpeedButton(form.get());
            b->SetParent(form.get());
            b->SetBounds(i * 40, 0, 35, 25);
            buttons.push_back(b);
        }
        action = new TAction(form.get());
        action->SetCaption("&Go");
        action->SetHint("Goes");
        action->OnExecute = [this](TObject*) { ++executed; };
        form->Show();
    }
    void Click(TControl* b) { qvtest::ClickAt(b->Widget(), QPointF(5, 5)); }

    std::unique_ptr<TForm> form;
    std::vector<TSpeedButton*> buttons;
    TAction* action = nullptr;
    int executed = 0;
};

} // namespace

TEST_F(ActionTest, AClickCarriesOutTheActionUnlessItIsDisabledOrTheControlHasItsOwnHandler) {
    TSpeedButton* b = buttons[0];
    b->SetAction(action);
    EXPECT_EQ(b->Caption(), "&Go");
    EXPECT_EQ(b->Hint(), "Goes");
    Click(b);
    EXPECT_EQ(executed, 1);

    action->SetEnabled(false);
    EXPECT_FALSE(b->Enabled());
    b->SetEnabled(true); // the control's own value: the disabled action still refuses to run
    Click(b);
    EXPECT_EQ(executed, 1);

    action->SetEnabled(true);
    int own = 0;
    b->OnClick = [&](TObject*) { ++own; };
    Click(b);
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 1);
}

TEST_F(ActionTest, AControlFollowsOnlyTheValuesItStillSharesWithItsAction) {
    for (TSpeedButton* b : buttons)
        b->SetAction(action);
    buttons[1]->SetCaption("Mine");
    action->SetCaption("&Run");
    action->SetHint("Runs");
    EXPECT_EQ(buttons[0]->Caption(), "&Run");
    EXPECT_EQ(buttons[1]->Caption(), "Mine");
    EXPECT_EQ(buttons[1]->Hint(), "Runs");
    // Taking the action away keeps what the control shows.
    buttons[0]->SetAction(nullptr);
    action->SetCaption("&Stop");
    EXPECT_EQ(buttons[0]->Caption(), "&Run");
    EXPECT_EQ(buttons[0]->Action(), nullptr);
}

TEST_F(ActionTest, AFreedActionLeavesItsControlsWithoutOne) {
    for (TSpeedButton* b : buttons)
        b->SetAction(action);
    delete action;
    for (TSpeedButton* b : buttons) {
        EXPECT_EQ(b->Action(), nullptr);
        Click(b); // nothing left to run, nothing to crash on
    }
    EXPECT_EQ(executed, 0);
}

TEST_F(ActionTest, InputLetsTheShownControlsAskTheirActionsOnceIdle) {
    int updates = 0;
    action->OnUpdate = [&](TObject*) { ++updates; };
    buttons[0]->SetAction(action);
    QApplication::processEvents();
    const int before = updates;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(form->Widget(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(form->Widget(), &release);
    QApplication::processEvents();
    EXPECT_EQ(updates, before + 1); // two events, one idle update
    // A hidden control's action is not asked.
    buttons[0]->SetVisible(false);
    QApplication::sendEvent(form->Widget(), &press);
    QApplication::processEvents();
    EXPECT_EQ(updates, before + 1);
}

TEST_F(ActionTest, AltWithTheAcceleratorClicksTheButtonWhoseCaptionHasIt) {
    buttons[0]->SetAction(action);
    buttons[1]->SetCaption("&&Amp");
    int amp = 0;
    buttons[1]->OnClick = [&](TObject*) { ++amp; };
    form->SetFocus();
    struct Case {
        int Key;
        const char* Text;
        int Executed, Amp;
    } cases[] = {
        {Qt::Key_G, "g", 1, 0}, // "&Go"
        {Qt::Key_A, "a", 1, 0}, // "&&Amp" has no accelerator
        {Qt::Key_O, "o", 1, 0},
    };
    for (const Case& c : cases) {
        QKeyEvent press(QEvent::KeyPress, c.Key, Qt::AltModifier, c.Text);
        QApplication::sendEvent(form->Widget(), &press);
        EXPECT_EQ(executed, c.Executed) << c.Text;
        EXPECT_EQ(amp, c.Amp) << c.Text;
    }
    buttons[0]->SetEnabled(false);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_G, Qt::AltModifier, "g");
    QApplication::sendEvent(form->Widget(), &press);
    EXPECT_EQ(executed, 1);
}
