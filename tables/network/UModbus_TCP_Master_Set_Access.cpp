#include "tables/network/UModbus_TCP_Master_Set_Access.h"

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;
