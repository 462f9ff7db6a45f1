// The update job, the device echo and the update action; the window only gathers their inputs.
#include "configurator/UBoot.h"

#include "configurator/USaveBincc.h"
#include "configurator/UStartProgram.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/services/IcmpClient.h"
#include "toolkit/services/ServiceWait.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

namespace {

constexpr int kEchoLookMs = 10;

// One operation of the job: the file to send, where it goes in the device, and what follows.
struct JobOperation {
    String FileName;
    const char* StartAddress;
    const char* BankType;
    const char* WriteCss;
    bool GoToAppAfter;
};

void addText(TXMLNode parent, const char* name, const String& text) {
    parent.AddChild(QString::fromLatin1(name)).SetText(text);
}

void addOperation(TXMLNode operations, const JobOperation& op, bool readBack) {
    TXMLNode node = operations.AddChild("Operation");
    addText(node, "Ope_Protection_Enabled", QString());
    addText(node, "Ope_GoToBoot_Before", "0");
    addText(node, "Ope_GoToApp_Before", "0");
    addText(node, "Ope_IP_Address", QString());
    addText(node, "Ope_Port", "2008");
    addText(node, "Ope_Port_Sec", "2007");
    addText(node, "Ope_Erase_Memory", "0");
    addText(node, "Ope_FileName", op.FileName);
    addText(node, "Ope_Start_Address", op.StartAddress);
    addText(node, "Ope_Memory_Type", "0");
    addText(node, "Ope_Bank_Type", op.BankType);
    addText(node, "Ope_Read_Back", readBack ? "1" : "0");
    addText(node, "Ope_Write_CSS", op.WriteCss);
    addText(node, "Ope_Address_CSS", "0x07A00");
    addText(node, "Ope_Command_CSS", "0x02");
    addText(node, "Ope_Write_Internal_Data", "0");
    addText(node, "Ope_WID_Address", "0x07810");
    addText(node, "Ope_WID_Command", "0x02");
    addText(node, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    addText(node, "Ope_GoToApp_After", op.GoToAppAfter ? "1" : "0");
}

void pauseKeepingWindowsPainted(int ms) {
    Sleep(unsigned(ms));
    KeepWindowsPainting();
}

} // namespace

String Update_Job_File() {
    return Dir_Exe + PathDelim + "Ethernet_Update.xml";
}

String Updater_Program() {
    return Dir_Exe + PathDelim + "Ethernet_Update.exe";
}

void Compile_Update_Job(TXMLDocument& xml, const String& ipAddress, Integer option, bool readBack) {
    xml.SetActive(true);
    xml.Clear();
    TXMLNode root = xml.AddChild("Ethernet_Update");
    addText(root, "Version", "1000");
    addText(root, "Title", "Orvane - " + Product_SW_Code + " Ethernet Update");
    addText(root, "IP_Address_Dev", ipAddress);
    addText(root, "Application_Port", "10000");
    addText(root, "Boot_Port", "2008");
    addText(root, "Boot_Port_Sec", "2007");
    addText(root, "Address_Protection", "0x07800");
    addText(root.AddChild("Protections"), "Protection", "0x4C7");
    TXMLNode operations = root.AddChild("Operations");
    const String bin = Dir_Project + PathDelim + "bin" + PathDelim;
    if (option == Update_Firmware_And_Configuration || option == Update_Firmware_Only)
        addOperation(
            operations,
            {Dir_Master + PathDelim + "Sim83K17.sim", "0x8000", "1", "1", option == Update_Firmware_Only},
            readBack);
    if (option == Update_Firmware_And_Configuration || option == Update_Configuration_Only) {
        addOperation(operations, {bin + "bank1.bin", "0x07000", "2", "0", false}, readBack);
        // The last operation sends the device back to its application.
        addOperation(operations, {bin + "bank2.bin", "0x80000", "2", "0", true}, readBack);
    }
}

bool Write_Update_Job(TXMLDocument& xml, const String& ipAddress, Integer option, bool readBack,
                      String& error) {
    Compile_Update_Job(xml, ipAddress, option, readBack);
    const String path = Update_Job_File();
    if (xml.SaveToFile(path)) return true;
    // The library's text names the file and what went wrong.
    error = Lang_Texts->Strings(Text_Update_Job_Not_Written) + xml.ErrorText();
    return false;
}

bool Check_IP_Octets(const String& ip1, const String& ip2, const String& ip3, const String& ip4) {
    for (const String* part : {&ip1, &ip2, &ip3, &ip4}) {
        if (part->isEmpty() || part->size() > 3) return false;
        for (QChar c : *part)
            if (c < u'0' || c > u'9') return false;
        if (part->toInt() > 255) return false;
    }
    return true;
}

int Echo_Reply_State(int bytesReceived) {
    return bytesReceived > 0 ? Ping_Answered : Ping_Silent;
}

bool Echo_Device(TIcmpClient& ping, const String& host, int& ping_res, const TEchoClock& clock) {
    const auto now = clock.Now ? clock.Now : std::function<DWORD()>(GetTickCount);
    const auto pause = clock.Pause ? clock.Pause : std::function<void(int)>(pauseKeepingWindowsPainted);
    ping_res = Ping_No_Report;
    const DWORD start = now();
    int answers = 0;
    try {
        ping.SetHost(host);
        ping.SetReceiveTimeout(Echo_Try_Ms);
        for (;;) {
            // Each try counts only its own answer, never one left from an earlier try.
            ping_res = Ping_No_Report;
            const DWORD tryStart = now();
            ping.Ping(Echo_Payload, 0);
            ping_res = Echo_Reply_State(ping.ReplyStatus().BytesReceived);
            if (ping_res == Ping_Answered) {
                if (++answers >= Echo_Answers_Needed) break;
            } else {
                // A quick refusal does not start the next request at once: one request per try slot.
                while (DWORD(now() - tryStart) < DWORD(Echo_Try_Ms))
                    pause(kEchoLookMs);
            }
            if (DWORD(now() - start) > DWORD(Echo_Total_Ms)) break;
        }
    } catch (const Exception&) {
        ping_res = Ping_No_Report;
        return false;
    }
    return ping_res == Ping_Answered;
}

bool Run_Ethernet_Update(TIcmpClient& ping, TXMLDocument& xml, int& ping_res, const String (&octets)[4],
                         Integer option, bool readBack, const TEchoClock& clock) {
    const String address = QStringList{octets[0], octets[1], octets[2], octets[3]}.join(u'.');
    if (!Check_IP_Octets(octets[0], octets[1], octets[2], octets[3])) {
        MessageDlg(Lang_Texts->Strings(1237), mtError, mbOK);
        return false;
    }
    // The echo may take seconds while keys and clicks are not taken: the cursor says why.
    const TCursor previous = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
    const bool answered = Echo_Device(ping, address, ping_res, clock);
    Screen->SetCursor(previous);
    if (!answered) {
        if (ping_res == Ping_Silent)
            MessageDlg(Lang_Texts->Strings(1236), mtWarning, mbOK);
        else
            MessageDlg(Lang_Texts->Strings(1237), mtError, mbOK);
        return false;
    }
    // The device answered: its address is worth remembering even if the job cannot be written.
    Last_IP_Address = address;
    Update_Option_Index = option;
    Update_Read_Back = readBack;
    if (!Confirm_Save_Through_Link(Update_Job_File())) return false;
    String error;
    if (!Write_Update_Job(xml, address, option, readBack, error)) {
        MessageDlg(error, mtError, mbOK);
        return false;
    }
    // Without the updater nothing reaches the device: say so, and whether it is missing or would not run.
    if (!Start_Program(Updater_Program(), QString(), false)) {
        const int text = FileExists(Updater_Program()) ? Text_Updater_Not_Started : Text_Updater_Missing;
        MessageDlg(Lang_Texts->Strings(text) + "\r\n" + Updater_Program(), mtError, mbOK);
        return false;
    }
    return true;
}
