// The analysis record: every table that the position analysis and the
// decision's preparation (ladders, pair lists, cut and atari maps) produce,
// digested on a fixed set of positions and compared with the digests kept in
// tests/problems/analysis.rec, and the engine's move with its count of full
// analyses on the benchmark positions.  The record holds its positions
// itself (random games, kos, the problem files, the benchmark positions,
// positions reached on look-ahead levels 1 to 3, counted finished games,
// other board sizes), so it checks the same ones whatever else changes.
//
// A change that alters an analysis result on purpose writes the record anew:
//
//     make analysis-record
//
// (the same as running this test program with VORN_ANALYSIS_RECORD=write and
// --gtest_filter='AnalysisRecord*': the positions are made again from their
// seeds and every digest is written from the code as it stands).
#include "Util.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "BenchPositions.h"
#include "Problems.h"
#include "board/Diagram.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// --- Digests --------------------------------------------------------------------

struct TDigest {
    std::uint64_t h = 0x9e3779b97f4a7c15ull;
    void Add(std::int64_t v)
    {
        std::uint64_t z = h ^ (static_cast<std::uint64_t>(v) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2));
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        h = z ^ (z >> 31);
    }
    void Add(Point p)
    {
        Add(p.x);
        Add(p.y);
    }
};

// The tables of the record, in the order of its digest lines.
const std::vector<std::string> kTables = {
    "ren",      // chains: stones, liberties, neighbours, links, group, dead flags
    "kankei",   // relations of the stones
    "kuuisi",   // relations of the empty points and their counts
    "area",     // the area map
    "toru",     // capture, forbidden and self-atari points
    "death",    // dead stones
    "kakeme",   // false-eye verdicts of the board
    "deathren", // the marks end-of-game counting takes off
    "gun",      // groups: stones, chains, related points, breathing points, regions, neighbours
    "judge",    // group judgement: eyes, races, seki, links, status, death level
    "ji",       // regions: points and marks, verdicts, eye values, vital points
    "sicho",    // ladder and net statuses of the chains with their lines
    "pairs",    // the pair list of the decision
    "kiri",     // cut and atari maps
    "links",    // the pair list of links alone
};
const int kTableCount = static_cast<int>(kTables.size());

// One table of one position: its digest, and its share of every point.
struct TTableDigest {
    TDigest whole;
    Grid<std::uint64_t, 1, 19> at{};
    void Share(vorn::Point p, std::uint64_t v)
    {
        if (p.x >= 1 && p.y >= 1 && p.x <= BoardSize && p.y <= BoardSize) {
            TDigest d;
            d.h = at[p.x][p.y];
            d.Add(static_cast<std::int64_t>(v));
            at[p.x][p.y] = d.h;
        }
    }
    // The digest of the whole table: the points' shares in board order, then
    // what the table added as a whole.
    std::uint32_t Final() const
    {
        TDigest d = whole;
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                d.Add(static_cast<std::int64_t>(at[x][y]));
        return static_cast<std::uint32_t>(d.h ^ (d.h >> 32));
    }
};

struct TPositionDigest {
    std::vector<std::uint32_t> tables;
    std::string points; // one hex digit per point, rows top to bottom
};

template <class F>
void EachPoint(F f)
{
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            f(vorn::Point(x, y));
}

void DigestRen(TGoban& b, TTableDigest& t)
{
    const TRenList& list = b.RenList;
    t.whole.Add(list.Count());
    for (int n = 1; n <= list.Count(); ++n) {
        TRen* r = list.Items(n);
        TDigest d;
        d.Add(n);
        if (r == nullptr) {
            t.whole.Add(d.h);
            continue;
        }
        d.Add(r->GetNo());
        d.Add(r->GetIro());
        d.Add(r->IsiCount());
        for (int i = 1; i <= r->IsiCount(); ++i)
            d.Add(r->GetIsi(i));
        for (int k = 0; k <= 3; ++k)
            d.Add(r->Count(k));
        for (int i = 1; i <= r->Kuu(); ++i)
            d.Add(r->GetKuu(i));
        d.Add(r->MrenCount());
        for (int i = 1; i <= r->MrenCount(); ++i)
            d.Add(r->Mren(i));
        d.Add(r->GrenCount());
        for (int i = 1; i <= r->GrenCount(); ++i)
            d.Add(r->Gren(i));
        d.Add(r->GetGunNo());
        d.Add(r->GetDeath());
        d.Add(r->GetGunDeath());
        t.whole.Add(d.h);
        for (int i = 1; i <= r->IsiCount(); ++i)
            t.Share(r->GetIsi(i), d.h);
    }
    EachPoint([&](vorn::Point p) { t.Share(p, static_cast<std::uint64_t>(list.RenNoPt(p))); });
}

