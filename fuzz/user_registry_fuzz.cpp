// Fuzz target: the current user's registry file, read as at start, written back and read again.
#include "FuzzSupport.h"
#include "toolkit/services/Registry_UserFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qvdetail::TRegistryKeys keys;
    String why;
    if (!qvdetail::ReadUserRegistry(qvfuzz::Bytes(data, size), keys, why)) {
        // A file that does not read gives nothing and says why.
        if (!keys.empty() || why.isEmpty()) std::abort();
        return 0;
    }
    // What was read writes back and reads again to the same keys and values.
    qvdetail::TRegistryKeys again;
    if (!qvdetail::ReadUserRegistry(qvdetail::WriteUserRegistry(keys), again, why) || again != keys)
        std::abort();
    return 0;
}
