#include "board/Jisho.h"

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/KuuIsi.h"

namespace vorn {

namespace {

inline bool Adjacent(Point a, Point b) { return (a.x == b.x && (a.y - b.y == 1 || b.y - a.y == 1)) || (a.y == b.y && (a.x - b.x == 1 || b.x - a.x == 1)); }

// The chain net of the false-eye net test: chains linked to a chain beside
// the eye, stamped by chain number.
Arr<int, 1, kMaxRen> LinkedRenList;
int LinkedRenSu = 0;
Arr<std::uint32_t, 1, kMaxRen> LinkedRenMark{};
std::uint32_t LinkedRenStamp = 0;

std::uint32_t NextLinkedStamp()
{
    if (++LinkedRenStamp == 0) {
        LinkedRenMark.Fill(0);
        LinkedRenStamp = 1;
    }
    return LinkedRenStamp;
}

// Appends p when there is room; answers the new count.
int PutCapped(std::span<Point> list, int n, Point p)
{
    if (static_cast<std::size_t>(n) < list.size())
        list[static_cast<std::size_t>(n++)] = p;
    return n;
}

} // namespace

bool JiHasPoint(const TJi& ji, Point p) { return ji.FindYoso(p) != 0; }

namespace {

// The chain net of ListLinkedRenExcept, chain by chain in list order: visit
// sees each chain before the chains linked to it join the list, and stops
// the walk by answering false.  Answers the chains listed, -1 when stopped.
template <class Visit>
int LinkedRenWalk(const TGoban& b, Point s, Point p, int rc, Visit visit)
{
    const std::uint32_t stamp = NextLinkedStamp();
    // The chains of colour rc around p stay out, but for the first one.
    if ((rc == kKuro || rc == kSiro) && b.OnBoardPt(p)) {
        // Around a point of the board lie points of the board or of its
        // border lines, and a stone lies on the board.
        for (int d = 1; d <= 8; ++d) {
            const int qx = p.x + Dir8X.v[d - 1], qy = p.y + Dir8Y.v[d - 1];
            if (b.Ban.v[qx].v[qy] == rc)
                if (const int no = b.RenList.RenNo(qx, qy))
                    LinkedRenMark[no] = stamp;
        }
    } else if (rc == kKuro || rc == kSiro) {
        for (int d = 1; d <= 8; ++d) {
            const Point q(p.x + Dir8X[d], p.y + Dir8Y[d]);
            if (b.GetIroPt(q) == rc)
                if (const int no = b.RenList.RenNoPt(q))
                    LinkedRenMark[no] = stamp;
        }
    }
    LinkedRenSu = 0;
    const int start = b.OnBoardPt(s) ? b.RenList.RenNoPt(s) : 0;
    if (start == 0)
        return 0;
    LinkedRenList[++LinkedRenSu] = start;
    LinkedRenMark[start] = stamp;
    for (int i = 1; i <= LinkedRenSu; ++i) {
        TRen* ren = b.RenList.Items(LinkedRenList[i]);
        if (ren == nullptr)
            continue;
        if (!visit(*ren))
            return -1;
        for (int k = 1; k <= ren->GrenCount(); ++k) {
            const int g = ren->Gren(k);
            if (b.RenList.Items(g) == nullptr || LinkedRenMark[g] == stamp)
                continue;
            LinkedRenMark[g] = stamp;
            LinkedRenList[++LinkedRenSu] = g;
        }
    }
    return LinkedRenSu;
}

} // namespace

int ListLinkedRenExcept(const TGoban& b, Point s, Point p, int rc)
{
    return LinkedRenWalk(b, s, p, rc, [](const TRen&) { return true; });
}

// ---------------------------------------------------------------------------
// Filling

void TJi::Init(TGoban* owner, int jiNo, int gunNo, int colour)
{
    Owner = owner;
    JiNo = jiNo;
    GunNo = gunNo;
    JiIro = static_cast<std::uint8_t>(colour);
    Kuu3Su = 0;
    KakemeSu = 0;
    KakemeKamoSu = 0;
    Me = 0;
    Scan();
}

void TJi::Scan()
{
    Jisu = FloodSu;
    Border = 0;
    for (int i = 1; i <= Jisu; ++i) {
        const int x = FloodX[i], y = FloodY[i];
        Pts[i].x = static_cast<std::uint8_t>(x);
        Pts[i].y = static_cast<std::uint8_t>(y);
        Pts[i].Kind = 0;
        Pts[i].Kuu3Mark = 0;
        Pts[i].Bunkatu = 0;
        Pts[i].IsiMark = IsStone(Owner->GetIro(x, y)) ? 1 : 0;
        const int a = AreaMap[x][y];
        Pts[i].BorderMark = (a == 1 || a == -1) ? 1 : 0;
        Border += Pts[i].BorderMark;
    }
    Kakeme = 0;
    PartLocateSu = 0;
    Seki = 0;
    SekiMark = 0;
    CheckOnce = 0;
    Open3Su = -1;
}

void TJi::Rescan() { Scan(); }

int TJi::FindYoso(Point p) const
{
    for (int i = 1; i <= Jisu; ++i)
        if (Pts[i].x == p.x && Pts[i].y == p.y)
            return i;
    return 0;
}

int TJi::GetKindPt(Point p) const
{
    const int i = FindYoso(p);
    return i == 0 ? 0 : Pts[i].Kind;
}

int TJi::GetIsiMarkPt(Point p) const
{
    const int i = FindYoso(p);
    return i == 0 ? 0 : Pts[i].IsiMark;
}

int TJi::GetKuu3MarkPt(Point p) const
{
    const int i = FindYoso(p);
    return i == 0 ? 0 : Pts[i].Kuu3Mark;
}

int TJi::CountIsi() const
{
    int n = 0;
    for (int i = 1; i <= Jisu; ++i)
        n += Pts[i].IsiMark;
    return n;
}

int TJi::CountBunkatuP() const
{
    int n = 0;
    for (int i = 1; i <= Jisu; ++i)
        n += Pts[i].Bunkatu == kBunkatuP;
    return n;
}

int TJi::CountKind(int v) const
{
    int n = 0;
    for (int i = 1; i <= Jisu; ++i)
        n += Pts[i].Kind == v;
    return n;
}

namespace {
// While EvaluateTracked watches a region: the points its evaluation wrote,
// each with its verdict, mark and board verdict before the first write.
struct TWritten {
    int I;
    std::uint8_t Kind, Kuu3, Kakeme;
};
Arr<TWritten, 1, kMaxPoints> g_written;
int g_writtenSu = 0;
Arr<std::uint32_t, 1, kMaxPoints> g_writtenMark{};
std::uint32_t g_writtenStamp = 0;
const TJi* g_watched = nullptr;
} // namespace

void TJi::Watch(int i)
{
    if (g_watched != this || g_writtenMark[i] == g_writtenStamp)
        return;
    g_writtenMark[i] = g_writtenStamp;
    g_written[++g_writtenSu] = TWritten{i, Pts[i].Kind, Pts[i].Kuu3Mark,
                                        static_cast<std::uint8_t>(Owner->GetKakeme(Pts[i].x, Pts[i].y))};
}

void TJi::SetVerdict(int i, int v)
{
    Watch(i);
    Pts[i].Kind = static_cast<std::uint8_t>(v);
    Owner->SetKakemePt(GetYoso(i), v);
}

// ---------------------------------------------------------------------------
// Verdicts

int TJi::Evaluate()
{
    int changed;
    if (Jisu == 1)
        changed = Evaluate1();
    else if (Jisu == 2)
        changed = Evaluate2();
    else if (Jisu == 3)
        changed = Evaluate3();
    else
        changed = EvaluateN();
    if (Jisu < 13)
        Kuu3Check();
    return changed;
}

namespace {
// The recount in force (TJiRecount): the time, one tick per evaluation and
// never reset, the time the recount began, and per point the last time an
// evaluation changed its board verdict and changed it between false (or
// possibly false) and not.
bool g_recount = false;
std::uint64_t g_evalTime = 0;
std::uint64_t g_recountStart = 0;
Grid<std::uint64_t, 0, 20> g_valueTime{};
Grid<std::uint64_t, 0, 20> g_falseTime{};
// The chain-net tests made so far.
std::uint64_t g_netTests = 0;
// By region number: the time of its last evaluation, what it answered, and
// whether that evaluation can be repeated by answering the same.
struct TEvalKept {
    std::uint64_t Time = 0;
    int Answer = 0;
    bool Repeatable = false;
};
Arr<TEvalKept, 1, kMaxJi> g_evalKept;

inline bool IsFalseVerdict(int v) { return v == kKakemeYes || v == kKakemeKamo; }
} // namespace

TJiRecount::TJiRecount() : Outer(g_recount)
{
    g_recount = true;
    g_recountStart = ++g_evalTime;
}

TJiRecount::~TJiRecount() { g_recount = Outer; }

bool TJi::HasFalseVerdict() const
{
    if (IsFalseVerdict(Kakeme))
        return true;
    // A region point lies on the board.
    const auto& map = Owner->KakemeMap;
    unsigned any = 0;
    for (int i = 1; i <= Jisu; ++i) {
        const TJiPt& q = Pts.v[i - 1];
        any |= IsFalseVerdict(q.Kind) | IsFalseVerdict(map.v[q.x - 1].v[q.y - 1]);
    }
    return any != 0;
}

bool TJi::EvaluationRepeats() const
{
    if (JiNo < 1 || JiNo > kMaxJi)
        return false;
    const TEvalKept& k = g_evalKept[JiNo];
    if (!k.Repeatable || k.Time <= g_recountStart)
        return false;
    // Its own board verdicts as it left them (its own verdicts and counts
    // only it writes) ...
    for (int i = 1; i <= Jisu; ++i)
        if (g_valueTime.v[Pts[i].x].v[Pts[i].y] > k.Time)
            return false;
    // ... and the verdicts around its points that the open-sides marks read.
    if (Jisu < 13)
        for (int i = 1; i <= Jisu; ++i)
            for (int d = 0; d < 4; ++d)
                if (g_falseTime.v[Pts[i].x + Dir4X.v[d]].v[Pts[i].y + Dir4Y.v[d]] > k.Time)
                    return false;
    return true;
}

bool TJi::RepeatsAs(bool readNoVerdict, bool clean, int& answer) const
{
    // The evaluator of its size does nothing from here but the open-sides
    // marks, and answers no change.
    const bool settled = (Jisu == 1 && IsFalseVerdict(Kakeme)) || (Jisu == 2 && Kakeme == kKakemeYes)
                         || (Jisu == 3 && IsFalseVerdict(Kakeme));
    if (settled) {
        answer = 0;
        return true;
    }
    if (!readNoVerdict)
        return false;
    // Every check it made answers the same again.  No false verdict before
    // or after: the same writes.  One point, or three (not settled): the
    // evaluator reads only the checks, so it writes and answers the same.
    // Four points or more: the points left unjudged are checked again and
    // answer as before, but for four points with a stone judged false,
    // which may make the whole space false.
    if (Jisu == 1 || Jisu == 3)
        return true;
    if (Jisu == 2)
        return clean && !HasFalseVerdict();
    if (Jisu == 4)
        for (int i = 1; i <= 4; ++i)
            if (Pts[i].IsiMark && Pts[i].Kind == kKakemeYes)
                return false;
    return true;
}

int TJi::EvaluateTracked(bool& moved) { return EvaluateWatched<false>(moved, nullptr); }

int TJi::EvaluateTracked(bool& moved, bool& falseVerdict)
{
    return g_recount ? EvaluateWatched<true>(moved, &falseVerdict) : EvaluateWatched<false>(moved, &falseVerdict);
}

template <bool InRecount>
int TJi::EvaluateWatched(bool& moved, bool* falseVerdict)
{
    const TGoban& b = *Owner;
    // The counts before, and the points the evaluation writes, each with
    // what it held before: nothing else of the region or of the board's
    // verdicts at its points can change.
    const int counts[4] = {Kakeme, KakemeSu, KakemeKamoSu, Kuu3Su};
    const TJi* outer = g_watched;
    g_watched = this;
    if (++g_writtenStamp == 0) {
        g_writtenMark.Fill(0);
        g_writtenStamp = 1;
    }
    g_writtenSu = 0;
    // In a recount, an evaluation that would repeat its last one unchanged
    // (same start, same reads) writes what it already holds: left out.
    constexpr bool recount = InRecount;
    bool clean = false;
    if constexpr (recount) {
        if (EvaluationRepeats()) {
            g_watched = outer;
            // What the evaluation would tell: a false verdict only where
            // the region holds one.
            if (falseVerdict != nullptr && !*falseVerdict)
                *falseVerdict = HasFalseVerdict();
            return g_evalKept[JiNo].Answer;
        }
        // (Only two-point regions ask.)
        clean = Jisu == 2 && !HasFalseVerdict();
    }
    const std::uint64_t netTests = g_netTests;
    const int changed = Evaluate();
    g_watched = outer;
    if (recount && JiNo >= 1 && JiNo <= kMaxJi) {
        const std::uint64_t now = ++g_evalTime;
        for (int k = 1; k <= g_writtenSu; ++k) {
            const TWritten& w = g_written[k];
            const int x = Pts[w.I].x, y = Pts[w.I].y;
            const int v = b.GetKakeme(x, y);
            if (v != w.Kakeme)
                g_valueTime[x][y] = now;
            if (IsFalseVerdict(v) != IsFalseVerdict(w.Kakeme))
                g_falseTime[x][y] = now;
        }
        int again = changed;
        const bool repeatable = RepeatsAs(g_netTests == netTests, clean, again);
        g_evalKept[JiNo] = TEvalKept{now, again, repeatable};
    }
    bool same = counts[0] == Kakeme && counts[1] == KakemeSu && counts[2] == KakemeKamoSu && counts[3] == Kuu3Su;
    for (int k = 1; k <= g_writtenSu && same; ++k) {
        const TWritten& w = g_written[k];
        same = w.Kind == Pts[w.I].Kind && w.Kuu3 == Pts[w.I].Kuu3Mark
               && w.Kakeme == b.GetKakeme(Pts[w.I].x, Pts[w.I].y);
    }
    moved = moved || !same;
    if (falseVerdict == nullptr || *falseVerdict)
        return changed;
    // A pass writes a false verdict only where it writes, and never replaces
    // one by another verdict, so the written points tell.
    auto isFalse = [](int v) { return v == kKakemeYes || v == kKakemeKamo; };
    bool found = isFalse(Kakeme);
    for (int k = 1; k <= g_writtenSu && !found; ++k) {
        const TWritten& w = g_written[k];
        found = isFalse(Pts[w.I].Kind) || isFalse(b.GetKakeme(Pts[w.I].x, Pts[w.I].y));
    }
    *falseVerdict = found;
    return changed;
}

int TJi::Evaluate1()
{
    if (Kakeme == kKakemeYes || Kakeme == kKakemeKamo)
        return 0;
    int v = KakemeCheckAt(1, GetYoso(1), JiIro);
    if (v > 0) {
        // A possibly false eye on the border of the area is false.
        if (v == kKakemeKamo && Pts[1].BorderMark)
            v = kKakemeYes;
        SetVerdict(1, v);
        Kakeme = v;
    }
    return v;
}

int TJi::Evaluate2()
{
    if (Kakeme == kKakemeYes)
        return 0;
    if (Kakeme != kKakemeKamo)
        Kakeme = kKakemeNo;
    KakemeSu = 0;
    KakemeKamoSu = 0;
    int changed = 0;
    for (int i = 1; i <= 2; ++i) {
        if (Pts[i].Kind == kKakemeYes) {
            ++KakemeSu;
            continue;
        }
        const int v = KakemeCheckAt(i, GetYoso(i), JiIro);
        if (v == kKakemeYes || v == kKakemeKamo) {
            SetVerdict(i, v);
            changed = 1;
        }
        if (v == kKakemeKamo) {
            ++KakemeKamoSu;
            if (Pts[i].IsiMark)
                Kakeme = kKakemeKamo;
        } else if (v == kKakemeYes) {
            ++KakemeSu;
            if (Pts[i].IsiMark)
                Kakeme = kKakemeYes;
            else if (!Pts[3 - i].IsiMark)
                Kakeme = kKakemeKamo;
        }
    }
    if (KakemeSu == 2)
        Kakeme = kKakemeYes;
    return changed;
}

int TJi::Evaluate3()
{
    if (Kakeme == kKakemeYes || Kakeme == kKakemeKamo)
        return 0;
    Kakeme = kKakemeNo;
    KakemeKamoSu = 0;
    int changed = 0;
    int v[4] = {};
    for (int i = 1; i <= 3; ++i) {
        v[i] = KakemeCheckAt(i, GetYoso(i), JiIro);
        Watch(i);
        Owner->SetKakemePt(GetYoso(i), v[i]);
    }
    for (int i = 1; i <= 3; ++i) {
        if (v[i] != kKakemeYes && v[i] != kKakemeKamo)
            continue;
        // Only an end of the three: one point next to it (a), the third (f) not.
        const int j = i % 3 + 1, k = j % 3 + 1;
        const bool adjJ = Adjacent(GetYoso(i), GetYoso(j)), adjK = Adjacent(GetYoso(i), GetYoso(k));
        if (adjJ == adjK)
            continue;
        const int a = adjJ ? j : k, f = adjJ ? k : j;
        const Point p = GetYoso(i);
        Watch(i);
        Pts[i].Kind = static_cast<std::uint8_t>(v[i]);
        if (Pts[f].IsiMark || (!Pts[i].IsiMark && !Pts[a].IsiMark)) {
            if (v[i] == kKakemeYes) {
                Owner->SetKakemePt(p, kKakemeYes);
                changed = 1;
            } else {
                ++KakemeKamoSu;
                Owner->SetKakemePt(p, kKakemeKamo);
            }
        } else if (Pts[i].IsiMark != Pts[a].IsiMark) {
            Kakeme = kKakemeKamo;
            ++KakemeKamoSu;
            Owner->SetKakemePt(p, kKakemeKamo);
        } else {
            Kakeme = v[i];
            Owner->SetKakemePt(p, v[i]);
            changed = 1;
        }
    }
    KakemeSu = CountKind(kKakemeYes);
    if (KakemeSu >= 2) {
        for (int i = 1; i <= 3; ++i)
            SetVerdict(i, kKakemeYes);
        Kakeme = kKakemeYes;
    }
    return changed;
}

int TJi::EvaluateN()
{
    Kakeme = kKakemeNo;
    bool stoneWasFalse = false;
    if (Jisu == 4)
        for (int i = 1; i <= Jisu; ++i)
            if (Pts[i].IsiMark && Pts[i].Kind == kKakemeYes)
                stoneWasFalse = true;
    const TGoban& b = *Owner;
    for (int i = 1; i <= Jisu; ++i) {
        if (Pts[i].Kind == kKakemeYes || Pts[i].Kind == kKakemeKamo)
            continue;
        // A point of the region lies on the board.
        const int x = Pts[i].x, y = Pts[i].y;
        const int a = AreaMap.v[x].v[y];
        if (a > -2 && a < 2)
            continue;
        // Three open sides give no verdict (KakemeCheckAt's first test).
        if ((b.Ban.v[x].v[y - 1] == kAki) + (b.Ban.v[x + 1].v[y] == kAki) + (b.Ban.v[x].v[y + 1] == kAki)
                + (b.Ban.v[x - 1].v[y] == kAki)
            >= 3)
            continue;
        const int v = KakemeCheckAt(i, Point(x, y), JiIro);
        if (v == kKakemeYes || v == kKakemeKamo)
            SetVerdict(i, v);
    }
    // Two stones, one of them a false eye already, between two empty points
    // that do not touch: the space is false.
    if (Jisu == 4 && CountIsi() == 2 && stoneWasFalse) {
        Point empty[2];
        int n = 0;
        for (int i = 1; i <= 4; ++i)
            if (!Pts[i].IsiMark)
                empty[n++] = GetYoso(i);
        if (!Adjacent(empty[0], empty[1]))
            Kakeme = kKakemeYes;
    }
    KakemeSu = KakemeKamoSu = 0;
    for (int i = 1; i <= Jisu; ++i) {
        KakemeSu += Pts[i].Kind == kKakemeYes;
        KakemeKamoSu += Pts[i].Kind == kKakemeKamo;
    }
    return 0;
}

int TJi::KakemeCheck(Point p, int c) { return KakemeCheckAt(FindYoso(p), p, c); }

namespace {

// The board as the false-eye check reads it around a point p.  Any point:
// the board's own reads.
struct TFarView {
    const TGoban& B;
    int Iro(Point q) const { return B.GetIroPt(q); }
    bool Dead(Point q) const { return B.IsDeathPt(q) != 0; }
    // The opponent's diagonal stones of colour o that count
    // (TGoban::ListDiagonalLive) and how many of their chains are in atari;
    // the empty diagonal points and how many of them o can play in neutral
    // area.
    void Diagonals(Point p, int o, int& t, int& atari, int& empty, int& open) const
    {
        Point diag[4];
        t = B.ListDiagonalLive(p, o, diag);
        atari = 0;
        for (int i = 0; i < t; ++i) {
            const TRen* r = B.RenList.RenAtPt(diag[i]);
            atari += r != nullptr && r->Kuu() == 1;
        }
        empty = open = 0;
        for (int d = 1; d <= 4; ++d) {
            const Point q = NanamePt(p, d);
            if (B.GetIroPt(q) != kAki)
                continue;
            ++empty;
            if (AreaMap[q.x][q.y] == 0 && !B.IsKinsiPt(o, q) && !B.IsSelfAtariPt(o, q))
                ++open;
        }
    }
};

// A point p of the board and a colour of stones: every neighbour and
// diagonal point lies on the board or on its border lines (which hold the
// edge), and a point holding a stone or empty lies on the board, so the
// tables are read without the tests for points off the board.
struct TNearView {
    const TGoban& B;
    int Iro(Point q) const { return B.Ban.v[q.x].v[q.y]; }
    // q holds a stone.
    bool Dead(Point q) const { return B.Death.v[q.x - 1].v[q.y - 1] != 0; }
    void Diagonals(Point p, int o, int& t, int& atari, int& empty, int& open) const
    {
        t = atari = empty = open = 0;
        for (int d = 0; d < 4; ++d) {
            const Point q(p.x + NanameX.v[d], p.y + NanameY.v[d]);
            const int col = Iro(q);
            if (col == o) {
                if (Dead(q)) {
                    const TGun* g = B.GunList.GetGunAt(q);
                    if (g == nullptr || g->GetSmai() != 1)
                        continue;
                }
                ++t;
                const TRen* r = B.RenList.RenAtPt(q);
                atari += r != nullptr && r->Kuu() == 1;
            } else if (col == kAki) {
                ++empty;
                const int x = q.x - 1, y = q.y - 1;
                open += AreaMap.v[q.x].v[q.y] == 0 && (B.Kinsi.v[o - 1].v[x].v[y] | B.SelfAtari.v[o - 1].v[x].v[y]) == 0;
            }
        }
    }
};

} // namespace

namespace {
// The TJiCheckOnce in force (0 none); every scope has a number of its own.
std::uint64_t g_checkOnce = 0;
std::uint64_t g_checkOnceLast = 0;

// TJiPt::Kept: an answer (in the low two bits) that read no verdict, or one
// kept with the verdicts its net tests read in g_netKept.
constexpr std::uint8_t kKeptPlain = 4;
constexpr std::uint8_t kKeptNet = 8;

// An answer that took net tests, kept by point with the verdicts its tests
// read: the points (at most kNetReads) and which of them were false.
constexpr int kNetReads = 8;
struct TNetKept {
    std::uint64_t Once = 0;
    int JiNo = 0;
    std::uint8_t Answer = 0;
    std::uint8_t Su = 0;
    std::uint8_t Yes = 0;
    std::uint8_t X[kNetReads] = {}, Y[kNetReads] = {};
};
Grid<TNetKept, 1, 19> g_netKept;
// While a check is noted, the verdicts its net tests read (Su may pass
// kNetReads: too many to keep).
bool g_netNoting = false;
TNetKept g_netNoted;
int g_netNotedSu = 0;

// The false verdict at (x, y) of the board, as a net test reads it (noted
// while a check is noted).
bool NetReadsFalse(const TGoban& b, int x, int y)
{
    const bool yes = b.KakemeMap.v[x - 1].v[y - 1] == kKakemeYes;
    if (g_netNoting) {
        if (g_netNotedSu < kNetReads) {
            g_netNoted.X[g_netNotedSu] = static_cast<std::uint8_t>(x);
            g_netNoted.Y[g_netNotedSu] = static_cast<std::uint8_t>(y);
            g_netNoted.Yes = static_cast<std::uint8_t>(g_netNoted.Yes | (yes ? 1 : 0) << g_netNotedSu);
        }
        ++g_netNotedSu;
    }
    return yes;
}

// The answer kept at p, if every verdict its tests read is as it was.
bool NetReadsHold(const TGoban& b, const TNetKept& k)
{
    for (int i = 0; i < k.Su; ++i)
        if ((b.KakemeMap.v[k.X[i] - 1].v[k.Y[i] - 1] == kKakemeYes) != ((k.Yes >> i & 1) != 0))
            return false;
    return true;
}
} // namespace

TJiCheckOnce::TJiCheckOnce() : Outer(g_checkOnce) { g_checkOnce = ++g_checkOnceLast; }

// An enclosing scope starts afresh after an inner one, as a scope's rule
// holds only for itself.
TJiCheckOnce::~TJiCheckOnce() { g_checkOnce = Outer == 0 ? 0 : ++g_checkOnceLast; }

int TJi::KakemeCheckAt(int at, Point p, int c)
{
    const TGoban& b = *Owner;
    if (!b.OnBoardPt(p) || (c != kKuro && c != kSiro))
        return KakemeCheckOn(TFarView{b}, at, p, c);
    // Kept answers are the region's own: its points (p is point at) for its
    // colour.
    if (g_checkOnce == 0 || at == 0 || c != JiIro)
        return KakemeCheckOn(TNearView{b}, at, p, c);
    if (CheckOnce != g_checkOnce) {
        CheckOnce = g_checkOnce;
        for (int i = 1; i <= Jisu; ++i)
            Pts.v[i - 1].Kept = 0;
    }
    TJiPt& q = Pts[at];
    if (q.Kept & kKeptPlain)
        return q.Kept & 3;
    TNetKept& k = g_netKept.v[p.x - 1].v[p.y - 1];
    if ((q.Kept & kKeptNet) && k.Once == g_checkOnce && k.JiNo == JiNo && NetReadsHold(b, k)) {
        // It reads verdicts as a net test does.
        ++g_netTests;
        return k.Answer;
    }
    const std::uint64_t nets = g_netTests;
    g_netNoting = true;
    g_netNotedSu = 0;
    g_netNoted.Yes = 0;
    const int v = KakemeCheckOn(TNearView{b}, at, p, c);
    g_netNoting = false;
    if (g_netTests == nets) {
        // Read no verdict: kept while the scope lasts.
        q.Kept = static_cast<std::uint8_t>(kKeptPlain | v);
    } else if (g_netNotedSu <= kNetReads) {
        q.Kept = kKeptNet;
        g_netNoted.Once = g_checkOnce;
        g_netNoted.JiNo = JiNo;
        g_netNoted.Answer = static_cast<std::uint8_t>(v);
        g_netNoted.Su = static_cast<std::uint8_t>(g_netNotedSu);
        k = g_netNoted;
    }
    return v;
}

template <class View>
int TJi::KakemeCheckOn(const View& v, int at, Point p, int c)
{
    const int o = Aite(c);
    // The neighbours by colour, eight bits each.
    unsigned n = 0;
    for (int d = 0; d < 4; ++d)
        n += 1u << (8 * v.Iro(Point(p.x + Dir4X.v[d], p.y + Dir4Y.v[d])));
    const int e = static_cast<int>(n & 0xff), edge = static_cast<int>(n >> 24);
    const int m = c == kKuro || c == kSiro ? static_cast<int>(n >> (8 * c) & 0xff) : 0;
    if (e >= 3)
        return kKakemeNone;
    const bool border = at != 0 && Pts[at].BorderMark != 0;
    if (e == 2 && !border)
        return kKakemeNo;
    if (m > 0 && !border) {
        int dead = 0;
        for (int d = 1; d <= 4; ++d) {
            const Point q = Dir4Pt(p, d);
            dead += v.Iro(q) == c && v.Dead(q);
        }
        if (e + dead >= 2)
            return kKakemeNo;
    }

    // The opponent's diagonal stones that count, and the open diagonals
    // where it can play.
    int t, atari, dEmpty, f;
    v.Diagonals(p, o, t, atari, dEmpty, f);

    if (t == 0) {
        if (dEmpty == 0)
            return kKakemeNo;
        if (edge > 0)
            return f == 0 ? kKakemeNo : f == 1 ? kKakemeKamo : kKakemeYes;
        if (dEmpty < 3 || f < 3)
            return kKakemeNo;
        return f == 3 ? kKakemeKamo : kKakemeYes;
    }
    if (t >= 2)
        return HasIsolatedNet(v, p, c) ? kKakemeYes : kKakemeNo;
    if (edge > 0) {
        if (!HasIsolatedNet(v, p, c))
            return kKakemeNo;
        return atari == 0 ? kKakemeYes : kKakemeKamo;
    }
    if (dEmpty == 0 || f == 0 || !HasIsolatedNet(v, p, c))
        return kKakemeNo;
    return f == 2 ? kKakemeYes : kKakemeKamo;
}

template <class View>
bool TJi::HasIsolatedNet(const View& v, Point p, int c)
{
    // The net test reads its stone only for the stone's chain: a chain
    // beside p on several sides is tested once.
    const TRenList& list = Owner->RenList;
    int tested[4];
    int su = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point s = Dir4Pt(p, d);
        if (v.Iro(s) != c)
            continue;
        // Off the board: a key of its own.
        const int no = Owner->OnBoardPt(s) ? list.RenNoPt(s) : -d;
        bool again = false;
        for (int k = 0; k < su; ++k)
            again = again || tested[k] == no;
        if (again)
            continue;
        tested[su++] = no;
        if (RenNetIsolated(s, p))
            return true;
    }
    return false;
}

