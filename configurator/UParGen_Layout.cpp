// The panel layout of the communication settings window: which panels each converter model shows, in what
// order and under which numbered titles, and how each panel sizes itself and arranges its fields.
#include "configurator/UParGen.h"

#include "core/ULanguage.h"
#include "toolkit/stdctrls/CategoryPanels.h"
#include "toolkit/stdctrls/StdCtrls.h"

#ifndef QV_MODEL
#define QV_MODEL "LD83K17"
#endif

namespace {

constexpr int kParGenRowPitch = 28;
// Edits and lists sit 3 pixels above their label's top so that their text lines up with the caption.
constexpr int kParGenFieldRaise = 3;

using TParGenReposition = void (TFParGen::*)();

struct ParGenPanel {
    const char* Name;
    int TitleText;
    TParGenReposition Reposition; // null: no model shows the panel
};

const ParGenPanel kParGenPanels[] = {
    {"CP_OPC_UA_Server", 406, &TFParGen::RePosition_Object_OPC_UA_Server},
    {"CP_MQTT", 423, &TFParGen::RePosition_Object_MQTT},
    {"CP_Ethernet", 450, &TFParGen::RePosition_Object_Ethernet},
    {"CP_WiFi", 473, &TFParGen::RePosition_Object_WiFi},
    {"CP_TLS", 549, &TFParGen::RePosition_Object_TLS},
    {"CP_NTP", 564, &TFParGen::RePosition_Object_NTP},
    {"CP_Modbus_Slave", 569, &TFParGen::RePosition_Object_Modbus_Slave},
    {"CP_Modbus_TCP_Slave", 582, &TFParGen::RePosition_Object_Modbus_TCP_Slave},
    {"CP_CAN", 601, &TFParGen::RePosition_Object_CAN},
    {"CP_CANopen", 604, &TFParGen::RePosition_Object_CANopen},
    {"CP_J1939", 616, &TFParGen::RePosition_Object_J1939},
    {"CP_DeviceNet_Slave", 625, &TFParGen::RePosition_Object_DeviceNet_Slave},
    {"CP_DeviceNet_Master", 634, &TFParGen::RePosition_Object_DeviceNet_Master},
    {"CP_EtherNetIP", 639, &TFParGen::RePosition_Object_EtherNetIP},
    {"CP_PROFINET", 665, &TFParGen::RePosition_Object_PROFINET},
    {"CP_PROFIBUS", 693, nullptr},
    {"CP_NMEA2000", 702, &TFParGen::RePosition_Object_NMEA2000},
    {"CP_DMX", 709, &TFParGen::RePosition_Object_DMX},
    {"CP_KNX", 714, &TFParGen::RePosition_Object_KNX},
    {"CP_SNMP_Agent", 719, &TFParGen::RePosition_Object_SNMP_Agent},
    {"CP_EtherNetIP_Master", 758, &TFParGen::RePosition_Object_EtherNetIP_Master},
    {"CP_SNMP_Manager", 777, &TFParGen::RePosition_Object_SNMP_Manager},
    {"CP_BACnet_Master", 795, &TFParGen::RePosition_Object_BACnet_Master},
    {"CP_BACnet_Slave", 836, &TFParGen::RePosition_Object_BACnet_Slave},
    {"CP_Ethernet_Connection", 1151, &TFParGen::RePosition_Object_Ethernet_Connection},
    {"CP_Modbus_Master", 879, &TFParGen::RePosition_Object_Modbus_Master},
    {"CP_Modbus_TCP_Master", 892, &TFParGen::RePosition_Object_Modbus_TCP_Master},
    {"CP_Serial", 913, &TFParGen::RePosition_Object_Serial},
};

const ParGenPanel* FindParGenPanel(const String& name) {
    for (const ParGenPanel& p : kParGenPanels)
        if (name == QLatin1String(p.Name)) return &p;
    return nullptr;
}

struct ParGenModel {
    const char* Name;
    // The panels between the OPC UA server and NTP; a model without panels shows none at all.
    std::vector<const char*> Middle;
    bool HasPanels = true;
};

const std::vector<ParGenModel>& ParGenModels() {
    static const std::vector<ParGenModel> models = {
        {"LD83K17", {"CP_Serial"}},
        {"LD83K18", {"CP_Modbus_Master"}},
        {"LD83K19", {"CP_Modbus_Slave"}},
        {"LD83K20", {"CP_Modbus_TCP_Master"}},
        {"LD83K21", {"CP_Modbus_TCP_Slave"}},
        {"LD83K22", {"CP_BACnet_Master"}},
        {"LD83K23", {"CP_BACnet_Slave"}},
        {"LD83K24", {"CP_CAN"}},
        {"LD83K25", {"CP_CANopen"}},
        {"LD83K26", {"CP_DeviceNet_Master"}},
        {"LD83K27", {"CP_DeviceNet_Slave"}},
        {"LD83K28", {"CP_DMX"}},
        {"LD83K29", {"CP_EtherNetIP_Master"}},
        {"LD83K30", {"CP_EtherNetIP"}},
        {"LD83K31", {"CP_J1939"}},
        {"LD83K32", {"CP_KNX"}},
        {"LD83K33", {"CP_MQTT", "CP_Ethernet", "CP_WiFi", "CP_TLS"}},
        {"LD83K34", {}, false},
        {"LD83K35", {"CP_NMEA2000"}},
        {"LD83K36", {}, false},
        {"LD83K37", {"CP_PROFINET"}},
        {"LD83K38", {"CP_SNMP_Manager"}},
        {"LD83K39", {"CP_SNMP_Agent"}},
    };
    return models;
}

std::vector<const char*> ParGenModelPanels(const String& model) {
    for (const ParGenModel& m : ParGenModels()) {
        if (model != QLatin1String(m.Name)) continue;
        if (!m.HasPanels) return {};
        std::vector<const char*> panels = {"CP_Ethernet_Connection", "CP_OPC_UA_Server"};
        panels.insert(panels.end(), m.Middle.begin(), m.Middle.end());
        panels.push_back("CP_NTP");
        return panels;
    }
    return {};
}

// The panels whose size follows only their lowest field, which is always the same one; some of them
// also hold an address of the converter that follows the DHCP box.
struct ParGenFixedPanel {
    const char* Panel;
    const char* Lowest;
    const char* BytePrefix; // null: no address of the converter
    const char* GatewayBox; // null: the Gateway box stays enabled whatever DHCP says
};

const ParGenFixedPanel kParGenFixedPanels[] = {
    {"CP_Ethernet_Connection", "E_EthConn_Sec_DNS_IP4", nullptr, nullptr},
    {"CP_OPC_UA_Server", "E_OPC_UA_Server_Reset_Inactivity", "E_OPC_UA_Server_", nullptr},
    {"CP_Serial", "CB_Serial_StopBits", nullptr, nullptr},
    {"CP_NTP", "E_NTP_Poll_Time", nullptr, nullptr},
    {"CP_Modbus_Master", "E_ModbusMaster_CyclicDelay", nullptr, nullptr},
    {"CP_Modbus_Slave", "CB_ModbusSlave_ReadInput", nullptr, nullptr},
    {"CP_Modbus_TCP_Master", "E_ModbusTCPMaster_CyclicDelay", "E_ModbusTCPMaster_",
     "CB_ModbusTCPMaster_En_GAT"},
    {"CP_Modbus_TCP_Slave", "E_ModbusTCPSlave_Port", "E_ModbusTCPSlave_", "CB_ModbusTCPSlave_En_GAT"},
    {"CP_CAN", "CB_CAN_Baudrate", nullptr, nullptr},
    {"CP_CANopen", "E_CANopen_SDO_Timeout", nullptr, nullptr},
    {"CP_DeviceNet_Master", "CB_DeviceNet_Master_Baudrate", nullptr, nullptr},
    {"CP_DeviceNet_Slave", "E_DeviceNet_Slave_NumByteOut", nullptr, nullptr},
    {"CP_DMX", "E_DMX_ChannelNum", nullptr, nullptr},
    {"CP_J1939", "E_J1939_ID_Device", nullptr, nullptr},
    {"CP_KNX", "E_KNX_IDDevice", nullptr, nullptr},
    {"CP_NMEA2000", "CB_NMEA2000_Peer_To_Peer", nullptr, nullptr},
    {"CP_EtherNetIP_Master", "E_EtherNetIP_Master_Port", "E_EtherNetIP_Master_", nullptr},
    {"CP_EtherNetIP", "E_EtherNetIP_NByte_Out", "E_EtherNetIP_", nullptr},
    {"CP_PROFINET", "E_PROFINET_NByte_Out", "E_PROFINET_", nullptr},
    {"CP_SNMP_Manager", "E_SNMP_Manager_NameStation", "E_SNMP_Manager_", nullptr},
    {"CP_Ethernet", "E_Ethernet_GAT4", "E_Ethernet_", "CB_Ethernet_En_GAT"},
};

// One row of fields: a label or a heading check box, the fields, and the "." labels of an address.
class ParGenRow {
public:
    ParGenRow(const TFParGen* form, std::initializer_list<const char*> names) {
        for (const char* n : names)
            Add(form, QString::fromLatin1(n));
    }
    // A four-byte address row: `head` (its label or check box), the bytes `base`1..4 and the dots between.
    static ParGenRow Address(const TFParGen* form, const char* head, const char* base) {
        ParGenRow row(form, {head});
        const String b = QString::fromLatin1(base);
        const String dots = "L_" + b.mid(b.indexOf('_') + 1) + "_Dot";
        for (int i = 1; i <= 4; ++i) {
            row.Add(form, b + QString::number(i));
            if (i < 4) row.Add(form, dots + QString::number(i), true);
        }
        return row;
    }

