#include "tables/network/UBACnetSlaveSetAccess.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;
