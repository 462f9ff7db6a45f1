// The colour panels' tables and geometry.
#include "controls/dropdown/QvColorPanels_Logic.h"

#include "toolkit/controls/Messages.h"

#include <algorithm>
#include <cmath>

const std::vector<TPaletteEntry>& DefaultPalette() {
    static const std::vector<TPaletteEntry> palette = [] {
        static const TColor rows[6][10] = {
            {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B,
             0x4696F7},
            {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB,
             0xDAEAFD},
            {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7,
             0xB5D5FB},
            {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92,
             0x8FC0FA},
            {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531,
             0x096CE3},
            {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820,
             0x064897},
        };
        static const TItemPos pos[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
        std::vector<TPaletteEntry> v;
        for (int r = 0; r < 6; ++r)
            for (TColor c : rows[r])
                v.push_back({c, pos[r]});
        return v;
    }();
    return palette;
}

TBoxLayout ArrangeColorBoxes(const std::vector<TItemPos>& Positions, int Columns, int ColumnGap, TSize Box,
                             TPoint Origin) {
    TBoxLayout l;
    if (Positions.empty()) {
        l.ControlSize = TSize{100, 50};
        return l;
    }
    Columns = std::max(Columns, 1);
    int x = Origin.X, y = Origin.Y, inRow = 0, widest = 0;
    bool gapRow = false;
    const int n = int(Positions.size());
    for (int i = 0; i < n; ++i) {
        l.Rects.push_back(TRect(x, y, x + Box.cx, y + Box.cy));
        if (i == n - 1) break;
        if (Positions[size_t(i)] == ipStandAlone) gapRow = true;
        widest = std::max(widest, x);
        if (++inRow < Columns) {
            x += Box.cx + ColumnGap;
            continue;
        }
        y += Box.cy + (gapRow ? ColumnGap : 0);
        x = Origin.X;
        inRow = 0;
        gapRow = false;
    }
    widest = std::max(widest, x);
    l.ControlSize = TSize{widest + Box.cx + Origin.X + 1, y + Box.cy + Origin.Y};
    return l;
}

int PaletteKeyTarget(Word Key, int Index, int Count, int Columns, bool EditorEnabled, bool DroppedDown) {
    if (Count <= 0) return -1;
    const auto valid = [&](int i) { return i >= 0 && i < Count ? i : -1; };
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME:
        return 0;
    case VK_NEXT:
    case VK_END:
        return Count - 1;
    case VK_LEFT:
    case VK_RIGHT:
        if (!DroppedDown && EditorEnabled) return -1;
        return Key == VK_LEFT ? (Index - 1 >= 0 ? Index - 1 : -1) : valid(Index + 1);
    case VK_UP:
    case VK_DOWN: {
        if (!DroppedDown) return Key == VK_UP ? (Index - 1 >= 0 ? Index - 1 : -1) : valid(Index + 1);
        const int from = std::max(Index, 0);
        return valid(Key == VK_UP ? from - Columns : from + Columns);
    }
    default:
        return -1;
    }
}

const std::vector<TCubeCell>& ColorCubeCells() {
    static const std::vector<TCubeCell> cells = [] {
        static const std::vector<std::vector<TColor>> rows = {
            {0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000},
            {0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333},
            {0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666},
            {0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066,
             0xCC0066},
            {0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699,
             0xFF3399, 0xFF0099},
            {0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC,
             0xFF66CC, 0xFF00CC, 0xCC0099},
            {0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF,
             0xFF66FF, 0xFF00FF, 0xCC00CC, 0x660066},
            {0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF,
             0xCC33FF, 0x9900CC, 0x800080},
            {0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF,
             0x9933CC, 0x990099},
            {0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6,
             0x663399},
            {0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066},
            {0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099},
            {0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5},
        };
        std::vector<TCubeCell> v(1);
        for (int r = 1; r <= 13; ++r) {
            const int y = 20 + 10 * (r - 1);
            int x = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
            for (TColor c : rows[size_t(r - 1)]) {
                v.push_back({TPoint(x, y), c});
                x += 12;
            }
        }
        return v;
    }();
    return cells;
}

int CubeCellAtPos(int X, int Y) {
    const std::vector<TCubeCell>& cells = ColorCubeCells();
    for (int i = 1; i < int(cells.size()); ++i) {
        const int dx = X - cells[size_t(i)].Center.X, dy = Y - cells[size_t(i)].Center.Y;
        if (dx * dx + dy * dy <= 36) return i;
    }
    return -1;
}

std::vector<TPoint> CubeHexagon(TPoint C, int a, int b) {
    return {TPoint(C.X - b, C.Y - a), TPoint(C.X, C.Y - 2 * a), TPoint(C.X + b, C.Y - a),
            TPoint(C.X + b, C.Y + a), TPoint(C.X, C.Y + 2 * a), TPoint(C.X - b, C.Y + a)};
}

String CubeHintText(TColor Color) {
    return QStringLiteral("Red: %1,  Green: %2,  Blue: %3")
        .arg(GetRValue(Color))
        .arg(GetGValue(Color))
        .arg(GetBValue(Color));
}

TColor SpectrumColorAt(int X, int Y, int Size) {
    X = std::clamp(X, 0, Size - 1);
    Y = std::clamp(Y, 0, Size - 1);
    // The full hue of the column: six sectors of red, yellow, green, cyan, blue and magenta.
    const double h = 6.0 * X / Size;
    const int sector = int(h);
    const double f = h - sector;
    double r = 0, g = 0, b = 0;
    switch (sector) {
    case 0:
        r = 1, g = f, b = 0;
        break;
    case 1:
        r = 1 - f, g = 1, b = 0;
        break;
    case 2:
        r = 0, g = 1, b = f;
        break;
    case 3:
        r = 0, g = 1 - f, b = 1;
        break;
    case 4:
        r = f, g = 0, b = 1;
        break;
    default:
        r = 1, g = 0, b = 1 - f;
        break;
    }
    const int mid = Size / 2;
    const auto channel = [&](double c) {
        double v;
        if (Y <= mid)
            v = 1.0 + (c - 1.0) * Y / mid; // white to the hue
        else
            v = c * (Size - 1 - Y) / double(Size - 1 - mid); // the hue to black
        return int(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return RGB(channel(r), channel(g), channel(b));
}