bool TJi::RenNetIsolated(Point s, Point p)
{
    ++g_netTests;
    TGoban& b = *Owner;
    const TJi* r = b.JiList.GetJiAt(p);
    if (r == nullptr)
        return false;
    const int n = r->GetJisu();
    const int rc = r->GetJiIro();

    // In a three-point region: the point next to p and the third one.
    Point a, f;
    if (n == 3) {
        bool haveA = false, haveF = false;
        for (int i = 1; i <= 3; ++i) {
            const Point q = r->GetYoso(i);
            if (q == p)
                continue;
            if (Adjacent(q, p)) {
                if (!haveA)
                    a = q;
                haveA = true;
            } else {
                f = q;
                haveF = true;
            }
        }
        if (!haveF)
            return false;
    }

    // The three-point region's test of its far point, the same for every
    // liberty.
    const bool farFalse = n == 3 && NetReadsFalse(b, f.x, f.y);
    const bool farOpen = n == 3 && b.GetIroPt(f) == kAki && (IsStone(b.GetIroPt(p)) || IsStone(b.GetIroPt(a)));

    // Does any chain of the net reach other area?  (A liberty lies on the
    // board, and so do its neighbours but for the border lines.)  The net is
    // walked chain by chain and the walk ends at the first that does.
    auto reaches = [&](TRen& ren) {
        if (ren.Kuu() == 0)
            return false;
        for (const TBytePoint lb : ren.KuuList()) {
            // Only a liberty with area can answer; the tests below pass
            // over liberties and never answer by themselves, so the most
            // frequent one, a liberty without area, comes first.
            const int area = AreaMap.v[lb.x].v[lb.y];
            if (area == 0)
                continue;
            const Point l = lb.Pt();
            if (l == p || NetReadsFalse(b, l.x, l.y))
                continue;
            if (n == 2 && JiHasPoint(*r, l))
                continue;
            if (n == 3 && (farFalse || (farOpen && JiHasPoint(*r, l))))
                continue;
            if (area == 1 || area == -1) {
                // A border liberty is passed over when it opens to more than
                // one point, or to one point that no stone of rc touches.  A
                // border liberty shut in on all sides is area of its own.
                int open = 0;
                Point q;
                for (int d = 1; d <= 4; ++d)
                    if (b.Ban.v[l.x + Dir4X.v[d - 1]].v[l.y + Dir4Y.v[d - 1]] == kAki) {
                        ++open;
                        q = Dir4Pt(l, d);
                    }
                if (open > 1)
                    continue;
                if (open == 1) {
                    bool touches = false;
                    for (int d = 1; d <= 4; ++d)
                        touches = touches || b.Ban.v[q.x + Dir4X.v[d - 1]].v[q.y + Dir4Y.v[d - 1]] == rc;
                    if (!touches)
                        continue;
                }
            }
            return true;
        }
        return false;
    };
    // No net: not isolated; a chain that reaches other area: not isolated.
    return LinkedRenWalk(b, s, p, rc, [&](TRen& ren) { return !reaches(ren); }) > 0;
}

