// Fuzz target: language files, in every encoding the reader recognises, over the built-in texts.
#include "FuzzSupport.h"
#include "core/ULanguage.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication(); // the built-in texts are a compiled-in resource
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Load_Default_Lang();
    const Integer count = Lang_Texts->Count();
    Load_Lang_File(qvfuzz::WriteInput("Fuzz.lng", data, size));
    if (Lang_Texts->Count() != count) std::abort();
    for (Integer n = 0; n < count; ++n)
        (void)Lang_Texts->Strings(n);
    return 0;
}
