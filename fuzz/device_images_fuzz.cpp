// Fuzz target: the two files the device images are built from. The input is "ParGen.xml", then a zero
// byte and "OPC_UA_Server.xml" (absent without the zero byte).
#include "FuzzSupport.h"
#include "configurator/USaveBincc.h"
#include "core/UComon.h"

#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reset_Program_State();
    Dir_Project = qvfuzz::WorkDir();
    Set_Table_File_Paths();
    const auto* zero = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const size_t first = zero ? size_t(zero - data) : size;
    qvfuzz::WriteInput("ParGen.xml", data, first);
    QFile::remove(File_OPC_UA_Server);
    if (zero) qvfuzz::WriteInput("OPC_UA_Server.xml", zero + 1, size - first - 1);
    String error;
    if (Build_Bin_Files(error)) {
        // A build that succeeds fits the device.
        if (Bank1_Len < 0 || Bank1_Len > Bank1_Buffer.size() || Bank2_Len < 0 ||
            Bank2_Len > Bank2_Buffer.size() || Bank2_Len > Bank2_Max_Size)
            std::abort();
    } else if (error.isEmpty()) {
        std::abort(); // a refusal always says why
    }
    return 0;
}
