// Delimiter-separated text: the writer of a grid's save range and the reader that parses a text into records
// and places them in a grid.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"

#include <vector>

struct CsvSettings {
    // Character 0: "," when writing, detected when reading.
    QChar Delimiter = QChar(0);
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = true;
    // "^" for an empty field, "~" for a line break.
    bool JavaCSV = false;
    // Off: the reader skips the file's first record.
    bool LoadFirstRow = true;
};

class CsvWriter {
public:
    explicit CsvWriter(const CsvSettings& Settings);
    // A cell text as it goes into the file between two delimiters.
    String Field(const String& Text) const;
    // The grid's save rows, each ended by CR LF.
    String Write(ExchangeGrid& Grid) const;
    // The same rows as UTF-8 bytes, after the UTF-8 mark when `Mark`: what a Unicode file holds, built
    // without a UTF-16 copy of the whole file first.
    QByteArray WriteUtf8(ExchangeGrid& Grid, bool Mark) const;

private:
    template <class Out> void WriteRows(ExchangeGrid& Grid, Out& Text) const;
    template <class Out> void AppendField(Out& Text, const String& Field) const;

    CsvSettings FSettings;
    QChar FSep;
};

// Records as read, their fields one after the other.
struct CsvRecords {
    std::vector<String> Fields;
    // One past each record's last field in Fields.
    std::vector<size_t> Ends;

    int Count() const { return static_cast<int>(Ends.size()); }
    size_t Begin(int Record) const { return Record == 0 ? 0 : Ends[static_cast<size_t>(Record - 1)]; }
};

class CsvReader {
public:
    explicit CsvReader(const CsvSettings& Settings);
    // The delimiter the first two lines agree on (character 0 when none stands out).
    static QChar DetectDelimiter(const String& Text);
    // Up to MaxRows records (all when MaxRows <= 0) after the first when LoadFirstRow is off. A quoted field
    // goes on over line breaks to its closing quote, and one never closed takes the rest of the text; a
    // delimiter that ends a line brings no empty field after it.
    CsvRecords Parse(const String& Text, QChar Delimiter, int MaxRows) const;
    // Stores the records from StartRow on, the fields from the first save column on: the grid grows to
    // hold them and its rows end with the last record (and the footer rows). "Source" names the file in
    // errors. A text without a line raises "File is empty"; one that needs more columns or cells than a file
    // may bring changes nothing and raises EQvGridError.
    void Load(ExchangeGrid& Grid, const String& Text, int StartRow, int MaxRows, const String& Source) const;

private:
    String Decode(const QChar* From, const QChar* To) const;

    CsvSettings FSettings;
};
