// The grid's markup: the renderer's front and colours, entities, stripping, highlight and CONTROL tags.
#pragma once

#include "controls/markup/MarkupRenderer.h"
#include "toolkit/system/Types.h"

// Character and entity name pairs ("é" and "&eacute;" ...), in the order the conversions apply them.
struct TAccentedChar {
    char16_t Char;
    const char* Entity;
};
extern const TAccentedChar AccentedCharTable[51];

String HTMLEntitiesToChars(const String& Text, bool Accents);
String CharsToHTMLEntities(const String& Text, bool Accents);
String SpacesToNbsp(const String& Text);
// "<BR>" and "<HR>" become CR LF, other tags go; an unterminated "<" and what follows stay.
String StripMarkup(const String& Markup);

// The attributes of one CONTROL tag; each empty when absent. PROP and VALUE are decoded.
struct TControlTagValues {
    String Type; // upper-cased: EDIT, PASSWORD, MASK, COMBO, CHECK, RADIO, BUTTON
    String ID;
    String MaxLen;
    String Prop;
    String Height;
    String Width;
    String Value;
};
TControlTagValues ParseControlTag(const String& Attributes);
bool HasControlTag(const String& Text);
String NextEditControlID(const String& Markup, const String& ID);
String ResetRadioControls(const String& Markup);
bool GetControlValue(const String& Markup, const String& ID, String& Value);
String GetControlProp(const String& Markup, const String& ID);
int GetControlMaxLen(const String& Markup, const String& ID);
// Writes the value into the control's tag and leaves every other attribute as it was.
bool SetControlValue(String& Markup, const String& ID, const String& Value);

// Encloses each occurrence of Search in <Tag> ... </Tag>; the grid uses "hi" to highlight and "e" to mark.
void InsertHilightTags(const String& Markup, const String& Search, const String& Tag, String& Result,
                       bool CaseSensitive);
void RemoveHilightTags(const String& Markup, const String& Tag, String& Result);

// ---- The renderer and its colours

// Lays out, draws (unless measuring or hit-testing only) and hit-tests one markup text; true when the
// point lies on a link, a linked picture or a control.
bool RenderMarkup(const TMarkupInput& In, TMarkupOutput& Out);

// The highlight colours of "<HI>" text, shared by every grid; the last setting wins.
void SetHilightColors(TColor Background, TColor Text);
TColor MarkupHilightColor();
TColor MarkupHilightTextColor();
// A colour name ("clRed", any letter case); an unknown name is black.
TColor MarkupColorByName(const String& Name);
// "#RRGGBB" (upper-case hexadecimal digits) as a colour value.
TColor MarkupColorByHex(const String& Hex);
// Whether in-text controls are drawn in the platform's style; they always are here.
void InitMarkupWinXPFlag();
bool MarkupThemed();
