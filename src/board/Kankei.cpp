#include "board/Kankei.h"

#include <bit>
#include <cstring>
#include <utility>

#include "board/BitRows.h"
#include "board/Goban.h"
#include "board/Locate.h"

namespace vorn {

namespace {

// Every partner point of the families lands on the step of its kind in the
// shared offset tables, and the partner's step is the opposite one.
constexpr bool SameStep(const TPatPt<4>& p, int d, int index)
{
    return p.DX[d] == KankeiOffsetX[index] && p.DY[d] == KankeiOffsetY[index];
}
constexpr bool SameStep8(const TPatPt<8>& p, int k, int index)
{
    return p.DX[k] == KankeiOffsetX[index] && p.DY[k] == KankeiOffsetY[index];
}
constexpr bool Opposite(int a, int b)
{
    return KankeiOffsetX[a] == -KankeiOffsetX[b] && KankeiOffsetY[a] == -KankeiOffsetY[b];
}
constexpr bool FramesAgree()
{
    for (int d = 1; d <= 4; ++d) {
        if (!SameStep(LinePat::P1, d, d) || !SameStep(LinePat::P2, d, 8 + d)
            || !SameStep(LinePat::P3, d, 24 + d) || !SameStep(LinePat::P4, d, 44 + d))
            return false;
        if (!SameStep(NanamePat::G, d, 4 + d) || !SameStep(Naname2Pat::G, d, 4 + d)
            || !SameStep(Naname2Pat::Q, d, 20 + d) || !SameStep(Naname2Pat::T, d, 64 + d))
            return false;
    }
    for (int k = 1; k <= 8; ++k)
        if (!SameStep8(KeimaPat::K4, k, 12 + k) || !SameStep8(KeimaPat::K7, k, 28 + k)
            || !SameStep8(KeimaPat::P8, k, 36 + k) || !SameStep8(KeimaPat::K11, k, 48 + k))
            return false;
    for (int d = 1; d <= 2; ++d)
        if (!Opposite(4 + d, 6 + d) || !Opposite(20 + d, 22 + d) || !Opposite(64 + d, 66 + d))
            return false;
    for (int k = 1; k <= 4; ++k)
        if (!Opposite(12 + k, 16 + k) || !Opposite(28 + k, 32 + k) || !Opposite(36 + k, 40 + k)
            || !Opposite(48 + k, 52 + k))
            return false;
    return true;
}
static_assert(FramesAgree(), "pattern frames disagree with the relation steps");

// One stone looking in one direction of a family: colours of its pattern
// points on the board of the current level, seen from the stone's colour.
template <int N>
struct TScan : TPatScan<N> {
    using TPatScan<N>::B, TPatScan<N>::X, TPatScan<N>::Y, TPatScan<N>::At, TPatScan<N>::Pt;
    int Own, Enemy;

    TScan(TGoban& b, int c, int d, int x, int y) : TPatScan<N>(b, d, x, y), Own(c), Enemy(Aite(c)) {}

    bool IsOwn(const TPatPt<N>& p) const { return At(p) == Own; }
    bool IsEnemy(const TPatPt<N>& p) const { return At(p) == Enemy; }
    bool IsEmpty(const TPatPt<N>& p) const { return At(p) == kAki; }
    bool IsOccupied(const TPatPt<N>& p) const
    {
        const int c = At(p);
        return c == kKuro || c == kSiro;
    }
    bool IsOwnOrOff(const TPatPt<N>& p) const
    {
        const int c = At(p);
        return c == Own || c == kHen;
    }
    bool IsEnemyOrOff(const TPatPt<N>& p) const
    {
        const int c = At(p);
        return c == Enemy || c == kHen;
    }
    template <class... P>
    bool AnyEnemy(const P&... p) const
    {
        return (IsEnemy(p) || ...);
    }
    template <class... P>
    bool AnyOwn(const P&... p) const
    {
        return (IsOwn(p) || ...);
    }

    // The analysis tables at a pattern point, for the enemy.  A point off the
    // board is forbidden and nothing else.
    bool Kinsi(const TPatPt<N>& p) const { return this->Flags(p) & (PatFlagKinsi << (Enemy - 1)); }
    bool SelfAtari(const TPatPt<N>& p) const { return this->Flags(p) & (PatFlagSelfAtari << (Enemy - 1)); }
    bool ToruTen(const TPatPt<N>& p) const { return this->Flags(p) & (PatFlagToruTen << (Enemy - 1)); }
    bool Dead(const TPatPt<N>& p) const { return this->Flags(p) & PatFlagDead; }
    const TRen* Ren(const TPatPt<N>& p) const { return B.RenList.RenAtPt(Pt(p)); }

    // Records a relation on the scanning stone only (TGoban::SetKankei; the
    // passes test KankeiOff before they scan).
    void One(int index, int kind, int value) const
    {
        B.Locate[X][Y].AddKankeiIro(index, kind, value, At(index));
    }
    // Records a relation on the scanning stone and, with the opposite step
    // back, on the partner.
    void Both(int index, int back, int kind, int value) const
    {
        B.Locate[X][Y].AddKankeiIro(index, kind, value, At(index));
        B.Locate[X + KankeiOffsetX[index]][Y + KankeiOffsetY[index]].AddKankeiIro(back, kind, value, Own);
    }

private:
    // The colour at the related point of step `index`.
    int At(int index) const { return PatBoard()[PadIndex(X + KankeiOffsetX[index], Y + KankeiOffsetY[index])]; }
};

std::uint8_t g_pad[kPadStride * kPadStride];
std::uint8_t g_flags[kPadStride * kPadStride];

template <int D>
void NanameScan(TGoban& b, int c, int x, int y);
template <int D>
void LineScan(TGoban& b, int c, int x, int y);
template <int K>
void KeimaScan(TGoban& b, int c, int x, int y);
template <int D>
void Naname2Scan(TGoban& b, int c, int x, int y);
template <int K>
void Keima23Scan(TGoban& b, int c, int x, int y);

// Runs Scan<d> for the d of 1..N in order (all of them for d = 0).
template <int N, class Scan>
void EachDirection(Scan scan, int d = 0)
{
    [&]<int... I>(std::integer_sequence<int, I...>) {
        ((d == 0 || d == I + 1 ? scan(std::integral_constant<int, I + 1>{}) : void()), ...);
    }(std::make_integer_sequence<int, N>{});
}

// The relations of every stone of the board of the current level (below).
void StoneRows(TGoban& b);

void StoneScan(TGoban& b, int c, int x, int y)
{
    EachDirection<2>([&](auto d) { NanameScan<d()>(b, c, x, y); });
    EachDirection<4>([&](auto d) { LineScan<d()>(b, c, x, y); });
    EachDirection<4>([&](auto k) { KeimaScan<k()>(b, c, x, y); });
    EachDirection<2>([&](auto d) { Naname2Scan<d()>(b, c, x, y); });
    EachDirection<4>([&](auto k) { Keima23Scan<k()>(b, c, x, y); });
}

// A single scan from outside a pass.
template <int N, class Scan>
void OneScan(int d, int x, int y, Scan scan)
{
    if (d < 1 || d > N)
        RangeError(d, 1, N);
    if (!CurGoban().OnBoard(x, y))
        RangeError(x, 1, BoardSize);
    if (KankeiOff == 1)
        return;
    PatBoardMake();
    EachDirection<N>(scan, d);
}

} // namespace

void PatBoardMake()
{
    static_assert(PadIndex(-4, -4) == 0 && PadIndex(24, 24) < kPadStride * kPadStride);
    const TGoban& b = CurGoban();
    std::memset(g_pad, kHen, sizeof g_pad);
    for (int x = 0; x <= BoardSize + 1; ++x)
        std::memcpy(g_pad + PadIndex(x, 0), &b.Ban[x][0], static_cast<std::size_t>(BoardSize + 2));
    std::memset(g_flags, PatFlagKinsi * 3, sizeof g_flags);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            int f = b.Death[x][y] ? PatFlagDead : 0;
            for (int c = kKuro; c <= kSiro; ++c) {
                f |= b.Kinsi[c][x][y] ? PatFlagKinsi << (c - 1) : 0;
                f |= b.SelfAtari[c][x][y] ? PatFlagSelfAtari << (c - 1) : 0;
                f |= b.ToruTen[c][x][y] ? PatFlagToruTen << (c - 1) : 0;
            }
            g_flags[PadIndex(x, y)] = static_cast<std::uint8_t>(f);
        }
}

