// Forms, the application object and the screen.
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/graphics/FontSystemWarmUp.h"
#include "toolkit/system/ScopedValue.h"
#include "toolkit/system/SysUtils.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QScreen>
#include <QWidget>

TApplication* Application = nullptr;
static TScreen gScreen;
TScreen* Screen = &gScreen;

namespace {
// Size of the platform's frame around a form's client area (the designs were laid out against it).
constexpr int kFrameX = 16;
constexpr int kFrameY = 39;

class FormWidget : public qvdetail::NativeWidget {
public:
    FormWidget(QWidget* parent, TCustomForm* form) : NativeWidget(parent), FForm(form) {}

protected:
    // Every focus move Qt makes on its own (a widget's Tab, a button's arrow keys) ends here, since the
    // children's widgets hand it up to the window: the form's tab order decides it, not widget creation
    // order.
    bool focusNextPrevChild(bool next) override {
        // Widgets leaving a form that is being freed do not move the focus among controls half gone.
        if (FForm->IsDestroying()) return NativeWidget::focusNextPrevChild(next);
        FForm->SelectNextByTab(nullptr, next);
        return true;
    }

private:
    TCustomForm* FForm;
};
} // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle |= csAcceptsControls;
    SetVisible(false);
    SetBounds(0, 0, 320 + kFrameX, 240 + kFrameY);
}

TCustomForm::~TCustomForm() {
    SetDestroying();
    if (OnDestroy) OnDestroy(this);
    DestroyComponents();
}

