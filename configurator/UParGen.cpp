// The communication settings window: creation, "ParGen.xml" in and out, the data check, keys and wheel,
// and the interface texts.
#include "configurator/UParGen.h"

#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/UParGen_File.h"
#include "core/USave_Target.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/CategoryPanels.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/RegularExpressions.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>

TFParGen* FParGen = nullptr;

namespace {

constexpr int kParGenClientWidth = 460;
constexpr int kParGenClientHeight = 700;

enum class ParGenKind { Edit, Check, List };

// "ParGen.xml": every element this window writes, in the order it writes them, with the value a field takes
// when its element (or the whole file) is missing. Check boxes are "1"/"0", lists the chosen index.
struct ParGenElement {
    const char* Element;
    const char* Control;
    ParGenKind Kind;
    const char* Default;
};

const ParGenElement kParGenElements[] = {
    {"Eth_Conn_Device_Name", "E_EthConn_Device_Name", ParGenKind::Edit, ""},
    {"Eth_Conn_DHCP_Cable", "CB_EthConn_En_DHCP_Cable", ParGenKind::Check, "0"},
    {"Eth_Conn_DHCP_WiFi", "CB_EthConn_En_DHCP_WiFi", ParGenKind::Check, "0"},
    {"Eth_Conn_Enable_DNS", "CB_EthConn_Enable_DNS", ParGenKind::Check, "0"},
    {"Eth_Conn_Primary_DNS1", "E_EthConn_Pri_DNS_IP1", ParGenKind::Edit, "8"},
    {"Eth_Conn_Primary_DNS2", "E_EthConn_Pri_DNS_IP2", ParGenKind::Edit, "8"},
    {"Eth_Conn_Primary_DNS3", "E_EthConn_Pri_DNS_IP3", ParGenKind::Edit, "8"},
    {"Eth_Conn_Primary_DNS4", "E_EthConn_Pri_DNS_IP4", ParGenKind::Edit, "8"},
    {"Eth_Conn_Secondary_DNS1", "E_EthConn_Sec_DNS_IP1", ParGenKind::Edit, "8"},
    {"Eth_Conn_Secondary_DNS2", "E_EthConn_Sec_DNS_IP2", ParGenKind::Edit, "8"},
    {"Eth_Conn_Secondary_DNS3", "E_EthConn_Sec_DNS_IP3", ParGenKind::Edit, "8"},
    {"Eth_Conn_Secondary_DNS4", "E_EthConn_Sec_DNS_IP4", ParGenKind::Edit, "8"},
    {"OPC_UA_Server_IP1", "E_OPC_UA_Server_IP1", ParGenKind::Edit, "192"},
    {"OPC_UA_Server_IP2", "E_OPC_UA_Server_IP2", ParGenKind::Edit, "168"},
    {"OPC_UA_Server_IP3", "E_OPC_UA_Server_IP3", ParGenKind::Edit, "0"},
    {"OPC_UA_Server_IP4", "E_OPC_UA_Server_IP4", ParGenKind::Edit, "10"},
    {"OPC_UA_Server_SM1", "E_OPC_UA_Server_SM1", ParGenKind::Edit, "255"},
    {"OPC_UA_Server_SM2", "E_OPC_UA_Server_SM2", ParGenKind::Edit, "255"},
    {"OPC_UA_Server_SM3", "E_OPC_UA_Server_SM3", ParGenKind::Edit, "255"},
    {"OPC_UA_Server_SM4", "E_OPC_UA_Server_SM4", ParGenKind::Edit, "0"},
    {"OPC_UA_Server_GAT1", "E_OPC_UA_Server_GAT1", ParGenKind::Edit, "192"},
    {"OPC_UA_Server_GAT2", "E_OPC_UA_Server_GAT2", ParGenKind::Edit, "168"},
    {"OPC_UA_Server_GAT3", "E_OPC_UA_Server_GAT3", ParGenKind::Edit, "0"},
    {"OPC_UA_Server_GAT4", "E_OPC_UA_Server_GAT4", ParGenKind::Edit, "1"},
    {"OPC_UA_Server_EN_GAT", "CB_OPC_UA_Server_En_GAT", ParGenKind::Check, "0"},
    {"OPC_UA_Server_Port", "E_OPC_UA_Server_Port", ParGenKind::Edit, "4840"},
    {"OPC_UA_Server_Reset_Inactivity", "L_OPC_UA_Server_Reset_Inactivity", ParGenKind::Check, "0"},
    {"OPC_UA_Server_Reset_Inactivity_Time", "E_OPC_UA_Server_Reset_Inactivity", ParGenKind::Edit, "1440"},
    {"SERIAL_SERIAL", "CB_Serial_Serial", ParGenKind::List, "0"},
    {"SERIAL_BAUDRATE", "CB_Serial_Baudrate", ParGenKind::List, "7"},
    {"SERIAL_PARITY", "Cb_Serial_Parity", ParGenKind::List, "0"},
    {"SERIAL_STOPBITS", "CB_Serial_StopBits", ParGenKind::List, "0"},
    {"NTP_Server_URL", "E_NTP_Server_URL", ParGenKind::Edit, ""},
    {"NTP_Poll_Time", "E_NTP_Poll_Time", ParGenKind::Edit, ""},
};

// Older names of the DNS settings: read after the gateway box, they win where present.
const ParGenElement kParGenOldDns[] = {
    {"OPC_UA_Server_DNS1", "E_EthConn_Pri_DNS_IP1", ParGenKind::Edit, nullptr},
    {"OPC_UA_Server_DNS2", "E_EthConn_Pri_DNS_IP2", ParGenKind::Edit, nullptr},
    {"OPC_UA_Server_DNS3", "E_EthConn_Pri_DNS_IP3", ParGenKind::Edit, nullptr},
    {"OPC_UA_Server_DNS4", "E_EthConn_Pri_DNS_IP4", ParGenKind::Edit, nullptr},
    {"OPC_UA_Server_EN_DNS", "CB_EthConn_Enable_DNS", ParGenKind::Check, nullptr},
};

// The data check, in the order the fields are checked: a field passes inside [Low, High] (and when it is
// not Excluded); a field behind a Gate box is checked only while that box is ticked.
struct ParGenCheck {
    const char* Field;
    int Low;
    int High;
    int Message;
    const char* Gate = nullptr;
    int Excluded = -2;
};

const ParGenCheck kParGenChecks[] = {
    {"E_EthConn_Pri_DNS_IP1", 0, 255, 1170, "CB_EthConn_Enable_DNS"},
    {"E_EthConn_Pri_DNS_IP2", 0, 255, 1171, "CB_EthConn_Enable_DNS"},
    {"E_EthConn_Pri_DNS_IP3", 0, 255, 1172, "CB_EthConn_Enable_DNS"},
    {"E_EthConn_Pri_DNS_IP4", 0, 255, 1173, "CB_EthConn_Enable_DNS"},
    {"E_EthConn_Sec_DNS_IP1", 0, 255, 1174, "CB_EthConn_Enable_DNS"},
    {"E_EthConn_Sec_DNS_IP2", 0, 255, 1175, "CB_EthConn_Enable_DNS"},
    {"E_EthConn_Sec_DNS_IP3", 0, 255, 1176, "CB_EthConn_Enable_DNS"},
    {"E_EthConn_Sec_DNS_IP4", 0, 255, 1177, "CB_EthConn_Enable_DNS"},
    {"E_OPC_UA_Server_IP1", 0, 255, 922},
    {"E_OPC_UA_Server_IP2", 0, 255, 923},
    {"E_OPC_UA_Server_IP3", 0, 255, 924},
    {"E_OPC_UA_Server_IP4", 0, 255, 925},
    {"E_OPC_UA_Server_SM1", 0, 255, 926},
    {"E_OPC_UA_Server_SM2", 0, 255, 927},
    {"E_OPC_UA_Server_SM3", 0, 255, 928},
    {"E_OPC_UA_Server_SM4", 0, 255, 929},
    {"E_OPC_UA_Server_GAT1", 0, 255, 930, "CB_OPC_UA_Server_En_GAT"},
    {"E_OPC_UA_Server_GAT2", 0, 255, 931, "CB_OPC_UA_Server_En_GAT"},
    {"E_OPC_UA_Server_GAT3", 0, 255, 932, "CB_OPC_UA_Server_En_GAT"},
    {"E_OPC_UA_Server_GAT4", 0, 255, 933, "CB_OPC_UA_Server_En_GAT"},
    {"E_OPC_UA_Server_Port", 0, 65535, 1136, nullptr, 10000}, // the device keeps 10000 for itself
    {"E_OPC_UA_Server_Reset_Inactivity", 1, 60000, 1180, "L_OPC_UA_Server_Reset_Inactivity"},
};
constexpr int kParGenStopBitsMessage = 934;
const ParGenCheck kParGenPollTime = {"E_NTP_Poll_Time", 0, 10000000, 1092};

// The "." key moves along an address: each byte field hands on to the next one of its chain.
const char* const kParGenDotChains[][12] = {
    {"E_EthConn_Pri_DNS_IP1", "E_EthConn_Pri_DNS_IP2", "E_EthConn_Pri_DNS_IP3", "E_EthConn_Pri_DNS_IP4",
     "E_EthConn_Sec_DNS_IP1", "E_EthConn_Sec_DNS_IP2", "E_EthConn_Sec_DNS_IP3", "E_EthConn_Sec_DNS_IP4"},
    {"E_OPC_UA_Server_IP1", "E_OPC_UA_Server_IP2", "E_OPC_UA_Server_IP3", "E_OPC_UA_Server_IP4",
     "E_OPC_UA_Server_SM1", "E_OPC_UA_Server_SM2", "E_OPC_UA_Server_SM3", "E_OPC_UA_Server_SM4",
     "E_OPC_UA_Server_GAT1", "E_OPC_UA_Server_GAT2", "E_OPC_UA_Server_GAT3", "E_OPC_UA_Server_GAT4"},
};

// The boxes whose state changes what the panels show.
const char* const kParGenLayoutBoxes[] = {
    "CB_EthConn_En_DHCP_Cable",       "CB_EthConn_En_DHCP_WiFi", "CB_MQTT_WillFlag",
    "CB_MQTT_PublishTopicConnection", "CB_TLS_Enable",           "CB_TLS_En_Server_Auth",
    "CB_TLS_En_Client_Auth",          "CB_WiFi_IP_Auto",         "CB_WiFi_En_DHCP",
    "CB_SNMP_Agent_Version3",
};

// The Wi-Fi lists whose items are interface texts: the list and its first and last text number.
struct ParGenTextList {
    const char* List;
    int First;
    int Last;
};
const ParGenTextList kParGenTextLists[] = {
    {"CB_WiFi_Type", 476, 478},
    {"CB_WiFi_Secure_Type", 513, 516},
    {"CB_WiFi_Channel", 537, 548},
};

bool IsParGenAddressByte(const String& name) {
    static const TRegEx re("(IP|SM|GAT|DNS)[1-4]$");
    return re.IsMatch(name);
}

String ParGenText(int n) {
    return Lang_Texts->Strings(n);
}

} // namespace

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UParGen"));

    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "CPG", CPG);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "XML1", XML1);
    Bind(this, "CP_Ethernet_Connection", CP_Ethernet_Connection);
    Bind(this, "E_EthConn_Device_Name", E_EthConn_Device_Name);
    Bind(this, "CB_EthConn_En_DHCP_Cable", CB_EthConn_En_DHCP_Cable);
    Bind(this, "CB_EthConn_En_DHCP_WiFi", CB_EthConn_En_DHCP_WiFi);
    Bind(this, "CB_EthConn_Enable_DNS", CB_EthConn_Enable_DNS);
    Bind(this, "CP_OPC_UA_Server", CP_OPC_UA_Server);
    Bind(this, "CB_OPC_UA_Server_En_GAT", CB_OPC_UA_Server_En_GAT);
    Bind(this, "E_OPC_UA_Server_Port", E_OPC_UA_Server_Port);
    Bind(this, "L_OPC_UA_Server_Reset_Inactivity", L_OPC_UA_Server_Reset_Inactivity);
    Bind(this, "E_OPC_UA_Server_Reset_Inactivity", E_OPC_UA_Server_Reset_Inactivity);
    Bind(this, "CP_Serial", CP_Serial);
    Bind(this, "CB_Serial_Serial", CB_Serial_Serial);
    Bind(this, "CB_Serial_Baudrate", CB_Serial_Baudrate);
    Bind(this, "Cb_Serial_Parity", Cb_Serial_Parity);
    Bind(this, "CB_Serial_StopBits", CB_Serial_StopBits);
    Bind(this, "CP_NTP", CP_NTP);
    Bind(this, "E_NTP_Server_URL", E_NTP_Server_URL);
    Bind(this, "E_NTP_Poll_Time", E_NTP_Poll_Time);

    for (const TParGenTextSlot& slot : ParGen_Text_Slots())
        FTextSlots.emplace_back(Ctl(QString::fromLatin1(slot.Component)), slot);

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    auto wheel = [this](TObject*, TShiftState shift, int delta, TPoint pos, bool& handled) {
        FormMouseWheel(this, shift, delta, pos, handled);
    };
    OnMouseWheel = wheel;
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        // Like the platform's forms, the window sees every wheel turn over it before its controls do.
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->OnMouseWheel = wheel;
        if (auto* box = dynamic_cast<TCheckBox*>(c)) box->OnClick = [this](TObject* s) { On_Click(s); };
        if (auto* edit = dynamic_cast<TEdit*>(c); edit && IsParGenAddressByte(edit->Name()))
            edit->OnKeyPress = [this](TObject* s, QChar& key) { KeyPress(s, key); };
    }
}

