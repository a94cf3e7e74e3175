#include "engine/Think.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Center19.h"
#include "engine/Hyoka.h"
#include "engine/Joban.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Kou.h"
#include "engine/Nozoki.h"
#include "engine/LastThink.h"
#include "engine/PairAnswer.h"
#include "engine/Reading.h"
#include "engine/Semeai.h"
#include "engine/Sikatu.h"
#include "engine/Sakiyomi.h"
#include "engine/Yose.h"
#include "engine/Toru.h"
#include "engine/Ukeru.h"
#include "engine/shapes/KankeiHokyo.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/Hiraki.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/Utikomi.h"
#include "engine/shapes/WeakGunKankei.h"
#include "engine/WeakGun.h"
#include "records/Log.h"

namespace vorn {

std::uint8_t JibunIro = 0;
std::uint8_t AiteIro = 0;
int KeiseiHandanNow = 0;
std::uint8_t UrgentPassFlag = 0;
std::uint8_t SikatuYomiOn = 0;
std::uint8_t InSakiyomi = 0;
Grid<std::uint8_t, 1, 19> YomiArea{};

namespace {

void DefaultKoThreat(int limit, Point& out, int& value)
{
    KouDate(limit, out);
    value = KouDateValue;
}

// The side to move on the game board.
int SideToMove() { return GobanLv[0]->Tejun.NextColor(); }

void SetColours()
{
    JibunIro = static_cast<std::uint8_t>(SideToMove());
    AiteIro = static_cast<std::uint8_t>(Aite(JibunIro));
}

} // namespace

void ThinkPrologue(bool ladders, bool judgement)
{
    if (ladders)
        SichoAll();
    KohoLocateMake();
    KiriMake();
    Kiri2Make();
    AtariMake();
    NozokiCheck();
    GobanLv[0]->PairFlagsClear();
    KouTenMake();
    LinkMarkClear();
    HyokaBase();
    if (judgement)
        KeiseiHandanNow = KeiseiHandan();
    KohoCount = 0;
    KouDateCount = 0;
    KouKohoValue = 0;
    KouKohoFlag = 0;
    UrgentPassFlag = 0;
    GunKankeiPairMode = 0;
    KohoBestKind = 0;
}

namespace {

// The choice stands unless it is illegal on the game board; then the best
// legal candidate of the table takes its place, or a pass.  The sign of a
// resignation offer is kept.
Point EnsureLegal(Point out)
{
    const int sign = out.x < 0 ? -1 : 1;
    const Point p{out.x * sign, out.y};
    if (p.x == 0 || LegalOnGame(p))
        return out;
    int best = 0;
    for (int i = 1; i <= KohoCount; ++i)
        if ((best == 0 || Koho.Score(i) > Koho.Score(best)) && LegalOnGame(Koho.Pt[i]))
            best = i;
    if (best == 0)
        return Point{};
    return Point{Koho.Pt[best].x * sign, Koho.Pt[best].y};
}

} // namespace

TThinkSources DefaultThinkSources() { return TThinkSources{RunStageCalls, DefaultKoThreat}; }

TThinkSources ThinkSources = DefaultThinkSources();

bool LegalOnGame(Point p)
{
    TGoban& b0 = *GobanLv[0];
    if (!b0.OnBoardPt(p))
        return false;
    const int saved = Level;
    Level = 0;
    const bool ok = b0.CheckUtu(SideToMove(), p.x, p.y) == kUtuOk;
    Level = saved;
    return ok;
}

int SettingYomiWide() { return std::clamp(YomiWide, 1, 20); }
int SettingYomiDeep() { return std::clamp(YomiDeep, 0, 10); }
int SettingYomiTime() { return std::clamp(YomiTime, 0, 1000); }

bool JikanOver(int reserveMinutes)
{
    if (JibunIro != kKuro && JibunIro != kSiro)
        return false;
    return static_cast<long long>(Jikan[JibunIro]) > (static_cast<long long>(SettingYomiTime()) - reserveMinutes) * 600;
}

void ThinkMove(Point& out)
{
    out = Point{};
    LogClear();
    InSakiyomi = 0;
    YomiUnwind();
    TGoban& b0 = *GobanLv[0];
    LastTe = b0.Tejun.CurTe();
    // After the end of a game the empty regions are chains and the user is
    // marking dead stones: nothing to think about.
    if (GameOver == 1)
        return;
    SetColours();
    // The board may have changed since it was last analysed (a position set
    // up, a record loaded): the replies below read the analysis.
    b0.Analyze();

    // Points returned directly are played only when legal; otherwise the
    // next source is asked.
    Point p;
    GetPreparedTe(p);
    ThinkTe = p;
    if (p.x >= 1 && LegalOnGame(p)) {
        out = p;
        return;
    }
    ReplyLastTe(p);
    ThinkTe = p;
    if (p.x >= 1 && LegalOnGame(p)) {
        out = p;
        return;
    }

    SikatuYomiOn = 1;
    VornThink0(8, p);
    ThinkTe = p;
    CopyKohoDsp();
    out = ThinkTe;
    if (ThinkStageNo > 3) {
        Point q;
        KosumiKankeiUtu(q);
        YomiUnwind();
        if (q.x >= 1)
            out = q;
    } else if (KohoCount >= 2 && ThinkTe.x >= 1) {
        // Only a real point is refined; a pass or a resignation offer stands.
        SortKoho();
        SikatuYomiOn = 0;
        const int r = Koho.Kind[1];
        Point q;
        if (NeedSakiyomi(r)) {
            SakiyomiPreCheck(ThinkTe, q);
            if (q.x != 0) {
                ThinkTe = q;
            } else {
                CounterCapture(q);
                if (q.x != 0) {
                    ThinkTe = q;
                } else {
                    InSakiyomi = 1;
                    Sakiyomi(ThinkTe, q);
                    ThinkTe = q;
                }
            }
        } else if (r == kkWeakGun) {
            VornThinkWeakGun(ThinkTe, q);
            ThinkTe = q;
        }
        YomiUnwind();
        out = ThinkTe;
    }
    out = EnsureLegal(out);
    ThinkTe = Point{std::abs(out.x), out.y};
}

void VornThink0(int maxStage, Point& out)
{
    YomiUnwind();
    SetColours();
    GobanLv[0]->Analyze();
    AreaMapSave();
    ThinkStage(maxStage, out);
    if (LogMode)
        LogWrite("VornThink0(" + std::to_string(maxStage) + ")=" + ItiToStr(out));
}

void ThinkStage(int maxStage, Point& out)
{
    ThinkPrologue(true, true);
    ThinkStageNo = -1;
    ThinkTe = Point{};
    // The stage that produced the move, or maxStage + 1 when none did.
    int stageEnd = maxStage + 1;
    for (int stage = 0; stage <= maxStage; ++stage) {
        Point p;
        ThinkSources.Stage(stage, p);
        ThinkTe = p;
        YomiUnwind();
        // The opening and joseki stages return their point directly: it is
        // played only when legal, else the search goes on.
        if (stage <= 1 && ThinkTe.x > 0 && !LegalOnGame(ThinkTe))
            ThinkTe = Point{};
        if (HintMode == 1 && KohoCount < 3)
            ThinkTe = Point{};
        if (ThinkTe.x > 0) {
            ThinkStageNo = stage;
            stageEnd = stage;
            break;
        }
    }
    if (LogMode) {
        LogWrite("YS=" + ItiToStr(ThinkTe) + std::to_string(ThinkStageNo));
        if (InSakiyomi != 1)
            LogWrite("ReCheck()=" + ItiToStr(ThinkTe));
    }

    // A candidate on the ko point was worth more than the best: look for a ko
    // threat worth more still.
    if (KouKohoValue > 0 && KohoBestValue < KouKohoValue) {
        if (KohoBestValue < 0)
            KohoBestValue = 0;
        Point threat;
        int value = 0;
        ThinkSources.KoThreat(KohoBestValue, threat, value);
        YomiUnwind();
        if (threat.x > 0 && value > KohoBestValue) {
            ThinkTe = threat;
            KohoBestValue = value;
        }
    }

    // Nothing worth playing in a lost position: offer to resign (never in a
    // continuous match).
    if (RenzokuMode == 0 && stageEnd >= 8 && KohoBestValue <= 10 && KeiseiHandanNow <= -100)
        ThinkTe.x = -ThinkTe.x;
    out = ThinkTe;
}

void RunStageCalls(int stage, Point& out)
{
    out = Point{};
    // One out point serves every call of the stage; the running choice
    // follows it after each call that selects.
    auto call = [&out](void (*generator)(Point&)) {
        generator(out);
        ThinkTe = out;
    };
    switch (stage) {
    case 0:
        call(JobanTe);
        break;
    case 1:
        call(JosekiTe);
        break;
    case 2:
        JosekiKoho();
        UrgentPassFlag = 1;
        call(SikatuUrgentThink);
        UrgentPassFlag = 0;
        call(PairAnswer);
        call(RenAnswer);
        SikatuThink();
        call(JobanKoho);
        call(NozokiThink);
        SemeaiThink();
        if (KohoCount > 0)
            SelectKoho(kSelectUrgent, out);
        else
            out = Point{};
        break;
    case 3:
        call(WeakGunThink);
        JobanKoho2();
        call(WeakGunKankeiThink);
        call(EmptyThink);
        call(Kankei34Think);
        JiUtikomiThink();
        AiteKankeiThink();
        call([](Point& o) { GunKankeiThink(0, o); });
        break;
    case 4:
        call(UrgentStage4Think);
        call(Center19Think);
        call(KouThink);
        call(IkiGunKankeiThink);
        break;
    case 5:
        call(JiThink);
        call(GunJiThink);
        break;
    case 6:
        call([](Point& o) { KankeiHokyo(2, o); });
        call(Kankei6Think);
        call(KeimaOgeimaHokyo);
        call(KeimaHokyo);
        break;
    case 7:
        call([](Point& o) { KankeiHokyo(1, o); });
        break;
    case 8:
        call(LastThink);
        call(YoseThink);
        break;
    default:
        break;
    }
}

bool NeedSakiyomi(int reason)
{
    if (reason < 7 || reason == kkSikatu || reason == kkSikatuYomi || reason == kkNozoki || reason == kkSikatuUrgent)
        return true;
    if (reason == kkWeakGun || reason == kkWeakGunKankei) {
        for (int i = 2; i <= KohoCount; ++i) {
            if (Koho.Kind[i] == kkToru ? Koho.Value[i] >= 13 : Koho.Value[i] > 30)
                return true;
        }
    }
    return false;
}

void ReplyLastTe(Point& out)
{
    out = Point{};
    TGoban& b0 = *GobanLv[0];
    if (LastTe.x == 0 || b0.Tejun.Current() < 10 || !b0.OnBoardPt(LastTe) || LineNoPt(LastTe) < 7)
        return;
    const TGun* g = b0.GunList.GetGunAt(LastTe);
    if (g == nullptr || g->GetIsiSu() != 1 || b0.GetLocatePt(LastTe).HasKankeiLE(Kankei3ken, JibunIro))
        return;
    // The values are changes from this position.
    HyokaBase();
    int best = 0;
    for (int i = 1; i <= g->GetFromSu(); ++i) {
        if (g->GetFromValue(i) != Kankei1ken)
            continue;
        const Point p = g->GetFromB(i);
        const int v = ItiHyoka(p);
        if (v > best) {
            best = v;
            out = p;
        }
    }
}

void SakiyomiPreCheck(Point p, Point& out)
{
    out = Point{};
    if (p.x == 0 || LastTe.x == 0 || KohoCount < 1 || Koho.Kind[1] == kkToru || Koho.Value[1] >= 60)
        return;
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(p) || (Koho.Value[1] >= 30 && LineNoPt(p) >= 3 && LineNoPt(p) <= 5))
        return;
    // The move is aimed at a weak group of the opponent and defends none of ours.
    const TLocate& loc = b.GetLocatePt(p);
    bool aiteWeak = false, jibunWeak = false;
    for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
        if (!loc.OnBoardAt(i))
            continue;
        const TGun* g = b.GunList.GetGunAt(loc.GetKankeiPoint(i));
        if (g == nullptr || !g->IsWeak())
            continue;
        aiteWeak = aiteWeak || g->GetIsiIro() == AiteIro;
        jibunWeak = jibunWeak || g->GetIsiIro() == JibunIro;
    }
    if (!aiteWeak || jibunWeak || Kyori(p, LastTe) < 7)
        return;
    // Both sides with weak groups: the fight goes on.
    bool weakKuro = false, weakSiro = false;
    for (int n = 1; n <= b.GunList.GetCount(); ++n) {
        const TGun* g = b.GunList.GetGun(n);
        if (g == nullptr || g->GetDeath() != 0 || !g->IsWeak())
            continue;
        (g->GetIsiIro() == kKuro ? weakKuro : weakSiro) = true;
    }
    if (weakKuro && weakSiro)
        return;
    for (int i = 1; i <= KohoCount; ++i)
        if ((Koho.Kind[i] == kkJoban || Koho.Kind[i] == kkJoseki) && Koho.Value[i] >= 25) {
            out = Koho.Pt[i];
            return;
        }
}

