// The dropdown unit's enumerations and event types, shared by the edit, its popup and the popup's bars.
#pragma once

#include "toolkit/graphics/Graphics.h"

#include <functional>

class TCanvas;

// What the edit lets the person type (the rules are in QvDropDown_Entry.h).
enum TDropDownEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars
};

// Where the popup opens: below the edit when it fits, else above (dpAuto), or on the side asked for.
enum TDropPosition { dpAuto, dpDown, dpUp };

// The two-colour look of selected items in list-like popup contents.
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TClipboardEvent = std::function<void(TObject* Sender, const String& value, bool& allow)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, String& Text)>;
