#include "tables/fieldbus/UTransmitCAN.h"

TFTransmitCAN* FTransmitCAN = nullptr;
