#include "board/Gun.h"

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Hooks.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"

namespace vorn {

namespace {

// JiGrowTest2 for the flood fills, which step from a point of 0..20 to a
// point of 0..20: on the board and on the same side as cur.
inline bool SameSide(Point cur, Point q)
{
    if (static_cast<unsigned>(q.x - 1) >= static_cast<unsigned>(BoardSize)
        || static_cast<unsigned>(q.y - 1) >= static_cast<unsigned>(BoardSize))
        return false;
    const int a = AreaMap.v[q.x].v[q.y], ac = AreaMap.v[cur.x].v[cur.y];
    return a != 0 && ac != 0 && (a > 0) == (ac > 0);
}

// The chains of the group being built, stamped by chain number.
Arr<int, 1, kMaxGunRen> GunRenList;
int GunRenSu = 0;
Arr<std::uint32_t, 1, kMaxRen> GunRenMark{};
std::uint32_t GunRenStamp = 0;

// The group growing its regions: which From entry lists each point (stamped
// per flood), and the entries that already lie in one of its regions.
Grid<std::int16_t, 1, 19> FromAt{};
Grid<std::uint32_t, 1, 19> FromAtMark{};
std::uint32_t FromAtStamp = 0;
Arr<std::uint8_t, 1, kMaxFrom> FromTaken{};

// While a group grows its regions from its liberties, its related points
// (which do not change meanwhile) are stamped once for all its fills.
struct TFromAtKept;
TFromAtKept* g_fromAtKept = nullptr;
struct TFromAtKept {
    const TGun* Gun;
    bool Stamped = false;
    TFromAtKept* Outer;
    explicit TFromAtKept(const TGun& g) : Gun(&g), Outer(g_fromAtKept) { g_fromAtKept = this; }
    ~TFromAtKept() { g_fromAtKept = Outer; }
    TFromAtKept(const TFromAtKept&) = delete;
    TFromAtKept& operator=(const TFromAtKept&) = delete;
};

template <class T>
std::uint32_t NextStamp(std::uint32_t& stamp, T& marks)
{
    if (++stamp == 0) {
        if constexpr (requires { marks.Fill(0u); })
            marks.Fill(0);
        else
            for (auto& col : marks)
                col.Fill(0);
        stamp = 1;
    }
    return stamp;
}

} // namespace

// ---------------------------------------------------------------------------
// TGunList: building

TGunList::TGunList(TGoban* owner) : Owner(owner) {}

void TGunList::Clear()
{
    FillGrid<std::int16_t, 1, 19>(GunMap, 0);
    for (int n = 1; n <= Count; ++n)
        Gun[n] = nullptr;
    Count = 0;
}

void TGunList::MakeAll()
{
    const TGoban& b = *Owner;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (IsStone(b.GetIro(x, y)) && GunMap[x][y] == 0 && b.RenList.RenNo(x, y) != 0)
                MakeGun(x, y, ++Count);
}

void TGunList::MakeGun(int x, int y, int n)
{
    const TRenList& rl = Owner->RenList;
    const std::uint32_t stamp = NextStamp(GunRenStamp, GunRenMark);
    GunRenSu = 1;
    GunRenList[1] = rl.RenNo(x, y);
    GunRenMark[GunRenList[1]] = stamp;
    // Breadth-first over the links: layer by layer in list order.
    for (int i = 1; i <= GunRenSu; ++i) {
        TRen* r = rl.Items(GunRenList[i]);
        if (r == nullptr)
            continue;
        r->SetGunNo(n);
        for (int k = 1; k <= r->GrenCount(); ++k) {
            const int g = r->Gren(k);
            if (rl.Items(g) == nullptr || GunRenMark[g] == stamp)
                continue;
            GunRenMark[g] = stamp;
            GunRenList[++GunRenSu] = g;
        }
    }
    if (!Store[n])
        Store[n] = std::make_unique<TGun>();
    Gun[n] = Store[n].get();
    Gun[n]->Init(Owner, n, Owner->GetIro(x, y));
    const TGun& g = *Gun[n];
    for (int i = 1; i <= g.GetIsiSu(); ++i) {
        const Point p = g.GetYoso(i);
        GunMap[p.x][p.y] = static_cast<std::int16_t>(n);
    }
}

void TGun::Init(TGoban* owner, int gunNo, int isiIro)
{
    Owner = owner;
    GunNo = gunNo;
    IsiIro = isiIro;
    RenSu = GunRenSu;
    IsiSu = 0;
    const TRenList& rl = owner->RenList;
    for (int i = 1; i <= RenSu; ++i) {
        Ren[i] = static_cast<RenNoT>(GunRenList[i]);
        const TRen* r = rl.Items(GunRenList[i]);
        for (int k = 1; r != nullptr && k <= r->IsiCount(); ++k) {
            const Point p = r->GetIsi(k);
            ++IsiSu;
            Isi[IsiSu] = TBytePoint::Of(p);
        }
    }
    FromSu = 0;
    FromSet.Fill(0);
    Dame = 0;
    DameInSu = 0;
    DameOutSu = 0;
    Me = 0;
    KokyuSu = 0;
    JiSu = 0;
    MgunSu = 0;
    SemeaiSu = 0;
    LinkSu = 0;
    MeSaved = 0;
    Death = 0;
    Death1 = 0;
    Seki = 0;
    Smai = 0;
    Lost = 0;
    Win = 0;
    ReCount = 0;
    DeathLevel = 0;
}

TGun* TGun::Other(int n) const { return n >= 1 && n <= kMaxGun ? Owner->GunList.GetGun(n) : nullptr; }

// ---------------------------------------------------------------------------
// Related empty points

// Every empty point tells each group it is related to (here, beside
// AddFrom, which it calls a thousand times per analysis).
void TGoban::GunLocateMake()
{
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (Ban[x][y] != kAki)
                continue;
            // An empty point relates to stones and to the edge; a related
            // stone lies on the board.
            Locate[x][y].EachKankei([&](int ax, int ay, int kind, int iro) {
                if (iro != kKuro && iro != kSiro)
                    return;
                if (TGun* g = GunList.GetGunAt(Point(ax, ay)))
                    g->AddFrom(Point(ax, ay), Point(x, y), kind);
            });
        }
}

