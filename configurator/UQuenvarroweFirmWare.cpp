// The main window: creation and start-up state, step dispatch, the version timer and language changes.
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/UMakerSite.h"
#include "core/USave_Target.h"

#include "configurator/UAbout.h"
#include "configurator/UBoot.h"
#include "configurator/UNew_Project.h"
#include "configurator/UOPC_UA_Server_Access.h"
#include "configurator/UOpenConf.h"
#include "configurator/UParGen.h"
#include "configurator/USoftOptions.h"
#include "configurator/UStartProgram.h"
#include "configurator/UWindows.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "generators/UBACnet_EDE_File.h"
#include "generators/UEds.h"
#include "generators/UProfinetFileName.h"
#include "generators/UProfinetXML.h"
#include "generators/USNMP_MIB.h"
#include "tables/fieldbus/UDMXDefVal.h"
#include "tables/fieldbus/UDNet.h"
#include "tables/fieldbus/UDefOffset.h"
#include "tables/fieldbus/UReceiveCAN.h"
#include "tables/fieldbus/USet_PDO_Access.h"
#include "tables/fieldbus/USet_SDO_Client_Access.h"
#include "tables/fieldbus/USet_SDO_Server_Access.h"
#include "tables/fieldbus/UTransmitCAN.h"
#include "tables/network/UBACnetAccess.h"
#include "tables/network/UEtherNetIP_Master_Access.h"
#include "tables/network/UKNXAccess.h"
#include "tables/network/UMQTT_Set_Topic.h"
#include "tables/network/UModbus_TCP_Master_Set_Access.h"
#include "tables/network/USNMPManagerAccess.h"
#include "tables/network/USNMP_Trap_Access.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/services/HttpClient.h"
#include "toolkit/services/Shell.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

TFQuenvarroweFirmWare* FQuenvarroweFirmWare = nullptr;

namespace {
constexpr int kStepRowHeight = 44;
constexpr int kFirstStepTop = 128;
constexpr int kVersionLaterInterval = 7200000;

// The caption and hint texts of a step button; 0 where the button has no caption.
struct StepTexts {
    const char* name;
    int caption;
    int hint;
};
constexpr StepTexts kStepTexts[] = {
    {"Btn_Info", 0, 12},
    {"Btn_Opz", 0, 13},
    {"Btn_Close", 0, 14},
    {"Btn_New", 15, 22},
    {"Btn_Open", 16, 23},
    {"Btn_Prm_Gen", 20, 24},
    {"Btn_OPC_UA_Server_Access", 21, 25},
    {"Btn_CreateBin", 17, 26},
    {"Btn_Modbus_Set_Access", 27, 28},
    {"Btn_BACnet_SetAccess", 63, 64},
    {"Btn_BACnet_EDE_File", 65, 66},
    {"Btn_CAN_Rec_Frame", 29, 31},
    {"Btn_CAN_Send_Frame", 30, 32},
    {"Btn_PDO_CANopen", 41, 42},
    {"Btn_SDO_Client_CANopen", 39, 40},
    {"Btn_SDO_Server_CANopen", 37, 38},
    {"Btn_CANopen_EDS", 43, 44},
    {"Btn_MQTT_Set_Topic", 53, 54},
    {"Btn_PROFINET_XML", 55, 56},
    {"Btn_DNet_Net", 45, 46},
    {"Btn_DNet_Offset", 47, 48},
    {"Btn_DMX_Default", 49, 50},
    {"Btn_KNX_Access", 51, 52},
    {"Btn_SNMP_Manager_Access", 61, 62},
    {"Btn_EtherNetIP_Access", 67, 68},
    {"Btn_SNMP_Trap", 57, 58},
    {"Btn_SNMP_MIB", 59, 60},
};
} // namespace

