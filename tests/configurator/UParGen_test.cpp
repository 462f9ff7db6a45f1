// The communication settings window: panels and layout, "ParGen.xml", the data check, keys, wheel and texts.
#include "TestSupport.h"
#include "configurator/UParGen.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "toolkit/stdctrls/CategoryPanels.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QSet>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kData = QString(QV_TEST_DATA_DIR) + "/pargen/";

// The 34 fields in the order of the file, with the kind that decides how their value reads.
const char* const kFields[] = {"E_EthConn_Device_Name",
                               "CB_EthConn_En_DHCP_Cable",
                               "CB_EthConn_En_DHCP_WiFi",
                               "CB_EthConn_Enable_DNS",
                               "E_EthConn_Pri_DNS_IP1",
                               "E_EthConn_Pri_DNS_IP2",
                               "E_EthConn_Pri_DNS_IP3",
                               "E_EthConn_Pri_DNS_IP4",
                               "E_EthConn_Sec_DNS_IP1",
                               "E_EthConn_Sec_DNS_IP2",
                               "E_EthConn_Sec_DNS_IP3",
                               "E_EthConn_Sec_DNS_IP4",
                               "E_OPC_UA_Server_IP1",
                               "E_OPC_UA_Server_IP2",
                               "E_OPC_UA_Server_IP3",
                               "E_OPC_UA_Server_IP4",
                               "E_OPC_UA_Server_SM1",
                               "E_OPC_UA_Server_SM2",
                               "E_OPC_UA_Server_SM3",
                               "E_OPC_UA_Server_SM4",
                               "E_OPC_UA_Server_GAT1",
                               "E_OPC_UA_Server_GAT2",
                               "E_OPC_UA_Server_GAT3",
                               "E_OPC_UA_Server_GAT4",
                               "CB_OPC_UA_Server_En_GAT",
                               "E_OPC_UA_Server_Port",
                               "L_OPC_UA_Server_Reset_Inactivity",
                               "E_OPC_UA_Server_Reset_Inactivity",
                               "CB_Serial_Serial",
                               "CB_Serial_Baudrate",
                               "Cb_Serial_Parity",
                               "CB_Serial_StopBits",
                               "E_NTP_Server_URL",
                               "E_NTP_Poll_Time"};
const char* const kElements[] = {"Eth_Conn_Device_Name",
                                 "Eth_Conn_DHCP_Cable",
                                 "Eth_Conn_DHCP_WiFi",
                                 "Eth_Conn_Enable_DNS",
                                 "Eth_Conn_Primary_DNS1",
                                 "Eth_Conn_Primary_DNS2",
                                 "Eth_Conn_Primary_DNS3",
                                 "Eth_Conn_Primary_DNS4",
                                 "Eth_Conn_Secondary_DNS1",
                                 "Eth_Conn_Secondary_DNS2",
                                 "Eth_Conn_Secondary_DNS3",
                                 "Eth_Conn_Secondary_DNS4",
                                 "OPC_UA_Server_IP1",
                                 "OPC_UA_Server_IP2",
                                 "OPC_UA_Server_IP3",
                                 "OPC_UA_Server_IP4",
                                 "OPC_UA_Server_SM1",
                                 "OPC_UA_Server_SM2",
                                 "OPC_UA_Server_SM3",
                                 "OPC_UA_Server_SM4",
                                 "OPC_UA_Server_GAT1",
                                 "OPC_UA_Server_GAT2",
                                 "OPC_UA_Server_GAT3",
                                 "OPC_UA_Server_GAT4",
                                 "OPC_UA_Server_EN_GAT",
                                 "OPC_UA_Server_Port",
                                 "OPC_UA_Server_Reset_Inactivity",
                                 "OPC_UA_Server_Reset_Inactivity_Time",
                                 "SERIAL_SERIAL",
                                 "SERIAL_BAUDRATE",
                                 "SERIAL_PARITY",
                                 "SERIAL_STOPBITS",
                                 "NTP_Server_URL",
                                 "NTP_Poll_Time"};
const QStringList kDefaults = {"",    "0",    "0", "0",    "8",   "8",   "8",   "8", "8",   "8",   "8", "8",
                               "192", "168",  "0", "10",   "255", "255", "255", "0", "192", "168", "0", "1",
                               "0",   "4840", "0", "1440", "0",   "7",   "0",   "0", "",    ""};
const QStringList kFullValues = {
    "plant-7",      "1",   "0", "1", "1",  "1", "1", "1",   "9", "9",    "9", "9",  "10", "1", "2", "3",
    "255",          "255", "0", "0", "10", "1", "2", "254", "1", "4841", "1", "30", "1",  "3", "2", "1",
    "pool.example", "3600"};

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void SendKey(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

} // namespace

class ParGenWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Load_Default_Lang();
        Dir = qvtest::TempDir();
        SetExeDirOverride(Dir);
        Dir_Project = Dir + "/PROJECTS/Line";
        ASSERT_TRUE(ForceDirectories(Dir_Project));
        File_ParGen = Dir_Project + "/ParGen.xml";
        SW_Code = Product_SW_Code;
        Form = new TFParGen(Application);
        Form->AfterConstruction();
    }
    void TearDown() override {
        delete Form;
        SetExeDirOverride("");
    }

    template <class T> T* Get(const char* name) {
        auto* c = dynamic_cast<T*>(Form->FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    TEdit* Edit(const char* name) { return Get<TEdit>(name); }
    TCheckBox* Box(const char* name) { return Get<TCheckBox>(name); }
    TComboBox* List(const char* name) { return Get<TComboBox>(name); }

    // The 34 fields as the file would hold them.
    QStringList Values() {
        QStringList v;
        for (const char* name : kFields) {
            TComponent* c = Form->FindComponent(name);
            if (auto* e = dynamic_cast<TEdit*>(c))
                v << e->Text();
            else if (auto* b = dynamic_cast<TCheckBox*>(c))
                v << (b->Checked() ? "1" : "0");
            else
                v << QString::number(static_cast<TComboBox*>(c)->ItemIndex());
        }
        return v;
    }
    QStringList VisiblePanels() {
        QStringList list;
        for (TCategoryPanel* p : Form->CPG->Panels())
            if (p->Visible()) list << p->Caption();
        return list;
    }
    void Load(const QByteArray& content) {
        WriteBytes(File_ParGen, content);
        Form->FormShow(Form);
    }

    QString Dir;
    TFParGen* Form = nullptr;
};

namespace {

const QStringList kTitles = {"1. Ethernet Connection", "2. OPC UA Server", "3. Serial",
                             "4. NTP (Network Time Protocol)"};

} // namespace

// ---- Panels and layout ---------------------------------------------------------------------------------

TEST_F(ParGenWindow, ShowsThisModelsFourPanelsNumberedInOrder) {
    EXPECT_EQ(ParGen_Model(), "LD83K17");
    EXPECT_EQ(Form->CPG->Panels().size(), 28u);
    EXPECT_EQ(VisiblePanels(), kTitles);
    const char* order[] = {"CP_Ethernet_Connection", "CP_OPC_UA_Server", "CP_Serial", "CP_NTP"};
    int top = 0;
    for (int k = 0; k < 4; ++k) {
        auto* p = Get<TCategoryPanel>(order[k]);
        EXPECT_EQ(p->TabOrder(), k) << order[k];
        EXPECT_EQ(p->Top(), top) << order[k];
        top += p->Height();
    }
    EXPECT_EQ(Form->ClientWidth(), 460);
    EXPECT_EQ(Form->ClientHeight(), 700);
    EXPECT_EQ(Form->L_SW_Code->Caption(), "RV83K17");
}

TEST_F(ParGenWindow, PanelHeightFollowsItsLowestField) {
    struct Case {
        const char* panel;
        const char* lowest;
    } cases[] = {{"CP_Ethernet_Connection", "E_EthConn_Sec_DNS_IP4"},
                 {"CP_OPC_UA_Server", "E_OPC_UA_Server_Reset_Inactivity"},
                 {"CP_Serial", "CB_Serial_StopBits"},
                 {"CP_NTP", "E_NTP_Poll_Time"}};
    for (const Case& c : cases) {
        auto* lowest = Get<TControl>(c.lowest);
        EXPECT_EQ(Get<TCategoryPanel>(c.panel)->Height(),
                  lowest->Top() + lowest->Height() + Form->CPG->HeaderHeight() + 12)
            << c.panel;
    }
}

TEST_F(ParGenWindow, DhcpTickDisablesTheTwelveAddressBytesAtOnce) {
    QStringList bytes;
    for (const char* part : {"IP", "SM", "GAT"})
        for (int i = 1; i <= 4; ++i)
            bytes << QString("E_OPC_UA_Server_%1%2").arg(part).arg(i);
    auto enabledCount = [&] {
        int n = 0;
        for (const QString& b : bytes)
            n += Get<TControl>(qPrintable(b))->Enabled();
        return n;
    };
    EXPECT_EQ(enabledCount(), 12);
    Form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
    EXPECT_EQ(enabledCount(), 0);
    EXPECT_TRUE(Form->CB_OPC_UA_Server_En_GAT->Enabled());
    EXPECT_TRUE(Form->E_OPC_UA_Server_Port->Enabled());
    Form->CB_EthConn_En_DHCP_Cable->SetChecked(false);
    EXPECT_EQ(enabledCount(), 12);
    EXPECT_FALSE(Form->CB_EthConn_En_DHCP_WiFi->Enabled());
}

TEST_F(ParGenWindow, TitlesKeepTheLanguageOfCreation) {
    const String old = Lang_Texts->Strings(1151);
    Lang_Texts->SetStrings(1151, "Connessione Ethernet");
    Form->Set_Lang();
    Form->Move_GroupBoxs();
    EXPECT_EQ(VisiblePanels(), kTitles);
    Lang_Texts->SetStrings(1151, old);
}

TEST_F(ParGenWindow, ResizingKeepsTheClientWidth) {
    Form->SetClientSize(600, 500);
    EXPECT_EQ(Form->ClientWidth(), 460);
    EXPECT_EQ(Form->ClientHeight(), 500);
}

TEST_F(ParGenWindow, EveryModelHasItsPanelsInOrder) {
    struct Case {
        const char* model;
        QStringList middle;
    } cases[] = {
        {"LD83K18", {"Modbus Master"}},
        {"LD83K22", {"BACnet Master"}},
        {"LD83K33", {"MQTT ", "Ethernet", "Wi-Fi", "TLS (Transport Layer Security)"}},
        {"LD83K39", {"SNMP Agent"}},
        {"LD83K34", {}},
    };
    EXPECT_EQ(ParGen_Models().size(), 23);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        for (TCategoryPanel* p : Form->CPG->Panels())
            p->Hide();
        Form->Order_TAB_Panels_Model(c.model);
        Form->RePosition_Objects_Model(c.model);
        QStringList expected;
        if (QString(c.model) != "LD83K34") {
            QStringList texts = QStringList{"Ethernet Connection", "OPC UA Server"} + c.middle;
            texts << "NTP (Network Time Protocol)";
            for (int k = 0; k < texts.size(); ++k)
                expected << QString("%1. %2").arg(k + 1).arg(texts[k]);
        }
        EXPECT_EQ(VisiblePanels(), expected);
    }
}

