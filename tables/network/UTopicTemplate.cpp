#include "tables/network/UTopicTemplate.h"

TFTopicTemplate* FTopicTemplate = nullptr;
