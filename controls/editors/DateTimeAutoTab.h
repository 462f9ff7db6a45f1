// Auto-tab of the date-time pickers: after a typed digit, whether the caret stays, goes on to the next
// field, goes back to the field the digit went into, or leaves the date for the time part. A pure rule over
// the picker's value and fields before and after the digit, tested from tables.
#pragma once

#include "toolkit/system/DateUtils.h"

enum class TAutoTabStep { Stay, NextField, BackToField, TimePart };

struct TAutoTabKey {
    // The picker shows a time (its fields are hours, minutes and seconds).
    bool TimeKind = false;
    // The picker's format in the platform's letters; empty for the locale's short date.
    String Format;
    TDateTime Before = 0;
    TDateTime After = 0;
    // The field with the caret before and after the digit: the native fields move on by themselves once a
    // typed number fills the field (a whole year: four digits in a four-digit year), never before.
    int FieldBefore = 0;
    int FieldAfter = 0;
    bool AutoTab = false;
    // A date picker with a time part beside it, which takes over after the date's last field.
    bool HasTimePart = false;
};

// Without auto-tab the caret stays in the field the digit went into. With it, a field the native picker
// left (it is whole) stays left; a changed field it kept moves on, except the date's last field, after which
// the time part takes over when there is one.
TAutoTabStep AutoTabStep(const TAutoTabKey& Key);

// The last field letter of a date format in the platform's letters (quoted text and separators skipped);
// a null character when there is none.
QChar LastDateFieldLetter(const String& Format);
