// The grid's rich edit.
#include "controls/grid/QvRichEdit.h"
#include "controls/grid/QvGrid.h"

TQvRichEdit::TQvRichEdit(TComponent* AOwner)
    : TRichEdit(AOwner), FGrid(dynamic_cast<TQvStringGrid*>(AOwner)) {
    if (!FGrid) throw EInvalidCast("TQvRichEdit needs a TQvStringGrid as its owner");
}
