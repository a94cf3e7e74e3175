#include "engine/shapes/ShapeFrame.h"

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Think.h"

namespace vorn {

const TBoxSpec* BoxSpecOf(int kind)
{
    for (const TBoxSpec& s : kBoxSpecs)
        if (s.kind == kind)
            return &s;
    return nullptr;
}

TShape::TShape(int kind, Point a, Point b) : spec_(BoxSpecOf(kind)), kind_(kind), a_(a), b_(b)
{
    const TGoban& g = CurGoban();
    own_ = g.GetIroPt(a);
    opp_ = (own_ == kKuro || own_ == kSiro) ? Aite(own_) : 0;
    if (spec_ == nullptr)
        return;
    const auto cells = std::span<Point>(box_.begin(), static_cast<std::size_t>(spec_->high) + 1);
    switch (spec_->builder) {
    case TBoxBuilder::Cross:
        box_[0] = a;
        box_[1] = CrossPtIsi(a, b);
        box_[2] = box_[1] == Point(a.x, b.y) ? Point(b.x, a.y) : Point(a.x, b.y);
        box_[3] = b;
        break;
    case TBoxBuilder::Rows:
        BetweenRows(a, b, cells);
        if (spec_->outer)
            BetweenDiag(a, b, std::span<Point>(outer_.begin(), cells.size()));
        break;
    case TBoxBuilder::Wide:
        BetweenWide(a, b, cells);
        break;
    case TBoxBuilder::Box4:
        BetweenBox4(a, b, cells);
        break;
    }
    for (int i = 0; i <= spec_->high; ++i) {
        iro_[i] = g.GetIroPt(box_[i]);
        if (spec_->outer)
            outerIro_[i] = g.GetIroPt(outer_[i]);
    }
}

const TBoxSpec& TShape::Spec() const
{
    if (spec_ == nullptr)
        RangeError(kind_, 0, 0);
    return *spec_;
}

int TShape::Cell(int i) const
{
    if (i < 0 || i > High())
        RangeError(i, 0, High());
    return i;
}

int TShape::OuterCell(int i) const
{
    if (!HasOuter() || i < 0 || i > High())
        RangeError(i, 0, HasOuter() ? High() : -1);
    return i;
}

std::span<const Point> TShape::Box() const
{
    return std::span<const Point>(box_.begin(), static_cast<std::size_t>(High() + 1));
}

std::span<const std::uint8_t> TShape::Iro() const
{
    return std::span<const std::uint8_t>(iro_.begin(), static_cast<std::size_t>(High() + 1));
}

std::span<const Point> TShape::Outer() const
{
    return std::span<const Point>(outer_.begin(), HasOuter() ? static_cast<std::size_t>(High() + 1) : 0);
}

std::span<const std::uint8_t> TShape::OuterIro() const
{
    return std::span<const std::uint8_t>(outerIro_.begin(), HasOuter() ? static_cast<std::size_t>(High() + 1) : 0);
}

bool TShape::Gate() const
{
    if (InSakiyomi != 1)
        return true;
    if (spec_ == nullptr)
        return false;
    for (int i = spec_->gateLo; i <= spec_->gateHi; ++i)
        if ((!spec_->gateEmpty || iro_[i] == kAki) && InYomiArea(box_[i]))
            return true;
    return false;
}

bool TShape::GateCells(std::span<const int> cells) const
{
    if (InSakiyomi != 1)
        return true;
    for (int i : cells)
        if (InYomiArea(R(i)))
            return true;
    return false;
}

int TShape::FirstOpp(std::span<const int> cells) const
{
    for (int i : cells)
        if (c(i) == opp_ && opp_ != 0)
            return i;
    return -1;
}

TRen* TShape::Ren(int i) const { return ToruRenAt(R(i)); }

int TShape::Kuu(int i) const { return KuuOf(R(i)); }

void TShape::Add(Point ownerPt, Point attackerPt, int value) const
{
    if (opp_ != 0)
        AddKohoSide(opp_, attackerPt, ownerPt, value);
}

// --- The reader -------------------------------------------------------------------

bool TShapeYomi::Try(int c, Point p, bool push)
{
    if (Stopped())
        return false;
    const bool ok = push ? trial_.PushPlay(c, p) : trial_.Play(c, p);
    if (ok) {
        ToruRenMake();
        return true;
    }
    if (trial_.Tries() == 1)
        firstRefused_ = true;
    if (policy_ == TRefusal::Stop)
        stopAt_ = trial_.Tries() - 1;
    return false;
}

bool TShapeYomi::Play(int c, Point p) { return Try(c, p, false); }

bool TShapeYomi::PushPlay(int c, Point p) { return Try(c, p, true); }

void TShapeYomi::Back()
{
    if (trial_.Tries() == 0)
        return;
    const bool stood = trial_.LastStood();
    const int level = Level;
    trial_.Back();
    // Taken back on a level that stays open: its chains are stale.
    if (stood && Level == level)
        ToruRenMake();
    if (stopAt_ >= trial_.Tries())
        stopAt_ = -1;
    if (trial_.Tries() == 0)
        firstRefused_ = false;
}

void TShapeYomi::BackTo(int n)
{
    while (trial_.Tries() > n && trial_.Tries() > 0)
        Back();
}

int TShapeYomi::Score(int c) const { return Hyoka(c); }

int TShapeYomi::ScoreReached(int c) const { return Level > 0 ? Hyoka(c) : 0; }

std::optional<int> TShapeYomi::Line(int scorer, std::initializer_list<TYomiMove> moves)
{
    const int start = Tries();
    bool first = true, refusedFirst = false;
    for (const TYomiMove& m : moves) {
        if (!Play(m.c, m.p) && first)
            refusedFirst = true;
        first = false;
    }
    std::optional<int> v;
    if (!Stopped() && !refusedFirst)
        v = Score(scorer);
    BackTo(start);
    return v;
}

int TShapeYomi::ScoreAfter(int scorer, std::initializer_list<TYomiMove> moves)
{
    const int start = Tries();
    for (const TYomiMove& m : moves)
        Play(m.c, m.p);
    const int v = ScoreReached(scorer);
    BackTo(start);
    return v;
}

// --- Small reads ---------------------------------------------------------------------

int IroOf(Point p) { return CurGoban().GetIroPt(p); }

int KuuOf(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->Kuu();
}

int IsiOf(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->IsiCount();
}

Point KuuPointOf(Point p, int i)
{
    TRen* r = ToruRenAt(p);
    if (r == nullptr || i < 1 || i > r->Kuu())
        return Point();
    return r->GetKuu(i);
}

int SichoOf(Point p)
{
    TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->GetSicho();
}

Point SichoTeOf(Point p, int i)
{
    TRen* r = ToruRenAt(p);
    return r == nullptr ? Point() : r->SichoTe(i);
}

bool CaughtAt(Point p)
{
    const int k = KuuOf(p);
    return k == 1 || (k == 2 && SichoCheck(p) == 1);
}

bool Around8Empty(Point p)
{
    TIroCounts n;
    CountAround8(p, n);
    return n[kAki] == 8;
}

int PlayScore(int scorer, int c, Point p)
{
    TShapeYomi y(TRefusal::GoOn);
    return y.ScoreAfter(scorer, {{c, p}});
}

bool IsDeath70At(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsDeath70() != 0;
}

bool IsDeath90At(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsDeath90() != 0;
}

bool IsWeakAt(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsWeak();
}

bool IsDeadAt(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() == 1;
}

int MeAt(Point p)
{
    const TGun* g = GunAt(p);
    return g == nullptr ? 0 : g->GetMe();
}

bool LadderedAt(Point p) { return ToruRenAt(p) != nullptr && SichoCheck(p) == 1; }

} // namespace vorn
