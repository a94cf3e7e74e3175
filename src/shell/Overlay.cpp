#include "shell/Overlay.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <unordered_map>
#include <utility>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "board/Kiri.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

// Territory colours: Black's border and firm points, White's.
constexpr int kJiKuroBorder = 0x800080;
constexpr int kJiKuroFirm = 0x000080;
constexpr int kJiSiroBorder = 0xC0C0C0;
constexpr int kJiSiroFirm = 0x808080;

// ---------------------------------------------------------------------------
// Calls into units built elsewhere.

// The ko threats of the engine's last move choice into te and val (1..),
// answering their number; only points on the board.  Not built yet: the ko
// unit's threat list (KouDateList and KouDateListValue, both 1..20, with
// KouDateCount); until it lands there are none.
int KouDateRead(Arr<Point, 1, kKouDateMax>& te, Arr<int, 1, kKouDateMax>& val)
{
    (void)te, (void)val;
    return 0;
}

// ---------------------------------------------------------------------------

bool OnBoard(Point p) { return GobanLv[0]->OnBoardPt(p); }

// On the board or on the border line around it, where a link to the edge ends.
bool OnBoardOrEdge(Point p) { return p.x >= 0 && p.y >= 0 && p.x <= BoardSize + 1 && p.y <= BoardSize + 1; }

// A decimal number with optional blanks around it and an optional sign.
bool ReadInt(const std::string& s, int& v)
{
    std::size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ')
        ++a;
    while (b > a && s[b - 1] == ' ')
        --b;
    if (a < b && s[a] == '+')
        ++a;
    if (a == b)
        return false;
    const auto r = std::from_chars(s.data() + a, s.data() + b, v);
    return r.ec == std::errc() && r.ptr == s.data() + b;
}

// At most n characters of a UTF-8 text, never cutting one in two.
std::string Head(const std::string& s, int n)
{
    std::size_t i = 0;
    for (int k = 0; k < n && i < s.size(); ++k) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i < s.size() ? s.substr(0, i) + "..." : s;
}

} // namespace

// ---------------------------------------------------------------------------
// Texts

void DspSelectText(int v, int b, int k, bool kinds, std::string& text, int& code)
{
    code = v >= 0 ? v / 100 : -1;
    if (kinds) {
        text = std::to_string(k);
        code = 0;
        return;
    }
    text = std::to_string(std::abs(v) % 100);
    if (v == 0) {
        text = "." + std::to_string(b);
    } else if (b != 0) {
        if (v == 25) {
            text = std::to_string(b);
            code = 3;
        } else {
            text += ".";
        }
    }
}

void KouDateText(int v, std::string& text, int& code)
{
    code = v >= 0 ? v / 100 + 1 : -1;
    text = std::to_string(std::abs(v) % 100);
}

void SakiyomiText(int v, std::string& text, int& code)
{
    code = v <= -100 ? -2 : v < 0 ? -1 : v / 100;
    text = std::to_string(std::abs(v) % 100);
}

std::string SituationText(int v, int language)
{
    const bool english = language == lgEnglish;
    if (v == 0)
        return english ? "equal" : "互角";
    const int a = std::abs(v);
    std::string s = v > 0 ? (english ? "Black" : "黒") : (english ? "White" : "白");
    s += std::to_string(a / 2);
    if (!english)
        s += "目";
    if (a % 2 == 1)
        s += english ? ".5" : "半";
    s += english ? "superior" : "優勢です";
    return s;
}

