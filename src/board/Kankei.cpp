#include "board/Kankei.h"

#include <cstring>
#include <utility>

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
    PatBoardMake();
    TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.Ban[x][y];
            if (c == kKuro || c == kSiro)
                StoneScan(b, c, x, y);
        }
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
    if (s.At(G) != kAki)
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
    const int dd = s.At(D), bb = s.At(B);
    if (dd == s.Own || dd == kHen || bb == s.Own || bb == kHen)
        return;
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

void TGoban::GrenMakeRen(TRen& r)
{
    r.ClearGren();
    for (int i = 1; i <= r.IsiCount(); ++i) {
        const Point p = r.GetIsi(i);
        const TLocate& loc = Locate[p.x][p.y];
        for (int j = 1; j <= loc.GetKankeiSu(); ++j) {
            const int grade = loc.GetLinkGrade(j);
            if ((grade != 1 && grade != 2) || !loc.OnBoardAt(j))
                continue;
            const TRen* m = RenList.RenAtPt(loc.GetKankeiPoint(j));
            if (m != nullptr && m != &r)
                r.AddGren(m->GetNo());
        }
    }
}

} // namespace vorn
