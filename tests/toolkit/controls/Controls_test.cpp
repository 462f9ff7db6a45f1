// The control model: state without windows, windows made on demand, messages, keys, mouse, modal forms.
#include "TestSupport.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/controls/Timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Box : TCustomControl {
    explicit Box(TComponent* owner, TColor fill = clRed) : TCustomControl(owner), Fill(fill) {}
    void Paint() override {
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(ClientRect());
    }
    void WndProc(TMessage& m) override {
        if (m.Msg >= WM_USER && m.Msg < WM_APP) {
            Received.push_back(m.Msg);
            return;
        }
        TCustomControl::WndProc(m);
    }
    TColor Fill;
    std::vector<UINT> Received;
};

void SendKey(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

void SendClick(QWidget* w, QPoint p) {
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

} // namespace

TEST(Controls, StateLivesWithoutAWindow) {
    TForm form(nullptr);
    auto* box = new Box(&form);
    box->SetParent(&form);
    box->SetBounds(10, 20, 30, 40);
    box->SetCaption("hello");
    box->SetVisible(false);
    EXPECT_EQ(box->Widget(), nullptr);
    EXPECT_FALSE(form.HandleAllocated());
    EXPECT_EQ(box->BoundsRect(), TRect(10, 20, 40, 60));
    EXPECT_EQ(box->Caption(), "hello");

    form.HandleNeeded();
    ASSERT_NE(box->Widget(), nullptr);
    EXPECT_EQ(box->Widget()->geometry(), QRect(10, 20, 30, 40));
    EXPECT_TRUE(box->Widget()->isHidden());
    box->SetLeft(5);
    EXPECT_EQ(box->Widget()->x(), 5);
}

TEST(Controls, ParentFontAndColourFlowDownUntilAChildSetsItsOwn) {
    TForm form(nullptr);
    auto* a = new Box(&form);
    auto* b = new Box(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    b->Font()->SetSize(14);
    EXPECT_FALSE(b->ParentFont());
    form.Font()->SetName("Verdana");
    form.SetColor(clWhite);
    EXPECT_EQ(a->Font()->Name(), "Verdana");
    EXPECT_EQ(a->Color(), clWhite);
    EXPECT_EQ(b->Font()->Name(), "Tahoma");
    EXPECT_EQ(b->Font()->Size(), 14);
}

TEST(Controls, AlignLaysOutTopBottomThenClient) {
    TForm form(nullptr);
    form.SetClientSize(200, 100);
    auto make = [&](TAlign al, int h) {
        auto* c = new Box(&form);
        c->SetParent(&form);
        c->SetHeight(h);
        c->SetAlign(al);
        return c;
    };
    Box* top = make(alTop, 10);
    Box* bottom = make(alBottom, 20);
    Box* client = make(alClient, 5);
    EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 200, 10));
    EXPECT_EQ(bottom->BoundsRect(), TRect(0, 80, 200, 100));
    EXPECT_EQ(client->BoundsRect(), TRect(0, 10, 200, 80));
    top->SetVisible(false);
    EXPECT_EQ(client->BoundsRect(), TRect(0, 0, 200, 80));
    form.SetClientSize(300, 200);
    EXPECT_EQ(client->BoundsRect(), TRect(0, 0, 300, 180));
}

TEST(Controls, PaintGoesThroughTheCanvasWhereBoundsSay) {
    TForm form(nullptr);
    form.SetClientSize(100, 80);
    form.SetColor(clWhite);
    auto* box = new Box(&form, clBlue);
    box->SetParent(&form);
    box->SetBounds(20, 30, 10, 10);
    QImage img = form.Grab();
    ASSERT_EQ(img.size(), QSize(100, 80));
    EXPECT_EQ(img.pixelColor(25, 35), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(19, 35), QColor(255, 255, 255));
    EXPECT_EQ(img.pixelColor(30, 35), QColor(255, 255, 255));
}

