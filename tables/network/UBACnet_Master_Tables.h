// The BACnet client access tables ("BACnet_Master_Access.xml") as a sheet, with the knowledge of object
// types, properties and data types that their tests and the read table's cell hint share.
#pragma once

#include "tables/frame/TableSheet.h"

enum TBACnetReadColumn : Integer {
    brEnable = 1,
    brAddress,
    brObject_Type,
    brInstance,
    brProperty,
    brNumByte,
    brEnDest,
    brDNet,
    brDLen,
    brDAdd,
    brPollTime,
    brMaxError,
    brPosition,
    brStartBit,
    brSwap,
    brConvertion,
    brMnemonic
};
enum TBACnetWriteColumn : Integer {
    bwEnable = 1,
    bwAddress,
    bwObject_Type,
    bwData_Type,
    bwInstance,
    bwProperty,
    bwPriority,
    bwNumByte,
    bwEnDest,
    bwDNet,
    bwDLen,
    bwDAdd,
    bwOnChange,
    bwOnTimer,
    bwPollTime,
    bwMaxError,
    bwPosition,
    bwStartBit,
    bwSwap,
    bwConvertion,
    bwMnemonic
};

constexpr Integer BACnet_Master_Rows = 512;
constexpr Integer BACnet_Master_Capacity = 1440;

// The client type of the showing: 0 BACnet/IP, 1 MS/TP, other values no address column. The key column
// follows it.
struct TBACnetClientMode {
    Integer App_BACnet_Type = 0;
    Integer KeyColumn = brAddress;
    void SetType(Integer type) {
        App_BACnet_Type = type;
        KeyColumn = type == 0 || type == 1 ? Integer(brAddress) : Integer(brObject_Type);
    }
};

// The sheet refers to `mode`, which must outlive it.
TTableSheet BACnet_Master_Sheet(const TBACnetClientMode& mode);

// read_write 0: the read table, 1: the write table. -1 for a text that names nothing the table takes.
Integer Check_Object_Type(const String& str, Integer read_write);
Integer Check_Property(const String& str, Integer read_write, Integer Obj_Type);
// Negative when the data type does not suit the object type's Present Value.
Integer Check_Data_Type(const String& str, Integer Obj_Type, Integer Property_val);
String Aspected_Data_Type_Value(Integer Obj_Type, Integer Property_val);
Integer Check_Num_Byte_Max(const String& str);
// The byte count a read row's Property cell proposes as its hint; empty for none.
String BACnet_Read_Hint(const String& objectType, const String& property);
// The client type element of "ParGen.xml"; false when the file or the element is missing.
bool Read_BACnet_Master_Type(const String& parGenPath, Integer& type);
