// The Modbus TCP master rule tables ("ModbusTCPM_SetAccess.xml"): read and write rules by slave address.
#pragma once

#include "tables/network/UModbus_Master_Window.h"

class TFModbus_TCP_Master_Set_Access : public TFModbusMasterWindow {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
    String ClassName() const override { return "TFModbus_TCP_Master_Set_Access"; }
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