void TJi::Kuu3Check()
{
    const TGoban& b = *Owner;
    const int o = Aite(JiIro);
    Kuu3Su = 0;
    // The stones stay as the region was filled: once no point had three open
    // sides, none has.
    if (Open3Su == 0)
        return;
    int open3 = 0;
    for (int i = 1; i <= Jisu; ++i) {
        if (Pts[i].IsiMark)
            continue;
        // A point of the region lies on the board, so its neighbours lie on
        // the board or on the border lines, and an empty or occupied one on
        // the board.
        const int x = Pts[i].x, y = Pts[i].y;
        // The open sides (empty or the opponent's) first, from the colours
        // alone, eight bits a colour: most points have fewer than three.
        const unsigned n = (1u << (8 * b.Ban.v[x].v[y - 1])) + (1u << (8 * b.Ban.v[x + 1].v[y]))
                           + (1u << (8 * b.Ban.v[x].v[y + 1])) + (1u << (8 * b.Ban.v[x - 1].v[y]));
        const int open = static_cast<int>((n & 0xff) + (n >> (8 * o) & 0xff));
        if (open < 3)
            continue;
        ++open3;
        int firm = 0;
        for (int d = 0; d < 4; ++d) {
            const int qx = x + Dir4X.v[d], qy = y + Dir4Y.v[d];
            const int col = b.Ban.v[qx].v[qy];
            if (col != kAki && col != o)
                continue;
            const int a = AreaMap.v[qx].v[qy];
            const int k = b.KakemeMap.v[qx - 1].v[qy - 1];
            firm += (a < -1 || a > 1) & (k != kKakemeYes) & (k != kKakemeKamo);
        }
        if (firm >= 3) {
            Watch(i);
            Pts[i].Kuu3Mark = 1;
            ++Kuu3Su;
        }
    }
    Open3Su = open3;
}

