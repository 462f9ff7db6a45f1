#include "configurator/UParGen.h"

TFParGen* FParGen = nullptr;