int SakiyomiScan(const std::string& comment, TSakiyomiTejun& lines, TSakiyomiValue& values, std::string& bad)
{
    bad.clear();
    for (int i = 1; i <= kSakiyomiLines; ++i) {
        if (!lines[i])
            lines[i] = std::make_unique<TTejun>();
        lines[i]->Clear();
    }
    int count = 1;
    std::string buf;
    int x = 0;
    bool lineOk = true;  // every move of the line so far lies on the board
    for (const char ch : comment) {
        switch (ch) {
        case '<':
        case '=': buf.clear(); break;
        case ',':
            if (!ReadInt(buf, x)) {
                bad = buf;
                lines[count]->Clear();
                return count - 1;
            }
            buf.clear();
            break;
        case '>': {
            int y = 0;
            if (!ReadInt(buf, y)) {
                bad = buf;
                lines[count]->Clear();
                return count - 1;
            }
            buf.clear();
            TTejun& t = *lines[count];
            if (lineOk && OnBoard(Point(x, y)) && t.Last() < kMaxTe)
                t.Add(x, y);
            else
                lineOk = false;
            x = 0;
            break;
        }
        case '\r': break;
        case '\n': {
            TTejun& t = *lines[count];
            if (buf.empty() && t.Last() == 0 && lineOk)
                break;  // a blank line
            int v = 0;
            if (!ReadInt(buf, v)) {
                bad = buf;
                t.Clear();
                return count - 1;
            }
            buf.clear();
            if (!lineOk) {
                t.Clear();
                lineOk = true;
                break;
            }
            values[count] = v;
            if (++count > kSakiyomiLines)
                return kSakiyomiLines;
            break;
        }
        default: buf += ch; break;
        }
    }
    // An unfinished last line does not count.
    lines[count]->Clear();
    return count - 1;
}

// ---------------------------------------------------------------------------

bool TOverlay::Click(const std::string& name)
{
    using Handler = void (TOverlay::*)();
    static const std::unordered_map<std::string, Handler> handlers = {
        {"mnuSakiyomi", &TOverlay::mnuSakiyomiClick}, {"mnuSituation", &TOverlay::mnuSituationClick},
        {"mnuKakeme", &TOverlay::mnuKakemeClick},     {"mnuTeire", &TOverlay::mnuTeireClick},
        {"mnuKou", &TOverlay::mnuKouClick},           {"mnuKohoLocate", &TOverlay::mnuKohoLocateClick},
        {"mnuJoseki", &TOverlay::mnuJosekiClick},
    };
    const auto it = handlers.find(name);
    if (it == handlers.end())
        return false;
    (this->*(it->second))();
    return true;
}

// ---------------------------------------------------------------------------
// Overlays of the full repaint

void TOverlay::Paint()
{
    TMainCtl& m = main_;
    if (m.Checked("mnuNumber"))
        m.Ban.BangoPaint();
    if (m.Checked("mnuDspJi"))
        JiaiPaint();
    if (m.Checked("mnuSemeai"))
        SemeaiPaint();
    if (m.Checked("mnuDspDeath"))
        DeathPaint();
    if (m.Checked("mnuLink"))
        m.KankeiPaint(true);
    if (m.Checked("mnuKankei"))
        m.KankeiPaint(false);
    if (m.Checked("mnuWeakGun"))
        WeakGunPaint();
    if (m.Checked("mnuDspAtari"))
        AtariPaint();
    SakiyomiPaint();
}

void TOverlay::JiaiPaint()
{
    AreaMapCopy();
    const TGoban& b = *GobanLv[0];
    TBanDraw& d = main_.Ban;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (b.GetIro(x, y) != kAki)
                continue;
            const int v = AreaMapView[x][y];
            if (v == 0)
                continue;
            d.BanPointPaint(x, y, v == 1 ? kJiKuroBorder : v >= 2 ? kJiKuroFirm : v == -1 ? kJiSiroBorder : kJiSiroFirm);
        }
    // The star points of the coloured cells come back.
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (Hosi[x][y] && b.GetIro(x, y) == kAki)
                d.HosiDraw(x, y);
}

void TOverlay::SemeaiPaint()
{
    const TGunList& list = GobanLv[0]->GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr || g->GetSmai() == 0)
            continue;
        const int colour = g->GetLost() == 1 ? clRed : clBlue;
        for (int i = 1; i <= g->GetIsiSu(); ++i) {
            const Point p = g->GetYoso(i);
            main_.Ban.RingDraw(p.x, p.y, colour);
        }
    }
}

void TOverlay::DeathPaint()
{
    const TGunList& list = GobanLv[0]->GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr || g->GetMe() >= 3)
            continue;
        const bool dead = g->GetDeath() == 1;
        if (!dead && g->GetDeathLevel() <= 70)
            continue;
        for (int i = 1; i <= g->GetIsiSu(); ++i) {
            const Point p = g->GetYoso(i);
            if (dead)
                main_.Ban.DeadMarkDraw(g->GetIsiIro(), p.x, p.y);
            else
                main_.Ban.WeakMarkDraw(g->GetIsiIro(), p.x, p.y);
        }
    }
}

