// The J1939 receive table: the frame with the receive sheet.
#include "tables/fieldbus/UReceiveJ1939.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FReceiveJ1939"), J1939_Frames_Sheet(false)) {
    sga = Grid(0);
}
