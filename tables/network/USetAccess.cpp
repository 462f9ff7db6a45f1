#include "tables/network/USetAccess.h"

TFSetAccess* FSetAccess = nullptr;