// ---------------------------------------------------------------------------
// Neighbours, partners and allies

void TGun::MakeMgun()
{
    // The groups of the related enemy stones of each stone in order of first
    // appearance (TLocate::GetKankeiGuns): AddMgun keeps each group once.
    const TGoban& b = *Owner;
    const int enemy = Aite(IsiIro);
    for (int i = 1; i <= IsiSu; ++i)
        b.Locate.v[Isi[i].x - 1].v[Isi[i].y - 1].EachKankei([&](int x, int y, int, int iro) {
            if (iro != enemy)
                return;
            // The group map holds each stone's chain's group number.
            if (const int g = b.GunList.GetGunNo(x, y))
                AddMgun(g);
        });
}

namespace {
template <int N>
bool AddUniqueCapped(Arr<int, 1, N>& list, int& su, int n)
{
    if (su >= N)
        return false;
    for (int i = 1; i <= su; ++i)
        if (list[i] == n)
            return false;
    list[++su] = n;
    return true;
}
} // namespace

bool TGun::AddMgun(int n) { return AddUniqueCapped(Mgun, MgunSu, n); }

bool TGun::AddSemeai(int n) { return AddUniqueCapped(Semeai, SemeaiSu, n); }

bool TGun::AddLink(int n)
{
    if (LinkSu >= kMaxLink)
        return false;
    for (int i = 1; i <= LinkSu; ++i)
        if (Link[i] == n)
            return false;
    if (LinkSu == 0)
        MeSaved = Me;
    Link[++LinkSu] = n;
    return true;
}

// ---------------------------------------------------------------------------
// Breathing points and liberties

void TGun::MakeKokyu()
{
    const TGoban& b = B();
    KokyuSu = 0;
    Point box[9];
    for (int i = 1; i <= FromSu; ++i) {
        const int kind = From[i].Kind;
        if (kind != KankeiNaname && kind != Kankei1ken && kind != KankeiKeima)
            continue;
        const Point p = GetFromB(i);
        if (LineNoPt(p) == 1)
            continue;
        bool stone = false;
        for (int d = 1; d <= 4; ++d)
            stone = stone || IsStone(b.GetIroPt(Dir4Pt(p, d)));
        if (stone)
            continue;
        const int area = AreaMap[p.x][p.y];
        if (area == 2 || area == -2)
            continue;
        if (kind == Kankei1ken) {
            // Both points beside the gap are open.
            BetweenStrip3(GetFromA(i), p, box);
            if (b.GetIroPt(box[3]) != kAki || b.GetIroPt(box[5]) != kAki)
                continue;
        } else if (kind == KankeiKeima) {
            BetweenRows(GetFromA(i), p, box);
            if (b.GetIroPt(box[1]) != kAki || b.GetIroPt(box[4]) != kAki)
                continue;
        }
        if (KokyuSu >= kMaxKokyu)
            break;
        ++KokyuSu;
        Kokyu[KokyuSu] = p;
        KokyuValue[KokyuSu] = kind;
    }
}

void TGun::SplitDame()
{
    DameInSu = 0;
    DameOutSu = 0;
    for (int i = 1; i <= FromSu; ++i) {
        if (From[i].Kind != KankeiTonari)
            continue;
        const Point p = GetFromB(i);
        // TLocate::KankeiGun: a related stone of a race partner (a related
        // point that is not the edge is a stone of the board).
        bool partner = false;
        Owner->Locate.v[p.x - 1].v[p.y - 1].EachKankei([&](int x, int y, int, int iro) {
            if (partner || iro == kHen)
                return;
            const int g = Owner->GunList.GetGunNo(x, y);
            for (int k = 1; k <= SemeaiSu; ++k)
                partner = partner || Semeai[k] == g;
        });
        if (partner) {
            ++DameInSu;
            DameIn[DameInSu] = TBytePoint::Of(p);
        } else {
            ++DameOutSu;
            DameOut[DameOutSu] = TBytePoint::Of(p);
        }
    }
}

// ---------------------------------------------------------------------------
// Regions

void TGun::MakeJiAll()
{
    JiSu = 0;
    for (int i = 1; i <= FromSu; ++i)
        FromTaken[i] = 0;
    // The related points stay stamped from one region to the next.
    const TFromAtKept kept(*this);
    for (int i = 1; i <= FromSu; ++i) {
        if (From[i].Kind != KankeiTonari || FromTaken[i])
            continue;
        const Point p = GetFromB(i);
        const int area = AreaMap[p.x][p.y];
        if (IsiIro == kKuro ? area >= 1 : area < 0)
            AddJi(p, 0);
    }
}

