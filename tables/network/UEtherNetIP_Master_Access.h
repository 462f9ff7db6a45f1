// The EtherNet/IP scanner connection table ("EtherNetIP_Master_Rules.xml"): the slaves the converter
// connects to; Import EDS fills a free row from a connection chosen in a device's EDS file.
#pragma once

#include "tables/frame/UTableWindow.h"

class TOpenDialog;

class TFEtherNetIP_Master_Access : public TFTableWindow {
public:
    explicit TFEtherNetIP_Master_Access(TComponent* AOwner);
    String ClassName() const override { return "TFEtherNetIP_Master_Access"; }

    void Set_Lang() override;
    void Btn_Import_EDSClick(TObject* Sender);

    TQvColumnGrid* ACG = nullptr;
    TSbButton* Btn_Import_EDS = nullptr;
    TOpenDialog* OD_EDS = nullptr;
    bool Do_Copy() const { return Copied(0); }
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
