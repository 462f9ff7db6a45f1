#include "tables/fieldbus/UTransmitJ1939.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;