bool TGun::JiGrowTest(Point cur, Point q) const
{
    if (!SameSide(cur, q))
        return false;
    // q lies on the board.
    const TGoban& b = B();
    const int col = b.Ban.v[q.x].v[q.y];
    if (col == kAki) {
        if (FromAtMark.v[q.x - 1].v[q.y - 1] != FromAtStamp)
            return false;
        FromTaken[FromAt.v[q.x - 1].v[q.y - 1]] = 1;
        return true;
    }
    return IsStone(col) && b.Death.v[q.x - 1].v[q.y - 1] != 0;
}

bool JiGrowTest2(Point cur, Point q)
{
    if (!CurGoban().OnBoardPt(q))
        return false;
    const int a = AreaMap[q.x][q.y], ac = AreaMap[cur.x][cur.y];
    return a != 0 && ac != 0 && (a > 0) == (ac > 0);
}


int TGun::JiFloodFill(Point p, int mode)
{
    if (mode == 0 && !(g_fromAtKept != nullptr && g_fromAtKept->Gun == this && g_fromAtKept->Stamped)) {
        if (g_fromAtKept != nullptr && g_fromAtKept->Gun == this)
            g_fromAtKept->Stamped = true;
        const std::uint32_t stamp = NextStamp(FromAtStamp, FromAtMark);
        for (int i = 1; i <= FromSu; ++i) {
            FromAt[From[i].B.x][From[i].B.y] = static_cast<std::int16_t>(i);
            FromAtMark[From[i].B.x][From[i].B.y] = stamp;
        }
    }
    if (mode == 0)
        return FloodFillBy(p, [this](Point cur, Point q) { return JiGrowTest(cur, q); });
    return FloodFillBy(p, [](Point cur, Point q) { return SameSide(cur, q); });
}

int TGun::AddJi(Point p, int mode)
{
    JiFloodFill(p, mode);
    return AddJiList();
}

int TGun::AddJiList()
{
    const int n = Owner->JiList.Add(GunNo, IsiIro);
    Ji[++JiSu] = static_cast<std::int16_t>(n);
    return n;
}

void TGun::DeleteJi(int n)
{
    for (int i = 1; i <= JiSu; ++i) {
        if (Ji[i] != n)
            continue;
        for (int k = i; k < JiSu; ++k)
            Ji[k] = Ji[k + 1];
        --JiSu;
        Owner->JiList.Delete(n);
        return;
    }
}

void TGun::ClearJiMarks()
{
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            ji->ClearMarks();
}

void TGunList::MakeJi()
{
    for (int n = 1; n <= Count; ++n)
        Gun[n]->MakeJiAll();
    // Dead stones that no group's region reached go to the group beside them.
    const TGoban& b = *Owner;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if (!IsStone(c) || !b.IsDeath(x, y) || AreaMap[x][y] == 0 || Owner->JiList.GetJiNo(x, y) != 0)
                continue;
            for (int d = 1; d <= 4; ++d) {
                const Point q = Dir4Pt(Point(x, y), d);
                if (b.GetIroPt(q) != Aite(c))
                    continue;
                if (TGun* g = GetGunAt(q))
                    g->AddJi(Point(x, y), 1);
                break;
            }
        }
}

// ---------------------------------------------------------------------------
// Status

void TGun::SetDeath(int v)
{
    Death = static_cast<std::uint8_t>(v);
    if (v == 1 && Me >= 4)
        Me = 0;
    for (int i = 1; i <= RenSu; ++i)
        if (TRen* r = Owner->RenList.Items(Ren[i]))
            r->SetGunDeath(v);
    SetDeathMarks();
}

void TGun::SetDeathMarks()
{
    for (int i = 1; i <= IsiSu; ++i)
        Owner->SetDeathPt(GetYoso(i), Death);
}

// ---------------------------------------------------------------------------
// Derived queries

int TGun::GetDameAll() const
{
    int n = Dame;
    for (int i = 1; i <= LinkSu; ++i)
        if (const TGun* g = Other(Link[i]))
            n += g->Dame;
    return n;
}

int TGun::GetMeLink() const
{
    int n = Me;
    for (int i = 1; i <= LinkSu; ++i)
        if (const TGun* g = Other(Link[i]))
            n += g->Me;
    return n;
}

bool TGun::IsWeak() const
{
    if (Me < 4)
        return DeathLevel > 6;
    if (LinkSu > 0)
        return false;
    // Alive by eyes, unless they are all in one small region.
    const TJi* eye = nullptr;
    int eyes = 0;
    for (int i = 1; i <= JiSu; ++i) {
        const TJi* ji = Owner->JiList.GetJi(Ji[i]);
        if (ji != nullptr && ji->GetMe() > 0) {
            ++eyes;
            eye = ji;
        }
    }
    return eyes == 1 && eye->GetJisu() - eye->GetBorder() < 3;
}

bool TGun::IsWeak20() const { return IsWeak() && DeathLevel > 20; }

bool TGun::IsDeathOrWeak() const { return Death == 1 || IsWeak(); }

int TGun::IsDeath70() const { return Death == 1 || (IsWeak() && Smai != 1 && DeathLevel > 70) ? 1 : 0; }

int TGun::IsDeath90() const { return Death == 1 || (IsWeak() && Smai != 1 && DeathLevel > 90) ? 1 : 0; }

int TGun::GetKati() const
{
    int v = 4 * IsiSu;
    for (int i = 1; i <= FromSu; ++i)
        if (From[i].Kind < 5)
            v += 2;
    return v;
}

int TGun::GetFromList(Point a, int kind, std::span<Point> list) const
{
    int n = 0;
    for (int i = 1; i <= FromSu && static_cast<std::size_t>(n) < list.size(); ++i)
        if (From[i].Kind == kind && GetFromA(i) == a)
            list[static_cast<std::size_t>(n++)] = GetFromB(i);
    return n;
}

