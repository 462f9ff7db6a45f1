#include "tables/fieldbus/UReceiveNMEA.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;
