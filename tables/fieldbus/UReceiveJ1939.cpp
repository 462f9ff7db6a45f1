#include "tables/fieldbus/UReceiveJ1939.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;