int TGun::IsDamePt(Point p) const
{
    const int i = FromIndex(p);
    return i != 0 && From[i].Kind == KankeiTonari ? 1 : 0;
}

int TGun::HasIsi(Point p) const
{
    return Owner->OnBoardPt(p) && Owner->GunList.GetGunNo(p.x, p.y) == GunNo ? 1 : 0;
}

int TGun::ListMren(std::span<int> list) const
{
    int n = 0;
    const int max = static_cast<int>(list.size());
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = Owner->RenList.Items(Ren[i]);
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k)
            AddIntUnique(list, n, max, r->Mren(k));
    }
    return n;
}

int TGun::ListMrenOfGun(int g, std::span<int> list) const
{
    int n = 0;
    const TRenList& rl = Owner->RenList;
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = rl.Items(Ren[i]);
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k) {
            const TRen* m = rl.Items(r->Mren(k));
            if (m == nullptr || m->GetGunNo() != g)
                continue;
            if (static_cast<std::size_t>(n) >= list.size())
                return n;
            list[static_cast<std::size_t>(n++)] = Ren[i];
        }
    }
    return n;
}

bool TGun::IsOnlyMgun(int n) const { return MgunSu == 1 && Mgun[1] == n; }

bool TGun::CheckRenDeath()
{
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = Owner->RenList.Items(Ren[i]);
        if (r == nullptr || !r->GetDeath())
            return false;
    }
    SetDeath(1);
    return true;
}

bool TGun::HasAttackableRen() const
{
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = Owner->RenList.Items(Ren[i]);
        if (r != nullptr && r->IsAttackable())
            return true;
    }
    return false;
}

// ===========================================================================
// Judgement: eye values, groups dead at once, capturing races and seki, the
// area of dead groups, death levels and the eye bonus.  Every step visits the
// groups in number order and sees what the earlier steps did.

Grid<std::uint8_t, 1, 19> KohoTeMap{};

namespace {

// Regions already counted by one TGun::CalcMe, by region number.
Arr<std::uint32_t, 1, kMaxJi> JiSeen{};
std::uint32_t JiSeenStamp = 0;

// The points of the flood list, stamped per test.
Grid<std::uint32_t, 0, 20> FloodMark{};
std::uint32_t FloodMarkStamp = 0;

// Passes of the evaluator over a set of regions until none reports a
// change, at most 10.
constexpr int kMaxEvaluatePass = 10;

// The smallest liberty count of the group's chains, and its Dame if smaller.
int SemeaiCount(const TGoban& b, const TGun& g)
{
    int n = g.GetDame();
    for (int i = 1; i <= g.GetRenSu(); ++i)
        if (const TRen* r = b.RenList.Items(g.GetRen(i)); r != nullptr && r->Kuu() < n)
            n = r->Kuu();
    return n;
}

// The group of the first stone of a region.
TGun* FirstStoneGun(const TGoban& b, const TJi& ji)
{
    for (int i = 1; i <= ji.GetJisu(); ++i)
        if (ji.GetIsiMark(i))
            return b.GunList.GetGunAt(ji.GetYoso(i));
    return nullptr;
}

} // namespace

int TGun::EvaluatePass(bool& moved, bool& falseVerdict) const
{
    int changed = 0;
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            changed |= ji->EvaluateTracked(moved, falseVerdict) != 0;
    return changed;
}

int TGun::EvaluatePass(bool& moved) const
{
    int changed = 0;
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            changed |= ji->EvaluateTracked(moved) != 0;
    return changed;
}

void TGun::EvaluateJi()
{
    // Passes until none reports a change; a pass that moved nothing would
    // only repeat itself.
    for (int pass = 1; pass <= kMaxEvaluatePass; ++pass) {
        bool moved = false;
        if (!EvaluatePass(moved) || !moved)
            break;
    }
}

void TGun::CalcJiMe()
{
    Me = 0;
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            Me += ji->CalcMe();
}

void TGunList::EachGun(void (TGun::*step)())
{
    for (int n = 1; n <= Count; ++n)
        (Gun[n]->*step)();
}

void TGunList::MakeMgunAll() { EachGun(&TGun::MakeMgun); }
void TGunList::EvaluateJiAll() { EachGun(&TGun::EvaluateJi); }
void TGunList::CalcJiMeAll() { EachGun(&TGun::CalcJiMe); }
void TGunList::MakeKokyuAll() { EachGun(&TGun::MakeKokyu); }
void TGunList::ReEvaluateJiAll() { EachGun(&TGun::ReEvaluateJi); }
void TGunList::CalcMeAll()
{
    // A region shared by groups through their links is valued once.
    const TJiMeOnce once;
    EachGun(&TGun::CalcMe);
}
void TGunList::CalcDeathLevelAll() { EachGun(&TGun::CalcDeathLevel); }
void TGunList::MeBonusAll() { EachGun(&TGun::MeBonus); }

// ---------------------------------------------------------------------------
// Dead at once

void TGunList::Death1All()
{
    bool died = false;
    for (int n = 1; n <= Count; ++n)
        died = Gun[n]->CheckDeath1() || died;
    if (died) {
        ReEvaluateJiAll();
        CalcMeAll();
    }
}

