// The Modbus TCP master rule tables: the frame with the TCP sheet and file.
#include "tables/network/UModbus_TCP_Master_Set_Access.h"

#include "core/UComon.h"

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner)
    : TFModbusMasterWindow(AOwner, QStringLiteral("FModbus_TCP_Master_Set_Access"), true,
                           &File_ModbusTCPM_SetAccess) {}
