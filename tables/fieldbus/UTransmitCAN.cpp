// The CAN transmit frame table: the frame with the transmit sheet.
#include "tables/fieldbus/UTransmitCAN.h"

TFTransmitCAN* FTransmitCAN = nullptr;

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FTransmitCAN"), CAN_Frames_Sheet(true)) {
    ACG_CAN_Transmit = Grid(0);
}