std::uint64_t LocateDigest(const TLocate& loc)
{
    TDigest d;
    d.Add(loc.GetX());
    d.Add(loc.GetY());
    d.Add(loc.GetIro());
    d.Add(loc.GetKankeiSu());
    for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
        d.Add(loc.GetKankeiKind(i));
        d.Add(loc.GetKankeiPoint(i));
        d.Add(loc.GetKankeiValue(i));
        d.Add(loc.GetKankeiIro(i));
    }
    for (int c = 1; c <= 2; ++c)
        for (int k = 1; k <= 4; ++k)
            d.Add(loc.GetDirection(c, k));
    return d.h;
}

void DigestKankei(const TGoban& b, TTableDigest& t)
{
    EachPoint([&](vorn::Point p) {
        if (b.GetIroPt(p) != kAki)
            t.Share(p, LocateDigest(b.GetLocatePt(p)));
    });
}

void DigestKuuIsi(const TGoban& b, TTableDigest& t)
{
    EachPoint([&](vorn::Point p) {
        if (b.GetIroPt(p) == kAki)
            t.Share(p, LocateDigest(b.GetLocatePt(p)));
        TDigest d;
        for (int k = 1; k <= 3; ++k) {
            d.Add(KuuIsiCount[k][p.x][p.y]);
            d.Add(KuuIsiCount2[k][p.x][p.y]);
        }
        t.Share(p, d.h);
    });
}

void DigestArea(TTableDigest& t)
{
    EachPoint([&](vorn::Point p) { t.Share(p, static_cast<std::uint64_t>(AreaMap[p.x][p.y])); });
    // The border lines too: nothing may write there.
    for (int i = 0; i <= BoardSize + 1; ++i) {
        t.whole.Add(AreaMap[0][i]);
        t.whole.Add(AreaMap[BoardSize + 1][i]);
        t.whole.Add(AreaMap[i][0]);
        t.whole.Add(AreaMap[i][BoardSize + 1]);
    }
}

template <class Get>
void DigestMap(TTableDigest& t, Get get)
{
    EachPoint([&](vorn::Point p) { t.Share(p, static_cast<std::uint64_t>(get(p))); });
}

