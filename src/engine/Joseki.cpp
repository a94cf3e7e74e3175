#include "engine/Joseki.h"

#include <array>
#include <fstream>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Rand.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn {

TLjsk ZenbanLjsk;
TLjsk JosekiLjsk;

int ZenbanRec = 1;
int ZenbanCount = 0;
std::uint8_t ZenbanOff = 0;
std::uint8_t ZenbanSwap = 0;
std::uint8_t ZenbanMirrorX = 0;
std::uint8_t ZenbanMirrorY = 0;

namespace {
Point g_zenbanFirst; // the first move followed in the whole-board book
} // namespace

Arr<Arr<TJskNode, 0, kJskChain - 1>, 1, 4> JosekiCache{};
Arr<int, 1, 4> JosekiCacheCount{};
Arr<Arr<TJskNode, 0, kJskChain - 1>, 1, 4> JosekiTenuki{};
Arr<int, 1, 4> JosekiTenukiCount{};
Arr<int, 1, 4> JosekiNextIro{};
Arr<int, 1, 4> JosekiDepth{};
Arr<Arr<int, 0, kJskPath>, 1, 4> JosekiPath{};
Arr<std::uint8_t, 1, 4> JosekiFlip{};
Arr<std::uint8_t, 1, 4> JosekiOrientFixed{};
Arr<Point, 1, 4> JosekiExtent{};
Arr<Point, 1, 4> JosekiPrevPt{};
Point JosekiLastPt{};
std::uint8_t JosekiOff = 0;
Arr<Point, 1, 30> JosekiTeList{};
int JosekiTeCount = 0;
Arr<std::uint8_t, 1, 4> JosekiCornerFlag{};

// ---------------------------------------------------------------------------
// Records

void JskDecode(const std::uint8_t* b, TJskNode& n)
{
    auto i32 = [](const std::uint8_t* p) {
        const std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
                                | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
        return static_cast<std::int32_t>(u);
    };
    n.X = b[0];
    n.Y = b[1];
    n.Mark = b[2];
    n.Weight = b[3];
    n.Child = i32(b + 4);
    n.Next = i32(b + 8);
}

void JskEncode(const TJskNode& n, std::uint8_t* b)
{
    auto put = [](std::int32_t v, std::uint8_t* p) {
        const std::uint32_t u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            p[i] = static_cast<std::uint8_t>(u >> (8 * i));
    };
    b[0] = n.X;
    b[1] = n.Y;
    b[2] = n.Mark;
    b[3] = n.Weight;
    put(n.Child, b + 4);
    put(n.Next, b + 8);
}

// ---------------------------------------------------------------------------
// TLjsk

bool JskReadFile(const std::string& fileName, std::vector<TJskNode>& records)
{
    records.clear();
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return false;
    std::uint8_t buf[kJskRecordSize];
    while (static_cast<long>(records.size()) < kJskMaxRecords
           && in.read(reinterpret_cast<char*>(buf), kJskRecordSize)) {
        TJskNode n;
        JskDecode(buf, n);
        records.push_back(n);
    }
    // A trailing partial record is ignored; a read error empties the list.
    if (in.bad()) {
        records.clear();
        return false;
    }
    return true;
}

bool TLjsk::Open(const std::string& fileName, int mode)
{
    Close();
    FMode = mode;
    if (!JskReadFile(fileName, Records))
        return false;
    OpenFlag = true;
    return true;
}

void TLjsk::OpenRecords(const std::vector<TJskNode>& records, int mode)
{
    Close();
    FMode = mode;
    Records = records;
    if (static_cast<long>(Records.size()) > kJskMaxRecords)
        Records.resize(static_cast<std::size_t>(kJskMaxRecords));
    OpenFlag = true;
}

void TLjsk::Close()
{
    Records.clear();
    Records.shrink_to_fit();
    CacheCount = 0;
    OpenFlag = false;
}

