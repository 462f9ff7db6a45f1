// The CAN receive frame table: the frame with the receive sheet.
#include "tables/fieldbus/UReceiveCAN.h"

TFReceiveCAN* FReceiveCAN = nullptr;

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FReceiveCAN"), CAN_Frames_Sheet(false)) {
    ACG_CAN_Receive = Grid(0);
}
