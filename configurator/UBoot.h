// The device update: the update job for the outside updater, the echo that checks the device answers,
// and the update action that ties them together.
#pragma once

#include "controls/buttons/SbButton.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/services/IcmpClient.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"
#include "toolkit/system/Types.h"

#include <functional>

// The choices of the update-option list, by index.
enum : Integer {
    Update_Firmware_And_Configuration = 0,
    Update_Firmware_Only = 1,
    Update_Configuration_Only = 2,
};

// ping_res: what the last echo try reported.
enum : int { Ping_No_Report = 0, Ping_Answered = 1, Ping_Silent = 2 };

constexpr int Echo_Try_Ms = 400;
constexpr int Echo_Total_Ms = 5000;
constexpr int Echo_Answers_Needed = 2;
// What every echo request carries.
inline const String Echo_Payload = QStringLiteral(
    "12345678901234567890123456789012345678901234567890123456789012345678901234567890123456789");

// The update's own failures, in the interface language, each followed by what failed: the updater that
// is not beside the program or would not start, the job file that could not be written.
constexpr int Text_Updater_Missing = 1238;
constexpr int Text_Updater_Not_Started = 1239;
constexpr int Text_Update_Job_Not_Written = 1240;

// Where the job goes and which program reads it: beside the program.
String Update_Job_File();
String Updater_Program();

// Builds the update job for the device at `ipAddress` into `xml` (whatever it held is removed).
void Compile_Update_Job(TXMLDocument& xml, const String& ipAddress, Integer option, bool readBack);
// Builds the job and writes it over Update_Job_File(), replacing it only by a complete one; false with
// `error` naming the file.
bool Write_Update_Job(TXMLDocument& xml, const String& ipAddress, Integer option, bool readBack,
                      String& error);

// True when each of the four texts is one to three decimal digits with a value up to 255.
bool Check_IP_Octets(const String& ip1, const String& ip2, const String& ip3, const String& ip4);

// The echo's sense of time: the millisecond clock and the pause between looks (which keeps the windows
// painting). Tests replace both to play a device without waiting for it.
struct TEchoClock {
    std::function<DWORD()> Now = GetTickCount;
    std::function<void(int ms)> Pause;
};

// ping_res for one report of the echo client.
int Echo_Reply_State(int bytesReceived);
// Asks `host` to answer: try after try, each waiting up to Echo_Try_Ms for its own answer, until
// Echo_Answers_Needed tries were answered or more than Echo_Total_Ms have passed. `ping_res` holds the
// outcome of the last try (Ping_No_Report when a request could not be sent, which ends the echo). True
// when the last try was answered.
bool Echo_Device(TIcmpClient& ping, const String& host, int& ping_res, const TEchoClock& clock = {});

// The update button's work for an update over Ethernet: checks the address, asks the device to answer,
// then stores the address and choices in the program state, writes the job and runs the updater. A bad
// address (message 1237) or a silent device (message 1236) stops it with nothing stored, written or
// started; a job that cannot be written (a message naming the file) starts nothing. True when the
// updater was started.
bool Run_Ethernet_Update(TIcmpClient& ping, TXMLDocument& xml, int& ping_res, const String (&octets)[4],
                         Integer option, bool readBack, const TEchoClock& clock = {});

// ---- The update window ---------------------------------------------------------------------------------

// The window that checks the device answers and hands the update to the outside updater. Its layout is
// the design "UBoot"; the serial layout (Form_Type 0) only stores the choices in this model.
class TFBoot : public TForm {
public:
    explicit TFBoot(TComponent* AOwner);
    String ClassName() const override { return "TFBoot"; }

    // 0: update over a serial port, 1: over Ethernet.
    int Form_Type = 1;
    // What the last echo try reported (Ping_No_Report, Ping_Answered, Ping_Silent).
    int ping_res = Ping_No_Report;
    // The echo's clock; tests replace it to play a device that does not answer.
    TEchoClock Echo_Clock;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_IP_Address = nullptr;
    TLabel* L_IP_Address = nullptr;
    TEdit* E_IP1 = nullptr;
    TEdit* E_IP2 = nullptr;
    TEdit* E_IP3 = nullptr;
    TEdit* E_IP4 = nullptr;
    TPanel* P_Serial = nullptr;
    TLabel* L_COM_Port = nullptr;
    TComboBox* CB_COM_Port = nullptr;
    TSbButton* Btn_COM_List = nullptr;
    TPanel* P_Search = nullptr;
    TLabel* L_Search = nullptr;
    TSbButton* Btn_Search = nullptr;
    TLabel* L_Dev_IP_Address = nullptr;
    TLabel* L_Dev_MAC_Address = nullptr;
    TListBox* LB_Devices = nullptr;
    TCheckBox* CB_Search_All = nullptr;
    TPanel* P_Options = nullptr;
    TLabel* L_Update_Options = nullptr;
    TComboBox* CB_Update_Options = nullptr;
    TCheckBox* CB_Update_Option_Read_Back = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TSbButton* Btn_Update = nullptr;
    TIcmpClient* Ping = nullptr;
    TXMLDocument* XML1 = nullptr;

    void FormShow(TObject* Sender);
    void Set_Lang();
    using TForm::KeyPress; // the form's key virtual stays reachable beside the handler
    void KeyPress(TObject* Sender, QChar& Key);
    void Btn_UpdateClick(TObject* Sender);
    void update_ComPort();
    void Btn_COM_ListClick(TObject* Sender);
};

extern TFBoot* FBoot;

// The main window's update step: builds and writes both device images, then shows `boot` for an update
// over Ethernet. An image that cannot be built or written is reported and the window does not open.
void Run_Update_Device(TFBoot& boot);