    int Top() const { return FControls.front()->Top(); }
    void Show(bool visible) const {
        for (TControl* c : FControls)
            c->SetVisible(visible);
    }
    // Puts the row with its caption at `top`: labels and check boxes there, edits and lists a little higher,
    // the dots of an address level with a label or one pixel below a heading check box.
    void MoveTo(int top) const {
        const bool boxHead = dynamic_cast<TCheckBox*>(FControls.front()) != nullptr;
        for (size_t i = 0; i < FControls.size(); ++i) {
            TControl* c = FControls[i];
            if (FDot[i])
                c->SetTop(boxHead ? top + 1 : top);
            else if (dynamic_cast<TLabel*>(c) || dynamic_cast<TCheckBox*>(c))
                c->SetTop(top);
            else
                c->SetTop(top - kParGenFieldRaise);
        }
    }
    void Place(int top) const {
        MoveTo(top);
        Show(true);
    }

private:
    void Add(const TFParGen* form, const String& name, bool dot = false) {
        TComponent* c = form->FindComponent(name);
        auto* control = dynamic_cast<TControl*>(c);
        if (!control) throw Exception("The communication settings window has no control " + name);
        FControls.push_back(control);
        FDot.push_back(dot);
    }
    std::vector<TControl*> FControls;
    std::vector<bool> FDot;
};

// Two groups of rows that share one place in a panel (the IP and the MS/TP fields of a BACnet side): the
// first as designed, or the second stacked from the first one's top. Answers the top of the next free row.
template <size_t N, size_t M>
int ShowOneOf(const ParGenRow (&first)[N], const ParGenRow (&second)[M], bool showFirst) {
    if (showFirst) {
        for (const ParGenRow& r : first)
            r.Show(true);
        for (const ParGenRow& r : second)
            r.Show(false);
        return first[N - 1].Top() + kParGenRowPitch;
    }
    const int top = first[0].Top();
    for (const ParGenRow& r : first)
        r.Show(false);
    int k = 0;
    for (const ParGenRow& r : second)
        r.Place(top + kParGenRowPitch * k++);
    return top + kParGenRowPitch * k;
}

} // namespace

