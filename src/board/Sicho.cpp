#include "board/Sicho.h"

#include <algorithm>
#include <utility>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Kankei.h"
#include "board/Ren.h"
#include "board/Yomi.h"
#include "engine/Koho.h"

namespace vorn {

Arr<Point, 1, kMaxSichoYomi> SichoYomiTejun{};
int SichoYomiCount = 0;
std::uint8_t SichoLastResult = 0;
int SichoDepth = 0;
int SichoBaseLevel = 0;
Point SichoToruPt{};
Arr<Point, 1, kMaxGeta> GetaTejun{};
int GetaCount = 0;
std::uint8_t SiboruFlag = 0;
std::uint8_t GetaFlag = 0;
int SichoKind = 0;

void SichoReset()
{
    SichoYomiTejun.Fill(Point());
    SichoYomiCount = 0;
    SichoLastResult = 0;
    SichoDepth = 0;
    SichoBaseLevel = 0;
    SichoToruPt = Point();
    GetaTejun.Fill(Point());
    GetaCount = 0;
    SiboruFlag = 0;
    GetaFlag = 0;
    SichoKind = 0;
}

namespace {

// Lines stored by RecordLine since the start: a try that fails drops the
// caught line it stored itself.
int sichoStored = 0;

// SichoRecord; `refused` is the defender's last reply tried when the board
// refused it (it then stands in the line, which ends with the chain's
// liberty), else (0, 0).
void RecordLine(std::uint8_t r, Point refused);

// The chain at p on the board of the current level; nullptr off the board or
// on an empty point.
inline TRen* ChainAt(Point p) { return CurGoban().RenList.RenAtPt(p); }

inline int EmptyAround(Point p)
{
    TIroCounts n;
    CountNeighbour(p, n);
    return n[kAki];
}

// The first two liberties of a chain, in the order of its liberty list.
inline void TwoLiberties(TRen* ren, Point (&lib)[2])
{
    lib[0] = ren->GetKuu(1);
    lib[1] = ren->GetKuu(2);
}

// Some chain next to ren is in atari, so its owner can capture.
bool HasAtariNeighbour(const TRen* ren)
{
    const TRenList& list = CurGoban().RenList;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        const TRen* m = list.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 1)
            return true;
    }
    return false;
}

// Writes a status and its sequence into the chain at p of the current board.
// A chain list that no longer matches the board may have no chain there, or
// one of the other colour: then nothing is written.
void WriteStatus(Point p, int status, const Point* seq, int n)
{
    TGoban& b = CurGoban();
    TRen* ren = b.RenList.RenAtPt(p);
    if (ren == nullptr || ren->GetIro() != b.GetIroPt(p))
        return;
    ren->SetSicho(status);
    ren->SetSichoTejun(seq, n);
}

// The attacker's stone at p would be left in atari.  The ladder's level keeps
// its chains move by move but not the analysis tables, so the test reads the
// chains: a move that captures is never a self-atari here, otherwise the new
// chain's liberties are the empty neighbours and those of the own chains it
// joins.
bool AttackerSelfAtari(int c, Point p)
{
    const TGoban& b = CurGoban();
    Point first;
    int su = 0;
    auto add = [&](Point q) {
        if (q == p || (su == 1 && q == first))
            return;
        if (su == 0)
            first = q;
        ++su;
    };
    for (int d = 1; d <= 4 && su < 2; ++d) {
        const Point q(p.x + Dir4X[d], p.y + Dir4Y[d]);
        const int col = b.GetIroPt(q);
        if (col == kAki) {
            add(q);
            continue;
        }
        if (!IsStone(col))
            continue;
        TRen* r = b.RenList.RenAtPt(q);
        if (r == nullptr)
            continue;
        if (col != c) {
            if (r->Kuu() == 1)
                return false; // captures
            continue;
        }
        for (int i = 1; i <= r->Kuu() && su < 2; ++i)
            add(r->GetKuu(i));
    }
    return su < 2;
}

