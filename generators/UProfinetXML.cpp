// The PROFINET GSDML writer: settings, their checks, the device template and the file step.
#include "generators/UProfinetXML.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "generators/UDescription_Files.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/RegularExpressions.h"
#include "toolkit/system/SysUtils.h"

Integer PROFINET_NB_IN = 1438;
Integer PROFINET_NB_OUT = 1438;
String PROFINET_NAME_STA;

namespace {
constexpr int kProfinetDefaultLength = 1438;

String gsdmlEscape(const String& s) {
    return s.toHtmlEscaped().replace("'", "&apos;");
}

String gsdmlHex4(int v) {
    return "0x" + QStringLiteral("%1").arg(v, 4, 16, QChar('0')).toUpper();
}

// The device template: "%STATION%", "%DNS_NAME%", "%INPUT_LENGTH%", "%OUTPUT_LENGTH%", "%VENDOR_ID%"
// and "%DEVICE_ID%" are filled in; every other character stands as written.
const char* const kGsdmlTemplate[] = {
    R"(<?xml version="1.0" encoding="UTF-8"?>)",
    R"(<!-- A fieldbus integration example. -->)",
    R"(<ISO15745Profile xmlns="http://www.profibus.com/GSDML/2003/11/DeviceProfile" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:schemaLocation="http://www.profibus.com/GSDML/2003/11/DeviceProfile ..\xsd\GSDML-DeviceProfile-v2.31.xsd">)",
    R"(  <ProfileHeader>)",
    R"(    <ProfileIdentification>PROFINET Device Profile</ProfileIdentification>)",
    R"(    <ProfileRevision>1.00</ProfileRevision>)",
    R"(    <ProfileName>Device Profile for PROFINET Devices</ProfileName>)",
    R"(    <ProfileSource>PROFIBUS Nutzerorganisation e. V. (PNO)</ProfileSource>)",
    R"(    <ProfileClassID>Device</ProfileClassID>)",
    R"(    <ISO15745Reference>)",
    R"(      <ISO15745Part>4</ISO15745Part>)",
    R"(      <ISO15745Edition>1</ISO15745Edition>)",
    R"(      <ProfileTechnology>GSDML</ProfileTechnology>)",
    R"(    </ISO15745Reference>)",
    R"(  </ProfileHeader>)",
    R"(  <ProfileBody>)",
    R"(    <DeviceIdentity VendorID="%VENDOR_ID%" DeviceID="%DEVICE_ID%">)",
    R"(      <InfoText TextId="IDT_INFO_Device"/>)",
    R"(      <VendorName Value="Orvane"/>)",
    R"(    </DeviceIdentity>)",
    R"(    <DeviceFunction>)",
    R"(      <Family MainFamily="Gateway" ProductFamily="LD83K37"/>)",
    R"(    </DeviceFunction>)",
    R"(    <ApplicationProcess>)",
    R"(      <DeviceAccessPointList>)",
    R"(        <DeviceAccessPointItem PNIO_Version="V2.3" RequiredSchemaVersion="V2.25" ID="IDD_1" PhysicalSlots="0..4" ModuleIdentNumber="0x00000001" MinDeviceInterval="64" ImplementationType="%STATION%" DNS_CompatibleName="%DNS_NAME%" FixedInSlots="0" ObjectUUID_LocalIndex="1" MultipleWriteSupported="true" MaxSupportedRecordSize="8192" ParameterizationSpeedupSupported="true" PowerOnToCommReady="350" DeviceAccessSupported="true" SharedDeviceSupported="true" CheckDeviceID_Allowed="false" NameOfStationNotTransferable="true">)",
    R"(          <ModuleInfo>)",
    R"(            <Name TextId="IDT_NAME_DAP1"/>)",
    R"(            <InfoText TextId="IDT_INFO_DAP1"/>)",
    R"(            <VendorName Value="Orvane"/>)",
    R"(            <OrderNumber Value="LD83K37"/>)",
    R"(          </ModuleInfo>)",
    R"(          <SubslotList>)",
    R"(            <SubslotItem SubslotNumber="0" TextId="IDT_SUBSLOT_1"/>)",
    R"(            <SubslotItem SubslotNumber="32768" TextId="IDT_SUBSLOT_Interface"/>)",
    R"(            <SubslotItem SubslotNumber="32769" TextId="IDT_SUBSLOT_Port1"/>)",
    R"(            <SubslotItem SubslotNumber="32770" TextId="IDT_SUBSLOT_Port2"/>)",
    R"(          </SubslotList>)",
    R"(          <IOConfigData MaxInputLength="1440" MaxOutputLength="1440" MaxDataLength="2880"/>)",
    R"(          <UseableModules>)",
    R"(            <ModuleItemRef ModuleItemTarget="IDM_1" FixedInSlots="1"/>)",
    R"(          </UseableModules>)",
    R"(          <VirtualSubmoduleList>)",
    R"(            <VirtualSubmoduleItem ID="IDS_V1" SubmoduleIdentNumber="0x00000000">)",
    R"(              <IOData IOPS_Length="1" IOCS_Length="1"/>)",
    R"(              <ModuleInfo>)",
    R"(                <Name TextId="IDT_NAME_VS1"/>)",
    R"(                <InfoText TextId="IDT_INFO_VS1"/>)",
    R"(              </ModuleInfo>)",
    R"(            </VirtualSubmoduleItem>)",
    R"(          </VirtualSubmoduleList>)",
    R"(          <SystemDefinedSubmoduleList>)",
    R"(            <InterfaceSubmoduleItem ID="IDS_I" SubmoduleIdentNumber="0x00000001" SubslotNumber="32768" TextId="IDT_NAME_IS" SupportedRT_Classes="RT_CLASS_1" SupportedProtocols="SNMP;LLDP" SupportedMibs="MIB2">)",
    R"(              <ApplicationRelations>)",
    R"(                <TimingProperties SendClock="32" ReductionRatio="1 2 4 8 16 32 64 128 256 512"/>)",
    R"(              </ApplicationRelations>)",
    R"(            </InterfaceSubmoduleItem>)",
    R"(            <PortSubmoduleItem ID="IDS_P1" SubmoduleIdentNumber="0x00000002" SubslotNumber="32769" TextId="IDT_NAME_PS1" MaxPortRxDelay="350" MaxPortTxDelay="160"/>)",
    R"(            <PortSubmoduleItem ID="IDS_P2" SubmoduleIdentNumber="0x00000002" SubslotNumber="32770" TextId="IDT_NAME_PS2" MaxPortRxDelay="350" MaxPortTxDelay="160"/>)",
    R"(          </SystemDefinedSubmoduleList>)",
    R"(          <!-- This element tells the engineering tool that the DAP supports fieldbus integration (slot clusters). -->)",
    R"(          <!-- <FieldbusIntegrationSlots MaxSupported="127" Range="100..9999"/-->)",
    R"(        </DeviceAccessPointItem>)",
    R"(      </DeviceAccessPointList>)",
    R"(      <ModuleList>)",
    R"(        <!-- The "normal" module carrying the FAP. -->)",
    R"(        <ModuleItem ID="IDM_1" ModuleIdentNumber="0x00000001">)",
    R"(          <ModuleInfo>)",
    R"(            <Name TextId="IDT_NAME_M1"/>)",
    R"(            <InfoText TextId="IDT_INFO_M1"/>)",
    R"(            <OrderNumber Value="12345-0040-M"/>)",
    R"(          </ModuleInfo>)",
    R"(          <VirtualSubmoduleList>)",
    R"(            <VirtualSubmoduleItem ID="IDM_1" SubmoduleIdentNumber="0x00000001">)",
    R"(              <IOData IOPS_Length="1" IOCS_Length="1">)",
    R"(                <Input>)",
    R"(                  <DataItem DataType="OctetString" Length="%INPUT_LENGTH%" TextId="IDT_Input_1"/>)",
    R"(                </Input>)",
    R"(                <Output>)",
    R"(                  <DataItem DataType="OctetString" Length="%OUTPUT_LENGTH%" TextId="IDT_Output_1"/>)",
    R"(                </Output>)",
    R"(              </IOData>)",
    R"(              <RecordDataList>)",
    R"(                <ParameterRecordDataItem Index="128" Length="2">)",
    R"(                  <Name TextId="IDT_NAME_M1_IDT_REF_channel"/>)",
    R"(                  <Const ByteOffset="0" Data="0x00,0x00"/>)",
    R"(                  <Ref TextId="IDT_REF_reaction_to_cpu_stop" Visible="true" DataType="BitArea" ByteOffset="0" BitOffset="0" BitLength="2" DefaultValue="2" AllowedValues="0..2" ValueItemTarget="IDV_reaction_to_cpu_stop" ID="IDT_REF_reaction_to_cpu_stop"/>)",
    R"(                  <MenuList>)",
    R"(                    <MenuItem ID="IDT_NAME_M1_IDT_REF_channel">)",
    R"(                      <Name TextId="IDT_NAME_M1_IDT_REF_channel"/>)",
    R"(                      <MenuRef MenuTarget="IDT_NAME_M1_Base_Parameters"/>)",
    R"(                    </MenuItem>)",
    R"(                    <MenuItem ID="IDT_NAME_M1_Base_Parameters">)",
    R"(                      <Name TextId="IDT_NAME_M1_Base_Parameters"/>)",
    R"(                      <ParameterRef ParameterTarget="IDT_REF_reaction_to_cpu_stop"/>)",
    R"(                    </MenuItem>)",
    R"(                  </MenuList>)",
    R"(                </ParameterRecordDataItem>)",
    R"(              </RecordDataList>)",
    R"(              <ModuleInfo>)",
    R"(                <Name TextId="IDT_NAME_M1"/>)",
    R"(                <InfoText TextId="IDT_INFO_M1"/>)",
    R"(              </ModuleInfo>)",
    R"(            </VirtualSubmoduleItem>)",
    R"(          </VirtualSubmoduleList>)",
    R"(        </ModuleItem>)",
    R"(      </ModuleList>)",
    R"(      <ValueList>)",
    R"(        <ValueItem ID="IDV_reaction_to_cpu_stop">)",
    R"(          <Assignments>)",
    R"(            <Assign TextId="IDT_ASSIGN_do_set_substitude_values" Content="0"/>)",
    R"(            <Assign TextId="IDT_ASSIGN_do_values_will_hold" Content="1"/>)",
    R"(            <Assign TextId="IDT_ASSIGN_do_continue_counting" Content="2"/>)",
    R"(          </Assignments>)",
    R"(        </ValueItem>)",
    R"(      </ValueList>)",
    R"(      <CategoryList>)",
    R"(        <CategoryItem ID="IDC_DI" TextId="IDT_CATEGORY_DI">)",
    R"(          <InfoText TextId="IDT_INFO_DI"/>)",
    R"(        </CategoryItem>)",
    R"(        <CategoryItem ID="IDC_DO" TextId="IDT_CATEGORY_DO">)",
    R"(          <InfoText TextId="IDT_INFO_DO"/>)",
    R"(        </CategoryItem>)",
    R"(      </CategoryList>)",
    R"(      <ExternalTextList>)",
    R"(        <PrimaryLanguage>)",
    R"(          <Text TextId="IDT_INFO_Device" Value="Orvane Gateways"/>)",
    R"(          <Text TextId="IDT_NAME_DAP1" Value="DAVURAVEVEVDevice"/>)",
    R"(          <Text TextId="IDT_INFO_DAP1" Value="Profinet DAVURAVEVEV Adapter"/>)",
    R"(          <Text TextId="IDT_SUBSLOT_1" Value="Subslot 1"/>)",
    R"(          <Text TextId="IDT_SUBSLOT_Interface" Value="Interface"/>)",
    R"(          <Text TextId="IDT_SUBSLOT_Port1" Value="Port 1"/>)",
    R"(          <Text TextId="IDT_SUBSLOT_Port2" Value="Port 2"/>)",
    R"(          <Text TextId="IDT_RECORD_NAME_Head" Value="Parameters of head module"/>)",
    R"(          <Text TextId="IDT_REF_Power" Value="Percent power"/>)",
    R"(          <Text TextId="IDT_NAME_VS1" Value="Submodule V1"/>)",
    R"(          <Text TextId="IDT_INFO_VS1" Value="Description of submodule V1"/>)",
    R"(          <Text TextId="IDT_NAME_IS" Value="I"/>)",
    R"(          <Text TextId="IDT_NAME_PS1" Value="P1"/>)",
    R"(          <Text TextId="IDT_NAME_PS2" Value="P2"/>)",
    R"(          <Text TextId="IDT_NAME_M1" Value="Module"/>)",
    R"(          <Text TextId="IDT_INFO_M1" Value="device DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_NAME_FAP" Value="FAP for DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_INFO_FAP" Value="Description of FAP for DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_RECORD_NAME_SlotCluster" Value="Parameters of the FAP"/>)",
    R"(          <Text TextId="IDT_REF_SlotClusterBegin" Value="Beginning of slot cluster"/>)",
    R"(          <Text TextId="IDT_NAME_M_PB1" Value="DAVURAVEVEV Device "/>)",
    R"(          <Text TextId="IDT_INFO_M_PB1" Value="Description of DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_NAME_S_PB1" Value="Module of a DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_INFO_S_PB1" Value="Description of module of a DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_PB_Input" Value="Digital input DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_PB_InputBit0" Value="Digital input bit DAVURAVEVEV"/>)",
    R"(          <Text TextId="IDT_NAME_S1" Value="Submodule 1"/>)",
    R"(          <Text TextId="IDT_INFO_S1" Value="Description of submodule 1"/>)",
    R"(          <Text TextId="IDT_Input_1" Value="Input byte"/>)",
    R"(          <Text TextId="IDT_Output_1" Value="Output word"/>)",
    R"(          <Text TextId="IDT_CATEGORY_DI" Value="Digital Input"/>)",
    R"(          <Text TextId="IDT_INFO_DI" Value="Description of digital input"/>)",
    R"(          <Text TextId="IDT_CATEGORY_DO" Value="Digital output"/>)",
    R"(          <Text TextId="IDT_INFO_DO" Value="Description of digital output"/>)",
    R"(          <Text TextId="IDT_NAME_M1_IDT_REF_channel" Value="Canale x"/>)",
    R"(          <Text TextId="IDT_REF_reaction_to_cpu_stop" Value="Reaction to CPU STOP"/>)",
    R"(          <Text TextId="IDT_NAME_M1_Base_Parameters" Value="Base Parameters"/>)",
    R"(          <Text Value="Output substitute value" TextId="IDT_ASSIGN_do_set_substitude_values"/>)",
    R"(          <Text Value="Keep last value" TextId="IDT_ASSIGN_do_values_will_hold"/>)",
    R"(          <Text Value="Continue operation" TextId="IDT_ASSIGN_do_continue_counting"/>)",
    R"(        </PrimaryLanguage>)",
    R"(      </ExternalTextList>)",
    R"(    </ApplicationProcess>)",
    R"(  </ProfileBody>)",
    R"(</ISO15745Profile>)",
};

// Read as every reader of the settings file reads a number: decimal, "$" or "0x" hexadecimal.
int profinetLength(const TXMLNode& root, const char* name) {
    Integer v = kProfinetDefaultLength;
    return TryStrToInt(Trim(root.FindNode(name).Text()), v) ? v : kProfinetDefaultLength;
}
} // namespace

