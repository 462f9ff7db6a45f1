// The J1939 receive table ("J1939_Rec_Frames.xml"): the parameter groups taken from the bus and the
// slice of each that goes into the internal input array.
#pragma once

#include "tables/fieldbus/UPGN_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFReceiveJ1939 : public TFTableWindow {
public:
    explicit TFReceiveJ1939(TComponent* AOwner);
    String ClassName() const override { return "TFReceiveJ1939"; }

    TQvColumnGrid* sga = nullptr;
    static constexpr Integer NUM_BYTE_IN = J1939_Num_Byte_In;
    bool Do_Copy() const { return Copied(0); }
};

extern TFReceiveJ1939* FReceiveJ1939;
