// Builds the settings block and the OPC UA server block from the configuration's files and writes them.
// The build itself is Build_Device_Images, which touches no state; the unit's globals and the operations
// without arguments are the shell that reads the open configuration's files and keeps the last build.
#include "configurator/USaveBincc.h"

#include "core/UComon.h"
#include "core/UParGen_File.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <iterator>

std::array<Byte, Device_Setting_Size> Device_Setting;
TOPC_UA_Server OPC_UA_Server_Rec;
QByteArray Bank1_Buffer;
int Bank1_Len = 0;
QByteArray Bank2_Buffer;
int Bank2_Len = 0;

namespace {

constexpr int kEntrySize = 16;
constexpr int kHeaderSize = 16;
constexpr int kHostNameChars = DS_Host_Name_Size - 1;

void putU16(Byte* p, Word v) {
    p[0] = Byte(v);
    p[1] = Byte(v >> 8);
}
void putU32(Byte* p, DWORD v) {
    p[0] = Byte(v);
    p[1] = Byte(v >> 8);
    p[2] = Byte(v >> 16);
    p[3] = Byte(v >> 24);
}
void settingU16(TDeviceSetting& setting, int offset, Word v) {
    putU16(setting.data() + offset, v);
}
void settingU32(TDeviceSetting& setting, int offset, DWORD v) {
    putU32(setting.data() + offset, v);
}
void settingOctets(TDeviceSetting& setting, int offset, const Byte (&b)[4]) {
    for (int i = 0; i < 4; ++i)
        setting[size_t(offset + i)] = b[i];
}

// The device keeps texts one byte per character; a character beyond that would change on the way.
bool fitsOneByte(const String& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF) return false;
    return true;
}

String unstorableText(const String& what, const String& text) {
    return QStringLiteral("%1 \"%2\" holds characters that the device cannot store (only characters up to "
                          "U+00FF are possible).")
        .arg(what, text);
}

// The settings file's elements, each read on its own so a missing one only gives its default.
class SettingsReader {
public:
    explicit SettingsReader(const TXMLNode& root) : FRoot(root) {}

    // The element's text; false when it is missing.
    bool Text(const char* name, String& text) const {
        TXMLNode node = FRoot.FindNode(QString::fromLatin1(name));
        if (node.IsNull()) return false;
        text = node.Text();
        return true;
    }
    String TextOr(const char* name, const String& def) const {
        String t;
        return Text(name, t) ? t : def;
    }
    Integer IntOr(const char* name, Integer def) const {
        String t;
        Integer v = 0;
        return Text(name, t) && TryStrToInt(t, v) ? v : def;
    }
    bool IsOne(const char* name) const { return TextOr(name, QString()) == QLatin1String("1"); }
    bool IsZero(const char* name) const { return TextOr(name, QString()) == QLatin1String("0"); }
    void Octets(const char* prefix, const Byte (&defaults)[4], Byte (&out)[4]) const {
        for (int i = 0; i < 4; ++i) {
            const QByteArray name = QByteArray(prefix) + QByteArray::number(i + 1);
            out[i] = Byte(IntOr(name.constData(), defaults[i]));
        }
    }

private:
    TXMLNode FRoot;
};

DWORD baudFromIndex(Integer index) {
    static const DWORD rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return index >= 0 && index < 8 ? rates[index] : 9600;
}

void putText(QByteArray& buffer, int& pos, const String& text) {
    for (QChar c : text)
        buffer[pos++] = char(Byte(c.unicode()));
    buffer[pos++] = '\0';
}

// Loads a source that is present; false with the reason in `why` when it did not read or parse.
bool loadImageSource(const TImageSource& source, qsizetype maxText, TXMLDocument& xml, String& why) {
    if (!source.Unreadable.isEmpty()) {
        why = source.Unreadable;
        return false;
    }
    if (xml.LoadFromBytes(source.Content, maxText)) return true;
    why = source.Name + QStringLiteral(": ") + xml.ErrorText();
    return false;
}