void TOverlay::WeakGunPaint()
{
    const TGunList& list = GobanLv[0]->GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr || g->GetDeath() == 1 || g->GetSeki() == 1 || !g->IsWeak())
            continue;
        // Two digits fit on a stone: a sure death shows "00".
        const int level = g->GetDeathLevel();
        const std::string text = level == 100 ? "00" : std::to_string(level);
        const int code = g->GetIsiIro() == kKuro ? 5 : -1;
        for (int i = 1; i <= g->GetIsiSu(); ++i)
            main_.Ban.IrhTextOut(text, g->GetYoso(i), code);
    }
}

void TOverlay::AtariPaint()
{
    const TRenList& list = GobanLv[0]->RenList;
    for (int n = 1; n <= list.Count(); ++n) {
        const TRen* r = list.Items(n);
        if (r == nullptr || r->GetIro() == kAki || r->Kuu() != 1)
            continue;
        for (int i = 1; i <= r->IsiCount(); ++i) {
            const Point p = r->GetIsi(i);
            main_.Ban.AtariMarkDraw(p.x, p.y, clRed);
        }
    }
}

void TOverlay::SakiyomiPaint()
{
    const int count = std::min(SakiyomiCount, kSakiyomiLines);
    for (int i = 1; i <= count; ++i) {
        const TTejun* t = main_.SakiyomiTejun[i].get();
        // A line cleared by the engine command shows nothing.
        if (t == nullptr || t->Last() < 1)
            continue;
        std::string text;
        int code = 0;
        SakiyomiText(SakiyomiValue[i], text, code);
        main_.Ban.IrhTextOut(text, t->GetTe(1), code);
    }
}

// ---------------------------------------------------------------------------
// The engine's candidates, the hint and the look-ahead lines

void TOverlay::DspSelect()
{
    TMainCtl& m = main_;
    if (!m.Checked("mnuKoho"))
        return;
    const bool kinds = m.Checked("mnuKind");
    const int n = std::min(KohoDspCount, kMaxKoho);
    for (int i = 1; i <= n; ++i) {
        const Point p = KohoDsp.Pt[i];
        const int b = KohoDsp.Bonus[i];
        std::string text;
        int code = 0;
        DspSelectText(KohoDsp.Value[i], b, KohoDsp.Kind[i], kinds, text, code);
        m.Ban.IrhTextOut(text, p, code);
        if (b != 0 && OnBoard(p))
            m.view_.LocateDrawText(p, std::to_string(b), clRed);
    }
    Arr<Point, 1, kKouDateMax> te;
    Arr<int, 1, kKouDateMax> val;
    const int k = KouDateRead(te, val);
    for (int i = 1; i <= k; ++i) {
        std::string text;
        int code = 0;
        KouDateText(val[i], text, code);
        m.Ban.IrhTextOut(text, te[i], code);
    }
    m.Ban.Canvas().Show(false);
}

void TOverlay::HintKohoPaint()
{
    const int n = std::min(KohoCount, kMaxKoho);
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (Koho.Value[i] < Koho.Value[j]) {
                std::swap(Koho.Pt[i], Koho.Pt[j]);
                std::swap(Koho.Value[i], Koho.Value[j]);
                std::swap(Koho.Bonus[i], Koho.Bonus[j]);
                std::swap(Koho.Kind[i], Koho.Kind[j]);
                std::swap(Koho.RelPt[i], Koho.RelPt[j]);
            }
    for (int i = 1; i <= std::min(n, 3); ++i)
        main_.Ban.IrhTextOut("◆", Koho.Pt[i], 0);
    main_.Ban.Canvas().Show(false);
}

void TOverlay::mnuSakiyomiClick()
{
    TMainCtl& m = main_;
    const TTejun& t = GobanLv[0]->Tejun;
    std::string bad;
    SakiyomiCount = SakiyomiScan(t.GetComment(t.Current()), m.SakiyomiTejun, SakiyomiValue, bad);
    SakiyomiPaint();
    m.Ban.Canvas().Show(false);
    if (!bad.empty())
        m.prompt_.Message("'" + Head(bad, 30) + Msg("' is not a valid integer value", "' は正しい整数値ではありません"));
}

