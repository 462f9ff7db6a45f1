#include "tables/network/UImportEDEFile.h"

TFImportEDEFile* FImportEDEFile = nullptr;
