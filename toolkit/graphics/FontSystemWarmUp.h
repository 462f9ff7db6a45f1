// The font system's set-up (reading its configuration and its caches of the installed fonts) overlapped
// with the rest of the program's start instead of waiting for the first text that is measured.
#pragma once

#include <thread>

class FontSystemWarmUp {
public:
    // Starts the set-up on a worker thread.
    FontSystemWarmUp();
    // Waits for the set-up, so that no font use ever runs beside it.
    ~FontSystemWarmUp();
    void Wait();

    FontSystemWarmUp(const FontSystemWarmUp&) = delete;
    FontSystemWarmUp& operator=(const FontSystemWarmUp&) = delete;

private:
    std::thread FWorker;
};
