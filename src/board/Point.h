// The point of the board: x is the column, y the row, 1..BoardSize.
// (0, 0) stands for a pass or for no point.
#pragma once

namespace vorn {

struct Point {
    int x = 0;
    int y = 0;
    constexpr Point() = default;
    constexpr Point(int x_, int y_) : x(x_), y(y_) {}
    constexpr bool operator==(const Point&) const = default;
    constexpr bool IsNone() const { return x == 0 && y == 0; }
};

constexpr Point kPass{0, 0};

// A point in two bytes, for the long lists of chains, groups and regions.
struct TBytePoint {
    unsigned char x = 0;
    unsigned char y = 0;
    constexpr Point Pt() const { return Point(x, y); }
    static constexpr TBytePoint Of(Point p)
    {
        return {static_cast<unsigned char>(p.x), static_cast<unsigned char>(p.y)};
    }
};

// Colours of a point.
enum : unsigned char { kAki = 0, kKuro = 1, kSiro = 2, kHen = 3 };

constexpr int Aite(int colour) { return colour ^ 3; }
constexpr bool IsStone(int colour) { return colour == kKuro || colour == kSiro; }

constexpr int kMaxBoard = 19;
constexpr int kMaxPoints = kMaxBoard * kMaxBoard; // 361

} // namespace vorn
