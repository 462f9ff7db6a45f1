// The PROFINET GSDML writer: the fixed device template with the station name and the data lengths of
// the open configuration.
#pragma once

#include "toolkit/system/Types.h"

class TSaveDialog;
class TXMLDocument;

// The values one generation takes from "ParGen.xml" (kept between the read and the write).
extern Integer PROFINET_NB_IN;
extern Integer PROFINET_NB_OUT;
extern String PROFINET_NAME_STA;

// The data lengths a GSDML item may carry.
constexpr int Profinet_Min_Length = 1;
constexpr int Profinet_Max_Length = 1440;

// Folder choice in `dialog` (the composed `name` is kept whatever file the user types), overwrite question
// 1608, then Write_GSDML_File. Bad settings are reported before the folder is asked for.
void Save_PROFINET_XML(TSaveDialog* dialog, const String& name);
// Reads the three values from File_ParGen, each with its default.
void Read_PROFINET_Param();
// The same from a loaded settings document (an empty one gives the defaults).
void Read_PROFINET_Param(const TXMLDocument& parGen);
// Empty when the read values can be written, else the message that refuses them.
String Check_PROFINET_Param();
// Reads the values, checks them and writes the file; false after a message on any failure.
bool Write_GSDML_File(const String& path);
// The file's lines for the values read.
QStringList GSDML_Lines();
// A station name PROFINET accepts (its name rules, as for DNS names): labels of 1 to 63 letters, digits
// and "-", neither starting nor ending with "-", joined by "."; at most 240 characters; not the form of an
// IPv4 address (n.n.n.n) and not a port name ("port-xyz", "port-xyz-abcde").
bool Is_Valid_Station_Name(const String& name);
