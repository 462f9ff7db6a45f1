// The CAN transmit frame table ("CAN_Send_Frames.xml"): the frames sent, what triggers each and which
// bytes of the internal output array fill it.
#pragma once

#include "tables/fieldbus/UCAN_Frame_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFTransmitCAN : public TFTableWindow {
public:
    explicit TFTransmitCAN(TComponent* AOwner);
    String ClassName() const override { return "TFTransmitCAN"; }

    TQvColumnGrid* ACG_CAN_Transmit = nullptr;
    static constexpr Integer MAX_Byte = CAN_Max_Byte;
    bool Do_Copy() const { return Copied(0); }
};

extern TFTransmitCAN* FTransmitCAN;
