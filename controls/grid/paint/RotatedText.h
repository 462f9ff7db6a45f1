// Where rotated text starts: shared by the screen painter, the printed cell and the grid's
// GetRotatedTextRect, so a rotated cell sits alike on screen and paper.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/grids/Grids.h"

// The start point (y downwards) of a text W x H drawn from it at Angle degrees counter-clockwise, placed so
// that the rotated text's bounding box sits in R, less 2 on each side, at the corner, edge or centre the
// alignments choose.
TPoint PlaceRotatedText(const TRect& R, int Angle, TAlignment HAlign, TVAlignment VAlign, int W, int H);
