// A word-processor document (.docx) as the grid writes its cells into one: a new document, or an existing
// one read from its bytes, that takes a paragraph at its start and a table at its start, at a bookmark or
// at its end. Every other part of the package and everything else in the body stays as it was.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"

#include <QByteArray>
#include <memory>
#include <utility>
#include <vector>

class TXMLDocument;
class TXMLNode;

// A table's cells row by row, each with its text and horizontal alignment.
struct DocxTable {
    int Cols = 0;
    int Rows = 0;
    std::vector<String> Texts;
    std::vector<TAlignment> Alignments;

    // Every shown row and column of the grid, fixed ones included, as the grid saves them; the export
    // notifications fire as the rows go by.
    static DocxTable FromGrid(ExchangeGrid& Grid);
};

class DocxDocument {
public:
    // A package with more files than this is refused.
    static constexpr int MaxParts = 10000;

    enum class Place { Start, Bookmark, End };

    // An empty new document.
    DocxDocument();
    // The document in these bytes; EQvGridError with Failure when they are no readable .docx package.
    DocxDocument(const QByteArray& Bytes, const String& Failure);
    ~DocxDocument();
    DocxDocument(const DocxDocument&) = delete;
    DocxDocument& operator=(const DocxDocument&) = delete;

    // Whether a bookmark of that name is in the body; names compare without regard to case, as word
    // processors keep them.
    bool HasBookmark(const String& Name) const;
    // A paragraph (one per line of Text) in front of everything in the body.
    void InsertParagraphAtStart(const String& Text);
    // Puts the table at the body's start, where the bookmark starts (splitting its paragraph there), or
    // at the body's end; a bookmark that is not there puts it at the end. An empty table puts nothing.
    void InsertTable(const DocxTable& Table, Place Where, const String& Bookmark = String());
    // The whole package; EQvGridError when it cannot be built.
    QByteArray Bytes() const;

private:
    void Load(const QByteArray& Bytes);
    TXMLNode FindBookmark(const String& Name) const;
    TXMLNode InsertionPoint(TXMLNode& Parent, Place Where, const String& Bookmark);
    String W(const char* Local) const;
    bool Is(const TXMLNode& Node, const char* Local) const;
    void AddParagraphs(TXMLNode& Parent, const TXMLNode& Before, const String& Text, TAlignment Alignment);

    std::vector<std::pair<String, QByteArray>>
        FParts; // in the package's order, the document's own bytes stale
    String FDocumentPart;
    String FPrefix; // the prefix the document gives the main namespace, with its colon ("w:"), or empty
    String FFailure;
    std::unique_ptr<TXMLDocument> FXml;
};
