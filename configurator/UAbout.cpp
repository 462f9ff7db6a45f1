#include "configurator/UAbout.h"

TFAbout* FAbout = nullptr;