// The ladder's own level: a copy of the current board one level up, with
// fresh chains that the moves keep up to date.  Level, the ladder flag and
// the chain-update switch return to what they were when the scope ends, also
// when a fault throws out of the reading.
class TSichoLevel {
public:
    TSichoLevel() : level_(Level), flag_(SichoYomiFlag), sabun_(RenSabun)
    {
        SichoYomiFlag = 1;
        ++Level;
        TGoban& b = *GobanLv[Level];
        b.CopyBan(*GobanLv[Level - 1]);
        b.RenList.Rebuild(); // clears RenSabun
        RenSabun = 1;
        SichoBaseLevel = Level;
        SichoDepth = 0;
        SichoYomiCount = 0;
        SichoLastResult = 0;
    }
    ~TSichoLevel()
    {
        RenSabun = sabun_;
        Level = level_;
        SichoYomiFlag = flag_;
    }
    TSichoLevel(const TSichoLevel&) = delete;
    TSichoLevel& operator=(const TSichoLevel&) = delete;

private:
    int level_;
    std::uint8_t flag_;
    std::uint8_t sabun_;
};

// Plays c at p on a new level; false when refused or when no level is left
// (then nothing was played).
bool PushPlay(int c, Point p) { return Level < kMaxLevel && YomiPushUtu(c, p); }

// Takes back the last move; when it opened a level above `level`, the level
// closes with it.
void TakeBack(int level)
{
    YomiModosu();
    if (Level > level && CurGoban().Tejun.Current() == 0)
        Level = level;
}

void AddGeta(Point p)
{
    if (GetaCount < kMaxGeta)
        GetaTejun[++GetaCount] = p;
}

// The defender, out of a net, extends at l: 1 when that escape is caught.
// Played on the net's level and taken back.
int NetEscapeCaught(Point l, int att, int def)
{
    const int lv = Level;
    if (!YomiUtu(def, l))
        return 1; // it cannot extend there at all
    CurGoban().RenMake();
    int si = SichoCheck(l);
    if (si == 0) {
        // The ladder fails.  When one of the two ways on is a narrow one, the
        // attacker blocks the wide one and both remaining extensions are read.
        Point e[4];
        if (ListNeighbour(l, kAki, e) == 2) {
            const int n1 = EmptyAround(e[0]), n2 = EmptyAround(e[1]);
            Point block;
            if (n1 >= 2 && n2 == 1)
                block = e[0];
            else if (n1 == 1 && n2 >= 2)
                block = e[1];
            if (block.x != 0 && YomiUtu(att, block)) {
                CurGoban().RenMake();
                TRen* ren = ChainAt(l);
                const int k = ren == nullptr ? 0 : std::min(ren->Kuu(), 2);
                Point lib[2];
                for (int j = 0; j < k; ++j)
                    lib[j] = ren->GetKuu(j + 1);
                int caught = 0;
                for (int j = 0; j < k; ++j) {
                    if (!YomiUtu(def, lib[j])) {
                        ++caught;
                        continue;
                    }
                    CurGoban().RenMake();
                    caught += SichoCheck(lib[j]);
                    YomiModosu();
                }
                if (k > 0 && caught == k)
                    si = 1;
                YomiModosu();
            }
        }
    }
    TakeBack(lv);
    return si;
}

// The attacker's atari at li on a new level and the defender's forced
// extension at lo, both added to the net sequence, the chains rebuilt after
// each.  False when a move is refused or the atari stone would stand in atari
// itself: then nothing stays played.
bool AtariAndExtend(Point li, Point lo, int att, int def)
{
    const int lv = Level;
    if (!PushPlay(att, li))
        return false;
    AddGeta(li);
    CurGoban().RenMake();
    const TRen* a = ChainAt(li);
    if (a == nullptr || a->Kuu() == 1 || !YomiUtu(def, lo)) {
        TakeBack(lv);
        return false;
    }
    AddGeta(lo);
    CurGoban().RenMake();
    return true;
}

