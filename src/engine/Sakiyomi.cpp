#include "engine/Sakiyomi.h"

#include <algorithm>
#include <string>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Kou.h"
#include "engine/Nozoki.h"
#include "engine/PairAnswer.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Toru.h"
#include "engine/WeakGun.h"
#include "records/Log.h"

namespace vorn {

std::uint8_t SakiRootColour = 0;
int SakiRootBest = 0;
Point SakiRootTe{};
std::string SakiLine1, SakiLine2, SakiLine3;
int SakiDepth = 0;
int SakiLineLen = 0;
TSakiRootList SakiRoot;
long long ThinkYomiCount = 0;

namespace {

// The longest line the tree plays on the game record: the root, the reply,
// our answer and the continuation.
int LongestLine() { return 3 + SettingYomiDeep(); }

bool InArea(Point p) { return p.x >= 1 && p.y >= 1 && p.x <= BoardSize && p.y <= BoardSize && YomiArea[p.x][p.y] == 1; }

void MarkArea(Point p)
{
    if (p.x >= 1 && p.y >= 1 && p.x <= BoardSize && p.y <= BoardSize)
        YomiArea[p.x][p.y] = 1;
}

// The empty points of the window x0..x1, y0..y1, clipped to the board.
void MarkEmpty(int x0, int x1, int y0, int y1)
{
    const TGoban& b = CurGoban();
    for (int y = std::max(1, y0); y <= std::min(BoardSize, y1); ++y)
        for (int x = std::max(1, x0); x <= std::min(BoardSize, x1); ++x)
            if (b.GetIro(x, y) == kAki)
                YomiArea[x][y] = 1;
}

// The number of a tree move on the board, while the look-ahead display is on.
void Number(int colour, int n, Point p)
{
    if (DspSakiyomi == 1)
        Shell().BangoDraw(colour, n, p.x, p.y);
}

// The value of the position as it stands, for the root colour, against the
// base of the search.
int LeafValue()
{
    RestoreHyokaBase();
    return Hyoka(SakiRootColour);
}

// Whether v replaces the value kept so far when `mover` chose: the root
// colour maximises, the other colour minimises.
bool Better(int v, int kept, int mover) { return mover == SakiRootColour ? v > kept : v < kept; }

// The engine's decision state that the tree's nodes overwrite: the candidate
// table with its selection results and ko park, the threat count, the
// colours, the base evaluation, the flags of the prologue and the pairs
// dealt with.  Restore()
// analyses the game board again and rebuilds what the decision built from it
// (ladders, pair list, maps, peeps, ko point), then puts the rest back.
class TSakiyomiKeep {
public:
    TSakiyomiKeep()
        : koho_(Koho), count_(KohoCount), kind_(KohoKind), bestScore_(KohoBestScore), bestValue_(KohoBestValue),
          bestKind_(KohoBestKind), bestBonus_(KohoBestBonus), kouValue_(KouKohoValue), kouFlag_(KouKohoFlag),
          dateCount_(KouDateCount), jibun_(JibunIro), aite_(AiteIro), base_(HyokaBaseValue),
          bigKuro_(BigGunKuroBase), bigSiro_(BigGunSiroBase), urgent_(UrgentPassFlag), pairMode_(GunKankeiPairMode)
    {
        for (int i = 1; i <= kMaxPair; ++i)
            pairFlags_[i] = GobanLv[0]->PairFlag(i);
    }
    ~TSakiyomiKeep()
    {
        // On an error the fault handler analyses the game board anew.
        if (!done_) {
            try {
                Restore();
            } catch (...) {
            }
        }
    }
    TSakiyomiKeep(const TSakiyomiKeep&) = delete;
    TSakiyomiKeep& operator=(const TSakiyomiKeep&) = delete;