String ParGen_Model() {
    return QStringLiteral(QV_MODEL);
}

QStringList ParGen_Models() {
    QStringList list;
    for (const ParGenModel& m : ParGenModels())
        list.append(QString::fromLatin1(m.Name));
    return list;
}

void TFParGen::Order_TAB_Panels() {
    Order_TAB_Panels_Model(ParGen_Model());
}

void TFParGen::Move_GroupBoxs() {
    RePosition_Objects_Model(ParGen_Model());
}

void TFParGen::Order_TAB_Panels_Model(const String& model) {
    TCategoryPanel* previous = nullptr;
    int k = 1;
    for (const char* name : ParGenModelPanels(model)) {
        TCategoryPanel* p = Panel(QString::fromLatin1(name));
        p->Show();
        p->SetTop(previous ? previous->Top() + previous->Height() : 0);
        p->SetCaption(QString("%1. ").arg(k) + Lang_Texts->Strings(FindParGenPanel(name)->TitleText));
        p->SetTabOrder(k - 1);
        previous = p;
        ++k;
    }
}

void TFParGen::RePosition_Objects_Model(const String& model) {
    for (const char* name : ParGenModelPanels(model))
        (this->*FindParGenPanel(name)->Reposition)();
}

void TFParGen::Fit_Panel(const char* panel, const char* lowest) {
    TControl* c = Ctl(QString::fromLatin1(lowest));
    Panel(QString::fromLatin1(panel))->SetHeight(c->Top() + c->Height() + CPG->HeaderHeight() + 12);
}