const std::uint8_t* PatBoard() { return g_pad; }
const std::uint8_t* PatFlags() { return g_flags; }

void KankeiMakeAll()
{
    if (KankeiOff == 1)
        return;
    StoneRows(CurGoban());
}

void KankeiMake(int c, int x, int y)
{
    if (!CurGoban().OnBoard(x, y))
        RangeError(x, 1, BoardSize);
    if (KankeiOff == 1)
        return;
    PatBoardMake();
    StoneScan(CurGoban(), c, x, y);
}

void KankeiNanameMake(int c, int d, int x, int y)
{
    OneScan<2>(d, x, y, [&](auto k) { NanameScan<k()>(CurGoban(), c, x, y); });
}

void KankeiLineMake(int c, int d, int x, int y)
{
    OneScan<4>(d, x, y, [&](auto k) { LineScan<k()>(CurGoban(), c, x, y); });
}

void KankeiKeimaMake(int c, int k, int x, int y)
{
    OneScan<4>(k, x, y, [&](auto j) { KeimaScan<j()>(CurGoban(), c, x, y); });
}

void KankeiNaname2Make(int c, int d, int x, int y)
{
    OneScan<2>(d, x, y, [&](auto k) { Naname2Scan<k()>(CurGoban(), c, x, y); });
}

void KankeiKeima23Make(int c, int k, int x, int y)
{
    OneScan<4>(k, x, y, [&](auto j) { Keima23Scan<j()>(CurGoban(), c, x, y); });
}

