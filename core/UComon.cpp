// The program state: folders, open configuration, options, table-file paths and the settings file.
#include "core/UComon.h"

#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"
#include "toolkit/services/XmlDoc.h"

String Name_Project;
String Dir_Project;
String Dir_Projects;
String Dir_Exe;
String Dir_Master;
String Dir_Language;
String Title_Program;
String SW_Code;
String SW_Desc;
String Last_IP_Address;
Integer Update_Option_Index = 0;
bool Update_Read_Back = false;
String Language;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field = false;
bool Enable_Auto_Size = false;
String Dir_Import_EDE;

String File_ParGen;
String File_OPC_UA_Server;
String File_ModbusM_SetAccess;
String File_BACnet_Slave;
String File_CAN_Rec_Frames;
String File_CAN_Send_Frames;
String File_BACnet_Master_Access;
String File_ModbusTCPM_SetAccess;
String File_PDO_CANopen;
String File_SDO_Client_CANopen;
String File_SDO_Server_CANopen;
String File_MQTT_Set_Topic;
String File_DNETM_Net;
String File_DNETM_DefOff;
String File_DMX_Default_Values;
String File_J1939_Rec_Frames;
String File_J1939_Send_Frames;
String File_KNX_SetAccess;
String File_NMEA_Rec_Frames;
String File_NMEA_Send_Frames;
String File_SNMP_Manager;
String File_SNMP_Trap;
String File_EtherNetIP_Master_Rules;

TStringList* Copy_Row_Buffer = nullptr;
std::vector<bool> Copy_Row_Is_Check;
TStringList* MIB_Read_Descriptions = nullptr;
TStringList* MIB_Write_Descriptions = nullptr;

void Create_Shared_Lists() {
    Free_Shared_Lists();
    Copy_Row_Buffer = new TStringList;
    MIB_Read_Descriptions = new TStringList;
    MIB_Write_Descriptions = new TStringList;
}

void Free_Shared_Lists() {
    delete Copy_Row_Buffer;
    delete MIB_Read_Descriptions;
    delete MIB_Write_Descriptions;
    Copy_Row_Buffer = MIB_Read_Descriptions = MIB_Write_Descriptions = nullptr;
    Copy_Row_Is_Check.clear();
}

void Reset_Program_State() {
    for (String* s : {&Name_Project, &Dir_Project, &Dir_Projects, &Dir_Exe, &Dir_Master, &Dir_Language,
                      &Title_Program, &SW_Code, &SW_Desc, &Last_IP_Address, &Language, &Dir_Import_EDE})
        s->clear();
    Update_Option_Index = 0;
    Update_Read_Back = false;
    Enable_Internet = Enable_Update = Enable_Jump_Field = Enable_Auto_Size = false;
    Free_Shared_Lists();
    Set_Table_File_Paths();
}

void Set_Program_Folders(const String& exeDir) {
    Dir_Exe = ExcludeTrailingPathDelimiter(exeDir);
    Dir_Master = Dir_Exe + PathDelim + "MASTER";
    Dir_Projects = Dir_Exe + PathDelim + "PROJECTS";
    Dir_Language = Dir_Exe + PathDelim + "LANGUAGE";
    // A folder that cannot be made shows up later, when a file in it cannot be written.
    for (const String& dir : {Dir_Master, Dir_Projects, Dir_Language})
        if (!DirectoryExists(dir))
            CreateDir(dir);
}