void TJi::ClearMarks()
{
    Kakeme = 0;
    if (g_watched == this) {
        for (int i = 1; i <= Jisu; ++i)
            SetVerdict(i, 0);
        return;
    }
    // Unwatched: the verdicts cleared in place (a region point lies on the
    // board).
    auto& map = Owner->KakemeMap;
    for (int i = 1; i <= Jisu; ++i) {
        TJiPt& q = Pts.v[i - 1];
        q.Kind = 0;
        map.v[q.x - 1].v[q.y - 1] = 0;
    }
}

// ---------------------------------------------------------------------------
// Area and candidates

void TJi::SetAreaValue(int v)
{
    Border = 0;
    // A region point lies on the board: its neighbours lie on the board or
    // on the border lines, where no point is empty.
    for (int i = 1; i <= Jisu; ++i) {
        AreaMap.v[Pts.v[i - 1].x].v[Pts.v[i - 1].y] = v;
        Pts.v[i - 1].BorderMark = 0;
    }
    if (v == 0)
        return;
    // The board of the area map (AreaCountZero's).  Any empty neighbour
    // without area makes a border point (the values written here are never
    // zero, so the order of the points does not matter); taken without
    // branches.
    const TGoban& b = CurGoban();
    int border = 0;
    for (int i = 1; i <= Jisu; ++i) {
        TJiPt& q = Pts.v[i - 1];
        const int x = q.x, y = q.y;
        int zero = 0;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + Dir4X.v[d], ny = y + Dir4Y.v[d];
            zero |= static_cast<int>(b.Ban.v[nx].v[ny] == kAki) & static_cast<int>(AreaMap.v[nx].v[ny] == 0);
        }
        q.BorderMark = static_cast<std::uint8_t>(zero);
        border += zero;
        AreaMap.v[x].v[y] = zero != 0 ? v : 2 * v;
    }
    Border = border;
}