namespace {

// Diagonal (kind 2).  The link is graded by the enemy stones on the two
// crossing points: each live one that could cut adds a grade, unless the cut
// is impossible (a crossing point the enemy cannot play, a dead cutter) or
// both cutters are in atari.
template <int D>
void NanameScan(TGoban& b, int c, int x, int y)
{
    constexpr int d = D;
    using namespace NanamePat;
    const TScan<4> s(b, c, d, x, y);
    const int index = 4 + d;
    const int g = s.At(G);
    if (g == s.Enemy) {
        s.Both(index, index + 2, KankeiNaname, 0);
        return;
    }
    if (g != s.Own)
        return;
    int cut = 0;
    bool noCut = false;
    int libs[2] = {0, 0};
    const TPatPt<4>* crossing[2] = {&X1, &X2};
    for (int i = 0; i < 2; ++i) {
        const TPatPt<4>& p = *crossing[i];
        const int col = s.At(p);
        if (col == s.Own)
            return; // the two stones are joined through this one
        if (col == s.Enemy) {
            const TRen* r = s.Ren(p);
            libs[i] = r != nullptr ? r->Kuu() : 0;
            if (!s.Dead(p))
                ++cut;
            if (r != nullptr && r->GetDeath())
                noCut = true;
        } else if (col == kAki) {
            if (s.Kinsi(p) || s.SelfAtari(p))
                noCut = true;
        }
    }
    if (noCut || (cut == 2 && libs[0] == 1 && libs[1] == 1))
        cut = 0;
    s.Both(index, index + 2, KankeiNaname, cut + 1);
}

// Straight lines (kinds 1, 3, 6, 10), recorded on the scanning stone only.
// A jump to an own stone or to the edge is graded by the stones on the lines
// beside it; a jump to an enemy stone over empty points gets value 0.
template <int D>
void LineScan(TGoban& b, int c, int x, int y)
{
    constexpr int d = D;
    using namespace LinePat;
    const TScan<4> s(b, c, d, x, y);
    const int own = s.Own, enemy = s.Enemy;

    // 1-2. The adjacent point.
    const int p1 = s.At(P1);
    if (p1 == kHen || p1 == own)
        return;
    int near = 0, far = 0, edge1 = 0, edge2 = 0, block = 0, far3 = 0;
    int encL = 0, encR = 0, offL = 0, offR = 0, ownL = 0, ownR = 0, hitL = 0, hitR = 0;
    bool unplayable = false;
    if (p1 == enemy) {
        s.One(d, KankeiTonari, 0);
        ++near, ++block;
    } else {
        unplayable = s.Kinsi(P1) || s.SelfAtari(P1);
    }
    auto leftTouched = [&] { return offL + encL + ownL > 0; };
    auto rightTouched = [&] { return offR + encR + ownR > 0; };

    // 3-4. The points beside the adjacent point.
    const int l1 = s.At(L1), r1 = s.At(R1);
    if (l1 == enemy)
        ++near, ++encL, ++hitL;
    else if (l1 == own)
        ++near, ++ownL;
    else if (l1 == kHen)
        ++edge1, ++offL;
    if (r1 == enemy)
        ++near, ++encR, ++hitR;
    else if (r1 == own)
        ++near, ++ownR;
    else if (r1 == kHen)
        ++edge1, ++offR;
    if (l1 == own && r1 == own)
        return;
    if (edge1 + near >= 3)
        return;
    if (unplayable)
        near = 0;

    // 5-6. The points beside the second point, and beside the stone.
    const int l2 = s.At(L2), r2 = s.At(R2);
    if (l2 == enemy)
        ++far, ++encL, ++hitL;
    else if (l2 == own)
        ++far, ++ownL;
    else if (l2 == kHen)
        ++edge2, ++offL;
    if (r2 == enemy)
        ++far, ++encR, ++hitR;
    else if (r2 == own)
        ++far, ++ownR;
    else if (r2 == kHen)
        ++edge2, ++offR;
    if (s.IsEnemy(L0))
        ++encL;
    if (s.IsEnemy(R0))
        ++encR;
    if (encL >= 1 && encR >= 1 && block > 0)
        return;

    // 7-8. One-space jump to an own stone or to the edge.
    const int p2 = s.At(P2);
    if (p2 == own || p2 == kHen) {
        if (p1 == enemy && (l1 == own || r1 == own))
            return;
        int v = 1;
        if (unplayable) {
            v = 1;
        } else if (near > 0) {
            // A cutter next to an own stone beside the jump: the jump holds
            // only when the enemy cannot squeeze through on that side.
            auto closed = [&](const TPatPt<4>& a, const TPatPt<4>& b) {
                for (const TPatPt<4>* p : {&a, &b})
                    if (s.IsOwnOrOff(*p) || s.Kinsi(*p) || (s.SelfAtari(*p) && !s.ToruTen(*p)))
                        return true;
                return false;
            };
            if (l1 == own && closed(L2, L0))
                return;
            if (r1 == own && closed(R2, R0))
                return;
            v = (p1 == enemy || (l1 == enemy && s.AnyEnemy(R0, R1, R2)) || (r1 == enemy && s.AnyEnemy(L0, L2))) ? 3
                                                                                                              : 2;
        } else {
            if (l1 == own || r1 == own)
                return;
            if (s.AnyEnemy(L2, R2, L0, R0))
                v = 2;
            else if (s.IsEnemy(LL1))
                v = s.AnyOwn(L2, L0) ? 1 : 2;
            else if (s.IsEnemy(RR1))
                v = s.AnyOwn(R2, R0) ? 1 : 2;
            else if (s.IsEnemy(LL2) && s.IsEnemy(RR2) && s.IsEnemy(LL0) && s.IsEnemy(RR0))
                v = 2;
        }
        s.One(8 + d, Kankei1ken, v);
        return;
    }

    // 9-12. On toward the two-space jump.
    if (p2 == enemy && p1 == kAki)
        s.One(8 + d, Kankei1ken, 0);
    if (l2 == own && r2 == own)
        return;
    if (p2 == enemy)
        ++far, ++block;
    const int t = near + far + edge1 + edge2;
    if (block == 2 || edge2 + far >= 3 || t >= 4 || (t >= 3 && leftTouched() && rightTouched())
        || (ownL + ownR > 0 && block == 0))
        return;
    if (s.IsEnemy(L3))
        ++encL, ++far3;
    if (s.IsEnemy(R3))
        ++encR, ++far3;
    if (leftTouched() && rightTouched()) {
        if (block > 0 || (hitL >= 1 && encR > 0) || (hitR >= 1 && encL > 0) || (s.IsEnemy(L0) && s.IsEnemy(R0))
            || (s.IsEnemy(L3) && s.IsEnemy(R3)))
            return;
    }
    const bool farL = s.AnyEnemy(LL1, LL2);
    const bool farR = s.AnyEnemy(RR1, RR2);
    if (block > 0 && ((hitL > 0 && farR) || (hitR > 0 && farL) || (farL && farR)))
        return;

    // 13. Two-space jump to an own stone or to the edge.
    const int p3 = s.At(P3);
    if (p3 == own || p3 == kHen) {
        const int n = near + far;
        int v = 3;
        if (n == 0) {
            v = s.AnyEnemy(L0, R0, L3, R3, LL1, RR1, LL2, RR2) ? 2 : 1;
        } else if (n == 1) {
            v = block >= 1 ? 3 : 2;
            if (hitL == 1 && farR)
                v = 3;
            else if (hitL != 1 && hitR == 1 && farL)
                v = 3;
        } else if (n == 2) {
            v = (block >= 1 || (encL >= 1 && encR >= 1)) ? 3 : 2;
        }
        s.One(24 + d, Kankei2ken, v);
        return;
    }

    // 14-16. On toward the three-space jump.
    if (p3 == enemy) {
        ++far3;
        if (near + far == 0)
            s.One(24 + d, Kankei2ken, 0);
    }
    if (ownL + ownR > 0)
        return;
    if (s.IsEnemy(L4))
        ++encL;
    if (s.IsEnemy(R4))
        ++encR;
    if (leftTouched() && rightTouched())
        return;
    if (encL > 0) {
        if ((s.AnyEnemy(L1, L2, L3) && s.AnyEnemy(RR1, RR2, RR3)) || (s.IsEnemy(L0) && s.AnyEnemy(RR0, RR1, RR2))
            || (s.IsEnemy(L4) && s.AnyEnemy(RR2, RR3, RR4)))
            return;
    }
    if (encR > 0) {
        if ((s.AnyEnemy(R1, R2, R3) && s.AnyEnemy(LL1, LL2, LL3)) || (s.IsEnemy(R0) && s.AnyEnemy(LL0, LL1, LL2))
            || (s.IsEnemy(R4) && s.AnyEnemy(LL2, LL3, LL4)))
            return;
    }
    if (p3 == enemy)
        ++block;
    const int p4 = s.At(P4);
    if (p4 == kAki)
        return;
    if (p4 == enemy) {
        if (near + far + far3 == 0)
            s.One(44 + d, Kankei3ken, 0);
        return;
    }

    // 17. Three-space jump to an own stone or to the edge.
    if (block >= 2 || s.IsOwn(L3) || s.IsOwn(R3) || (encL >= 1 && encR >= 1))
        return;
    int v = 3;
    if (encL + block + encR == 0) {
        v = 1;
        if (l1 != kHen && s.At(LL1) != kHen) {
            if (s.AnyEnemy(LL1, LL2, LL3))
                v = 3;
            else if (s.AnyEnemy(LL0, LL4))
                v = 2;
        }
        // The right side's verdict, when it has one, stands over the left's.
        if (r1 != kHen && s.At(RR1) != kHen) {
            if (s.AnyEnemy(RR1, RR2, RR3))
                v = 3;
            else if (s.AnyEnemy(RR0, RR4))
                v = 2;
        }
    }
    s.One(44 + d, Kankei3ken, v);
}

// Knight's moves (kinds 4, 7, 11) toward the larger x, recorded on both stones.
template <int K>
void KeimaScan(TGoban& b, int c, int x, int y)
{
    constexpr int k = K;
    using namespace KeimaPat;
    const TScan<8> s(b, c, k, x, y);
    const int own = s.Own, enemy = s.Enemy;
    // Nothing is recorded unless the four points between the two stones
    // are empty or hold enemy stones (the tests below, at once).
    if (s.IsOwnOrOff(N1) | s.IsOwnOrOff(D) | s.IsOwnOrOff(ES) | s.IsOwnOrOff(EB))
        return;
    int occ = 0, mid = 0, ends = 0, lineS = 0, lineB = 0, nES = 0, nEB = 0, nFar = 0;
    bool unplayable = false;

    // 1-6. The four points between the stone and its knight's-move partner.
    const int n1 = s.At(N1);
    if (n1 == kHen || n1 == own)
        return;
    if (n1 == enemy)
        ++occ, ++mid, ++lineS;
    else
        unplayable = s.Kinsi(N1);
    const int dd = s.At(D);
    if (dd == kHen || dd == own)
        return;
    if (dd == enemy)
        ++occ, ++mid, ++lineB;
    else if (s.Kinsi(D))
        unplayable = true;
    if (unplayable)
        occ = 0;
    if (occ == 2)
        return;
    const int es = s.At(ES);
    if (es == kHen || es == own)
        return;
    if (es == enemy) {
        if (!s.Dead(ES))
            ++occ, ++ends;
        ++nES, ++lineB;
    }
    const int eb = s.At(EB);
    if (eb == kHen || eb == own)
        return;
    if (eb == enemy) {
        if (!s.Dead(EB))
            ++occ, ++ends;
        ++nEB, ++lineS;
    }
    if (!unplayable && ((n1 == enemy && es == enemy) || (dd == enemy && eb == enemy)))
        return;

    // 7-8. The knight's move.
    const int k4 = s.At(K4);
    if (k4 == own) {
        int v = 3;
        if (unplayable) {
            v = 1;
        } else if (occ == 0) {
            v = 1;
            if (s.AnyEnemy(O0, M1, O1, M2))
                v = 2;
            else if (s.IsEnemy(O2) && s.IsEmpty(O0) && s.IsEmpty(O1))
                v = 2;
            else if (s.IsEnemy(M0) && s.IsEmpty(M1) && s.IsEmpty(M2))
                v = 2;
        } else if (occ == 1 && ends == 1) {
            v = ((es == enemy && s.IsEnemy(M1)) || (eb == enemy && s.IsEnemy(O1))) ? 3 : 2;
        }
        s.Both(12 + k, 16 + k, KankeiKeima, v);
        return;
    }
    if (k4 == enemy && mid == 0)
        s.Both(12 + k, 16 + k, KankeiKeima, 0);
    if (k4 == kHen)
        return;
    if (dd == enemy && (s.IsOccupied(M1) || s.IsOccupied(M2)))
        return;
    if (eb == enemy && (s.IsOccupied(O1) || s.IsOccupied(O2)))
        return;
    if (k4 == enemy) {
        if (s.AnyEnemy(M1, M2))
            return;
        ++nEB, ++lineB;
    }
    if (nEB == 2 || (mid >= 1 && nEB >= 1))
        return;

    // 9-11. The large knight's move.
    const int n3 = s.At(N3);
    if (n3 == kHen)
        return;
    if (n1 == enemy && s.AnyEnemy(O0, O1, O2))
        return;
    if (n3 == enemy)
        ++nES, ++lineS, ++nFar;
    if (lineS >= 1 && lineB >= 1)
        return;
    const int k7 = s.At(K7);
    if (k7 == own) {
        if (n3 == own)
            return;
        int v = 3;
        if (mid + nEB == 0) {
            const int a = s.IsEnemy(M1) + s.IsEnemy(M2);
            const int b = s.IsEnemy(O1) + s.IsEnemy(O2);
            if (a + b > 0)
                v = (a > 0 && b > 0) ? 3 : 2;
            else
                v = s.AnyEnemy(O0, M3, O3, M0) ? 2 : 1;
            if (v == 1 && nES == 1)
                v = 2;
            else if (v == 1 && nES >= 2)
                v = 3;
        }
        s.Both(28 + k, 32 + k, KankeiOgeima, v);
        return;
    }
    if (k7 == enemy && mid + nEB == 0)
        s.Both(28 + k, 32 + k, KankeiOgeima, 0);
    if (k7 == kHen || n3 == own)
        return;
    if (k7 == enemy) {
        ++nFar, ++lineB;
        if (nFar >= 2)
            return;
    }

    // 12-13. The (1,4) shape.
    const int k11 = s.At(K11);
    if (k11 == own) {
        const int n4 = s.At(N4);
        if (n4 == own)
            return;
        if (n4 == enemy) {
            ++lineS;
            if (lineS >= 1 && lineB >= 1)
                return;
        }
        if (lineB >= 1) {
            if (s.IsEnemyOrOff(M1) || s.IsEnemyOrOff(M2) || s.IsEnemyOrOff(M3))
                return;
        } else if (s.AnyOwn(O1, O2, O3)) {
            return;
        }
        if (lineS >= 1) {
            if (s.IsEnemyOrOff(O1) || s.IsEnemyOrOff(O2) || s.IsEnemyOrOff(O3))
                return;
        } else if (s.AnyOwn(M1, M2, M3)) {
            return;
        }
        int v = 3;
        if (mid + nEB + nFar == 0)
            v = s.AnyEnemy(ES, N4, M0, M1, M2, M3, M4, O1, O2, O3, O4) ? 3 : 1;
        s.Both(48 + k, 52 + k, KankeiKeima14, v);
        return;
    }
    if (k11 == enemy && mid + nEB + nFar == 0)
        s.Both(48 + k, 52 + k, KankeiKeima14, 0);
}

// Wide diagonals (kinds 5 and 13) toward the larger x, on both stones.
template <int D>
void Naname2Scan(TGoban& b, int c, int x, int y)
{
    constexpr int d = D;
    using namespace Naname2Pat;
    const TScan<4> s(b, c, d, x, y);
    // The diagonal frames name side A and side B; these tables follow them.
    struct TSided {
        const TPatPt<4>* P;
        bool SideA;
    };
    // Nothing is recorded unless the diagonal point is empty and the (2,2)
    // point holds a stone or the (3,3) point an own one (the tests below, at
    // once).
    if (!s.IsEmpty(G) | !(s.IsOccupied(Q) | s.IsOwn(T)))
        return;
    const int q = s.At(Q);
    if (q == s.Enemy) {
        if (s.IsEmpty(A1) && s.IsEmpty(B1) && s.IsEmpty(A2) && s.IsEmpty(B2))
            s.Both(20 + d, 22 + d, KankeiNaname2, 0);
        return;
    }
    int n = 0, sA = 0, sB = 0;
    // Own stones stop the pattern; enemies count on their side.
    auto scan = [&](std::initializer_list<TSided> pts) {
        for (const TSided& e : pts) {
            const int col = s.At(*e.P);
            if (col == s.Own)
                return false;
            if (col == s.Enemy)
                ++n, ++(e.SideA ? sA : sB);
        }
        return true;
    };
    if (!scan({{&A1, true}, {&B1, false}, {&A2, true}, {&B2, false}}))
        return;
    const int a3 = s.At(A3), b3 = s.At(B3);
    if (a3 == s.Own && !s.IsEnemy(A1) && !s.IsEnemy(A2))
        return;
    if (a3 == s.Enemy) {
        if (sB > 0)
            return;
        ++n;
    }
    if (b3 == s.Own && !s.IsEnemy(B1) && !s.IsEnemy(B2))
        return;
    if (b3 == s.Enemy) {
        if (sA > 0)
            return;
        ++n;
    }
    if (sA >= 1 && sB >= 1)
        return;
    if (q == s.Own) {
        const int v = n == 0 ? 1 : s.AnyEnemy(A1, B1, A2, B2) ? 3 : 2;
        s.Both(20 + d, 22 + d, KankeiNaname2, v);
        return;
    }
    // Past an empty (2,2) point to the (3,3) point: never graded firm.
    if (a3 == s.Enemy)
        ++sA;
    if (b3 == s.Enemy)
        ++sB;
    if (!s.IsOwn(T))
        return;
    if (sA >= 1 && sB >= 1)
        return;
    if (!scan({{&A4, true}, {&B4, false}, {&A5, true}, {&B5, false}}))
        return;
    if (sA >= 1 && sB >= 1)
        return;
    s.Both(64 + d, 66 + d, KankeiNaname3, n > 0 ? 3 : 2);
}

// The (2,3) shape (kind 8) toward the larger x, on both stones.  The points
// lie on the low side (the stone's) or the high side of the line between the
// two stones; a link with enemies on both sides is no link.
template <int K>
void Keima23Scan(TGoban& b, int c, int x, int y)
{
    constexpr int k = K;
    using namespace KeimaPat;
    const TScan<8> s(b, c, k, x, y);
    const TPatPt<8>& B = K4;
    // Nothing is recorded unless the two points between hold no own stone
    // and the partner point holds a stone (the tests below, at once).
    if (s.IsOwnOrOff(D) | s.IsOwnOrOff(B) | !s.IsOccupied(P8))
        return;
    const int dd = s.At(D), bb = s.At(B);
    int mid = 0, lowOwn = 0, lowEnemy = 0, highOwn = 0, highEnemy = 0;
    if (dd == s.Enemy)
        ++mid, ++highEnemy;
    if (bb == s.Enemy)
        ++mid, ++lowEnemy;
    const int p8 = s.At(P8);
    if (p8 == s.Enemy) {
        if (dd == kAki && bb == kAki && s.IsEmpty(N1) && s.IsEmpty(ES) && s.IsEmpty(EB) && s.IsEmpty(O1)
            && s.IsEmpty(O2))
            s.Both(36 + k, 40 + k, KankeiKeima23, 0);
        return;
    }
    if (p8 != s.Own)
        return;
    const bool esEnemy = s.IsEnemy(ES);
    struct TSided {
        const TPatPt<8>* P;
        bool Low;
    };
    for (const TSided& e : {TSided{&N1, true}, TSided{&O2, false}, TSided{&ES, false}, TSided{&EB, true},
                            TSided{&O0, false}, TSided{&N3, true}, TSided{&O1, false}, TSided{&M1, true},
                            TSided{&K7, true}}) {
        const int col = s.At(*e.P);
        if (e.P == &M1) {
            // Counts only as an enemy.
            if (col == s.Enemy) {
                if (esEnemy)
                    return;
                ++lowEnemy;
            }
            continue;
        }
        if (col == s.Own) {
            const bool stop = e.P == &O0 ? (mid == 0 && !esEnemy && !s.IsEnemy(O1)) : mid == 0;
            if (stop)
                return;
            ++(e.Low ? lowOwn : highOwn);
        } else if (col == s.Enemy) {
            ++(e.Low ? lowEnemy : highEnemy);
        }
    }
    if (lowOwn + lowEnemy > 0 && highOwn + highEnemy > 0)
        return;
    int v = 1;
    if (lowEnemy + highEnemy > 0)
        v = s.AnyEnemy(D, B, O1, O2, ES, EB, N1, O0, N3) ? 3 : 2;
    s.Both(36 + k, 40 + k, KankeiKeima23, v);
}

// ---------------------------------------------------------------------------
// The whole board a row at a time
//
// KankeiMakeAll runs the families above for every stone of a row at once on
// the bit rows of the board: each test of a pattern point becomes a mask of
// the row's stones, each counter the masks of its parts, and each return the
// stones it takes out.  What a stone records is collected per record slot
// (a family's direction and its record, in the order a stone's scans make
// them) with the value as two bit planes, and then recorded stone by stone in
// the order of the board, so every relation record ends up as the scans
// would have written it.

// The record slots in the order of StoneScan: index, back index (0 for a
// record on the scanning stone alone) and kind.
struct TSlot {
    int Index, Back, Kind;
};
constexpr int kSlots = 38;
constexpr Arr<TSlot, 0, kSlots - 1> Slots = [] {
    Arr<TSlot, 0, kSlots - 1> t{};
    int n = 0;
    for (int d = 1; d <= 2; ++d)
        t[n++] = {4 + d, 6 + d, KankeiNaname};
    for (int d = 1; d <= 4; ++d) {
        t[n++] = {d, 0, KankeiTonari};
        t[n++] = {8 + d, 0, Kankei1ken};
        t[n++] = {24 + d, 0, Kankei2ken};
        t[n++] = {44 + d, 0, Kankei3ken};
    }
    for (int k = 1; k <= 4; ++k) {
        t[n++] = {12 + k, 16 + k, KankeiKeima};
        t[n++] = {28 + k, 32 + k, KankeiOgeima};
        t[n++] = {48 + k, 52 + k, KankeiKeima14};
    }
    for (int d = 1; d <= 2; ++d) {
        t[n++] = {20 + d, 22 + d, KankeiNaname2};
        t[n++] = {64 + d, 66 + d, KankeiNaname3};
    }
    for (int k = 1; k <= 4; ++k)
        t[n++] = {36 + k, 40 + k, KankeiKeima23};
    return t;
}();
constexpr int SlotNaname(int d) { return d - 1; }
constexpr int SlotLine(int d) { return 2 + 4 * (d - 1); } // + 0 Tonari, 1, 2, 3 the jumps
constexpr int SlotKeima(int k) { return 18 + 3 * (k - 1); } // + 0 K4, 1 K7, 2 K11
constexpr int SlotNaname2(int d) { return 30 + 2 * (d - 1); } // + 1 the (3,3) point
constexpr int SlotKeima23(int k) { return 34 + k - 1; }
static_assert(SlotKeima23(4) == kSlots - 1);
// The slots as the stone records them: the step to the related point, the
// kind, and whether the related point records the way back.
struct TSlotStep {
    int DX, DY, Kind;
    bool Back;
    // The step as an offset between the points' relation records, and in
    // the pattern board.
    int Offset, Pad;
};
constexpr Arr<TSlotStep, 0, kSlots - 1> SlotSteps = [] {
    Arr<TSlotStep, 0, kSlots - 1> t{};
    constexpr int column = sizeof(TGoban::Locate.v[0]) / sizeof(TLocate);
    static_assert(column == 19);
    for (int i = 0; i < kSlots; ++i) {
        const TSlot& e = Slots[i];
        const int dx = KankeiOffsetX[e.Index], dy = KankeiOffsetY[e.Index];
        t[i] = {dx, dy, e.Kind, e.Back != 0, dx * column + dy, dx * kPadStride + dy};
    }
    return t;
}();
// The way back of a slot is the step reversed.
static_assert([] {
    for (int i = 0; i < kSlots; ++i) {
        const TSlot& e = Slots[i];
        if (e.Back != 0
            && (KankeiOffsetX[e.Back] != -KankeiOffsetX[e.Index] || KankeiOffsetY[e.Back] != -KankeiOffsetY[e.Index]))
            return false;
    }
    return true;
}());

// Both colours of a row at once: Black's stones at bits x + 4 and White's
// at x + 36, each seeing its own colour as own and the tables of its enemy.
// A shift by up to four steps moves no bit of one half into the points of
// the other (bits 5..23 and 37..55).
using TDual = std::uint64_t;
// Two such rows (y and y + 1) at once, for the passes below: one vector of
// the machine's plain width.  The rows are kept with room after the last
// one, so that the rows read from any row a pass starts at stay within the
// arrays.
constexpr int kLanes = 2;
typedef TDual TLanes __attribute__((vector_size(kLanes * sizeof(TDual))));
constexpr int kDualRows = kBitRows + kLanes - 1;
struct TDualRows {
    TDual Set[kDualRows], Own[kDualRows], En[kDualRows];
    TDual Kinsi[kDualRows], SelfAtari[kDualRows], ToruTen[kDualRows];
    TDual Dead[kDualRows], Atari[kDualRows], RenDead[kDualRows];
};
TDualRows g_dual;

const TDualRows& DualRowsMake(const TBitRows& r)
{
    auto both = [](TBitRow black, TBitRow white) { return TDual{black} | TDual{white} << 32; };
    for (int i = 0; i < kBitRows; ++i) {
        g_dual.Set[i] = both(r.Set[i], r.Set[i]);
        g_dual.Own[i] = both(r.Kuro[i], r.Siro[i]);
        g_dual.En[i] = both(r.Siro[i], r.Kuro[i]);
        g_dual.Kinsi[i] = both(r.Kinsi[1][i], r.Kinsi[0][i]);
        g_dual.SelfAtari[i] = both(r.SelfAtari[1][i], r.SelfAtari[0][i]);
        g_dual.ToruTen[i] = both(r.ToruTen[1][i], r.ToruTen[0][i]);
        g_dual.Dead[i] = both(r.Dead[i], r.Dead[i]);
        g_dual.Atari[i] = both(r.Atari[i], r.Atari[i]);
        g_dual.RenDead[i] = both(r.RenDead[i], r.RenDead[i]);
    }
    // The room after the last row: edge.
    for (int i = kBitRows; i < kDualRows; ++i) {
        g_dual.Set[i] = g_dual.Set[kBitRows - 1];
        g_dual.Own[i] = g_dual.En[i] = g_dual.SelfAtari[i] = g_dual.ToruTen[i] = 0;
        g_dual.Kinsi[i] = g_dual.Kinsi[kBitRows - 1];
        g_dual.Dead[i] = g_dual.Atari[i] = g_dual.RenDead[i] = 0;
    }
    return g_dual;
}

// No stone of the rows is left.
[[gnu::always_inline]] inline bool None(const TLanes& m)
{
    TDual any = 0;
    for (int l = 0; l < kLanes; ++l)
        any |= m[l];
    return any == 0;
}

// The records of one row: per slot the stones that record, and the value.
struct TRowRecords {
    Arr<TLanes, 0, kSlots - 1> Stones{};
    Arr<TLanes, 0, kSlots - 1> V0{}, V1{};
    // Records value 1, 2 or 3 where the masks say (0 elsewhere in m).  A
    // stone records a slot once: the value planes are only read where
    // Stones holds the stone, and set there whatever they held.
    [[gnu::always_inline]] void Put(int slot, TLanes m, TLanes v1, TLanes v2, TLanes v3)
    {
        Stones[slot] |= m;
        V0[slot] = (V0[slot] & ~m) | (m & (v1 | v3));
        V1[slot] = (V1[slot] & ~m) | (m & (v2 | v3));
    }
    // Records value 0.
    [[gnu::always_inline]] void Put(int slot, TLanes m)
    {
        Stones[slot] |= m;
        V0[slot] &= ~m;
        V1[slot] &= ~m;
    }
};

// The stones of rows Y and Y + 1 looking in direction D of a family with N
// directions: a pattern point as a mask of those stones.
template <int N, int D>
struct TStoneRow {
    const TDualRows& R;
    int Y;