bool TGun::CheckDeath1()
{
    if (Me >= 1 || CheckRenDeath() || KokyuSu > 0 || MgunSu >= 2)
        return false;
    // A single chain in atari that can capture an enemy chain in atari.
    if (RenSu == 1) {
        const TRenList& rl = Owner->RenList;
        const TRen* r = rl.Items(Ren[1]);
        if (r != nullptr && r->Kuu() == 1)
            for (int k = 1; k <= r->MrenCount(); ++k) {
                const TRen* m = rl.Items(r->Mren(k));
                if (m != nullptr && m->Kuu() == 1)
                    return false;
            }
    }
    Death1 = 1;
    SetDeath(1);
    SetSinda();
    return true;
}

// ---------------------------------------------------------------------------
// Races and seki

void TGunList::Judge()
{
    const bool running = GameOver == 0;
    // A weak group out of the judgement: enough eyes, all chains dead, dead
    // at once, or breathing room while the game runs.
    auto settled = [running](TGun& g) {
        return g.GetMe() >= 3 || g.CheckRenDeath() || g.GetDeath1() == 1 || (g.GetKokyuSu() >= 4 && running);
    };
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (settled(g))
            continue;
        int added = 0;
        for (int i = 1; i <= g.MgunSu; ++i) {
            TGun* m = GetGun(g.Mgun[i]);
            if (m != nullptr && !settled(*m) && g.AddSemeai(m->GunNo))
                ++added;
        }
        if (added > 0) {
            g.Smai = 1;
            continue;
        }
        // No weak neighbour to race: the group is dead.
        g.Smai = 0;
        g.SetDeath(1);
        if (g.Me <= 0 || (g.Me < 3 && g.IsiSu < 5))
            g.SetSinda();
        for (int i = 1; i <= g.MgunSu; ++i)
            if (TGun* m = GetGun(g.Mgun[i]); m != nullptr && m->Death == 1)
                m->SetDeath(0);
    }
    for (int n = 1; n <= Count; ++n)
        if (Gun[n]->Smai)
            Gun[n]->SplitDame();
    SemeaiCheckAll();
    ReEvaluateJiAll();
    CalcMeAll();
    SekiCheck();
    SemeaiJudge();
}

void TGunList::SemeaiCheckAll()
{
    for (int n = 1; n <= Count; ++n)
        if (Gun[n]->Smai)
            Gun[n]->SemeaiCheck();
}

void TGun::SemeaiCheck()
{
    const TRenList& rl = Owner->RenList;
    Lost = 0;
    for (int i = 1; i <= SemeaiSu; ++i) {
        TGun* p = Other(Semeai[i]);
        if (p == nullptr)
            continue;
        const bool pAttackable = p->HasAttackableRen();
        if (!HasAttackableRen() && !pAttackable) {
            SetSeki();
            p->SetSeki();
            return;
        }
        int l1 = GetDameAll();
        // A chain of two stones or more facing the partner in atari.
        if (RenSu > 1)
            for (int k = 1; k <= RenSu && l1 != 1; ++k) {
                const TRen* r = rl.Items(Ren[k]);
                if (r == nullptr || r->IsiCount() < 2 || r->Kuu() != 1)
                    continue;
                for (int j = 1; j <= r->MrenCount(); ++j) {
                    const TRen* m = rl.Items(r->Mren(j));
                    if (m != nullptr && m->GetGunNo() == p->GunNo) {
                        l1 = 1;
                        break;
                    }
                }
            }
        const int l2 = p->GetDameAll();
        if (l1 != 1 && pAttackable && (l1 >= l2 || (l1 >= 4 && l2 >= 4 && l1 + 2 >= l2)))
            return;
        if (l1 == 1 && l2 == 1)
            for (int k = 1; k <= p->MgunSu; ++k)
                if (const TGun* m = Other(p->Mgun[k]); m != nullptr && m->Me >= 4)
                    return;
    }
    // The race is lost: the neighbours share the area.
    Lost = 1;
    SetDeath(1);
    if (Me < 1)
        SetSinda();
    for (int i = 1; i <= MgunSu; ++i)
        for (int k = 1; k <= MgunSu; ++k)
            if (i != k)
                if (TGun* m = Other(Mgun[i]))
                    m->AddLink(Mgun[k]);
    if (SemeaiSu == 1)
        if (TGun* p = Other(Semeai[1])) {
            p->Win = 1;
            p->ReCount = 1;
        }
}

void TGun::SetSeki()
{
    Seki = 1;
    for (int i = 1; i <= MgunSu; ++i)
        if (TGun* m = Other(Mgun[i]); m != nullptr && m->Death1 == 1)
            m->SetDeath(0);
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            ji->SetSekiMark(1);
}

// ---------------------------------------------------------------------------
// The area of a dead group goes to its neighbours