void TOverlay::SakiyomiLineShow(int x, int y)
{
    TMainCtl& m = main_;
    const int count = std::min(SakiyomiCount, kSakiyomiLines);
    for (int i = 1; i <= count; ++i) {
        const TTejun* t = m.SakiyomiTejun[i].get();
        if (t == nullptr || t->Last() < 1 || t->GetTe(1) != Point(x, y))
            continue;
        m.FormPaint();
        // Every line starts with the side to move.
        int col = GobanLv[0]->Tejun.NextColor();
        for (int j = 1; j <= t->Last(); ++j) {
            const Point p = t->GetTe(j);
            m.Ban.IsiDraw(col, p.x, p.y);
            m.Ban.BangoDraw(col, j, p.x, p.y);
            col = Aite(col);
        }
        m.Ban.Canvas().Show(false);
    }
}

// ---------------------------------------------------------------------------
// Analysis commands

void TOverlay::mnuSituationClick()
{
    TMainCtl& m = main_;
    if (m.ExamMode == 1)
        return;
    const int side = GobanLv[0]->Tejun.NextColor();
    JibunIro = static_cast<std::uint8_t>(side);
    AiteIro = static_cast<std::uint8_t>(Aite(side));
    m.GameInfo.edtResult.Text = SituationText(KeiseiHandanCalc(), Language);
    m.GameInfo.Changed();
}

void TOverlay::mnuKakemeClick()
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (const int v = b.GetKakeme(x, y); v > 0)
                main_.Ban.CornerTextOut(std::to_string(v), Point(x, y), 0, clRed);
    main_.Ban.Canvas().Show(false);
}

void TOverlay::mnuTeireClick()
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (b.GetDeathRenMark(x, y) == 1)
                main_.Ban.CornerTextOut("0", Point(x, y), 0, clRed);
    main_.Ban.Canvas().Show(false);
}

void TOverlay::mnuKouClick()
{
    const TGoban& b = *GobanLv[0];
    TBanDraw& d = main_.Ban;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            for (int c = kKuro; c <= kSiro; ++c)
                if (b.IsToruTen(c, x, y) == 1 && b.IsSelfAtari(c, x, y) == 1 && IsKouShape(Point(x, y), c))
                    d.CornerTextOut("0", Point(x, y), (c - 1) * d.BanHalf, c == kKuro ? clBlack : clWhite);
    d.Canvas().Show(false);
}

void TOverlay::mnuKohoLocateClick()
{
    SichoAll();
    KohoLocateMake();
    PairPaint();
}

void TOverlay::PairPaint()
{
    const TGoban& b = *GobanLv[0];
    TBanDraw& d = main_.Ban;
    for (int i = 1; i <= std::min(b.PairCount(), kMaxPair); ++i) {
        const int k = b.PairKind(i);
        const Point pa = b.PairPointA(i), pb = b.PairPointB(i);
        if (k < 20) {
            if (!OnBoard(pb))
                continue;
            d.IrhTextOut(std::to_string(k), pb, 0);
            if (OnBoardOrEdge(pa))
                d.KankeiDraw2(pb, pa, 3);
        } else {
            d.IrhTextOut(std::to_string(k), pa, 0);
        }
    }
    d.Canvas().Show(false);
}

void TOverlay::mnuJosekiClick()
{
    if (main_.GameRunning != 1 || GameInfoLock == 1)
        return;
    main_.FormPaint();
    JosekiPaint();
}

void TOverlay::JosekiPaint()
{
    TBanDraw& d = main_.Ban;
    for (int c = 1; c <= 4; ++c) {
        const int count = std::min(JosekiCacheCount[c], kJskChain);
        for (int j = 0; j < count; ++j) {
            const TJskNode& node = JosekiCache[c][j];
            if (node.X > 10 && node.Y > 10)
                continue;  // a move elsewhere
            const int number = node.Weight >= 100 ? node.Weight - 100 : node.Weight;
            const std::string text = std::to_string(number);
            // The dictionary's points are 19x19 corner points: on a smaller
            // board the far corners fall outside it.
            const Point p = JosekiFromCorner(Point(node.X, node.Y), c);
            if (OnBoard(p))
                d.IrhTextOut(text, p, node.Mark);
            if (JosekiOrientFixed[c] == 0 && node.X != node.Y) {
                const Point q = JosekiFromCorner(Point(node.Y, node.X), c);
                if (OnBoard(q))
                    d.IrhTextOut(text, q, node.Mark);
            }
        }
    }
    d.Canvas().Show(false);
}

} // namespace vorn
