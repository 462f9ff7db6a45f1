// The DeviceNet slave list ("DNETM_Net.xml"): each slave's MAC ID, its input and output byte counts, its
// two reset options and a mnemonic. The byte map reads this file whenever it is shown.
#pragma once

#include "tables/fieldbus/UDNet_Tables.h"
#include "tables/frame/UTableWindow.h"

class TFDNet : public TFTableWindow {
public:
    explicit TFDNet(TComponent* AOwner);
    String ClassName() const override { return "TFDNet"; }

    TQvColumnGrid* QSG = nullptr;
    bool Do_Copy() const { return Copied(0); }
};

extern TFDNet* FDNet;