void TFParGen::Follow_DHCP(const char* bytePrefix, const char* gatewayBox) {
    const bool enabled = !CB_EthConn_En_DHCP_Cable->Checked();
    const String prefix = QString::fromLatin1(bytePrefix);
    for (const char* part : {"IP", "SM", "GAT"})
        for (int i = 1; i <= 4; ++i)
            Ctl(prefix + part + QString::number(i))->SetEnabled(enabled);
    if (gatewayBox) Ctl(QString::fromLatin1(gatewayBox))->SetEnabled(enabled);
}

void TFParGen::Fixed_Panel(const char* panel) {
    for (const ParGenFixedPanel& f : kParGenFixedPanels) {
        if (qstrcmp(f.Panel, panel) != 0) continue;
        if (f.BytePrefix) Follow_DHCP(f.BytePrefix, f.GatewayBox);
        Fit_Panel(f.Panel, f.Lowest);
        return;
    }
}

void TFParGen::RePosition_Object_Ethernet_Connection() {
    CB_EthConn_En_DHCP_WiFi->SetEnabled(false);
    Fixed_Panel("CP_Ethernet_Connection");
}

void TFParGen::RePosition_Object_OPC_UA_Server() {
    Fixed_Panel("CP_OPC_UA_Server");
}
void TFParGen::RePosition_Object_Serial() {
    Fixed_Panel("CP_Serial");
}
void TFParGen::RePosition_Object_NTP() {
    Fixed_Panel("CP_NTP");
}
void TFParGen::RePosition_Object_Modbus_Master() {
    Fixed_Panel("CP_Modbus_Master");
}
void TFParGen::RePosition_Object_Modbus_Slave() {
    Fixed_Panel("CP_Modbus_Slave");
}
void TFParGen::RePosition_Object_Modbus_TCP_Master() {
    Fixed_Panel("CP_Modbus_TCP_Master");
}
void TFParGen::RePosition_Object_Modbus_TCP_Slave() {
    Fixed_Panel("CP_Modbus_TCP_Slave");
}
void TFParGen::RePosition_Object_CAN() {
    Fixed_Panel("CP_CAN");
}
void TFParGen::RePosition_Object_CANopen() {
    Fixed_Panel("CP_CANopen");
}
void TFParGen::RePosition_Object_DeviceNet_Master() {
    Fixed_Panel("CP_DeviceNet_Master");
}
void TFParGen::RePosition_Object_DeviceNet_Slave() {
    Fixed_Panel("CP_DeviceNet_Slave");
}
void TFParGen::RePosition_Object_DMX() {
    Fixed_Panel("CP_DMX");
}
void TFParGen::RePosition_Object_J1939() {
    Fixed_Panel("CP_J1939");
}
void TFParGen::RePosition_Object_KNX() {
    Fixed_Panel("CP_KNX");
}
void TFParGen::RePosition_Object_NMEA2000() {
    Fixed_Panel("CP_NMEA2000");
}
void TFParGen::RePosition_Object_EtherNetIP_Master() {
    Fixed_Panel("CP_EtherNetIP_Master");
}
void TFParGen::RePosition_Object_EtherNetIP() {
    Fixed_Panel("CP_EtherNetIP");
}
void TFParGen::RePosition_Object_SNMP_Manager() {
    Fixed_Panel("CP_SNMP_Manager");
}

