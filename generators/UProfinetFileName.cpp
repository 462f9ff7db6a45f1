#include "generators/UProfinetFileName.h"

TFProfinetFileName* FProfinetFileName = nullptr;
