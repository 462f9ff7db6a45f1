// The device update without its window: the update job, the device echo (loopback for the real answer,
// the echo service's seam for silence and errors), the update action with a stand-in updater, and the
// wait for an outside program.
#include "TestSupport.h"
#include "configurator/UBoot.h"
#include "configurator/UStartProgram.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/services/IcmpClient.h"
#include "toolkit/services/XmlDoc.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kBootData = QStringLiteral(QV_TEST_DATA_DIR "/images");

QByteArray bootReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A program folder with its MASTER folder and an open configuration, as the program sets them up.
QString bootProgramFolder() {
    Reset_Program_State();
    const QString exe = qvtest::TempDir();
    SetExeDirOverride(exe);
    Set_Program_Folders(exe);
    Name_Project = "Line 4";
    Dir_Project = Dir_Projects + "/" + Name_Project;
    QDir().mkpath(Dir_Project + "/bin");
    Set_Table_File_Paths();
    Load_Default_Lang();
    return exe;
}

// The stand-in for the outside updater: records its arguments and the job it found, after a short while.
void writeStandInUpdater(const QString& exeDir) {
    const QString path = exeDir + "/Ethernet_Update.exe";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nsleep 0.3\ncd \"$(dirname \"$0\")\"\necho \"$#\" > updater.ran\n"
            "cp Ethernet_Update.xml updater.job\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

// A device without a network: answers by script and moves a pretend clock as a real one would.
struct BootEchoDevice : IEchoService {
    std::vector<int> Script; // bytes received per try; the last one repeats. -1: the request fails.
    int Calls = 0;
    DWORD Clock = 100000;
    int TryCostMs = Echo_Try_Ms;
    QStringList Hosts;
    TCursor CursorDuring = crDefault;
    TReplyStatus Echo(quint32 address, const QByteArray& payload, Word, int timeoutMs,
                      const TKeepAlive&) override {
        CursorDuring = Screen->Cursor();
        EXPECT_EQ(payload, Echo_Payload.toLatin1());
        EXPECT_EQ(timeoutMs, Echo_Try_Ms);
        Hosts << IPv4ToText(address);
        const int bytes = Script[std::min<size_t>(size_t(Calls++), Script.size() - 1)];
        if (bytes < 0) throw Exception("Network is unreachable");
        TReplyStatus s;
        s.BytesReceived = bytes;
        s.ReplyStatusType = bytes > 0 ? rsEcho : rsTimeOut;
        Clock += bytes > 0 ? 3 : DWORD(TryCostMs);
        return s;
    }
    TEchoClock EchoClock() {
        TEchoClock c;
        c.Now = [this] { return Clock; };
        c.Pause = [this](int ms) { Clock += DWORD(ms); };
        return c;
    }
};

struct BootEchoSwap {
    explicit BootEchoSwap(IEchoService* s) : Previous(SetEchoService(s)) {}
    ~BootEchoSwap() { SetEchoService(Previous); }
    IEchoService* Previous;
};

QByteArray expectedJob(const char* file) {
    QByteArray bytes = bootReadFile(kBootData + "/" + file);
    bytes.replace("{MASTER}", Dir_Master.toUtf8());
    bytes.replace("{PROJECT}", Dir_Project.toUtf8());
    return bytes;
}

} // namespace

