#include "tables/fieldbus/UDMXDefVal.h"

TFDMXDefVal* FDMXDefVal = nullptr;
