#include "tables/fieldbus/UReceiveCAN.h"

TFReceiveCAN* FReceiveCAN = nullptr;
