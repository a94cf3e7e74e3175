// The routines the shape harnesses run.  A new shape generator adds its
// handlers, stage routines and symmetry positions to these tables.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "engine/shapes/ShapeHarness.h"
#include "engine/shapes/WideShapes.h"
#include "engine/shapes/LinkShapes.h"

#include "engine/shapes/RelationMoves.h"

#include "board/Between.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/Kankei13.h"
#include "engine/shapes/Kankei5.h"
#include "engine/shapes/Kankei8.h"
#include "engine/shapes/Kankei11.h"
#include "engine/shapes/Kankei4Hokyo.h"
#include "engine/shapes/KankeiHokyo.h"
#include "engine/shapes/Kankei4.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/Hiraki.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/KeimaWarikomi.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/Kosumi.h"
#include "engine/shapes/LinkUtil.h"
#include "engine/shapes/Ogeima.h"
#include "engine/shapes/Utikomi.h"
#include "engine/shapes/WeakGunKankei.h"

namespace vorn::test {

namespace {

// A box of the current board laid over a pair, with its colours.
template <int N>
struct TBox {
    Point pt[N];
    std::uint8_t iro[N];
    void Read()
    {
        for (int i = 0; i < N; ++i)
            iro[i] = CurGoban().GetIroPt(pt[i]);
    }
};

TBox<9> Strip9(Point a, Point b)
{
    TBox<9> box;
    BetweenStrip3(a, b, box.pt);
    box.Read();
    return box;
}

int OppOf(Point a) { return CurGoban().GetIroPt(a) ^ 3; }

// --- Adaptors: the link utilities called as their callers call them ------------

// The attacker's cut at either open crossing point of a diagonal.
void KiriAtCrossings(Point a, Point b)
{
    for (const Point cut : {Point(a.x, b.y), Point(b.x, a.y)})
        if (CurGoban().GetIroPt(cut) == kAki)
            KiriHyoka(OppOf(a), cut, a, b);
}

void NozokiOnJump(Point a, Point b)
{
    const TBox<9> box = Strip9(a, b);
    IkkenNozokiYomi(box.pt, box.iro, OppOf(a));
}

void SotoIsiOnJump(Point a, Point b)
{
    const TBox<9> box = Strip9(a, b);
    IkkenSotoIsiCheck(box.pt, box.iro, OppOf(a));
    IkkenSotoIsiCheck(box.pt, box.iro, OppOf(a) ^ 3);
}

void MiaiOnJump(Point a, Point b)
{
    const TBox<9> box = Strip9(a, b);
    IkkenMiaiUtu(box.pt, box.pt[3], box.pt[5], OppOf(a) ^ 3);
}

void Dame2OnJump(Point a, Point b)
{
    const TBox<9> box = Strip9(a, b);
    Dame2Utu(a, box.pt[3], box.pt[4], box.pt[5], OppOf(a));
}

void MiaiHyokaOnJump(Point a, Point b)
{
    const TBox<9> box = Strip9(a, b);
    MiaiHyokaUtu(box.pt[3], box.pt[5], OppOf(a));
}

void KiriBehindKnight(Point a, Point b)
{
    Point rows[6];
    BetweenRows(a, b, rows);
    KeimaKiriUtu(rows[2], rows[3], a, OppOf(a));
}

void StripOnLongJump(Point a, Point b)
{
    KeimaStripUtu(a, b);
    TBox<15> box;
    BetweenStrip3(a, b, box.pt);
    box.Read();
    KeimaStripYomi(box.pt, box.iro, OppOf(a));
}

void SubHyokaOnLargeKnight(Point a, Point b)
{
    Point rows[8];
    BetweenRows(a, b, rows);
    Kankei7SubHyoka(rows, OppOf(a) ^ 3);
    Kankei7SubHyoka(rows, OppOf(a));
}

void RyoAtariAtStone(Point a, Point) { RyoAtariHyoka(a); }

// A handler called on the first two points of a symmetry case.
template <void (*Handler)(Point, Point)>
int CallPair(std::span<const Point> p)
{
    Handler(p[0], p[1]);
    return 0;
}

// The group patterns of a stone as the weak-group generator runs them: they
// record pairs, and only the patterns that always add may add.
void CollectPairs(Point a, Point)
{
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    KankeiPatternUtu(a, 1);
    GunKankeiPairMode = 0;
    for (int i = 1; i <= GunKankeiPairCount; ++i) {
        EXPECT_TRUE(GunKankeiPair.Kuro[i].IsNone() || CurGoban().GetIroPt(GunKankeiPair.Kuro[i]) != kHen);
        EXPECT_TRUE(GunKankeiPair.Siro[i].IsNone() || CurGoban().GetIroPt(GunKankeiPair.Siro[i]) != kHen);
    }
}

// A value routine: it must add nothing.
void KeimaTukeValue(Point a, Point b)
{
    const int count = KohoCount;
    KeimaTukeUtu(a, b);
    KeimaTukeUtu(b, a);
    EXPECT_EQ(KohoCount, count) << "KeimaTukeUtu added a candidate";
}

// The knight's-move families called on the box of every knight's-move pair,
// whatever stands in it: each reads only the shapes it is given.
void WedgeOnKnight(Point a, Point b)
{
    const TKeimaBox box(a, b);
    KeimaWarikomi(box.Rs(), box.Cs(), box.att);
}

void OutsideOnKnight(Point a, Point b)
{
    const TKeimaBox box(a, b);
    KeimaSotoNaka(box.Rs(), box.Ds(), box.Dc(), box.att);
    KeimaSotoHane(box.Rs(), box.Ds(), box.Dc(), box.att);
    KeimaSotoHaneSicho(box.Rs(), box.Ds(), box.Dc(), box.att);
    KeimaSotoTuke(box.Rs(), box.Ds(), box.Dc(), box.att);
}

// The threat-list reading of a link, asked from both ends.
void ThreatOnKnight(Point a, Point b)
{
    Kankei4Pair(a, b);
    Kankei4Pair(b, a);
}

constexpr TContractHandler kHandlers[] = {
    {"JoinedLinkCheck", 2, [](Point a, Point b) { JoinedLinkCheck(a, b); }, 0},
    {"KiriHyoka", 2, KiriAtCrossings, 0},
    {"IkkenNozokiYomi", 3, NozokiOnJump, 0},
    {"IkkenSotoIsiCheck", 3, SotoIsiOnJump, 0},
    {"IkkenMiaiUtu", 3, MiaiOnJump, 0},
    {"Dame2Utu", 3, Dame2OnJump, 0},
    {"MiaiHyokaUtu", 3, MiaiHyokaOnJump, 0},
    {"KeimaKiriUtu", 4, KiriBehindKnight, 0},
    {"Kankei7SubHyoka", 7, SubHyokaOnLargeKnight, 0},
    {"KeimaStripUtu", 10, StripOnLongJump, 0},
    {"RyoAtariHyoka", 0, RyoAtariAtStone, 0},
    {"KosumiRenraku", 2, KosumiRenraku, ReasonBits({3, 4}), true},
    {"KosumiHokyo", 2, KosumiHokyo, 0},
    {"KeimaRenraku", 4, KeimaRenraku, ReasonBits({3, 27}), true},
    {"KeimaTuke", 4, KeimaTuke, ReasonBits({27})},
    {"KeimaTukeUtu", 4, KeimaTukeValue, 0},
    {"Kankei5Utu", 5, Kankei5Utu, 0, true},
    {"Kankei8Utu", 8, Kankei8Utu, 0, true},
    {"Kankei13Utu", 13, Kankei13Utu, 0, true},
    {"Kankei4Hokyo", 4, Kankei4Hokyo, 0},
    {"Kankei7Utu", 7, Kankei7Utu, ReasonBits({3, 18}), true},
    {"Kankei7Hokyo", 7, Kankei7Hokyo, 0},
    {"Kankei11Utu", 11, Kankei11Utu, 0, true},
    {"KeimaWarikomi", 4, WedgeOnKnight, ReasonBits({3})},
    {"KeimaSoto", 4, OutsideOnKnight, 0},
    {"Kankei4Pair", 4, ThreatOnKnight, 0},
    {"KankeiPatternUtu", 0, [](Point a, Point) { KankeiPatternUtu(a, 0); }, 0},
    {"KankeiPatternUtu in pair mode", 0, CollectPairs, 0},
    {"GunIkkenUtu", 3, GunIkkenUtu, 0},
    {"IkkenAiteUtu", 3, IkkenAiteUtu, 0},
    {"KeimaOsiUtu", 4, KeimaOsiUtu, 0},
    {"AiteIkkenUtikomi", 3, AiteIkkenUtikomi, 0},
    {"AiteKeimaUtikomi", 4, AiteKeimaUtikomi, 0},
    {"AiteSankenCheck", 10, AiteSankenCheck, 0},
};

constexpr TContractStage kStages[] = {
    {"EmptyThink", EmptyThink, 0},
    {"KankeiHokyo(1)", [](Point& out) { KankeiHokyo(1, out); }, kkHokyo},
    {"KankeiHokyo(2)", [](Point& out) { KankeiHokyo(2, out); }, kkHokyo},
    {"KeimaOgeimaHokyo", KeimaOgeimaHokyo, kkKeimaHokyo},
    {"KeimaHokyo", KeimaHokyo, kkKeimaHokyo},
    {"Kankei4Think", Kankei4Think, kkKankei},
    {"WeakGunKankeiThink", WeakGunKankeiThink, 15},
    {"Kankei34Think", Kankei34Think, 18},
    {"JiUtikomiThink", [](Point& out) { JiUtikomiThink(); out = Point(); }, 0},
    {"AiteKankeiThink", [](Point& out) { AiteKankeiThink(); out = Point(); }, 31},
    {"GunKankeiThink", [](Point& out) { GunKankeiThink(0, out); }, 18},
    {"IkiGunKankeiThink", IkiGunKankeiThink, 15},
    {"Kankei6Think", Kankei6Think, 20},
};

// --- Symmetry positions ------------------------------------------------------------

// Black's diagonal (4,6)-(5,5) with White's stone between at (5,6).  White's
// (7,6) leaves the liberties of that stone unequal: with equal ones the outer
// atari is read from the liberty that comes second, which depends on the
// orientation.
const char* const kDiagonalCut = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . X O . O . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's large knight's move C7-D4 ((3,7)-(4,4)) with White's stones inside
// at C6 and D5: the point beyond B's line at the first step, E6.
const char* const kOgeimaInside2 = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . O . . . . .
    . . O . . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same with White at D6 and D5: the point on A's line at the second
// step, C5.
const char* const kOgeimaInside2Far = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . O . . . . .
    . . . O . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same with White's single stone at D6, diagonally inside from A.
const char* const kOgeimaNaname = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . O . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's (1,4) shape C7-D3 ((3,7)-(4,3)) with White's stone at the middle of
// A's line, C5.
const char* const kKeima14Middle = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . O . . . . . .
    . . . . . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same with White's stone outside B's line at the first step, E6.
const char* const kKeima14Outside = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's knight's move (3,7)-(4,5) with White's wedge at (4,6).
const char* const kKnightWedge = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . . . O . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// The same knight's move with White's stone outside the middle point (3,6).
const char* const kKnightOutside = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . O . . . . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's knight's move (4,3)-(6,4) with White's (4,2) against (4,3) from
// outside: the cut behind the contact is read with the owner's block at the
// far middle point.
const char* const kKnightOutsideContact = R"(
    . . . . . . . . .
    . . . O . . . . .
    . . . X . . . . .
    . . . . . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

// Black's firm knight's move (4,4)-(5,6); White's (2,5) and (7,5) threaten
// to push through from a jump away.
const char* const kKnightThreat = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . O . . . . O . .
    . . . . X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

int ThreatPass(std::span<const Point>)
{
    Point out;
    Kankei4Think(out);
    return 0;
}


// The relation shapes of the group patterns: Black's stone against White's
// on 13 x 13 (the large knight's move also near the edge of 9 x 9).
std::string Versus(const char* black, const char* white, int size = 13)
{
    return Stones(size, {{black, 'X'}, {white, 'O'}});
}
const std::string kTonari = Versus("F7", "G7");
const std::string kNaname = Versus("F7", "G6");
const std::string kIkken = Versus("F7", "H7");
const std::string kKeima = Versus("F7", "H6");
const std::string kNaname2 = Versus("F7", "H5");
const std::string kNiken = Versus("E7", "H7");
const std::string kOgeima = Versus("E7", "F4");
const std::string kOgeimaEdge = Versus("F4", "E7", 9);
const std::string kKeima23 = Versus("E7", "G4");
const std::string kSanken = Versus("C4", "G4");
// White's lone G6 facing Black's E6, with White's J6 beside it.
const std::string kLone = Stones(13, {{"E6", 'X'}, {"G6", 'O'}, {"J6", 'O'}});
// Black's weak jump D5-F5 with White's D3 two lines out beside D5.
const std::string kWeakCap =
    Stones(9, {{"D5", 'X'}, {"F5", 'X'}, {"D3", 'O'}, {"C4", 'O'}, {"G4", 'O'}, {"C6", 'O'}, {"G6", 'O'}});
// White's one-space jump C4-E4 in the corner of 19 x 19.
const std::string kCornerJump = Stones(19, {{"C4", 'O'}, {"E4", 'O'}});

// A group pattern called under the relation-move reason; answers 0.
template <class F>
int GroupPattern(F&& f)
{
    KohoKind = kkGunKankei;
    f();
    return 0;
}

// A stage routine; answers 0 (its choice among tied candidates is random).
int StageCall(void (*routine)(Point&))
{
    Point out;
    routine(out);
    return 0;
}

const TSymmetryCase kSymmetry[] = {
    {"KiriHyoka: a cut between two weak stones", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . O X X . .
        . . . . . O . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     kKuro, {Point(5, 4), Point(6, 5), Point(5, 5)},
     [](std::span<const Point> p) { return KiriHyoka(kKuro, p[2], p[0], p[1]); }},
    {"RyoAtariHyoka: two stones in atari at once", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . X O . . . . .
        . . . X O . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     kKuro, {Point(4, 5)}, [](std::span<const Point> p) { return RyoAtariHyoka(p[0]); }},
    {"IkkenNozokiYomi: the peep's ladder works", R"(
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . O . O . . . . . . . . .
        . . . . . . . . X . . . . . . . . . .
        . . . . . . . . X O . . . . . . . . .
        . . . . . . . . . X . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .
        . . . . . . . . . . . . . . . . . . .)",
     kKuro, {Point(10, 8), Point(10, 10)},
     [](std::span<const Point> p) {
         const TBox<9> box = Strip9(p[0], p[1]);
         return IkkenNozokiYomi(box.pt, box.iro, kKuro);
     }},
    {"JoinedLinkCheck: the cut beside a knight's-move partner", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . X . . . . .
        . X . O X . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     kKuro, {Point(4, 4), Point(5, 5), Point(2, 5)},
     [](std::span<const Point> p) {
         CurGoban().PairClear();
         CurGoban().PairAdd(p[0], p[2], 4);
         return JoinedLinkCheck(p[0], p[1]);
     }},
    {"KosumiRenraku: the engine defends the diagonal", kDiagonalCut, kKuro, {Point(4, 6), Point(5, 5)},
     CallPair<KosumiRenraku>},
    {"KosumiRenraku: the engine cuts the diagonal", kDiagonalCut, kSiro, {Point(4, 6), Point(5, 5)},
     CallPair<KosumiRenraku>},
    {"KeimaRenraku: the contact answered", kKnightContact, kKuro, {Point(3, 7), Point(4, 5)},
     CallPair<KeimaRenraku>},
    {"KeimaRenraku: the contact pushed", kKnightContact, kSiro, {Point(3, 7), Point(4, 5)},
     CallPair<KeimaRenraku>},
    {"KeimaRenraku: the wedge answered", kKnightWedge, kKuro, {Point(3, 7), Point(4, 5)}, CallPair<KeimaRenraku>},
    {"KeimaRenraku: the wedge cut through", kKnightWedge, kSiro, {Point(3, 7), Point(4, 5)}, CallPair<KeimaRenraku>},
    {"KeimaRenraku: a stone outside the middle point, answered", kKnightOutside, kKuro, {Point(3, 7), Point(4, 5)},
     CallPair<KeimaRenraku>},
    {"KeimaRenraku: a stone outside the middle point, cutting", kKnightOutside, kSiro, {Point(3, 7), Point(4, 5)},
     CallPair<KeimaRenraku>},
    {"KeimaRenraku: a contact from outside, answered", kKnightOutsideContact, kKuro, {Point(4, 3), Point(6, 4)},
     CallPair<KeimaRenraku>},
    {"KeimaRenraku: a contact from outside, cutting", kKnightOutsideContact, kSiro, {Point(4, 3), Point(6, 4)},
     CallPair<KeimaRenraku>},
    {"Kankei4Think: the owner's answers", kKnightThreat, kKuro, {}, ThreatPass},
    {"Kankei4Think: the pushes", kKnightThreat, kSiro, {}, ThreatPass},
    {"KeimaTukeUtu: the push valued", R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . X O . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)",
     kSiro, {Point(4, 5), Point(5, 3)}, [](std::span<const Point> p) { return KeimaTukeUtu(p[0], p[1]); }},
    {"Kankei5Utu: the corner, defended", k5Corner, kKuro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: the corner, cut", k5Corner, kSiro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: the corner and both its neighbours", k5CornerBoth, kKuro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: the corner and one neighbour", k5CornerOne, kSiro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: a midpoint, defended", k5Midpoint, kKuro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: a midpoint, cut", k5Midpoint, kSiro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: both midpoints of a side", k5BothMidpoints, kKuro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: an end stone with two liberties", k5TwoLiberties, kSiro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: a stone two points from the centre", k5Jump, kKuro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei5Utu: stones facing across a side", k5Facing, kKuro, {k5A, k5B}, CallPair<Kankei5Utu>},
    {"Kankei8Utu: beside a middle point", k8Naka, kKuro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: beside a middle point, cut", k8Naka, kSiro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: contact along the long side", k8Tate, kKuro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: contact across the short side", k8Yoko, kSiro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: the far corner", k8Kado, kSiro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: beside and past A", k8BesideAndPast, kKuro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: one stone beside A's line", k8SotoYoko, kKuro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: no stone near", k8Empty, kKuro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: the wedge", k8Wedge, kKuro, {k8A, k8B}, CallPair<Kankei8Utu>},
    {"Kankei8Utu: the wedge and its ladder", k8WedgeLadder, kSiro, {k8LadderA, k8LadderB}, CallPair<Kankei8Utu>},
    {"Kankei13Utu: beside the diagonal", k13Kata, kKuro, {k13A, k13B}, CallPair<Kankei13Utu>},
    {"Kankei13Utu: on a side, cut", k13Side, kSiro, {k13A, k13B}, CallPair<Kankei13Utu>},
    {"Kankei13Utu: on a corner", k13Kado, kSiro, {k13A, k13B}, CallPair<Kankei13Utu>},
    {"Kankei7Utu: two stones inside, the point beyond B's line", kOgeimaInside2, kKuro, {Point(3, 7), Point(4, 4)},
     CallPair<Kankei7Utu>},
    {"Kankei7Utu: two stones inside, the point on A's line", kOgeimaInside2Far, kSiro, {Point(3, 7), Point(4, 4)},
     CallPair<Kankei7Utu>},
    {"Kankei7Utu: the join beside A", kOgeimaNaname, kKuro, {Point(3, 7), Point(4, 4)}, CallPair<Kankei7Utu>},
    {"Kankei7Hokyo: the attacker outside at A's end", kLargeKnightFar, kSiro, {Point(3, 7), Point(4, 4)},
     CallPair<Kankei7Hokyo>},
    {"Kankei11Utu: the attacker in the middle", kKeima14Middle, kKuro, {Point(3, 7), Point(4, 3)},
     CallPair<Kankei11Utu>},
    {"Kankei11Utu: the attacker outside", kKeima14Outside, kSiro, {Point(3, 7), Point(4, 3)}, CallPair<Kankei11Utu>},
    {"GunKankei7Utu: the extension or the small jump on each side", kOgeima.c_str(), kKuro, {Point(5, 7), Point(6, 4)},
     [](std::span<const Point> p) { return GroupPattern([&] { GunKankei7Utu(p[0], p[1], 0); }); }},
    {"GunKankei7Utu: the same for a weak group", kOgeima.c_str(), kSiro, {Point(5, 7), Point(6, 4)},
     [](std::span<const Point> p) { return GroupPattern([&] { GunKankei7Utu(p[0], p[1], 1); }); }},
    {"GunKankei7Utu: near the edge, the enemy's stone as A", kOgeimaEdge.c_str(), kKuro, {Point(5, 7), Point(6, 4)},
     [](std::span<const Point> p) { return GroupPattern([&] { GunKankei7Utu(p[0], p[1], 0); }); }},
    {"GunKankei1Utu", kTonari.c_str(), kKuro, {Point(6, 7), Point(7, 7)}, CallPair<GunKankei1Utu>},
    {"GunKankei2Utu", kNaname.c_str(), kKuro, {Point(6, 7), Point(7, 6)}, CallPair<GunKankei2Utu>},
    {"GunKankei3Utu", kIkken.c_str(), kKuro, {Point(6, 7), Point(8, 7)},
     [](std::span<const Point> p) { return GroupPattern([&] { GunKankei3Utu(p[0], p[1], 0); }); }},
    {"GunKankei4Utu", kKeima.c_str(), kKuro, {Point(6, 7), Point(8, 6)}, CallPair<GunKankei4Utu>},
    {"GunKankei5Utu", kNaname2.c_str(), kKuro, {Point(6, 7), Point(8, 5)}, CallPair<GunKankei5Utu>},
    {"GunKankei6Utu", kNiken.c_str(), kKuro, {Point(5, 7), Point(8, 7)}, CallPair<GunKankei6Utu>},
    {"GunKankei8Utu", kKeima23.c_str(), kKuro, {Point(5, 7), Point(7, 4)}, CallPair<GunKankei8Utu>},
    {"GunKankei10Utu", kSanken.c_str(), kKuro, {Point(3, 4), Point(7, 4)},
     [](std::span<const Point> p) { return GroupPattern([&] { GunKankei10Utu(p[0], p[1], 0); }); }},
    {"Kankei34Think: the approach to a lone stone", kLone.c_str(), kKuro, {},
     [](std::span<const Point>) { return StageCall(Kankei34Think); }},
    {"WeakGunKankeiThink: the cap over the stone two lines out", kWeakCap.c_str(), kKuro, {},
     [](std::span<const Point>) { return StageCall(WeakGunKankeiThink); }},
    {"AiteKankeiThink: the corner's invasion points", kCornerJump.c_str(), kKuro, {},
     [](std::span<const Point>) {
         AiteKankeiThink();
         return 0;
     }},
};

} // namespace

std::span<const TContractHandler> ContractHandlers() { return kHandlers; }
std::span<const TContractStage> ContractStages() { return kStages; }
std::span<const TSymmetryCase> SymmetryCases() { return kSymmetry; }

} // namespace vorn::test
