// Fuzz target: the readers that take single settings of "ParGen.xml" for other windows and the
// generators (the BACnet client's kind, the BACnet server's name length, the PROFINET values and their
// check, the EDE device), each within the file's limits and with its default for what it cannot read.
#include "FuzzSupport.h"
#include "core/UComon.h"
#include "generators/UBACnet_EDE_File.h"
#include "generators/UProfinetXML.h"
#include "tables/network/UBACnet_Master_Tables.h"
#include "tables/network/UBACnet_Slave_Tables.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    Dir_Project = qvfuzz::WorkDir();
    Set_Table_File_Paths();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qvfuzz::WriteInput("ParGen.xml", data, size);
    Integer type = -1;
    if (!Read_BACnet_Master_Type(File_ParGen, type) && type != 0) std::abort();
    Read_BACnet_Desc_Length(File_ParGen);
    Read_PROFINET_Param();
    if (Trim(PROFINET_NAME_STA).isEmpty()) std::abort();
    // A station name the check lets pass is one the GSDML file can carry.
    if (Check_PROFINET_Param().isEmpty() && !Is_Valid_Station_Name(PROFINET_NAME_STA)) std::abort();
    TXMLDocument parGen;
    parGen.LoadFromFile(File_ParGen, Max_ParGen_File_Bytes, Max_ParGen_Text);
    const TBACnet_EDE_Device device = Read_BACnet_Device_Param(parGen);
    if (device.Name_Length != 16 && device.Name_Length != 32) std::abort();
    return 0;
}