TEST_F(ParGenWindow, OtherModelsPanelsFollowTheirState) {
    // Wi-Fi access point, unsecured, no DHCP server: no password row, channel lowest.
    Form->RePosition_Object_WiFi();
    const int t = Get<TControl>("L_WiFi_Type")->Top();
    EXPECT_FALSE(Get<TControl>("CB_WiFi_IP_Auto")->Visible());
    EXPECT_FALSE(Get<TControl>("E_WiFi_Password")->Visible());
    EXPECT_FALSE(Get<TControl>("E_WiFi_Name")->Visible());
    EXPECT_FALSE(Get<TControl>("E_WiFi_DHCP_First_IP1")->Visible());
    EXPECT_EQ(Get<TControl>("L_WiFi_IP")->Top(), t + 28);
    EXPECT_EQ(Get<TControl>("E_WiFi_IP1")->Top(), t + 25);
    EXPECT_EQ(Get<TControl>("L_WiFi_Secure_Type")->Top(), t + 196);
    EXPECT_EQ(Get<TControl>("CB_WiFi_En_DHCP")->Top(), t + 224);
    EXPECT_EQ(Get<TControl>("L_WiFi_Max_Client")->Top(), t + 252);
    EXPECT_EQ(Get<TControl>("L_WiFi_Channel")->Top(), t + 280);
    EXPECT_EQ(Get<TControl>("CB_WiFi_En_Gat")->Top(), t + 84);
    EXPECT_EQ(Get<TControl>("L_WiFi_GAT_Dot1")->Top(), t + 85);
    EXPECT_EQ(Get<TControl>("L_WiFi_SM_Dot1")->Top(), t + 56);
    auto* channel = Get<TControl>("CB_WiFi_Channel");
    EXPECT_EQ(Get<TCategoryPanel>("CP_WiFi")->Height(),
              channel->Top() + channel->Height() + Form->CPG->HeaderHeight() + 12);
    // Client mode with an automatic address: the name row takes the address row's place.
    List("CB_WiFi_Type")->SetItemIndex(1);
    Box("CB_WiFi_IP_Auto")->SetChecked(true);
    Form->RePosition_Object_WiFi(); // this model's layout runs on the click, not the Wi-Fi panel's
    EXPECT_FALSE(Get<TControl>("E_WiFi_IP1")->Visible());
    EXPECT_EQ(Get<TControl>("L_WiFi_Name")->Top(), t + 56);
    EXPECT_EQ(Get<TControl>("L_WiFi_Password")->Top(), t + 140);
    EXPECT_FALSE(Get<TControl>("CB_WiFi_Channel")->Visible());

    // BACnet master on MS/TP: the baud-rate row takes the address row's place; the device instance is lowest.
    const int addressTop = Get<TControl>("L_BACnet_IP_Master_IP")->Top();
    List("CB_BACnet_Master_Type")->SetItemIndex(1);
    Form->RePosition_Object_BACnet_Master();
    EXPECT_FALSE(Get<TControl>("E_BACnet_IP_Master_IP1")->Visible());
    EXPECT_EQ(Get<TControl>("L_BACnet_MSTP_Master_Baudrate")->Top(), addressTop);
    EXPECT_EQ(Get<TControl>("CB_BACnet_MSTP_Master_Baudrate")->Top(), addressTop - 3);
    auto* instance = Get<TControl>("E_BACnet_MSTP_Master_Device_Instance");
    EXPECT_EQ(instance->Top(), addressTop + 6 * 28 - 3);
    EXPECT_EQ(Get<TCategoryPanel>("CP_BACnet_Master")->Height(),
              instance->Top() + instance->Height() + Form->CPG->HeaderHeight() + 12);

    // SNMP agent: the version-3 box brings the user rows; the level decides authority and privacy.
    Box("CB_SNMP_Agent_Version3")->SetChecked(false);
    Form->RePosition_Object_SNMP_Agent();
    EXPECT_FALSE(Get<TControl>("E_SNMP_Agent_User")->Visible());
    List("CB_SNMP_Agent_SecurityLevel")->SetItemIndex(1);
    Box("CB_SNMP_Agent_Version3")->SetChecked(true);
    Form->RePosition_Object_SNMP_Agent();
    EXPECT_TRUE(Get<TControl>("E_SNMP_Agent_Authority")->Visible());
    EXPECT_FALSE(Get<TControl>("E_SNMP_Agent_Privacy")->Visible());
}

TEST_F(ParGenWindow, HasEveryPanelFieldOfTheFamily) {
    // A sample across the other models' panels: kinds, design values and items.
    EXPECT_EQ(List("CB_CANopen_Baudrate")->Items()->Count(), 10);
    EXPECT_EQ(List("CB_CANopen_Baudrate")->ItemIndex(), 8);
    EXPECT_EQ(List("CB_BACnet_MSTP_Slave_Baudrate")->ItemIndex(), 5);
    EXPECT_EQ(Edit("E_PROFINET_NameStation")->MaxLength(), 31);
    EXPECT_EQ(Edit("E_EtherNetIP_Master_Port")->Text(), "44818");
    EXPECT_FALSE(Edit("E_EtherNetIP_Master_Port")->Enabled());
    EXPECT_FALSE(List("CB_KNX_Type")->Enabled());
    EXPECT_TRUE(dynamic_cast<TMemo*>(Form->FindComponent("E_MQTT_Password")) != nullptr);
    EXPECT_FALSE(Get<TControl>("E_MQTT_Password__")->Visible());
    EXPECT_EQ(Get<TControl>("CB_SNMP_Agent_Version2")->Caption(), "2");
    int checkBoxes = 0, addressBytes = 0;
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        checkBoxes += dynamic_cast<TCheckBox*>(Form->Components(i)) != nullptr;
        if (auto* e = dynamic_cast<TEdit*>(Form->Components(i))) addressBytes += bool(e->OnKeyPress);
    }
    EXPECT_EQ(checkBoxes, 38);
    EXPECT_EQ(addressBytes, 164);
    EXPECT_TRUE(dynamic_cast<TSbButton*>(Form->FindComponent("Btn_OK")) != nullptr);
}

// ---- "ParGen.xml" in ------------------------------------------------------------------------------------

TEST_F(ParGenWindow, MissingFileGivesTheDefaults) {
    Edit("E_NTP_Poll_Time")->SetText("stale");
    Form->FormShow(Form);
    EXPECT_EQ(Values(), kDefaults);
}

TEST_F(ParGenWindow, FullFileFillsEveryFieldButTheWiFiDhcpBox) {
    Load(ReadBytes(kData + "ParGen_full.xml"));
    EXPECT_EQ(Values(), kFullValues);
    // The loaded DHCP box drives the layout at once.
    EXPECT_FALSE(Edit("E_OPC_UA_Server_IP1")->Enabled());
}

TEST_F(ParGenWindow, EachMissingElementTakesItsOwnDefault) {
    const QByteArray full = ReadBytes(kData + "ParGen_full.xml");
    for (int i = 0; i < 34; ++i) {
        SCOPED_TRACE(kElements[i]);
        QByteArray content = full;
        const QByteArray tag = QByteArray(kElements[i]);
        const int from = content.indexOf("<" + tag + ">");
        const int to = content.indexOf("</" + tag + ">") + tag.size() + 3;
        ASSERT_GE(from, 0);
        content.remove(from, to - from);
        Load(content);
        QStringList expected = kFullValues;
        expected[i] = kDefaults[i];
        EXPECT_EQ(Values(), expected);
    }
}

