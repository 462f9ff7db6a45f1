// The BACnet EDE file as the client tables import it: the object lines of the kinds the tables take, and
// their placement after the rows in use.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>
#include <vector>

class ITableCells;

// Far beyond a device's list of objects; a larger file is refused.
constexpr qint64 Max_EDE_File_Bytes = 16 << 20;

// One object line of the file, its fields named as the file's column titles name them.
struct TBACnet_Var {
    String keyname;
    Integer device_obj_instance = -1;
    String object_name;
    Integer object_type = -1;
    Integer object_instance = -1;
    String description;
    String present_value_default;
    String min_present_value;
    String max_present_value;
    bool commandable = false;
    bool support_COV = false;
    String hi_limit;
    String low_limit;
    String stete_text_reference;
    String unit_code;
    String vendor_specific_address;
    bool import = true;
    bool read = true;
    bool write = false;
};

// The objects of the kinds the client tables take, in file order: a byte-order mark chooses the encoding,
// else the bytes are Windows-1252. A file without a "mandatory" header line, or shorter than seven lines,
// gives none.
std::vector<TBACnet_Var> Read_EDE_Objects(const QByteArray& bytes);
// The object lines of a text already decoded, one line an entry.
std::vector<TBACnet_Var> Read_EDE_Lines(const QStringList& lines);

String Get_ObjType_EDE(Integer val);
String Get_DataType_EDE(Integer val);
Integer Get_NumByte_EDE(Integer val);

// How a placement went: the rows filled per table and the rows that found no free place (an object
// chosen for both tables counts in each).
struct TEDEPlacement {
    Integer ReadRows = 0, WriteRows = 0;
    Integer NotPlaced = 0;
};
// Puts the chosen objects into the rows of the client's read and write cells that are not in use (their
// key cell, the address or, without an address column, the object type, is blank), from the first such
// row on, with consecutive byte positions after the highest in use; rows in use are never overwritten;
// stops at a table's last row and counts what did not fit. The key column has the same index in both
// tables.
TEDEPlacement Place_EDE_Objects(const std::vector<TBACnet_Var>& objects, const String& address,
                                ITableCells& read, ITableCells& write, Integer keyColumn = 2);