TEST(UpdateJob, EachOptionWritesItsOperations) {
    struct Case {
        const char* ip;
        Integer option;
        bool readBack;
        const char* expected;
    } cases[] = {{"192.168.2.205", 0, true, "job_option0_readback.xml"},
                 {"10.0.0.7", 1, true, "job_option1_readback.xml"},
                 {"127.0.0.1", 2, false, "job_option2_no_readback.xml"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        bootProgramFolder();
        TXMLDocument xml;
        xml.LoadFromString("<Old><Stuff /></Old>");
        String error;
        ASSERT_TRUE(Write_Update_Job(xml, c.ip, c.option, c.readBack, error)) << error.toStdString();
        EXPECT_EQ(QString::fromUtf8(bootReadFile(Dir_Exe + "/Ethernet_Update.xml")),
                  QString::fromUtf8(expectedJob(c.expected)));
    }
}

TEST(UpdateJob, UnwritableJobNamesTheFile) {
    bootProgramFolder();
    QDir().mkpath(Dir_Exe + "/Ethernet_Update.xml");
    TXMLDocument xml;
    String error;
    EXPECT_FALSE(Write_Update_Job(xml, "10.0.0.1", 0, true, error));
    EXPECT_TRUE(error.contains(Dir_Exe + "/Ethernet_Update.xml")) << error.toStdString();
}

TEST(DeviceEcho, OctetsMustBeDecimalBytes) {
    struct Case {
        const char* parts[4];
        bool valid;
    } cases[] = {
        {{"192", "168", "2", "205"}, true}, {{"0", "0", "0", "0"}, true},    {{"010", "1", "1", "255"}, true},
        {{"192", "", "2", "205"}, false},   {{"256", "1", "1", "1"}, false}, {{"1a", "1", "1", "1"}, false},
        {{" 1", "1", "1", "1"}, false},     {{"-1", "1", "1", "1"}, false},  {{"1000", "1", "1", "1"}, false},
        {{"1.2", "1", "1", "1"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Check_IP_Octets(c.parts[0], c.parts[1], c.parts[2], c.parts[3]), c.valid) << c.parts[0];
}

TEST(DeviceEcho, LoopbackAnswers) {
    TIcmpClient ping(nullptr);
    int ping_res = -1;
    // The real clock, but every wait for the rest of a try slot is counted: two quick answers need none.
    int pauses = 0;
    TEchoClock clock;
    clock.Pause = [&](int ms) {
        ++pauses;
        Sleep(unsigned(ms));
    };
    EXPECT_TRUE(Echo_Device(ping, "127.0.0.1", ping_res, clock));
    EXPECT_EQ(ping_res, Ping_Answered);
    EXPECT_EQ(ping.ReplyStatus().BytesReceived, 8 + 89);
    EXPECT_EQ(pauses, 0);
}

TEST(DeviceEcho, TriesUntilTwoAnswersOrTheTimeIsUp) {
    struct Case {
        const char* name;
        std::vector<int> script;
        int tryCostMs;
        bool result;
        int pingRes;
        int calls;
    } cases[] = {
        {"answers every try", {97}, Echo_Try_Ms, true, Ping_Answered, 2},
        {"silent: tries at 0, 400 ... 4800 ms", {0}, Echo_Try_Ms, false, Ping_Silent, 13},
        {"refuses at once: still one request per 400 ms", {0}, 1, false, Ping_Silent, 13},
        {"silent, then answers twice", {0, 0, 0, 97}, Echo_Try_Ms, true, Ping_Answered, 5},
        {"answers once, then silent", {97, 0}, Echo_Try_Ms, false, Ping_Silent, 14},
        {"answers once, then the request fails", {97, -1}, Echo_Try_Ms, false, Ping_No_Report, 2},
        {"the request cannot be sent", {-1}, Echo_Try_Ms, false, Ping_No_Report, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BootEchoDevice device;
        device.Script = c.script;
        device.TryCostMs = c.tryCostMs;
        BootEchoSwap swap(&device);
        TIcmpClient ping(nullptr);
        int ping_res = -1;
        EXPECT_EQ(Echo_Device(ping, "192.0.2.10", ping_res, device.EchoClock()), c.result);
        EXPECT_EQ(ping_res, c.pingRes);
        EXPECT_EQ(device.Calls, c.calls);
        EXPECT_EQ(device.Hosts.value(0), "192.0.2.10");
    }
}

TEST(EthernetUpdate, AnsweringDeviceGetsTheJobAndTheUpdaterRuns) {
    const QString exe = bootProgramFolder();
    writeStandInUpdater(exe);
    Last_IP_Address = "192.168.2.205";
    qvtest::ScriptedInteraction ui;
    TIcmpClient ping(nullptr);
    TXMLDocument xml;
    int ping_res = 0;
    const String octets[4] = {"127", "0", "0", "1"};
    EXPECT_TRUE(Run_Ethernet_Update(ping, xml, ping_res, octets, Update_Configuration_Only, false));
    EXPECT_TRUE(ui.Messages().isEmpty()) << ui.Messages().join("|").toStdString();
    // Start_Program waited for the updater: it ran without parameters and found the job.
    EXPECT_EQ(bootReadFile(exe + "/updater.ran"), "0\n");
    EXPECT_EQ(QString::fromUtf8(bootReadFile(exe + "/updater.job")),
              QString::fromUtf8(expectedJob("job_option2_no_readback.xml")));
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");
    EXPECT_EQ(Update_Option_Index, Update_Configuration_Only);
    EXPECT_FALSE(Update_Read_Back);
}

TEST(EthernetUpdate, FailuresStopBeforeAnythingIsStoredOrStarted) {
    struct Case {
        const char* name;
        String octets[4];
        std::vector<int> script;
        const char* message;
        int echoCalls;
    } cases[] = {
        {"empty octet", {"10", "", "0", "1"}, {97}, "Error!!! Check the Ip Address", 0},
        {"octet out of range", {"10", "0", "0", "256"}, {97}, "Error!!! Check the Ip Address", 0},
        {"silent device", {"10", "0", "0", "1"}, {0}, "Device Not Found!", 13},
        {"request cannot be sent", {"10", "0", "0", "1"}, {-1}, "Error!!! Check the Ip Address", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString exe = bootProgramFolder();
        writeStandInUpdater(exe);
        Last_IP_Address = "192.168.2.205";
        Update_Option_Index = 1;
        Update_Read_Back = true;
        BootEchoDevice device;
        device.Script = c.script;
        BootEchoSwap swap(&device);
        qvtest::ScriptedInteraction ui;
        ui.AnswerMessage(mrOk);
        TIcmpClient ping(nullptr);
        TXMLDocument xml;
        int ping_res = 0;
        EXPECT_FALSE(Run_Ethernet_Update(ping, xml, ping_res, c.octets, 2, false, device.EchoClock()));
        ASSERT_EQ(ui.History().size(), 1u);
        EXPECT_EQ(ui.History()[0].message.Text, c.message);
        EXPECT_EQ(ui.History()[0].message.Type,
                  QString(c.message).startsWith("Device") ? mtWarning : mtError);
        EXPECT_EQ(device.Calls, c.echoCalls);
        // Busy while the device is asked, the normal cursor again for the message.
        if (c.echoCalls > 0) {
            EXPECT_EQ(device.CursorDuring, crHourGlass);
        }
        EXPECT_EQ(Screen->Cursor(), crDefault);
        EXPECT_EQ(Last_IP_Address, "192.168.2.205");
        EXPECT_EQ(Update_Option_Index, 1);
        EXPECT_TRUE(Update_Read_Back);
        EXPECT_FALSE(QFile::exists(exe + "/Ethernet_Update.xml"));
        EXPECT_FALSE(QFile::exists(exe + "/updater.ran"));
    }
}

TEST(EthernetUpdate, UnwritableJobStartsNothing) {
    const QString exe = bootProgramFolder();
    writeStandInUpdater(exe);
    QDir().mkpath(exe + "/Ethernet_Update.xml");
    BootEchoDevice device;
    device.Script = {97};
    BootEchoSwap swap(&device);
    qvtest::ScriptedInteraction ui;
    ui.AnswerMessage(mrOk);
    TIcmpClient ping(nullptr);
    TXMLDocument xml;
    int ping_res = 0;
    const String octets[4] = {"10", "0", "0", "9"};
    EXPECT_FALSE(Run_Ethernet_Update(ping, xml, ping_res, octets, 0, true, device.EchoClock()));
    ASSERT_EQ(ui.Messages().size(), 1);
    EXPECT_TRUE(ui.Messages()[0].contains("Ethernet_Update.xml"));
    EXPECT_EQ(Last_IP_Address, "10.0.0.9"); // the device did answer
    EXPECT_FALSE(QFile::exists(exe + "/updater.ran"));
}

TEST(EthernetUpdate, ItsOwnFailuresSpeakTheInterfaceLanguageAndNameWhatFailed) {
    struct Case {
        const char* name;
        bool jobBlocked;    // a folder where the job file should go
        QByteArray updater; // empty: no updater beside the program
        int text;
        const char* names;
    } cases[] = {
        {"no updater", false, QByteArray(), Text_Updater_Missing, "Ethernet_Update.exe"},
        {"updater that does not run", false, "MZ not for this system", Text_Updater_Not_Started,
         "Ethernet_Update.exe"},
        {"job not written", true, QByteArray(), Text_Update_Job_Not_Written, "Ethernet_Update.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString exe = bootProgramFolder();
        if (c.jobBlocked) QDir().mkpath(exe + "/Ethernet_Update.xml");
        if (!c.updater.isEmpty()) {
            QFile f(exe + "/Ethernet_Update.exe");
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.updater);
        }
        // A language file's text, as the options dialog loads it.
        const String translated = QStringLiteral("Aktualisierung nicht m\u00f6glich: ");
        Lang_Texts->SetStrings(c.text, translated);
        BootEchoDevice device;
        device.Script = {97, 97};
        BootEchoSwap swap(&device);
        qvtest::ScriptedInteraction ui;
        ui.AnswerMessage(mrOk);
        TIcmpClient ping(nullptr);
        TXMLDocument xml;
        int ping_res = 0;
        const String octets[4] = {"127", "0", "0", "1"};
        EXPECT_FALSE(Run_Ethernet_Update(ping, xml, ping_res, octets, 0, true, device.EchoClock()));
        ASSERT_EQ(ui.Messages().size(), 1);
        EXPECT_TRUE(ui.Messages()[0].startsWith(translated)) << ui.Messages()[0].toStdString();
        EXPECT_TRUE(ui.Messages()[0].contains(exe + "/" + c.names)) << ui.Messages()[0].toStdString();
        EXPECT_EQ(ui.History()[0].message.Type, mtError);
    }
    Load_Default_Lang();
}

TEST(StartProgram, WaitsWithTheBusyCursorAndKeepsTimersRunning) {
    const QString exe = bootProgramFolder();
    writeStandInUpdater(exe);
    QFile::copy(kBootData + "/job_option1_readback.xml", exe + "/Ethernet_Update.xml");
    TCursor during = crDefault;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        during = Screen->Cursor();
    });
    timer.start(20);
    Start_Program(exe + "/Ethernet_Update.exe", QString(), false);
    timer.stop();
    EXPECT_EQ(bootReadFile(exe + "/updater.ran"), "0\n");
    EXPECT_GE(ticks, 1); // timers ran during the wait; how often depends on the machine's load
    EXPECT_EQ(during, crHourGlass);
    EXPECT_EQ(Screen->Cursor(), crDefault);

    // A program that cannot start is not waited for: no busy cursor, no wait.
    during = crDefault;
    timer.start(0);
    EXPECT_FALSE(Start_Program(exe + "/missing.exe", QString(), false));
    timer.stop();
    EXPECT_EQ(during, crDefault);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST(DeviceEcho, WindowsKeepRunningWhileATryWaitsOutItsSlot) {
    BootEchoDevice device;
    device.Script = {0, 97};
    device.TryCostMs = 0; // refused at once: the slot is waited out on the real clock
    BootEchoSwap swap(&device);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    TIcmpClient ping(nullptr);
    int ping_res = 0;
    // Measured in the program's own whole milliseconds: a finer clock can read a full slot one short.
    const DWORD start = GetTickCount();
    EXPECT_TRUE(Echo_Device(ping, "192.0.2.10", ping_res));
    EXPECT_GE(DWORD(GetTickCount() - start), DWORD(Echo_Try_Ms));
    EXPECT_GE(ticks, 1); // timers kept running through the wait; how often depends on the machine's load
    EXPECT_EQ(device.Calls, 3);
}
