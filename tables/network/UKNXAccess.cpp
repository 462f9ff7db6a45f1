// The KNX access table: the frame with the KNX sheet and file.
#include "tables/network/UKNXAccess.h"

#include "core/UComon.h"
#include "tables/network/UKNX_Tables.h"

TFKNXAccess* FKNXAccess = nullptr;

TFKNXAccess::TFKNXAccess(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FKNXAccess"), [] {
          TTableSheet sheet = KNX_Sheet();
          sheet.FilePath = &File_KNX_SetAccess;
          return sheet;
      }()) {
    ACG_KNX_in_Write = Grid(0);
}