    void Restore()
    {
        done_ = true;
        YomiUnwind();
        JibunIro = jibun_;
        AiteIro = aite_;
        GobanLv[0]->Analyze();
        AreaMapSave();
        ThinkPrologue(true, false);
        Koho = koho_;
        KohoCount = count_;
        KohoKind = kind_;
        KohoBestScore = bestScore_;
        KohoBestValue = bestValue_;
        KohoBestKind = bestKind_;
        KohoBestBonus = bestBonus_;
        KouKohoValue = kouValue_;
        KouKohoFlag = kouFlag_;
        KouDateCount = dateCount_;
        HyokaBaseValue = base_;
        BigGunKuroBase = bigKuro_;
        BigGunSiroBase = bigSiro_;
        UrgentPassFlag = urgent_;
        GunKankeiPairMode = pairMode_;
        for (int i = 1; i <= kMaxPair; ++i)
            GobanLv[0]->SetPairFlag(i, pairFlags_[i]);
    }

private:
    TKohoTable koho_;
    int count_;
    std::uint8_t kind_;
    int bestScore_, bestValue_;
    std::uint8_t bestKind_, bestBonus_;
    int kouValue_;
    std::uint8_t kouFlag_;
    int dateCount_;
    std::uint8_t jibun_, aite_;
    int base_, bigKuro_, bigSiro_;
    std::uint8_t urgent_, pairMode_;
    // The pairs the decision's generators have dealt with.
    Arr<std::uint8_t, 1, kMaxPair> pairFlags_{};
    bool done_ = false;
};

// The capture shortcut: a root worth more than 28 that takes stones at a
// point where a stone would be in atari, and whose group lives after it.
Point CaptureShortcut(int n)
{
    const TGoban& b0 = *GobanLv[0];
    for (int i = 1; i <= n; ++i) {
        const Point r = SakiRoot.Pt[i];
        if (SakiRoot.Value[i] <= 28)
            continue;
        for (int k = kKuro; k <= kSiro; ++k) {
            if (b0.IsToruTenPt(k, r) == 0 || b0.IsSelfAtariPt(k, r) == 0)
                continue;
            bool lives = false;
            {
                TYomiTrial t;
                if (t.Play(JibunIro, r)) {
                    CurGoban().Analyze();
                    const TGun* g = GunAt(r);
                    lives = g != nullptr && g->GetDeath() == 0;
                }
            }
            if (lives)
                return r;
        }
    }
    return Point{};
}

// The lines become the comment of the record's current move, unless that
// move carries a comment of its own.
void WriteComment(const std::string& text)
{
    TTejun& t = GobanLv[0]->Tejun;
    const int n = t.Current();
    if (!t.HasComment(n) || IsSakiyomiComment(t.GetComment(n)))
        t.SetComment(n, text);
}

// The point is a candidate of the table.
bool IsKoho(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return true;
    return false;
}

} // namespace

Point SakiyomiChoose(int n, const Arr<int, 1, kMaxSakiRoot>& score)
{
    // A root after which the opponent has no answer, when every other line
    // runs long.
    int shortRoot = 0, shortCount = 0;
    bool othersLong = true;
    for (int i = 1; i <= n; ++i) {
        if (SakiRoot.Len[i] < 2) {
            shortRoot = i;
            ++shortCount;
        } else if (SakiRoot.Len[i] <= 2) {
            othersLong = false;
        }
    }
    if (shortCount == 1 && othersLong)
        return SakiRoot.Pt[shortRoot];
    // The roots by score, best first. The sort is stable on purpose: among
    // equal scores the root listed first (the better candidate of the table)
    // must stay first, so the choice never depends on the sort's tie order.
    Arr<int, 1, kMaxSakiRoot> order{};
    for (int i = 1; i <= n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.begin() + n, [&score](int a, int b) { return score[a] > score[b]; });
    const int best = order[1];
    const int l0 = SakiRoot.Len[1];
    // A long line for the best root while our own top choice ends quickly:
    // the first short line among the others.
    if (SakiRoot.Len[best] > 5 && l0 < 4)
        for (int k = 1; k <= n - 1; ++k)
            if (SakiRoot.Len[order[k]] < 4)
                return SakiRoot.Pt[order[k]];
    // A capture nearly as good as the best is surer.
    if (SakiRoot.Kind[best] != kkToru)
        for (int k = 2; k <= n; ++k) {
            const int i = order[k];
            if (SakiRoot.Kind[i] != kkToru)
                continue;
            if (score[best] - score[i] < 5)
                return SakiRoot.Pt[i];
            break;
        }
    return SakiRoot.Pt[best];
}

void Sakiyomi(Point p, Point& out)
{
    out = p;
    if (JikanOver(5))
        return;
    // The tree plays on the game record: only at its last move (a move played
    // on a stepped-back record would cut the moves after it), and only with
    // room for the longest line.
    const TTejun& rec = GobanLv[0]->Tejun;
    if (Level != 0 || rec.Current() != rec.Last() || rec.Last() + LongestLine() > kMaxTe)
        return;
    // A ko threat that the staged search chose is no candidate: the roots
    // would not hold it, and the retake it prepares is worth more than any.
    if (!IsKoho(p))
        return;
    LogNewGameFile();
    SakiRootColour = JibunIro;
    const int n = SelectRootKoho();
    if (n < 2)
        return;
    if (n >= 3 && (SakiyomiMode != 1 || JikanOver(10)))
        return;
    if (const Point r = CaptureShortcut(n); r.x != 0) {
        out = r;
        return;
    }

    TSakiyomiKeep keep;
    SaveHyokaBase();
    SakiRootBest = KohoBestValue;
    Arr<int, 1, kMaxSakiRoot> score{};
    std::string comment;
    for (int i = 1; i <= n; ++i) {
        Shell().StatusText(Msg("Thinking...", "ちょっと長考します") + std::to_string(i) + "/" + std::to_string(n));
        score[i] = YomiTe(SakiRoot.Pt[i], SakiRootColour);
        SakiRoot.Len[i] = SakiLineLen;
        const std::string line = SakiLine1 + std::to_string(score[i]);
        LogWriteGame(line, true);
        comment += line + "\r\n";
    }
    Shell().StatusText("");
    out = SakiyomiChoose(n, score);
    for (int i = 1; i <= n; ++i)
        SakiRoot.Value[i] = score[i];
    keep.Restore();
    WriteComment(comment);
}

int SelectRootKoho()
{
    SortKoho();
    FillGrid<std::uint8_t, 1, 19>(YomiArea, 0);
    SakiRoot.Count = 0;
    if (KohoCount == 0)
        return 0;
    MakeYomiArea(Koho.Pt[1]);
    const int top = Koho.Value[1];
    const int floor = top >= 45 ? 23 : 13;
    const int wide = SettingYomiWide();
    const bool big = BoardSize > 9;
    int n = 0;
    for (int i = 1; i <= KohoCount && n < kMaxSakiRoot; ++i) {
        const Point p = Koho.Pt[i];
        const int v = Koho.Value[i];
        const int kind = Koho.Kind[i];
        if (!InArea(p) && v < 31)
            continue;
        if (v < floor)
            break;
        if (big && n >= wide && kind != kkToru && v < 50)
            continue;
        if (kind >= kkJoban2)
            continue;
        if (kind == kkToru ? v < floor : v < 15)
            continue;
        if (kind != kkToru && ((v < 30 && top - v > 60) || (v < 25 && top - v > 30)))
            continue;
        if (kind > kkKankei && kind > KohoKind && kind != kkNozoki)
            continue;
        ++n;
        SakiRoot.Pt[n] = p;
        SakiRoot.Value[n] = v;
        SakiRoot.Kind[n] = static_cast<std::uint8_t>(kind);
        SakiRoot.Len[n] = 0;
        if (big && n >= wide + 1)
            break;
    }
    SakiRoot.Count = n;
    for (int i = 1; i <= n; ++i)
        MarkYomiArea(SakiRoot.Pt[i]);
    return n;
}

void MakeYomiArea(Point p)
{
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(p))
        return;
    // The groups around the fight: those of the stones related to p (with
    // the weak enemies of a weak one) and those of the enemies of the chains
    // next to p.
    constexpr int kMaxAreaGun = 10;
    int guns[kMaxAreaGun] = {};
    int gunSu = 0;
    auto addGun = [&](int n) {
        if (n >= 1 && n <= kMaxGun)
            AddIntUnique(guns, gunSu, kMaxAreaGun, n);
    };
    const TLocate& loc = b.GetLocatePt(p);
    for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
        if (!loc.OnBoardAt(i))
            continue;
        const TGun* g = b.GunList.GetGunAt(loc.GetKankeiPoint(i));
        if (g == nullptr)
            continue;
        addGun(g->GetGunNo());
        if (!g->IsWeak())
            continue;
        for (int j = 1; j <= g->GetMgunSu(); ++j) {
            const int m = g->GetMgun(j);
            const TGun* e = m >= 1 && m <= kMaxGun ? b.GunList.GetGun(m) : nullptr;
            if (e != nullptr && e->GetIsiIro() != g->GetIsiIro() && e->IsWeak())
                addGun(m);
        }
    }
    for (int d = 1; d <= 4; ++d) {
        const TRen* r = b.RenList.RenAtPt(Dir4Pt(p, d));
        if (r == nullptr || (r->GetIro() != kKuro && r->GetIro() != kSiro))
            continue;
        for (int j = 1; j <= r->MrenCount(); ++j) {
            const TRen* m = b.RenList.Items(r->Mren(j));
            if (m != nullptr && m->GetIro() == Aite(r->GetIro()))
                addGun(m->GetGunNo());
        }
    }
    MarkEmpty(p.x - 6, p.x + 6, p.y - 6, p.y + 6);
    bool unsettled = false;
    for (int k = 0; k < gunSu; ++k) {
        const TGun* g = b.GunList.GetGun(guns[k]);
        unsettled = unsettled || (g != nullptr && g->IsWeak() && g->GetDeath() == 0);
    }
    if (unsettled)
        for (int k = 0; k < gunSu; ++k) {
            const TGun* g = b.GunList.GetGun(guns[k]);
            if (g == nullptr || !g->IsWeak())
                continue;
            for (int i = 1; i <= g->GetFromSu(); ++i) {
                const Point f = g->GetFromB(i);
                MarkArea(f);
                for (int d = 1; d <= 8; ++d)
                    MarkArea(Dir8Pt(f, d));
            }
        }
    if (LogMode == 1) {
        LogWrite(ItiToStr(p));
        for (int y = 1; y <= 19; ++y) {
            std::string row(19, '0');
            for (int x = 1; x <= 19; ++x)
                if (YomiArea[x][y] == 1)
                    row[x - 1] = '1';
            LogWrite(row);
        }
        LogWrite("");
    }
}