void initDeviceSetting(TDeviceSetting& setting) {
    setting.fill(0);
    settingU32(setting, 0, 250000);
    settingU32(setting, 4, 250000);
    settingU32(setting, 8, 0);
    settingU32(setting, 12, 9600);
    settingOctets(setting, DS_IP_Address, {192, 168, 2, 205});
    settingOctets(setting, DS_Subnet_Mask, {255, 255, 255, 0});
    settingOctets(setting, DS_Gateway, {255, 255, 255, 255});
    settingU16(setting, 52, 10000);
    settingU16(setting, 54, 10001);
    settingU16(setting, 56, 10001);
    for (int i = 0; i < 8; ++i)
        setting[size_t(DS_Data_Bits + i)] = 8;
}

void initServerRecord(TOPC_UA_Server& rec) {
    rec = TOPC_UA_Server();
    rec.Port = 4840;
    rec.NTP_Time = 10;
}

void writeSoftwareVersion(TDeviceSetting& setting) {
    std::fill_n(setting.begin() + DS_Version, DS_Version_Size, Byte(0));
    const QByteArray v = Program_Version.toLatin1().left(DS_Version_Size);
    std::copy(v.begin(), v.end(), setting.begin() + DS_Version);
}

bool loadParGenSetting(const TImageSource& source, TDeviceSetting& setting, TOPC_UA_Server& rec,
                       String& error) {
    if (!source.Present) return true;
    TXMLDocument xml;
    if (String why; !loadImageSource(source, Max_ParGen_Text, xml, why)) {
        error = QStringLiteral("The settings file \"%1\" cannot be read: %2").arg(source.Name, why);
        return false;
    }
    const SettingsReader in(ParGenRoot(xml));
    writeSoftwareVersion(setting);

    const String hostName = in.TextOr("Eth_Conn_Device_Name", QString()).left(kHostNameChars);
    if (!fitsOneByte(hostName)) {
        error = unstorableText(QStringLiteral("The device name"), hostName);
        return false;
    }
    std::fill_n(setting.begin() + DS_Host_Name, DS_Host_Name_Size, Byte(0));
    for (int i = 0; i < hostName.size(); ++i)
        setting[size_t(DS_Host_Name + i)] = Byte(hostName[i].unicode());

    Word dhcp = 0;
    if (in.IsOne("Eth_Conn_DHCP_Cable")) dhcp |= 0x0001;
    if (in.IsOne("Eth_Conn_DHCP_WiFi")) dhcp |= 0x0002;
    settingU16(setting, DS_DHCP_Flags, dhcp);

    if (in.IsOne("Eth_Conn_Enable_DNS")) {
        Byte primary[4], secondary[4];
        in.Octets("Eth_Conn_Primary_DNS", {8, 8, 8, 8}, primary);
        in.Octets("Eth_Conn_Secondary_DNS", {8, 8, 4, 4}, secondary);
        settingOctets(setting, DS_Primary_DNS, primary);
        settingOctets(setting, DS_Secondary_DNS, secondary);
    }

    Byte octets[4];
    in.Octets("OPC_UA_Server_IP", {192, 168, 0, 10}, octets);
    settingOctets(setting, DS_IP_Address, octets);
    in.Octets("OPC_UA_Server_SM", {255, 255, 255, 0}, octets);
    settingOctets(setting, DS_Subnet_Mask, octets);
    in.Octets("OPC_UA_Server_GAT", {192, 168, 0, 1}, octets);
    if (in.IsOne("OPC_UA_Server_EN_GAT"))
        settingOctets(setting, DS_Gateway, octets);
    else
        settingOctets(setting, DS_Gateway, {255, 255, 255, 255});

    rec.Port = Word(in.IntOr("OPC_UA_Server_Port", 4840));
    DWORD resetMs = 0;
    if (in.IsOne("OPC_UA_Server_Reset_Inactivity"))
        resetMs = DWORD(in.IntOr("OPC_UA_Server_Reset_Inactivity_Time", 0)) * 60000u;
    settingU32(setting, DS_Reset_Time, resetMs);

    rec.NTP = in.TextOr("NTP_Server_URL", QString());
    if (!fitsOneByte(rec.NTP)) {
        error = unstorableText(QStringLiteral("The NTP server"), rec.NTP);
        return false;
    }
    rec.NTP_Time = DWORD(in.IntOr("NTP_Poll_Time", 1000));

    setting[DS_Serial_Kind] = in.IsZero("SERIAL_SERIAL") ? 1 : 0;
    settingU32(setting, DS_Baudrate, baudFromIndex(in.IntOr("SERIAL_BAUDRATE", 7)));
    setting[DS_Parity] = Byte(in.IntOr("SERIAL_PARITY", 0));
    const Integer stopBits = in.IntOr("SERIAL_STOPBITS", 0);
    setting[DS_Stop_Bits] = stopBits == 1 ? 2 : Byte(stopBits);
    setting[DS_Data_Bits] = 8;
    return true;
}