void TFParGen::RePosition_Object_PROFINET() {
    ParGenRow(this, {"CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic"}).Show(false);
    Fixed_Panel("CP_PROFINET");
}

void TFParGen::RePosition_Object_Ethernet() {
    ParGenRow(this,
              {"L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port"})
        .Show(false);
    Fixed_Panel("CP_Ethernet");
}

void TFParGen::RePosition_Object_BACnet_Master() {
    const ParGenRow ipRows[] = {
        ParGenRow::Address(this, "L_BACnet_IP_Master_IP", "E_BACnet_IP_Master_IP"),
        ParGenRow::Address(this, "L_BACnet_IP_Master_SM", "E_BACnet_IP_Master_SM"),
        ParGenRow::Address(this, "CB_BACnet_IP_Master_GAT", "E_BACnet_IP_Master_GAT"),
        ParGenRow(this, {"L_BACnet_IP_Master_Port", "E_BACnet_IP_Master_Port"}),
        ParGenRow(this, {"L_BACnet_IP_Master_Device_Name", "E_BACnet_IP_Master_Device_Name"}),
        ParGenRow(this, {"L_BACnet_IP_Master_Device_Identifier", "E_BACnet_IP_Master_Device_Identifier"}),
        ParGenRow(this, {"L_BACnet_IP_Master_TimeOut_Polling", "E_BACnet_IP_Master_TimeOut_Polling"}),
    };
    const ParGenRow mstpRows[] = {
        ParGenRow(this, {"L_BACnet_MSTP_Master_Baudrate", "CB_BACnet_MSTP_Master_Baudrate"}),
        ParGenRow(this, {"L_BACnet_MSTP_Master_Parity", "CB_BACnet_MSTP_Master_Parity"}),
        ParGenRow(this, {"L_BACnet_MSTP_Master_Device_Name", "E_BACnet_MSTP_Master_Device_Name"}),
        ParGenRow(this, {"L_BACnet_MSTP_Master_MAC_Address", "E_BACnet_MSTP_Master_MAC_Address"}),
        ParGenRow(this, {"L_BACnet_MSTP_Master_Max_Master", "E_BACnet_MSTP_Master_Max_Master"}),
        ParGenRow(this, {"L_BACnet_MSTP_Master_Max_Info_Frame", "E_BACnet_MSTP_Master_Max_Info_Frame"}),
        ParGenRow(this, {"L_BACnet_MSTP_Master_Device_Instance", "E_BACnet_MSTP_Master_Device_Instance"}),
    };
    const bool ip = List("CB_BACnet_Master_Type")->ItemIndex() == 0;
    ShowOneOf(ipRows, mstpRows, ip);
    if (ip) {
        Fit_Panel("CP_BACnet_Master", "E_BACnet_IP_Master_TimeOut_Polling");
        Follow_DHCP("E_BACnet_IP_Master_", nullptr);
    } else
        Fit_Panel("CP_BACnet_Master", "E_BACnet_MSTP_Master_Device_Instance");
}