void TJi::SetSekiMark(int v)
{
    SekiMark = static_cast<std::uint8_t>(v);
    for (int i = 1; i <= Jisu; ++i)
        if (Pts[i].IsiMark)
            if (TGun* g = Owner->GunList.GetGunAt(GetYoso(i)))
                g->SetDeath(0);
}

int TJi::KohoKakeme(std::span<Point> list) const
{
    const TGoban& b = *Owner;
    const int o = Aite(JiIro);
    int n = 0;
    for (int i = 1; i <= Jisu; ++i) {
        if (Pts[i].IsiMark && Pts[i].Kind != kKakemeKamo)
            continue;
        const Point p = GetYoso(i);
        if (Pts[i].Kind == kKakemeYes && !Pts[i].BorderMark)
            n = PutCapped(list, n, p);
        if (Pts[i].Kind != kKakemeKamo)
            continue;
        for (int d = 1; d <= 4; ++d) {
            const Point q = NanamePt(p, d);
            if (b.GetIroPt(q) == kAki && AreaMap[q.x][q.y] == 0 && !b.IsKinsiPt(o, q) && !b.IsSelfAtariPt(o, q))
                n = PutCapped(list, n, q);
        }
    }
    return n;
}

int TJi::KohoBorder(std::span<Point> list) const
{
    if (Me >= 5)
        return 0;
    const TGoban& b = *Owner;
    int n = 0;
    for (int i = 1; i <= Jisu; ++i) {
        if (!Pts[i].BorderMark)
            continue;
        const Point p = GetYoso(i);
        int open = 0;
        Point q;
        for (int d = 1; d <= 4; ++d) {
            const Point r = Dir4Pt(p, d);
            if (b.GetIroPt(r) == kAki && AreaMap[r.x][r.y] == 0) {
                ++open;
                q = r;
            }
        }
        if (open != 1)
            continue;
        n = PutCapped(list, n, q);
        if (LineNoPt(q) != 1)
            continue;
        for (int d = 1; d <= 4; ++d) {
            const Point r = Dir4Pt(q, d);
            if (b.GetIroPt(r) == kAki && LineNoPt(r) == 2 && AreaMap[r.x][r.y] == 0)
                n = PutCapped(list, n, r);
        }
    }
    return n;
}