bool loadServerVariables(const TImageSource& source, DWORD base, TOPC_UA_Server& rec, String& error) {
    if (source.Present) {
        TXMLDocument xml;
        if (String why; !loadImageSource(source, -1, xml, why)) {
            error =
                QStringLiteral("The OPC UA variable file \"%1\" cannot be read: %2").arg(source.Name, why);
            return false;
        }
        const TXMLNode table = xml.ChildNodes().FindNode("OPC_UA_Server").FindNode("OPC_UA_Server_Variables");
        if (table.IsNull()) {
            error = QStringLiteral("The OPC UA variable file \"%1\" holds no \"OPC_UA_Server_Variables\" "
                                   "element in \"OPC_UA_Server\".")
                        .arg(source.Name);
            return false;
        }
        const TXMLNodeList rows = table.ChildNodes();
        // The rows to send, with their place in the file for messages.
        std::vector<int> enabled;
        for (int i = 0; i < rows.Count(); ++i)
            if (rows[i].NodeType() == ntElement && rows[i].NodeName() == QLatin1String("row") &&
                OPC_UA_Row_Enabled(rows[i]))
                enabled.push_back(i);
        rec.Num_Var = Word(enabled.size());
        rec.Variables.assign(enabled.size(), TOPC_UA_Var());
        for (size_t j = 0; j < enabled.size(); ++j) {
            const TXMLNode row = rows[enabled[j]];
            TOPC_UA_Var& v = rec.Variables[j];
            auto intOr = [&row](const char* name, Integer missing, Integer bad) {
                if (!row.HasAttribute(name)) return missing;
                Integer value = 0;
                return TryStrToInt(row.Attributes(name), value) ? value : bad;
            };
            auto isYes = [&row](const char* name) { return UpperCase(row.Attributes(name)) == "Y"; };
            if (row.Attributes("NodeType") == QLatin1String("String")) v.Options |= OPC_UA_Opt_String_Node;
            v.VarType = Get_OPC_UA_Var_Type(row.Attributes("Type"));
            v.Position = Word(intOr("Position", 0, 0));
            v.BitStart = Word(intOr("StartBit", 0, 0));
            v.Length = Word(intOr("Length", 0, 1));
            if (row.Attributes("ReadWrite") == QLatin1String("Read/Write")) v.Options |= OPC_UA_Opt_ReadWrite;
            v.Name = row.Attributes("Name");
            if (!fitsOneByte(v.Name)) {
                error = unstorableText(
                    QStringLiteral("Row %1 of the OPC UA variable table: the name").arg(enabled[j] + 1),
                    v.Name);
                return false;
            }
            if (isYes("Swap")) v.Options |= OPC_UA_Opt_Swap;
            if (isYes("SwapWord")) v.Options |= OPC_UA_Opt_SwapWord;
            if (isYes("SwapAll")) v.Options |= OPC_UA_Opt_SwapAll;
        }
    }

    // The texts follow the entries: one shared empty text, the NTP text, then the names in entry order.
    const qint64 size = OPC_UA_Server_Size(rec);
    if (size > Bank2_Max_Size) {
        error = QStringLiteral("The OPC UA server table needs %1 bytes in the device, which has room for %2 "
                               "bytes. Shorten the names or remove variables.")
                    .arg(size)
                    .arg(Bank2_Max_Size);
        return false;
    }
    rec.Add_Num_Var = base + kHeaderSize;
    const DWORD emptyText = base + kHeaderSize + kEntrySize * DWORD(rec.Num_Var);
    DWORD next = emptyText + 1;
    auto place = [&](const String& text) {
        if (text.isEmpty()) return emptyText;
        const DWORD at = next;
        next += DWORD(text.size()) + 1;
        return at;
    };
    rec.Add_NTP = place(rec.NTP);
    for (TOPC_UA_Var& v : rec.Variables)
        v.Add_Name = place(v.Name);
    return true;
}

