#include "tables/network/UBACnetAccess.h"

TFBACnetAccess* FBACnetAccess = nullptr;