// A control painted inside its form (on screen as in a grab) has its own area as the clip: grids cull the
// cells outside it and once drew only the rows above the control's offset in the form.
TEST(Controls, ThePaintClipIsTheControlsOwnAreaWhereverItStands) {
    struct ClipBox : Box {
        using Box::Box;
        void Paint() override {
            Clip = Canvas()->ClipRect();
            Box::Paint();
        }
        TRect Clip;
    };
    TForm form(nullptr);
    form.SetClientSize(100, 80);
    auto* box = new ClipBox(&form, clBlue);
    box->SetParent(&form);
    box->SetBounds(20, 30, 40, 40);
    form.Grab();
    EXPECT_EQ(box->Clip, TRect(0, 0, 40, 40));
}

TEST(Controls, KeysReachHandlersThatMaySwallowThemAndTheFormPreviewsFirst) {
    TForm form(nullptr);
    auto* box = new Box(&form);
    box->SetParent(&form);
    box->SetTabStop(true);
    QStringList log;
    form.SetKeyPreview(true);
    form.OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        log << QString("form down %1").arg(key);
        if (key == VK_F5)
            key = 0;
    };
    box->OnKeyDown = [&](TObject*, Word& key, TShiftState shift) {
        log << QString("box down %1%2").arg(key).arg(shift & ssCtrl ? " ctrl" : "");
    };
    box->OnKeyPress = [&](TObject*, QChar& ch) { log << QString("box press %1").arg(ch); };
    form.Show();
    SendKey(box->Widget(), Qt::Key_A, "a");
    SendKey(box->Widget(), Qt::Key_F5, "");
    SendKey(box->Widget(), Qt::Key_Left, "", Qt::ControlModifier);
    EXPECT_EQ(log.join("; "), "form down 65; box down 65; box press a; form down 116; form down 37; box down 37 ctrl");
    form.Hide();
}

TEST(Controls, MouseDownUpInsideClicksOutsideDoesNot) {
    TForm form(nullptr);
    auto* box = new Box(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 50, 50);
    int clicks = 0;
    QStringList log;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
        log << QString("down %1 %2,%3").arg(b).arg(x).arg(y);
    };
    form.Show();
    SendClick(box->Widget(), QPoint(5, 6));
    EXPECT_EQ(clicks, 1);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box->Widget(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(80, 5), QPointF(80, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(box->Widget(), &release);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(log.join("; "), "down 0 5,6; down 0 5,5");
    form.Hide();
}

TEST(Controls, PostedMessagesArriveLaterAndRegisteredNamesKeepTheirNumber) {
    TForm form(nullptr);
    auto* box = new Box(&form);
    PostMessage(box, WM_USER + 7, 0, 0);
    EXPECT_TRUE(box->Received.empty());
    QApplication::processEvents();
    ASSERT_EQ(box->Received.size(), 1u);
    EXPECT_EQ(box->Received[0], WM_USER + 7u);
    UINT a = RegisterWindowMessage("GridEditDone");
    EXPECT_EQ(RegisterWindowMessage("GridEditDone"), a);
    EXPECT_NE(RegisterWindowMessage("DTPShiftFocus"), a);
    EXPECT_GE(a, 0xC000u);
}

TEST(Controls, ShowModalRunsThroughTheSeamWithShowCloseAndCloseQuery) {
    qvtest::ScriptedInteraction seam;
    TForm form(nullptr);
    QStringList log;
    int refusals = 1;
    form.OnShow = [&](TObject*) { log << "show"; };
    form.OnCloseQuery = [&](TObject*, bool& can) {
        can = refusals-- <= 0;
        log << (can ? "query yes" : "query no");
    };
    form.OnClose = [&](TObject*, TCloseAction&) { log << "close"; };
    seam.AnswerModal([&](TCustomForm* f) {
        EXPECT_TRUE(f->Visible());
        f->SetModalResult(mrOk);
    });
    seam.AnswerModal([&](TCustomForm* f) { f->SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(log.join(", "), "show, query no, query yes, close");
    EXPECT_EQ(seam.Pending(), 0);

    seam.AnswerModal([](TCustomForm*) {});
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Controls, MessageDlgAsksThroughTheSeam) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerMessage(mrYes);
    EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, mbYes | mbNo), mrYes);
    ASSERT_EQ(seam.History().size(), 1u);
    EXPECT_EQ(seam.History()[0].message.Type, mtConfirmation);
    EXPECT_EQ(seam.History()[0].message.Buttons, unsigned(mbYes | mbNo));
    EXPECT_EQ(seam.Messages(), QStringList{"Overwrite?"});
}

