// The NMEA 2000 transmit table: the frame with the transmit sheet.
#include "tables/fieldbus/UTransmitNMEA.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::TFTransmitNMEA(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FTransmitNMEA"), NMEA_Frames_Sheet(true)) {
    sga = Grid(0);
}