int TLjsk::ReadSiblings(int rec)
{
    CacheCount = 0;
    if (!OpenFlag)
        return 0;
    const int n = RecordCount();
    // Record 0 is never a node: a child of 0 means no reply.
    while (rec >= 1 && rec < n && CacheCount < kJskChain) {
        // A chain that comes back to one of its own records is cut there.
        for (int i = 0; i < CacheCount; ++i)
            if (CacheRec[i] == rec)
                return CacheCount;
        Cache[CacheCount] = Records[static_cast<std::size_t>(rec)];
        CacheRec[CacheCount] = rec;
        ++CacheCount;
        rec = Records[static_cast<std::size_t>(rec)].Next;
    }
    return CacheCount;
}

int TLjsk::FindChild(Point p) const
{
    for (int i = 0; i < CacheCount; ++i)
        if (Cache[i].X == p.x && Cache[i].Y == p.y)
            return Cache[i].Child > 0 ? Cache[i].Child : 0;
    return 0;
}

void TLjsk::RandomKoho(Point& out) const
{
    Arr<Point, 1, kJskProposable> list{};
    int n = 0;
    for (int i = 0; i < CacheCount && n < kJskProposable; ++i)
        if (Cache[i].Mark == 0)
            list[++n] = Point(Cache[i].X, Cache[i].Y);
    out = n == 0 ? Point() : list[Random(n) + 1];
}

// ---------------------------------------------------------------------------
// Geometry

namespace {

// The side to move in the game.
int SideToMove() { return GobanLv[0]->Tejun.NextColor(); }

// A point a dictionary yields may be played now by the side to move.
bool Playable(Point p) { return CanUtuXY(SideToMove(), p.x, p.y); }

} // namespace

Point ZenbanToDict(Point p)
{
    const int n1 = BoardSize + 1;
    if (!ZenbanSwap)
        return Point(ZenbanMirrorX ? n1 - p.x : p.x, ZenbanMirrorY ? n1 - p.y : p.y);
    return Point(ZenbanMirrorX ? n1 - p.y : p.y, ZenbanMirrorY ? n1 - p.x : p.x);
}

Point ZenbanFromDict(Point p)
{
    const int n1 = BoardSize + 1;
    const int a = ZenbanMirrorX ? n1 - p.x : p.x; // undo the mirrors first
    const int b = ZenbanMirrorY ? n1 - p.y : p.y;
    return ZenbanSwap ? Point(b, a) : Point(a, b);
}

Point JosekiToCorner(Point p, int c)
{
    Point l = p;
    if (c == 2 || c == 3)
        l.x = 20 - l.x;
    if (c == 3 || c == 4)
        l.y = 20 - l.y;
    if (c >= 1 && c <= 4 && JosekiFlip[c])
        l = Point(l.y, l.x);
    return l;
}

Point JosekiFromCorner(Point p, int c)
{
    Point b = p;
    if (c >= 1 && c <= 4 && JosekiFlip[c])
        b = Point(b.y, b.x);
    if (c == 2 || c == 3)
        b.x = 20 - b.x;
    if (c == 3 || c == 4)
        b.y = 20 - b.y;
    return b;
}

// ---------------------------------------------------------------------------
// Game start

namespace {

void JosekiOkiIsi()
{
    static constexpr Point kOki[8] = {{16, 4}, {4, 16}, {16, 16}, {4, 4}, {16, 10}, {4, 10}, {10, 4}, {10, 16}};
    static constexpr int kFrom[8] = {2, 2, 3, 4, 6, 6, 8, 8};
    for (int i = 0; i < 8; ++i)
        if (Handicap >= kFrom[i])
            JosekiFeed(kOki[i], kKuro);
}

void CopyChain(const TLjsk& d, Arr<TJskNode, 0, kJskChain - 1>& list, int& count)
{
    count = d.Count();
    for (int i = 0; i < count; ++i)
        list[i] = d.GetNode(i);
}

} // namespace