TEST(Controls, DialogKeysClickTheDefaultButtonOnly) {
    struct Button : TCustomControl {
        using TCustomControl::TCustomControl;
        bool Default = false;
        void Dispatch(TMessage& m) override {
            if (m.Msg == CM_DIALOGKEY) {
                m.Result = (Default && m.WParam == VK_RETURN) ? (Click(), 1) : 0;
                return;
            }
            TCustomControl::Dispatch(m);
        }
    };
    TForm form(nullptr);
    auto* box = new Box(&form);
    box->SetParent(&form);
    auto* ok = new Button(&form);
    ok->SetParent(&form);
    ok->Default = true;
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    form.Show();
    SendKey(box->Widget(), Qt::Key_Return, "\r");
    SendKey(box->Widget(), Qt::Key_Escape, "\x1b");
    EXPECT_EQ(clicks, 1);
    form.Hide();
}

TEST(Timer, EnablingAgainKeepsTheIntervalRunningAndReEnablingRestartsIt) {
    TTimer timer(nullptr);
    timer.SetInterval(60000);
    EXPECT_TRUE(timer.IsRunning());
    QThread::msleep(30);
    timer.SetEnabled(true); // no change
    EXPECT_LE(timer.RemainingTime(), 59975);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.IsRunning());
    timer.SetEnabled(true);
    EXPECT_GT(timer.RemainingTime(), 59975);
    int fired = 0;
    timer.OnTimer = [&](TObject*) { ++fired; };
    timer.SetInterval(5);
    QElapsedTimer clock;
    clock.start();
    while (!fired && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(fired, 1);
}

TEST(Controls, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    qvtest::ScriptedInteraction seam;
    TForm form(nullptr);
    auto* box = new Box(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 50, 50);
    box->OnClick = [](TObject*) { throw Exception("The file could not be read"); };
    form.Show();
    seam.AnswerMessage(mrOk);
    SendClick(box->Widget(), QPoint(5, 5));
    ASSERT_EQ(seam.Messages(), QStringList{"The file could not be read"});
    EXPECT_EQ(seam.History()[0].message.Type, mtError);
    form.Hide();
}

