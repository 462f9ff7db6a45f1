// The banded gradient fill and the rounded, two-tone selection frame that the grid's cells and the
// dropdowns' list contents both paint selected items with, drawn through the toolkit canvas only.
#pragma once

#include "toolkit/graphics/Graphics.h"

class TCanvas;

// A rectangle whose pen and brush share one colour.
void FillSolidRect(TCanvas* Canvas, TColor Color, const TRect& R);
void DrawColorLine(TCanvas* Canvas, TColor Color, int X1, int Y1, int X2, int Y2);
// Steps bands from FromColor to ToColor; one colour clNone fills with the other, both clNone draw nothing.
void DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);
// The selection segment of a cell or item: 0 whole, 1 left end, 2 right end, 3 middle. Background is the
// colour the rounded corners show outside the frame.
void DrawStyledSelection(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                         TColor MirrorColorTo, TColor InnerTopColor, TColor InnerBottomColor,
                         TColor BorderColor, TColor CornerColor, TColor BackgroundColor, TRect R,
                         int Segment);
