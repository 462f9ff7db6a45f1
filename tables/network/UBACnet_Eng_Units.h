// The BACnet engineering units: the unit names by number and the categories the unit picker offers.
#pragma once

#include "toolkit/system/Types.h"

#include <vector>

constexpr Integer Num_BACnet_Eng_Units = 237;
constexpr Integer Num_BACnet_Unit_Categories = 23;

struct TBACnetUnitCategory {
    const char* Name;
    std::vector<Integer> Units; // unit numbers in the order the picker lists them
};

// The unit's name; "unknown" for every number outside 0 .. 236.
String Desc_Unit(Integer Num_Unit);
// The picker's own spelling of a unit's name (a few differ from Desc_Unit).
String Unit_List_Name(Integer Num_Unit);
const TBACnetUnitCategory& BACnet_Unit_Category(Integer index);
