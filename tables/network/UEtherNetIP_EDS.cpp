#include "tables/network/UEtherNetIP_EDS.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;