void TCustomForm::AfterConstruction() {
    if (FCreated) return;
    FCreated = true;
    DoCreate();
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

int TCustomForm::FrameWidth() const {
    return FBorderStyle == bsNone ? 0 : kFrameX;
}
int TCustomForm::FrameHeight() const {
    return FBorderStyle == bsNone ? 0 : kFrameY;
}

void TCustomForm::SetClientSize(int w, int h) {
    SetBounds(Left(), Top(), w + FrameWidth(), h + FrameHeight());
}

TPoint TCustomForm::ClientOrigin() const {
    if (FWidget) return TPoint::fromQPoint(FWidget->mapToGlobal(QPoint(0, 0)));
    return TPoint(Left() + FrameWidth() / 2, Top() + FrameHeight() - FrameWidth() / 2);
}

bool TCustomForm::Showing() const {
    return Visible() && FWidget && FWidget->isVisible();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
    int cw = ClientWidth(), ch = ClientHeight();
    FBorderStyle = v;
    SetClientSize(cw, ch);
    ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
    FBorderIcons = v;
    ApplyWindowFlags();
}

QWidget* TCustomForm::CreateNativeWidget(QWidget*) {
    // Other forms stay above the main form, as windows owned by it.
    QWidget* owner = nullptr;
    if (Application && Application->MainForm() && Application->MainForm() != this)
        owner = Application->MainForm()->Widget();
    auto* w = new FormWidget(owner, this);
    w->setWindowFlag(Qt::Window, true);
    return w;
}

void TCustomForm::ApplyWindowFlags() {
    if (!FWidget) return;
    bool wasVisible = FWidget->isVisible();
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (FBorderStyle == bsNone)
        flags |= Qt::FramelessWindowHint;
    else {
        flags |= Qt::WindowTitleHint;
        if (FBorderIcons & biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (FBorderStyle != bsDialog && (FBorderIcons & biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
        if (FBorderStyle == bsSizeable && (FBorderIcons & biMaximize)) flags |= Qt::WindowMaximizeButtonHint;
        // A window owned by the main window is its dialog: window managers keep it with its owner (it is
        // not minimised away on its own while the owner waits for it) and offer it no maximise or minimise
        // where its hints say so.
        if (FBorderStyle == bsDialog || FWidget->parentWidget()) flags |= Qt::Dialog;
        if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) flags |= Qt::Tool;
    }
    if (FFormStyle == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    FWidget->setWindowFlags(flags);
    if (wasVisible) FWidget->show();
}

namespace {
bool NotNormalState(const QWidget* w) {
    return w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen);
}
} // namespace

void TCustomForm::SyncGeometry() {
    if (!FWidget || FTakingGeometry) return;
    int cw = std::max(0, ClientWidth()), ch = std::max(0, ClientHeight());
    if (!NotNormalState(FWidget)) FNormalBounds = BoundsRect();
    if (!Sizeable())
        FWidget->setFixedSize(cw, ch);
    else {
        FWidget->setMinimumSize(0, 0);
        FWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        FWidget->resize(cw, ch);
    }
    FWidget->move(Left(), Top());
}

void TCustomForm::TakeNativeGeometry() {
    const QPoint at = FWidget->pos();
    const QSize size = FWidget->size();
    {
        const ScopedValue<bool> taking(FTakingGeometry, true);
        TControl::SetBounds(at.x(), at.y(), size.width() + FrameWidth(), size.height() + FrameHeight());
    }
    if (!NotNormalState(FWidget)) FNormalBounds = BoundsRect();
}

void TCustomForm::RestoreNormalState() {
    FWindowState = wsNormal;
    if (!FWidget || !NotNormalState(FWidget)) return;
    FWidget->setWindowState(Qt::WindowNoState);
    if (!FNormalBounds.IsEmpty()) SetBoundsRect(FNormalBounds);
}

void TCustomForm::KeepOnScreen() {
    const TRect area = Screen->WorkAreaRect();
    // A window that can be sized is made to fit the height, so that its buttons along the bottom stay
    // reachable; one wider than the screen keeps its left part, where the buttons start, in sight.
    const int h = Sizeable() ? std::min(Height(), area.Height()) : Height();
    // The title bar always lands on the work area, where the window can be taken and moved.
    const int left = std::clamp(Left(), area.Left, std::max(area.Left, area.Right - Width()));
    const int top = std::clamp(Top(), area.Top, std::max(area.Top, area.Bottom - h));
    SetBounds(left, top, Width(), h);
}

void TCustomForm::SyncWidget() {
    if (!FWidget) return;
    ApplyWindowFlags();
    FWidget->setWindowTitle(Caption());
    bool visible = Visible();
    TWinControl::SyncWidget();
    // A form's window appears only through Show or ShowModal.
    if (!visible || !FPlaced) FWidget->setVisible(false);
}

void TCustomForm::PlaceOnScreen() {
    FPlaced = true;
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter || FPosition == poMainFormCenter ||
        FPosition == poOwnerFormCenter) {
        TRect area = Screen->WorkAreaRect();
        TCustomForm* centreOn = nullptr;
        if ((FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) && Application &&
            Application->MainForm() && Application->MainForm() != this && Application->MainForm()->Visible())
            centreOn = Application->MainForm();
        if (centreOn) area = centreOn->BoundsRect();
        SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
                  Width(), Height());
    }
}

void TCustomForm::SetVisible(bool v) {
    if (v == Visible()) {
        if (v && FWidget && !FWidget->isVisible()) FWidget->show();
        return;
    }
    if (v) {
        TWinControl::SetVisible(true);
        HandleNeeded();
        RestoreNormalState();
        PlaceOnScreen();
        KeepOnScreen();
        SyncGeometry();
        DoShow();
        FWidget->setWindowTitle(Caption());
        FWidget->show();
        // The control OnShow (or the code that showed the window) chose, else the first one in tab order.
        TWinControl* target = FActiveControl && FActiveControl->CanFocus() ? FActiveControl : FirstTabStop();
        if (target) {
            FocusChanged(target);
            if (target->Handle()) target->Widget()->setFocus(Qt::TabFocusReason);
        }
    } else {
        if (FWidget && FWidget->isVisible()) DoHide();
        TWinControl::SetVisible(false);
        // A window shown again starts at its first field, not at the button that closed it.
        FActiveControl = nullptr;
    }
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

int TCustomForm::ShowModal() {
    if (Visible() || FModal) throw Exception("Cannot make a visible window modal");
    // Qt takes the modality into account only when the window is shown after it is set.
    HandleNeeded();
    FWidget->setWindowModality(Qt::ApplicationModal);
    FModal = true;
    FModalResult = mrNone;
    struct Reset {
        TCustomForm* f;
        // Destroyed after the body below, once this window is hidden.
        qvdetail::GiveBackActivation giveBack{f->FWidget};
        ~Reset() {
            f->FModal = false;
            if (f->Visible()) f->Hide();
            if (f->FWidget) f->FWidget->setWindowModality(Qt::NonModal);
        }
    } reset{this};
    Show();
    if (FWidget) {
        FWidget->raise();
        FWidget->activateWindow();
    }
    for (;;) {
        GetInteraction()->RunModal(this);
        if (FModalResult == mrNone) FModalResult = mrCancel;
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action != caNone) break;
        FModalResult = mrNone;
    }
    return FModalResult;
}

void TCustomForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = (Application && Application->MainForm() == this) ? caFree : caHide;
    DoClose(action);
    if (action == caNone) return;
    Hide();
    if (Application && Application->MainForm() == this) Application->Terminate();
}