namespace {

bool OnLine34(Point p)
{
    const int l = LineNoPt(p);
    return l == 3 || l == 4;
}

bool AroundEmpty8(Point p)
{
    for (int d = 1; d <= 8; ++d)
        if (CurGoban().GetIro(p.x + Dir8X[d], p.y + Dir8Y[d]) != kAki)
            return false;
    return true;
}

// An extension on line 3 is moved up to line 4 when one side of it is
// cramped by our own stone.
Point ExtensionOnLine3(Point b)
{
    const TGoban& board = CurGoban();
    bool cramped = false;
    Point open{};
    for (int d = 1; d <= 4; ++d) {
        const Point n{b.x + Dir4X[d], b.y + Dir4Y[d]};
        if (board.GetIroPt(n) != kAki || LineNoPt(n) != 3)
            continue;
        if (board.GetIroPt(StepBeyond(b, n)) == JibunIro)
            cramped = true;
        else
            open = n;
    }
    if (!cramped || open.x == 0)
        return b;
    Point out = b;
    for (int d = 1; d <= 4; ++d) {
        const Point m{open.x + Dir4X[d], open.y + Dir4Y[d]};
        if (board.GetIroPt(m) == kAki && LineNoPt(m) == 4)
            out = m;
    }
    return out;
}

} // namespace

