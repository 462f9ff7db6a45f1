// What one paste into a grid did, for the smart paste that may follow it.
#pragma once

struct GridPasteResult {
    // The cells (fields of a text) the paste went through, written or not.
    int Count = 0;
    // A text's lines (an empty one after a final line break counted) and its last line's fields.
    int Lines = 0;
    int Fields = 0;
    // The size of the block pasted: columns and rows.
    int BlockCols = 0;
    int BlockRows = 0;
};