// One atari on the chain at p, the defender's forced extension, then the net
// (and with `twice`, when the net fails, a second atari and the net).  A line
// that fails leaves no points behind in the net sequence.
std::uint8_t AtariThenNet(Point p, bool twice)
{
    TRen* ren = ChainAt(p);
    if (ren == nullptr || ren->Kuu() != 2 || HasAtariNeighbour(ren))
        return 0;
    const int def = ren->GetIro(), att = Aite(def);
    Point lib[2];
    TwoLiberties(ren, lib);
    for (int i = 0; i < 2; ++i) {
        const Point li = lib[i], lo = lib[1 - i];
        if (EmptyAround(lo) >= 3)
            continue;
        const int lv = Level, keep = GetaCount;
        if (!AtariAndExtend(li, lo, att, def)) {
            GetaCount = keep;
            continue;
        }
        const int afterAtari = GetaCount;
        std::uint8_t r = GetaYomi(p);
        if (r == 0 && twice) {
            GetaCount = afterAtari;
            r = AtariGetaYomi(p);
        }
        YomiModosu();
        TakeBack(lv);
        if (r == 1)
            return 1;
        GetaCount = keep;
    }
    return 0;
}

// First-line crawl: among the chain's first two liberties, E on the first
// line and S on the second; eSecond tells that E is the second one.
bool EdgeLiberties(Point p, Point& s, Point& e, bool& eSecond)
{
    TRen* ren = ChainAt(p);
    if (ren == nullptr || ren->Kuu() < 2)
        return false;
    s = e = Point();
    eSecond = false;
    for (int i = 1; i <= 2; ++i) {
        const Point q = ren->GetKuu(i);
        const int line = LineNoPt(q);
        if (line == 1) {
            e = q;
            eSecond = i == 2;
        } else if (line == 2) {
            s = q;
        }
    }
    return s.x != 0 && e.x != 0;
}

// The reading of HenYomi on its own level: every move is counted and all of
// them are taken back before the answer.
std::uint8_t HenRead(Point p)
{
    TRen* ren = ChainAt(p);
    if (ren == nullptr)
        return 0;
    if (ren->Kuu() >= 3)
        return 0;
    if (ren->Kuu() <= 1)
        return 1;
    const int def = ren->GetIro(), att = Aite(def);
    Point s, e;
    bool eSecond = false;
    if (!EdgeLiberties(p, s, e, eSecond))
        return 0;

    int played = 0;
    auto play = [&](int c, Point q) {
        if (!YomiUtu(c, q))
            return false;
        ++played;
        return true;
    };
    auto done = [&](std::uint8_t r) {
        for (; played > 0; --played)
            YomiModosu();
        return r;
    };
    auto inAtari = [&] {
        const TRen* r = ChainAt(p);
        return r == nullptr || r->Kuu() <= 1;
    };

    // The attacker blocks on the second line twice; each time the defender
    // crawls on.  An extension it cannot play leaves it caught.
    for (int round = 0; round < 2; ++round) {
        if (round == 1 && !EdgeLiberties(p, s, e, eSecond))
            return done(0);
        if (!play(att, s))
            return done(0);
        if (round == 0) {
            const TRen* a = ChainAt(s);
            if (a == nullptr || a->Kuu() == 1)
                return done(0);
        }
        if (!play(def, e) || inAtari())
            return done(1);
    }

    // The point diagonally ahead of the crawl: the corner of S and E that is
    // not the chain's own stone.
    if (!EdgeLiberties(p, s, e, eSecond))
        return done(0);
    Point t = eSecond ? Point(e.x, s.y) : Point(s.x, e.y);
    const TRen* own = ChainAt(p);
    if (own != nullptr && own->HasIsi(t))
        t = eSecond ? Point(s.x, e.y) : Point(e.x, s.y);
    const int tc = CurGoban().GetIroPt(t);
    if (tc == att)
        return done(1);
    if (tc == def)
        return done(0);
    if (!play(att, t))
        return done(0);

    // Both extensions must be caught by the ladder.
    std::uint8_t r[2] = {1, 1};
    const Point ext[2] = {s, e};
    for (int i = 0; i < 2; ++i) {
        if (!YomiUtu(def, ext[i]))
            continue;
        r[i] = SichoYomi(ext[i]);
        YomiModosu();
    }
    return done(r[0] == 1 && r[1] == 1 ? 1 : 0);
}

} // namespace