void VornThinkWeakGun(Point p, Point& out)
{
    if (LogMode)
        LogWrite("VornThinkWeakGun(");
    out = p;
    // A link that must not be cut comes first.
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Kind[i] < 6 && Koho.Value[i] >= 30 && Kyori(Koho.Pt[i], p) < 13) {
            out = Koho.Pt[i];
            if (LogMode)
                LogWrite("切られてはいけないところを継ぐ");
            return;
        }
    if (!CurGoban().OnBoardPt(p) || OnLine34(p))
        return;
    // The group that p joins, found with p on the board.
    if (!YomiUtu(JibunIro, p))
        return;
    CurGoban().Analyze();
    const TGun* withP = CurGoban().GunList.GetGunAt(p);
    Point q{};
    if (withP != nullptr)
        for (int i = 1; i <= withP->GetIsiSu() && q.x == 0; ++i)
            if (withP->GetYoso(i) != p)
                q = withP->GetYoso(i);
    YomiModosu();
    if (q.x == 0)
        return;
    CurGoban().Analyze();
    const TGun* g = CurGoban().GunList.GetGunAt(q);
    if (g == nullptr)
        return;
    // A better extension of that group along the side.
    for (int i = 1; i <= g->GetFromSu(); ++i) {
        const Point a = g->GetFromA(i), b = g->GetFromB(i);
        const int kind = g->GetFromValue(i);
        const bool shape =
            kind == Kankei2ken || (kind == KankeiKeima14 && LineNoPt(a) == 4 && LineNoPt(b) == 3);
        if (!OnLine34(a) || !OnLine34(b) || !shape || Kyori(b, p) >= 40 || !AroundEmpty8(b))
            continue;
        out = LineNoPt(b) == 3 ? ExtensionOnLine3(b) : b;
        return;
    }
}

void ThinkReset()
{
    JibunIro = 0;
    AiteIro = 0;
    KeiseiHandanNow = 0;
    UrgentPassFlag = 0;
    SikatuYomiOn = 0;
    InSakiyomi = 0;
    FillGrid<std::uint8_t, 1, 19>(YomiArea, 0);
    ThinkSources = DefaultThinkSources();
}

} // namespace vorn
