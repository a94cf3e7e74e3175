// Entries of the table of routines for the rows that pin the look-ahead's
// rules at their exact edges: the replies taken at a level, the forced
// continuation, the roots, the choice among the roots read and the capture
// shortcut ("call NAME ..." in tests/problems/yomi-bar.tst).
//
// Answers:
//  - "SelectYomiKoho:edge-VARIANT R C...": the replies the look-ahead takes
//    at one level from a made-up candidate table: the area is the window
//    marked around the root R, the root's best value and the candidates'
//    values and reasons are the variant's (written at each entry), in the
//    order of the points C...  The points taken, "none" without one.
//  - "SelectRootKoho:edge-VARIANT C...": the roots the look-ahead takes from
//    a made-up candidate table (the area made around its top), the
//    candidates' values and reasons, YomiWide and the reason the staged
//    search left being the variant's (written at each entry).  The roots
//    taken, "none" without one.
//  - "SakiyomiChoose:edge-lens-A-B-C P Q R": the root chosen among three
//    roots read, P, Q and R, with the scores 5, 9 and 7 (no captures) and
//    the line lengths A, B and C.
//  - "Sakiyomi:edge-capture29 P Q": the look-ahead on a table of two
//    captures, P worth 40 and Q worth 29: the point chosen, "at-once" when
//    no tree node was read, else "read".
//  - "Sakiyomi:top-added-last P Q": the same from the point the staged
//    search chose, P, with Q worth 29 added first and P worth 40 second.
//  - "SelectRootKoho:single P": the roots taken from a table of the one
//    candidate P, worth 40 (pair answer): the first root and " more" when
//    there are others; "none" without one.
//  - "ThinkYomi:best [P...]": the best value the look-ahead's own move
//    choice finds for the side to move (the whole board the area, inside
//    the look-ahead) and its point, "V T"; with points P..., after they have
//    been played in turn from the side to move.  "none" when it finds no
//    move.
#include "engine/Problems.h"

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Tejun.h"
#include "engine/Koho.h"
#include "engine/MadeReplies.h"
#include "engine/Reading.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

void ClearArea(std::uint8_t mark)
{
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            YomiArea[x][y] = mark;
}

// The variants: the root's best value, then the candidates' values and
// reasons in the order of the row's points.
#define VORN_EDGE_REPLIES(name, best, ...)                                                                   \
    const TProblemRoutineAdd edge_##name("SelectYomiKoho:edge-" #name, +[](const std::vector<Point>& p) { \
        return RepliesTaken(p, best, {__VA_ARGS__});                                                         \
    })

// Root 20 (bar 15): 13 and 12 (captures).
VORN_EDGE_REPLIES(floor, 20, {13, kkToru}, {12, kkToru});
// Root 40 (bar 25): 80 and 30 (weak group).
VORN_EDGE_REPLIES(big80, 40, {80, kkWeakGun}, {30, kkWeakGun});
// Root 40: 90 and 85 (weak group), 82 (capture), 30 (weak group).
VORN_EDGE_REPLIES(bigcapture, 40, {90, kkWeakGun}, {85, kkWeakGun}, {82, kkToru}, {30, kkWeakGun});
// Root 20: 30, 25 and 20 (weak group).
VORN_EDGE_REPLIES(dist8, 20, {30, kkWeakGun}, {25, kkWeakGun}, {20, kkWeakGun});
// Root 20: 30 (pair answer), 25 (reason 6), 20 (life and death, reason 9).
VORN_EDGE_REPLIES(farreason, 20, {30, kkKankei}, {25, 6}, {20, kkSikatu});
// Root 20: 16 (weak group), 15 (pair answer), 14 (capture).
VORN_EDGE_REPLIES(farlim, 20, {16, kkWeakGun}, {15, kkKankei}, {14, kkToru});
// Root 20: 40, 35 and 30 (weak group), 25 (pair answer), 20 (capture).
VORN_EDGE_REPLIES(overcap, 20, {40, kkWeakGun}, {35, kkWeakGun}, {30, kkWeakGun}, {25, kkKankei}, {20, kkToru});
// Root 20: 40, 35 and 30 (weak group), 25 and 20 (captures).
VORN_EDGE_REPLIES(overcapcapture, 20, {40, kkWeakGun}, {35, kkWeakGun}, {30, kkWeakGun}, {25, kkToru}, {20, kkToru});
// Root 40 (bar 25): 24 (link, reason 3), 23 (reason 0), 22 (escape), 20
// and 18 (captures).
VORN_EDGE_REPLIES(lowreasons, 40, {24, kkKiri}, {23, 0}, {22, kkNigeru}, {20, kkToru}, {18, kkToru});
// Root 40: 24 (capture), 22 (escape), 20 (capture).
VORN_EDGE_REPLIES(low3, 40, {24, kkToru}, {22, kkNigeru}, {20, kkToru});
// Root 20: 30 down to 25 (weak group).
VORN_EDGE_REPLIES(windownear, 20, {30, kkWeakGun}, {29, kkWeakGun}, {28, kkWeakGun}, {27, kkWeakGun}, {26, kkWeakGun},
                  {25, kkWeakGun});
