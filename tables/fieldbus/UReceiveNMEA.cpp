// The NMEA 2000 receive table: the frame with the receive sheet.
#include "tables/fieldbus/UReceiveNMEA.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::TFReceiveNMEA(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FReceiveNMEA"), NMEA_Frames_Sheet(false)) {
    sga = Grid(0);
}
