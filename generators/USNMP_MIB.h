// The SNMP MIB generator: the agent's objects and notifications from the SNMP agent table file.
#pragma once

#include "toolkit/system/Types.h"

#include <vector>

class TSaveDialog;
class TXMLDocument;

// The enabled rows of the agent table, as the MIB names them.
struct TMIB_Configuration {
    QStringList Read_Descriptions;
    QStringList Write_Descriptions;
    // Entry k: the k-th enabled row of that section has the Type "INT".
    std::vector<bool> Read_Is_Int;
    std::vector<bool> Write_Is_Int;
};

// The step: file choice in `dialog` (initial folder the configuration's), overwrite question 1305, reading
// and writing.
void Build_MIB_File(TSaveDialog* dialog);
// Fills MIB_Read_Descriptions, MIB_Write_Descriptions and the flags from File_SNMP_Trap. A missing file
// gives no rows; false with `error` set when the file does not read or lacks one of its sections.
bool Read_SNMP_Trap_Configuration(String& error);
// The same over a loaded table document.
bool Parse_SNMP_Trap(const TXMLDocument& doc, TMIB_Configuration& config, String& error);
// The module's lines for `config`.
QStringList MIB_Lines(const TMIB_Configuration& config);
// Writes the module of the last reading to `path`; false (after a message naming the file) on failure.
bool Write_MIB_File(const String& path);