TFQuenvarroweFirmWare::TFQuenvarroweFirmWare(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UQuenvarroweFirmWare"));
    L_SW_Code = Bind<TLabel>(this, "L_SW_Code");
    L_SW_Desc = Bind<TLabel>(this, "L_SW_Desc");
    LL_Update = Bind<TLinkLabel>(this, "LL_Update");
    Btn_Info = Bind<TSbButton>(this, "Btn_Info");
    Btn_Opz = Bind<TSbButton>(this, "Btn_Opz");
    Btn_Close = Bind<TSbButton>(this, "Btn_Close");
    Timer_Update = Bind<TTimer>(this, "Timer_Update");
    SD1 = Bind<TSaveDialog>(this, "SD1");
    SaveEDS = Bind<TSaveDialog>(this, "SaveEDS");
    SaveMIB = Bind<TSaveDialog>(this, "SaveMIB");
    L_Name_Conf = Bind<TLabel>(this, "L_Name_Conf");
    L_Name_Conf_L2 = Bind<TLabel>(this, "L_Name_Conf_L2");
    Shape2 = Bind<TShape>(this, "Shape2");
    L_Begin = Bind<TLabel>(this, "L_Begin");
    for (int i = 0; i < 8; ++i)
        L_Step[size_t(i)] = Bind<TLabel>(this, QString("L_Step_%1").arg(i + 1).toUtf8().constData());
    Shape1 = Bind<TShape>(this, "Shape1");
    L_Orvane = Bind<TLabel>(this, "L_Orvane");
    Btn_New = Bind<TSbButton>(this, "Btn_New");
    Btn_Open = Bind<TSbButton>(this, "Btn_Open");
    Btn_Prm_Gen = Bind<TSbButton>(this, "Btn_Prm_Gen");
    Btn_OPC_UA_Server_Access = Bind<TSbButton>(this, "Btn_OPC_UA_Server_Access");
    Btn_CreateBin = Bind<TSbButton>(this, "Btn_CreateBin");
    Btn_Modbus_Set_Access = Bind<TSbButton>(this, "Btn_Modbus_Set_Access");
    Btn_BACnet_SetAccess = Bind<TSbButton>(this, "Btn_BACnet_SetAccess");
    Btn_BACnet_EDE_File = Bind<TSbButton>(this, "Btn_BACnet_EDE_File");
    Btn_CAN_Rec_Frame = Bind<TSbButton>(this, "Btn_CAN_Rec_Frame");
    Btn_CAN_Send_Frame = Bind<TSbButton>(this, "Btn_CAN_Send_Frame");
    Btn_PDO_CANopen = Bind<TSbButton>(this, "Btn_PDO_CANopen");
    Btn_SDO_Client_CANopen = Bind<TSbButton>(this, "Btn_SDO_Client_CANopen");
    Btn_SDO_Server_CANopen = Bind<TSbButton>(this, "Btn_SDO_Server_CANopen");
    Btn_CANopen_EDS = Bind<TSbButton>(this, "Btn_CANopen_EDS");
    Btn_MQTT_Set_Topic = Bind<TSbButton>(this, "Btn_MQTT_Set_Topic");
    Btn_PROFINET_XML = Bind<TSbButton>(this, "Btn_PROFINET_XML");
    Btn_DNet_Net = Bind<TSbButton>(this, "Btn_DNet_Net");
    Btn_DNet_Offset = Bind<TSbButton>(this, "Btn_DNet_Offset");
    Btn_DMX_Default = Bind<TSbButton>(this, "Btn_DMX_Default");
    Btn_KNX_Access = Bind<TSbButton>(this, "Btn_KNX_Access");
    Btn_SNMP_Manager_Access = Bind<TSbButton>(this, "Btn_SNMP_Manager_Access");
    Btn_EtherNetIP_Access = Bind<TSbButton>(this, "Btn_EtherNetIP_Access");
    Btn_SNMP_Trap = Bind<TSbButton>(this, "Btn_SNMP_Trap");
    Btn_SNMP_MIB = Bind<TSbButton>(this, "Btn_SNMP_MIB");
    XML1 = new TXMLDocument(this);
    HTTP1 = new THttpClient(this);

    for (const StepTexts& t : kStepTexts)
        Bind<TSbButton>(this, t.name)->OnClick = [this](TObject* sender) { Btn_Click(sender); };
    L_Orvane->OnClick = [this](TObject* sender) { L_OrvaneClick(sender); };
    LL_Update->OnLinkClick = [this](TObject* sender, const String& link, TSysLinkType type) {
        LL_UpdateLinkClick(sender, link, type);
    };
    Timer_Update->OnTimer = [this](TObject* sender) { Timer_UpdateTimer(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFQuenvarroweFirmWare::~TFQuenvarroweFirmWare() {
    SetDestroying();
    DestroyComponents();
    Free_Shared_Lists();
    if (FQuenvarroweFirmWare == this) FQuenvarroweFirmWare = nullptr;
}

void TFQuenvarroweFirmWare::FormCreate(TObject*) {
    FQuenvarroweFirmWare = this;
    Lang_Texts->Clear();
    Layout_Steps();
    Set_Program_Folders(ExtractFilePath(Application->ExeName()));
    Name_Project.clear();
    Update_Read_Back = true;
    const String settingsFile = Dir_Exe + PathDelim + Settings_File_Name;
    const bool settingsRead = Read_Settings(*XML1, settingsFile);
    const String settingsProblem = XML1->ErrorText();
    Enable_Version_Timer();
    Title_Program = "Orvane - Configurator RV83K17 - OPC UA Server / Serial ";
    SW_Code = Product_SW_Code;
    SW_Desc = Product_SW_Desc;
    SetCaption(Title_Program);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);
    Load_Lang(Dir_Language, Language);
    // A stored name that would point outside "PROJECTS" opens nothing, like a folder that is gone.
    String folder = Dir_Projects + PathDelim + Name_Project;
    if (Is_Safe_Project_Name(Name_Project) && DirectoryExists(folder))
        Dir_Project = folder;
    else {
        Name_Project.clear();
        Dir_Project.clear();
    }
    Set_Lang();
    Set_Files();
    Create_Shared_Lists();
    // Once, in the language just loaded: the close replaces the file with what is in use now.
    if (!settingsRead)
        MessageDlg(Lang_Texts->Strings(Text_Program_Settings_Not_Read) + settingsFile + "\r\n" +
                       settingsProblem,
                   mtWarning, mbOK);
}

void TFQuenvarroweFirmWare::Layout_Steps() {
    for (int i = 0; i < 8; ++i) {
        L_Step[size_t(i)]->SetBounds(16, kFirstStepTop + i * kStepRowHeight, L_Step[size_t(i)]->Width(),
                                     L_Step[size_t(i)]->Height());
        L_Step[size_t(i)]->SetVisible(false);
    }
    L_Orvane->SetVisible(false);
    for (const StepTexts& t : kStepTexts)
        Bind<TSbButton>(this, t.name)->SetVisible(false);
    for (TSbButton* b : {Btn_Info, Btn_Opz, Btn_Close, Btn_New, Btn_Open, Btn_Prm_Gen, Btn_CreateBin})
        b->SetVisible(true);
    // This model's steps: configuration, communication, OPC UA variables, device update.
    for (int i = 0; i < 4; ++i)
        L_Step[size_t(i)]->SetVisible(true);
    L_Orvane->SetTop(L_Step[3]->Top());
    L_Orvane->SetVisible(true);
    Btn_OPC_UA_Server_Access->SetTop(L_Step[2]->Top() - 16);
    Btn_OPC_UA_Server_Access->SetVisible(true);
    Btn_CreateBin->SetTop(L_Step[3]->Top() - 16);
    Shape1->SetTop(Btn_CreateBin->Top() + Btn_CreateBin->Height() + 15);
    SetClientSize(694, Btn_CreateBin->Top() + 152);
}

void TFQuenvarroweFirmWare::Show_Configuration_State() {
    if (!Name_Project.isEmpty()) {
        L_Name_Conf->SetCaption(Lang_Texts->Strings(11));
        L_Name_Conf_L2->SetCaption(Name_Project);
    } else {
        L_Name_Conf->SetCaption(Lang_Texts->Strings(9));
        L_Name_Conf_L2->SetCaption(Lang_Texts->Strings(10));
    }
}

void TFQuenvarroweFirmWare::Enable_Version_Timer() {
    Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
}

void TFQuenvarroweFirmWare::Set_Lang() {
    L_Begin->SetCaption(Lang_Texts->Strings(0));
    for (int i = 0; i < 8; ++i)
        L_Step[size_t(i)]->SetCaption(Lang_Texts->Strings(i + 1));
    for (const StepTexts& t : kStepTexts) {
        TSbButton* b = Bind<TSbButton>(this, t.name);
        if (t.caption) b->SetCaption(Lang_Texts->Strings(t.caption));
        b->SetHint(Lang_Texts->Strings(t.hint));
    }
    Show_Configuration_State();
}

void TFQuenvarroweFirmWare::Change_Language() {
    Set_Lang();
    Set_Lang_Of_Other_Windows();
}

void TFQuenvarroweFirmWare::Set_Files() {
    Set_Table_File_Paths();
}

void TFQuenvarroweFirmWare::Save_Setting() {
    if (!Confirm_Save_Through_Link(Dir_Exe + PathDelim + Settings_File_Name)) return;
    if (!Write_Settings(*XML1, Dir_Exe + PathDelim + Settings_File_Name))
        MessageDlg(QStringLiteral("The settings could not be saved in \"%1\" (%2).")
                       .arg(Dir_Exe + PathDelim + Settings_File_Name, XML1->ErrorText()),
                   mtWarning, mbOK);
}

void TFQuenvarroweFirmWare::FormClose(TObject*, TCloseAction&) {
    Save_Setting();
}

TCustomForm* TFQuenvarroweFirmWare::Step_Window(TObject* Sender) const {
    const std::pair<TSbButton*, TCustomForm*> windows[] = {
        {Btn_Prm_Gen, FParGen},
        {Btn_OPC_UA_Server_Access, FOPC_UA_Server_Access},
        {Btn_Modbus_Set_Access, FModbus_TCP_Master_Set_Access},
        {Btn_BACnet_SetAccess, FBACnetAccess},
        {Btn_CAN_Rec_Frame, FReceiveCAN},
        {Btn_CAN_Send_Frame, FTransmitCAN},
        {Btn_PDO_CANopen, FSet_PDO_Access},
        {Btn_SDO_Client_CANopen, FSet_SDO_Client_Access},
        {Btn_SDO_Server_CANopen, FSet_SDO_Server_Access},
        {Btn_MQTT_Set_Topic, FMQTT_Set_Topic},
        {Btn_DNet_Net, FDNet},
        {Btn_DNet_Offset, FDefOffset},
        {Btn_DMX_Default, FDMXDefVal},
        {Btn_KNX_Access, FKNXAccess},
        {Btn_SNMP_Manager_Access, FSNMPManagerAccess},
        {Btn_EtherNetIP_Access, FEtherNetIP_Master_Access},
        {Btn_SNMP_Trap, FSNMP_Trap_Access},
    };
    for (const auto& [button, window] : windows)
        if (Sender == button) return window;
    return nullptr;
}

void TFQuenvarroweFirmWare::Btn_Click(TObject* Sender) {
    if (Sender == Btn_Info) {
        FAbout->ShowModal();
        return;
    }
    if (Sender == Btn_Opz) {
        if (FSoftOptions->ShowModal() == mrOk) {
            Save_Setting();
            Enable_Version_Timer();
        }
        return;
    }
    if (Sender == Btn_Close) {
        Close();
        return;
    }
    if (Sender == Btn_New) {
        Create_New_Project();
        return;
    }
    if (Sender == Btn_Open) {
        Open_Project();
        return;
    }
    if (Dir_Project.isEmpty()) {
        MessageDlg(Lang_Texts->Strings(18), mtError, mbOK);
        return;
    }
    if (Sender == Btn_CreateBin) {
        Update_Device();
        return;
    }
    if (TCustomForm* window = Step_Window(Sender))
        window->ShowModal();
    else if (Sender == Btn_CANopen_EDS)
        Build_EDS_File();
    else if (Sender == Btn_BACnet_EDE_File)
        BACnet_EDE_File();
    else if (Sender == Btn_PROFINET_XML)
        PROFINET_XML();
    else if (Sender == Btn_SNMP_MIB)
        Build_MIB_File(SaveMIB);
}

void TFQuenvarroweFirmWare::Build_EDS_File() {
    Run_EDS_Step(SaveEDS);
}

void TFQuenvarroweFirmWare::BACnet_EDE_File() {
    Run_BACnet_EDE_Step(SD1);
}

Integer TFQuenvarroweFirmWare::Get_Type_BACnet() {
    if (!FileExists(File_ParGen) || !XML1->LoadFromFile(File_ParGen, Max_ParGen_File_Bytes, Max_ParGen_Text))
        return 0;
    return StrToIntDef(XML1->DocumentElement().FindNode("BACnet_Type").Text(), 0);
}

void TFQuenvarroweFirmWare::PROFINET_XML() {
    if (FProfinetFileName->ShowModal() != mrOk) return;
    // A dialog of its own for each run: its filter and file name are the composed name's.
    TSaveDialog dialog(nullptr);
    Save_PROFINET_XML(&dialog, FProfinetFileName->Name_File_XML);
}

void TFQuenvarroweFirmWare::Create_New_Project() {
    if (FNew_Project->ShowModal() == mrOk) Show_Configuration_State();
}

void TFQuenvarroweFirmWare::Open_Project() {
    if (FOpenConf->ShowModal() != mrOk) return;
    Name_Project = FOpenConf->Name_Conf;
    if (!Name_Project.isEmpty())
        Dir_Project = Dir_Projects + PathDelim + Name_Project;
    else
        Dir_Project.clear();
    Show_Configuration_State();
    Set_Files();
}

void TFQuenvarroweFirmWare::Update_Device() {
    Run_Update_Device(*FBoot);
}

void TFQuenvarroweFirmWare::Start_Program(const String& NomeSW, const String& Parameter, bool tipo) {
    ::Start_Program(NomeSW, Parameter, tipo);
}

void TFQuenvarroweFirmWare::Timer_UpdateTimer(TObject*) {
    Timer_Update->SetEnabled(false);
    if (FSoftOptions->Check_Version()) {
        LL_Update->SetCaption(
            QStringLiteral("<a href=\"%1\">%2</a>").arg(Maker_Download_Page(), Lang_Texts->Strings(19)));
        LL_Update->SetVisible(true);
    } else
        LL_Update->SetVisible(false);
    Timer_Update->SetInterval(kVersionLaterInterval);
    Timer_Update->SetEnabled(true);
}

void TFQuenvarroweFirmWare::LL_UpdateLinkClick(TObject*, const String& Link, TSysLinkType) {
    OpenUrl(Link);
}

void TFQuenvarroweFirmWare::L_OrvaneClick(TObject*) {
    if (const String page = Maker_Home_Page(); !page.isEmpty()) OpenUrl(page);
}
