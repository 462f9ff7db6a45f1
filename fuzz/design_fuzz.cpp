// Fuzz target: window designs, parsed and loaded onto a window with every class the controls register.
#include "FuzzSupport.h"
#include "toolkit/designs/DesignFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TDesignObject design;
    try {
        design = ParseDesign(text, "fuzz.form");
    } catch (const EDesignError&) {
        return 0;
    }
    TForm form(nullptr);
    try {
        LoadDesign(&form, design, "fuzz.form");
    } catch (const EDesignError&) {
    }
    return 0;
}