// Root 20: 30 down to 27 (pair answers).
VORN_EDGE_REPLIES(windowfar, 20, {30, kkKankei}, {29, kkKankei}, {28, kkKankei}, {27, kkKankei});

#undef VORN_EDGE_REPLIES

// The roots SelectRootKoho takes from a made-up table: the candidates pts
// with `made` in order, the staged search having left the reason `kind`,
// with YomiWide `wide`.
std::string EdgeRoots(const std::vector<Point>& pts, int kind, int wide, std::initializer_list<TMadeReply> made)
{
    if (pts.size() != made.size())
        throw std::invalid_argument("the variant wants " + std::to_string(made.size()) + " points");
    auto at = pts.begin();
    for (const TMadeReply& m : made)
        AddKohoEx(*at++, m.value, m.reason, Point());
    const int savedWide = YomiWide;
    YomiWide = wide;
    KohoKind = static_cast<std::uint8_t>(kind);
    const int n = SelectRootKoho();
    YomiWide = savedWide;
    std::string out;
    for (int i = 1; i <= n; ++i)
        out += (i > 1 ? " " : "") + GtpVertex(SakiRoot.Pt[i]);
    return n == 0 ? "none" : out;
}

// The variants: the staged search's reason, YomiWide, then the candidates'
// values and reasons in the order of the row's points.
#define VORN_EDGE_ROOTS(name, kind, wide, ...)                                                               \
    const TProblemRoutineAdd roots_##name("SelectRootKoho:edge-" #name, +[](const std::vector<Point>& p) { \
        return EdgeRoots(p, kind, wide, {__VA_ARGS__});                                                    \
    })

// The floor: tops of 45 and 44 (pair answers), captures just above and below.
VORN_EDGE_ROOTS(floor45, kkKankei, 10, {45, kkKankei}, {23, kkToru}, {22, kkToru});
VORN_EDGE_ROOTS(floor44, kkKankei, 10, {44, kkKankei}, {13, kkToru}, {12, kkToru});
// A top of 40 and captures of 31, 30.
VORN_EDGE_ROOTS(outside31, kkKankei, 10, {40, kkKankei}, {31, kkToru}, {30, kkToru});
// A top of 40 and pair answers of 22 down to 15.
VORN_EDGE_ROOTS(square, kkKankei, 10, {40, kkKankei}, {22, kkKankei}, {21, kkKankei}, {20, kkKankei}, {19, kkKankei},
                {18, kkKankei}, {17, kkKankei}, {16, kkKankei}, {15, kkKankei});
// YomiWide 2: pair answers of 60, 55, 50, then a capture of 49.
VORN_EDGE_ROOTS(wide50, kkKankei, 2, {60, kkKankei}, {55, kkKankei}, {50, kkKankei}, {49, kkToru});
// YomiWide 2: pair answers of 60, 55, 49, then a capture of 48.
VORN_EDGE_ROOTS(wide49, kkKankei, 2, {60, kkKankei}, {55, kkKankei}, {49, kkKankei}, {48, kkToru});
// YomiWide 1: pair answers of 60 and 40, a capture of 30.
VORN_EDGE_ROOTS(wide1, kkKankei, 1, {60, kkKankei}, {40, kkKankei}, {30, kkToru});
// The staged search left reason 17: a top of 40, then 35 (reason 17) and 34
// (reason 16).
VORN_EDGE_ROOTS(joban, kkJoban2, 10, {40, kkKankei}, {35, kkJoban2}, {34, kkJoban});
// A top of 40; pair answers of 15 and 14, a capture of 13.
VORN_EDGE_ROOTS(under15, kkKankei, 10, {40, kkKankei}, {15, kkKankei}, {14, kkKankei}, {13, kkToru});
// Far below the top: tops of 91, 88, 56 and 54 with pair answers just around
// the lines.
VORN_EDGE_ROOTS(top91, kkKankei, 10, {91, kkKankei}, {30, kkKankei}, {29, kkKankei});
VORN_EDGE_ROOTS(top88, kkKankei, 10, {88, kkKankei}, {28, kkKankei}, {27, kkKankei});
VORN_EDGE_ROOTS(top56, kkKankei, 10, {56, kkKankei}, {25, kkKankei}, {24, kkKankei});
VORN_EDGE_ROOTS(top54, kkKankei, 10, {54, kkKankei}, {24, kkKankei}, {23, kkKankei});
// The staged search's reason 4 or 9: a top of 40, then 35 (reason 9), 34
// (peep, 14), 33 (reason 6), 32 (reason 10).
VORN_EDGE_ROOTS(kind4, kkTugi, 10, {40, kkKankei}, {35, kkSikatu}, {34, kkNozoki}, {33, 6}, {32, kkSikatuYomi});
VORN_EDGE_ROOTS(kind9, kkSikatu, 10, {40, kkKankei}, {35, kkSikatu}, {34, kkNozoki}, {33, 6}, {32, kkSikatuYomi});

#undef VORN_EDGE_ROOTS