int copySettingBlock(TDeviceSetting& setting, int pos, QByteArray& buffer) {
    DWORD sum = 0;
    for (int i = 0; i < DS_Checksum; ++i)
        sum += setting[size_t(i)];
    settingU32(setting, DS_Checksum, sum);
    if (buffer.size() < pos + Device_Setting_Size) buffer.resize(pos + Device_Setting_Size);
    std::copy(setting.begin(), setting.end(), buffer.begin() + pos);
    return pos + Device_Setting_Size;
}

int copyServerBlock(const TOPC_UA_Server& rec, int pos, QByteArray& buffer) {
    const int end = pos + int(OPC_UA_Server_Size(rec));
    if (buffer.size() < end) buffer.resize(end);
    auto* p = reinterpret_cast<Byte*>(buffer.data());
    putU16(p + pos, rec.Port);
    putU16(p + pos + 2, rec.Num_Var);
    putU32(p + pos + 4, rec.Add_Num_Var);
    putU32(p + pos + 8, rec.Add_NTP);
    putU32(p + pos + 12, rec.NTP_Time);
    pos += kHeaderSize;
    for (const TOPC_UA_Var& v : rec.Variables) {
        putU32(p + pos, v.VarType);
        putU16(p + pos + 4, v.Position);
        putU16(p + pos + 6, v.Length);
        putU16(p + pos + 8, v.BitStart);
        putU16(p + pos + 10, v.Options);
        putU32(p + pos + 12, v.Add_Name);
        pos += kEntrySize;
    }
    buffer[pos++] = '\0';
    if (!rec.NTP.isEmpty()) putText(buffer, pos, rec.NTP);
    for (const TOPC_UA_Var& v : rec.Variables)
        if (!v.Name.isEmpty()) putText(buffer, pos, v.Name);
    return pos;
}

} // namespace

DWORD Get_OPC_UA_Var_Type(const String& typeText) {
    static const char* const names[] = {"Boolean", "Signed Byte", "Byte",   "Int16", "UInt16", "Int32",
                                        "UInt32",  "Int64",       "UInt64", "Float", "Double", "String"};
    for (DWORD i = 0; i < DWORD(std::size(names)); ++i)
        if (typeText == QLatin1String(names[i])) return i;
    if (typeText == QLatin1String("ByteString")) return 14;
    return 0;
}

bool OPC_UA_Row_Enabled(const TXMLNode& row) {
    return !row.HasAttribute("Enable") || Trim(row.Attributes("Enable")) == QLatin1String("Y");
}

qint64 OPC_UA_Server_Size(const TOPC_UA_Server& rec) {
    qint64 size = kHeaderSize + qint64(kEntrySize) * qint64(rec.Variables.size()) + 1;
    if (!rec.NTP.isEmpty()) size += rec.NTP.size() + 1;
    for (const TOPC_UA_Var& v : rec.Variables)
        if (!v.Name.isEmpty()) size += v.Name.size() + 1;
    return size;
}

TImageSource Read_Image_Source(const String& path, qint64 maxBytes) {
    TImageSource source;
    source.Name = path;
    // A name that is there but no regular file (a link to a pipe, a folder) is present and does not read.
    source.Present = PathExists(path);
    if (!source.Present) return source;
    String reason;
    TReadFault fault = TReadFault::None;
    // Worded as the XML document words a file it cannot read.
    if (!ReadWholeFile(path, source.Content, &reason, maxBytes, &fault))
        source.Unreadable = ReadFaultText(path, fault, reason, maxBytes);
    return source;
}

