#include "tables/fieldbus/UTransmitNMEA.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;