bool Is_Valid_Station_Name(const String& name) {
    if (name.isEmpty() || name.size() > 240) return false;
    const QStringList labels = name.split(u'.');
    for (const String& label : labels) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith(u'-') || label.endsWith(u'-'))
            return false;
        for (QChar c : label)
            if (!(c.unicode() < 128 && c.isLetterOrNumber()) && c != u'-') return false;
    }
    static const TRegEx ipv4(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{1,3}){3}$"));
    static const TRegEx port(QStringLiteral("^(?i)port-[0-9]{3}(-[0-9]{5})?$"));
    return !ipv4.IsMatch(name) && !port.IsMatch(labels.front());
}

void Read_PROFINET_Param(const TXMLDocument& parGen) {
    const TXMLNode root = parGen.DocumentElement();
    PROFINET_NB_IN = profinetLength(root, "PROFINET_NB_IN");
    PROFINET_NB_OUT = profinetLength(root, "PROFINET_NB_OUT");
    PROFINET_NAME_STA = root.FindNode("PROFINET_NAME_STA").Text();
    if (Trim(PROFINET_NAME_STA).isEmpty()) PROFINET_NAME_STA = "SERIAL";
}

void Read_PROFINET_Param() {
    TXMLDocument parGen;
    // A bad file gives the defaults.
    if (FileExists(File_ParGen)) parGen.LoadFromFile(File_ParGen, Max_ParGen_File_Bytes, Max_ParGen_Text);
    Read_PROFINET_Param(parGen);
}

