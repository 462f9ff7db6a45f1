#include "configurator/UOPC_UA_Server_Access.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;