void TFParGen::RePosition_Object_BACnet_Slave() {
    const ParGenRow ipRows[] = {
        ParGenRow::Address(this, "L_BACnet_IP_Slave_IP", "E_BACnet_IP_Slave_IP"),
        ParGenRow::Address(this, "L_BACnet_IP_Slave_SM", "E_BACnet_IP_Slave_SM"),
        ParGenRow::Address(this, "CB_BACnet_IP_Slave_GAT", "E_BACnet_IP_Slave_GAT"),
        ParGenRow(this, {"L_BACnet_IP_Slave_Port", "E_BACnet_IP_Slave_Port"}),
        ParGenRow(this, {"L_BACnet_IP_Slave_Device_Name", "E_BACnet_IP_Slave_Device_Name"}),
        ParGenRow(this, {"L_BACnet_IP_Slave_Device_Identifier", "E_BACnet_IP_Slave_Device_Identifier"}),
    };
    const ParGenRow mstpRows[] = {
        ParGenRow(this, {"L_BACnet_MSTP_Slave_Baudrate", "CB_BACnet_MSTP_Slave_Baudrate"}),
        ParGenRow(this, {"L_BACnet_MSTP_Slave_Parity", "CB_BACnet_MSTP_Slave_Parity"}),
        ParGenRow(this, {"L_BACnet_MSTP_Slave_Device_Name", "E_BACnet_MSTP_Slave_Device_Name"}),
        ParGenRow(this, {"L_BACnet_MSTP_Slave_MAC_Address", "E_BACnet_MSTP_Slave_MAC_Address"}),
        ParGenRow(this, {"L_BACnet_MSTP_Slave_Max_Master", "E_BACnet_MSTP_Slave_Max_Master"}),
        ParGenRow(this, {"L_BACnet_MSTP_Slave_Max_Info_Frame", "E_BACnet_MSTP_Slave_Max_Info_Frame"}),
        ParGenRow(this, {"L_BACnet_MSTP_Slave_Device_Instance", "E_BACnet_MSTP_Slave_Device_Instance"}),
        ParGenRow(this, {"L_BACnet_MSTP_Slave_Network", "E_BACnet_MSTP_Slave_Network"}),
    };
    const ParGenRow desc(this, {"CB_BACnet_Slave_Desc_32_Chars"});
    const bool ip = List("CB_BACnet_Slave_Type")->ItemIndex() == 0;
    desc.Place(ShowOneOf(ipRows, mstpRows, ip));
    if (ip) Follow_DHCP("E_BACnet_IP_Slave_", nullptr);
    Fit_Panel("CP_BACnet_Slave", "CB_BACnet_Slave_Desc_32_Chars");
}

void TFParGen::RePosition_Object_MQTT() {
    const ParGenRow will[] = {
        ParGenRow(this, {"L_MQTT_Will_TopicName", "E_MQTT_Will_TopicName"}),
        ParGenRow(this, {"L_MQTT_Will_Message", "E_MQTT_Will_Message"}),
        ParGenRow(this, {"CB_MQTT_Will_Retained"}),
        ParGenRow(this, {"L_MQTT_Will_QoS", "CB_MQTT_Will_QoS"}),
    };
    const ParGenRow publish(this, {"CB_MQTT_PublishTopicConnection"});
    const ParGenRow connection[] = {
        ParGenRow(this, {"L_MQTT_Connection_TopicName", "E_MQTT_Connection_TopicName"}),
        ParGenRow(this, {"L_MQTT_Connection_Message", "E_MQTT_Connection_Message"}),
        ParGenRow(this, {"CB_MQTT_Connection_Retained"}),
    };
    const ParGenRow user(this, {"L_MQTT_Username", "E_MQTT_Username"});
    const ParGenRow password(this, {"L_MQTT_Password", "E_MQTT_Password"});
    ParGenRow(this, {"L_MQTT_ASync_Send_Time", "E_MQTT_ASync_Send_Time"}).Show(false);

    const bool withWill = Box("CB_MQTT_WillFlag")->Checked();
    for (const ParGenRow& r : will)
        r.Show(withWill);
    const int v = withWill ? will[3].Top() + kParGenRowPitch : will[0].Top();
    publish.MoveTo(v);
    int userTop = v + kParGenRowPitch;
    if (Box("CB_MQTT_PublishTopicConnection")->Checked()) {
        int k = 1;
        for (const ParGenRow& r : connection)
            r.Place(v + kParGenRowPitch * k++);
        userTop = v + 4 * kParGenRowPitch;
    } else {
        for (const ParGenRow& r : connection)
            r.Show(false);
    }
    user.MoveTo(userTop);
    password.MoveTo(userTop + kParGenRowPitch);
    Fit_Panel("CP_MQTT", "E_MQTT_Password");
}

