// The analog clock's arithmetic without a window: the face's place, the angle under a point, the steps
// of an animated hand and the parts of a time of day.
#pragma once

#include "toolkit/system/DateUtils.h"
#include "toolkit/system/Types.h"

// Rounding as the clock's drawing does it: to the nearest integer, halves to even.
int WatchRound(double v);

// The face square F, its centre C and radius R for a client area: a face `Size` wide (at most the
// client's width and height), or the smaller client side less 20 when Size is 0 or less.
struct TWatchGeometry {
    TRect Face;
    TPoint Center;
    int Radius = 0;
};
TWatchGeometry WatchGeometryOf(int ClientWidth, int ClientHeight, int Size);

// The point at `Fraction` of the radius on the angle `Degrees`, clockwise from twelve o'clock, rounded
// to the nearest pixel (halves to even).
TPoint WatchPoint(TPoint Center, int Radius, double Fraction, double Degrees);

// The minute (0 .. 59) a point points at, seen from the centre.
int WatchMinuteAtPos(TPoint Center, int X, int Y);
// The hour a point inside the face points at: 0 .. 11 in the morning half, 12 .. 23 in the afternoon.
int WatchHourAtPos(TPoint Center, int X, int Y, bool AM);
// Inside the ellipse inscribed in R (R's right and bottom edges excluded).
bool PointInEllipse(const TRect& R, int X, int Y);

// One animation step of the hour hand toward Target: at least one hour, at most Factor-th of the way.
int WatchHourStep(int Hour, int Target, int Factor);
// One step of the minute hand toward Target. To reach minute 0 from the second half of the hour the hand
// runs forward through twelve o'clock (60 becomes 0).
int WatchMinuteStep(int Minute, int Target, int Factor);

struct TTimeParts {
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
};
// The time of day of a date-time number (the date part ignored).
TTimeParts TimePartsOfDay(TDateTime Value);
// A time of day from its parts; raises EConvertError for an hour above 23 or a minute, second or
// millisecond out of range.
TDateTime TimeOfParts(int Hour, int Minute, int Second, int MSec);