// ---------------------------------------------------------------------------
// Ladders

std::uint8_t SichoYomi(Point p)
{
    if (Level == 0)
        return 0; // never on the game board
    TGoban& b = CurGoban();
    if (b.Tejun.Current() > kMaxSichoYomi)
        return 0;
    TRen* ren = b.RenList.RenAtPt(p);
    if (ren == nullptr)
        return 1; // captured
    const int n = ren->Kuu();
    if (n == 1) {
        SichoToruPt = ren->GetKuu(1);
        return 1;
    }
    if (n != 2)
        return 0;
    const int def = ren->GetIro(), att = Aite(def);

    // Order the attacker's two tries.
    Point lib[2];
    TwoLiberties(ren, lib);
    TIroCounts c1, c2;
    CountNeighbour(lib[0], c1);
    CountNeighbour(lib[1], c2);
    if (c1[kAki] == 1 && c1[def] + c1[kHen] == 3) {
        // The first liberty is a dead end: atari from the other side drives
        // the defender into it.
        std::swap(lib[0], lib[1]);
    } else if (c1[kAki] == c2[kAki] && LineNoPt(lib[0]) < LineNoPt(lib[1])) {
        // Atari from the higher line first, driving the chain to the edge.
        std::swap(lib[0], lib[1]);
    }
    if (AttackerSelfAtari(att, lib[0]))
        std::swap(lib[0], lib[1]);

    // The attacker's move is tested as it stands, without the pass that lets
    // it move first (so a ko it may not retake stays refused); when it is the
    // side to move, YomiUtu makes that same test itself.
    const bool passFirst = b.Tejun.NextColor() != att;
    Arr<Point, 1, 4> replies;
    for (int i = 0; i < 2; ++i) {
        const Point a = lib[i];
        if ((passFirst && b.CheckUtu(att, a.x, a.y) != kUtuOk) || !YomiUtu(att, a))
            continue;
        ++SichoDepth;
        const int stored = sichoStored;
        const int k = SichoNigeList(p, replies);
        // Every reply must be caught; a reply that cannot be played is, and
        // the chain's liberty then captures it.
        int caught = 0;
        Point refused;
        for (int j = 1; j <= k; ++j) {
            refused = Point();
            if (!YomiUtu(def, replies[j])) {
                refused = replies[j];
                TRen* in = b.RenList.RenAtPt(p);
                SichoToruPt = in != nullptr && in->Kuu() == 1 ? in->GetKuu(1) : refused;
                ++caught;
                continue;
            }
            const std::uint8_t r = SichoYomi(p);
            YomiModosu();
            if (r == 0)
                break;
            ++caught;
        }
        if (caught == k)
            RecordLine(1, refused);
        else if (SichoLastResult == 1 && sichoStored != stored)
            SichoYomiCount = 0; // the caught line stored inside a failed try
        YomiModosu();
        --SichoDepth;
        if (caught == k)
            return 1;
    }
    SichoRecord(0);
    return 0;
}

int SichoNigeList(Point p, Arr<Point, 1, 4>& list)
{
    const TGoban& b = CurGoban();
    TRen* ren = b.RenList.RenAtPt(p);
    if (ren == nullptr)
        return 0;
    const int def = ren->GetIro();
    int n = 0;
    auto add = [&](Point q) {
        for (int i = 1; i <= n; ++i)
            if (list[i] == q)
                return;
        list[++n] = q;
    };
    // Capturing an attacker chain in atari comes first.
    for (int i = 1; i <= ren->MrenCount() && n < 3; ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m == nullptr || !IsStone(m->GetIro()) || m->Kuu() != 1)
            continue;
        const Point q = m->GetKuu(1);
        if (CanUtuXY(def, q.x, q.y))
            add(q);
    }
    for (int i = 1; i <= ren->Kuu() && n < 3; ++i)
        add(ren->GetKuu(i));
    return n;
}