void DigestGun(const TGoban& b, TTableDigest& gun, TTableDigest& judge)
{
    const TGunList& list = b.GunList;
    gun.whole.Add(list.GetCount());
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        TDigest s, j;
        s.Add(n);
        if (g == nullptr) {
            gun.whole.Add(s.h);
            continue;
        }
        s.Add(g->GetGunNo());
        s.Add(g->GetIsiIro());
        s.Add(g->GetIsiSu());
        for (int i = 1; i <= g->GetIsiSu(); ++i)
            s.Add(g->GetYoso(i));
        s.Add(g->GetRenSu());
        for (int i = 1; i <= g->GetRenSu(); ++i)
            s.Add(g->GetRen(i));
        s.Add(g->GetFromSu());
        for (int i = 1; i <= g->GetFromSu(); ++i) {
            s.Add(g->GetFromA(i));
            s.Add(g->GetFromB(i));
            s.Add(g->GetFromValue(i));
        }
        s.Add(g->GetDame());
        s.Add(g->GetKokyuSu());
        for (int i = 1; i <= g->GetKokyuSu(); ++i) {
            s.Add(g->GetKokyu(i));
            s.Add(g->GetKokyuValue(i));
        }
        s.Add(g->GetJisu());
        for (int i = 1; i <= g->GetJisu(); ++i)
            s.Add(g->GetJi(i));
        s.Add(g->GetMgunSu());
        for (int i = 1; i <= g->GetMgunSu(); ++i)
            s.Add(g->GetMgun(i));

        j.Add(n);
        j.Add(g->GetMe());
        j.Add(g->GetMeSaved());
        j.Add(g->GetSemeaiSu());
        for (int i = 1; i <= g->GetSemeaiSu(); ++i)
            j.Add(g->GetSemeai(i));
        j.Add(g->GetLinkSu());
        for (int i = 1; i <= g->GetLinkSu(); ++i)
            j.Add(g->GetLink(i));
        j.Add(g->GetSmai());
        j.Add(g->GetLost());
        j.Add(g->GetWin());
        j.Add(g->GetDeath1());
        j.Add(g->GetDeath());
        j.Add(g->GetSeki());
        j.Add(g->GetDameInSu());
        for (int i = 1; i <= g->GetDameInSu(); ++i)
            j.Add(g->GetDameIn(i));
        j.Add(g->GetDameOutSu());
        for (int i = 1; i <= g->GetDameOutSu(); ++i)
            j.Add(g->GetDameOut(i));
        j.Add(g->GetReCount());
        j.Add(g->GetDeathLevel());

        gun.whole.Add(s.h);
        judge.whole.Add(j.h);
        for (int i = 1; i <= g->GetIsiSu(); ++i) {
            gun.Share(g->GetYoso(i), s.h);
            judge.Share(g->GetYoso(i), j.h);
        }
    }
    EachPoint([&](vorn::Point p) { gun.Share(p, static_cast<std::uint64_t>(list.GetGunNo(p.x, p.y))); });
}

void DigestJi(const TGoban& b, TTableDigest& t)
{
    const TJiList& list = b.JiList;
    t.whole.Add(list.GetCount());
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TJi* ji = list.GetJi(n);
        TDigest d;
        d.Add(n);
        if (ji == nullptr) {
            t.whole.Add(d.h);
            continue;
        }
        d.Add(ji->GetJiNo());
        d.Add(ji->GetGunNo());
        d.Add(ji->GetJiIro());
        d.Add(ji->GetJisu());
        for (int i = 1; i <= ji->GetJisu(); ++i) {
            d.Add(ji->GetYoso(i));
            d.Add(ji->GetKind(i));
            d.Add(ji->GetIsiMark(i));
            d.Add(ji->GetBorderMark(i));
            d.Add(ji->GetKuu3Mark(i));
            d.Add(ji->GetBunkatuMark(i));
        }
        d.Add(ji->GetKuu3Su());
        d.Add(ji->GetKakeme());
        d.Add(ji->GetKakemeSu());
        d.Add(ji->GetKakemeKamoSu());
        d.Add(ji->GetMe());
        d.Add(ji->GetBorder());
        d.Add(ji->GetPartLocateSu());
        for (int i = 1; i <= ji->GetPartLocateSu(); ++i)
            d.Add(ji->GetPartLocate(i));
        d.Add(ji->GetSeki());
        d.Add(ji->GetSekiMark());
        t.whole.Add(d.h);
        for (int i = 1; i <= ji->GetJisu(); ++i)
            t.Share(ji->GetYoso(i), d.h);
    }
    EachPoint([&](vorn::Point p) { t.Share(p, static_cast<std::uint64_t>(list.GetJiNoPt(p))); });
}

void DigestSicho(const TGoban& b, TTableDigest& t)
{
    const TRenList& list = b.RenList;
    for (int n = 1; n <= list.Count(); ++n) {
        TRen* r = list.Items(n);
        if (r == nullptr)
            continue;
        TDigest d;
        d.Add(n);
        d.Add(r->SichoStatus());
        d.Add(r->SichoCount());
        for (int i = 1; i <= r->SichoCount(); ++i)
            d.Add(r->SichoTe(i));
        t.whole.Add(d.h);
        for (int i = 1; i <= r->IsiCount(); ++i)
            t.Share(r->GetIsi(i), d.h);
    }
}

void DigestPairs(const TGoban& b, TTableDigest& t)
{
    t.whole.Add(b.PairCount());
    for (int i = 1; i <= b.PairCount(); ++i) {
        TDigest d;
        d.Add(i);
        d.Add(b.PairPointA(i));
        d.Add(b.PairPointB(i));
        d.Add(b.PairKind(i));
        d.Add(b.PairFlag(i));
        t.whole.Add(d.h);
        t.Share(b.OnBoardPt(b.PairPointA(i)) ? b.PairPointA(i) : b.PairPointB(i), d.h);
    }
}