void Set_Table_File_Paths() {
    const String base = Dir_Project + PathDelim;
    File_ParGen = base + "ParGen.xml";
    File_OPC_UA_Server = base + "OPC_UA_Server.xml";
    File_ModbusM_SetAccess = base + "ModbusM_SetAccess.xml";
    File_BACnet_Slave = base + "BACnet_Slave.xml";
    File_CAN_Rec_Frames = base + "CAN_Rec_Frames.xml";
    File_CAN_Send_Frames = base + "CAN_Send_Frames.xml";
    File_BACnet_Master_Access = base + "BACnet_Master_Access.xml";
    File_ModbusTCPM_SetAccess = base + "ModbusTCPM_SetAccess.xml";
    File_PDO_CANopen = base + "PDO_CANopen.xml";
    File_SDO_Client_CANopen = base + "SDO_Client_CANopen.xml";
    File_SDO_Server_CANopen = base + "SDO_Server_CANopen.xml";
    File_MQTT_Set_Topic = base + "MQTT_Set_Topic.xml";
    File_DNETM_Net = base + "DNETM_Net.xml";
    File_DNETM_DefOff = base + "DNETM_DefOff.xml";
    File_DMX_Default_Values = base + "DMX_Default_Values.xml";
    File_J1939_Rec_Frames = base + "J1939_Rec_Frames.xml";
    File_J1939_Send_Frames = base + "J1939_Send_Frames.xml";
    File_KNX_SetAccess = base + "KNX_SetAccess.xml";
    File_NMEA_Rec_Frames = base + "NMEA_Rec_Frames.xml";
    File_NMEA_Send_Frames = base + "NMEA_Send_Frames.xml";
    File_SNMP_Manager = base + "SNMP_Manager.xml";
    File_SNMP_Trap = base + "SNMP_Trap.xml";
    File_EtherNetIP_Master_Rules = base + "EtherNetIP_Master_Rules.xml";
}

bool Is_Safe_Project_Name(const String& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\\');
}

namespace {
// The text of `parent`/`child`/`item`, or `fallback` when an element on the way is absent.
String ChildText(const TXMLNode& parent, const char* child, const char* item, const String& fallback) {
    TXMLNode c = parent.FindNode(child);
    if (c.IsNull())
        return fallback;
    TXMLNode i = c.FindNode(item);
    return i.IsNull() ? fallback : i.Text();
}
} // namespace

bool Read_Settings(TXMLDocument& xml, const String& fileName) {
    Name_Project.clear();
    Dir_Project.clear();
    Last_IP_Address = Default_IP_Address;
    Language = Default_Language;
    Enable_Internet = Enable_Update = Enable_Jump_Field = Enable_Auto_Size = false;
    xml.SetActive(true);
    // A file that is missing, not well-formed XML or far larger than the program writes counts as absent:
    // every item keeps its default.
    if (!PathExists(fileName)) return true;
    if (!xml.LoadFromFile(fileName, Max_Settings_File_Bytes, Max_Settings_Text)) return false;
    // The root is the first top-level node as it stands; a declaration or comment before the root
    // element leaves every item at its default.
    TXMLNode root = xml.ChildNodes().First();
    Name_Project = ChildText(root, "lastproj", "projectname", String());
    Last_IP_Address = ChildText(root, "lastipadd", "ipaddress", Default_IP_Address);
    Language = ChildText(root, "lastlang", "language", Default_Language);
    const String off = "0";
    Enable_Internet = ChildText(root, "lastinternet", "enable_internet", off) == "1";
    Enable_Update = ChildText(root, "lastinternet", "enable_update", off) == "1";
    Enable_Jump_Field = ChildText(root, "lastinternet", "enable_jump_field_tables", off) == "1";
    Enable_Auto_Size = ChildText(root, "lastinternet", "Double_Click_Auto_Size", off) == "1";
    return true;
}

bool Write_Settings(TXMLDocument& xml, const String& fileName) {
    xml.SetActive(true);
    xml.Clear();
    TXMLNode root = xml.AddChild("Conf_Settings");
    root.AddChild("lastproj").AddChild("projectname").SetText(Name_Project);
    root.AddChild("lastipadd").AddChild("ipaddress").SetText(Last_IP_Address);
    root.AddChild("lastlang").AddChild("language").SetText(Language);
    TXMLNode options = root.AddChild("lastinternet");
    auto flag = [](bool on) { return on ? String("1") : String("0"); };
    options.AddChild("enable_internet").SetText(flag(Enable_Internet));
    options.AddChild("enable_update").SetText(flag(Enable_Update));
    options.AddChild("enable_jump_field_tables").SetText(flag(Enable_Jump_Field));
    options.AddChild("Double_Click_Auto_Size").SetText(flag(Enable_Auto_Size));
    return xml.SaveToFile(fileName);
}
