// Stone relation patterns: which nearby stones every stone is related to, by
// shape, and how firm each link to an own stone is.
//
// A pattern names its points in a frame of its own: (a, b) is a steps along
// the frame's forward axis and b steps along its side axis.  Each direction of
// a family has its own frame, and every pattern point is compiled into one dx
// and one dy table indexed by direction, so that one routine serves every
// rotation and reflection of its shape.
#pragma once

#include "board/Array.h"
#include "board/Define.h"
#include "board/Goban.h"

namespace vorn {

// The frames of one family: per direction the forward and the side unit steps.
template <int N>
struct TFrames {
    Arr<int, 1, N> FX, FY, SX, SY;
};

// The colours that the pattern scans read: the board of the current level
// with its border lines, and kHen on four more lines all round, so that a
// scan reads any point within four steps of the board without a bounds test.
// Indexed (x + 4) * kPadStride + (y + 4).  Every pass of scans over a board
// (and every single scan called from outside) makes it first; it describes
// the board it was made from until it is made again.
// Beside it, the analysis tables at each point as bits (PatFlag...), made
// with it: off the board every point is forbidden to both colours and
// nothing else.
constexpr int kPadStride = 32;
constexpr int PadIndex(int x, int y) { return (x + 4) * kPadStride + (y + 4); }
enum : std::uint8_t {
    PatFlagKinsi = 1,     // << (colour - 1)
    PatFlagSelfAtari = 4, // << (colour - 1)
    PatFlagToruTen = 16,  // << (colour - 1)
    PatFlagDead = 64,
};
void PatBoardMake();
const std::uint8_t* PatBoard();
const std::uint8_t* PatFlags();

// A pattern point as one offset per direction, and the same as a step in
// the pattern board.
template <int N>
struct TPatPt {
    Arr<int, 1, N> DX, DY, L;
};

template <int N>
constexpr TPatPt<N> PatPt(const TFrames<N>& f, int a, int b)
{
    TPatPt<N> p{};
    for (int d = 1; d <= N; ++d) {
        p.DX[d] = a * f.FX[d] + b * f.SX[d];
        p.DY[d] = a * f.FY[d] + b * f.SY[d];
        p.L[d] = p.DX[d] * kPadStride + p.DY[d];
    }
    return p;
}

// Straight lines, directions up, right, down, left.  Forward is the direction;
// the side axis points to the right hand (clockwise), so b > 0 is the right
// side and b < 0 the left.  This is the one place where left and right are
// fixed.  The diagonal patterns use the same frames: the diagonal point of
// direction d is (1, 1), between forward and right.
inline constexpr TFrames<4> LineFrames = [] {
    TFrames<4> f{};
    for (int d = 1; d <= 4; ++d) {
        f.FX[d] = Dir4X[d], f.FY[d] = Dir4Y[d];
        f.SX[d] = Dir4X[d + 1], f.SY[d] = Dir4Y[d + 1];
    }
    return f;
}();

// Knight's moves, in the order of KeimaX/KeimaY: forward runs along the long
// leg, the side axis toward the partner's line, so the partner is (2, 1).
inline constexpr TFrames<8> KeimaFrames = [] {
    TFrames<8> f{};
    for (int k = 1; k <= 8; ++k) {
        const int kx = KeimaX[k], ky = KeimaY[k];
        const bool tall = ky == 2 || ky == -2;
        f.FX[k] = tall ? 0 : kx / 2, f.FY[k] = tall ? ky / 2 : 0;
        f.SX[k] = tall ? kx : 0, f.SY[k] = tall ? 0 : ky;
    }
    return f;
}();

// Diagonals, in the order of NanameX/NanameY: forward steps along x toward the
// diagonal point, the side axis along y toward it, so it is (1, 1).
inline constexpr TFrames<4> NanameFrames = [] {
    TFrames<4> f{};
    for (int d = 1; d <= 4; ++d) {
        f.FX[d] = NanameX[d], f.FY[d] = 0;
        f.SX[d] = 0, f.SY[d] = NanameY[d];
    }
    return f;
}();

// The points of the straight patterns: P forward, L and R one line to the
// left and right, LL and RR two lines; the digit is the step forward.
namespace LinePat {
constexpr TPatPt<4> At(int a, int b) { return PatPt(LineFrames, a, b); }
inline constexpr TPatPt<4> P1 = At(1, 0), P2 = At(2, 0), P3 = At(3, 0), P4 = At(4, 0);
inline constexpr TPatPt<4> L0 = At(0, -1), L1 = At(1, -1), L2 = At(2, -1), L3 = At(3, -1), L4 = At(4, -1);
inline constexpr TPatPt<4> R0 = At(0, 1), R1 = At(1, 1), R2 = At(2, 1), R3 = At(3, 1), R4 = At(4, 1);
inline constexpr TPatPt<4> LL0 = At(0, -2), LL1 = At(1, -2), LL2 = At(2, -2), LL3 = At(3, -2), LL4 = At(4, -2);
inline constexpr TPatPt<4> RR0 = At(0, 2), RR1 = At(1, 2), RR2 = At(2, 2), RR3 = At(3, 2), RR4 = At(4, 2);
} // namespace LinePat

// The points of the diagonal patterns (line frames): G the diagonal point, X1
// and X2 the two points next to both ends; Y1, Z1 lie beyond X2 away from X1,
// Y2, Z2 beyond X1 away from X2.
namespace NanamePat {
constexpr TPatPt<4> At(int a, int b) { return PatPt(LineFrames, a, b); }
inline constexpr TPatPt<4> G = At(1, 1), X1 = At(1, 0), X2 = At(0, 1);
inline constexpr TPatPt<4> Y1 = At(-1, 1), Z1 = At(-1, 0), Y2 = At(1, -1), Z2 = At(0, -1);
} // namespace NanamePat

// The points of the knight patterns: u along the long leg, w across it (w = 0
// the scanning point's line, 1 the partner's, -1 and 2 the lines beyond).
namespace KeimaPat {
constexpr TPatPt<8> At(int u, int w) { return PatPt(KeimaFrames, u, w); }
inline constexpr TPatPt<8> K4 = At(2, 1), K7 = At(3, 1), K11 = At(4, 1), P8 = At(3, 2);
inline constexpr TPatPt<8> N1 = At(1, 0), D = At(1, 1), ES = At(0, 1), EB = At(2, 0), N3 = At(3, 0), N4 = At(4, 0);
inline constexpr TPatPt<8> M0 = At(0, -1), M1 = At(1, -1), M2 = At(2, -1), M3 = At(3, -1), M4 = At(4, -1);
inline constexpr TPatPt<8> O0 = At(0, 2), O1 = At(1, 2), O2 = At(2, 2), O3 = At(3, 2), O4 = At(4, 2);
} // namespace KeimaPat

// The points of the wide diagonal patterns (diagonal frames): G, Q, T on the
// diagonal; side A toward the scanning point's column, side B its row.
namespace Naname2Pat {
constexpr TPatPt<4> At(int i, int j) { return PatPt(NanameFrames, i, j); }
inline constexpr TPatPt<4> G = At(1, 1), Q = At(2, 2), T = At(3, 3);
inline constexpr TPatPt<4> A1 = At(0, 1), A2 = At(1, 2), A3 = At(0, 2), A4 = At(2, 3), A5 = At(1, 3);
inline constexpr TPatPt<4> B1 = At(1, 0), B2 = At(2, 1), B3 = At(2, 0), B4 = At(3, 2), B5 = At(3, 1);
} // namespace Naname2Pat

// One point looking along direction d of a pattern family, on the board of
// the current level (as the pattern board holds it).  Scans run at every
// analysis: the colour read is one load.
template <int N>
struct TPatScan {
    TGoban& B;
    int X, Y, D;