void DigestKiri(TTableDigest& t)
{
    EachPoint([&](vorn::Point p) {
        TDigest d;
        for (int c = 1; c <= 2; ++c) {
            d.Add(KiriMap[c][p.x][p.y]);
            d.Add(Kiri2Map[c][p.x][p.y]);
            d.Add(AtariMap[c][p.x][p.y]);
        }
        t.Share(p, d.h);
    });
}

// --- Positions --------------------------------------------------------------------

// A move of the record: colour and point ("B:D4").
struct TRecMove {
    int c = kKuro;
    vorn::Point p;
};

struct TRecPosition {
    std::string id;
    int size = 19;
    int toMove = kKuro;
    int over = 0;                  // analysed as after the end of the game
    std::string board;             // rows joined by '/'
    std::vector<TRecMove> moves;   // played on the game board
    std::vector<TRecMove> reading; // each on a look-ahead level of its own
};

std::string MovesText(const std::vector<TRecMove>& moves, int size)
{
    if (moves.empty())
        return "-";
    std::string s;
    for (const TRecMove& m : moves) {
        if (!s.empty())
            s += ',';
        s += m.c == kKuro ? "B:" : "W:";
        s += GtpVertex(m.p, size);
    }
    return s;
}

std::vector<TRecMove> ParseMoves(const std::string& text, int size)
{
    std::vector<TRecMove> out;
    if (text == "-")
        return out;
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        TRecMove m;
        if (item.size() < 3 || item[1] != ':' || (item[0] != 'B' && item[0] != 'W')
            || !ParseGtpVertex(item.substr(2), m.p, size))
            throw std::runtime_error("bad move " + item);
        m.c = item[0] == 'B' ? kKuro : kSiro;
        out.push_back(m);
    }
    return out;
}

std::string BoardText(const TGoban& b)
{
    std::string s = DiagramRows(b);
    s.pop_back();
    for (char& ch : s)
        if (ch == '\n')
            ch = '/';
    return s;
}

// Board 0 as the position with its moves, the reading levels opened and
// played; answers false when a move is refused.
bool Place(const TRecPosition& pos)
{
    ResetProgramState();
    std::string rows = pos.board;
    for (char& ch : rows)
        if (ch == '/')
            ch = '\n';
    SetupPosition(ReadDiagram(rows), pos.toMove);
    TGoban& b0 = *GobanLv[0];
    for (const TRecMove& m : pos.moves) {
        if (b0.Tejun.NextColor() != m.c || b0.Utu(m.p.x, m.p.y) != kUtuOk)
            return false;
    }
    for (const TRecMove& m : pos.reading)
        if (!YomiPushUtu(m.c, m.p))
            return false;
    return true;
}

// The analysis of the board of the current level and the decision's
// preparation on it, in the engine's order, each table digested when it is
// made.
TPositionDigest Analyse(const TRecPosition& pos)
{
    if (!Place(pos))
        throw std::runtime_error("position " + pos.id + " cannot be set up");
    GameOver = static_cast<unsigned char>(pos.over);
    std::vector<TTableDigest> t(static_cast<std::size_t>(kTableCount));
    auto table = [&](const char* name) -> TTableDigest& {
        for (int i = 0; i < kTableCount; ++i)
            if (kTables[static_cast<std::size_t>(i)] == name)
                return t[static_cast<std::size_t>(i)];
        throw std::logic_error(name);
    };
    TGoban& b = CurGoban();
    b.Analyze();
    DigestRen(b, table("ren"));
    DigestKankei(b, table("kankei"));
    DigestKuuIsi(b, table("kuuisi"));
    DigestArea(table("area"));
    DigestMap(table("toru"), [&](vorn::Point p) {
        int v = 0;
        for (int c = 1; c <= 2; ++c)
            v = v * 8 + b.ToruTen[c][p.x][p.y] * 4 + b.Kinsi[c][p.x][p.y] * 2 + b.SelfAtari[c][p.x][p.y];
        return v;
    });
    DigestMap(table("death"), [&](vorn::Point p) { return b.Death[p.x][p.y]; });
    DigestMap(table("kakeme"), [&](vorn::Point p) { return b.KakemeMap[p.x][p.y]; });
    DigestMap(table("deathren"), [&](vorn::Point p) { return b.DeathRenMark[p.x][p.y]; });
    DigestGun(b, table("gun"), table("judge"));
    DigestJi(b, table("ji"));
    if (pos.over == 0) {
        AreaMapSave();
        SichoAll();
        KohoLocateMake();
        KiriMake();
        Kiri2Make();
        AtariMake();
        DigestSicho(b, table("sicho"));
        DigestPairs(b, table("pairs"));
        DigestKiri(table("kiri"));
        KohoLocateMake2();
        DigestPairs(b, table("links"));
    }
    GameOver = 0;

    TPositionDigest out;
    for (const TTableDigest& d : t)
        out.tables.push_back(d.Final());
    EachPoint([&](vorn::Point p) {
        TDigest d;
        for (const TTableDigest& e : t)
            d.Add(static_cast<std::int64_t>(e.at[p.x][p.y]));
        out.points += "0123456789abcdef"[d.h & 15];
    });
    return out;
}