// The root SakiyomiChoose takes among three roots read, the row's points,
// with the scores 5, 9 and 7, all of the pair-answer reason, and the line
// lengths of the variant.
template <int L1, int L2, int L3>
std::string ChooseAmongThree(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("the choice wants three roots");
    constexpr int kScores[] = {5, 9, 7}, kLens[] = {L1, L2, L3};
    const TSakiRootList savedRoots = SakiRoot;
    Arr<int, 1, kMaxSakiRoot> score{};
    SakiRoot = TSakiRootList{};
    for (int i = 1; i <= 3; ++i) {
        SakiRoot.Pt[i] = pts[i - 1];
        SakiRoot.Len[i] = kLens[i - 1];
        SakiRoot.Kind[i] = kkKankei;
        score[i] = kScores[i - 1];
    }
    SakiRoot.Count = 3;
    const Point chosen = SakiyomiChoose(3, score);
    SakiRoot = savedRoots;
    return GtpVertex(chosen);
}

const TProblemRoutineAdd choose2("SakiyomiChoose:edge-lens-2-3-3", ChooseAmongThree<2, 3, 3>);
const TProblemRoutineAdd choose1("SakiyomiChoose:edge-lens-1-3-3", ChooseAmongThree<1, 3, 3>);
const TProblemRoutineAdd choose363("SakiyomiChoose:edge-lens-3-6-3", ChooseAmongThree<3, 6, 3>);
const TProblemRoutineAdd choose353("SakiyomiChoose:edge-lens-3-5-3", ChooseAmongThree<3, 5, 3>);
const TProblemRoutineAdd choose463("SakiyomiChoose:edge-lens-4-6-3", ChooseAmongThree<4, 6, 3>);
const TProblemRoutineAdd choose364("SakiyomiChoose:edge-lens-3-6-4", ChooseAmongThree<3, 6, 4>);
const TProblemRoutineAdd choose331("SakiyomiChoose:lens-3-3-1", ChooseAmongThree<3, 3, 1>);
const TProblemRoutineAdd choose132("SakiyomiChoose:lens-1-3-2", ChooseAmongThree<1, 3, 2>);

// The look-ahead on a table of two captures, `first` added before
// `second`; with `sorted` the table is sorted and the look-ahead starts
// from its top, else from the point the staged selection chose.  Answers
// the point chosen and "at-once" when no tree node was read, else "read".
std::string LookAheadOnTwo(Point first, int v1, Point second, int v2, bool sorted)
{
    AddKohoEx(first, v1, kkToru, Point());
    AddKohoEx(second, v2, kkToru, Point());
    if (sorted)
        SortKoho();
    Point top;
    SelectKoho(0, top);
    KohoKind = kkKankei;
    const long long before = ThinkYomiCount;
    const std::uint8_t savedIn = InSakiyomi;
    InSakiyomi = 1;
    Point out;
    Sakiyomi(sorted ? Koho.Pt[1] : top, out);
    InSakiyomi = savedIn;
    return GtpVertex(out) + (ThinkYomiCount == before ? " at-once" : " read");
}

// The row's first point worth 40, the second worth V.
template <int V>
std::string SearchTwoCaptures(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the search wants two captures");
    return LookAheadOnTwo(pts[0], 40, pts[1], V, true);
}

// "Sakiyomi:top-added-last P Q": the captures in the order the staged
// search left them, Q worth 29 first and P worth 40 second, P the point the
// search chose.
std::string TopAddedLast(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the search wants the top P and the other root Q");
    return LookAheadOnTwo(pts[1], 29, pts[0], 40, false);
}

const TProblemRoutineAdd topAddedLast("Sakiyomi:top-added-last", TopAddedLast);

std::string SingleRoot(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the roots want the one candidate P");
    AddKohoEx(pts[0], 40, kkKankei, Point());
    KohoKind = kkKankei;
    const int n = SelectRootKoho();
    return n == 0 ? std::string("none") : GtpVertex(SakiRoot.Pt[1]) + (n > 1 ? " more" : "");
}

const TProblemRoutineAdd singleRoot("SelectRootKoho:single", SingleRoot);
const TProblemRoutineAdd shortcut29("Sakiyomi:edge-capture29", SearchTwoCaptures<29>);

// The best value of the look-ahead's move choice and its point, for the side
// to move, or after the row's points have been played in turn from the side
// to move.
std::string BestInLookAhead(const std::vector<Point>& pts)
{
    const std::uint8_t savedIn = InSakiyomi;
    ClearArea(1);
    InSakiyomi = 1;
    TYomiSame line;
    for (const Point p : pts)
        if (!line.Play(GobanLv[0]->Tejun.NextColor(), p))
            throw std::invalid_argument("a point of the line is refused");
    Point t;
    ThinkYomi(t);
    const int best = KohoBestValue;
    line.BackAll();
    YomiUnwind();
    InSakiyomi = savedIn;
    return t.x <= 0 ? "none" : std::to_string(best) + ' ' + GtpVertex(t);
}

const TProblemRoutineAdd bestInLookAhead("ThinkYomi:best", BestInLookAhead);

} // namespace
} // namespace vorn::test
