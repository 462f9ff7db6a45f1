// Painting over Qt's own widgets: a control lets its native widget paint, then paints its own look on top.
#pragma once

#include "toolkit/controls/Controls.h"

#include <functional>

// Inside WM_PAINT of a control over one of Qt's widgets: the widget paints itself now, for that paint event.
void PaintNativeNow(TControl* control, TMessage& m);
// Inside WM_PAINT: `canvas` is attached to the control's widget while `paint` runs (font and brush of the
// control). Outside a paint event nothing is drawn and false is answered.
bool PaintOnWidgetCanvas(TControl* control, TCanvas* canvas, TMessage& m, const std::function<void()>& paint);

// A control over several of Qt's widgets (an edit with a check box beside it ...) paints its frames over all
// of them on a layer on top, which lets the mouse through: each paint of the layer reaches the control as
// WM_NCPAINT with the paint event, and PaintOnOverlay draws on the layer meanwhile. The layer belongs to the
// native widget there is now; a widget made later gets one when the control asks again.
void SetPaintOverlay(TControl* control, bool on);
bool HasPaintOverlay(const TControl* control);
bool PaintOnOverlay(TControl* control, TCanvas* canvas, TMessage& m, const std::function<void()>& paint);