bool Build_Device_Images(const TImageSource& parGen, const TImageSource& variables, TDeviceImages& images,
                         String& error) {
    images = TDeviceImages();
    initDeviceSetting(images.Setting);
    initServerRecord(images.Server);
    if (!loadParGenSetting(parGen, images.Setting, images.Server, error)) return false;
    settingU32(images.Setting, DS_OPC_UA_Server_Address, Bank2_Device_Address);
    if (!loadServerVariables(variables, Bank2_Device_Address, images.Server, error)) return false;
    copySettingBlock(images.Setting, 0, images.Bank1);
    copyServerBlock(images.Server, 0, images.Bank2);
    return true;
}

// ---- The shell: the open configuration's files and the last build ----------------------------------

void Init_Device_Setting() {
    initDeviceSetting(Device_Setting);
}

void Init_OPC_UA_Server() {
    initServerRecord(OPC_UA_Server_Rec);
}

void Set_SW_Version() {
    writeSoftwareVersion(Device_Setting);
}

bool Load_ParGen_Setting(String& error) {
    return loadParGenSetting(Read_Image_Source(File_ParGen, Max_ParGen_File_Bytes), Device_Setting,
                             OPC_UA_Server_Rec, error);
}

bool Load_OPC_UA_Variables(DWORD base, String& error) {
    return loadServerVariables(Read_Image_Source(File_OPC_UA_Server, Max_Table_File_Bytes), base,
                               OPC_UA_Server_Rec, error);
}

int Copy_Device_Setting(int pos, QByteArray& buffer) {
    return copySettingBlock(Device_Setting, pos, buffer);
}

int Copy_OPC_UA_Server(int pos, QByteArray& buffer) {
    return copyServerBlock(OPC_UA_Server_Rec, pos, buffer);
}

bool Build_Bin_Files(String& error) {
    TDeviceImages images;
    const bool built =
        Build_Device_Images(Read_Image_Source(File_ParGen, Max_ParGen_File_Bytes),
                            Read_Image_Source(File_OPC_UA_Server, Max_Table_File_Bytes), images, error);
    Device_Setting = images.Setting;
    OPC_UA_Server_Rec = std::move(images.Server);
    Bank1_Buffer = std::move(images.Bank1);
    Bank2_Buffer = std::move(images.Bank2);
    Bank1_Len = int(Bank1_Buffer.size());
    Bank2_Len = int(Bank2_Buffer.size());
    return built;
}

QStringList Device_Image_Files() {
    const String bin = Dir_Project + PathDelim + "bin" + PathDelim;
    return {bin + "bank1.bin", bin + "bank2.bin"};
}

bool Save_Bin_Files(String& error) {
    if (Bank1_Len == 0 || Bank2_Len == 0) {
        error = QStringLiteral("The device images have not been built.");
        return false;
    }
    const String binDir = Dir_Project + PathDelim + "bin";
    if (!DirectoryExists(binDir) && !ForceDirectories(binDir)) {
        error = QStringLiteral("The folder \"%1\" cannot be created.").arg(binDir);
        return false;
    }
    const QStringList paths = Device_Image_Files();
    const struct {
        const String& Path;
        const QByteArray& Buffer;
        int Len;
    } files[] = {{paths[0], Bank1_Buffer, Bank1_Len}, {paths[1], Bank2_Buffer, Bank2_Len}};
    for (const auto& f : files) {
        const String& path = f.Path;
        String reason;
        if (!SaveFileAtomically(path, f.Buffer.left(f.Len), &reason)) {
            error = QStringLiteral("The device image \"%1\" cannot be written: %2").arg(path, reason);
            return false;
        }
    }
    return true;
}

bool Build_And_Write_Images(String& error) {
    return Build_Bin_Files(error) && Save_Bin_Files(error);
}
