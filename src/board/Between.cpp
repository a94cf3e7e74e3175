#include "board/Between.h"

#include <cstdlib>

#include "board/Array.h"

namespace vorn {

namespace {

// +1 when `to` lies beyond `from` on this axis, else -1 (also when equal).
constexpr int Toward(int from, int to) { return to > from ? 1 : -1; }

inline void Put(std::span<Point> out, int i, int x, int y)
{
    if (static_cast<std::size_t>(i) >= out.size())
        RangeError(i, 0, static_cast<long>(out.size()) - 1);
    out[static_cast<std::size_t>(i)] = Point(x, y);
}

} // namespace

int BetweenStrip3(Point a, Point b, std::span<Point> out)
{
    if (a.x != b.x) {
        const int n = std::abs(a.x - b.x), s = Toward(a.x, b.x);
        for (int k = 0; k <= n; ++k)
            for (int j = 0; j <= 2; ++j)
                Put(out, 3 * k + j, a.x + k * s, a.y + j - 1);
        return 3 * n + 2;
    }
    const int n = std::abs(a.y - b.y), s = Toward(a.y, b.y);
    for (int k = 0; k <= n; ++k)
        for (int j = 0; j <= 2; ++j)
            Put(out, 3 * k + j, a.x + j - 1, a.y + k * s);
    return 3 * n + 2;
}

int BetweenStrip5(Point a, Point b, std::span<Point> out)
{
    if (a.x != b.x) {
        const int n = std::abs(a.x - b.x), s = Toward(a.x, b.x);
        for (int k = 0; k <= n; ++k) {
            Put(out, 2 * k, a.x + k * s, a.y - 2);
            Put(out, 2 * k + 1, a.x + k * s, a.y + 2);
        }
        return 2 * n + 1;
    }
    const int n = std::abs(a.y - b.y), s = Toward(a.y, b.y);
    for (int k = 0; k <= n; ++k) {
        Put(out, 2 * k, a.x - 2, a.y + k * s);
        Put(out, 2 * k + 1, a.x + 2, a.y + k * s);
    }
    return 2 * n + 1;
}

void BetweenRows(Point a, Point b, std::span<Point> out)
{
    const int d = std::abs(a.x - b.x);
    if (d != 1) {
        const int s = Toward(a.x, b.x);
        for (int k = 0; k <= d; ++k) {
            Put(out, 2 * k, a.x + k * s, a.y);
            Put(out, 2 * k + 1, a.x + k * s, b.y);
        }
        return;
    }
    const int e = std::abs(a.y - b.y), s = Toward(a.y, b.y);
    for (int k = 0; k <= e; ++k) {
        Put(out, 2 * k, a.x, a.y + k * s);
        Put(out, 2 * k + 1, b.x, a.y + k * s);
    }
}

void BetweenDiag(Point a, Point b, std::span<Point> out)
{
    const int d = std::abs(a.x - b.x);
    if (d != 1) {
        const int s = Toward(a.x, b.x);
        const int ya = a.y < b.y ? a.y - 1 : a.y + 1;
        const int yb = a.y < b.y ? b.y + 1 : b.y - 1;
        for (int k = 0; k <= d; ++k) {
            Put(out, 2 * k, a.x + k * s, ya);
            Put(out, 2 * k + 1, a.x + k * s, yb);
        }
        return;
    }
    const int e = std::abs(a.y - b.y), s = Toward(a.y, b.y);
    const int xa = a.x < b.x ? a.x - 1 : a.x + 1;
    const int xb = a.x < b.x ? b.x + 1 : b.x - 1;
    for (int k = 0; k <= e; ++k) {
        Put(out, 2 * k, xa, a.y + k * s);
        Put(out, 2 * k + 1, xb, a.y + k * s);
    }
}

void BetweenWide(Point a, Point b, std::span<Point> out)
{
    const int d = std::abs(a.x - b.x);
    if (d != 2) {
        const int s = Toward(a.x, b.x), mid = (a.y + b.y) / 2;
        for (int k = 0; k <= d; ++k) {
            const int x = a.x + k * s;
            Put(out, 3 * k, x, a.y);
            Put(out, 3 * k + 1, x, mid);
            Put(out, 3 * k + 2, x, b.y);
        }
        return;
    }
    const int e = std::abs(a.y - b.y), s = Toward(a.y, b.y), mid = (a.x + b.x) / 2;
    for (int k = 0; k <= e; ++k) {
        const int y = a.y + k * s;
        Put(out, 3 * k, a.x, y);
        Put(out, 3 * k + 1, mid, y);
        Put(out, 3 * k + 2, b.x, y);
    }
}

void BetweenBox4(Point a, Point b, std::span<Point> out)
{
    const int sx = Toward(a.x, b.x), sy = Toward(a.y, b.y);
    for (int r = 0; r <= 3; ++r)
        for (int q = 0; q <= 3; ++q)
            Put(out, 4 * r + q, a.x + q * sx, a.y + r * sy);
}

} // namespace vorn
