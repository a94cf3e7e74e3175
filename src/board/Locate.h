// TLocate: the relations of one point to nearby points.
//
// Every point of a board keeps up to 15 relations, each a shape kind, the
// related point, a value and the related point's colour.  On a stone the value
// is a link grade: 0 for an enemy stone, 1..3 for a link to an own stone or to
// the edge (1 firm; 1 and 2 join the two chains into one group; 2 and 3 can be
// cut).  On an empty point the value is the related stone's colour (3 for the
// edge).  The two readings never mix: read a grade with GetLinkGrade and a
// colour with GetKankeiIro.
//
// A related point may lie off the board (a link to the edge): its colour is
// kHen and it must never index a board array; OnBoardAt(i) tells.
#pragma once

#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "board/Array.h"
#include "board/Define.h"
#include "board/Point.h"

namespace vorn {

class TGoban;

// Relation kinds, ordered from close to far (callers compare kinds by size).
enum : int {
    KankeiTonari = 1,     // (0,1) adjacent
    KankeiNaname = 2,     // (1,1) diagonal
    Kankei1ken = 3,       // (0,2) one-space jump
    KankeiKeima = 4,      // (1,2) knight's move
    KankeiNaname2 = 5,    // (2,2)
    Kankei2ken = 6,       // (0,3) two-space jump
    KankeiOgeima = 7,     // (1,3) large knight's move
    KankeiKeima23 = 8,    // (2,3)
    Kankei3ken = 10,      // (0,4) three-space jump
    KankeiKeima14 = 11,   // (1,4)
    KankeiNaname3 = 13,   // (3,3)
    KankeiNanameKuu = 14, // half-blocked diagonal seen from an empty point
};

constexpr int kMaxKankei = 15;

// Where b lies from a: CompareY 0 same row, 1 above, 3 below; CompareX 0 same
// column, 2 to the right, 4 to the left (the numbers are directions 1..4).
int CompareY(Point a, Point b);
int CompareX(Point a, Point b);

class TLocate {
public:
    // Resets the record of (x, y) holding colour: no relations, no directions.
    void Init(int x, int y, int colour);
    // Adds a relation by its step index 1..68 into the shared offset tables.
    // The related point's colour is read on the board of the current level.
    // A 16th relation is dropped.
    void AddKankei(int index, int kind, int value);
    // The same with the related point's colour on that board given.
    void AddKankeiIro(int index, int kind, int value, int iro)
    {
        AddKankeiAt(X + KankeiOffsetX[index], Y + KankeiOffsetY[index], kind, value, iro);
    }
    // The same with the related point (px, py) given.
    void AddKankeiAt(int px, int py, int kind, int value, int iro)
    {
        if (KankeiSu >= kMaxKankei)
            return;
        // Entry KankeiSu + 1, within the arrays by the test above.
        const int i = KankeiSu++;
        Kind.v[i] = static_cast<std::uint8_t>(kind);
        PointX.v[i] = static_cast<std::int8_t>(px);
        PointY.v[i] = static_cast<std::int8_t>(py);
        Value.v[i] = static_cast<std::uint8_t>(value);
        PointIro.v[i] = static_cast<std::uint8_t>(iro);
    }

    int GetX() const { return X; }
    int GetY() const { return Y; }
    int GetIro() const { return Iro; }
    int GetKankeiSu() const { return KankeiSu; }
    Point GetKankeiPoint(int i) const { return Point(PointX[i], PointY[i]); }
    int GetKankeiKind(int i) const { return Kind[i]; }
    // The raw value: a link grade on a stone, a colour on an empty point.
    // Prefer GetLinkGrade or GetKankeiIro, which say which one is meant.
    int GetKankeiValue(int i) const { return Value[i]; }
    // The colour at the related point when the relation was added (kHen off
    // the board).
    int GetKankeiIro(int i) const { return PointIro[i]; }
    // The link grade of relation i of a stone: 0 enemy, 1..3 link.  An empty
    // point has no links: 0.
    int GetLinkGrade(int i) const
    {
        const int g = Value[i];
        return (Iro == kKuro || Iro == kSiro) ? g : 0;
    }
    // The related point of relation i lies on the board.
    bool OnBoardAt(int i) const { return PointIro[i] != kHen; }
    int GetDirection(int colour, int direction) const { return Direction[colour][direction]; }

