// The SNMP manager request table: the frame with the manager's sheet and file.
#include "tables/network/USNMPManagerAccess.h"

#include "core/UComon.h"
#include "tables/network/USNMP_Manager_Tables.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FSNMPManagerAccess"), [] {
          TTableSheet sheet = SNMP_Manager_Sheet();
          sheet.FilePath = &File_SNMP_Manager;
          return sheet;
      }()) {
    ACG_SNMP = Grid(0);
}