TFParGen::~TFParGen() {
    if (FParGen == this) FParGen = nullptr;
}

TControl* TFParGen::Ctl(const String& name) const {
    auto* c = dynamic_cast<TControl*>(FindComponent(name));
    if (!c) throw EDesignError("The design of the communication settings window has no control " + name);
    return c;
}

TEdit* TFParGen::Edit(const String& name) const {
    return Bind<TEdit>(const_cast<TFParGen*>(this), name.toLatin1().constData());
}

TCheckBox* TFParGen::Box(const String& name) const {
    return Bind<TCheckBox>(const_cast<TFParGen*>(this), name.toLatin1().constData());
}

TComboBox* TFParGen::List(const String& name) const {
    return Bind<TComboBox>(const_cast<TFParGen*>(this), name.toLatin1().constData());
}

TCategoryPanel* TFParGen::Panel(const String& name) const {
    return Bind<TCategoryPanel>(const_cast<TFParGen*>(this), name.toLatin1().constData());
}

void TFParGen::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(kParGenClientWidth, kParGenClientHeight);
    for (TCategoryPanel* p : CPG->Panels())
        p->Hide();
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::FormResize(TObject*) {
    if (ClientWidth() != kParGenClientWidth) SetClientWidth(kParGenClientWidth);
}

