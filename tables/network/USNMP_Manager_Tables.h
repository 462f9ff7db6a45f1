// The SNMP manager request table ("SNMP_Manager.xml") as a sheet: its columns and file, the tests of a
// request, the duplicate rule and the character budget of identifiers, user names and passwords.
#pragma once

#include "tables/frame/TableSheet.h"

enum TSNMPManagerColumn : Integer {
    smEnable = 1,
    smIP_Address,
    smVersion,
    smCommunity,
    smOID,
    smType,
    smMode,
    smOnChange,
    smOnCMD,
    smOnTimer,
    smTime,
    smPosition,
    smNumBytes,
    smConversion,
    smCancel,
    smUser,
    smAuthPass,
    smPrivPass,
    smSecurityLevel,
    smAuthMode,
    smPrivMode,
    smMnemonic
};

constexpr Integer SNMP_Manager_Rows = 512;
constexpr Integer SNMP_Manager_Positions = 1440;
// The converter keeps the identifiers, user names and passwords of all requests in one text store: the
// budget (1, then each text's length plus 1) must stay below this.
constexpr Integer SNMP_Manager_Budget_Limit = 47105;

TTableSheet SNMP_Manager_Sheet();

// The characters the enabled rows up to the first row without an IP Address take in the converter's store.
Integer SNMP_Manager_Budget(const ITableCells& cells);
