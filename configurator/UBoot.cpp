// The update window: its layout per update kind, its texts and the dot key of the address fields; the
// update itself is Run_Ethernet_Update.
#include "configurator/UBoot.h"

#include "configurator/USaveBincc.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/system/StringList.h"

#include <memory>

TFBoot* FBoot = nullptr;

namespace {

constexpr int kBootClientWidth = 449;

} // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UBoot"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_IP_Address", P_IP_Address);
    Bind(this, "L_IP_Address", L_IP_Address);
    Bind(this, "E_IP1", E_IP1);
    Bind(this, "E_IP2", E_IP2);
    Bind(this, "E_IP3", E_IP3);
    Bind(this, "E_IP4", E_IP4);
    Bind(this, "P_Serial", P_Serial);
    Bind(this, "L_COM_Port", L_COM_Port);
    Bind(this, "CB_COM_Port", CB_COM_Port);
    Bind(this, "Btn_COM_List", Btn_COM_List);
    Bind(this, "P_Search", P_Search);
    Bind(this, "L_Search", L_Search);
    Bind(this, "Btn_Search", Btn_Search);
    Bind(this, "L_Dev_IP_Address", L_Dev_IP_Address);
    Bind(this, "L_Dev_MAC_Address", L_Dev_MAC_Address);
    Bind(this, "LB_Devices", LB_Devices);
    Bind(this, "CB_Search_All", CB_Search_All);
    Bind(this, "P_Options", P_Options);
    Bind(this, "L_Update_Options", L_Update_Options);
    Bind(this, "CB_Update_Options", CB_Update_Options);
    Bind(this, "CB_Update_Option_Read_Back", CB_Update_Option_Read_Back);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "Btn_Update", Btn_Update);

    Ping = new TIcmpClient(this);
    Ping->SetReceiveTimeout(Echo_Try_Ms);
    XML1 = new TXMLDocument(this);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    for (TEdit* e : {E_IP1, E_IP2, E_IP3, E_IP4})
        e->OnKeyPress = [this](TObject* Sender, QChar& Key) { KeyPress(Sender, Key); };
    Btn_Update->OnClick = [this](TObject* Sender) { Btn_UpdateClick(Sender); };
    Btn_COM_List->OnClick = [this](TObject* Sender) { Btn_COM_ListClick(Sender); };
}

void TFBoot::FormShow(TObject*) {
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    for (TPanel* p : {P_IP_Address, P_Search, P_Options, P_Serial}) {
        p->SetVisible(false);
        p->SetAlign(alNone);
    }
    const int title = P_Title->Height();
    const int buttons = P_Button->Height();
    if (Form_Type == 1) {
        P_IP_Address->SetVisible(true);
        P_Options->SetVisible(true);
        SetClientWidth(kBootClientWidth);
        // Top-aligned panels stack in the order of their tops.
        P_IP_Address->SetTop(title);
        P_Search->SetTop(title + P_IP_Address->Height());
        P_Options->SetTop(P_Search->Top() + P_Search->Height());
        for (TPanel* p : {P_IP_Address, P_Search, P_Options})
            p->SetAlign(alTop);
        SetClientHeight(title + P_IP_Address->Height() + P_Options->Height() + buttons);
        int order = 0;
        for (TWinControl* c : std::initializer_list<TWinControl*>{P_Title, P_IP_Address, P_Search, P_Options,
                                                                  P_Button, P_Serial})
            c->SetTabOrder(order++);
        String ip[4];
        if (!Last_IP_Address.isEmpty() && Split_IP_Address(Last_IP_Address, ip[0], ip[1], ip[2], ip[3])) {
            E_IP1->SetText(ip[0]);
            E_IP2->SetText(ip[1]);
            E_IP3->SetText(ip[2]);
            E_IP4->SetText(ip[3]);
        }
        CB_Update_Options->SetItemIndex(Update_Option_Index);
        CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
        if (E_IP1->CanFocus()) E_IP1->SetFocus();
    } else if (Form_Type == 0) {
        P_Serial->SetVisible(true);
        P_Options->SetVisible(true);
        SetClientWidth(kBootClientWidth);
        P_Serial->SetTop(title);
        P_Options->SetTop(title + P_Serial->Height());
        P_Serial->SetAlign(alTop);
        P_Options->SetAlign(alTop);
        SetClientHeight(title + P_Serial->Height() + P_Options->Height() + buttons);
        int order = 0;
        for (TWinControl* c : std::initializer_list<TWinControl*>{P_Title, P_Serial, P_Options, P_Button,
                                                                  P_IP_Address, P_Search})
            c->SetTabOrder(order++);
        CB_Update_Options->SetItemIndex(Update_Option_Index);
        CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
        update_ComPort();
        if (CB_COM_Port->CanFocus()) CB_COM_Port->SetFocus();
    }
}