void TGun::SetSinda()
{
    TGoban& b = B();
    const int s = IsiIro == kKuro ? -1 : 1;
    for (int i = 1; i <= IsiSu; ++i)
        AreaMap[Isi[i].x][Isi[i].y] = s;

    // The related points count again with the stones dead, unless one of them
    // lies in a region of a friendly group.
    bool shared = false;
    for (int i = 1; i <= FromSu && !shared; ++i) {
        const TJi* ji = b.JiList.GetJiAt(GetFromB(i));
        shared = ji != nullptr && ji->GetJiIro() == IsiIro && ji->GetGunNo() != GunNo;
    }
    if (!shared)
        AreaRemake();

    // The connected area of the dead side around the group.
    JiFloodFill(GetYoso(IsiSu), 1);

    Arr<int, 1, kMaxGunJi> list;
    for (int i = 1; i <= MgunSu; ++i) {
        TGun* m = Other(Mgun[i]);
        if (m == nullptr)
            continue;
        const int n = m->JiRebuild(std::span<int>(list.v, kMaxGunJi));
        for (int k = 1; k <= n; ++k)
            m->DeleteJi(list[k]);
        m->ReCount = 1;
    }
    if (SemeaiSu == 2) {
        TGun* p1 = Other(Semeai[1]);
        TGun* p2 = Other(Semeai[2]);
        if (p1 != nullptr && p2 != nullptr) {
            p1->AddLink(p2->GunNo);
            p2->AddLink(p1->GunNo);
        }
    }
    if (MgunSu == 0)
        return;
    for (int i = 1; i <= MgunSu; ++i)
        for (int k = 1; k <= MgunSu; ++k)
            if (i != k)
                if (TGun* m = Other(Mgun[i]))
                    m->AddLink(Mgun[k]);

    // The first neighbour takes the area as one region.
    TGun* m1 = Other(Mgun[1]);
    if (m1 == nullptr)
        return;
    const int n = m1->JiRebuild(std::span<int>(list.v, kMaxGunJi));
    int ji;
    if (n > 0) {
        ji = list[1];
        b.JiList.Restamp(ji);
        for (int k = 2; k <= n; ++k)
            m1->DeleteJi(list[k]);
    } else {
        ji = m1->AddJiList();
    }
    if (TJi* r = b.JiList.GetJi(ji))
        r->SetAreaValue(s);
    m1->ReCount = 1;
}

int TGun::JiRebuild(std::span<int> list) const
{
    const std::uint32_t stamp = NextStamp(FloodMarkStamp, FloodMark);
    for (int k = 1; k <= FloodSu; ++k)
        FloodMark[FloodX[k]][FloodY[k]] = stamp;
    int n = 0;
    for (int i = 1; i <= JiSu && static_cast<std::size_t>(n) < list.size(); ++i) {
        const TJi* ji = Owner->JiList.GetJi(Ji[i]);
        if (ji == nullptr)
            continue;
        for (int k = 1; k <= ji->GetJisu(); ++k) {
            const Point p = ji->GetYoso(k);
            if (FloodMark[p.x][p.y] == stamp) {
                list[static_cast<std::size_t>(n++)] = Ji[i];
                break;
            }
        }
    }
    return n;
}

void TGun::AreaRemake()
{
    // Recount the related points without adding their relations again.
    struct TKankeiOffScope {
        std::uint8_t Saved = KankeiOff;
        TKankeiOffScope() { KankeiOff = 1; }
        ~TKankeiOffScope() { KankeiOff = Saved; }
    } off;
    const TKuuIsiRecount recount;
    for (int i = 1; i <= FromSu; ++i) {
        KuuIsiRemake(From[i].B.x, From[i].B.y);
        KuuIsiAreaPoint(From[i].B.x, From[i].B.y);
    }
}

// ---------------------------------------------------------------------------
// Recount after area changed hands

void TGun::ReEvaluateJi()
{
    if (!ReCount || Death)
        return;
    ClearJiMarks();
    for (int i = 1; i <= LinkSu; ++i)
        if (TGun* l = Other(Link[i]))
            l->ClearJiMarks();
    const TJiRecount recount;
    for (int k = 1; k <= kMaxEvaluatePass; ++k) {
        bool moved = false, falseVerdict = false;
        int changed = EvaluatePass(moved, falseVerdict);
        for (int i = 1; i <= LinkSu; ++i)
            if (const TGun* l = Other(Link[i]))
                changed |= l->EvaluatePass(moved, falseVerdict);
        if (!changed || !moved)
            break;
        // The first pass started from cleared verdicts.  When it wrote no
        // false or possibly false verdict, the tests of the next pass (which
        // tell only those from the others) all answer as in the first, so it
        // writes the same values in the same order, and so does every pass
        // after it: the verdicts stay as they are.
        if (k == 1 && !falseVerdict)
            break;
    }
}

void TGun::CalcMe()
{
    if (!ReCount)
        return;
    const std::uint32_t stamp = NextStamp(JiSeenStamp, JiSeen);
    // Each region counts once, however many links reach it.
    auto sum = [this, stamp](const TGun& g) {
        int me = 0;
        for (int i = 1; i <= g.JiSu; ++i) {
            const int n = g.Ji[i];
            TJi* ji = Owner->JiList.GetJi(n);
            if (ji == nullptr || JiSeen[n] == stamp)
                continue;
            JiSeen[n] = stamp;
            me += ji->CalcMe();
        }
        return me;
    };
    Me = sum(*this);
    for (int i = 1; i <= LinkSu; ++i) {
        const TGun* l = Other(Link[i]);
        if (l == nullptr)
            continue;
        Me += sum(*l);
        for (int k = 1; k <= l->LinkSu; ++k)
            if (l->Link[k] != GunNo)
                if (const TGun* ll = Other(l->Link[k]))
                    Me += sum(*ll);
    }
    if (Win == 1)
        for (int i = 1; i <= SemeaiSu; ++i)
            if (const TGun* p = Other(Semeai[i]); p != nullptr && p->Lost == 1)
                Me += Me > 0 ? 4 : 2;
}

// ---------------------------------------------------------------------------
// Seki inside an eye, and races that both sides lost

