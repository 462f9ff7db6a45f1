// The markup renderer's working state, shared by its line and tag files only.
#pragma once

#include "controls/markup/MarkupRenderer.h"

enum class TMarkupAlign { Left, Right, Center };

// Numbers read from markup are held to this many pixels (or points), so that no layout sum overflows.
constexpr int kMarkupMaxNumber = 10000;
constexpr int kMarkupMaxListLevel = 32;

// Everything both passes of a line change the same way; saved before the measuring pass and restored
// before the drawing pass, so the two passes of a line always start alike.
struct TMarkupRenderer::Flow {
    TMarkupAlign Align = TMarkupAlign::Left;
    int Indent = 0;
    int ListLevel = 0;
    int LinkCount = 0;
    bool InLink = false;
    String LinkTarget;
    String LinkTitle;
    int ImageCount = 0;
    bool Hidden = false;
    bool Super = false;
    bool Sub = false;
    bool Shadow = false;
    bool Error = false;
    int Angle = 0;                // rotated text while not 0
    bool LinkStartedHere = false; // the open link began on this line
    int LinkStartX = 0;
    bool HoverMarked = false; // the point is on the open link's text
    bool FocusOpen = false;   // the focused link is open
    int FocusStartX = 0;
    bool FocusStartedHere = false;
};

// Colours the drawing pass saves at an opening tag and puts back at its closing tag.
struct TMarkupRenderer::Paint {
    TColor Brush = clNone; // the background of text runs; clNone: none
    TColor HoverBrush = clNone, HoverFont = clNone;
    TColor FontBrush = clNone;
    TColor HiBrush = clNone, HiFont = clNone;
    TColor ParaBrush = clNone;
    bool ParaBack = false;
    TColor ParaColor = clNone;
};

struct TMarkupRenderer::Line {
    String Markup;  // what the measuring pass took for this line
    int Width = 0;  // x so far
    int Height = 0; // line height
    int SuperExtra = 0;
    int SubExtra = 0;
    int Raise = 0;
    int TrailingSpace = 0; // width of the space ending the last run
    bool EndsWithSpace = false;
    bool End = false;  // a break or a full line at a space
    bool Full = false; // an object did not fit
    bool Bullet = false;
    bool FirstRun = true;
    bool OnLinkText = false; // the point lies on link text
    bool Hit = false;        // on a link, a linked picture or a control
};

struct TMarkupRenderer::Tag {
    String Text;  // from "<" to ">" inclusive, case kept
    String Upper; // the same, upper-cased
    bool Closing = false;
    // The first double-quoted value after the attribute name (found in any letter case); empty when none.
    String Attr(const char* name) const;
    String UpperAttr(const char* name) const { return Attr(name).toUpper(); }
    bool Is(const char* prefix) const { return Upper.mid(Closing ? 2 : 1).startsWith(QLatin1String(prefix)); }
};

// Leading digits of `s` (after spaces, an optional "=" and quote), bounded; `complete` says whether the
// whole value was a number.
int MarkupNumber(const String& s, bool* complete = nullptr);