    TPatScan(int d, int x, int y) : TPatScan(CurGoban(), d, x, y) {}
    // b is the board of the current level.
    TPatScan(TGoban& b, int d, int x, int y) : B(b), X(x), Y(y), D(d), Di(d - 1)
    {
        if (d < 1 || d > N)
            RangeError(d, 1, N);
        if (!B.OnBoard(x, y))
            RangeError(x, 1, BoardSize);
        Here = PadIndex(x, y);
    }
    Point Pt(const TPatPt<N>& p) const { return Point(X + p.DX.v[Di], Y + p.DY.v[Di]); }
    // The colour at a pattern point, kHen off the board.
    int At(const TPatPt<N>& p) const { return PatBoard()[Here + p.L.v[Di]]; }
    // The flags of the analysis tables at a pattern point.
    int Flags(const TPatPt<N>& p) const { return PatFlags()[Here + p.L.v[Di]]; }

private:
    int Di;
    int Here;
};

// The stone relations of the whole board of the current level.  The relation
// records must have been reset (TGoban::SetLocateIro) and the per-point tables
// of the analysis filled before.
void KankeiMakeAll();
// The relations of the stone of colour c at (x, y).
void KankeiMake(int c, int x, int y);

// The five families, for one direction each.  They record through
// TGoban::SetKankei on the board of the current level; all but the straight
// family look to the side of larger x and record on both stones.
void KankeiNanameMake(int c, int d, int x, int y);   // kind 2; d 1..2
void KankeiLineMake(int c, int d, int x, int y);     // kinds 1, 3, 6, 10; d 1..4
void KankeiKeimaMake(int c, int k, int x, int y);    // kinds 4, 7, 11; k 1..4
void KankeiNaname2Make(int c, int d, int x, int y);  // kinds 5, 13; d 1..2
void KankeiKeima23Make(int c, int k, int x, int y);  // kind 8; k 1..4

} // namespace vorn