void TGunList::SekiCheck()
{
    TGoban& b = *Owner;
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (g.Me != 4)
            continue;
        TJi* eye = nullptr;
        int eyes = 0;
        for (int i = 1; i <= g.JiSu; ++i) {
            TJi* ji = b.JiList.GetJi(g.Ji[i]);
            if (ji != nullptr && ji->GetMe() > 0) {
                ++eyes;
                eye = ji;
            }
        }
        if (eyes != 1 || !eye->GetSeki())
            continue;
        if (g.HasSingleInnerDame(*eye)) {
            g.SplitDame();
            if (g.DameInSu + g.DameOutSu - eye->CountKuu() < 3) {
                g.SetDeath(1);
                if (TGun* e = FirstStoneGun(b, *eye))
                    e->SetDeath(0);
                continue;
            }
        }
        g.SetSekiFlag(1);
        TGun* e = nullptr;
        if (g.Smai == 0)
            e = FirstStoneGun(b, *eye);
        else if (g.Win == 1 && g.SemeaiSu >= 1)
            e = GetGun(g.Semeai[1]);
        if (e != nullptr) {
            e->SetDeath(0);
            eye->SetAreaValue(0);
            e->SetSekiFlag(1);
        }
    }
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (g.Me != 6 || g.JiSu != 1 || g.KokyuSu >= 8)
            continue;
        TJi* r = b.JiList.GetJi(g.Ji[1]);
        if (r == nullptr || r->GetJisu() >= 10 || r->CountIsi() < 3)
            continue;
        TGun* e = FirstStoneGun(b, *r);
        if (e != nullptr && e->Dame == g.Dame) {
            g.SetSekiFlag(1);
            e->SetDeath(0);
            r->SetAreaValue(0);
            e->SetSekiFlag(1);
        }
    }
}

int TGun::HasSingleInnerDame(const TJi& ji) const
{
    if (RenSu < 2)
        return 0;
    for (int i = 1; i <= RenSu; ++i) {
        TRen* r = Owner->RenList.Items(Ren[i]);
        if (r == nullptr)
            continue;
        int inside = 0;
        bool outsideDiagonal = false;
        for (int k = 1; k <= r->Kuu(); ++k) {
            const Point l = r->GetKuu(k);
            if (JiHasPoint(ji, l)) {
                ++inside;
                continue;
            }
            for (int d = 1; d <= 4 && !outsideDiagonal; ++d)
                outsideDiagonal = JiHasPoint(ji, Point(l.x + NanameX[d], l.y + NanameY[d]));
        }
        if (inside == 1 && !outsideDiagonal)
            return 1;
    }
    return 0;
}

void TGunList::SemeaiJudge()
{
    const TGoban& b = *Owner;
    auto lost = [](const TGun& g) { return g.Smai && g.Lost && g.Death; };
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (g.IsiIro != kKuro || g.SemeaiSu < 1)
            continue;
        for (int i = 1; i <= g.SemeaiSu; ++i) {
            TGun* p = GetGun(g.Semeai[i]);
            if (p == nullptr || !lost(g) || !lost(*p))
                continue;
            const int cg = SemeaiCount(b, g), cp = SemeaiCount(b, *p);
            if (cg == cp)
                continue;
            (cg > cp ? g : *p).SetDeath(0);
            g.AreaRemake();
            p->AreaRemake();
        }
    }
}

// ---------------------------------------------------------------------------
// Death probability and the eye bonus

void TGun::CalcDeathLevel()
{
    if (Me >= 4 && !IsWeak())
        return;
    const TGoban& b = B();
    int level = Me >= 3 ? 70 : Me == 2 ? 94 : Me == 1 ? 98 : 100;
    int jumps = 0, knights = 0;
    for (int i = 1; i <= KokyuSu; ++i) {
        const int kind = KokyuValue[i];
        level -= kind == KankeiNaname ? 2 : 3;
        if (kind == Kankei1ken) {
            ++jumps;
            // Room toward a living friend.
            if (b.GetLocatePt(Kokyu[i]).HasLiveGun(GunNo, IsiIro))
                level -= 8;
        } else if (kind == KankeiKeima) {
            ++knights;
        }
    }
    if (knights >= 2)
        level -= 2 * knights;
    if (jumps >= 2)
        level -= 5 * jumps;
    for (int i = 1; i <= FromSu; ++i)
        if (From[i].Kind >= Kankei2ken && !b.GetLocatePt(GetFromB(i)).HasKankeiLE(KankeiKeima, Aite(IsiIro)))
            level -= 1;
    DeathLevel = level < 0 ? 0 : level;
}

void TGun::MeBonus()
{
    if (Death || Me >= 4)
        return;
    for (int i = 1; i <= MgunSu; ++i) {
        const TGun* m = Other(Mgun[i]);
        if (m != nullptr && !m->Death && m->Me < 4 && m->IsDeath90() && m->IsOnlyMgun(GunNo))
            Me += 2;
    }
}

// ---------------------------------------------------------------------------
// Candidate points

Point JumpGapPoint(Point b, Point a)
{
    const TGoban& g = CurGoban();
    // A one-space jump fills three steps of three points: the gap row is
    // cells 3, 4 and 5.
    Point strip[9];
    BetweenStrip3(b, a, strip);
    const int o = Aite(g.GetIroPt(b));
    const Point mid = strip[4];
    if (!IsStone(o) || !g.OnBoardPt(mid))
        return Point();
    if (g.GetIroPt(strip[3]) == o && g.GetIroPt(strip[5]) == o && g.GetIroPt(mid) != o)
        return mid;
    return Point();
}

Point PairGapPoint(const TGoban& board, int i)
{
    return JumpGapPoint(board.PairPointB(i), board.PairPointA(i));
}