// ---- "ParGen.xml" --------------------------------------------------------------------------------------

namespace {

void ParGenPut(TFParGen* form, const ParGenElement& e, const String& text) {
    TComponent* c = form->FindComponent(QString::fromLatin1(e.Control));
    switch (e.Kind) {
    case ParGenKind::Edit:
        static_cast<TEdit*>(c)->SetText(text);
        break;
    case ParGenKind::Check:
        static_cast<TCheckBox*>(c)->SetChecked(text == "1");
        break;
    case ParGenKind::List: {
        auto* list = static_cast<TComboBox*>(c);
        Integer index = -1;
        // An index the list does not have would be written back as -1, which the image builder reads as a
        // different setting: such a file gets the list's default instead.
        if (!TryStrToInt(text, index) || index < 0 || index >= list->Items()->Count())
            index = QString::fromLatin1(e.Default).toInt();
        list->SetItemIndex(index);
        break;
    }
    }
}

String ParGenGet(const TFParGen* form, const ParGenElement& e) {
    TComponent* c = form->FindComponent(QString::fromLatin1(e.Control));
    switch (e.Kind) {
    case ParGenKind::Edit:
        return static_cast<TEdit*>(c)->Text();
    case ParGenKind::Check:
        return static_cast<TCheckBox*>(c)->Checked() ? "1" : "0";
    case ParGenKind::List:
        return QString::number(static_cast<TComboBox*>(c)->ItemIndex());
    }
    return String();
}

} // namespace

