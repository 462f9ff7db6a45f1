#include "tables/fieldbus/UDNet.h"

TFDNet* FDNet = nullptr;
