// Starting an outside program (the device updater) and waiting for it to end.
#pragma once

#include "toolkit/system/Types.h"

// How long Start_Program waits for the program before it returns anyway (the program goes on).
constexpr int Start_Program_Wait_Ms = 150000;

// Starts `NomeSW` with the command line `Parameter` (`tipo` true: without a window) and waits until it
// ends or Start_Program_Wait_Ms have passed. Meanwhile the windows keep painting, input is ignored and
// the busy cursor shows. A program that cannot be started returns at once, unreported.
bool Start_Program(const String& NomeSW, const String& Parameter, bool tipo);
