// The routines the shape harnesses run.  A new shape generator adds its
// handlers, stage routines and symmetry positions to these tables.
#include <cstdint>

#include "engine/shapes/ShapeHarness.h"

#include "board/Between.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/LinkUtil.h"

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
};

constexpr TContractStage kStages[] = {
    {"EmptyThink", EmptyThink, 0},
};

// --- Symmetry positions ------------------------------------------------------------

constexpr TSymmetryCase kSymmetry[] = {
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
};

} // namespace

std::span<const TContractHandler> ContractHandlers() { return kHandlers; }
std::span<const TContractStage> ContractStages() { return kStages; }
std::span<const TSymmetryCase> SymmetryCases() { return kSymmetry; }

} // namespace vorn::test
