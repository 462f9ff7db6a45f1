#include "configurator/UOpenConf.h"

TFOpenConf* FOpenConf = nullptr;
