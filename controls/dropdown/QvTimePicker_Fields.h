// The time picker's text without a window: the edit mask and text of a time, the field under the caret,
// a step of one field, and the reading of a typed time.
#pragma once

#include "controls/dropdown/QvWatch_Logic.h"

#include <optional>

enum class TTimeField { Hour, Minute, Second };

// "!90<T>00<T>00;1; " (or without the seconds): the first hour digit optional, the separators kept,
// empty places shown as spaces.
String TimePickerMask(bool ShowSeconds, QChar Separator);
// Hours, minutes and (with ShowSeconds) seconds as two digits each, joined by the separator.
String TimePickerText(const TTimeParts& Parts, bool ShowSeconds, QChar Separator);
// The field a caret position is in: the hour up to the first separator, the second after the second
// separator (with ShowSeconds), else the minute.
TTimeField TimePickerFieldAt(const String& Text, int Caret, bool ShowSeconds, QChar Separator);
// One field stepped by Delta (+1 or -1), wrapping within its range; the other fields kept.
TTimeParts TimePickerStep(TTimeParts Parts, TTimeField Field, int Delta);
// A typed text read as a time of day: the trimmed text five characters long (hours and minutes) or, with
// ShowSeconds, eight; a separator between the fields and none further, blanks as zeros, each field empty
// (0) or one or two digits. Nothing for another shape or a value that is no time of day.
std::optional<TTimeParts> TimePickerRead(const String& Text, bool ShowSeconds, QChar Separator);