String Check_PROFINET_Param() {
    if (!Is_Valid_Station_Name(PROFINET_NAME_STA))
        return QStringLiteral(
                   "The PROFINET station name \"%1\" may hold only letters, digits, \"-\" and \".\": "
                   "parts of 1 to 63 characters between dots, none starting or ending with \"-\", "
                   "240 characters at most, and neither an IP address nor a port name.")
            .arg(PROFINET_NAME_STA);
    for (const auto& [name, value] :
         {std::pair{"input", PROFINET_NB_OUT}, std::pair{"output", PROFINET_NB_IN}})
        if (value < Profinet_Min_Length || value > Profinet_Max_Length)
            return QStringLiteral("The PROFINET %1 length %2 is outside %3 .. %4 bytes.")
                .arg(name)
                .arg(value)
                .arg(Profinet_Min_Length)
                .arg(Profinet_Max_Length);
    return String();
}

QStringList GSDML_Lines() {
    QStringList lines;
    for (const char* line : kGsdmlTemplate)
        lines << String::fromUtf8(line)
                     .replace("%STATION%", gsdmlEscape(PROFINET_NAME_STA))
                     .replace("%DNS_NAME%", gsdmlEscape(PROFINET_NAME_STA.toLower()))
                     .replace("%INPUT_LENGTH%", String::number(PROFINET_NB_OUT))
                     .replace("%OUTPUT_LENGTH%", String::number(PROFINET_NB_IN))
                     .replace("%VENDOR_ID%", gsdmlHex4(Maker_Profinet_Vendor_ID))
                     .replace("%DEVICE_ID%", gsdmlHex4(Maker_Profinet_Device_ID));
    return lines;
}

bool Write_GSDML_File(const String& path) {
    Read_PROFINET_Param();
    if (const String problem = Check_PROFINET_Param(); !problem.isEmpty()) {
        MessageDlg(problem, mtError, mbOK);
        return false;
    }
    return Save_Generated_File(path, GSDML_Lines(), TTextEncoding::UTF8BOM);
}

void Save_PROFINET_XML(TSaveDialog* dialog, const String& name) {
    Read_PROFINET_Param();
    if (const String problem = Check_PROFINET_Param(); !problem.isEmpty()) {
        MessageDlg(problem, mtError, mbOK);
        return;
    }
    dialog->SetInitialDir(Dir_Project);
    dialog->SetFilter("PROFINET XML (*.xml)|" + name);
    dialog->SetFileName(name);
    if (!dialog->Execute()) return;
    // Only the folder is taken from the dialog: the file keeps the composed name.
    const String path = ExtractFilePath(dialog->FileName()) + name;
    if (FileExists(path) && MessageDlg(Lang_Texts->Strings(1608), mtConfirmation, mbYesNo) != mrYes) return;
    Write_GSDML_File(path);
}