void TFParGen::Load_Defaults() {
    for (const ParGenElement& e : kParGenElements)
        ParGenPut(this, e, QString::fromLatin1(e.Default));
}

void TFParGen::Load_File() {
    FLoadComplete = false;
    if (!LoadParGen(*XML1, File_ParGen)) {
        Load_Defaults();
        MessageDlg(QString("The file \"%1\" could not be read (%2); the default settings are shown.")
                       .arg(File_ParGen, XML1->ErrorText()),
                   mtError, mbOK, 0);
        return;
    }
    const TXMLNode root = ParGenRoot(*XML1);
    // A file of another kind (a table saved under this name) holds nothing of the window: say so, and
    // OK asks before replacing it. A hand-made file under another root that holds the elements reads.
    const bool settings =
        XML1->DocumentElement().NodeName() == QLatin1String("Par_Gen") ||
        std::any_of(std::begin(kParGenElements), std::end(kParGenElements), [&](const ParGenElement& e) {
            return !root.FindNode(QString::fromLatin1(e.Element)).IsNull();
        });
    if (!settings) {
        Load_Defaults();
        MessageDlg(QString("The file \"%1\" could not be read (%2); the default settings are shown.")
                       .arg(File_ParGen, QStringLiteral("it holds no \"Par_Gen\" settings")),
                   mtError, mbOK, 0);
        return;
    }
    FLoadComplete = true;
    auto read = [&](const ParGenElement& e) {
        const TXMLNode node = root.FindNode(QString::fromLatin1(e.Element));
        if (!node.IsNull())
            ParGenPut(this, e, node.Text());
        else if (e.Default)
            ParGenPut(this, e, QString::fromLatin1(e.Default));
    };
    for (const ParGenElement& e : kParGenElements) {
        if (e.Control == QLatin1String("CB_EthConn_En_DHCP_WiFi")) {
            // The device has no DHCP on Wi-Fi yet: the box always shows unticked.
            CB_EthConn_En_DHCP_WiFi->SetChecked(false);
            continue;
        }
        read(e);
        if (e.Element == QLatin1String("OPC_UA_Server_EN_GAT"))
            for (const ParGenElement& old : kParGenOldDns)
                read(old);
    }
}

