// The CAN receive frame table ("CAN_Rec_Frames.xml"): the frames taken from the bus and where each data
// byte goes in the internal input array.
#pragma once

#include "tables/fieldbus/UCAN_Frame_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFReceiveCAN : public TFTableWindow {
public:
    explicit TFReceiveCAN(TComponent* AOwner);
    String ClassName() const override { return "TFReceiveCAN"; }

    TQvColumnGrid* ACG_CAN_Receive = nullptr;
    static constexpr Integer MAX_Byte = CAN_Max_Byte;
    bool Do_Copy() const { return Copied(0); }
};

extern TFReceiveCAN* FReceiveCAN;