void MarkYomiArea(Point p) { MarkEmpty(p.x - 2, p.x + 6, p.y - 2, p.y + 6); }

int YomiTe(Point r, int col)
{
    TYomiSame line;
    SakiRootTe = r;
    SakiLine1 = ItiToStr(r);
    SakiDepth = 1;
    SakiLineLen = 1;
    if (!line.Play(col, r))
        return LeafValue();
    Number(col, 1, r);
    return YomiAite(Aite(col));
}

int YomiAite(int col)
{
    SakiDepth = 1;
    SakiLineLen = 1;
    Point t;
    ThinkYomi(t);
    Arr<Point, 1, kMaxKoho> replies;
    const int m = SelectYomiKoho(replies);
    if (m == 0)
        return LeafValue();
    SakiDepth = 2;
    SakiLineLen = 2;
    const std::string root = ItiToStr(SakiRootTe);
    int kept = 0;
    for (int i = 1; i <= m; ++i) {
        const int v = YomiJibun(replies[i], col);
        if (i == 1 || Better(v, kept, col)) {
            kept = v;
            SakiLineLen = SakiDepth;
            SakiLine1 = root + SakiLine2;
        }
    }
    return kept;
}

int YomiJibun(Point q, int col)
{
    TYomiSame line;
    SakiDepth = 2;
    SakiLine2 = ItiToStr(q);
    if (!line.Play(col, q)) {
        // A refused reply ends the line at the root.
        SakiDepth = 1;
        SakiLine2.clear();
        return LeafValue();
    }
    Number(col, 2, q);
    Point t;
    ThinkYomi(t);
    Arr<Point, 1, kMaxKoho> answers;
    const int m = SelectYomiKoho(answers);
    if (m == 0)
        return LeafValue();
    const std::string reply = SakiLine2;
    const int mover = Aite(col);
    int kept = 0;
    for (int i = 1; i <= m; ++i) {
        const int v = YomiLeaf(answers[i], mover);
        if (i == 1 || Better(v, kept, mover)) {
            kept = v;
            SakiLine2 = reply + SakiLine3;
        }
    }
    return kept;
}