    // Lists: the out arrays are 1-based; an array too short for the entries
    // written is a range error.
    template <int Hi>
    int GetPointsValues(Arr<Point, 1, Hi>& points, Arr<int, 1, Hi>& values) const
    {
        for (int i = 1; i <= KankeiSu; ++i) {
            points[i] = GetKankeiPoint(i);
            values[i] = Value[i];
        }
        return KankeiSu;
    }
    template <int Hi>
    int GetPointsKinds(Arr<Point, 1, Hi>& points, Arr<int, 1, Hi>& kinds) const
    {
        for (int i = 1; i <= KankeiSu; ++i) {
            points[i] = GetKankeiPoint(i);
            kinds[i] = Kind[i];
        }
        return KankeiSu;
    }
    // Relations to stones of the other colour than this point's.
    template <int Hi>
    int GetOtherIroPoints(Arr<Point, 1, Hi>& points, Arr<int, 1, Hi>& kinds) const
    {
        int n = 0;
        for (int i = 1; i <= KankeiSu; ++i)
            if (PointIro[i] != kHen && PointIro[i] != Iro) {
                ++n;
                points[n] = GetKankeiPoint(i);
                kinds[n] = Kind[i];
            }
        return n;
    }
    template <int Hi>
    int GetIroPoints(int colour, Arr<Point, 1, Hi>& points) const
    {
        int n = 0;
        for (int i = 1; i <= KankeiSu; ++i)
            if (PointIro[i] == colour)
                points[++n] = GetKankeiPoint(i);
        return n;
    }
    template <int Hi>
    int GetIroPointsKinds(int colour, Arr<Point, 1, Hi>& points, Arr<int, 1, Hi>& kinds) const
    {
        int n = 0;
        for (int i = 1; i <= KankeiSu; ++i)
            if (PointIro[i] == colour) {
                ++n;
                points[n] = GetKankeiPoint(i);
                kinds[n] = Kind[i];
            }
        return n;
    }
    template <int Hi>
    int GetKindPoints(int colour, int kind, Arr<Point, 1, Hi>& points) const
    {
        int n = 0;
        for (int i = 1; i <= KankeiSu; ++i)
            if (PointIro[i] == colour && Kind[i] == kind)
                points[++n] = GetKankeiPoint(i);
        return n;
    }
    template <int Hi>
    int GetKindLEPoints(int kind, int colour, Arr<Point, 1, Hi>& points) const
    {
        int n = 0;
        for (int i = 1; i <= KankeiSu; ++i)
            if (PointIro[i] == colour && Kind[i] <= kind)
                points[++n] = GetKankeiPoint(i);
        return n;
    }
    // The distinct group numbers of the related enemy stones, in order of
    // first appearance.
    template <int Hi>
    int GetKankeiGuns(Arr<int, 1, Hi>& guns) const
    {
        int n = 0;
        for (int i = 1; i <= KankeiSu; ++i) {
            if (PointIro[i] != Aite(Iro) || PointIro[i] == kHen)
                continue;
            const int g = GunNoAt(GetKankeiPoint(i));
            if (g == 0)
                continue;
            bool seen = false;
            for (int k = 1; k <= n && !seen; ++k)
                seen = guns[k] == g;
            if (!seen)
                guns[++n] = g;
        }
        return n;
    }
    // Some relation to a stone reaches a group among the first n of guns.
    template <int Hi>
    bool KankeiGun(int n, const Arr<int, 1, Hi>& guns) const
    {
        for (int i = 1; i <= KankeiSu; ++i) {
            if (PointIro[i] == kHen)
                continue;
            const int g = GunNoAt(GetKankeiPoint(i));
            for (int k = 1; k <= n; ++k)
                if (guns[k] == g)
                    return true;
        }
        return false;
    }

    // f(x, y, kind, iro) for every relation in order: the related point, its
    // kind and the colour there (a point off the board, kHen, may lie
    // outside 0..20; any other colour lies on the board).
    template <class F>
    void EachKankei(F f) const
    {
        for (int i = 0; i < KankeiSu; ++i)
            f(static_cast<int>(PointX.v[i]), static_cast<int>(PointY.v[i]), static_cast<int>(Kind.v[i]),
              static_cast<int>(PointIro.v[i]));
    }

    // f(x, y, kind) for every relation to colour in order: the relations
    // are picked from a mask made at once, without a branch each.
    template <class F>
    void EachKankeiOfIro(int colour, F f) const
    {
        EachInMask(MaskOf(PointIro, static_cast<unsigned>(colour)), [&](int i) {
            f(static_cast<int>(PointX.v[i]), static_cast<int>(PointY.v[i]), static_cast<int>(Kind.v[i]));
        });
    }