TEST_F(ParGenWindow, ReadForms) {
    struct Case {
        const char* name;
        QByteArray body; // the root's children
        const char* field;
        QString expected;
    } cases[] = {
        {"check box needs exactly 1", "<Eth_Conn_Enable_DNS>true</Eth_Conn_Enable_DNS>",
         "CB_EthConn_Enable_DNS", "0"},
        {"present but empty check box", "<Eth_Conn_DHCP_Cable/>", "CB_EthConn_En_DHCP_Cable", "0"},
        {"edit keeps its text as written", "<NTP_Poll_Time> 60 </NTP_Poll_Time>", "E_NTP_Poll_Time", " 60 "},
        {"present but empty edit", "<OPC_UA_Server_Port></OPC_UA_Server_Port>", "E_OPC_UA_Server_Port", ""},
        {"list index not a number", "<SERIAL_BAUDRATE>x</SERIAL_BAUDRATE>", "CB_Serial_Baudrate", "7"},
        {"list index past the list", "<SERIAL_BAUDRATE>9</SERIAL_BAUDRATE>", "CB_Serial_Baudrate", "7"},
        {"list index -1 from an old save", "<SERIAL_BAUDRATE>-1</SERIAL_BAUDRATE>", "CB_Serial_Baudrate",
         "7"},
        {"list index in hexadecimal", "<SERIAL_BAUDRATE>$3</SERIAL_BAUDRATE>", "CB_Serial_Baudrate", "3"},
        {"parity past the list", "<SERIAL_PARITY>3</SERIAL_PARITY>", "Cb_Serial_Parity", "0"},
        {"Wi-Fi DHCP never ticked", "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", "CB_EthConn_En_DHCP_WiFi",
         "0"},
        {"older DNS name wins",
         "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1><OPC_UA_Server_DNS1>2</OPC_UA_Server_DNS1>",
         "E_EthConn_Pri_DNS_IP1", "2"},
        {"older DNS name alone", "<OPC_UA_Server_DNS4>4</OPC_UA_Server_DNS4>", "E_EthConn_Pri_DNS_IP4", "4"},
        {"older DNS switch wins",
         "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><OPC_UA_Server_EN_DNS>1</OPC_UA_Server_EN_DNS>",
         "CB_EthConn_Enable_DNS", "1"},
        {"older DNS names absent keep the new ones", "<Eth_Conn_Primary_DNS2>7</Eth_Conn_Primary_DNS2>",
         "E_EthConn_Pri_DNS_IP2", "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load("<Par_Gen>" + c.body + "</Par_Gen>");
        int i = 0;
        while (QString(kFields[i]) != c.field)
            ++i;
        EXPECT_EQ(Values()[i], c.expected);
    }
}

TEST_F(ParGenWindow, RootMustBeTheFirstTopLevelNode) {
    Load("<!--saved by hand--><Par_Gen><OPC_UA_Server_Port>5000</OPC_UA_Server_Port></Par_Gen>");
    EXPECT_EQ(Values(), kDefaults);
    Load("<Other><OPC_UA_Server_Port>5000</OPC_UA_Server_Port></Other>");
    EXPECT_EQ(Form->E_OPC_UA_Server_Port->Text(), "5000");
}

// A damaged file, or a table of another kind saved under this name: the window says it could not read
// it, and OK replaces it only after a yes (a no keeps the file and the window open).
TEST_F(ParGenWindow, MalformedFileGivesDefaultsAndSaysSoThenOkWritesAGoodFile) {
    const QByteArray damaged = "<Par_Gen><OPC_UA_Server_Port>5000</OPC_UA_Server_Port>";
    const QByteArray tableOfAnotherKind = "<BACnet_to_KNX><row Enable=\"Y\"/></BACnet_to_KNX>";
    for (const QByteArray& content : {damaged, tableOfAnotherKind}) {
        SCOPED_TRACE(content.toStdString());
        qvtest::ScriptedInteraction script;
        script.AnswerMessage(mrOk);
        Edit("E_OPC_UA_Server_Port")->SetText("1");
        Load(content);
        ASSERT_EQ(script.Messages().size(), 1);
        EXPECT_TRUE(script.Messages()[0].contains(File_ParGen));
        EXPECT_EQ(script.History()[0].message.Type, mtError);
        EXPECT_EQ(Values(), kDefaults);
        Form->E_NTP_Poll_Time->SetText("60");
        Form->SetModalResult(mrNone);
        script.AnswerMessage(mrNo);
        Form->Btn_OKClick(Form->Btn_OK);
        EXPECT_EQ(script.Messages().value(1), Lang_Texts->Strings(Text_Overwrite_Unread_Settings));
        EXPECT_EQ(Form->ModalResult(), mrNone);
        EXPECT_EQ(ReadBytes(File_ParGen), content);
        script.AnswerMessage(mrYes);
        Form->Btn_OKClick(Form->Btn_OK);
        EXPECT_EQ(Form->ModalResult(), mrOk);
        EXPECT_EQ(ReadBytes(File_ParGen), ReadBytes(kData + "ParGen_defaults_expected.xml"));
    }
}

// Well-formed but far beyond what the program writes: refused like a malformed file, and left as it is.
TEST_F(ParGenWindow, FileOrFieldBeyondItsLimitGivesDefaultsAndLeavesTheFile) {
    const QByteArray hugeName = "<Par_Gen><OPC_UA_Server_Port>5000</OPC_UA_Server_Port><Device_Name>" +
                                QByteArray(5000, 'x') + "</Device_Name></Par_Gen>";
    const QByteArray hugeFile =
        "<Par_Gen><OPC_UA_Server_Port>5000</OPC_UA_Server_Port>" + QByteArray(5 << 20, ' ') + "</Par_Gen>";
    for (const QByteArray& content : {hugeName, hugeFile}) {
        qvtest::ScriptedInteraction script;
        script.AnswerMessage(mrOk);
        Load(content);
        ASSERT_EQ(script.Messages().size(), 1);
        EXPECT_TRUE(script.Messages()[0].contains(File_ParGen));
        EXPECT_EQ(Values(), kDefaults);
        EXPECT_EQ(ReadBytes(File_ParGen), content);
    }
}

// ---- Data check -----------------------------------------------------------------------------------------

TEST_F(ParGenWindow, DataCheckStopsAtTheFirstBadFieldWithItsMessage) {
    struct Case {
        std::vector<std::pair<const char*, const char*>>
            set;     // field, text ("1"/"0" for boxes, index for lists)
        int message; // 0: passes
    } cases[] = {
        {{}, 0},
        {{{"E_OPC_UA_Server_Port", "10000"}}, 1136},
        {{{"E_OPC_UA_Server_Port", "65536"}}, 1136},
        {{{"E_OPC_UA_Server_Port", "abc"}}, 1136},
        {{{"E_OPC_UA_Server_Port", "-1"}}, 1136},
        {{{"E_OPC_UA_Server_Port", "0"}}, 0},
        {{{"E_OPC_UA_Server_Port", "65535"}}, 0},
        {{{"E_OPC_UA_Server_Port", "$10"}}, 0},
        {{{"E_EthConn_Pri_DNS_IP1", "256"}}, 0}, // DNS is not checked while unused
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Pri_DNS_IP1", "256"}}, 1170},
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Pri_DNS_IP2", "x"}}, 1171},
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Pri_DNS_IP3", ""}}, 1172},
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Pri_DNS_IP4", "-5"}}, 1173},
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Sec_DNS_IP1", "300"}}, 1174},
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Sec_DNS_IP2", "300"}}, 1175},
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Sec_DNS_IP3", "300"}}, 1176},
        {{{"CB_EthConn_Enable_DNS", "1"}, {"E_EthConn_Sec_DNS_IP4", "300"}, {"E_OPC_UA_Server_IP1", "300"}},
         1177},
        {{{"E_OPC_UA_Server_IP1", "256"}}, 922},
        {{{"E_OPC_UA_Server_IP2", "256"}}, 923},
        {{{"E_OPC_UA_Server_IP3", "256"}}, 924},
        {{{"CB_EthConn_En_DHCP_Cable", "1"}, {"E_OPC_UA_Server_IP4", "999"}}, 925}, // disabled, still checked
        {{{"E_OPC_UA_Server_SM1", "256"}}, 926},
        {{{"E_OPC_UA_Server_SM2", "256"}}, 927},
        {{{"E_OPC_UA_Server_SM3", "256"}}, 928},
        {{{"E_OPC_UA_Server_SM4", "256"}}, 929},
        {{{"E_OPC_UA_Server_GAT1", "300"}}, 0}, // the gateway is not checked while unused
        {{{"CB_OPC_UA_Server_En_GAT", "1"}, {"E_OPC_UA_Server_GAT1", "300"}}, 930},
        {{{"CB_OPC_UA_Server_En_GAT", "1"}, {"E_OPC_UA_Server_GAT2", "300"}}, 931},
        {{{"CB_OPC_UA_Server_En_GAT", "1"}, {"E_OPC_UA_Server_GAT3", "300"}}, 932},
        {{{"CB_OPC_UA_Server_En_GAT", "1"}, {"E_OPC_UA_Server_GAT4", "300"}}, 933},
        {{{"E_OPC_UA_Server_Reset_Inactivity", "0"}}, 0},
        {{{"L_OPC_UA_Server_Reset_Inactivity", "1"}, {"E_OPC_UA_Server_Reset_Inactivity", "0"}}, 1180},
        {{{"L_OPC_UA_Server_Reset_Inactivity", "1"}, {"E_OPC_UA_Server_Reset_Inactivity", "60001"}}, 1180},
        {{{"L_OPC_UA_Server_Reset_Inactivity", "1"}, {"E_OPC_UA_Server_Reset_Inactivity", "60000"}}, 0},
        {{{"CB_Serial_StopBits", "1"}, {"Cb_Serial_Parity", "0"}}, 0},
        {{{"CB_Serial_StopBits", "1"}, {"Cb_Serial_Parity", "1"}}, 934},
        {{{"CB_Serial_StopBits", "1"}, {"Cb_Serial_Parity", "2"}, {"E_NTP_Poll_Time", ""}}, 934},
        {{{"E_NTP_Poll_Time", ""}}, 1092},
        {{{"E_NTP_Poll_Time", "10000001"}}, 1092},
        {{{"E_NTP_Poll_Time", "10000000"}}, 0},
    };
    for (const Case& c : cases) {
        Form->FormShow(Form);
        Form->E_NTP_Poll_Time->SetText("60");
        QString trace;
        for (const auto& [field, text] : c.set) {
            trace += QString("%1=%2 ").arg(field, text);
            TComponent* comp = Form->FindComponent(field);
            if (auto* e = dynamic_cast<TEdit*>(comp))
                e->SetText(text);
            else if (auto* b = dynamic_cast<TCheckBox*>(comp))
                b->SetChecked(QString(text) == "1");
            else
                static_cast<TComboBox*>(comp)->SetItemIndex(QString(text).toInt());
        }
        SCOPED_TRACE(trace.toStdString());
        qvtest::ScriptedInteraction script;
        if (c.message) script.AnswerMessage(mrOk);
        EXPECT_EQ(Form->Controllo_Dati(), c.message == 0);
        if (c.message) {
            ASSERT_EQ(script.Messages().size(), 1);
            EXPECT_EQ(script.Messages()[0], Lang_Texts->Strings(c.message));
            EXPECT_EQ(script.History()[0].message.Type, mtError);
            EXPECT_EQ(script.History()[0].message.Buttons, TMsgDlgButtons(mbOK));
        } else {
            EXPECT_TRUE(script.Messages().isEmpty());
        }
    }
}

// ---- "ParGen.xml" out -----------------------------------------------------------------------------------

TEST_F(ParGenWindow, OkWithoutAFileFirstAsksForThePollTimeThenWritesTheDefaults) {
    qvtest::ScriptedInteraction script;
    script.AnswerModal([](TCustomForm* f) {
        auto* w = static_cast<TFParGen*>(f);
        w->Btn_OK->Click();
        EXPECT_EQ(f->ModalResult(), mrNone);
        w->E_NTP_Poll_Time->SetText("60");
        w->Btn_OK->Click();
    });
    script.AnswerMessage(mrOk);
    EXPECT_EQ(Form->ShowModal(), mrOk);
    EXPECT_EQ(script.Messages(), QStringList{"Error NTP!! Poll Time must be between 0 and 10000000 seconds"});
    EXPECT_EQ(ReadBytes(File_ParGen), ReadBytes(kData + "ParGen_defaults_expected.xml"));
}

TEST_F(ParGenWindow, WrittenFileReadsBackTheSameFields) {
    Load(ReadBytes(kData + "ParGen_full.xml"));
    Form->Cb_Serial_Parity->SetItemIndex(0); // two stop bits need no parity
    Form->Btn_OKClick(Form->Btn_OK);
    ASSERT_EQ(Form->ModalResult(), mrOk);
    QStringList expected = kFullValues;
    expected[30] = "0";
    const QByteArray written = ReadBytes(File_ParGen);
    EXPECT_TRUE(
        written.startsWith("<Par_Gen>\r\n  <Eth_Conn_Device_Name>plant-7</Eth_Conn_Device_Name>\r\n"));
    EXPECT_TRUE(written.endsWith("</Par_Gen>\r\n<!--SW_VERSION = 1.003-->\r\n"));
    EXPECT_TRUE(written.contains("<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"));
    Form->FormShow(Form);
    EXPECT_EQ(Values(), expected);
    // Other models' fields are neither loaded nor written.
    EXPECT_FALSE(written.contains("Modbus"));
}

TEST_F(ParGenWindow, FailedSaveNamesTheFileKeepsTheWindowOpenAndTheOldFile) {
    Form->FormShow(Form);
    Form->E_NTP_Poll_Time->SetText("60");
    struct Case {
        const char* name;
        std::function<void()> breakIt;
        std::function<void()> repair;
    } cases[] = {
        {"folder gone", [&] { File_ParGen = Dir + "/Gone/ParGen.xml"; }, [] {}},
        {"a folder in the file's place",
         [&] {
             File_ParGen = Dir_Project + "/Taken.xml";
             QDir().mkpath(File_ParGen + "/inside");
         },
         [] {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString keep = File_ParGen;
        c.breakIt();
        const QByteArray before = ReadBytes(File_ParGen);
        qvtest::ScriptedInteraction script;
        script.AnswerMessage(mrOk);
        Form->SetModalResult(mrNone);
        Form->Btn_OKClick(Form->Btn_OK);
        EXPECT_EQ(Form->ModalResult(), mrNone);
        ASSERT_EQ(script.Messages().size(), 1);
        EXPECT_TRUE(script.Messages()[0].contains(File_ParGen));
        EXPECT_EQ(ReadBytes(File_ParGen), before);
        EXPECT_EQ(QDir(Dir_Project).entryList(QDir::Files), QStringList()); // no half-written file beside it
        c.repair();
        File_ParGen = keep;
    }
}

// ---- Keys and wheel -------------------------------------------------------------------------------------

TEST_F(ParGenWindow, DotMovesAlongTheAddressAndIsNeverTyped) {
    qvtest::ScriptedInteraction script;
    script.AnswerModal([this](TCustomForm* f) {
        struct Case {
            const char* from;
            const char* focus; // where the focus is afterwards
        } cases[] = {
            {"E_OPC_UA_Server_IP4", "E_OPC_UA_Server_SM1"},
            {"E_OPC_UA_Server_SM4", "E_OPC_UA_Server_GAT1"},
            {"E_OPC_UA_Server_GAT4", "E_OPC_UA_Server_GAT4"},
            {"E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1"},
            {"E_EthConn_Sec_DNS_IP4", "E_EthConn_Sec_DNS_IP4"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.from);
            TEdit* from = Edit(c.from);
            from->SetFocus();
            QApplication::processEvents();
            const String before = from->Text();
            SendKey(from->Widget(), Qt::Key_Period, ".");
            QApplication::processEvents();
            EXPECT_EQ(from->Text(), before);
            EXPECT_TRUE(Edit(c.focus)->Focused());
        }
        // Other characters pass; a byte of a hidden panel only swallows the dot.
        TEdit* ip1 = Edit("E_OPC_UA_Server_IP1");
        ip1->SetFocus();
        SendKey(ip1->Widget(), Qt::Key_End, "");
        SendKey(ip1->Widget(), Qt::Key_5, "5");
        EXPECT_EQ(ip1->Text(), "1925");
        QChar key('.');
        Form->KeyPress(Edit("E_WiFi_IP1"), key);
        EXPECT_TRUE(key.isNull());
        QChar enter('\r');
        Form->KeyPress(ip1, enter);
        EXPECT_EQ(enter, QChar('\r'));
        f->SetModalResult(mrCancel);
    });
    Form->ShowModal();
}

TEST_F(ParGenWindow, WheelScrollsThePanelGroupOnlyOverIt) {
    qvtest::ScriptedInteraction script;
    script.AnswerModal([this](TCustomForm* f) {
        TControlScrollBar* bar = Form->CPG->VertScrollBar();
        ASSERT_GT(bar->MaxPosition(), 0);
        bool handled = false;
        Form->FormMouseWheel(Form, 0, -120, Form->CPG->ClientToScreen(TPoint(50, 50)), handled);
        EXPECT_TRUE(handled);
        const int down = bar->Position();
        EXPECT_EQ(down, std::min(bar->MaxPosition(), WheelScrollLines() * bar->Increment()));
        Form->FormMouseWheel(Form, 0, 120, Form->CPG->ClientToScreen(TPoint(50, 50)), handled);
        EXPECT_EQ(bar->Position(), 0);
        Form->FormMouseWheel(Form, 0, -120, Form->P_Title->ClientToScreen(TPoint(5, 5)), handled);
        EXPECT_FALSE(handled);
        EXPECT_EQ(bar->Position(), 0);
        // A real turn over a list inside the group scrolls the group and leaves the list's choice alone.
        QWidget* combo = Form->CB_Serial_Baudrate->Widget();
        const QPoint inside(10, 10);
        QWheelEvent turn(inside, combo->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &turn);
        EXPECT_EQ(bar->Position(), down);
        EXPECT_EQ(Form->CB_Serial_Baudrate->ItemIndex(), 7);
        f->SetModalResult(mrCancel);
    });
    Form->ShowModal();
}

// ---- Texts ----------------------------------------------------------------------------------------------

TEST_F(ParGenWindow, LanguageChangeReappliesEveryTextBlockAndRefillsTheWiFiLists) {
    for (int n = 400; n <= 1180; ++n)
        Lang_Texts->SetStrings(n, QString("T%1").arg(n));
    List("CB_WiFi_Channel")->SetItemIndex(5);
    Form->Set_Lang();
    EXPECT_EQ(Form->Caption(), "T400");
    EXPECT_EQ(Form->L_SW_Desc->Caption(), "T401");
    EXPECT_EQ(Form->Btn_OK->Caption(), "T402");
    EXPECT_EQ(Form->Btn_Cancel->Hint(), "T405");
    EXPECT_EQ(Get<TControl>("L_OPC_UA_Server_IP")->Caption(), "T407");
    EXPECT_EQ(Form->CB_OPC_UA_Server_En_GAT->Caption(), "T417");
    EXPECT_EQ(Get<TControl>("E_OPC_UA_Server_GAT4")->Hint(), "T422");
    EXPECT_EQ(Form->L_OPC_UA_Server_Reset_Inactivity->Caption(), "T1178");
    EXPECT_EQ(Form->E_OPC_UA_Server_Reset_Inactivity->Hint(), "T1179");
    EXPECT_EQ(Get<TControl>("L_Serial_StopBits")->Caption(), "T920");
    EXPECT_EQ(Form->E_NTP_Poll_Time->Hint(), "T568");
    EXPECT_EQ(Get<TControl>("E_EthConn_Sec_DNS_IP4")->Hint(), "T1169");
    EXPECT_EQ(Get<TControl>("L_SNMP_Agent_Version")->Caption(), "T742");
    EXPECT_EQ(Get<TControl>("CB_SNMP_Agent_Version3")->Hint(), "T745");
    EXPECT_EQ(Get<TControl>("CB_SNMP_Agent_Version3")->Caption(), "3");
    EXPECT_EQ(Get<TControl>("E_CANopen_NetOpe_Delay")->Hint(), "T613");
    EXPECT_EQ(Get<TControl>("L_MQTT_ASync_Send_Time")->Caption(), "T448");
    // Every text of the eight blocks that names a caption or hint lands somewhere, each number once.
    QSet<int> numbers;
    for (const TParGenTextSlot& s : ParGen_Text_Slots()) {
        auto* c = Get<TControl>(s.Component);
        EXPECT_EQ(s.Hint ? c->Hint() : c->Caption(), QString("T%1").arg(s.Number)) << s.Component;
        EXPECT_FALSE(numbers.contains(s.Number)) << s.Number;
        numbers.insert(s.Number);
    }
    EXPECT_EQ(numbers.size(), 491);
    EXPECT_EQ(StringsToList(*List("CB_WiFi_Type")->Items()), (QStringList{"T476", "T477", "T478"}));
    EXPECT_EQ(StringsToList(*List("CB_WiFi_Secure_Type")->Items()),
              (QStringList{"T513", "T514", "T515", "T516"}));
    EXPECT_EQ(List("CB_WiFi_Channel")->Items()->Count(), 12);
    EXPECT_EQ(List("CB_WiFi_Channel")->Items()->Strings(11), "T548");
    EXPECT_EQ(List("CB_WiFi_Channel")->ItemIndex(), 0);
    // The lists of this model's panels come from the design and are not translated.
    EXPECT_EQ(Form->CB_Serial_Baudrate->Items()->Strings(7), "115200");
    Load_Default_Lang();
}

// ---- What the window shows ------------------------------------------------------------------------------

TEST_F(ParGenWindow, GrabShowsTheFourTitledPanelsAndGreyBytesUnderDhcp) {
    qvtest::ScriptedInteraction script;
    QImage plain, dhcp;
    script.AnswerModal([&](TCustomForm* f) {
        plain = f->Grab();
        Form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
        dhcp = f->Grab();
        f->SetModalResult(mrCancel);
    });
    Form->ShowModal();
    const QString out = QDir::tempPath() + "/qv-pargen";
    QDir().mkpath(out);
    dhcp.save(out + "/ParGen_DHCP.png");
    ASSERT_EQ(plain.width(), 460);
    ASSERT_EQ(plain.height(), 700);
    // The first address byte's text: dark while enabled, grey once DHCP takes the address.
    TControl* ip1 = Get<TControl>("E_OPC_UA_Server_IP1");
    TPoint at = ip1->ClientToScreen(TPoint(0, 0));
    TPoint origin = Form->ClientToScreen(TPoint(0, 0));
    const QRect box(at.X - origin.X + 2, at.Y - origin.Y + 2, ip1->Width() - 4, ip1->Height() - 4);
    auto darkest = [&](const QImage& img) {
        int best = 3 * 255;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = img.pixelColor(x, y);
                best = std::min(best, c.red() + c.green() + c.blue());
            }
        return best;
    };
    EXPECT_LT(darkest(plain), 150);
    EXPECT_GT(darkest(dhcp), 300);
    EXPECT_EQ(VisiblePanels(), kTitles);
}

// ---- Keyboard -------------------------------------------------------------------------------------------

namespace {

void PressKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

// The names of the controls the focus visits, starting at the focused one, over `steps` presses of Tab
// (or Shift+Tab), each sent to the widget that has the focus.
QStringList WalkTab(TCustomForm* f, int steps, bool back = false,
                    const std::function<void(TWinControl*)>& check = {}) {
    QStringList seen;
    for (int i = 0; i <= steps; ++i) {
        TWinControl* a = f->ActiveControl();
        seen << (a ? a->Name() : QString("(none)"));
        if (a && check) check(a);
        if (!a || i == steps) break;
        // The window's own focus widget (the offscreen window is never the active one).
        EXPECT_TRUE(a->Widget() && a->Widget()->window()->focusWidget() == a->Widget())
            << a->Name().toStdString();
        PressKey(a->Widget(), back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier,
                 "\t");
    }
    return seen;
}

const QStringList kEthernetTabs = {
    "E_EthConn_Device_Name", "CB_EthConn_En_DHCP_Cable", "CB_EthConn_Enable_DNS", "E_EthConn_Pri_DNS_IP1",
    "E_EthConn_Pri_DNS_IP2", "E_EthConn_Pri_DNS_IP3",    "E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1",
    "E_EthConn_Sec_DNS_IP2", "E_EthConn_Sec_DNS_IP3",    "E_EthConn_Sec_DNS_IP4"};
const QStringList kOpcUaAddressTabs = {"E_OPC_UA_Server_IP1", "E_OPC_UA_Server_IP2", "E_OPC_UA_Server_IP3",
                                       "E_OPC_UA_Server_IP4", "E_OPC_UA_Server_SM1", "E_OPC_UA_Server_SM2",
                                       "E_OPC_UA_Server_SM3", "E_OPC_UA_Server_SM4"};
const QStringList kOpcUaGatewayTabs = {"E_OPC_UA_Server_GAT1", "E_OPC_UA_Server_GAT2", "E_OPC_UA_Server_GAT3",
                                       "E_OPC_UA_Server_GAT4"};
const QStringList kOpcUaRestTabs = {"E_OPC_UA_Server_Port", "L_OPC_UA_Server_Reset_Inactivity",
                                    "E_OPC_UA_Server_Reset_Inactivity"};
const QStringList kSerialTabs = {"CB_Serial_Serial", "CB_Serial_Baudrate", "Cb_Serial_Parity",
                                 "CB_Serial_StopBits"};
const QStringList kModbusMasterTabs = {"CB_ModbusMaster_Serial", "CB_ModbusMaster_Baudrate",
                                       "CB_ModbusMaster_Parity", "CB_ModbusMaster_StopBits",
                                       "E_ModbusMaster_TimeOut", "E_ModbusMaster_CyclicDelay"};
const QStringList kNtpTabs = {"E_NTP_Server_URL", "E_NTP_Poll_Time"};
const QStringList kButtonTabs = {"Btn_OK", "Btn_Cancel"};

QStringList Reversed(QStringList l) {
    std::reverse(l.begin(), l.end());
    return l;
}

} // namespace

TEST_F(ParGenWindow, TabAndShiftTabWalkThePanelsInTheirOrderThenTheButtons) {
    const QStringList opcUa =
        kOpcUaAddressTabs + QStringList{"CB_OPC_UA_Server_En_GAT"} + kOpcUaGatewayTabs + kOpcUaRestTabs;
    struct Case {
        const char* model; // empty: this model, as the window lays itself out
        QStringList order;
    } cases[] = {
        {"", kEthernetTabs + opcUa + kSerialTabs + kNtpTabs + kButtonTabs},
        // Laid out again while the window is open: the panels' tab order changes after their windows exist.
        {"LD83K18", kEthernetTabs + opcUa + kModbusMasterTabs + kNtpTabs + kButtonTabs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        qvtest::ScriptedInteraction script;
        script.AnswerModal([&](TCustomForm* f) {
            if (*c.model) {
                for (TCategoryPanel* p : Form->CPG->Panels())
                    p->Hide();
                Form->Order_TAB_Panels_Model(c.model);
                Form->RePosition_Objects_Model(c.model);
            }
            const int n = int(c.order.size());
            // Each field Tab reaches is scrolled into the visible part of the panel group.
            const auto inSight = [&](TWinControl* a) {
                if (!Form->CPG->ContainsControl(a)) return;
                const QRect r(a->Widget()->mapTo(Form->CPG->Widget(), QPoint(0, 0)), a->Widget()->size());
                EXPECT_TRUE(Form->CPG->Widget()->rect().contains(r)) << a->Name().toStdString();
            };
            EXPECT_EQ(WalkTab(f, n, false, inSight), c.order + QStringList{c.order.first()});
            EXPECT_EQ(WalkTab(f, n, true), QStringList{c.order.first()} + Reversed(c.order));
            f->SetModalResult(mrCancel);
        });
        Form->ShowModal();
    }
}

TEST_F(ParGenWindow, TabSkipsDisabledFieldsAndCollapsedPanels) {
    qvtest::ScriptedInteraction script;
    script.AnswerModal([&](TCustomForm* f) {
        // DHCP takes the address bytes out of reach, the gateway box's tick its bytes; a collapsed panel
        // hides its fields.
        Form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
        Get<TCategoryPanel>("CP_Serial")->SetCollapsed(true);
        Box("CB_OPC_UA_Server_En_GAT")->SetChecked(false);
        const bool gatewayShut = !Edit("E_OPC_UA_Server_GAT1")->Enabled();
        const QStringList order = kEthernetTabs + QStringList{"CB_OPC_UA_Server_En_GAT"} +
                                  (gatewayShut ? QStringList() : kOpcUaGatewayTabs) + kOpcUaRestTabs +
                                  kNtpTabs + kButtonTabs;
        EXPECT_EQ(WalkTab(f, int(order.size())), order + QStringList{order.first()});
        f->SetModalResult(mrCancel);
    });
    Form->ShowModal();
}

TEST_F(ParGenWindow, AFailedCheckBringsTheFieldItNamesIntoSightWithTheFocus) {
    const struct Case {
        const char* field;
        const char* panel; // collapsed before OK
        std::function<void(TFParGen*)> setUp;
    } cases[] = {
        {"E_NTP_Poll_Time", nullptr, [](TFParGen*) {}}, // a new configuration
        {"E_NTP_Poll_Time", "CP_NTP", [](TFParGen*) {}},
        {"E_EthConn_Pri_DNS_IP3", nullptr,
         [](TFParGen* w) {
             w->CB_EthConn_Enable_DNS->SetChecked(true);
             static_cast<TEdit*>(w->FindComponent("E_EthConn_Pri_DNS_IP3"))->SetText("256");
         }},
        {"CB_Serial_StopBits", "CP_Serial",
         [](TFParGen* w) {
             w->CB_Serial_StopBits->SetItemIndex(1);
             w->Cb_Serial_Parity->SetItemIndex(1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        qvtest::ScriptedInteraction script;
        script.AnswerMessage(mrOk);
        script.AnswerModal([&](TCustomForm* f) {
            c.setUp(Form);
            if (c.panel) Get<TCategoryPanel>(c.panel)->SetCollapsed(true);
            // OK by keyboard, from the other end of the window than the field.
            Form->Btn_OK->SetFocus();
            if (QString(c.field).startsWith("E_Eth")) Form->CPG->Perform(WM_VSCROLL, SB_BOTTOM, 0);
            PressKey(Form->Btn_OK->Widget(), Qt::Key_Return, Qt::NoModifier, "\r");
            EXPECT_EQ(f->ModalResult(), mrNone);
            auto* field = Get<TWinControl>(c.field);
            EXPECT_EQ(f->ActiveControl(), field);
            EXPECT_EQ(f->Widget()->focusWidget(), field->Widget());
            const QRect seen = Form->CPG->Widget()->rect();
            const QRect at(field->Widget()->mapTo(Form->CPG->Widget(), QPoint(0, 0)),
                           field->Widget()->size());
            EXPECT_TRUE(seen.contains(at)) << at.y() << " in " << seen.height();
            f->SetModalResult(mrCancel);
        });
        Form->ShowModal();
        EXPECT_EQ(script.Pending(), 0);
    }
}

TEST_F(ParGenWindow, EscapeCancelsWithNothingWrittenFromAFieldOrFromOk) {
    for (bool fromOk : {false, true}) {
        SCOPED_TRACE(fromOk);
        qvtest::ScriptedInteraction script;
        script.AnswerModal([&](TCustomForm* f) {
            Form->E_NTP_Poll_Time->SetText("60");
            if (fromOk) Form->Btn_OK->SetFocus();
            PressKey(f->ActiveControl()->Widget(), Qt::Key_Escape);
        });
        EXPECT_EQ(Form->ShowModal(), mrCancel);
        EXPECT_EQ(script.Pending(), 0);
        EXPECT_FALSE(QFile::exists(File_ParGen));
    }
}

TEST_F(ParGenWindow, ReopenedAfterASaveByKeyboardStartsAtTheFirstFieldNotAtOk) {
    qvtest::ScriptedInteraction script;
    script.AnswerModal([&](TCustomForm* f) {
        EXPECT_EQ(f->ActiveControl(), Form->E_EthConn_Device_Name);
        Form->E_NTP_Poll_Time->SetText("60");
        Form->E_NTP_Poll_Time->SetFocus();
        PressKey(f->ActiveControl()->Widget(), Qt::Key_Tab, Qt::NoModifier, "\t");
        ASSERT_EQ(f->ActiveControl(), Form->Btn_OK);
        PressKey(Form->Btn_OK->Widget(), Qt::Key_Space, Qt::NoModifier, " ");
    });
    ASSERT_EQ(Form->ShowModal(), mrOk);
    ASSERT_TRUE(QFile::exists(File_ParGen));
    script.AnswerModal([&](TCustomForm* f) {
        EXPECT_EQ(f->ActiveControl(), Form->E_EthConn_Device_Name);
        EXPECT_EQ(f->Widget()->focusWidget(), Form->E_EthConn_Device_Name->Widget());
        // Scrolled back up so far that the first panel's title shows too.
        EXPECT_EQ(Form->CPG->VertScrollBar()->Position(), 0);
        f->SetModalResult(mrCancel);
    });
    Form->ShowModal();
}
