// Fuzz target: the OPC UA variable table file ("OPC_UA_Server.xml") read by its window, checked and
// written back, and read by the device image builder.
#include "FuzzSupport.h"
#include "configurator/UOPC_UA_Server_Access.h"
#include "configurator/USaveBincc.h"
#include "core/UComon.h"
#include "core/ULanguage.h"

namespace {
TFOPC_UA_Server_Access* fuzzOpcUaWindow = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    Load_Default_Lang();
    Create_Shared_Lists();
    Dir_Project = qvfuzz::WorkDir();
    File_OPC_UA_Server = Dir_Project + "/OPC_UA_Server.xml";
    SW_Code = Product_SW_Code;
    fuzzOpcUaWindow = new TFOPC_UA_Server_Access(Application);
    fuzzOpcUaWindow->AfterConstruction();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qvfuzz::WriteInput("OPC_UA_Server.xml", data, size);
    fuzzOpcUaWindow->FormShow(fuzzOpcUaWindow);
    fuzzOpcUaWindow->Controllo_dati();
    String error;
    Load_OPC_UA_Variables(0x80000, error);
    fuzzOpcUaWindow->Save_Table(qvfuzz::WorkDir() + "/written.xml");
    return 0;
}