    // f(i, x, y, kind) for every relation to a point of the board (not the
    // edge) in order, i from 0: picked from a mask made at once.
    template <class F>
    void EachKankeiOnBoard(F f) const
    {
        EachInMask(~MaskOf(PointIro, kHen), [&](int i) {
            f(i, static_cast<int>(PointX.v[i]), static_cast<int>(PointY.v[i]), static_cast<int>(Kind.v[i]));
        });
    }

    // f(x, y) for every relation to a point of the board whose raw value
    // lies in lo..hi, in order: picked from a mask made at once.
    template <class F>
    void EachKankeiOnBoardValueIn(unsigned lo, unsigned hi, F f) const
    {
#if defined(__SSE2__)
        // The values and colours as 16 lanes each (the lane past the last
        // entry reads the next array of the record; the count leaves it out).
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Value.v));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(PointIro.v));
        const __m128i d = _mm_sub_epi8(v, _mm_set1_epi8(static_cast<char>(lo)));
        const __m128i in = _mm_cmpeq_epi8(_mm_min_epu8(d, _mm_set1_epi8(static_cast<char>(hi - lo))), d);
        const __m128i edge = _mm_cmpeq_epi8(c, _mm_set1_epi8(static_cast<char>(kHen)));
        unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(edge, in)));
#else
        unsigned m = 0;
        for (int i = 0; i < kMaxKankei; ++i)
            m |= static_cast<unsigned>(static_cast<unsigned>(Value.v[i] - lo) <= hi - lo && PointIro.v[i] != kHen)
                 << i;
#endif
        EachInMask(m, [&](int i) { f(static_cast<int>(PointX.v[i]), static_cast<int>(PointY.v[i])); });
    }

    // The related point of that colour with the smallest kind (the first on
    // ties); (0, 0) when none.
    Point GetNearest(int colour) const;
    bool HasKind(int kind, int colour) const;
    bool HasKankeiLE(int kind, int colour) const;
    // As HasKankeiLE, counting only related stones without the dead mark.
    bool HasKankeiLELive(int kind, int colour) const;
    bool HasKindLE(int kind) const;
    int CountKankeiLE(int kind, int colour) const;
    int CountIro(int colour) const;
    // As CountIro, without dead-marked related stones.
    int CountIroLive(int colour) const;
    // 1 when a related stone of that colour belongs to a living group (two
    // eyes) other than gunNo.
    int HasLiveGun(int gunNo, int colour) const;
    // For an empty point: the directions in which it has related stones of
    // each colour (a stone straight above marks up, right and left).
    void MakeDirection();

private:
    // g(i) for every entry i in use whose bit is set in m, in order.
    template <class G>
    void EachInMask(unsigned m, G g) const
    {
        for (m &= (1u << KankeiSu) - 1; m != 0; m &= m - 1)
            g(std::countr_zero(m));
    }

    // Bit i: entry i of the array is v (all entries, in use or not).
    static unsigned MaskOf(const Arr<std::uint8_t, 1, kMaxKankei>& a, unsigned v)
    {
#if defined(__SSE2__)
        // 16 lanes: the last reads the next array of the record, left out.
        const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a.v));
        const __m128i e = _mm_cmpeq_epi8(l, _mm_set1_epi8(static_cast<char>(v)));
        return static_cast<unsigned>(_mm_movemask_epi8(e)) & ((1u << kMaxKankei) - 1);
#else
        unsigned m = 0;
        for (int i = 0; i < kMaxKankei; ++i)
            m |= static_cast<unsigned>(a.v[i] == v) << i;
        return m;
#endif
    }
    // The group number of the stone at p on the board of the current level
    // (0 none or off the board).
    static int GunNoAt(Point p);
    // The related stone of relation i carries the dead mark.
    bool DeadAt(int i) const;

    std::int8_t X = 0;
    std::int8_t Y = 0;
    std::uint8_t Iro = 0;
    std::uint8_t KankeiSu = 0;
    Arr<std::uint8_t, 1, kMaxKankei> Kind{};
    // The related points, x and y apart; they may lie off the board.
    Arr<std::int8_t, 1, kMaxKankei> PointX{};
    Arr<std::int8_t, 1, kMaxKankei> PointY{};
    Arr<std::uint8_t, 1, kMaxKankei> Value{};
    Arr<std::uint8_t, 1, kMaxKankei> PointIro{};
    Arr<Arr<std::uint8_t, 1, 4>, 1, 2> Direction{};
};

} // namespace vorn