void TFParGen::FormShow(TObject*) {
    XML1->SetActive(true);
    FLoadComplete = true;
    if (PathExists(File_ParGen))
        Load_File();
    else
        Load_Defaults();
    Move_GroupBoxs();
}

bool TFParGen::Save_File() {
    XML1->SetActive(true);
    XML1->Clear();
    TXMLNode root = XML1->AddChild("Par_Gen");
    XML1->AppendComment("SW_VERSION = " + Program_Version);
    for (const ParGenElement& e : kParGenElements)
        root.AddChild(QString::fromLatin1(e.Element)).SetText(ParGenGet(this, e));
    if (XML1->SaveToFile(File_ParGen)) return true;
    MessageDlg(QString("The file \"%1\" could not be written (%2); the settings were not saved.")
                   .arg(File_ParGen, XML1->ErrorText()),
               mtError, mbOK, 0);
    return false;
}

// ---- Data check and saving -----------------------------------------------------------------------------

bool TFParGen::Controllo_Dati() {
    auto fails = [this](const ParGenCheck& c) {
        if (c.Gate && !Box(QString::fromLatin1(c.Gate))->Checked()) return false;
        const Integer v = ParseCellInt(Edit(QString::fromLatin1(c.Field))->Text());
        return v < c.Low || v > c.High || v == c.Excluded;
    };
    // The field the message names comes into sight and takes the focus, so the person can mend it at once.
    auto refuse = [](int message, TWinControl* field) {
        MessageDlg(ParGenText(message), mtError, mbOK, 0);
        for (TWinControl* p = field->Parent(); p; p = p->Parent())
            if (auto* panel = dynamic_cast<TCategoryPanel*>(p)) panel->Expand();
        if (field->CanFocus()) field->SetFocus();
        return false;
    };
    for (const ParGenCheck& c : kParGenChecks)
        if (fails(c)) return refuse(c.Message, Edit(QString::fromLatin1(c.Field)));
    if (CB_Serial_StopBits->ItemIndex() >= 1 && Cb_Serial_Parity->ItemIndex() >= 1)
        return refuse(kParGenStopBitsMessage, CB_Serial_StopBits);
    if (fails(kParGenPollTime)) return refuse(kParGenPollTime.Message, E_NTP_Poll_Time);
    return true;
}

