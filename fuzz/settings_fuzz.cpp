// Fuzz target: the program's settings file, read as at start and written back.
#include "FuzzSupport.h"
#include "core/UComon.h"
#include "toolkit/services/XmlDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = qvfuzz::WriteInput(Settings_File_Name, data, size);
    TXMLDocument xml;
    Read_Settings(xml, path);
    // Whatever was read must write back and read again to the same items.
    const QStringList first{Name_Project, Last_IP_Address, Language};
    if (!Write_Settings(xml, path)) std::abort();
    TXMLDocument again;
    Read_Settings(again, path);
    // Items beyond the reader's limits are dropped on the first read, so the second matches.
    if ((QStringList{Name_Project, Last_IP_Address, Language}) != first) std::abort();
    return 0;
}