// ---------------------------------------------------------------------------
// TJiList

TJiList::TJiList(TGoban* owner) : Owner(owner) {}

void TJiList::Clear()
{
    FillGrid<int, 0, 20>(JiMap, 0);
    for (int n = 1; n <= Count; ++n)
        Ji[n] = nullptr;
    Count = 0;
}

void TJiList::Stamp(int n, int v)
{
    const TJi& ji = *Ji[n];
    for (int i = 1; i <= ji.GetJisu(); ++i) {
        const Point p = ji.GetYoso(i);
        if (v != 0 || JiMap[p.x][p.y] == n)
            JiMap[p.x][p.y] = v;
    }
}

int TJiList::Add(int gunNo, int colour)
{
    const int n = Count + 1;
    if (n > kMaxJi)
        RangeError(n, 1, kMaxJi);
    if (!Store[n])
        Store[n] = std::make_unique<TJi>();
    Ji[n] = Store[n].get();
    Count = n;
    Ji[n]->Init(Owner, n, gunNo, colour);
    Stamp(n, n);
    return n;
}

void TJiList::Restamp(int n)
{
    if (Ji[n] == nullptr)
        return;
    Stamp(n, 0);
    Ji[n]->Rescan();
    Stamp(n, n);
}

void TJiList::Delete(int n)
{
    if (Ji[n] == nullptr)
        return;
    Ji[n]->ClearMarks();
    Ji[n] = nullptr;
}

} // namespace vorn
