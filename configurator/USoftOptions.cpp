#include "configurator/USoftOptions.h"

TFSoftOptions* FSoftOptions = nullptr;

bool TFSoftOptions::Check_Version() { return false; }