    [[gnu::always_inline]] TLanes Row(const TDual* rows, const TPatPt<N>& p) const
    {
        const int dx = p.DX.v[D - 1];
        TLanes r;
        std::memcpy(&r, rows + Y + 4 + p.DY.v[D - 1], sizeof r);
        return dx >= 0 ? r >> dx : r << -dx;
    }
    [[gnu::always_inline]] TLanes Set(const TPatPt<N>& p) const { return Row(R.Set, p); }
    [[gnu::always_inline]] TLanes Emp(const TPatPt<N>& p) const { return ~Set(p); }
    [[gnu::always_inline]] TLanes Ow(const TPatPt<N>& p) const { return Row(R.Own, p); }
    [[gnu::always_inline]] TLanes En(const TPatPt<N>& p) const { return Row(R.En, p); }
    [[gnu::always_inline]] TLanes Occ(const TPatPt<N>& p) const { return Ow(p) | En(p); }
    [[gnu::always_inline]] TLanes Off(const TPatPt<N>& p) const { return Set(p) & ~Occ(p); }
    [[gnu::always_inline]] TLanes OwnOrOff(const TPatPt<N>& p) const { return Set(p) & ~En(p); }
    [[gnu::always_inline]] TLanes EnOrOff(const TPatPt<N>& p) const { return Set(p) & ~Ow(p); }
    // The analysis tables for the enemy.
    [[gnu::always_inline]] TLanes Kinsi(const TPatPt<N>& p) const { return Row(R.Kinsi, p); }
    [[gnu::always_inline]] TLanes SelfAtari(const TPatPt<N>& p) const { return Row(R.SelfAtari, p); }
    [[gnu::always_inline]] TLanes ToruTen(const TPatPt<N>& p) const { return Row(R.ToruTen, p); }
    [[gnu::always_inline]] TLanes Dead(const TPatPt<N>& p) const { return Row(R.Dead, p); }
    [[gnu::always_inline]] TLanes Atari(const TPatPt<N>& p) const { return Row(R.Atari, p); }
    [[gnu::always_inline]] TLanes RenDead(const TPatPt<N>& p) const { return Row(R.RenDead, p); }
    template <class... P>
    [[gnu::always_inline]] TLanes AnyEn(const P&... p) const
    {
        return (En(p) | ...);
    }
    template <class... P>
    [[gnu::always_inline]] TLanes AnyOwn(const P&... p) const
    {
        return (Ow(p) | ...);
    }
};

// Diagonal (kind 2): NanameScan.
template <int D>
void NanameRow(const TDualRows& r, int y, const TLanes& stones, TRowRecords& out)
{
    using namespace NanamePat;
    const TStoneRow<4, D> s{r, y};
    const int slot = SlotNaname(D);
    out.Put(slot, stones & s.En(G));
    const TLanes a = stones & s.Ow(G) & ~(s.Ow(X1) | s.Ow(X2));
    const TLanes cutA = s.En(X1) & ~s.Dead(X1), cutB = s.En(X2) & ~s.Dead(X2);
    const TLanes noCut = (s.En(X1) & s.RenDead(X1)) | (s.Emp(X1) & (s.Kinsi(X1) | s.SelfAtari(X1)))
                          | (s.En(X2) & s.RenDead(X2)) | (s.Emp(X2) & (s.Kinsi(X2) | s.SelfAtari(X2)));
    const TLanes zero = noCut | (cutA & cutB & s.Atari(X1) & s.Atari(X2));
    const TLanes two = ~zero & (cutA ^ cutB), three = ~zero & cutA & cutB;
    out.Put(slot, a, ~two & ~three, two, three);
}

// Straight lines (kinds 1, 3, 6, 10): LineScan.
template <int D>
void LineRow(const TDualRows& r, int y, const TLanes& stones, TRowRecords& out)
{
    using namespace LinePat;
    const TStoneRow<4, D> s{r, y};
    const int slot = SlotLine(D);

    // 1-2.  The adjacent point: an enemy there is recorded.
    TLanes a = stones & ~s.OwnOrOff(P1);
    const TLanes e1 = s.En(P1);
    out.Put(slot, a & e1);
    const TLanes unplayable = ~e1 & (s.Kinsi(P1) | s.SelfAtari(P1));

    // 3-4.
    a &= ~(s.Ow(L1) & s.Ow(R1));
    a &= ~(e1 & s.Set(L1) & s.Set(R1)); // edge1 + near >= 3
    // near, unless the adjacent point is unplayable: its parts.
    const TLanes nL1 = s.Occ(L1) & ~unplayable, nR1 = s.Occ(R1) & ~unplayable;

    // 5-6.
    const TLanes encL0 = s.En(L1) | s.En(L2) | s.En(L0), encR0 = s.En(R1) | s.En(R2) | s.En(R0);
    a &= ~(encL0 & encR0 & e1);

    // 7-8.  One-space jump to an own stone or to the edge.
    const TLanes jump1 = a & s.OwnOrOff(P2);
    {
        TLanes ret = e1 & (s.Ow(L1) | s.Ow(R1));
        const TLanes near = e1 | nL1 | nR1;
        auto shut = [&](const TPatPt<4>& q) __attribute__((always_inline)) {
            return s.OwnOrOff(q) | s.Kinsi(q) | (s.SelfAtari(q) & ~s.ToruTen(q));
        };
        auto closed = [&](const TPatPt<4>& u, const TPatPt<4>& w)
                          __attribute__((always_inline)) { return shut(u) | shut(w); };
        const TLanes nearCase = ~unplayable & near, quiet = ~unplayable & ~near;
        ret |= nearCase & ((s.Ow(L1) & closed(L2, L0)) | (s.Ow(R1) & closed(R2, R0)));
        ret |= quiet & (s.Ow(L1) | s.Ow(R1));
        const TLanes v3Near =
            nearCase & (e1 | (s.En(L1) & s.AnyEn(R0, R1, R2)) | (s.En(R1) & s.AnyEn(L0, L2)));
        const TLanes v2Near = nearCase & ~v3Near;
        // The quiet jump: 2 unless the lines beside stay open (1).
        const TLanes any1 = s.AnyEn(L2, R2, L0, R0);
        const TLanes ll1 = ~any1 & s.En(LL1);
        const TLanes rr1 = ~any1 & ~s.En(LL1) & s.En(RR1);
        const TLanes wide = ~any1 & ~s.En(LL1) & ~s.En(RR1) & s.En(LL2) & s.En(RR2) & s.En(LL0) & s.En(RR0);
        const TLanes v2Quiet = quiet
                                & (any1 | (ll1 & ~(s.Ow(L2) | s.Ow(L0))) | (rr1 & ~(s.Ow(R2) | s.Ow(R0))) | wide);
        out.Put(slot + 1, jump1 & ~ret, ~(v2Near | v3Near | v2Quiet), v2Near | v2Quiet, v3Near);
    }
    a &= ~jump1;

    if (None(a))
        return;
    // 9-12.  On toward the two-space jump.
    out.Put(slot + 1, a & s.En(P2) & ~e1);
    a &= ~(s.Ow(L2) & s.Ow(R2));
    const TLanes e2 = s.En(P2);
    // t = near + far + edge1 + edge2, and edge2 + far, counted in bit planes.
    TBitCount<TLanes> t, edgeFar;
    for (const TLanes m : {e1, nL1, nR1, s.Occ(L2), s.Occ(R2), e2, s.Off(L1), s.Off(R1), s.Off(L2), s.Off(R2)})
        t.Add(m);
    for (const TLanes m : {s.Occ(L2), s.Occ(R2), e2, s.Off(L2), s.Off(R2)})
        edgeFar.Add(m);
    const TLanes block0 = ~e1 & ~e2, block2 = e1 & e2;
    TLanes leftTouched = s.Set(L1) | s.Set(L2) | s.En(L0), rightTouched = s.Set(R1) | s.Set(R2) | s.En(R0);
    const TLanes ownSide = s.Ow(L1) | s.Ow(L2) | s.Ow(R1) | s.Ow(R2);
    a &= ~(block2 | edgeFar.AtLeast(3) | t.AtLeast(4) | (t.AtLeast(3) & leftTouched & rightTouched)
           | (ownSide & block0));
    leftTouched |= s.En(L3);
    rightTouched |= s.En(R3);
    const TLanes hitL = s.En(L1) | s.En(L2), hitR = s.En(R1) | s.En(R2);
    TLanes encL = encL0 | s.En(L3), encR = encR0 | s.En(R3);
    a &= ~(leftTouched & rightTouched
           & (~block0 | (hitL & encR) | (hitR & encL) | (s.En(L0) & s.En(R0)) | (s.En(L3) & s.En(R3))));
    const TLanes farL = s.AnyEn(LL1, LL2), farR = s.AnyEn(RR1, RR2);
    a &= ~(~block0 & ((hitL & farR) | (hitR & farL) | (farL & farR)));

    // 13.  Two-space jump to an own stone or to the edge.
    // n = near + far.
    TBitCount<TLanes> n;
    for (const TLanes m : {e1, nL1, nR1, s.Occ(L2), s.Occ(R2), e2})
        n.Add(m);
    const TLanes n0 = n.Exactly(0), n1 = n.Exactly(1), n2 = n.Exactly(2);
    {
        const TLanes jump2 = a & s.OwnOrOff(P3);
        const TLanes hitL1 = s.En(L1) ^ s.En(L2), hitR1 = s.En(R1) ^ s.En(R2);
        const TLanes v1 = n0 & ~s.AnyEn(L0, R0, L3, R3, LL1, RR1, LL2, RR2);
        const TLanes v2 = (n0 & ~v1) | (n1 & block0 & ~(hitL1 & farR) & ~(~hitL1 & hitR1 & farL))
                           | (n2 & block0 & ~(encL & encR));
        out.Put(slot + 2, jump2, v1, v2, ~(v1 | v2));
        a &= ~jump2;
    }

    if (None(a))
        return;
    // 14-16.  On toward the three-space jump.
    const TLanes e3 = s.En(P3);
    out.Put(slot + 2, a & e3 & n0);
    a &= ~ownSide;
    leftTouched |= s.En(L4);
    rightTouched |= s.En(R4);
    a &= ~(leftTouched & rightTouched);
    encL |= s.En(L4);
    encR |= s.En(R4);
    a &= ~(encL & ((s.AnyEn(L1, L2, L3) & s.AnyEn(RR1, RR2, RR3)) | (s.En(L0) & s.AnyEn(RR0, RR1, RR2))
                   | (s.En(L4) & s.AnyEn(RR2, RR3, RR4))));
    a &= ~(encR & ((s.AnyEn(R1, R2, R3) & s.AnyEn(LL1, LL2, LL3)) | (s.En(R0) & s.AnyEn(LL0, LL1, LL2))
                   | (s.En(R4) & s.AnyEn(LL2, LL3, LL4))));
    a &= ~s.Emp(P4);
    // near + far + far3 == 0.
    const TLanes far3 = s.En(L3) | s.En(R3) | e3;
    out.Put(slot + 3, a & s.En(P4) & n0 & ~far3);
    a &= ~s.En(P4);

    if (None(a))
        return;
    // 17.  Three-space jump to an own stone or to the edge.
    TBitCount<TLanes> block;
    for (const TLanes m : {e1, e2, e3})
        block.Add(m);
    a &= ~(block.AtLeast(2) | s.Ow(L3) | s.Ow(R3) | (encL & encR));
    const TLanes open = ~encL & ~encR & block.Exactly(0);
    // The sides' verdicts, the right one over the left one.
    const TLanes leftSide = ~s.Off(L1) & ~s.Off(LL1), rightSide = ~s.Off(R1) & ~s.Off(RR1);
    const TLanes l3 = leftSide & s.AnyEn(LL1, LL2, LL3), l2 = leftSide & ~l3 & s.AnyEn(LL0, LL4);
    const TLanes r3 = rightSide & s.AnyEn(RR1, RR2, RR3), r2 = rightSide & ~r3 & s.AnyEn(RR0, RR4);
    const TLanes rightSays = r3 | r2;
    const TLanes v3 = ~open | r3 | (~rightSays & l3);
    const TLanes v2 = open & (r2 | (~rightSays & l2));
    out.Put(slot + 3, a, ~(v2 | v3), v2, v3);
}

// Knight's moves (kinds 4, 7, 11): KeimaScan.
template <int K>
void KeimaRow(const TDualRows& r, int y, const TLanes& stones, TRowRecords& out)
{
    using namespace KeimaPat;
    const TStoneRow<8, K> s{r, y};
    const int slot = SlotKeima(K);

    // 1-6.
    TLanes a = stones & ~(s.OwnOrOff(N1) | s.OwnOrOff(D) | s.OwnOrOff(ES) | s.OwnOrOff(EB));
    const TLanes n1 = s.En(N1), dd = s.En(D), es = s.En(ES), eb = s.En(EB);
    const TLanes unplayable = (~n1 & s.Kinsi(N1)) | (~dd & s.Kinsi(D));
    a &= ~(~unplayable & n1 & dd); // occ == 2
    const TLanes esLive = es & ~s.Dead(ES), ebLive = eb & ~s.Dead(EB);
    a &= ~(~unplayable & ((n1 & es) | (dd & eb)));
    const TLanes mid0 = ~n1 & ~dd;

    // 7-8.  The knight's move.
    {
        const TLanes k4 = a & s.Ow(K4);
        // occ == 0 and occ == 1 with one end (the adjacent points clear).
        const TLanes occ0 = ~unplayable & mid0 & ~esLive & ~ebLive;
        const TLanes occ1End = ~unplayable & mid0 & (esLive ^ ebLive);
        const TLanes quiet2 = s.AnyEn(O0, M1, O1, M2) | (s.En(O2) & s.Emp(O0) & s.Emp(O1))
                               | (s.En(M0) & s.Emp(M1) & s.Emp(M2));
        const TLanes v1 = unplayable | (occ0 & ~quiet2);
        const TLanes v3End = occ1End & ((es & s.En(M1)) | (eb & s.En(O1)));
        const TLanes v2 = (occ0 & quiet2) | (occ1End & ~v3End);
        out.Put(slot, k4, v1, v2, ~(v1 | v2));
        a &= ~k4;
    }
    const TLanes k4e = s.En(K4);
    out.Put(slot, a & k4e & mid0);
    a &= ~s.Off(K4);
    a &= ~(dd & (s.Occ(M1) | s.Occ(M2)));
    a &= ~(eb & (s.Occ(O1) | s.Occ(O2)));
    a &= ~(k4e & s.AnyEn(M1, M2));
    // nEB = eb + k4e.
    a &= ~((eb & k4e) | (~mid0 & (eb | k4e)));

    if (None(a))
        return;
    // 9-11.  The large knight's move.
    a &= ~s.Off(N3);
    a &= ~(n1 & s.AnyEn(O0, O1, O2));
    const TLanes n3 = s.En(N3);
    const TLanes lineS = n1 | eb | n3;
    TLanes lineB = dd | es | k4e;
    a &= ~(lineS & lineB);
    const TLanes quietK = mid0 & ~eb & ~k4e; // mid + nEB == 0
    {
        const TLanes k7 = a & s.Ow(K7) & ~s.Ow(N3);
        const TLanes sideA = s.En(M1) | s.En(M2), sideB = s.En(O1) | s.En(O2);
        const TLanes any = sideA | sideB;
        const TLanes v1Open = ~any & ~s.AnyEn(O0, M3, O3, M0);
        // nES = es + n3: one lifts a firm link to 2, two to 3.
        const TLanes v1 = quietK & v1Open & ~es & ~n3;
        const TLanes v2 = quietK & ((any & ~(sideA & sideB)) | (~any & ~v1Open) | (v1Open & (es ^ n3)));
        out.Put(slot + 1, k7, v1, v2, ~(v1 | v2));
        a &= ~(a & s.Ow(K7));
    }
    const TLanes k7e = s.En(K7);
    out.Put(slot + 1, a & k7e & quietK);
    a &= ~(s.Off(K7) | s.Ow(N3));
    a &= ~(k7e & n3); // nFar >= 2
    lineB |= k7e;

    if (None(a))
        return;
    // 12-13.  The (1,4) shape.
    const TLanes quiet14 = quietK & ~n3 & ~k7e; // mid + nEB + nFar == 0
    {
        const TLanes n4 = s.En(N4);
        TLanes k11 = a & s.Ow(K11) & ~s.Ow(N4);
        k11 &= ~(n4 & lineB);
        const TLanes lineS4 = lineS | n4;
        k11 &= ~(lineB & (s.EnOrOff(M1) | s.EnOrOff(M2) | s.EnOrOff(M3)));
        k11 &= ~(~lineB & s.AnyOwn(O1, O2, O3));
        k11 &= ~(lineS4 & (s.EnOrOff(O1) | s.EnOrOff(O2) | s.EnOrOff(O3)));
        k11 &= ~(~lineS4 & s.AnyOwn(M1, M2, M3));
        const TLanes v1 = quiet14 & ~s.AnyEn(ES, N4, M0, M1, M2, M3, M4, O1, O2, O3, O4);
        out.Put(slot + 2, k11, v1, TLanes{}, ~v1);
        a &= ~s.Ow(K11);
    }
    out.Put(slot + 2, a & s.En(K11) & quiet14);
}

// Wide diagonals (kinds 5 and 13): Naname2Scan.
template <int D>
void Naname2Row(const TDualRows& r, int y, const TLanes& stones, TRowRecords& out)
{
    using namespace Naname2Pat;
    const TStoneRow<4, D> s{r, y};
    const int slot = SlotNaname2(D);
    TLanes a = stones & s.Emp(G);
    const TLanes q = s.En(Q);
    out.Put(slot, a & q & s.Emp(A1) & s.Emp(B1) & s.Emp(A2) & s.Emp(B2));
    a &= ~q;
    a &= ~s.AnyOwn(A1, B1, A2, B2);
    TLanes sA = s.En(A1) | s.En(A2), sB = s.En(B1) | s.En(B2);
    const TLanes a3 = s.En(A3), b3 = s.En(B3);
    a &= ~(s.Ow(A3) & ~s.En(A1) & ~s.En(A2));
    a &= ~(a3 & sB);
    a &= ~(s.Ow(B3) & ~s.En(B1) & ~s.En(B2));
    a &= ~(b3 & sA);
    a &= ~(sA & sB);
    // n > 0: an enemy counted so far.
    TLanes counted = s.AnyEn(A1, B1, A2, B2) | a3 | b3;
    {
        const TLanes own = a & s.Ow(Q);
        const TLanes v3 = counted & s.AnyEn(A1, B1, A2, B2);
        out.Put(slot, own, ~counted, counted & ~v3, v3);
        a &= ~s.Ow(Q);
    }
    if (None(a))
        return;
    // Past an empty (2,2) point to the (3,3) point.
    sA |= a3;
    sB |= b3;
    a &= s.Ow(T);
    a &= ~(sA & sB);
    a &= ~s.AnyOwn(A4, B4, A5, B5);
    sA |= s.En(A4) | s.En(A5);
    sB |= s.En(B4) | s.En(B5);
    a &= ~(sA & sB);
    counted |= s.AnyEn(A4, B4, A5, B5);
    out.Put(slot + 1, a, TLanes{}, ~counted, counted);
}

// The (2,3) shape (kind 8): Keima23Scan.
template <int K>
void Keima23Row(const TDualRows& r, int y, const TLanes& stones, TRowRecords& out)
{
    using namespace KeimaPat;
    const TStoneRow<8, K> s{r, y};
    const TPatPt<8>& B = K4;
    const int slot = SlotKeima23(K);
    TLanes a = stones & ~(s.OwnOrOff(D) | s.OwnOrOff(B));
    const TLanes dd = s.En(D), bb = s.En(B);
    out.Put(slot, a & s.En(P8) & s.Emp(D) & s.Emp(B) & s.Emp(N1) & s.Emp(ES) & s.Emp(EB) & s.Emp(O1) & s.Emp(O2));
    a &= s.Ow(P8);
    if (None(a))
        return;
    const TLanes mid0 = ~dd & ~bb;
    const TLanes esEnemy = s.En(ES);
    // An own stone on the way stops the link while nothing is between.
    a &= ~(mid0 & s.AnyOwn(N1, O2, ES, EB, N3, O1, K7));
    a &= ~(mid0 & ~esEnemy & ~s.En(O1) & s.Ow(O0));
    a &= ~(s.En(M1) & esEnemy);
    const TLanes low = bb | s.Occ(N1) | s.Occ(EB) | s.Occ(N3) | s.Occ(K7) | s.En(M1);
    const TLanes high = dd | s.Occ(O2) | s.Occ(ES) | s.Occ(O0) | s.Occ(O1);
    a &= ~(low & high);
    const TLanes enemies = dd | bb | s.AnyEn(N1, O2, ES, EB, O0, N3, O1, M1, K7);
    const TLanes v3 = enemies & s.AnyEn(D, B, O1, O2, ES, EB, N1, O0, N3);
    out.Put(slot, a, ~enemies, enemies & ~v3, v3);
}

// The colours of the board as TGoban::GetIro reads them, padded as the
// pattern board: kHen outside 0..BoardSize.
std::uint8_t g_colours[kPadStride * kPadStride];

void ColoursMake(const TGoban& b)
{
    std::memset(g_colours, kHen, sizeof g_colours);
    for (int x = 0; x <= BoardSize; ++x)
        std::memcpy(g_colours + PadIndex(x, 0), &b.Ban.v[x].v[0], static_cast<std::size_t>(BoardSize + 1));
}

// Per bit of a row of both colours: the record slots of the stone, and per
// slot its value (read only where the slot's bit is set).
struct TSlotWords {
    std::uint64_t Slots[64];
    std::uint8_t Value[64][kSlots];
};
void RowRecord(TGoban& b, const TBitRows& bits, int y, const TRowRecords& out, int l, TSlotWords& at);

// The records of every stone of the board, row by row (the order of
// KankeiMakeAll: rows top to bottom, points left to right).
void StoneRows(TGoban& b)
{
    ColoursMake(b);
    const TBitRows& bits = BitRowsMakeByChunks();
    const TDualRows& r = DualRowsMake(bits);
    const TDual board = TDual{BoardBits()} | TDual{BoardBits()} << 32;
    TSlotWords at;
    std::memset(at.Slots, 0, sizeof at.Slots);
    // Only the stones of the records are cleared for each row.
    TRowRecords out{};
    for (int y = 1; y <= BoardSize; y += kLanes) {
        // Rows past the board's last one hold no stones.
        TLanes stones;
        std::memcpy(&stones, r.Own + y + 4, sizeof stones);
        stones &= board;
        if (None(stones))
            continue;
        std::memset(&out.Stones, 0, sizeof out.Stones);
        EachDirection<2>([&](auto d) { NanameRow<d()>(r, y, stones, out); });
        EachDirection<4>([&](auto d) { LineRow<d()>(r, y, stones, out); });
        EachDirection<4>([&](auto k) { KeimaRow<k()>(r, y, stones, out); });
        EachDirection<2>([&](auto d) { Naname2Row<d()>(r, y, stones, out); });
        EachDirection<4>([&](auto k) { Keima23Row<k()>(r, y, stones, out); });
        for (int l = 0; l < kLanes && y + l <= BoardSize; ++l)
            RowRecord(b, bits, y + l, out, l, at);
    }
}

// The records of row y, lane l of the records of its two rows, stone by
// stone along the row.  The slots of each stone: the masks of the slots
// turned into words per stone (only the stones that record), with each
// slot's value beside them.  Every word taken is cleared again, so the
// words stay clear between rows.
void RowRecord(TGoban& b, const TBitRows& bits, int y, const TRowRecords& out, int l, TSlotWords& at)
{
    // The slots some stone records, found without a branch each.
    std::uint64_t used = 0;
    for (int i = 0; i < kSlots; ++i)
        used |= static_cast<std::uint64_t>(out.Stones.v[i][l] != 0) << i;
    for (; used != 0; used &= used - 1) {
        const int i = std::countr_zero(used);
        const TDual stones = out.Stones.v[i][l];
        const TDual v0 = out.V0.v[i][l], v1 = out.V1.v[i][l];
        const std::uint64_t slot = std::uint64_t{1} << i;
        for (TDual m = stones; m != 0; m &= m - 1) {
            const int bit = std::countr_zero(m);
            at.Slots[bit] |= slot;
            at.Value[bit][i] = static_cast<std::uint8_t>((v0 >> bit & 1) | (v1 >> bit & 1) << 1);
        }
    }
    const TBitRow kuro = bits.Kuro[y + 4], occupied = (kuro | bits.Siro[y + 4]) & BoardBits();
    for (TBitRow m = occupied; m != 0; m &= m - 1) {
        const int x = std::countr_zero(m) - 4;
        const int own = (kuro >> (x + 4) & 1) != 0 ? kKuro : kSiro;
        const int bit = x + 4 + (own == kKuro ? 0 : 32);
        std::uint64_t slots = at.Slots[bit];
        if (slots == 0)
            continue;
        at.Slots[bit] = 0;
        const std::uint8_t* value = at.Value[bit];
        // The stone is on the board, and so is the partner of a slot with
        // a way back (a stone).
        TLocate* here = &b.Locate.v[x - 1].v[y - 1];
        // The colours around the stone (TGoban::GetIro).
        const std::uint8_t* pad = g_colours + PadIndex(x, y);
        for (; slots != 0; slots &= slots - 1) {
            const int i = std::countr_zero(slots);
            const TSlotStep& e = SlotSteps.v[i];
            const int tx = x + e.DX, ty = y + e.DY;
            here->AddKankeiAt(tx, ty, e.Kind, value[i], pad[e.Pad]);
            if (e.Back)
                here[e.Offset].AddKankeiAt(x, y, e.Kind, value[i], own);
        }
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Chains and relations of a board

void TGoban::RenLocateMake()
{
    RenList.Rebuild();
    SetLocateIro();
    KankeiMakeAll();
}

void TGoban::GrenMake()
{
    for (int n = 1; n <= RenList.Count(); ++n)
        if (TRen* r = RenList.Items(n))
            GrenMakeRen(*r);
}

namespace {
// The chains already linked to the chain being made, stamped.
Arr<std::uint32_t, 1, kMaxRen> g_grenMark{};
std::uint32_t g_grenStamp = 0;
} // namespace

void TGoban::GrenMakeRen(TRen& r)
{
    r.ClearGren();
    if (++g_grenStamp == 0) {
        g_grenMark.Fill(0);
        g_grenStamp = 1;
    }
    const int own = r.GetNo();
    for (const TBytePoint p : r.IsiList()) {
        const TLocate& loc = Locate[p.x][p.y];
        // Only a stone's relations carry link grades.
        if (!IsStone(loc.GetIro()))
            continue;
        // The links of grades 1 and 2; a related point on the board is
        // within the chain map.
        loc.EachKankeiOnBoardValueIn(1, 2, [&](int ax, int ay) {
            const int m = RenList.RenNo(ax, ay);
            if (m == 0 || m == own || g_grenMark[m] == g_grenStamp || RenList.Items(m) == nullptr)
                return;
            g_grenMark[m] = g_grenStamp;
            r.AddGrenNew(m);
        });
    }
}

} // namespace vorn
