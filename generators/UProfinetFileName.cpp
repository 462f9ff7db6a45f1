// The GSDML file-name dialog: the name's parts, its composition and the check of the user part.
#include "generators/UProfinetFileName.h"

#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/Clock.h"
#include "toolkit/system/SysUtils.h"

TFProfinetFileName* FProfinetFileName = nullptr;

String Profinet_File_Fix2() {
    const TLocalDateTime t = NowLocal();
    return QStringLiteral("-%1%2%3.xml")
        .arg(t.Year)
        .arg(t.Month, 2, 10, QChar('0'))
        .arg(t.Day, 2, 10, QChar('0'));
}

String Compose_Profinet_File_Name(const String& userPart) {
    if (userPart.contains('/') || userPart.contains('\\') || userPart.contains("..")) return String();
    if (Trim(userPart).isEmpty()) return Profinet_File_Fix1 + Profinet_File_Fix2();
    if (userPart.startsWith('_')) return Profinet_File_Fix1 + userPart + Profinet_File_Fix2();
    return Profinet_File_Fix1 + "_" + userPart + Profinet_File_Fix2();
}

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UProfinetFileName"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "L_Select_Name", L_Select_Name);
    Bind(this, "L_FixPart_1", L_FixPart_1);
    Bind(this, "L_FixPart_2", L_FixPart_2);
    Bind(this, "L_UsedPart", L_UsedPart);
    Bind(this, "L_XML_Fix1", L_XML_Fix1);
    Bind(this, "L_XML_Fix2", L_XML_Fix2);
    Bind(this, "E_XML_User", E_XML_User);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OK_Click(Sender); };
}

void TFProfinetFileName::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(540, 205);
    L_UsedPart->SetLeft(179);
    E_XML_User->SetLeft(179);
    L_FixPart_2->SetLeft(447);
    L_XML_Fix2->SetLeft(447);
    L_XML_Fix1->SetCaption(Profinet_File_Fix1);
    L_XML_Fix2->SetCaption(Profinet_File_Fix2());
    Set_Lang();
}

void TFProfinetFileName::FormShow(TObject*) {
    // The program may run past midnight: the shown date is today's.
    L_XML_Fix2->SetCaption(Profinet_File_Fix2());
    if (E_XML_User->CanFocus()) E_XML_User->SetFocus();
}

void TFProfinetFileName::Btn_OK_Click(TObject*) {
    const String name = Compose_Profinet_File_Name(E_XML_User->Text());
    if (name.isEmpty()) {
        MessageDlg(QStringLiteral("The user part of the file name may not hold \"/\", \"\\\" or \"..\"."),
                   mtError, mbOK);
        return;
    }
    L_XML_Fix2->SetCaption(Profinet_File_Fix2());
    Name_File_XML = name;
    SetModalResult(mrOk);
}

void TFProfinetFileName::Set_Lang() {
    SetCaption(Lang_Texts->Strings(1600));
    L_SW_Desc->SetCaption(Lang_Texts->Strings(1601));
    L_Select_Name->SetCaption(Lang_Texts->Strings(1602));
    L_FixPart_1->SetCaption(Lang_Texts->Strings(1603));
    L_UsedPart->SetCaption(Lang_Texts->Strings(1604));
    L_FixPart_2->SetCaption(Lang_Texts->Strings(1605));
    Btn_OK->SetCaption(Lang_Texts->Strings(1606));
    Btn_Cancel->SetCaption(Lang_Texts->Strings(1607));
}