void SichoRecord(std::uint8_t r) { RecordLine(r, Point()); }

namespace {

void RecordLine(std::uint8_t r, Point refused)
{
    // One line per result: the first stays while the reading unwinds.
    if (r == SichoLastResult && SichoDepth + 1 < SichoYomiCount)
        return;
    SichoLastResult = r;
    ++sichoStored;
    if (SichoBaseLevel < 1 || SichoBaseLevel > kMaxLevel)
        return;
    // The record keeps the points of moves taken back until they are played
    // over, so the line reaches past the current move: the last reply tried
    // (and for an escape the attacker's last try before it).  A reply the
    // board refused was never played: it comes from the reading instead.
    const TTejun& t = GobanLv[SichoBaseLevel]->Tejun;
    int count = t.Current() + (r == 0 ? 2 : refused.x == 0 ? 1 : 0);
    int from = 1;
    if (t.GetTe(1).x == 0) {
        from = 2; // the pass that let the attacker move first
        --count;
    }
    count = std::min(count, kMaxSichoYomi);
    int su = 0;
    for (int i = 0; i < count; ++i) {
        const Point q = t.GetTe(from + i);
        if (q.x == 0)
            break; // nothing was ever played there
        SichoYomiTejun[++su] = q;
    }
    if (r == 1 && refused.x != 0 && su < kMaxSichoYomi)
        SichoYomiTejun[++su] = refused;
    SichoYomiCount = su;
    if (r == 1 && SichoYomiCount < kMaxSichoYomi)
        SichoYomiTejun[++SichoYomiCount] = SichoToruPt;
}

} // namespace

std::uint8_t SichoCheck(Point p)
{
    if (Level >= kMaxLevel || !IsStone(CurGoban().GetIroPt(p)))
        return 0; // not read
    std::uint8_t r = 0;
    {
        TSichoLevel level;
        r = SichoYomi(p);
    }
    WriteStatus(p, r == 1 ? kSichoToreru : kSichoNigeru, &SichoYomiTejun[1], SichoYomiCount);
    return r;
}

std::uint8_t SichoAtariCheck(Point p)
{
    if (Level >= kMaxLevel)
        return 0;
    TGoban& b = CurGoban();
    TRen* ren = b.RenList.RenAtPt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()) || ren->GetIro() != b.GetIroPt(p) || ren->Kuu() != 1)
        return 0;
    const int def = ren->GetIro();
    const Point l = ren->GetKuu(1);
    if (b.CheckUtu(def, l.x, l.y) != kUtuOk) {
        // Its owner may not play the liberty: nothing to read.
        WriteStatus(p, kSichoToreru, nullptr, 0);
        return 1;
    }
    std::uint8_t r = 1;
    {
        TSichoLevel level;
        if (YomiUtu(def, l)) {
            r = SichoYomi(p);
            YomiModosu();
        }
    }
    WriteStatus(p, r == 1 ? kSichoToreru : kSichoNigeru, &SichoYomiTejun[1], SichoYomiCount);
    return r;
}

std::uint8_t SichoCheck2(Point p)
{
    if (Level >= kMaxLevel)
        return 0;
    if (SichoCheck(p) == 1) {
        SichoKind = 1;
        return 1;
    }
    SichoKind = 2;
    GetaFlag = 1;
    const std::uint8_t r = GetaCheck(p);
    GetaFlag = 0;
    if (SiboruFlag == 1)
        SichoKind = 4;
    return r;
}

void SichoAll()
{
    const TRenList& list = CurGoban().RenList;
    for (int n = 1; n <= list.Count(); ++n) {
        TRen* r = list.Items(n);
        if (r == nullptr || !IsStone(r->GetIro()) || r->IsiCount() < 1)
            continue;
        const Point p = r->GetIsi(1);
        if (r->Kuu() == 2)
            SichoCheck2(p);
        else if (r->Kuu() == 1)
            SichoAtariCheck(p);
    }
}

