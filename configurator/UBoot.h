// The device update: the update job for the outside updater, the echo that checks the device answers,
// and the update action that ties them together.
#pragma once

#include "toolkit/SysUtils.h"
#include "toolkit/Types.h"

#include <functional>

class TIcmpClient;
class TXMLDocument;

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