void TFParGen::RePosition_Object_TLS() {
    const ParGenRow server(this, {"CB_TLS_En_Server_Auth"});
    const ParGenRow serverCert(this, {"L_TLS_Server_Cert", "E_TLS_Server_Cert"});
    const ParGenRow client(this, {"CB_TLS_En_Client_Auth"});
    const ParGenRow clientRows[] = {
        ParGenRow(this, {"L_TLS_Client_Cert", "E_TLS_Client_Cert"}),
        ParGenRow(this, {"L_TLS_Client_Cert_Key", "E_TLS_Client_Cert_Key"}),
        ParGenRow(this, {"L_TLS_Client_Cert_Key_Pass", "E_TLS_Client_Cert_Key_Pass"}),
    };
    if (!Box("CB_TLS_Enable")->Checked()) {
        for (const ParGenRow* r : {&server, &serverCert, &client})
            r->Show(false);
        for (const ParGenRow& r : clientRows)
            r.Show(false);
        Fit_Panel("CP_TLS", "CB_TLS_Enable");
        return;
    }
    server.Show(true);
    const bool withServerCert = Box("CB_TLS_En_Server_Auth")->Checked();
    serverCert.Show(withServerCert);
    client.Place((withServerCert ? serverCert.Top() : server.Top()) + kParGenRowPitch);
    if (Box("CB_TLS_En_Client_Auth")->Checked()) {
        int k = 1;
        for (const ParGenRow& r : clientRows)
            r.Place(client.Top() + kParGenRowPitch * k++);
        Fit_Panel("CP_TLS", "E_TLS_Client_Cert_Key_Pass");
    } else {
        for (const ParGenRow& r : clientRows)
            r.Show(false);
        Fit_Panel("CP_TLS", "CB_TLS_En_Client_Auth");
    }
}

void TFParGen::RePosition_Object_SNMP_Agent() {
    const ParGenRow user(this, {"L_SNMP_Agent_User", "E_SNMP_Agent_User"});
    const ParGenRow level(this, {"L_SNMP_Agent_SecurityLevel", "CB_SNMP_Agent_SecurityLevel"});
    const ParGenRow authority(this, {"L_SNMP_Agent_Authority", "E_SNMP_Agent_Authority",
                                     "L_SNMP_Agent_AuthorityMode", "CB_SNMP_Agent_AuthorityMode"});
    const ParGenRow privacy(this, {"L_SNMP_Agent_Privacy", "E_SNMP_Agent_Privacy", "L_SNMP_Agent_PrivacyMode",
                                   "CB_SNMP_Agent_PrivacyMode"});
    if (!Box("CB_SNMP_Agent_Version3")->Checked()) {
        for (const ParGenRow* r : {&user, &level, &authority, &privacy})
            r->Show(false);
        Fit_Panel("CP_SNMP_Agent", "CB_SNMP_Agent_Version3");
    } else {
        user.Show(true);
        level.Show(true);
        const int index = List("CB_SNMP_Agent_SecurityLevel")->ItemIndex();
        authority.Show(index != 0);
        privacy.Show(index != 0 && index != 1);
        Fit_Panel("CP_SNMP_Agent", index == 0   ? "CB_SNMP_Agent_SecurityLevel"
                                   : index == 1 ? "CB_SNMP_Agent_AuthorityMode"
                                                : "CB_SNMP_Agent_PrivacyMode");
    }
    Follow_DHCP("E_SNMP_Agent_", nullptr);
}

