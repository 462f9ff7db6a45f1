// The J1939 transmit table ("J1939_Send_Frames.xml"): the parameter groups sent from the internal
// output array and what triggers each.
#pragma once

#include "tables/fieldbus/UPGN_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFTransmitJ1939 : public TFTableWindow {
public:
    explicit TFTransmitJ1939(TComponent* AOwner);
    String ClassName() const override { return "TFTransmitJ1939"; }

    TQvColumnGrid* sga = nullptr;
    static constexpr Integer NUM_BYTE_OUT = J1939_Num_Byte_Out;
    bool Do_Copy() const { return Copied(0); }
};

extern TFTransmitJ1939* FTransmitJ1939;