int TGun::SikatuKoho(std::span<Point> list, int colour) const
{
    TGoban& b = B();
    const TRenList& rl = b.RenList;
    const int max = static_cast<int>(list.size()) < kMaxSikatuKoho ? static_cast<int>(list.size()) : kMaxSikatuKoho;
    int n = 0;
    auto add = [&](Point p) { AddPtUnique(list, n, max, p); };

    // The regions: vital points, inner points, false-eye and border points.
    Point buf[kMaxSikatuKoho];
    for (int i = 1; i <= JiSu; ++i) {
        const TJi* ji = b.JiList.GetJi(Ji[i]);
        if (ji == nullptr)
            continue;
        const int vital = ji->GetPartLocateSu();
        if (vital < 3)
            for (int k = 1; k <= vital; ++k)
                add(ji->GetPartLocate(k));
        if (vital == 0)
            for (int k = 1; k <= ji->GetJisu(); ++k)
                if (ji->GetKuu3Mark(k))
                    add(ji->GetYoso(k));
        int k = ji->KohoKakeme(buf);
        for (int j = 0; j < k; ++j)
            add(buf[j]);
        k = ji->KohoBorder(buf);
        for (int j = 0; j < k; ++j) {
            // Not beside an own chain that a ladder catches.
            bool caught = false;
            for (int d = 1; d <= 4 && !caught; ++d) {
                const Point q = Dir4Pt(buf[j], d);
                if (b.GetIroPt(q) != IsiIro)
                    continue;
                TRen* r = rl.RenAtPt(q);
                caught = r != nullptr && r->GetSicho() == 1;
            }
            if (!caught)
                add(buf[j]);
        }
    }

    // Chains in atari, and two-liberty chains caught in a ladder: the
    // group's own when the opponent moves, its neighbours when it moves.
    auto takeRen = [&](TRen* r) {
        if (r == nullptr)
            return;
        if (r->Kuu() == 1)
            add(r->GetKuu(1));
        else if (r->Kuu() == 2 && r->GetSicho() == 1 && r->SichoCount() >= 1)
            add(r->SichoTe(1));
    };
    for (int i = 1; i <= RenSu; ++i) {
        TRen* r = rl.Items(Ren[i]);
        if (r == nullptr)
            continue;
        if (colour != IsiIro) {
            takeRen(r);
        } else {
            for (int k = 1; k <= r->MrenCount(); ++k)
                takeRen(rl.Items(r->Mren(k)));
        }
    }

    // The gaps of cuttable one-space links of the group.
    for (int i = 1; i <= b.PairCount(); ++i) {
        const int kind = b.PairKind(i);
        if (kind >= 20)
            continue;
        const Point pa = b.PairPointA(i), pb = b.PairPointB(i);
        const bool involved = (b.OnBoardPt(pa) && HasIsi(pa)) || (b.OnBoardPt(pb) && HasIsi(pb));
        if (!involved || kind != Kankei1ken)
            continue;
        const Point gap = PairGapPoint(b, i);
        if (!gap.IsNone())
            add(gap);
    }

    // Open diagonal points.
    for (int i = 1; i <= FromSu; ++i) {
        if (From[i].Kind != KankeiNaname)
            continue;
        const Point p = GetFromB(i);
        int enemy = 0, open = 0;
        for (int d = 1; d <= 4; ++d) {
            const int col = b.GetIroPt(Dir4Pt(p, d));
            enemy += col == Aite(IsiIro);
            open += col == kAki;
        }
        if (enemy <= 1 && open >= 2)
            add(p);
    }
    return n;
}

void TGun::KohoTe() const
{
    const TGoban& b = B();
    FillGrid<std::uint8_t, 1, 19>(KohoTeMap, 0);
    auto mark = [&](Point p) {
        if (b.OnBoardPt(p))
            KohoTeMap[p.x][p.y] = 1;
    };
    for (int i = 1; i <= IsiSu; ++i) {
        const Point s = GetYoso(i);
        mark(s);
        const TLocate& loc = b.GetLocatePt(s);
        for (int k = 1; k <= loc.GetKankeiSu(); ++k)
            mark(loc.GetKankeiPoint(k));
    }
    // The corners between an adjacent enemy stone and its marked diagonals.
    for (int i = 1; i <= IsiSu; ++i) {
        const TLocate& loc = b.GetLocatePt(GetYoso(i));
        for (int k = 1; k <= loc.GetKankeiSu(); ++k) {
            const Point p = loc.GetKankeiPoint(k);
            if (loc.GetKankeiKind(k) != KankeiTonari || !b.OnBoardPt(p))
                continue;
            const TLocate& lp = b.GetLocatePt(p);
            for (int j = 1; j <= lp.GetKankeiSu(); ++j) {
                const Point q = lp.GetKankeiPoint(j);
                if (lp.GetKankeiKind(j) == KankeiNaname && b.OnBoardPt(q) && KohoTeMap[q.x][q.y])
                    mark(CrossPt(q, p));
            }
        }
    }
    for (int i = 1; i <= FromSu; ++i)
        mark(GetFromB(i));
    const TRenList& rl = b.RenList;
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = rl.Items(Ren[i]);
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k) {
            TRen* m = rl.Items(r->Mren(k));
            if (m == nullptr || m->Kuu() >= 3)
                continue;
            for (int j = 1; j <= m->Kuu(); ++j)
                mark(m->GetKuu(j));
        }
    }
}

void GunReset()
{
    FillGrid<std::uint8_t, 1, 19>(KohoTeMap, 0);
    GunRenSu = 0;
}

} // namespace vorn
