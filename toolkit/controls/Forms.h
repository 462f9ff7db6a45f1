// Forms, the application object that creates them and runs the message loop, and the screen.
#pragma once

#include "toolkit/controls/Controls.h"

#include <optional>
#include <vector>

class QApplication;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    String ClassName() const override { return "TCustomForm"; }

    // Runs the creation event; called once the window is fully built (by TApplication::CreateForm).
    virtual void AfterConstruction();

    int ClientWidth() const override { return Width() - FrameWidth(); }
    int ClientHeight() const override { return Height() - FrameHeight(); }
    void SetClientSize(int w, int h) override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons v);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition v) { FPosition = v; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool v) { FScaled = v; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle v) { FFormStyle = v; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState v) { FWindowState = v; }
    // True when the form may be sized: by its border, and so by maximising.
    bool Sizeable() const { return FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin; }

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v) { FModalResult = v; }
    bool IsModal() const { return FModal; }
    // Shows the form modally through the interaction seam; the answer is the modal result.
    virtual int ShowModal();
    void Close();
    virtual bool CloseQuery();
    void Release() { Hide(); }
    void SetVisible(bool v) override;

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* c);
    // Enter and Escape go to the default and cancel buttons; true when one took the key.
    virtual bool DialogKey(Word key);
    // A character typed with Alt goes to the control whose accelerator it is; true when one took it.
    bool DialogChar(Word CharCode);
    void FocusChanged(TWinControl* c);
    // Tab and Shift+Tab from `from` (the control that had the key, used when no control is active yet):
    // the next control in tab order that can take the focus.
    void SelectNextByTab(TWinControl* from, bool goForward);

    // A picture of the client area as it is on screen now (the window is made if needed).
    QImage Grab();

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    using TWinControl::KeyDown;
    using TWinControl::KeyPress;
    using TWinControl::KeyUp;

protected:
    friend class TWinControl;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    void Dispatch(TMessage& Message) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void SyncGeometry() override;
    void SyncWidget() override;
    bool HandleQtEvent(QWidget* w, QEvent* e) override;
    void TextChanged() override;
    int FrameWidth() const;
    int FrameHeight() const;
    void ApplyWindowFlags();
    void PlaceOnScreen();
    // Takes the place and size the window system gave the window (a person moved, sized or maximised it).
    void TakeNativeGeometry();
    // A window shown again comes back in its normal state, at its normal size, wholly on the work area.
    void RestoreNormalState();
    void KeepOnScreen();

private:
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = poDesigned;
    bool FScaled = true;
    bool FKeyPreview = false;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FCreated = false;
    bool FPlaced = false;
    // Set while the form takes its geometry from its window, so that it does not push it back.
    bool FTakingGeometry = false;
    // Where the window was last in its normal state: a maximised window closed comes back there.
    TRect FNormalBounds;
    TWinControl* FActiveControl = nullptr;
    // Set while Tab or Shift+Tab moves the focus, so that the widget learns it came by the keyboard.
    int FTabDirection = 0;
};

// Whether a character is the accelerator of a caption: the character after a single '&', in any case.
bool IsAccel(Word CharCode, const String& Caption);

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
    String ClassName() const override { return "TForm"; }
};

class TApplication : public TComponent {
public:
    // Makes the Qt application when none exists yet; there is one application object at a time.
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    String ClassName() const override { return "TApplication"; }

    void Initialize() {}
    // Creates a form owned by the application; the first one becomes the main form.
    template <class T> void CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        FForms.push_back(form);
        if (!FMainForm) FMainForm = form;
        form->AfterConstruction();
    }
    // Shows the main form and handles messages until it closes.
    void Run();
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    // Ends the message loop once the current message is handled.
    void Terminate();
    bool Terminated() const { return FTerminated; }

    TCustomForm* MainForm() const { return FMainForm; }
    String Title() const { return FTitle; }
    void SetTitle(const String& v) { FTitle = v; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool v) { FMainFormOnTaskBar = v; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; }
    // Withdraws the hint now shown, whichever control showed it.
    void CancelHint();
    // The program file; tests move its folder with SetExeDirOverride (toolkit/SysUtils.h).
    String ExeName() const;
    HWND Handle() const { return nullptr; }
    int MessageBox(const String& Text, const String& Caption, unsigned Flags);
    // Shows an error that no handler caught; the program goes on.
    void HandleException(const std::exception& e);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<QApplication> FOwnedApp;
    TCustomForm* FMainForm = nullptr;
    std::vector<TCustomForm*> FForms;
    bool FTerminated = false;
    String FTitle;
    bool FMainFormOnTaskBar = false;
    bool FShowHint = true;
    bool FHandlingException = false;
};

// One monitor of the desktop: its whole area and the part windows may use (without panels and docks), in
// screen coordinates.
struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
};
// What MonitorFromPoint answers for a point on no monitor.
enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

class TScreen {
public:
    // The primary monitor's size and work area.
    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int MonitorCount() const;
    TMonitor Monitors(int index) const;
    // The monitor holding the point; for a point on none, the nearest, the primary, or nothing (mdNull).
    std::optional<TMonitor> MonitorFromPoint(const TPoint& P, TMonitorDefaultTo Default = mdNearest) const;
    int PixelsPerInch() const { return 96; }
    TCursor Cursor() const { return FCursor; }
    // A cursor for the whole program (crDefault gives each control its own back).
    void SetCursor(TCursor v);
    TCustomForm* ActiveForm() const;
    TWinControl* ActiveControl() const;
    QStringList Fonts() const;

private:
    TCursor FCursor = crDefault;
};

// Monitors in place of the desktop's (tests); an empty list gives the desktop's back. A layout without a
// primary monitor makes its first one primary.
void SetMonitorLayout(const std::vector<TMonitor>& Monitors);

extern TApplication* Application;
extern TScreen* Screen;
