// Fuzz target: the two files the device images are built from. The input is "ParGen.xml", then a zero
// byte and "OPC_UA_Server.xml" (absent without the zero byte).
#include "FuzzSupport.h"
#include "configurator/USaveBincc.h"

#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto* zero = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const size_t first = zero ? size_t(zero - data) : size;
    TImageSource parGen;
    parGen.Name = "ParGen.xml";
    parGen.Present = true;
    parGen.Content = QByteArray(reinterpret_cast<const char*>(data), qsizetype(first));
    TImageSource variables;
    variables.Name = "OPC_UA_Server.xml";
    variables.Present = zero != nullptr;
    if (zero)
        variables.Content = QByteArray(reinterpret_cast<const char*>(zero + 1), qsizetype(size - first - 1));
    TDeviceImages images;
    String error;
    if (Build_Device_Images(parGen, variables, images, error)) {
        // A build that succeeds fits the device.
        if (images.Bank1.size() != Device_Setting_Size || images.Bank2.isEmpty() ||
            images.Bank2.size() > Bank2_Max_Size)
            std::abort();
    } else if (error.isEmpty() || !images.Bank1.isEmpty() || !images.Bank2.isEmpty()) {
        std::abort(); // a refusal always says why and leaves nothing to write
    }
    return 0;
}
