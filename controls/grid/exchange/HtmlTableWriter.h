// The HTML table of a grid: style classes from the cells' looks, merged areas as spans, links, and cell
// pictures as JPEG files beside the page.
#pragma once

#include "controls/grid/exchange/ExchangeGrid.h"

#include <vector>

class THTMLSettings;
class TGraphic;

// The part of a grid a table shows, in shown columns and rows; with HeaderRow the first row is the head.
struct HtmlTableRange {
    int FirstCol = 0;
    int LastCol = -1;
    int FirstRow = 0;
    int LastRow = -1;
    bool HeaderRow = false;
};

// Plain cell texts, head cells included, are escaped; markup cells go in as markup (in XHTML only markup
// that is well-formed, else their text). XHTML output is well-formed XML: tags close in the case they
// opened and only references XML knows are written.
class HtmlTableWriter {
public:
    HtmlTableWriter(ExchangeGrid& Grid, THTMLSettings& Settings, bool URLShow, bool URLFull);

    // The grid's part a page shows: from the first save column and row to the last column and row, the
    // fixed row as the head when the grid has one and saves it.
    HtmlTableRange PageRange();
    // The style block and the table of Range, each line ended by CR LF. Pictures go to
    // ImageDir + "images/img<k>.jpg" (k counting on through this writer's exports); raises Exception
    // "Cannot create <folder>" when that folder cannot be made.
    String Table(const HtmlTableRange& Range, const String& ImageDir);
    // The page's text: with XHTML its declaration (naming Encoding), document type and html element, then
    // the prefix, the table of PageRange(), the suffix and the closing tags.
    String Page(const String& ImageDir, const String& Encoding = QStringLiteral("utf-8"));

    // Every character beyond ASCII as a character reference, for a page written in 7 bits.
    static String SevenBit(const String& Html);

private:
    String CellText(int Col, int Row, bool Header);
    String LinkOrText(const String& Text, const String& Escaped);
    String Pictures(int Col, int Row, bool& TextFirst);
    String ImageElement(const TGraphic& Graphic);
    String ClassOf(int Col, int Row, bool Header);
    String Tag(const char* Upper) const;
    String Nbsp() const;

    ExchangeGrid& FGrid;
    THTMLSettings& FSettings;
    bool FURLShow;
    bool FURLFull;
    bool FXHTML;
    String FImageDir;
    int FImageCount = 0;
    std::vector<String> FClasses;
};
