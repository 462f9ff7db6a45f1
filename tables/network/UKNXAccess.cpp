#include "tables/network/UKNXAccess.h"

TFKNXAccess* FKNXAccess = nullptr;
