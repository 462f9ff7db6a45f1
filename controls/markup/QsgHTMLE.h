// The grid's markup: character entities, stripping, highlight tags and the in-cell CONTROL tags.
#pragma once

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
