// The NMEA 2000 receive table ("NMEA_Rec_Frames.xml"): the parameter groups taken from the bus, single,
// multi-packet or fast-packet, and the slice of each that goes into the internal input array.
#pragma once

#include "tables/fieldbus/UPGN_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFReceiveNMEA : public TFTableWindow {
public:
    explicit TFReceiveNMEA(TComponent* AOwner);
    String ClassName() const override { return "TFReceiveNMEA"; }

    TQvColumnGrid* sga = nullptr;
    static constexpr Integer NUM_BYTE_IN = NMEA_Num_Byte_In;
    bool Do_Copy() const { return Copied(0); }
};

extern TFReceiveNMEA* FReceiveNMEA;
