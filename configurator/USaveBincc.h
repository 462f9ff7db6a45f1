// The two device images: bank 1, the 2048-byte settings block, and bank 2, the OPC UA server block
// laid out for its device address. Both are little-endian; texts are one byte per character.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>
#include <array>
#include <vector>

// Where the device keeps the two images, and how much room bank 2 has there.
constexpr DWORD Bank1_Device_Address = 0x07000;
constexpr DWORD Bank2_Device_Address = 0x80000;
constexpr int Bank2_Max_Size = 131072;
constexpr int Device_Setting_Size = 2048;

// Offsets inside the settings block.
enum : int {
    DS_IP_Address = 40,
    DS_Subnet_Mask = 44,
    DS_Gateway = 48,
    DS_Serial_Kind = 97,
    DS_Reset_Time = 108,
    DS_Baudrate = 400,
    DS_Parity = 424,
    DS_Stop_Bits = 430,
    DS_Data_Bits = 436,
    DS_DHCP_Flags = 1256,
    DS_Host_Name = 1300,
    DS_Host_Name_Size = 32,
    DS_Secondary_DNS = 1340,
    DS_Primary_DNS = 1420,
    DS_OPC_UA_Server_Address = 1568,
    DS_Version = 1644,
    DS_Version_Size = 8,
    DS_Checksum = 2044,
};

// `Options` bits of a variable entry.
enum : Word {
    OPC_UA_Opt_ReadWrite = 0x0001,
    OPC_UA_Opt_Swap = 0x0010,
    OPC_UA_Opt_SwapWord = 0x0020,
    OPC_UA_Opt_SwapAll = 0x0040,
    OPC_UA_Opt_String_Node = 0x0100,
};

struct TOPC_UA_Var {
    DWORD VarType = 0;
    Word Position = 0;
    Word Length = 0;
    Word BitStart = 0;
    Word Options = 0;
    DWORD Add_Name = 0;
    String Name;
};

struct TOPC_UA_Server {
    Word Port = 0;
    Word Num_Var = 0;
    std::vector<TOPC_UA_Var> Variables;
    DWORD Add_Num_Var = 0;
    String NTP;
    DWORD Add_NTP = 0;
    DWORD NTP_Time = 0;
};

using TDeviceSetting = std::array<Byte, Device_Setting_Size>;

// One file the images are built from, as reading it gave it: absent, present but unreadable (with the
// reason), or its content. `Name` names it in messages.
struct TImageSource {
    String Name;
    bool Present = false;
    String Unreadable;
    QByteArray Content;
};
// The file at `path` as a source, read whole within `maxBytes`.
TImageSource Read_Image_Source(const String& path, qint64 maxBytes);

// One build: the settings block and the server record the images were made from, and the two images
// (both empty when the build was refused).
struct TDeviceImages {
    TDeviceSetting Setting{};
    TOPC_UA_Server Server;
    QByteArray Bank1;
    QByteArray Bank2;
};
// The two images from the contents of "ParGen.xml" and "OPC_UA_Server.xml", and nothing else: no file,
// no global. False with `error` when they cannot be built (nothing of a refused build is meant for
// writing).
bool Build_Device_Images(const TImageSource& parGen, const TImageSource& variables, TDeviceImages& images,
                         String& error);

// ---- The shell over the open configuration --------------------------------------------------------
// The last build of the open configuration's files (Build_Bin_Files) and the steps of a build over it,
// as the update step names them; each build starts from scratch.
extern std::array<Byte, Device_Setting_Size> Device_Setting;
extern TOPC_UA_Server OPC_UA_Server_Rec;
extern QByteArray Bank1_Buffer;
extern int Bank1_Len;
extern QByteArray Bank2_Buffer;
extern int Bank2_Len;

void Init_Device_Setting();
void Init_OPC_UA_Server();
// Clears the version bytes and writes the program's version.
void Set_SW_Version();
DWORD Get_OPC_UA_Var_Type(const String& typeText);

// "ParGen.xml" into Device_Setting and OPC_UA_Server_Rec; a missing file changes nothing. False with
// `error` when the file exists but does not read, or holds a text that one byte per character cannot keep.
bool Load_ParGen_Setting(String& error);
class TXMLNode;
// The one rule for a variable row's "Enable", in the table window and here: a row without the attribute
// is enabled, otherwise exactly when its text, trimmed, is "Y".
bool OPC_UA_Row_Enabled(const TXMLNode& row);
// "OPC_UA_Server.xml" into OPC_UA_Server_Rec, then the device addresses from `base`. False with `error`
// when the file exists but does not read or lacks its elements, when a name does not fit one byte per
// character, or when the block would not fit into the device.
bool Load_OPC_UA_Variables(DWORD base, String& error);

// Stores the checksum and puts the 2048 bytes at `pos` of `buffer` (grown as needed); the position after.
int Copy_Device_Setting(int pos, QByteArray& buffer);
// Serializes OPC_UA_Server_Rec at `pos` of `buffer` (grown as needed); the position after.
int Copy_OPC_UA_Server(int pos, QByteArray& buffer);
// The size bank 2 takes for OPC_UA_Server_Rec.
qint64 OPC_UA_Server_Size(const TOPC_UA_Server& rec);

// Builds both images from the open configuration's files; false with `error` when they cannot be built
// (nothing of a refused build is kept for writing).
bool Build_Bin_Files(String& error);
// Writes "bin/bank1.bin" and "bin/bank2.bin" into the configuration folder, making "bin" when missing.
// Each file is replaced only by its complete new content; false with `error` naming the file.
bool Save_Bin_Files(String& error);
// The two image files of the open configuration: "bin/bank1.bin", "bin/bank2.bin".
QStringList Device_Image_Files();
// The update step's first half: build, then write.
bool Build_And_Write_Images(String& error);
