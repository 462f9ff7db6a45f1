// Cells as XML: a list element of records, one per row, whose child elements hold the cells.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"

#include <QStringList>

class TXMLNode;

struct XmlCellNames {
    String List;
    String Record;
    // The element name of each save column from the first; FIELD<n> for a column without one.
    QStringList Fields;
};

class XmlCellWriter {
public:
    // Empty cells are left out unless ExportEmptyCells, then written as two double quotes with
    // QuoteEmptyCells; cells covered by a merged area are left out.
    XmlCellWriter(bool ExportEmptyCells, bool QuoteEmptyCells)
        : FExportEmpty(ExportEmptyCells), FQuoteEmpty(QuoteEmptyCells) {}
    // The document in Encoding (see TXMLDocument::SaveToBytes; another name writes UTF-8 and says so).
    // Raises EQvGridError for a name XML does not allow or a cell holding a character XML cannot carry.
    QByteArray Write(ExchangeGrid& Grid, const XmlCellNames& Names, const String& Encoding) const;

private:
    bool FExportEmpty;
    bool FQuoteEmpty;
};

class XmlCellReader {
public:
    // LevelToRow: each level of attributes and children starts a row of its own; LoadFieldDescr: element
    // names go into the empty cells of row 0.
    XmlCellReader(bool LevelToRow, bool LoadFieldDescr, bool QuoteEmptyCells)
        : FLevelToRow(LevelToRow), FLoadFieldDescr(LoadFieldDescr), FQuoteEmpty(QuoteEmptyCells) {}
    // Every child of the document element is a record. The grid is not cleared; it ends one column past
    // the last column written and one row past the last row written. A document nested deeper than
    // kMaxLevels, or one that needs more columns or cells than a file may bring, changes nothing and raises
    // EQvGridError ("Source" names the file).
    void Load(ExchangeGrid& Grid, const TXMLNode& Root, const String& Source) const;

    static constexpr int kMaxLevels = 100;

private:
    struct Placed;
    struct Walk;
    void ReadNode(Walk& W, const TXMLNode& Node, int Depth) const;

    bool FLevelToRow;
    bool FLoadFieldDescr;
    bool FQuoteEmpty;
};
