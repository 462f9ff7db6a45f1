// The DeviceNet slave list: the frame with the slave-list sheet.
#include "tables/fieldbus/UDNet.h"

#include "controls/grid/QvCGrid.h"

TFDNet* FDNet = nullptr;

TFDNet::TFDNet(TComponent* AOwner) : TFTableWindow(AOwner, QStringLiteral("FDNet"), DNet_Net_Sheet()) {
    QSG = Grid(0);
    QSG->Columns()->Items(0)->SetWidth(Sheet().Grids[0].Columns[0].Width);
}
