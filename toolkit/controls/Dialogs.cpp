// The interaction seam and its real answerer: Qt message boxes, modal loops and file dialogs.
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"

#include "toolkit/graphics/Printers.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

class DesktopInteraction : public TInteraction {
public:
    int MessageBox(const TMessageRequest& r) override;
    void RunModal(TCustomForm* form) override;
    bool FileDialog(TFileDialogRequest& r) override;
    bool PrintDialog(TPrintDialogRequest& r) override;
};

struct ButtonInfo {
    TMsgDlgBtn Button;
    QMessageBox::StandardButton Qt;
    int Result;
};
constexpr ButtonInfo kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},
    {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},
    {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},
    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
    {mbAll, QMessageBox::YesToAll, mrAll},
    {mbNoToAll, QMessageBox::NoToAll, 9},
    {mbYesToAll, QMessageBox::YesToAll, 10},
    {mbHelp, QMessageBox::Help, 0},
    {mbClose, QMessageBox::Close, mrClose},
};

int DesktopInteraction::MessageBox(const TMessageRequest& r) {
    QMessageBox box;
    switch (r.Type) {
    case mtWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case mtError:
        box.setIcon(QMessageBox::Critical);
        break;
    case mtInformation:
        box.setIcon(QMessageBox::Information);
        break;
    case mtConfirmation:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        break;
    }
    static const char* const kCaptions[] = {"Warning", "Error", "Information", "Confirm", ""};
    String caption = r.Caption;
    if (caption.isEmpty())
        caption =
            r.Type == mtCustom && Application ? Application->Title() : QString::fromLatin1(kCaptions[r.Type]);
    box.setWindowTitle(caption);
    box.setText(r.Text);
    QMessageBox::StandardButtons buttons;
    for (const ButtonInfo& b : kButtons)
        if (r.Buttons & b.Button) buttons |= b.Qt;
    box.setStandardButtons(buttons ? buttons : QMessageBox::Ok);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    qvdetail::GiveBackActivation giveBack;
    int answer = box.exec();
    QApplication::restoreOverrideCursor();
    for (const ButtonInfo& b : kButtons)
        if (answer == b.Qt && (r.Buttons & b.Button)) return b.Result;
    // Closing the box without a button is Cancel when there is one, else the only answer offered.
    if (r.Buttons & mbCancel) return mrCancel;
    return r.Buttons == mbOK || r.Buttons == 0 ? mrOk : mrCancel;
}

void DesktopInteraction::RunModal(TCustomForm* form) {
    while (form->ModalResult() == mrNone) {
        if (!Application || Application->Terminated() || !form->Visible()) {
            form->SetModalResult(mrCancel);
            break;
        }
        QApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    }
}

QString ToQtFilter(const String& filter) {
    // "Text files|*.txt|All|*.*" -> "Text files (*.txt);;All (*.*)"
    QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return out.join(";;");
}

bool DesktopInteraction::FileDialog(TFileDialogRequest& r) {
    QFileDialog dlg(nullptr, r.Title, r.InitialDir);
    dlg.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.Save ? QFileDialog::AnyFile
                           : (r.AllowMultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile));
    QString filters = ToQtFilter(r.Filter);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters.split(";;"));
        QStringList list = filters.split(";;");
        if (r.FilterIndex >= 1 && r.FilterIndex <= list.size()) dlg.selectNameFilter(list[r.FilterIndex - 1]);
    }
    if (!r.DefaultExt.isEmpty()) dlg.setDefaultSuffix(r.DefaultExt);
    if (!r.FileName.isEmpty()) dlg.selectFile(r.FileName);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !r.OverwritePrompt);
    qvdetail::GiveBackActivation giveBack;
    if (dlg.exec() != QDialog::Accepted) return false;
    r.Files = dlg.selectedFiles();
    r.FileName = r.Files.value(0);
    return !r.FileName.isEmpty();
}

bool DesktopInteraction::PrintDialog(TPrintDialogRequest& r) {
    if (!r.Printer) return false;
    qvdetail::GiveBackActivation giveBack;
    if (r.Kind == TPrintDialogRequest::PageSetup) {
        QPageSetupDialog dlg(r.Printer->Handle());
        return dlg.exec() == QDialog::Accepted;
    }
    QPrintDialog dlg(r.Printer->Handle());
    // The program prints what it chose itself: the dialog picks the printer and its settings only.
    dlg.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dlg.exec() == QDialog::Accepted;
}

DesktopInteraction gDesktop;
TInteraction* gInteraction = nullptr;

} // namespace

void TMessageRequest::FromMessageBoxFlags(unsigned flags) {
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        Buttons = mbOK | mbCancel;
        break;
    case MB_ABORTRETRYIGNORE:
        Buttons = mbAbort | mbRetry | mbIgnore;
        break;
    case MB_YESNOCANCEL:
        Buttons = mbYes | mbNo | mbCancel;
        break;
    case MB_YESNO:
        Buttons = mbYes | mbNo;
        break;
    case MB_RETRYCANCEL:
        Buttons = mbRetry | mbCancel;
        break;
    default:
        Buttons = mbOK;
    }
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        Type = mtError;
        break;
    case MB_ICONQUESTION:
        Type = mtConfirmation;
        break;
    case MB_ICONWARNING:
        Type = mtWarning;
        break;
    case MB_ICONINFORMATION:
        Type = mtInformation;
        break;
    default:
        Type = mtCustom;
    }
}

TInteraction* GetInteraction() {
    return gInteraction ? gInteraction : &gDesktop;
}

void SetInteraction(TInteraction* interaction) {
    gInteraction = interaction;
}

int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
    TMessageRequest r;
    r.Text = Msg;
    r.Type = DlgType;
    r.Buttons = Buttons;
    r.HelpCtx = HelpCtx;
    return GetInteraction()->MessageBox(r);
}

void ShowMessage(const String& Msg) {
    TMessageRequest r;
    r.Text = Msg;
    r.Type = mtCustom;
    r.Buttons = mbOK;
    GetInteraction()->MessageBox(r);
}

bool TOpenDialog::Execute() {
    return ExecuteAs(false);
}

bool TOpenDialog::ExecuteAs(bool save) {
    TFileDialogRequest r;
    r.Save = save;
    r.Title = FTitle;
    r.Filter = FFilter;
    r.FilterIndex = FFilterIndex;
    r.InitialDir = FInitialDir;
    r.DefaultExt = FDefaultExt;
    r.FileName = FFileName;
    r.AllowMultiSelect = FOptions & ofAllowMultiSelect;
    r.OverwritePrompt = FOptions & ofOverwritePrompt;
    if (!GetInteraction()->FileDialog(r)) return false;
    FFileName = r.FileName;
    FFiles = r.Files.isEmpty() ? QStringList{r.FileName} : r.Files;
    return true;
}

bool TInteraction::PrintDialog(TPrintDialogRequest&) {
    return false;
}

TPrinter* TPrinterSetupDialog::Printer() const {
    return FPrinter ? FPrinter : ::Printer();
}

bool TPrinterSetupDialog::ExecuteAs(TPrintDialogRequest::TKind kind) {
    TPrintDialogRequest r;
    r.Kind = kind;
    r.Printer = Printer();
    // A running job keeps the settings it started with.
    if (r.Printer->Printing()) throw EPrinter("Printing in progress");
    return GetInteraction()->PrintDialog(r);
}