// --- The engine's moves ---------------------------------------------------------

struct TRecThink {
    std::string id;
    int size = 19;
    std::string board;
    std::string move;
    std::uint64_t analyses = 0;
};

void ThinkOn(TRecThink& t)
{
    TRecPosition pos;
    pos.board = t.board;
    Place(pos);
    PlayerKind[kKuro] = PlayerKind[kSiro] = pkComputer;
    YoseCacheClear();
    const std::uint64_t before = AnalyzeCount;
    Point out;
    ThinkMove(out);
    t.analyses = AnalyzeCount - before;
    t.move = out.x < 0 ? "resign" : GtpVertex(out);
    ResetProgramState();
}

// --- Making the positions -----------------------------------------------------------

TRecPosition Here(const std::string& id)
{
    TRecPosition pos;
    pos.id = id;
    pos.size = BoardSize;
    pos.board = BoardText(*GobanLv[0]);
    pos.toMove = GobanLv[0]->Tejun.NextColor();
    return pos;
}

int Stones(const TGoban& b)
{
    int n = 0;
    EachPoint([&](vorn::Point p) { n += b.GetIroPt(p) != kAki; });
    return n;
}

// Random games on board 0 stopped at a share of the points filled (1.0 to
// the end: no move left but own eyes).
TRecPosition RandomGame(const std::string& id, int size, double share, std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    BoardSize = size;
    GobanLv[0]->NewGame();
    TGoban& b0 = *GobanLv[0];
    for (int i = 0; i < 4 * size * size && Stones(b0) < share * size * size; ++i) {
        const vorn::Point p = RandomMove(b0);
        if (p.x == 0 || b0.Utu(p.x, p.y) != kUtuOk)
            break;
    }
    return Here(id);
}

// A random game up to a single-stone capture that the other side could take
// back at once but for the ko rule: the position before it and the capture.
bool KoGame(const std::string& id, int size, std::uint64_t seed, TRecPosition& out)
{
    ResetProgramState();
    RandSeed(seed);
    BoardSize = size;
    GobanLv[0]->NewGame();
    TGoban& b0 = *GobanLv[0];
    for (int i = 0; i < 4 * size * size; ++i) {
        const vorn::Point p = RandomMove(b0);
        if (p.x == 0)
            return false;
        const int c = b0.Tejun.NextColor();
        const std::string before = BoardText(b0);
        if (b0.Utu(p.x, p.y) != kUtuOk)
            return false;
        if (b0.Tejun.ToruCount() != 1)
            continue;
        const vorn::Point back = b0.Tejun.ToruIsi(1);
        if (b0.CheckUtu(Aite(c), back.x, back.y) != kUtuKou)
            continue;
        out.id = id;
        out.size = size;
        out.board = before;
        out.toMove = c;
        out.moves = {TRecMove{c, p}};
        return true;
    }
    return false;
}

