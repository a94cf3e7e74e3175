#include "engine/PairAnswer.h"

#include "board/Array.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "engine/CaptureAnswer.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Toru.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/Kankei10Utu.h"
#include "engine/links/Kankei6Utu.h"
#include "engine/shapes/Kankei13.h"
#include "engine/shapes/Kankei5.h"
#include "engine/shapes/Kankei8.h"
#include "engine/shapes/Kankei11.h"
#include "engine/shapes/Kankei4.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/Kosumi.h"
#include "engine/shapes/Ogeima.h"

namespace vorn {

namespace {

// The double-threat scan looks at this many small candidates at most.
constexpr int kMaxDoubleScan = 10;
// A candidate this small may be half of a double threat.
constexpr int kDoubleScanValueMax = 10;
// Two moves in a row worth more than this are a real double threat.
constexpr int kDoubleThreatValue = 25;

} // namespace

TPairSources PairSources{PairRelationHandler};

void PairAnswerReset() { PairSources = TPairSources{PairRelationHandler}; }

void PairAnswerKind(int kind, Point a, Point b)
{
    // The handler may leave its reading on the boards.
    TYomiKeep keep;
    KohoKind = kkKankei;
    PairSources.Relation(kind, a, b);
}

void PairRelationHandler(int kind, Point a, Point b)
{
    // Adjacent stones, the (2,4) shape and the relations of empty points
    // are no links.
    using THandler = void (*)(Point, Point);
    static constexpr THandler kHandlers[kPairJi] = {
        nullptr,       //  0
        nullptr,       //  1 adjacent
        KosumiRenraku, //  2 diagonal
        IkkenRenraku,  //  3 one-space jump
        KeimaRenraku,  //  4 knight's move
        Kankei5Utu,    //  5 (2,2) diagonal
        Kankei6Utu,    //  6 two-space jump
        Kankei7Utu,    //  7 large knight's move
        Kankei8Utu,    //  8 (2,3)
        nullptr,       //  9
        Kankei10Utu,   // 10 three-space jump
        Kankei11Utu,   // 11 (1,4)
        nullptr,       // 12 (2,4)
        Kankei13Utu,   // 13 (3,3) diagonal
        // 14 to 19: none
    };
    if (kind >= 0 && kind < kPairJi && kHandlers[kind] != nullptr)
        kHandlers[kind](a, b);
}

void PairAnswerCapture(int kind, Point a, Point b)
{
    KohoKind = kkToru;
    // Chains in atari and ladders are the chain tactics' matter.
    if (kind == kPairGeta || kind == kPairAtari2)
        PairAnswerKind2(kind, a, b);
}

void PairAnswerKind2(int kind, Point a, Point b)
{
    TYomiKeep keep;
    switch (kind) {
    case kPairAtariNige:
        AtariNigeAnswer(a, b);
        break;
    case kPairSicho:
        SichoAnswer(a, b);
        break;
    case kPairGeta:
        GetaAnswer(a, b);
        break;
    case kPairAtari2:
        Atari2Answer(a);
        break;
    default:
        break;
    }
}

void PairAnswer(Point& out)
{
    out = Point{};
    TYomiKeep keep;
    TGoban& board = CurGoban();
    // A link pair names the threatened stone second and its partner first; a
    // capture pair its key point first and the chain's stone second.
    for (int i = 1; i <= board.PairCount(); ++i) {
        if (board.PairFlag(i) == 1)
            continue;
        const int kind = board.PairKind(i);
        const Point pa = board.PairPointA(i), pb = board.PairPointB(i);
        if (kind < kPairJi)
            PairAnswerKind(kind, pb, pa);
        else
            PairAnswerCapture(kind, pa, pb);
        board.SetPairFlag(i, 1);
        keep.Restore();
    }
    KohoDoubleScan(kkKiri);
    KohoDoubleScan(kkTugi);
    if (InSakiyomi != 1) {
        Point ignored;
        Kankei4Think(ignored);
        keep.Restore();
    }
    if (KohoCount > 0)
        SelectKoho(kSelectMiddle, out);
}

void KohoDoubleScan(std::uint8_t reason)
{
    Arr<Point, 1, kMaxDoubleScan> pts{};
    int n = 0;
    for (int i = 1; i <= KohoCount && n < kMaxDoubleScan; ++i) {
        if (Koho.Kind[i] != reason || Koho.Value[i] < 0 || Koho.Value[i] > kDoubleScanValueMax)
            continue;
        bool seen = false;
        for (int k = 1; k <= n; ++k)
            seen = seen || pts[k] == Koho.Pt[i];
        if (!seen)
            pts[++n] = Koho.Pt[i];
    }
    if (n < 2)
        return;
    // Cuts are read as the opponent's double move against us, our links as
    // our own double move.
    const int c = reason == kkKiri ? AiteIro : JibunIro;
    if (c != kKuro && c != kSiro)
        return;
    Arr<int, 1, kMaxDoubleScan> hits{};
    Arr<int, 1, kMaxDoubleScan> best{};
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            TYomiKeep pair;
            if (!ToruPushPlay(c, pts[i]) || !ToruPlay(c, pts[j]))
                continue;
            const int e = Hyoka(c);
            if (e <= kDoubleThreatValue)
                continue;
            for (int k : {i, j}) {
                ++hits[k];
                if (e > best[k])
                    best[k] = e;
            }
        }
    int m = 0;
    for (int k = 1; k <= n; ++k)
        if (hits[k] > m)
            m = hits[k];
    if (m == 0)
        return;
    int divisor = 1;
    if (m == 1) {
        // A pair that threatens only together: the opponent answers one.
        if (reason == kkKiri)
            return;
        divisor = 4;
    }
    for (int k = 1; k <= n; ++k)
        if (hits[k] == m)
            AddKoho(pts[k], best[k] / divisor, 0);
}

} // namespace vorn