void TCustomForm::SetActiveControl(TWinControl* c) {
    if (c && !ContainsControl(c)) return;
    FocusChanged(c);
    // A focus moved by Tab says so, as the platform's dialog manager does: the styles then draw the focus
    // frame of check boxes, lists and combos, and an edit has its text selected, so typing replaces it.
    const Qt::FocusReason reason = FTabDirection > 0   ? Qt::TabFocusReason
                                   : FTabDirection < 0 ? Qt::BacktabFocusReason
                                                       : Qt::OtherFocusReason;
    if (c && Showing() && c->CanFocus() && c->Handle()) c->Widget()->setFocus(reason);
}

void TCustomForm::SelectNextByTab(TWinControl* from, bool goForward) {
    TWinControl* current = FActiveControl && ContainsControl(FActiveControl) ? FActiveControl : from;
    struct Direction {
        int& d;
        ~Direction() { d = 0; }
    } direction{FTabDirection};
    FTabDirection = goForward ? 1 : -1;
    SelectNext(current == this ? nullptr : current, goForward, true);
}

void TCustomForm::TextChanged() {
    // The title bar follows the caption at once (a language change while the window is open).
    if (FWidget) FWidget->setWindowTitle(Caption());
    TWinControl::TextChanged();
}

void TCustomForm::FocusChanged(TWinControl* c) {
    if (c == FActiveControl) return;
    TWinControl* old = FActiveControl;
    FActiveControl = c;
    // A field reached by Tab below the visible part of a scrolled area comes into sight.
    if (c)
        for (TWinControl* p = c->Parent(); p; p = p->Parent())
            p->AutoScrollInView(c);
    // Focus moving between a control and its own child (a grid and its in-place editor) neither leaves
    // nor enters the outer control: it keeps the focus chain the whole time.
    auto contains = [](TWinControl* outer, TWinControl* inner) {
        for (TWinControl* p = inner; p; p = p->Parent())
            if (p == outer) return true;
        return false;
    };
    if (old && !(c && contains(old, c))) old->Perform(CM_EXIT);
    if (c && !(old && contains(c, old))) c->Perform(CM_ENTER);
}

namespace {
// Offers a dialog key or character to the shown and enabled controls, depth first, until one answers
// non-zero (a default or cancel button, a control whose accelerator it is, clicks itself).
bool OfferToControls(TWinControl* parent, UINT msg, Word key) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->Perform(msg, key)) return true;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && OfferToControls(w, msg, key)) return true;
    }
    return false;
}
} // namespace

bool TCustomForm::DialogKey(Word key) {
    if (key != VK_RETURN && key != VK_ESCAPE) return false;
    return OfferToControls(this, CM_DIALOGKEY, key);
}

bool TCustomForm::DialogChar(Word CharCode) {
    return OfferToControls(this, CM_DIALOGCHAR, CharCode);
}

bool IsAccel(Word CharCode, const String& Caption) {
    // The character after a single '&' ("&&" is an ampersand of the text).
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption.at(i) != QLatin1Char('&')) continue;
        if (Caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return Caption.at(i + 1).toUpper() == QChar(char16_t(CharCode)).toUpper();
    }
    return false;
}

void TCustomForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_PAINT:
        TWinControl::Dispatch(m);
        if (OnPaint) OnPaint(this);
        return;
    default:
        TWinControl::Dispatch(m);
    }
}

