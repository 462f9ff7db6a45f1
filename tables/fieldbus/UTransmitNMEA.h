// The NMEA 2000 transmit table ("NMEA_Send_Frames.xml"): the parameter groups sent from the internal
// output array and what triggers each.
#pragma once

#include "tables/fieldbus/UPGN_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFTransmitNMEA : public TFTableWindow {
public:
    explicit TFTransmitNMEA(TComponent* AOwner);
    String ClassName() const override { return "TFTransmitNMEA"; }

    TQvColumnGrid* sga = nullptr;
    static constexpr Integer NUM_BYTE_OUT = NMEA_Num_Byte_Out;
    bool Do_Copy() const { return Copied(0); }
};

extern TFTransmitNMEA* FTransmitNMEA;
