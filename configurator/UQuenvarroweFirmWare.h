// The main window: the wizard page with this model's steps, the program's start-up state, the version
// check and the language change of every window.
#pragma once

#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/ExtCtrls.h"

#include <array>
#include <memory>

class TLabel;
class TLinkLabel;
class TShape;
class TSbButton;
class TTimer;
class TSaveDialog;
class TXMLDocument;
class THttpClient;

class TFQuenvarroweFirmWare : public TForm {
public:
    explicit TFQuenvarroweFirmWare(TComponent* AOwner);
    ~TFQuenvarroweFirmWare() override;
    String ClassName() const override { return "TFQuenvarroweFirmWare"; }

    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLinkLabel* LL_Update = nullptr;
    TSbButton* Btn_Info = nullptr;
    TSbButton* Btn_Opz = nullptr;
    TSbButton* Btn_Close = nullptr;
    TTimer* Timer_Update = nullptr;
    TSaveDialog* SD1 = nullptr;
    TSaveDialog* SaveEDS = nullptr;
    TSaveDialog* SaveMIB = nullptr;
    TXMLDocument* XML1 = nullptr;
    THttpClient* HTTP1 = nullptr;
    TLabel* L_Name_Conf = nullptr;
    TLabel* L_Name_Conf_L2 = nullptr;
    TShape* Shape2 = nullptr;
    TLabel* L_Begin = nullptr;
    std::array<TLabel*, 8> L_Step{}; // L_Step_1 .. L_Step_8
    TShape* Shape1 = nullptr;
    TLabel* L_Orvane = nullptr;

    TSbButton* Btn_New = nullptr;
    TSbButton* Btn_Open = nullptr;
    TSbButton* Btn_Prm_Gen = nullptr;
    TSbButton* Btn_OPC_UA_Server_Access = nullptr;
    TSbButton* Btn_CreateBin = nullptr;
    TSbButton* Btn_Modbus_Set_Access = nullptr;
    TSbButton* Btn_BACnet_SetAccess = nullptr;
    TSbButton* Btn_BACnet_EDE_File = nullptr;
    TSbButton* Btn_CAN_Rec_Frame = nullptr;
    TSbButton* Btn_CAN_Send_Frame = nullptr;
    TSbButton* Btn_PDO_CANopen = nullptr;
    TSbButton* Btn_SDO_Client_CANopen = nullptr;
    TSbButton* Btn_SDO_Server_CANopen = nullptr;
    TSbButton* Btn_CANopen_EDS = nullptr;
    TSbButton* Btn_MQTT_Set_Topic = nullptr;
    TSbButton* Btn_PROFINET_XML = nullptr;
    TSbButton* Btn_DNet_Net = nullptr;
    TSbButton* Btn_DNet_Offset = nullptr;
    TSbButton* Btn_DMX_Default = nullptr;
    TSbButton* Btn_KNX_Access = nullptr;
    TSbButton* Btn_SNMP_Manager_Access = nullptr;
    TSbButton* Btn_EtherNetIP_Access = nullptr;
    TSbButton* Btn_SNMP_Trap = nullptr;
    TSbButton* Btn_SNMP_MIB = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Btn_Click(TObject* Sender);
    void L_OrvaneClick(TObject* Sender);
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const String& Link, TSysLinkType LinkType);

    void Set_Lang();
    void Change_Language();
    void Set_Files();
    void Save_Setting();
    void Create_New_Project();
    void Open_Project();
    void Update_Device();
    // The description-file steps (their buttons belong to the models that have them).
    void BACnet_EDE_File();
    void Build_EDS_File();
    void PROFINET_XML();
    // The BACnet server kind of the open configuration ("BACnet_Type" of "ParGen.xml"); 0 when missing.
    Integer Get_Type_BACnet();
    // Starts an outside program (`tipo` true: hidden) and waits for its end, at most 150 s. The windows keep
    // painting and show a busy cursor meanwhile; input is held back until it returns.
    void Start_Program(const String& NomeSW, const String& Parameter, bool tipo);

private:
    struct StepAction;
    void Layout_Steps();
    void Show_Configuration_State();
    void Enable_Version_Timer();
    // The window a step button opens, or null for the buttons that run an action.
    TCustomForm* Step_Window(TObject* Sender) const;
};

extern TFQuenvarroweFirmWare* FQuenvarroweFirmWare;
