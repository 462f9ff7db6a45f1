// The serial Modbus master rule tables: the frame with the serial sheet and file.
#include "tables/network/USetAccess.h"

#include "core/UComon.h"

TFSetAccess* FSetAccess = nullptr;

TFSetAccess::TFSetAccess(TComponent* AOwner)
    : TFModbusMasterWindow(AOwner, QStringLiteral("FSetAccess"), false, &File_ModbusM_SetAccess) {}
