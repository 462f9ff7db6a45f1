// The grid's binary cell stream: a block of cells with their texts, properties, graphics and the graphics'
// pictures and lists, as binary files, the clipboard's "TQvStringGrid Cells" and grid-to-grid drops carry it.
#pragma once

#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/data/GridCells.h"
#include "controls/grid/exchange/GridExchangeLimits.h"

#include <QByteArray>
#include <functional>
#include <memory>
#include <vector>

// One cell of a block; Col and Row count from the block's first column and row.
struct GridBlockCell {
    int Col = 0;
    int Row = 0;
    String Text;
    // The cell's look and merge state, and its graphic with the payload it owns; nullptr when it had none.
    std::unique_ptr<TCellProperties> Props;
    std::unique_ptr<TCellGraphic> Graphic;
};

// A rectangle of display columns and rows of one grid.
struct GridBlock {
    // Where the block stood in its grid.
    int Left = 0;
    int Top = 0;
    int ColCount = 0;
    int RowCount = 0;
    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    // The block is the grid's whole save range: a load makes the grid the block's size.
    bool FullGrid = false;
    // The identity of the grid that wrote it (TQvStringGrid::ExchangeId), 0 for none.
    quint64 SourceId = 0;
    std::vector<GridBlockCell> Cells;
};

// Writes and reads the stream. The encoding is our own and versioned: a mark and a version, then records
// (a kind, a length, a body): the block, then per cell its text, its properties, its graphic and the
// graphic's payload. A reader takes a stream whole or not at all: every record, count, text, value and
// picture is checked before a grid changes, every cell of the block must be there once, and anything that
// does not fit raises EQvGridError.
class GridBinaryStream {
public:
    // The writer's rectangle and what it says of the block besides the cells.
    struct Header {
        TRect Cells; // display columns and rows, edges included
        std::vector<int> ColWidths;
        std::vector<int> RowHeights;
        bool FullGrid = false;
        quint64 SourceId = 0;
    };
    // Every cell of the rectangle, empty ones too, so that a paste clears what the block had empty.
    // OnRow is told each display row before its cells.
    static QByteArray Write(const IGridCells& Cells, const Header& H,
                            const std::function<void(int Row)>& OnRow = nullptr);
    static GridBlock Read(const QByteArray& Bytes, const GridExchangeLimits& Limits = GridExchangeLimits());

    struct ApplyHooks {
        // A cell the block may not write (display column and row); nullptr writes every cell in the view.
        std::function<bool(int Col, int Row)> MayWrite;
        // Told before a cell is written, with its new text (display column and row).
        std::function<void(int Col, int Row, const String& Text)> BeforeWrite;
        // Told when the written row changes.
        std::function<void(int Row)> OnRow;
    };
    // Writes the block's cells with its first cell at display (AtCol, AtRow): texts as they are, the
    // streamed properties over the target's (the target keeps its cell object and control), and a new
    // graphic in place of the target's. Cells that would land outside the view are left out, and so is the
    // merge state of an area that does not land whole. Answers the display rectangle that was written, or an
    // empty one (Left > Right) when nothing was.
    static TRect Apply(IGridCells& Cells, GridBlock& Block, int AtCol, int AtRow,
                       const ApplyHooks& Hooks = ApplyHooks());
};
