// The analog clock's arithmetic.
#include "controls/dropdown/QvWatch_Logic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

int WatchRound(double v) {
    return static_cast<int>(std::nearbyint(v));
}

TWatchGeometry WatchGeometryOf(int ClientWidth, int ClientHeight, int Size) {
    int side =
        Size > 0 ? std::min({Size, ClientWidth, ClientHeight}) : std::min(ClientWidth, ClientHeight) - 20;
    side = std::max(side, 0);
    TWatchGeometry g;
    const int left = (ClientWidth - side) / 2;
    const int top = (ClientHeight - side) / 2;
    g.Face = TRect(left, top, left + side, top + side);
    g.Center = TPoint((g.Face.Left + g.Face.Right) / 2, (g.Face.Top + g.Face.Bottom) / 2);
    g.Radius = side / 2;
    return g;
}

TPoint WatchPoint(TPoint Center, int Radius, double Fraction, double Degrees) {
    const double a = Degrees * std::numbers::pi / 180.0;
    return TPoint(WatchRound(Center.X + Radius * Fraction * std::sin(a)),
                  WatchRound(Center.Y - Radius * Fraction * std::cos(a)));
}

int WatchMinuteAtPos(TPoint Center, int X, int Y) {
    int dx = std::abs(Center.X - X);
    int dy = std::abs(Center.Y - Y);
    if (dx == 0) dx = 1;
    if (dy == 0) dy = 1;
    const int f = WatchRound(std::atan(double(dy) / dx) * 180.0 / std::numbers::pi / 6.0);
    int m;
    if (X >= Center.X && Y >= Center.Y)
        m = f + 15;
    else if (X <= Center.X && Y >= Center.Y)
        m = 45 - f;
    else if (X <= Center.X && Y <= Center.Y)
        m = f + 45;
    else
        m = 15 - f;
    return m < 0 || m > 59 ? 0 : m;
}

int WatchHourAtPos(TPoint Center, int X, int Y, bool AM) {
    const int k = WatchRound(WatchMinuteAtPos(Center, X, Y) / 5.0) % 12;
    return AM ? k : k + 12;
}

bool PointInEllipse(const TRect& R, int X, int Y) {
    const double a = (R.Right - R.Left) / 2.0;
    const double b = (R.Bottom - R.Top) / 2.0;
    if (a <= 0 || b <= 0) return false;
    const double dx = (X + 0.5 - (R.Left + a)) / a;
    const double dy = (Y + 0.5 - (R.Top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

int WatchHourStep(int Hour, int Target, int Factor) {
    Factor = std::max(Factor, 1);
    if (Hour == Target) return Hour;
    const int step = std::max(1, WatchRound(std::abs(Target - Hour) / double(Factor)));
    return Hour < Target ? Hour + step : Hour - step;
}

int WatchMinuteStep(int Minute, int Target, int Factor) {
    Factor = std::max(Factor, 1);
    if (Minute == Target) return Minute;
    const bool throughTwelve = Target == 0 && Minute > 30;
    const int distance = throughTwelve ? 60 - Minute : std::abs(Target - Minute);
    const int step = std::max(1, WatchRound(distance / double(Factor)));
    if (Minute >= Target && !throughTwelve) return Minute - step;
    const int next = Minute + step;
    return next >= 60 ? 0 : next;
}

TTimeParts TimePartsOfDay(TDateTime Value) {
    const double frac = Value - std::floor(Value);
    long long ms = std::llround(frac * 86400000.0);
    if (ms >= 86400000) ms = 0;
    TTimeParts p;
    p.MSec = int(ms % 1000);
    ms /= 1000;
    p.Second = int(ms % 60);
    ms /= 60;
    p.Minute = int(ms % 60);
    p.Hour = int(ms / 60);
    return p;
}

TDateTime TimeOfParts(int Hour, int Minute, int Second, int MSec) {
    if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59 || MSec < 0 ||
        MSec > 999)
        throw EConvertError("Invalid argument to time encode");
    return ((Hour * 60 + Minute) * 60 + Second + MSec / 1000.0) / 86400.0;
}