void JosekiStart()
{
    Randomize();
    ZenbanRec = 1;
    ZenbanLjsk.ReadSiblings(ZenbanRec);
    ZenbanOff = 0;
    ZenbanCount = 0;
    ZenbanSwap = ZenbanMirrorX = ZenbanMirrorY = 0;
    g_zenbanFirst = Point();

    // The corner book assumes 19 lines (its mirror is 20 - v): on smaller
    // boards it stays empty and switched off.
    const bool corners = BoardSize == 19;
    JosekiOff = corners ? 0 : 1;
    JosekiLastPt = Point();
    JosekiTeCount = 0;
    JosekiLjsk.ReadSiblings(1);
    for (int c = 1; c <= 4; ++c) {
        JosekiExtent[c] = Point(10, 10);
        JosekiDepth[c] = 0;
        JosekiPath[c].Fill(0);
        JosekiPath[c][0] = 1;
        if (corners)
            CopyChain(JosekiLjsk, JosekiCache[c], JosekiCacheCount[c]);
        else
            JosekiCacheCount[c] = 0;
        JosekiTenukiCount[c] = 0;
        JosekiNextIro[c] = 0;
        JosekiFlip[c] = 0;
        JosekiOrientFixed[c] = 0;
        JosekiPrevPt[c] = Point();
        JosekiCornerFlag[c] = 0;
    }
    // The flag is cleared first, so that the handicap stones reach the trees.
    if (corners)
        JosekiOkiIsi();
}

void JosekiOpenGame()
{
    if (BoardSize == 19)
        ZenbanLjsk.Open(ExeDir + kZenbanFile19, kJskWhole);
    else if (BoardSize == 9)
        ZenbanLjsk.Open(ExeDir + kZenbanFile9, kJskWhole);
    else
        ZenbanLjsk.Close();
    JosekiLjsk.Open(ExeDir + kJosekiFile, kJskCorner);
    JosekiStart();
}

void JosekiCloseGame()
{
    ZenbanLjsk.Close();
    JosekiLjsk.Close();
}

// ---------------------------------------------------------------------------
// Corner following

namespace {

int FindIn(const Arr<TJskNode, 0, kJskChain - 1>& list, int count, Point l, bool& found)
{
    for (int i = 0; i < count; ++i)
        if (list[i].X == l.x && list[i].Y == l.y) {
            found = true;
            return list[i].Child > 0 ? list[i].Child : 0;
        }
    found = false;
    return 0;
}

} // namespace

void JosekiFeed(Point p, int colour)
{
    JosekiLastPt = Point();
    if (JosekiOff == 1 || BoardSize != 19 || !GobanLv[0]->OnBoardPt(p))
        return;
    for (int c = 1; c <= 4; ++c) {
        Point l = JosekiToCorner(p, c);
        if (l.x > JosekiExtent[c].x || l.y > JosekiExtent[c].y || JosekiCacheCount[c] == 0)
            continue;
        // The same side twice in this corner: the other side played elsewhere.
        const bool tenuki = JosekiNextIro[c] != 0 && JosekiNextIro[c] != colour;
        const auto& list = tenuki ? JosekiTenuki[c] : JosekiCache[c];
        const int count = tenuki ? JosekiTenukiCount[c] : JosekiCacheCount[c];
        bool found = false;
        int child = FindIn(list, count, l, found);
        // The book holds one of each pair of mirror-image lines: the first move
        // off the diagonal decides which way this corner is read.
        if (!JosekiOrientFixed[c] && l.x != l.y) {
            if (!found) {
                JosekiFlip[c] = 1;
                l = Point(l.y, l.x);
                child = FindIn(list, count, l, found);
            }
            JosekiOrientFixed[c] = 1;
        }
        JosekiAdvance(c, child, colour);
        if (JosekiPrevPt[c] == Point(4, 4) && l == Point(6, 3))
            JosekiKakariCheck(c);
        JosekiPrevPt[c] = l;
        JosekiLastPt = p;
    }
}

void JosekiAdvance(int c, int child, int colour)
{
    JosekiCacheCount[c] = 0;
    JosekiTenukiCount[c] = 0;
    JosekiNextIro[c] = Aite(colour);
    ++JosekiDepth[c];
    if (JosekiDepth[c] <= kJskPath)
        JosekiPath[c][JosekiDepth[c]] = child;
    if (child <= 0)
        return;
    JosekiLjsk.ReadSiblings(child);
    CopyChain(JosekiLjsk, JosekiCache[c], JosekiCacheCount[c]);
    for (int i = 0; i < JosekiCacheCount[c]; ++i) {
        const TJskNode& n = JosekiCache[c][i];
        if (IsTenukiNode(n)) {
            if (JosekiTenukiCount[c] == 0 && n.Child > 0) {
                JosekiLjsk.ReadSiblings(n.Child);
                CopyChain(JosekiLjsk, JosekiTenuki[c], JosekiTenukiCount[c]);
            }
            continue;
        }
        if (n.X > JosekiExtent[c].x)
            JosekiExtent[c].x = n.X;
        if (n.Y > JosekiExtent[c].y)
            JosekiExtent[c].y = n.Y;
    }
}