TEST(Controls, AModalFormBlocksTheOthersAndIsHiddenEvenWhenItsWorkFails) {
    qvtest::ScriptedInteraction seam;
    TForm owner(nullptr);
    owner.Show();
    TForm dialog(nullptr);
    seam.AnswerModal([&](TCustomForm* f) {
        EXPECT_EQ(QApplication::activeModalWidget(), f->Widget());
        f->SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    seam.AnswerModal([](TCustomForm*) { throw Exception("failed"); });
    EXPECT_THROW(dialog.ShowModal(), Exception);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.IsModal());
    seam.AnswerModal([](TCustomForm* f) { f->SetModalResult(mrCancel); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel); // usable again
    owner.Hide();
}

TEST(Controls, AnActiveControlThatLeavesTheFormIsNoLongerItsActiveControl) {
    enum How { DeleteEdit, DeletePanel, UnparentPanel };
    for (How how : {DeleteEdit, DeletePanel, UnparentPanel}) {
        SCOPED_TRACE(how);
        TForm form(nullptr);
        auto* panel = new TPanel(&form);
        panel->SetParent(&form);
        auto* edit = new TEdit(&form);
        edit->SetParent(panel);
        auto* other = new TButton(&form);
        other->SetParent(&form);
        bool otherEntered = false;
        other->OnEnter = [&](TObject*) { otherEntered = true; };
        form.SetActiveControl(edit);
        ASSERT_EQ(form.ActiveControl(), edit);
        if (how == DeleteEdit)
            delete edit;
        else if (how == DeletePanel)
            delete panel;
        else
            panel->SetParent(nullptr);
        EXPECT_EQ(form.ActiveControl(), nullptr);
        // Both look at the active control: neither may touch the one that went.
        EXPECT_FALSE(form.DialogKey(VK_RETURN));
        form.SetActiveControl(other);
        EXPECT_TRUE(otherEntered);
        if (how == UnparentPanel) panel->SetParent(&form);
    }
}

TEST(Controls, APaintThatThrowsLeavesNoPainterOnTheCanvas) {
    struct Failing : TCustomControl {
        using TCustomControl::TCustomControl;
        void Paint() override { throw Exception("cannot draw"); }
    };
    qvtest::ScriptedInteraction seam;
    TForm form(nullptr);
    auto* box = new Failing(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 20, 20);
    auto* grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 30, 100, 60);
    grid->OnDrawCell = [](TObject*, int, int, const TRect&, TGridDrawState) {
        throw Exception("cannot draw");
    };
    seam.AnswerMessage(mrOk);
    seam.AnswerMessage(mrOk);
    form.Grab();
    // The error is shown once for each control, and neither canvas keeps the painter of that paint.
    EXPECT_EQ(seam.Messages(), QStringList({"cannot draw", "cannot draw"}));
    EXPECT_FALSE(box->Canvas()->HandleAllocated());
    EXPECT_FALSE(grid->Canvas()->HandleAllocated());
}

TEST(Controls, ErrorsFromHandlersReachedThroughQtSignalsAreShownToo) {
    qvtest::ScriptedInteraction seam;
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetBounds(0, 0, 80, 24);
    button->OnClick = [](TObject*) { throw Exception("button failed"); };
    TTimer timer(nullptr);
    timer.SetInterval(1);
    bool fired = false;
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        fired = true;
        throw Exception("timer failed");
    };
    form.Show();
    seam.AnswerMessage(mrOk);
    seam.AnswerMessage(mrOk);
    SendClick(button->Widget(), QPoint(10, 10));
    QElapsedTimer clock;
    clock.start();
    while (!fired && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(seam.Messages(), (QStringList{"button failed", "timer failed"}));
    form.Hide();
}

TEST(Controls, TabFollowsTheTabOrderOfParentsThenChildrenAndSkipsWhatCannotTakeTheFocus) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto edit = [](TWinControl* parent, const char* name, int top) {
        auto* e = new TEdit(parent->Owner() ? parent->Owner() : parent);
        e->SetName(name);
        e->SetParent(parent);
        e->SetBounds(5, top, 80, 20);
        return e;
    };
    auto* a = new TPanel(&form);
    a->SetName("A");
    a->SetParent(&form);
    a->SetBounds(0, 0, 200, 100);
    auto* b = new TPanel(&form);
    b->SetName("B");
    b->SetParent(&form);
    b->SetBounds(200, 0, 200, 100);
    edit(a, "a1", 5);
    edit(a, "a2", 30)->SetTabOrder(0);
    edit(b, "b1", 5);
    edit(b, "b2", 30)->SetEnabled(false);
    edit(b, "b3", 55)->SetVisible(false);
    edit(b, "b4", 80);
    auto* ok = new TButton(&form);
    ok->SetName("ok");
    ok->SetParent(&form);
    ok->SetBounds(10, 200, 75, 25);
    form.Show();
    // Changed while the windows exist, as a window that lays itself out per model does.
    b->SetTabOrder(0);
    auto walk = [&](int key, Qt::KeyboardModifiers mods) {
        QStringList seen;
        for (int i = 0; i < 6; ++i) {
            TWinControl* c = form.ActiveControl();
            if (!c) break;
            seen << c->Name();
            EXPECT_EQ(form.Widget()->focusWidget(), c->Widget()) << c->Name().toStdString();
            if (i < 5)
                SendKey(c->Widget(), key, key == Qt::Key_Tab || key == Qt::Key_Backtab ? "\t" : "", mods);
        }
        return seen;
    };
    EXPECT_EQ(form.ActiveControl()->Name(), "a2"); // the first in tab order when the window was shown
    static_cast<TWinControl*>(form.FindComponent("b1"))->SetFocus();
    EXPECT_EQ(walk(Qt::Key_Tab, Qt::NoModifier), (QStringList{"b1", "b4", "a2", "a1", "ok", "b1"}));
    EXPECT_EQ(walk(Qt::Key_Backtab, Qt::ShiftModifier), (QStringList{"b1", "ok", "a1", "a2", "b4", "b1"}));
    // A move Qt's own widget makes (a push button's right arrow) takes the same road.
    ok->SetFocus();
    SendKey(ok->Widget(), Qt::Key_Right, "");
    EXPECT_EQ(form.ActiveControl(), form.FindComponent("b1"));
}