// Up to three random moves from the position, each on a look-ahead level of
// its own: one position per level.
void Reading(const TRecPosition& base, std::uint64_t seed, std::vector<TRecPosition>& out)
{
    TRecPosition pos = base;
    for (int level = 1; level <= 3; ++level) {
        Place(pos);
        RandSeed(seed + static_cast<std::uint64_t>(level));
        TGoban& b = CurGoban();
        const vorn::Point p = RandomMove(b);
        if (p.x == 0)
            return;
        pos.reading.push_back(TRecMove{b.Tejun.NextColor(), p});
        pos.id = base.id + "-level" + std::to_string(level);
        if (!Place(pos))
            return;
        out.push_back(pos);
    }
}

std::vector<TRecPosition> MakePositions()
{
    std::vector<TRecPosition> out;
    const struct {
        const char* name;
        double share;
    } stages[] = {{"sparse", 0.12}, {"middle", 0.35}, {"dense", 0.6}, {"end", 1.0}};
    for (int size : {9, 13, 19}) {
        const int games = size == 9 ? 10 : 8;
        for (const auto& s : stages)
            for (int g = 1; g <= games; ++g)
                out.push_back(RandomGame("random-" + std::to_string(size) + "-" + s.name + "-" + std::to_string(g), size,
                                         s.share, static_cast<std::uint64_t>(1000 * size + 100 * g) + static_cast<std::uint64_t>(s.share * 10)));
    }
    for (int size : {5, 7, 11, 15, 17})
        out.push_back(RandomGame("random-" + std::to_string(size) + "-middle", size, 0.4, static_cast<std::uint64_t>(size)));
    for (int size : {9, 13, 19}) {
        int found = 0;
        for (std::uint64_t seed = 1; seed <= 200 && found < 4; ++seed) {
            TRecPosition pos;
            if (KoGame("ko-" + std::to_string(size) + "-" + std::to_string(found + 1), size, 7000 + seed, pos)) {
                out.push_back(pos);
                ++found;
            }
        }
    }
    for (const TProblem& problem : LoadAllProblems()) {
        if (!problem.error.empty())
            continue;
        ResetProgramState();
        SetupProblem(problem);
        out.push_back(Here("problem-" + ProblemTestName(problem.file + "-" + problem.id)));
    }
    int n = 0;
    auto bench = [&](const char* diagram, const std::string& name) {
        ResetProgramState();
        SetupPosition(ReadDiagram(diagram), kKuro);
        out.push_back(Here("bench-" + name + "-" + std::to_string(++n)));
    };
    for (const char* diagram : bench::kPositions9)
        bench(diagram, "9");
    for (const char* diagram : bench::kPositions19)
        bench(diagram, "19");
    for (const char* diagram : bench::kMiddle9)
        bench(diagram, "late");
    for (const char* diagram : bench::kEndgame9)
        bench(diagram, "late");
    for (const char* diagram : bench::kMiddle19)
        bench(diagram, "late");
    for (const char* diagram : bench::kEndgame19)
        bench(diagram, "late");
    // The positions of the analysis benchmark (bench/AnalyzeBench.cpp).
    for (int stones : {50, 150, 250})
        for (std::uint64_t seed = 1; seed <= 8; ++seed) {
            ResetProgramState();
            RandSeed(seed * 97 + static_cast<std::uint64_t>(stones));
            TGoban& b0 = *GobanLv[0];
            for (int i = 0; i < 3000 && Stones(b0) < stones; ++i) {
                const vorn::Point p = RandomLegalMove(b0);
                if (p.x == 0)
                    break;
                b0.Utu(p.x, p.y);
            }
            out.push_back(Here("analyze-" + std::to_string(stones) + "-" + std::to_string(seed)));
        }
    // Counted after the end of the game.
    for (int g = 1; g <= 6; ++g) {
        TRecPosition pos = RandomGame("over-" + std::to_string(g), g <= 3 ? 9 : g <= 5 ? 13 : 19, 1.0,
                                      static_cast<std::uint64_t>(900 + g));
        pos.over = 1;
        out.push_back(pos);
    }
    // Look-ahead levels from some of the positions above.
    const std::size_t made = out.size();
    for (std::size_t i = 0; i < made; i += 9)
        if (out[i].over == 0)
            Reading(out[i], 5000 + i, out);
    ResetProgramState();
    return out;
}

