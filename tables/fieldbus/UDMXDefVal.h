// The DMX default values ("DMX_Default_Values.xml"): the value each channel takes before the line sends
// one, and its mnemonic; as many channels as the communication settings give.
#pragma once

#include "tables/fieldbus/UDMX_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFDMXDefVal : public TFTableWindow {
public:
    explicit TFDMXDefVal(TComponent* AOwner);
    String ClassName() const override { return "TFDMXDefVal"; }

    TQvColumnGrid* ACG_DMX_Def_Val = nullptr;
};

extern TFDMXDefVal* FDMXDefVal;
