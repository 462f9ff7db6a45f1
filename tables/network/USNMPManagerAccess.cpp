#include "tables/network/USNMPManagerAccess.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;
