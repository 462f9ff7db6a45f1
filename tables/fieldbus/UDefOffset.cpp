#include "tables/fieldbus/UDefOffset.h"

TFDefOffset* FDefOffset = nullptr;