int YomiLeaf(Point s, int col)
{
    TYomiSame line;
    SakiDepth = 3;
    SakiLine3 = ItiToStr(s);
    if (!line.Play(col, s)) {
        SakiDepth = 2;
        SakiLine3.clear();
        return LeafValue();
    }
    Number(col, 3, s);
    return YomiContinue(col, SakiLine3);
}

int YomiContinue(int col, std::string& line)
{
    TYomiSame moves;
    const int deep = SettingYomiDeep();
    // Only forcing moves go on: the bar rises with every move, and from a
    // higher start when the root itself was big.
    const int bar = SakiRootBest >= 35 ? 24 : 12;
    for (int k = 1; k <= deep; ++k) {
        Point t;
        ThinkYomi(t);
        if (t.x <= 0 || KohoBestValue < k + bar)
            break;
        col = Aite(col);
        // The line ends with a move of the root colour.
        if (k == deep && col != SakiRootColour)
            break;
        if (!moves.Play(col, t))
            break;
        Number(col, k + 3, t);
        line += ItiToStr(t);
    }
    const int v = LeafValue();
    SakiDepth = moves.Played() + 2;
    return v;
}

int SelectYomiKoho(Arr<Point, 1, kMaxKoho>& out)
{
    SortKoho();
    const int lim = SakiRootBest < 35 ? std::min(SakiRootBest, 15) : 25;
    const int cap = BoardSize == 9 ? 3 : 2;
    int m = 0;
    for (int i = 1; i <= KohoCount; ++i) {
        const Point p = Koho.Pt[i];
        if (!InArea(p))
            continue;
        const int v = Koho.Value[i];
        const int kind = Koho.Kind[i];
        if (v < 13)
            break;
        bool take = false;
        if (v >= 81)
            take = m < cap;
        else if (v > lim && Kyori(p, SakiRootTe) < 8)
            take = true;
        else if (v > lim && kind <= kkKankei && m <= cap)
            take = true;
        if (take) {
            out[++m] = p;
            continue;
        }
        // Below the bar only captures and escapes, up to the cap.
        if (kind == kkToru || kind == kkNigeru)
            out[++m] = p;
        if (m >= cap)
            break;
    }
    return m;
}

