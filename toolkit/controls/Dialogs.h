// Message boxes, questions and file dialogs, all through one replaceable interaction seam.
#pragma once

#include "toolkit/system/Classes.h"

class TCustomForm;
class TPrinter;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbNoToAll = 1u << 8,
    mbYesToAll = 1u << 9,
    mbHelp = 1u << 10,
    mbClose = 1u << 11,
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// Flags of the platform's message box.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// What a message box or question shows.
struct TMessageRequest {
    String Text;
    String Caption;
    TMsgDlgType Type = mtInformation;
    TMsgDlgButtons Buttons = mbOK;
    int HelpCtx = 0;
    void FromMessageBoxFlags(unsigned flags);
};

// What an open or save dialog asks, and on success the chosen file(s).
struct TFileDialogRequest {
    bool Save = false;
    String Title;
    String Filter; // "Text files|*.txt|All files|*.*"
    int FilterIndex = 1;
    String InitialDir;
    String DefaultExt;
    String FileName;
    bool AllowMultiSelect = false;
    bool OverwritePrompt = false;
    QStringList Files;
};

// What a printer or page set-up dialog works on: the printer's settings change only when confirmed.
struct TPrintDialogRequest {
    enum TKind { PrinterSetup, PageSetup };
    TKind Kind = PrinterSetup;
    TPrinter* Printer = nullptr;
};

// The one place through which the program asks the person in front of it anything.
// The program's own answers come from real windows; tests put a scripted answerer in its place.
class TInteraction {
public:
    virtual ~TInteraction() = default;
    // Shows a message box; answers mrOk, mrCancel, mrYes, mrNo ...
    virtual int MessageBox(const TMessageRequest& request) = 0;
    // Lets the person work in a modal form until its ModalResult is set (or sets it itself).
    virtual void RunModal(TCustomForm* form) = 0;
    // Runs an open or save dialog; true with the chosen file when the person confirmed.
    virtual bool FileDialog(TFileDialogRequest& request) = 0;
    // Runs a printer or page set-up dialog on request.Printer; true when the person confirmed. An
    // answerer that knows no such dialog cancels it.
    virtual bool PrintDialog(TPrintDialogRequest& request);
};

TInteraction* GetInteraction();
// Puts `interaction` in place of the real windows (null restores them); the caller keeps ownership.
void SetInteraction(TInteraction* interaction);

int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
void ShowMessage(const String& Msg);

enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofAllowMultiSelect = 1u << 3,
    ofPathMustExist = 1u << 4,
    ofFileMustExist = 1u << 5,
    ofEnableSizing = 1u << 6,
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TOpenDialog"; }
    virtual bool Execute();
    String FileName() const { return FFileName; }
    void SetFileName(const String& v) { FFileName = v; }
    QStringList Files() const { return FFiles; }
    String Filter() const { return FFilter; }
    void SetFilter(const String& v) { FFilter = v; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int v) { FFilterIndex = v; }
    String InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& v) { FInitialDir = v; }
    String DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& v) { FDefaultExt = v; }
    String Title() const { return FTitle; }
    void SetTitle(const String& v) { FTitle = v; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions v) { FOptions = v; }
    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    bool ExecuteAs(bool save);

private:
    String FFileName, FFilter, FInitialDir, FDefaultExt, FTitle;
    QStringList FFiles;
    int FFilterIndex = 1;
    TOpenOptions FOptions = ofHideReadOnly | ofEnableSizing;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    String ClassName() const override { return "TSaveDialog"; }
    bool Execute() override { return ExecuteAs(true); }
};

// The platform's printer choice and the page set-up, both on a printer (the program's by default).
class TPrinterSetupDialog : public TComponent {
public:
    explicit TPrinterSetupDialog(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TPrinterSetupDialog"; }
    TPrinter* Printer() const;
    void SetPrinter(TPrinter* v) { FPrinter = v; }
    bool Execute() { return ExecuteAs(TPrintDialogRequest::PrinterSetup); }

protected:
    bool ExecuteAs(TPrintDialogRequest::TKind kind);

private:
    TPrinter* FPrinter = nullptr;
};

class TPageSetupDialog : public TPrinterSetupDialog {
public:
    explicit TPageSetupDialog(TComponent* AOwner) : TPrinterSetupDialog(AOwner) {}
    String ClassName() const override { return "TPageSetupDialog"; }
    bool Execute() { return ExecuteAs(TPrintDialogRequest::PageSetup); }
};
