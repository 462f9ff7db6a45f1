#include "tables/fieldbus/USet_SDO_Client_Access.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