void JosekiKakariCheck(int c)
{
    // The engine's own 4-4 stone, approached low at (6,3): a far pincer at
    // (10,3) works when an own stone waits at the far end of that side (12 or
    // 13 steps along it, the 3-4 or 4-4 point of the next corner), and then
    // the knight's-move answers (3,6) and (3,7) are no longer proposed.
    const int own = JibunIro;
    const TGoban& b = *GobanLv[0];
    const Point hosi = JosekiFromCorner(Point(4, 4), c);
    const Point kakari = JosekiFromCorner(Point(6, 3), c);
    if (own != kKuro && own != kSiro)
        return;
    if (b.GetIroPt(hosi) != own)
        return;
    // The two lines along the side: out[2k] on the 4-4 stone's line,
    // out[2k + 1] on the approach stone's line, k steps from the 4-4 stone.
    std::array<Point, 6> box;
    BetweenRows(hosi, kakari, box);
    Point hosiLine[2] = {box[2], box[4]};
    Point kakariLine[2] = {box[3], box[5]};
    int found = 0;
    Point stone;
    for (int step = 3; step <= 13 && found == 0; ++step) {
        const Point k = StepBeyond(kakariLine[0], kakariLine[1]);
        const Point h = StepBeyond(hosiLine[0], hosiLine[1]);
        kakariLine[0] = kakariLine[1], kakariLine[1] = k;
        hosiLine[0] = hosiLine[1], hosiLine[1] = h;
        for (Point p : {k, h}) {
            const int col = b.GetIroPt(p);
            if (found == 0 && (col == kKuro || col == kSiro)) {
                found = step;
                stone = p;
            }
        }
    }
    if (found < 12 || b.GetIroPt(stone) != own)
        return;
    for (int i = 0; i < JosekiCacheCount[c]; ++i) {
        TJskNode& n = JosekiCache[c][i];
        if (n.X == 10 && n.Y == 3 && n.Mark == 1)
            n.Mark = 0;
        else if (n.X == 3 && (n.Y == 6 || n.Y == 7) && n.Mark == 0)
            n.Mark = 1;
    }
}

// ---------------------------------------------------------------------------
// Whole-board following

void ZenbanFollow(Point p)
{
    if (ZenbanOff || (BoardSize != 19 && BoardSize != 9))
        return;
    int child = ZenbanLjsk.FindChild(ZenbanToDict(p));
    // The first move (on 9x9 also the second after an opening at the centre,
    // which every orientation maps to itself) may match the book in any of
    // the eight orientations; the first that matches is kept.
    const bool center9 = BoardSize == 9 && ZenbanCount == 1 && g_zenbanFirst == Point(5, 5);
    if (child == 0 && (ZenbanCount == 0 || center9)) {
        for (int mx = 0; mx <= 1 && child == 0; ++mx)
            for (int my = 0; my <= 1 && child == 0; ++my)
                for (int sw = 0; sw <= 1 && child == 0; ++sw) {
                    ZenbanMirrorX = static_cast<std::uint8_t>(mx);
                    ZenbanMirrorY = static_cast<std::uint8_t>(my);
                    ZenbanSwap = static_cast<std::uint8_t>(sw);
                    child = ZenbanLjsk.FindChild(ZenbanToDict(p));
                }
    }
    if (child == 0) {
        ZenbanOff = 1;
        return;
    }
    if (ZenbanCount == 0)
        g_zenbanFirst = p;
    ++ZenbanCount;
    ZenbanRec = child;
    ZenbanLjsk.ReadSiblings(ZenbanRec);
}

