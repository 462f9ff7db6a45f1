// The new-configuration dialog: the name check and the configuration's folders.
#include "configurator/UNew_Project.h"

#include "configurator/UQuenvarroweFirmWare.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

TFNew_Project* FNew_Project = nullptr;

bool Is_Valid_New_Project_Name(const String& name) {
    if (!Is_Safe_Project_Name(name)) return false;
    if (name.front().isSpace() || name.back().isSpace()) return false;
    for (QChar c : name)
        if (c.unicode() < 32 || QStringView(u"<>:\"/\\|?*").contains(c)) return false;
    return true;
}

namespace {
// Another configuration folder whose name differs from `name` only in letter case: on a platform that
// ignores case it would be the same folder, and the open dialog could not tell the two apart.
bool newProjectNameTaken(const String& name) {
    if (DirectoryExists(Dir_Projects + PathDelim + name)) return true;
    for (const TSearchRec& r : FindFolders(Dir_Projects, "*", true))
        if (r.Name.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}
} // namespace

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UNew_Project"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "Label1", Label1);
    Bind(this, "E_New_Proj", E_New_Proj);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    E_New_Proj->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_New_ProjKeyPress(Sender, Key); };
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
}

void TFNew_Project::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(331, 162);
    Set_Lang();
}

void TFNew_Project::FormShow(TObject*) {
    E_New_Proj->Clear();
    if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, QChar& Key) {
    if (Key != QChar(13)) return;
    Key = QChar();
    Btn_OKClick(Sender);
}

void TFNew_Project::Btn_OKClick(TObject*) {
    const String name = E_New_Proj->Text();
    if (name.isEmpty()) {
        MessageDlg(Lang_Texts->Strings(107), mtError, mbOK);
        return;
    }
    // A name that would leave "PROJECTS" or that another system could not reopen is refused like a
    // name the file system refuses.
    if (!Is_Valid_New_Project_Name(name)) {
        MessageDlg(Lang_Texts->Strings(105), mtError, mbOK);
        return;
    }
    if (newProjectNameTaken(name)) {
        MessageDlg(Lang_Texts->Strings(106), mtError, mbOK);
        return;
    }
    // The name is fine by now: a folder that cannot be made is the folder's fault and says why.
    const String folder = Dir_Projects + PathDelim + name;
    String reason;
    const String bin = folder + PathDelim + "bin";
    if (!CreateDir(folder, reason)) {
        MessageDlg(QStringLiteral("The folder \"%1\" could not be created: %2.").arg(folder, reason), mtError,
                   mbOK);
        return;
    }
    if (!CreateDir(bin, reason)) {
        MessageDlg(QStringLiteral("The folder \"%1\" could not be created: %2.").arg(bin, reason), mtError,
                   mbOK);
        return;
    }
    Name_Project = name;
    Dir_Project = folder;
    if (FQuenvarroweFirmWare)
        FQuenvarroweFirmWare->Set_Files();
    else
        Set_Table_File_Paths();
    SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang() {
    SetCaption(Lang_Texts->Strings(100));
    L_SW_Desc->SetCaption(Lang_Texts->Strings(101));
    Label1->SetCaption(Lang_Texts->Strings(102));
    Btn_OK->SetCaption(Lang_Texts->Strings(103));
    Btn_Cancel->SetCaption(Lang_Texts->Strings(104));
    E_New_Proj->SetHint(Lang_Texts->Strings(108));
    Btn_OK->SetHint(Lang_Texts->Strings(109));
    Btn_Cancel->SetHint(Lang_Texts->Strings(110));
}
