// The BACnet EDE file writer: the server's objects from the BACnet server table file as an EDE list.
#pragma once

#include "toolkit/system/Types.h"

#include <map>
#include <vector>

class TXMLDocument;
class TSaveDialog;

// One line of the EDE list.
struct TBACnet_EDE_Obj {
    String Keyname;
    String DevObjInstance;
    String ObjectName;
    String ObjectType;
    String ObjectInstance;
    String Description;
    String UnitCode;
};

// The settings one generation takes from "ParGen.xml".
struct TBACnet_EDE_Device {
    String Instance;      // empty when the file or the element is missing
    int Name_Length = 16; // 32 with the long description mode
};

// The object instances of one generation: one counter per object type the table can hold, from 0.
class TEDE_Instance_Counters {
public:
    TEDE_Instance_Counters() { Reset_EDE_Instance_Counters(); }
    void Reset_EDE_Instance_Counters();
    // The counter of that type, then counts it; 0 without counting for a type without a counter.
    int Next_EDE_Object_Instance(int code);

private:
    std::map<int, int> FCounters;
};

// The step: file choice in `dialog` (".csv" added unless present), overwrite question 1305 (only Yes
// goes on), then Create_EDE_File.
void Run_BACnet_EDE_Step(TSaveDialog* dialog);
// Writes the EDE file of the open configuration to `path`; false (after a message) when the table
// file is bad or the file cannot be written.
bool Create_EDE_File(const String& path);

// The object type code of a data-type text (trimmed, upper-cased); 0 for an unknown text.
int Get_BACnet_Object_Type(const String& text);
// "hh:mm:ss dd/mm/yyyy" of the clock.
String Get_EDE_Timestamp();
// The device settings from a loaded "ParGen.xml" (an empty document gives the defaults).
TBACnet_EDE_Device Read_BACnet_Device_Param(const TXMLDocument& parGen);
// The objects of a loaded "BACnet_Slave.xml", read section first, instances counted per type. False with
// `error` when a section or a required attribute is missing.
bool Read_BACnet_Slave_Objects(const TXMLDocument& table, const TBACnet_EDE_Device& device,
                               std::vector<TBACnet_EDE_Obj>& objects, String& error);
// The whole file's lines.
QStringList EDE_Lines(const String& projectName, const std::vector<TBACnet_EDE_Obj>& objects);
// Writes those lines to `path`; false (after a message naming the file) on failure.
bool Write_EDE_File(const String& path, const String& projectName,
                    const std::vector<TBACnet_EDE_Obj>& objects);