void ZenbanKoho(Point& out)
{
    out = Point();
    if (ZenbanOff)
        return;
    if ((BoardSize != 19 && BoardSize != 9) || Handicap >= 2) {
        ZenbanOff = 1;
        return;
    }
    if (ZenbanLjsk.ReadSiblings(ZenbanRec) == 0)
        return;
    Point d;
    ZenbanLjsk.RandomKoho(d);
    if (d.x == 0)
        return;
    Point p = ZenbanFromDict(d);
    if (BoardSize == 9 && GobanLv[0]->Tejun.Current() == 0) {
        if (Random(2) == 1)
            p = Point(10 - p.x, 10 - p.y);
        if (Random(2) == 1)
            p = Point(p.y, p.x);
    }
    if (Playable(p))
        out = p;
}

// ---------------------------------------------------------------------------
// Proposals

void JosekiTe(Point& out)
{
    out = Point();
    JosekiTeCount = 0;
    if (JosekiOff == 1 || BoardSize != 19 || JosekiLastPt.x == 0)
        return;
    const int c = Quadrant(JosekiLastPt);
    if (JosekiDepth[c] < 2 || JosekiNextIro[c] != SideToMove())
        return;
    for (int i = 0; i < JosekiCacheCount[c] && JosekiTeCount < 30; ++i) {
        const TJskNode& n = JosekiCache[c][i];
        if (n.Mark != 0 || IsTenukiNode(n))
            continue;
        const Point b = JosekiFromCorner(Point(n.X, n.Y), c);
        if (!Playable(b))
            continue;
        JosekiTeList[++JosekiTeCount] = b;
    }
    for (int i = 1; i <= JosekiTeCount; ++i)
        AddKoho(JosekiTeList[i], 25, 49);
    if (JosekiTeCount > 0)
        out = JosekiTeList[Random(JosekiTeCount) + 1];
}

void JosekiKoho()
{
    KohoKind = kkJoseki;
    if (JosekiOff)
        return;
    if (BoardSize != 19) {
        JosekiOff = 1;
        return;
    }
    JosekiCornerFlag.Fill(0);
    JosekiKohoAll();
    if (JosekiCacheCount[1] == 0 && JosekiCacheCount[2] == 0 && JosekiCacheCount[3] == 0
        && JosekiCacheCount[4] == 0)
        JosekiOff = 1;
}

void JosekiKohoAll()
{
    const int q = JosekiLastPt.x == 0 ? 0 : Quadrant(JosekiLastPt);
    const int s = SideToMove();
    for (int c = 1; c <= 4; ++c) {
        // The same side to play twice here: the answers after a tenuki.
        const bool tenuki = JosekiNextIro[c] != 0 && JosekiNextIro[c] != s;
        const auto& list = tenuki ? JosekiTenuki[c] : JosekiCache[c];
        const int count = tenuki ? JosekiTenukiCount[c] : JosekiCacheCount[c];
        for (int i = 0; i < count; ++i) {
            const TJskNode& n = list[i];
            if (n.Mark != 0 || IsTenukiNode(n))
                continue;
            const Point b = JosekiFromCorner(Point(n.X, n.Y), c);
            const int bonus = n.Weight / 2 + (Quadrant(b) == q && JosekiDepth[c] > 1 ? 2 : 0);
            auto add = [&](Point p) {
                if (!Playable(p))
                    return;
                AddKoho(p, 25, bonus);
                JosekiCornerFlag[c] = 1;
            };
            add(b);
            // While the corner's orientation is open, the mirror image too.
            if (!JosekiOrientFixed[c] && n.X != n.Y)
                add(JosekiFromCorner(Point(n.Y, n.X), c));
        }
    }
}

void JosekiReset()
{
    JosekiCloseGame();
    ZenbanRec = 1;
    ZenbanCount = 0;
    ZenbanOff = 0;
    ZenbanSwap = ZenbanMirrorX = ZenbanMirrorY = 0;
    g_zenbanFirst = Point();
    for (int c = 1; c <= 4; ++c) {
        JosekiCacheCount[c] = 0;
        JosekiTenukiCount[c] = 0;
        JosekiNextIro[c] = 0;
        JosekiDepth[c] = 0;
        JosekiPath[c].Fill(0);
        JosekiFlip[c] = 0;
        JosekiOrientFixed[c] = 0;
        JosekiExtent[c] = Point(10, 10);
        JosekiPrevPt[c] = Point();
        JosekiCornerFlag[c] = 0;
    }
    JosekiLastPt = Point();
    JosekiOff = 0;
    JosekiTeCount = 0;
}

} // namespace vorn
