#include "configurator/UNew_Project.h"

TFNew_Project* FNew_Project = nullptr;
