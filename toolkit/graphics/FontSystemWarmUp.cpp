#include "toolkit/graphics/FontSystemWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontSystemWarmUp::FontSystemWarmUp() {
    try {
        // The default configuration is made once per process and shared: the application's font database
        // later finds it ready. Making it is safe beside other threads (it is published atomically).
        FWorker = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the font system sets itself up on first use, as without the warm-up.
    }
}

FontSystemWarmUp::~FontSystemWarmUp() {
    Wait();
}

void FontSystemWarmUp::Wait() {
    if (FWorker.joinable()) FWorker.join();
}