std::vector<TRecThink> MakeThinks()
{
    std::vector<TRecThink> out;
    int n = 0;
    auto add = [&](const char* diagram, const std::string& prefix) {
        ResetProgramState();
        SetupPosition(ReadDiagram(diagram), kKuro);
        TRecThink t;
        t.id = prefix + std::to_string(++n);
        t.size = BoardSize;
        t.board = BoardText(*GobanLv[0]);
        out.push_back(t);
    };
    for (const char* d : bench::kPositions9)
        add(d, "bench-");
    for (const char* d : bench::kPositions19)
        add(d, "bench-");
    for (const char* d : bench::kMiddle9)
        add(d, "bench-");
    for (const char* d : bench::kEndgame9)
        add(d, "bench-");
    for (const char* d : bench::kMiddle19)
        add(d, "bench-");
    for (const char* d : bench::kEndgame19)
        add(d, "bench-");
    return out;
}

// --- The record file ------------------------------------------------------------------

std::string RecordPath() { return ProblemDir() + "analysis.rec"; }

std::string Hex8(std::uint32_t v)
{
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08x", v);
    return buf;
}

struct TRecord {
    std::vector<TRecPosition> positions;
    std::vector<TPositionDigest> digests;
    std::vector<TRecThink> thinks;
};

void WriteRecord(const TRecord& rec)
{
    std::ofstream out(RecordPath(), std::ios::binary);
    ASSERT_TRUE(out) << "cannot write " << RecordPath();
    out << "# The analysis record (tests/engine/AnalysisRecordTest.cpp): per position its\n"
           "# set-up and the digests of every table, then one hex digit per point over all\n"
           "# tables (rows top to bottom); the engine's moves on the benchmark positions with\n"
           "# the full analyses each made.  Written by \"make analysis-record\"; never edit.\n";
    out << "tables";
    for (const std::string& t : kTables)
        out << ' ' << t;
    out << '\n';
    for (std::size_t i = 0; i < rec.positions.size(); ++i) {
        const TRecPosition& p = rec.positions[i];
        out << "position " << p.id << ' ' << p.size << ' ' << (p.toMove == kKuro ? 'b' : 'w') << ' ' << p.over
            << ' ' << p.board << ' ' << MovesText(p.moves, p.size) << ' ' << MovesText(p.reading, p.size) << '\n';
        out << "digests";
        for (std::uint32_t d : rec.digests[i].tables)
            out << ' ' << Hex8(d);
        out << "\npoints " << rec.digests[i].points << '\n';
    }
    for (const TRecThink& t : rec.thinks)
        out << "think " << t.id << ' ' << t.size << ' ' << t.board << ' ' << t.move << ' ' << t.analyses << '\n';
}

// Reads the record; false with the reason when it cannot be read.
bool ReadRecord(TRecord& rec, std::string& why)
{
    std::ifstream in(RecordPath(), std::ios::binary);
    if (!in) {
        why = "cannot read " + RecordPath() + " (make analysis-record writes it)";
        return false;
    }
    std::string line;
    int no = 0;
    auto fail = [&](const std::string& what) {
        why = RecordPath() + ":" + std::to_string(no) + ": " + what;
        return false;
    };
    while (std::getline(in, line)) {
        ++no;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string key;
        words >> key;
        try {
            if (key == "tables") {
                std::vector<std::string> names;
                for (std::string w; words >> w;)
                    names.push_back(w);
                if (names != kTables)
                    return fail("the tables differ from this test's; write the record anew");
            } else if (key == "position") {
                TRecPosition p;
                char side = 0;
                std::string moves, reading;
                words >> p.id >> p.size >> side >> p.over >> p.board >> moves >> reading;
                if (!words || (side != 'b' && side != 'w'))
                    return fail("bad position line");
                p.toMove = side == 'b' ? kKuro : kSiro;
                p.moves = ParseMoves(moves, p.size);
                p.reading = ParseMoves(reading, p.size);
                rec.positions.push_back(p);
                rec.digests.emplace_back();
            } else if (key == "digests") {
                if (rec.digests.empty())
                    return fail("digests without a position");
                std::string w;
                while (words >> w)
                    rec.digests.back().tables.push_back(static_cast<std::uint32_t>(std::stoul(w, nullptr, 16)));
                if (static_cast<int>(rec.digests.back().tables.size()) != kTableCount)
                    return fail("wrong number of digests");
            } else if (key == "points") {
                if (rec.digests.empty())
                    return fail("points without a position");
                words >> rec.digests.back().points;
            } else if (key == "think") {
                TRecThink t;
                words >> t.id >> t.size >> t.board >> t.move >> t.analyses;
                if (!words)
                    return fail("bad think line");
                rec.thinks.push_back(t);
            } else {
                return fail("unknown line");
            }
        } catch (const std::exception& e) {
            return fail(e.what());
        }
    }
    return true;
}

