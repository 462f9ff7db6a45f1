// Fuzz target: the communication settings file ("ParGen.xml") read by its window, and the DMX channel
// count read from it, which stays within 1 .. 512.
#include "FuzzSupport.h"
#include "configurator/UParGen.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/fieldbus/UDMX_Tables.h"

#include <cstdlib>

namespace {
TFParGen* fuzzParGenWindow = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    Load_Default_Lang();
    Dir_Project = qvfuzz::WorkDir();
    File_ParGen = Dir_Project + "/ParGen.xml";
    SW_Code = Product_SW_Code;
    fuzzParGenWindow = new TFParGen(Application);
    fuzzParGenWindow->AfterConstruction();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qvfuzz::WriteInput("ParGen.xml", data, size);
    fuzzParGenWindow->FormShow(fuzzParGenWindow);
    fuzzParGenWindow->Controllo_Dati();
    const Integer channels = DMX_Channel_Count(File_ParGen);
    if (channels < 1 || channels > DMX_Max_Channels) std::abort();
    return 0;
}