void TFParGen::RePosition_Object_WiFi() {
    const ParGenRow autoIp(this, {"CB_WiFi_IP_Auto"});
    const ParGenRow address = ParGenRow::Address(this, "L_WiFi_IP", "E_WiFi_IP");
    const ParGenRow mask = ParGenRow::Address(this, "L_WiFi_SM", "E_WiFi_SM");
    const ParGenRow gateway = ParGenRow::Address(this, "CB_WiFi_En_Gat", "E_WiFi_GAT");
    const ParGenRow dns = ParGenRow::Address(this, "CB_WiFi_En_DNS", "E_WiFi_DNS");
    const ParGenRow port(this, {"L_WiFi_Port", "E_WiFi_Port"});
    const ParGenRow ssid(this, {"L_WiFi_SSID", "E_WiFi_SSID"});
    const ParGenRow password(this, {"L_WiFi_Password", "E_WiFi_Password"});
    const ParGenRow secure(this, {"L_WiFi_Secure_Type", "CB_WiFi_Secure_Type"});
    const ParGenRow dhcp(this, {"CB_WiFi_En_DHCP"});
    const ParGenRow dhcpRows[] = {
        ParGenRow::Address(this, "L_WiFi_DHCP_First_IP", "E_WiFi_DHCP_First_IP"),
        ParGenRow::Address(this, "L_WiFi_DHCP_SM", "E_WiFi_DHCP_SM"),
        ParGenRow(this, {"L_WiFi_Lease_Time", "E_WiFi_Lease_Time"}),
    };
    const ParGenRow name(this, {"L_WiFi_Name", "E_WiFi_Name"});
    const ParGenRow maxClient(this, {"L_WiFi_Max_Client", "CB_WiFi_Max_Client"});
    const ParGenRow channel(this, {"L_WiFi_Channel", "CB_WiFi_Channel"});
    const ParGenRow wps(this, {"CB_WiFi_En_WPS"});

    const int t = Ctl("L_WiFi_Type")->Top();
    switch (List("CB_WiFi_Type")->ItemIndex()) {
    case 0: { // access point
        wps.Show(false);
        autoIp.Show(false);
        int k = 1;
        for (const ParGenRow* r : {&address, &mask, &gateway, &dns, &port, &ssid, &secure})
            r->Place(t + kParGenRowPitch * k++);
        int y = t + kParGenRowPitch * k;
        if (List("CB_WiFi_Secure_Type")->ItemIndex() != 0) {
            password.Place(y);
            y += kParGenRowPitch;
        } else {
            password.Show(false);
        }
        dhcp.Place(y);
        y += kParGenRowPitch;
        if (Box("CB_WiFi_En_DHCP")->Checked()) {
            for (const ParGenRow& r : dhcpRows) {
                r.Place(y);
                y += kParGenRowPitch;
            }
        } else {
            for (const ParGenRow& r : dhcpRows)
                r.Show(false);
        }
        maxClient.Place(y);
        channel.Place(y + kParGenRowPitch);
        name.Show(false);
        Fit_Panel("CP_WiFi", "CB_WiFi_Channel");
        break;
    }
    case 1: { // client of another access point
        wps.Show(false);
        autoIp.Place(t + kParGenRowPitch);
        int portTop;
        if (Box("CB_WiFi_IP_Auto")->Checked()) {
            for (const ParGenRow* r : {&address, &mask, &gateway, &dns})
                r->Show(false);
            name.Place(t + 2 * kParGenRowPitch);
            portTop = t + 3 * kParGenRowPitch;
        } else {
            int k = 2;
            for (const ParGenRow* r : {&address, &mask, &gateway, &dns})
                r->Place(t + kParGenRowPitch * k++);
            name.Show(false);
            portTop = t + 6 * kParGenRowPitch;
        }
        port.Place(portTop);
        ssid.Place(portTop + kParGenRowPitch);
        password.Place(portTop + 2 * kParGenRowPitch);
        for (const ParGenRow* r : {&secure, &dhcp, &maxClient, &channel})
            r->Show(false);
        for (const ParGenRow& r : dhcpRows)
            r.Show(false);
        Fit_Panel("CP_WiFi", "E_WiFi_Password");
        break;
    }
    default: // Wi-Fi direct, or nothing chosen: the panel stays as it is
        break;
    }
}