bool Writing()
{
    const char* mode = std::getenv("VORN_ANALYSIS_RECORD");
    return mode != nullptr && std::string(mode) == "write";
}

class AnalysisRecordTest : public VornTest {};

TEST_F(AnalysisRecordTest, EveryTableAsRecorded)
{
    if (Writing()) {
        TRecord rec;
        rec.positions = MakePositions();
        for (const TRecPosition& p : rec.positions)
            rec.digests.push_back(Analyse(p));
        rec.thinks = MakeThinks();
        for (TRecThink& t : rec.thinks)
            ThinkOn(t);
        WriteRecord(rec);
        std::printf("analysis record written: %zu positions, %zu moves, %s\n", rec.positions.size(),
                    rec.thinks.size(), RecordPath().c_str());
        return;
    }
    TRecord rec;
    std::string why;
    ASSERT_TRUE(ReadRecord(rec, why)) << why;
    ASSERT_GE(rec.positions.size(), 200u);

    // Per table: the first position that differs and how many do.
    std::vector<int> first(static_cast<std::size_t>(kTableCount), -1), count(static_cast<std::size_t>(kTableCount), 0);
    std::vector<TPositionDigest> now;
    for (const TRecPosition& p : rec.positions)
        now.push_back(Analyse(p));
    for (std::size_t i = 0; i < rec.positions.size(); ++i)
        for (int t = 0; t < kTableCount; ++t)
            if (now[i].tables[static_cast<std::size_t>(t)] != rec.digests[i].tables[static_cast<std::size_t>(t)]) {
                if (first[static_cast<std::size_t>(t)] < 0)
                    first[static_cast<std::size_t>(t)] = static_cast<int>(i);
                ++count[static_cast<std::size_t>(t)];
            }
    for (int t = 0; t < kTableCount; ++t) {
        const int i = first[static_cast<std::size_t>(t)];
        if (i < 0)
            continue;
        const TRecPosition& p = rec.positions[static_cast<std::size_t>(i)];
        const std::string& was = rec.digests[static_cast<std::size_t>(i)].points;
        const std::string& is = now[static_cast<std::size_t>(i)].points;
        std::string point = "none (the table differs as a whole: counts or order)";
        for (std::size_t k = 0; k < is.size() && k < was.size(); ++k)
            if (is[k] != was[k]) {
                const int size = p.size;
                point = GtpVertex(vorn::Point(static_cast<int>(k) % size + 1, static_cast<int>(k) / size + 1), size);
                break;
            }
        Place(p);
        ADD_FAILURE() << "table " << kTables[static_cast<std::size_t>(t)] << " differs first at position " << p.id
                      << " (" << count[static_cast<std::size_t>(t)] << " of " << rec.positions.size()
                      << " positions differ), first point that differs: " << point << "\nmoves "
                      << MovesText(p.moves, p.size) << ", look-ahead " << MovesText(p.reading, p.size) << "\n"
                      << DiagramText(*GobanLv[0])
                      << "A change that is meant writes the record anew: make analysis-record";
        ResetProgramState();
    }

    for (TRecThink t : rec.thinks) {
        const std::string move = t.move;
        const std::uint64_t analyses = t.analyses;
        ThinkOn(t);
        EXPECT_EQ(t.move, move) << "the engine's move on " << t.id << " (make analysis-record when meant)";
        EXPECT_EQ(t.analyses, analyses) << "full analyses of the move on " << t.id
                                        << " (make analysis-record when meant)";
    }
}

} // namespace
} // namespace vorn::test