// ---------------------------------------------------------------------------
// Nets

std::uint8_t GetaCheck(Point p)
{
    // The squeeze flag speaks of this reading only.
    SiboruFlag = 0;
    if (Level >= kMaxLevel)
        return 0;
    TRen* ren = ChainAt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()))
        return 0;
    if (HasAtariNeighbour(ren))
        return 0; // the defender captures first

    GetaCount = 0;
    if (GetaYomi(p) == 1) {
        WriteStatus(p, kSichoGeta, &GetaTejun[1], GetaCount);
        return 1;
    }
    ren = ChainAt(p);
    if (ren == nullptr)
        return 0;
    if (ren->Kuu() >= 3)
        return 0;
    if (ren->Kuu() < 2)
        return 1;
    if (SiboruFlag == 1)
        WriteStatus(p, kSichoSiboru, &GetaTejun[1], GetaCount);

    // Atari first, then the net on the extended chain.
    const int def = ren->GetIro(), att = Aite(def);
    Point lib[2];
    TwoLiberties(ren, lib);
    for (int i = 0; i < 2; ++i) {
        const Point li = lib[i], lo = lib[1 - i];
        GetaCount = 0;
        if (EmptyAround(lo) >= 3)
            continue;
        const int lv = Level;
        if (!AtariAndExtend(li, lo, att, def))
            continue;
        const int keep = GetaCount;
        std::uint8_t r = GetaYomi(p);
        if (r == 0) {
            GetaCount = keep;
            CurGoban().RenMake();
            const TRen* d = ChainAt(lo);
            if (d != nullptr && d->Kuu() == 2)
                r = GetaYomi2(p);
        }
        YomiModosu();
        TakeBack(lv);
        if (r == 1) {
            WriteStatus(p, kSichoAtariGeta, &GetaTejun[1], GetaCount);
            return 1;
        }
    }
    return 0;
}

std::uint8_t GetaYomi(Point p)
{
    TGoban& b = CurGoban();
    TRen* ren = b.RenList.RenAtPt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()))
        return 0;
    if (ren->Kuu() > 2)
        return 0;
    if (ren->Kuu() < 2)
        return 1;
    const int def = ren->GetIro(), att = Aite(def);
    Point lib[2];
    TwoLiberties(ren, lib);
    if (Kyori(lib[0], lib[1]) != 2)
        return 0; // not diagonal
    for (const Point& l : lib) {
        TIroCounts n;
        CountNeighbour(l, n);
        if (n[def] > 1 || n[att] > 2)
            return 0;
    }
    // The net point: the empty corner of the liberties' square.
    Point pn(lib[0].x, lib[1].y), q(lib[1].x, lib[0].y);
    if (b.GetIroPt(pn) != kAki && b.GetIroPt(q) != kAki)
        return 0;
    if (b.GetIroPt(q) == kAki)
        std::swap(pn, q);
    {
        TIroCounts n;
        CountNeighbour(pn, n);
        if (n[att] >= 2)
            return 0;
    }
    const int lv = Level;
    if (!PushPlay(att, pn))
        return 0;
    AddGeta(pn);
    int s[2];
    for (int i = 0; i < 2; ++i)
        s[i] = NetEscapeCaught(lib[i], att, def);
    TakeBack(lv);
    if (s[0] == 1 && s[1] == 1)
        return 1;
    if (s[0] == 1 || s[1] == 1)
        SiboruFlag = 1;
    // The way out, and the point beyond it.
    const Point l = s[0] == 1 ? lib[1] : lib[0];
    AddGeta(l);
    AddGeta(StepBeyond(q, l));
    return 0;
}

std::uint8_t AtariGetaYomi(Point p) { return AtariThenNet(p, false); }

std::uint8_t GetaYomi2(Point p) { return AtariThenNet(p, true); }

