// Rich text as cells, editors, the clipboard and printing hold it: an RTF subset read and written as
// paragraphs of runs.
#pragma once

#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/Types.h"

#include <QByteArray>
#include <vector>

enum TRichScript { rsNormal = 0, rsSubscript = 1, rsSuperscript = 2 };
enum TRichAlignment { raLeft = 0, raRight = 1, raCenter = 2, raJustify = 3 };

// The character format of a run. An empty font name is the reader's default font; clNone is the automatic
// (default) text colour.
struct TRichFormat {
    String FontName;
    int HalfPoints = 24; // font size in half points, as RTF counts it
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TRichScript Script = rsNormal;
    TColor Color = clNone;

    bool operator==(const TRichFormat&) const = default;
};

struct TRichRun {
    String Text; // a line break inside a paragraph is U+2028
    TRichFormat Format;
    bool operator==(const TRichRun&) const = default;
};

struct TRichParagraph {
    TRichAlignment Alignment = raLeft;
    std::vector<TRichRun> Runs;
    bool operator==(const TRichParagraph&) const = default;
};

struct TRichText {
    std::vector<TRichParagraph> Paragraphs;

    // The text without formats: paragraphs and line breaks as CR LF.
    String PlainText() const;
    bool operator==(const TRichText&) const = default;
};

// Groups nested deeper than this are read as skipped content: hostile input cannot exhaust the stack or the
// memory of the group states.
constexpr int kRtfMaxGroupDepth = 128;

// True when the bytes start as RTF does ("{\rtf", white space before it allowed).
bool IsRtf(const QByteArray& Bytes);

// Reads RTF: font and colour tables, bold, italic, underline, strike-out, sub- and superscript, size, colour,
// paragraphs with their alignment, line breaks and tabs, \uN characters with their \ucN fallback skipped,
// \'hh characters in the code page of their font. Unknown control words are ignored, unknown and ignorable
// destinations ({\*...}, pictures, style sheets, document information) skipped. Never fails: malformed input
// (unbalanced groups, truncated text, absurd numbers) gives what could be read. Bytes that are not RTF are
// read as one plain text in Windows-1252.
TRichText ReadRtf(const QByteArray& Bytes);

// Writes the text as RTF that ReadRtf reads back to the same paragraphs, runs and formats. The result is
// 7-bit ASCII: other characters are written as \'hh (Windows-1252) or \uN.
QByteArray WriteRtf(const TRichText& Text);

// The text of RTF bytes without its formats (ReadRtf(Bytes).PlainText()).
String RtfToPlainText(const QByteArray& Bytes);

// Cells keep RTF as text with one character a byte: the low 8 bits of each character, and back.
QByteArray RtfBytesOfCellText(const String& CellText);
String CellTextOfRtfBytes(const QByteArray& Bytes);
