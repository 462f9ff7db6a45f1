// TFParGen: the communication settings window. Its fields live in collapsible panels, one per protocol
// side of the converter family; the model the program is built for decides which panels show. The window
// loads, checks and writes the configuration's "ParGen.xml".
#pragma once

#include "toolkit/controls/Forms.h"

#include <vector>

class TCategoryPanel;
class TCategoryPanelGroup;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSbButton;
class TXMLDocument;

// One text of the interface text table and the caption (or hint) of the component it goes into.
struct TParGenTextSlot {
    int Number;
    const char* Component;
    bool Hint;
};
const std::vector<TParGenTextSlot>& ParGen_Text_Slots();

// The converter model the program is built for ("LD83K17" unless the build chose another).
String ParGen_Model();
// Every model the window can lay out, in the family's order.
QStringList ParGen_Models();

class TFParGen : public TForm {
public:
    explicit TFParGen(TComponent* AOwner);
    ~TFParGen() override;
    String ClassName() const override { return "TFParGen"; }

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    // True when every field passes; otherwise shows the first failure's message and answers false.
    bool Controllo_Dati();
    void Btn_OKClick(TObject* Sender);
    using TCustomForm::KeyPress;
    void KeyPress(TObject* Sender, QChar& Key);
    void On_Click(TObject* Sender);
    void Set_Lang();

    // The panels of the model the program is built for: shown, stacked, numbered and titled (once, at
    // creation), then sized and their dependent fields shown, moved or enabled (whenever states change).
    void Order_TAB_Panels();
    void Move_GroupBoxs();
    // The same for a named model of ParGen_Models(); an unknown model shows nothing.
    void Order_TAB_Panels_Model(const String& model);
    void RePosition_Objects_Model(const String& model);

    void RePosition_Object_OPC_UA_Server();
    void RePosition_Object_MQTT();
    void RePosition_Object_Ethernet();
    void RePosition_Object_WiFi();
    void RePosition_Object_TLS();
    void RePosition_Object_NTP();
    void RePosition_Object_Modbus_Slave();
    void RePosition_Object_Modbus_TCP_Slave();
    void RePosition_Object_CAN();
    void RePosition_Object_CANopen();
    void RePosition_Object_J1939();
    void RePosition_Object_DeviceNet_Slave();
    void RePosition_Object_DeviceNet_Master();
    void RePosition_Object_EtherNetIP();
    void RePosition_Object_PROFINET();
    void RePosition_Object_NMEA2000();
    void RePosition_Object_DMX();
    void RePosition_Object_KNX();
    void RePosition_Object_SNMP_Agent();
    void RePosition_Object_EtherNetIP_Master();
    void RePosition_Object_SNMP_Manager();
    void RePosition_Object_BACnet_Master();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_Modbus_Master();
    void RePosition_Object_Modbus_TCP_Master();
    void RePosition_Object_Serial();

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TCategoryPanelGroup* CPG = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TXMLDocument* XML1 = nullptr;

    TCategoryPanel* CP_Ethernet_Connection = nullptr;
    TEdit* E_EthConn_Device_Name = nullptr;
    TCheckBox* CB_EthConn_En_DHCP_Cable = nullptr;
    TCheckBox* CB_EthConn_En_DHCP_WiFi = nullptr;
    TCheckBox* CB_EthConn_Enable_DNS = nullptr;

    TCategoryPanel* CP_OPC_UA_Server = nullptr;
    TCheckBox* CB_OPC_UA_Server_En_GAT = nullptr;
    TEdit* E_OPC_UA_Server_Port = nullptr;
    TCheckBox* L_OPC_UA_Server_Reset_Inactivity = nullptr;
    TEdit* E_OPC_UA_Server_Reset_Inactivity = nullptr;

    TCategoryPanel* CP_Serial = nullptr;
    TComboBox* CB_Serial_Serial = nullptr;
    TComboBox* CB_Serial_Baudrate = nullptr;
    TComboBox* Cb_Serial_Parity = nullptr;
    TComboBox* CB_Serial_StopBits = nullptr;

    TCategoryPanel* CP_NTP = nullptr;
    TEdit* E_NTP_Server_URL = nullptr;
    TEdit* E_NTP_Poll_Time = nullptr;

private:
    TControl* Ctl(const String& name) const;
    TEdit* Edit(const String& name) const;
    TCheckBox* Box(const String& name) const;
    TComboBox* List(const String& name) const;
    TCategoryPanel* Panel(const String& name) const;
    void Load_Defaults();
    void Load_File();
    bool Save_File();
    // The height rule: the lowest visible control's bottom, the header and a margin.
    void Fit_Panel(const char* panel, const char* lowest);
    // The twelve address bytes of a panel follow the DHCP box of the Ethernet connection.
    void Follow_DHCP(const char* bytePrefix, const char* gatewayBox);
    void Fixed_Panel(const char* panel);

    std::vector<std::pair<TControl*, TParGenTextSlot>> FTextSlots;
    // False after a showing whose file could not be read whole: OK then asks before replacing it.
    bool FLoadComplete = true;
};

extern TFParGen* FParGen;