void GetaFirstTe(Point& t) { t = GetaCount >= 1 ? GetaTejun[1] : Point(); }

void GetaClear() { GetaCount = 0; }

// ---------------------------------------------------------------------------
// Special readings

std::uint8_t Line3Yomi(Point p)
{
    if (!CurGoban().OnBoardPt(p) || LineNoPt(p) != 3)
        return 0;
    TRen* ren = ChainAt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()) || ren->Kuu() < 2)
        return 0;
    Point a, bp;
    for (int i = 1; i <= 2; ++i) {
        const Point q = ren->GetKuu(i);
        const int line = LineNoPt(q);
        if (line == 3)
            a = q;
        else if (line == 2)
            bp = q;
    }
    if (a.x == 0 || bp.x == 0)
        return 0;
    const int def = ren->GetIro(), att = Aite(def);
    const int lv = Level;
    if (!PushPlay(att, a))
        return 0;
    if (!YomiUtu(def, bp)) {
        TakeBack(lv);
        return 0;
    }
    CurGoban().RenMake();

    // The chain's two liberties on the second line.
    Point m[2];
    int su = 0;
    if (TRen* r = ChainAt(p)) {
        for (int i = 1; i <= r->Kuu() && su < 2; ++i) {
            const Point q = r->GetKuu(i);
            if (LineNoPt(q) == 2 && (su == 0 || m[0] != q))
                m[su++] = q;
        }
    }
    std::uint8_t dead = 0;
    if (su == 2) {
        for (int i = 0; i < 2 && dead == 0; ++i) {
            if (!YomiUtu(att, m[i]))
                continue;
            if (!YomiUtu(def, m[1 - i])) {
                YomiModosu();
                continue;
            }
            TGoban& b = CurGoban();
            b.Analyze();
            const TGun* g = b.GunList.GetGunAt(p);
            if (g != nullptr && g->GetDeath() == 1)
                dead = 1;
            YomiModosu();
            YomiModosu();
        }
    }
    YomiModosu();
    TakeBack(lv);
    return dead;
}

std::uint8_t HenYomi(Point p)
{
    if (Level >= kMaxLevel || !IsStone(CurGoban().GetIroPt(p)))
        return 0;
    // The reading plays on a level of its own with fresh chains, so the
    // caller's chains stay as they were.
    TSichoLevel level;
    return HenRead(p);
}

void SichoToruTe(Point p, Point& t)
{
    t = Point();
    TGoban& b = CurGoban();
    b.RenMake();
    TRen* ren = b.RenList.RenAtPt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()))
        return;
    if (ren->Kuu() == 1) {
        t = ren->GetKuu(1);
        return;
    }
    if (ren->Kuu() == 2 && SichoCheck(p) == 1)
        t = ren->SichoTe(1);
}

// ---------------------------------------------------------------------------
// Linked chains

void RenGrenMake(TRen* ren)
{
    TGoban& b = CurGoban();
    if (ren == nullptr || ren->Owner != &b)
        return;
    // The stone relations are made afresh for the board as it stands; the
    // board's own records, with the empty points' relations of its analysis,
    // are put back afterwards.
    static Grid<TLocate, 1, 19> saved;
    saved = b.Locate;
    b.SetLocateIro();
    KankeiMakeAll();
    b.GrenMakeRen(*ren);
    b.Locate = saved;
}

bool GrenSichoKoho(Point p)
{
    const TGoban& b = CurGoban();
    TRen* ren = b.RenList.RenAtPt(p);
    if (ren == nullptr || !IsStone(ren->GetIro()))
        return false;
    RenGrenMake(ren);
    for (int i = 1; i <= ren->GrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Gren(i));
        if (m == nullptr || m->Kuu() != 2)
            continue;
        if (SichoCheck(m->GetIsi(1)) != 1)
            continue;
        const Point te = m->SichoTe(1);
        if (te.x >= 1)
            AddKoho(te, 0, 1);
        return true;
    }
    return false;
}

} // namespace vorn
