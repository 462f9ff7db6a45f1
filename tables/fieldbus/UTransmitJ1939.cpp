// The J1939 transmit table: the frame with the transmit sheet.
#include "tables/fieldbus/UTransmitJ1939.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FTransmitJ1939"), J1939_Frames_Sheet(true)) {
    sga = Grid(0);
}