void ThinkYomi(Point& out)
{
    ++ThinkYomiCount;
    out = Point{};
    YomiUnwind();
    TGoban& b0 = *GobanLv[0];
    JibunIro = static_cast<std::uint8_t>(b0.Tejun.NextColor());
    AiteIro = static_cast<std::uint8_t>(Aite(JibunIro));
    b0.Analyze();
    AreaMapSave();
    ThinkPrologue(false, false);
    Point p;
    PairAnswer(p);
    YomiUnwind();
    RenAnswer(p);
    YomiUnwind();
    NozokiThink(p);
    YomiUnwind();
    SelectKohoNear(out);
}

bool IsSakiyomiComment(const std::string& text)
{
    // Lines of "<x,y>" moves, then an optional "=", then a whole number.
    std::size_t i = 0;
    int lines = 0;
    auto number = [&text, &i]() {
        if (i < text.size() && text[i] == '-')
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > start;
    };
    while (i < text.size()) {
        int moves = 0;
        while (i < text.size() && text[i] == '<') {
            ++i;
            if (!number() || i >= text.size() || text[i++] != ',' || !number() || i >= text.size() || text[i++] != '>')
                return false;
            ++moves;
        }
        if (moves == 0)
            return false;
        if (i < text.size() && text[i] == '=')
            ++i;
        if (!number())
            return false;
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i++] != '\n')
            return false;
        ++lines;
    }
    return lines > 0;
}

void SakiyomiReset()
{
    SakiRootColour = 0;
    SakiRootBest = 0;
    SakiRootTe = Point{};
    SakiLine1.clear();
    SakiLine2.clear();
    SakiLine3.clear();
    SakiDepth = 0;
    SakiLineLen = 0;
    SakiRoot = TSakiRootList{};
    ThinkYomiCount = 0;
}

} // namespace vorn