bool TCustomForm::HandleQtEvent(QWidget* w, QEvent* e) {
    if (w == FWidget.data()) {
        switch (e->type()) {
        case QEvent::Close:
            e->ignore();
            Perform(WM_CLOSE);
            return true;
        case QEvent::Resize:
        case QEvent::Move:
            // The window system's place and size are taken as they are: pushing the form's old place back
            // would move a maximised window down and its buttons off the screen.
            TakeNativeGeometry();
            return false;
        case QEvent::WindowStateChange:
            FWindowState = FWidget->isMinimized()   ? wsMinimized
                           : FWidget->isMaximized() ? wsMaximized
                                                    : wsNormal;
            return false;
        case QEvent::WindowActivate:
            if (OnActivate) OnActivate(this);
            return false;
        case QEvent::WindowDeactivate:
            if (OnDeactivate) OnDeactivate(this);
            return false;
        default:
            break;
        }
    }
    return TWinControl::HandleQtEvent(w, e);
}

QImage TCustomForm::Grab() {
    HandleNeeded();
    SyncGeometry();
    return FWidget->grab().toImage();
}

// ---------------------------------------------------------------------------------------------------------

namespace {
// An error that escapes an event handler is shown to the user, as the platform's application object does,
// instead of ending the program with everything the user had not saved.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            if (Application) Application->HandleException(e);
            return false;
        }
    }
};
} // namespace

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr) {
    if (!QApplication::instance()) {
        // The font system's set-up (a large part of the start) runs while Qt connects to the display; it
        // is over before any window measures its first text.
        FontSystemWarmUp fonts;
        FOwnedApp = std::make_unique<GuardedApplication>(argc, argv);
    }
    Application = this;
}

void TApplication::HandleException(const std::exception& e) {
    if (FHandlingException) return;
    FHandlingException = true;
    auto* ours = dynamic_cast<const Exception*>(&e);
    String text = ours ? ours->Message() : String::fromLocal8Bit(e.what());
    try {
        MessageDlg(text, mtError, mbOK);
    } catch (...) {
    }
    FHandlingException = false;
}

TApplication::~TApplication() {
    SetDestroying();
    // Windows go newest first, the main form last, while the Qt application still exists.
    DestroyComponents();
    if (Application == this) Application = nullptr;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) {
        std::erase(FForms, component);
        if (component == FMainForm) FMainForm = nullptr;
    }
}

void TApplication::Run() {
    if (!FMainForm) return;
    FMainForm->Show();
    // The program's first window takes the keyboard, as a newly started program's window does.
    if (FMainForm->Widget()) FMainForm->Widget()->activateWindow();
    while (!FTerminated && FMainForm && FMainForm->Visible())
        HandleMessage();
}

void TApplication::Terminate() {
    FTerminated = true;
    // The loop may be waiting for the next event; wake it so the program ends now.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void TApplication::CancelHint() {
    ::CancelHint();
}

void TApplication::ProcessMessages() {
    QApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage() {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

String TApplication::ExeName() const {
    return ::ExeName();
}

int TApplication::MessageBox(const String& Text, const String& Caption, unsigned Flags) {
    TMessageRequest r;
    r.Text = Text;
    r.Caption = Caption.isEmpty() ? FTitle : Caption;
    r.FromMessageBoxFlags(Flags);
    return GetInteraction()->MessageBox(r);
}

// ---------------------------------------------------------------------------------------------------------

void TScreen::SetCursor(TCursor v) {
    if (v == FCursor) return;
    if (FCursor != crDefault) QApplication::restoreOverrideCursor();
    FCursor = v;
    if (v != crDefault) QApplication::setOverrideCursor(qvdetail::ToQtCursor(v));
}

TCustomForm* TScreen::ActiveForm() const {
    QWidget* w = QApplication::activeWindow();
    return w ? dynamic_cast<TCustomForm*>(FindControl(w)) : nullptr;
}

TWinControl* TScreen::ActiveControl() const {
    QWidget* w = QApplication::focusWidget();
    return w ? dynamic_cast<TWinControl*>(FindControl(w)) : nullptr;
}

QStringList TScreen::Fonts() const {
    return QFontDatabase::families();
}
