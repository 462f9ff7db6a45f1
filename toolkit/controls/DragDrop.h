// Drag and drop between controls and with other programs: a control's window registers a drop target, and
// a control starts a drag of a format set. The data of a drop is another program's: it reaches the target
// as bytes with their formats (TClipData), never interpreted here.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/services/Clipboard.h"

#include <functional>

class TBitmap;

// What a drop does with the data; a set of them says what a source allows.
enum : int { DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2, DROPEFFECT_LINK = 4 };
// How a drag ended.
enum : int { DRAGDROP_S_DROP = 0x00040100, DRAGDROP_S_CANCEL = 0x00040101 };

// The receiving side of drags over one control's window. Points are screen coordinates; Shift holds the
// keys and mouse buttons down (ssCtrl, ssShift, ssAlt, ssLeft ...). Effect comes in as the effects the
// source allows and goes out as the one effect the target would take now, DROPEFFECT_NONE to refuse. A
// drag goes Enter, Over (as the pointer moves), then Leave or Drop. The data is readable during the call.
class TDropTarget {
public:
    virtual ~TDropTarget() = default;
    virtual void DragEnter(const TClipData& Data, TShiftState Shift, const TPoint& Pt, int& Effect) = 0;
    virtual void DragOver(TShiftState Shift, const TPoint& Pt, int& Effect) = 0;
    virtual void DragLeave() = 0;
    virtual void Drop(const TClipData& Data, TShiftState Shift, const TPoint& Pt, int& Effect) = 0;
};

// Makes the control's window (if it has none yet) take drags for `Target`, which it does not own: revoke
// before the target goes. A window made again later is registered again by its owner. False without a
// control or target.
bool RegisterDragDrop(TWinControl* Control, TDropTarget* Target);
void RevokeDragDrop(TWinControl* Control);
bool IsDragDropRegistered(TWinControl* Control);

// The sending side: told of the effect the target under the pointer would take as it changes
// (DROPEFFECT_NONE where nothing takes the data). The desktop's drag ends the drag: Escape cancels,
// releasing the button drops.
class TDropSource {
public:
    virtual ~TDropSource() = default;
    virtual void GiveFeedback(int Effect) { (void)Effect; }
};

// Drags `Data` from the control's window, allowing `OkEffects`; returns when the drag has ended:
// DRAGDROP_S_DROP with the effect the target took, or DRAGDROP_S_CANCEL (Effect DROPEFFECT_NONE) when
// it was cancelled or nothing took it. `Image` (optional) is shown under the pointer, at `HotSpot`.
int DoDragDrop(TControl* Source, const TClipData& Data, int OkEffects, TDropSource* DropSource, int& Effect,
               const TBitmap* Image = nullptr, const TPoint& HotSpot = TPoint());

// What runs a started drag: the desktop's own by default. Tests install theirs to see what a drag offers
// and answer with the effect taken (DROPEFFECT_NONE for a cancelled drag); an empty function gives the
// desktop's back. Returns the one installed before.
using TDragRunner = std::function<int(TControl* Source, const TClipData& Data, int OkEffects)>;
TDragRunner SetDragRunner(TDragRunner Runner);
