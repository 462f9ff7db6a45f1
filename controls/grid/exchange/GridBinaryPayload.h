// What the binary cell stream carries of a cell graphic: which graphics travel, their plain fields, and the
// payload (bitmap, picture, file picture, list) a graphic owns. Internal to the stream.
#pragma once

#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/exchange/GridByteCodec.h"

namespace gridstream {

// A graphic travels unless it is empty, belongs to the grid (shared boxes), or holds an object the
// application owns (an interfaced cell, a bitmap or picture it handed in).
bool GraphicTravels(const TCellGraphic& Graphic);

void WriteGraphic(GridByteWriter& W, const TCellGraphic& Graphic);
void WritePayload(GridByteWriter& W, const TCellGraphic& Graphic);
// True when the graphic's kind carries a payload record after it.
bool HasPayload(const TCellGraphic& Graphic);

// Raise EQvGridError for anything out of range; the graphic owns what ReadPayload makes.
std::unique_ptr<TCellGraphic> ReadGraphic(GridByteReader& R);
void ReadPayload(GridByteReader& R, TCellGraphic& Graphic);

} // namespace gridstream