void TFBoot::Set_Lang() {
    auto text = [](int n) { return Lang_Texts->Strings(n); };
    SetCaption(text(Form_Type == 0 ? 1200 : 1202));
    L_SW_Desc->SetCaption(text(Form_Type == 0 ? 1201 : 1203));
    L_IP_Address->SetCaption(text(1206));
    L_Search->SetCaption(text(1209));
    Btn_Search->SetCaption(text(1210));
    L_Dev_IP_Address->SetCaption(text(1211));
    L_Dev_MAC_Address->SetCaption(text(1212));
    CB_Search_All->SetCaption(text(1213));
    L_Update_Options->SetCaption(text(1214));
    CB_Update_Options->Items()->Clear();
    for (int n : {1215, 1216, 1217})
        CB_Update_Options->Items()->Add(text(n));
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Option_Read_Back->SetCaption(text(1218));
    Btn_Cancel->SetCaption(text(1219));
    Btn_Update->SetCaption(text(1220));
    E_IP1->SetHint(text(1221));
    E_IP2->SetHint(text(1222));
    E_IP3->SetHint(text(1223));
    E_IP4->SetHint(text(1224));
    Btn_Search->SetHint(text(1229));
    LB_Devices->SetHint(text(1230));
    CB_Search_All->SetHint(text(1231));
    CB_Update_Options->SetHint(text(1232));
    CB_Update_Option_Read_Back->SetHint(text(1233));
    Btn_Cancel->SetHint(text(1234));
    Btn_Update->SetHint(text(1235));
}

void TFBoot::KeyPress(TObject* Sender, QChar& Key) {
    if (Key != u'.') return;
    Key = QChar(); // an address byte never holds a dot
    TEdit* next = Sender == E_IP1 ? E_IP2 : Sender == E_IP2 ? E_IP3 : Sender == E_IP3 ? E_IP4 : nullptr;
    if (next && next->CanFocus()) next->SetFocus();
}

void TFBoot::Btn_UpdateClick(TObject*) {
    if (Form_Type == 0) {
        Update_Option_Index = CB_Update_Options->ItemIndex();
        Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    const String octets[4] = {E_IP1->Text(), E_IP2->Text(), E_IP3->Text(), E_IP4->Text()};
    Run_Ethernet_Update(*Ping, *XML1, ping_res, octets, CB_Update_Options->ItemIndex(),
                        CB_Update_Option_Read_Back->Checked(), Echo_Clock);
}

void TFBoot::update_ComPort() {
    CB_COM_Port->Items()->Clear();
    std::unique_ptr<TStringList> ports(Get_COM_Ports());
    for (int i = 0; ports && i < ports->Count(); ++i)
        CB_COM_Port->Items()->Add("COM" + ports->Strings(i));
    CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick(TObject*) {
    update_ComPort();
}

void Run_Update_Device(TFBoot& boot) {
    for (const String& image : Device_Image_Files())
        if (!Confirm_Save_Through_Link(image)) return;
    String error;
    if (!Build_And_Write_Images(error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    boot.Form_Type = 1;
    boot.ShowModal();
}
