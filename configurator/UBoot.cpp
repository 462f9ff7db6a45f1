#include "configurator/UBoot.h"

TFBoot* FBoot = nullptr;