void TFParGen::Btn_OKClick(TObject*) {
    if (!Controllo_Dati()) return;
    if (!Confirm_Save_Through_Link(File_ParGen)) return;
    if (!FLoadComplete && FileExists(File_ParGen) &&
        MessageDlg(ParGenText(Text_Overwrite_Unread_Settings), mtConfirmation, mbYesNo) != mrYes)
        return;
    if (!Save_File()) return;
    FLoadComplete = true;
    SetModalResult(mrOk);
}

// ---- Keys, clicks and the wheel ------------------------------------------------------------------------

void TFParGen::KeyPress(TObject* Sender, QChar& Key) {
    if (Key != QChar('.')) return;
    Key = QChar();
    auto* sender = dynamic_cast<TComponent*>(Sender);
    if (!sender) return;
    for (const auto& chain : kParGenDotChains)
        for (int i = 0; i + 1 < 12 && chain[i + 1]; ++i) {
            if (sender->Name() != QLatin1String(chain[i])) continue;
            TEdit* next = Edit(QString::fromLatin1(chain[i + 1]));
            if (next->CanFocus()) next->SetFocus();
            return;
        }
}

void TFParGen::On_Click(TObject* Sender) {
    auto* sender = dynamic_cast<TComponent*>(Sender);
    if (!sender) return;
    for (const char* name : kParGenLayoutBoxes)
        if (sender->Name() == QLatin1String(name)) {
            Move_GroupBoxs();
            return;
        }
}

void TFParGen::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled) {
    const TPoint p = CPG->ScreenToClient(MousePos);
    const TRect r = CPG->ClientRect();
    Handled = p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
    if (!Handled) return;
    for (int i = WheelScrollLines(); i >= 1; --i) {
        CPG->Perform(WM_VSCROLL, WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        CPG->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
    }
}

// ---- Texts ---------------------------------------------------------------------------------------------

void TFParGen::Set_Lang() {
    SetCaption(ParGenText(400));
    L_SW_Desc->SetCaption(ParGenText(401));
    Btn_OK->SetCaption(ParGenText(402));
    Btn_Cancel->SetCaption(ParGenText(403));
    Btn_OK->SetHint(ParGenText(404));
    Btn_Cancel->SetHint(ParGenText(405));
    for (const auto& [control, slot] : FTextSlots) {
        if (slot.Hint)
            control->SetHint(ParGenText(slot.Number));
        else
            control->SetCaption(ParGenText(slot.Number));
    }
    for (const ParGenTextList& l : kParGenTextLists) {
        TComboBox* list = List(QString::fromLatin1(l.List));
        QStringList items;
        for (int n = l.First; n <= l.Last; ++n)
            items.append(ParGenText(n));
        list->Clear();
        list->SetItems(items);
        list->SetItemIndex(0);
    }
}
